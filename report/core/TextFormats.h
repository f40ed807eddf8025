#pragma once
// Text building blocks of the machine-readable outputs (CSV, JSON): field quoting, string
// escaping, the saved-at time as ISO 8601. Plain functions, any thread.
#include <cstdint>
#include <string>
#include <string_view>

namespace hm {

// `bytes` as UTF-8: kept as they are when they already are valid UTF-8, otherwise read as
// Latin-1 (every byte one character), so any identification or path gives valid text.
std::string toUtf8Text(std::string_view bytes);

// One CSV field as RFC 4180 writes it: quoted (with doubled quotes) when it holds a comma, a
// semicolon, a tab, a quote, a carriage return or a line feed, or when it starts or ends with a
// blank.
std::string csvField(std::string_view text);
// `text` in quotes, its quotes doubled, whatever it holds.
std::string csvQuoted(std::string_view text);

// `bytes` as toUtf8Text reads them, with every control character (C0, DEL, C1, the controls of
// bidirectional text) written as "\xNN" of its bytes and a backslash as "\\", as file names are
// shown in messages (printablePath): a terminal or a spreadsheet that shows the text never gets
// a raw escape sequence, bell, line break or reordered text, and two texts never look alike.
std::string printableText(std::string_view bytes);

// The text a spreadsheet cell shows for `bytes` (xlsx cells, free-text CSV fields):
// printableText, with the two noncharacters U+FFFE and U+FFFF also written as "\xNN" of their
// bytes, since XML cannot hold them and a spreadsheet drops them from a CSV field.
std::string printableCellText(std::string_view bytes);

// A free-text CSV field (identification, file name) from its bytes: printableCellText, always in
// quotes (empty text: an empty field), with a leading apostrophe when a spreadsheet could take
// it for a formula (its first character after any blanks and control characters is = + - or @).
std::string csvTextField(std::string_view bytes);

// `text` (UTF-8) as a JSON string literal with its quotes; control characters (C0, DEL, C1) are
// escaped.
std::string jsonString(std::string_view text);

// A decimal number text (e.g. "1.25", "-3", "0.5") as a JSON value: the text itself when it is
// a JSON number, otherwise null.
std::string jsonNumber(std::string_view decimal);

// The saved-at fields (year, month, day of week, day, hour, minute, second, ms) as local time in
// ISO 8601, "YYYY-MM-DDTHH:MM:SS"; empty when they do not form a real date and time (an image
// that was never saved holds zeros).
std::string isoSavedAt(const uint16_t (&savedAt)[8]);

}  // namespace hm
