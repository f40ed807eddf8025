// The printing module's entry point: every printing function behind the one table that
// printing/PrintModule.h describes. Linked into haulmetry-print.so, and into the programs that
// carry the printing code themselves (the tests).
#include "print/CPrintGraphApp.h"
#include "print/PageRenderer.h"
#include "printing/PrintModule.h"
#include "report/ReportMenu.h"
#include "report/ReportRenderer.h"
#include "resources/Strings.h"

namespace hm {
namespace {

std::unique_ptr<PrintPreview> makePreview(PrintDialogRunner runner,
                                          PreviewMenuEntries moreEntries) {
    return std::make_unique<CPrintGraphApp>(std::move(runner), std::move(moreEntries));
}

bool pagePdf(const PageInputs& inputs, const std::string& path, QString* error) {
    return writePagePdf(inputs, path, error);
}

bool pagePng(const PageInputs& inputs, const std::string& path, int dpi, QString* error) {
    return writePagePng(inputs, path, dpi, error);
}

bool reportPdf(const ReportSource& source, const std::string& path, QString* error,
               QString* warning) {
    return writeReportPdf(source, path, error, warning);
}

void useTranslator(TextTranslator translator) {
    if (textTranslator() != translator) {  // the table is translated anew at each change
        setTextTranslator(translator);
    }
}

constexpr PrintModule kModule{&makePreview, &reportEntries, &pagePdf,
                              &pagePng,     &reportPdf,     &useTranslator};

}  // namespace
}  // namespace hm

extern "C" __attribute__((visibility("default"))) const hm::PrintModule* hmPrintModule() {
    return &hm::kModule;
}
