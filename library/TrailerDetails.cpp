#include "library/TrailerDetails.h"

#include <QCoreApplication>
#include <QString>
#include <string_view>

#include "library/LibrarySchema.h"
#include "platform/FileAccess.h"

namespace hm::library {
namespace {

// A character that would break a field's one line, or reorder or hide text around it: the
// C0 and C1 controls, DEL, the line and paragraph separators, and the bidirectional controls.
bool refusedCharacter(char32_t cp) {
    return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F) || cp == 0x061C || cp == 0x200E ||
           cp == 0x200F || cp == 0x2028 || cp == 0x2029 || (cp >= 0x202A && cp <= 0x202E) ||
           (cp >= 0x2066 && cp <= 0x2069);
}

enum class FieldFault { None, NotText, Control, TooLong };

FieldFault fieldFault(std::string_view text, size_t limit) {
    size_t characters = 0;
    while (!text.empty()) {
        char32_t cp = 0;
        const size_t length = utf8Sequence(text, cp);
        if (length == 0) {
            return FieldFault::NotText;
        }
        if (refusedCharacter(cp)) {
            return FieldFault::Control;
        }
        text.remove_prefix(length);
        ++characters;
    }
    return characters > limit ? FieldFault::TooLong : FieldFault::None;
}

std::string faultText(FieldFault fault, const QString& field, size_t limit) {
    switch (fault) {
        case FieldFault::NotText:
            return QCoreApplication::translate("hm::Library", "the %1 is not UTF-8 text")
                .arg(field)
                .toStdString();
        case FieldFault::Control:
            return QCoreApplication::translate(
                       "hm::Library",
                       "the %1 holds a control character (a line break, a tab, ...), which "
                       "cannot be stored")
                .arg(field)
                .toStdString();
        case FieldFault::TooLong:
            return QCoreApplication::translate("hm::Library", "the %1 is longer than %2 characters")
                .arg(field)
                .arg(limit)
                .toStdString();
        case FieldFault::None:
            break;
    }
    return {};
}

QString folded(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toCaseFolded();
}

}  // namespace

bool TrailerDetails::empty() const {
    return fleetNumber.empty() && plate.empty() && customer.empty() && notes.empty();
}

bool TrailerDetails::sameFields(const TrailerDetails& other) const {
    return fleetNumber == other.fleetNumber && plate == other.plate && customer == other.customer &&
           notes == other.notes;
}

std::string detailsProblem(const TrailerDetails& details) {
    const struct {
        const std::string& value;
        size_t limit;
        QString name;
    } fields[] = {
        {details.fleetNumber, kFleetNumberMax,
         QCoreApplication::translate("hm::Library", "fleet number")},
        {details.plate, kPlateMax, QCoreApplication::translate("hm::Library", "plate")},
        {details.customer, kCustomerMax, QCoreApplication::translate("hm::Library", "customer")},
        {details.notes, kNotesMax, QCoreApplication::translate("hm::Library", "notes")},
    };
    for (const auto& field : fields) {
        const FieldFault fault = fieldFault(field.value, field.limit);
        if (fault != FieldFault::None) {
            return faultText(fault, field.name, field.limit);
        }
    }
    return {};
}

std::string plateKey(const std::string& plate) {
    QString key = folded(plate);
    key.remove(QLatin1Char(' '));
    key.remove(QLatin1Char('-'));
    key.remove(QChar(0x00A0));
    key.remove(QChar(0x2010));
    key.remove(QChar(0x2011));
    key.remove(QChar(0x2013));
    return key.toStdString();
}

std::string fleetNumberKey(const std::string& fleetNumber) {
    return folded(fleetNumber).trimmed().toStdString();
}

}  // namespace hm::library
