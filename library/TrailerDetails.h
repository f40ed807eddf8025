#pragma once
// What a workshop knows of a trailer besides its downloads: its fleet number, number plate,
// customer (the fleet operator) and notes, kept per identification in the library with every
// change (who and when). Plain types without Qt.
#include <cstddef>
#include <string>

namespace hm::library {

struct TrailerDetails {
    std::string fleetNumber, plate, customer, notes;  // UTF-8 text as the user typed it
    std::string changedBy;  // the workshop (else host) that made the last change; read only
    std::string changedAt;  // local time "YYYY-MM-DDTHH:MM:SS" of the last change; read only
    bool empty() const;     // no field of the four set
    // True when the four fields are equal (who and when are not compared).
    bool sameFields(const TrailerDetails& other) const;
};

// The longest value of each field, in characters (Unicode code points).
constexpr size_t kFleetNumberMax = 40;
constexpr size_t kPlateMax = 20;
constexpr size_t kCustomerMax = 200;
constexpr size_t kNotesMax = 2000;

// Why `details` cannot be stored ("" when it can): a field that is not UTF-8, holds a control
// character (line breaks and tabs too: every field is one line of text), or is longer than
// its limit above. The text is translated and names the field.
std::string detailsProblem(const TrailerDetails& details);

// A plate as lookups compare it: case-folded, without blanks and hyphens ("ab-12 cd" and
// "AB12CD" are one plate). Empty for a plate of only those.
std::string plateKey(const std::string& plate);
// A fleet number as lookups compare it: case-folded, without leading and trailing blanks.
std::string fleetNumberKey(const std::string& fleetNumber);

}  // namespace hm::library
