#pragma once
// The view of the print preview: draws the page from the current state on every paint and
// prints the same page through the print dialog.
#include <QWidget>
#include <functional>

class QPrinter;

#include "print/PrintDialogRunner.h"
#include "print/core/PageDrawing.h"

namespace hm {

// Returns the page's inputs as they are now (graph display record, image, hand-over members).
// Called on the window thread at every paint and print.
using PageInputsProvider = std::function<PageInputs()>;

class CPrintGraphView : public QWidget {
    Q_OBJECT
  public:
    // `runner` (may be empty: QPrintDialog) is asked by every print flow of the preview.
    explicit CPrintGraphView(PageInputsProvider provider, PrintDialogRunner runner = {},
                             QWidget* parent = nullptr);

    QSize sizeHint() const override;
    const PageInputsProvider& provider() const { return provider_; }

    // Runs the preview's print dialog runner on `printer`: true when the user accepted.
    bool runPrintDialog(QPrinter& printer, QWidget* parent) const;
    // The print flow: print dialog, then exactly one page.
    // Returns true when a page was printed, false when cancelled or the printer failed.
    bool print();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    PageInputsProvider provider_;
    PrintDialogRunner runner_;
};

}  // namespace hm
