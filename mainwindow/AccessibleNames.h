#pragma once
// Names and descriptions of the main window's controls for assistive technology (screen readers
// and other clients of the accessibility bus), all from the string table, and the Tab order of
// its buttons (the column from top to bottom, then previous and next under the chart).
namespace hm {

class CHaulDlg;

// Names every control of `dialog` once its controls exist; the connection lamp's name follows
// its state and the chart's name the graph shown from then on.
void nameMainWindowControls(CHaulDlg& dialog);

}  // namespace hm
