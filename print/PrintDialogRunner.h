#pragma once
// The print dialog of the print flows (PrintDialogRunner, printing/PrintModule.h): the window
// program shows QPrintDialog; the print-to-file mode and the tests pass a runner that does not
// block. Window thread only.
#include "printing/PrintModule.h"

namespace hm {

// Shows QPrintDialog modally on `parent` (one page: no page range, no selection).
bool runQtPrintDialog(QPrinter& printer, QWidget* parent);

// `runner`, or runQtPrintDialog when `runner` is empty.
bool runPrintDialog(const PrintDialogRunner& runner, QPrinter& printer, QWidget* parent);

}  // namespace hm
