#pragma once
// The library window's form for the chosen trailer's details: plate, fleet number, customer
// and notes, when and by whom they were last changed, and Save details (on while the fields
// differ from what the library holds). The form only edits; the window stores the details on
// its library thread and hands the stored ones back. Window thread.
#include <QGroupBox>
#include <string>
#include <vector>

#include "library/TrailerDetails.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace hm {

class DetailsForm : public QGroupBox {
    Q_OBJECT

  public:
    explicit DetailsForm(QWidget* parent = nullptr);

    // Shows the details of the trailer `ident` as the library holds them, replacing any edit.
    void setTrailer(const std::string& ident, const library::TrailerDetails& details);
    // Every change of the details of `ident` (oldest first, as Library::detailsHistory gives
    // them), listed newest first in the tooltip and description of the "Changed ..." line;
    // ignored when another trailer is shown by now.
    void setChanges(const std::string& ident, const std::vector<library::TrailerDetails>& changes);
    // No trailer chosen: empty fields, nothing to edit.
    void clearTrailer();
    // While a save runs: the fields stay, Save details is off.
    void setSaving(bool saving);

    // The trailer shown and the four fields as they are typed now.
    const std::string& ident() const { return ident_; }
    library::TrailerDetails edited() const;

    // ---- Inspection (tests) -----------------------------------------------------------------
    QLineEdit* plateField() const { return plate_; }
    QLineEdit* fleetNumberField() const { return fleetNumber_; }
    QLineEdit* customerField() const { return customer_; }
    QLineEdit* notesField() const { return notes_; }
    QPushButton* saveButton() const { return save_; }
    QString changedText() const;
    QString changesText() const;

  signals:
    // Save details was pressed (or Enter in a field) with the fields changed.
    void saveRequested();

  private:
    QLineEdit* addField(const QString& label, const QString& name, int maxLength, int row,
                        int column);
    void updateSave();

    QLineEdit* plate_ = nullptr;
    QLineEdit* fleetNumber_ = nullptr;
    QLineEdit* customer_ = nullptr;
    QLineEdit* notes_ = nullptr;
    QLabel* changed_ = nullptr;
    QPushButton* save_ = nullptr;
    std::string ident_;
    library::TrailerDetails stored_;
    bool saving_ = false;
};

}  // namespace hm
