#include "librarywindow/DetailsForm.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "librarywindow/FleetModel.h"

namespace hm {
namespace {

std::string fieldText(const QLineEdit* field) {
    return field->text().toStdString();
}

}  // namespace

DetailsForm::DetailsForm(QWidget* parent) : QGroupBox(tr("Details"), parent) {
    auto* grid = new QGridLayout(this);
    plate_ = addField(tr("&Plate:"), tr("Plate"), static_cast<int>(library::kPlateMax), 0, 0);
    fleetNumber_ = addField(tr("Fleet &number:"), tr("Fleet number"),
                            static_cast<int>(library::kFleetNumberMax), 0, 2);
    customer_ =
        addField(tr("&Customer:"), tr("Customer"), static_cast<int>(library::kCustomerMax), 1, 0);
    notes_ = addField(tr("N&otes:"), tr("Notes"), static_cast<int>(library::kNotesMax), 1, 2);
    changed_ = new QLabel(this);
    changed_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    save_ = new QPushButton(tr("&Save details"), this);
    save_->setAccessibleName(tr("Save details"));
    save_->setAccessibleDescription(
        tr("Stores the plate, fleet number, customer and notes of the trailer in the library"));
    save_->setAutoDefault(false);  // Enter in a table opens a download, never a save
    grid->addWidget(changed_, 2, 0, 1, 3);
    grid->addWidget(save_, 2, 3, Qt::AlignRight);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    connect(save_, &QPushButton::clicked, this, [this] {
        if (save_->isEnabled()) {
            emit saveRequested();
        }
    });
    clearTrailer();
}

QLineEdit* DetailsForm::addField(const QString& label, const QString& name, int maxLength, int row,
                                 int column) {
    auto* grid = static_cast<QGridLayout*>(layout());
    auto* text = new QLabel(label, this);
    auto* field = new QLineEdit(this);
    field->setMaxLength(maxLength);
    field->setAccessibleName(name);
    text->setBuddy(field);
    grid->addWidget(text, row, column);
    grid->addWidget(field, row, column + 1);
    connect(field, &QLineEdit::textEdited, this, &DetailsForm::updateSave);
    connect(field, &QLineEdit::returnPressed, this, [this] {
        if (save_->isEnabled()) {
            emit saveRequested();
        }
    });
    return field;
}

void DetailsForm::setTrailer(const std::string& ident, const library::TrailerDetails& details) {
    ident_ = ident;
    stored_ = details;
    saving_ = false;
    const std::pair<QLineEdit*, const std::string*> fields[] = {
        {plate_, &details.plate},
        {fleetNumber_, &details.fleetNumber},
        {customer_, &details.customer},
        {notes_, &details.notes},
    };
    for (const auto& [field, value] : fields) {
        field->setText(QString::fromStdString(*value));
        field->setEnabled(true);
    }
    setTitle(tr("Details of %1").arg(shownBytes(ident)));
    changed_->setToolTip({});  // the changes of this trailer follow (setChanges)
    changed_->setText(details.changedAt.empty()
                          ? tr("No details are stored yet.")
                          : tr("Changed %1 by %2")
                                .arg(shownVisit(details.changedAt), shownBytes(details.changedBy)));
    updateSave();
}

void DetailsForm::setChanges(const std::string& ident,
                             const std::vector<library::TrailerDetails>& changes) {
    if (ident != ident_) {
        return;
    }
    QStringList lines;
    for (auto change = changes.rbegin(); change != changes.rend(); ++change) {
        QString text = detailsLine(*change);
        if (!change->notes.empty()) {
            text += (text.isEmpty() ? QString() : QStringLiteral("; ")) + shownBytes(change->notes);
        }
        lines << QStringLiteral("%1, %2: %3")
                     .arg(shownVisit(change->changedAt), shownBytes(change->changedBy),
                          text.isEmpty() ? tr("no details") : text);
    }
    const QString text = lines.isEmpty() ? QString()
                                         : tr("Changes of the details, newest first:") +
                                               QLatin1Char('\n') + lines.join(QLatin1Char('\n'));
    changed_->setToolTip(text);
    changed_->setAccessibleDescription(text);
}

void DetailsForm::clearTrailer() {
    ident_.clear();
    stored_ = {};
    for (QLineEdit* field : {plate_, fleetNumber_, customer_, notes_}) {
        field->clear();
        field->setEnabled(false);
    }
    setTitle(tr("Details"));
    changed_->clear();
    changed_->setToolTip({});
    changed_->setAccessibleDescription({});
    updateSave();
}

void DetailsForm::setSaving(bool saving) {
    saving_ = saving;
    updateSave();
}

library::TrailerDetails DetailsForm::edited() const {
    library::TrailerDetails d;
    d.plate = fieldText(plate_);
    d.fleetNumber = fieldText(fleetNumber_);
    d.customer = fieldText(customer_);
    d.notes = fieldText(notes_);
    return d;
}

QString DetailsForm::changedText() const {
    return changed_->text();
}

QString DetailsForm::changesText() const {
    return changed_->toolTip();
}

void DetailsForm::updateSave() {
    if (save_ != nullptr) {
        save_->setEnabled(!ident_.empty() && !saving_ && !edited().sameFields(stored_));
    }
}

}  // namespace hm
