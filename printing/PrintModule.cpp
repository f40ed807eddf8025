#include "printing/PrintModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "platform/SharedLibrary.h"
#include "resources/Strings.h"

// Defined only where the printing code is linked into the program itself (the tests): null
// otherwise, and the module is loaded from its file.
extern "C" const hm::PrintModule* hmPrintModule() __attribute__((weak));

namespace hm {
namespace {

struct Loaded {
    const PrintModule* module = nullptr;
    QString problem;
};

// The module's file: installed under the library folder's haulmetry/ (its path relative to the
// program's folder is fixed at build time), in the build tree beside the program.
QStringList moduleCandidates() {
    const QString appDir = QCoreApplication::applicationDirPath();
    return {QDir::cleanPath(appDir + QStringLiteral("/" HM_PRINT_MODULE_FROM_BINDIR)),
            QDir::cleanPath(appDir + QStringLiteral("/" HM_PRINT_MODULE_NAME))};
}

Loaded load() {
    Loaded loaded;
    if (hmPrintModule != nullptr) {
        loaded.module = hmPrintModule();
        return loaded;
    }
    QString tried;
    for (const QString& path : moduleCandidates()) {
        if (!QFile::exists(path)) {
            tried += (tried.isEmpty() ? QString() : QStringLiteral(", ")) + path;
            continue;
        }
        std::string why;
        void* library = openSharedLibrary(QFile::encodeName(path).constData(), 0, &why);
        decltype(&::hmPrintModule) entry = nullptr;
        if (library == nullptr || !findSymbol(library, "hmPrintModule", entry)) {
            loaded.problem = library == nullptr
                                 ? QString::fromLocal8Bit(why)
                                 : path + QStringLiteral(": no entry point hmPrintModule");
            return loaded;
        }
        loaded.module = entry();
        return loaded;
    }
    loaded.problem =
        QCoreApplication::translate("hm::PrintModule", "the printing module is missing (%1)")
            .arg(tried);
    return loaded;
}

}  // namespace

const PrintModule* printModule(QString* problem) {
    static const Loaded loaded = load();
    if (loaded.module != nullptr) {
        // The module has its own copy of the numbered texts: it translates them as the program
        // does (the language may have been installed after the module was loaded).
        loaded.module->useTextTranslator(textTranslator());
    } else if (problem != nullptr) {
        *problem = loaded.problem;
    }
    return loaded.module;
}

}  // namespace hm
