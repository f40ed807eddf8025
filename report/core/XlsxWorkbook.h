#pragma once
// Spreadsheet files (xlsx) for people: the one place that writes them, with libxlsxwriter, for
// `haulmetry export`, `table` and `library list`. A cell is typed as what it holds: numbers are
// numeric cells, dates are date cells with a date format, and every text (identification, plate,
// path, label) is a string cell, never a formula, whatever its first character. Text is written
// as printableText shows it, so bytes that are not UTF-8 and control characters never make an
// invalid file. Each sheet's header row is frozen. Plain functions, any thread.
#include <string>
#include <string_view>
#include <vector>

namespace hm {

struct XlsxCell {
    enum class Kind { Empty, Number, Text, DateTime, Boolean };
    Kind kind = Kind::Empty;
    double number = 0.0;  // Number; Boolean: 0 or 1
    std::string text;     // Text: the bytes as given; DateTime: "YYYY-MM-DDTHH:MM:SS"

    static XlsxCell empty() { return {}; }
    static XlsxCell fromNumber(double value);
    // A decimal text ("1.25", "-3", "12E5" is not one): a number cell; empty text: an empty
    // cell; anything else: a text cell with the text, so nothing is lost.
    static XlsxCell fromDecimal(std::string_view decimal);
    static XlsxCell fromText(std::string_view bytes);
    // "YYYY-MM-DD", "YYYY-MM-DDTHH:MM:SS" (or a blank for the T): a date cell; empty text: an
    // empty cell; anything else (not a real date) a text cell.
    static XlsxCell fromDateTime(std::string_view iso);
    static XlsxCell fromBoolean(bool value);
};

struct XlsxSheet {
    std::string name;                 // at most 31 characters, none of []:*?/\ (not checked)
    std::string title;                // optional line above the header row
    std::vector<std::string> header;  // column names (data, not translated)
    std::vector<std::vector<XlsxCell>> rows;
};

// The workbook's bytes; on failure false and `error` says why.
bool writeXlsx(const std::vector<XlsxSheet>& sheets, std::string& bytes, std::string& error);

// The text a cell shows for `bytes`: printableCellText.
std::string xlsxText(std::string_view bytes);

}  // namespace hm
