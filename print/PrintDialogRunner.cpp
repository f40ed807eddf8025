#include "print/PrintDialogRunner.h"

#include <QPrintDialog>
#include <QPrinter>

namespace hm {

bool runQtPrintDialog(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    return dialog.exec() == QDialog::Accepted;
}

bool runPrintDialog(const PrintDialogRunner& runner, QPrinter& printer, QWidget* parent) {
    return runner ? runner(printer, parent) : runQtPrintDialog(printer, parent);
}

}  // namespace hm
