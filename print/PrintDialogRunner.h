#pragma once
// How a print flow asks where to print: a function that sets up `printer` and returns true when
// the user accepted, false when cancelled. The window program shows QPrintDialog; the
// print-to-file mode and the tests pass a runner that does not block. Window thread only.
#include <functional>

class QPrinter;
class QWidget;

namespace hm {

using PrintDialogRunner = std::function<bool(QPrinter& printer, QWidget* parent)>;

// Shows QPrintDialog modally on `parent` (one page: no page range, no selection).
bool runQtPrintDialog(QPrinter& printer, QWidget* parent);

// `runner`, or runQtPrintDialog when `runner` is empty.
bool runPrintDialog(const PrintDialogRunner& runner, QPrinter& printer, QWidget* parent);

}  // namespace hm
