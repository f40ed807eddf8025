#include "report/core/XlsxWorkbook.h"

#include <locale.h>
#include <sys/mman.h>
#include <unistd.h>
#include <xlsxwriter.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>

#include "platform/SharedLibrary.h"
#include "report/core/TextFormats.h"

namespace hm {
namespace {

// libxlsxwriter, loaded on the first workbook: the program is not linked with it, so that every
// start (the window's above all) does not pay for loading and relocating it and the libcrypto it
// brings. Its header still declares each function, so every call below is type-checked.
#define HM_XLSX_FUNCTIONS(X)                                                                \
    X(workbook_new)                                                                         \
    X(workbook_add_format)                                                                  \
    X(workbook_add_worksheet)                                                               \
    X(workbook_close) X(format_set_bold) X(format_set_num_format) X(worksheet_write_number) \
        X(worksheet_write_boolean) X(worksheet_write_datetime) X(worksheet_write_string)    \
            X(worksheet_freeze_panes) X(worksheet_set_column) X(lxw_strerror)

struct XlsxApi {
#define HM_XLSX_MEMBER(name) decltype(&::name) name = nullptr;
    HM_XLSX_FUNCTIONS(HM_XLSX_MEMBER)
#undef HM_XLSX_MEMBER
    std::string problem;  // empty when every function was found
};

constexpr const char* kXlsxLibrary = "libxlsxwriter.so.4";

const XlsxApi& xlsx() {
    static const XlsxApi api = [] {
        XlsxApi found;
        void* library = openSharedLibrary(kXlsxLibrary, 0, &found.problem);
        if (library == nullptr) {
            return found;
        }
#define HM_XLSX_RESOLVE(name)                                                  \
    if (!findSymbol(library, #name, found.name) && found.problem.empty()) {    \
        found.problem = std::string(kXlsxLibrary) + " has no function " #name; \
    }
        HM_XLSX_FUNCTIONS(HM_XLSX_RESOLVE)
#undef HM_XLSX_RESOLVE
        return found;
    }();
    return api;
}

// libxlsxwriter prints numbers with the C library's printf, which writes the decimal separator
// of LC_NUMERIC: under a German locale "46350,6", which no spreadsheet reads as a number (the
// file is broken). While it writes, this thread uses the C locale's numbers; the rest of the
// locale, and every other thread, stay as they are.
class CNumbersOnThisThread {
  public:
    CNumbersOnThisThread() {
        const locale_t current = ::duplocale(::uselocale(static_cast<locale_t>(nullptr)));
        c_ = current == static_cast<locale_t>(nullptr) ? current
                                                       : ::newlocale(LC_NUMERIC_MASK, "C", current);
        if (c_ == static_cast<locale_t>(nullptr) && current != static_cast<locale_t>(nullptr)) {
            ::freelocale(current);
        }
        previous_ = c_ == static_cast<locale_t>(nullptr) ? c_ : ::uselocale(c_);
    }
    ~CNumbersOnThisThread() {
        if (c_ != static_cast<locale_t>(nullptr)) {
            ::uselocale(previous_);
            ::freelocale(c_);
        }
    }
    CNumbersOnThisThread(const CNumbersOnThisThread&) = delete;
    CNumbersOnThisThread& operator=(const CNumbersOnThisThread&) = delete;
    bool active() const { return c_ != static_cast<locale_t>(nullptr); }

  private:
    locale_t c_ = static_cast<locale_t>(nullptr);
    locale_t previous_ = static_cast<locale_t>(nullptr);
};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// -?[0-9]+(\.[0-9]+)? : the decimals of the exports (no exponent, no blanks, no sign +).
bool isPlainDecimal(std::string_view d) {
    size_t i = d.substr(0, 1) == "-" ? 1 : 0;
    const size_t digits = i;
    while (i < d.size() && isDigit(d[i])) {
        ++i;
    }
    if (i == digits) {
        return false;
    }
    if (i < d.size() && d[i] == '.') {
        const size_t fraction = ++i;
        while (i < d.size() && isDigit(d[i])) {
            ++i;
        }
        if (i == fraction) {
            return false;
        }
    }
    return i == d.size();
}

// The number of `count` digits at `at` of `text`, or -1 when they are not all digits.
int digitsAt(std::string_view text, size_t at, size_t count) {
    if (at + count > text.size()) {
        return -1;
    }
    int value = 0;
    for (size_t i = at; i < at + count; ++i) {
        if (!isDigit(text[i])) {
            return -1;
        }
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

bool isRealDate(int year, int month, int day) {
    static constexpr int kDays[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1900 || month < 1 || month > 12 || day < 1 || day > kDays[month - 1]) {
        return false;  // spreadsheets count days from 1900
    }
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month != 2 || day != 29 || leap;
}

// "YYYY-MM-DD" optionally followed by "THH:MM:SS" (or " HH:MM:SS").
bool parseIso(std::string_view iso, lxw_datetime& out) {
    const bool dateOnly = iso.size() == 10;
    if ((!dateOnly && iso.size() != 19) || iso[4] != '-' || iso[7] != '-') {
        return false;
    }
    const int year = digitsAt(iso, 0, 4);
    const int month = digitsAt(iso, 5, 2);
    const int day = digitsAt(iso, 8, 2);
    if (!isRealDate(year, month, day)) {
        return false;
    }
    out = lxw_datetime{year, month, day, 0, 0, 0.0};
    if (dateOnly) {
        return true;
    }
    if ((iso[10] != 'T' && iso[10] != ' ') || iso[13] != ':' || iso[16] != ':') {
        return false;
    }
    const int hour = digitsAt(iso, 11, 2);
    const int minute = digitsAt(iso, 14, 2);
    const int second = digitsAt(iso, 17, 2);
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) {
        return false;
    }
    out.hour = hour;
    out.min = minute;
    out.sec = second;
    return true;
}

// The formats of one workbook: a bold header, dates with and without a time of day.
struct Formats {
    lxw_format* header;
    lxw_format* dateTime;
    lxw_format* date;
};

lxw_error writeCell(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t col, const XlsxCell& cell,
                    const Formats& formats) {
    switch (cell.kind) {
        case XlsxCell::Kind::Empty:
            return LXW_NO_ERROR;
        case XlsxCell::Kind::Number:
            return xlsx().worksheet_write_number(sheet, row, col, cell.number, nullptr);
        case XlsxCell::Kind::Boolean:
            return xlsx().worksheet_write_boolean(sheet, row, col, cell.number != 0.0, nullptr);
        case XlsxCell::Kind::DateTime: {
            lxw_datetime when{};
            if (parseIso(cell.text, when)) {
                lxw_format* format = cell.text.size() == 10 ? formats.date : formats.dateTime;
                return xlsx().worksheet_write_datetime(sheet, row, col, &when, format);
            }
            break;  // not a date after all: its text
        }
        case XlsxCell::Kind::Text:
            break;
    }
    // Always a string cell: "=1+1" stays the text it is, never a formula.
    return xlsx().worksheet_write_string(sheet, row, col, xlsxText(cell.text).c_str(), nullptr);
}

// Columns about as wide as their widest text (characters, clamped to 8..60).
void setColumnWidths(lxw_worksheet* sheet, const XlsxSheet& data) {
    std::vector<size_t> width(data.header.size(), 8);
    auto widen = [&width](size_t col, size_t chars) {
        if (col < width.size()) {
            width[col] = std::clamp(chars + 2, width[col], size_t{60});
        }
    };
    for (size_t c = 0; c < data.header.size(); ++c) {
        widen(c, data.header[c].size());
    }
    for (const auto& row : data.rows) {
        for (size_t c = 0; c < row.size(); ++c) {
            const size_t chars = row[c].kind == XlsxCell::Kind::DateTime ? 19
                                 : row[c].kind == XlsxCell::Kind::Text   ? row[c].text.size()
                                                                         : 10;
            widen(c, chars);
        }
    }
    for (size_t c = 0; c < width.size(); ++c) {
        xlsx().worksheet_set_column(sheet, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
                                    static_cast<double>(width[c]), nullptr);
    }
}

lxw_error writeSheet(lxw_workbook* book, const XlsxSheet& data, const Formats& formats) {
    lxw_worksheet* sheet = xlsx().workbook_add_worksheet(book, data.name.c_str());
    if (sheet == nullptr) {
        return LXW_ERROR_PARAMETER_VALIDATION;  // a sheet name Excel refuses
    }
    lxw_row_t row = 0;
    if (!data.title.empty()) {
        xlsx().worksheet_write_string(sheet, row++, 0, xlsxText(data.title).c_str(),
                                      formats.header);
    }
    for (size_t c = 0; c < data.header.size(); ++c) {
        const lxw_error e = xlsx().worksheet_write_string(sheet, row, static_cast<lxw_col_t>(c),
                                                          data.header[c].c_str(), formats.header);
        if (e != LXW_NO_ERROR) {
            return e;
        }
    }
    xlsx().worksheet_freeze_panes(sheet, ++row, 0);
    for (const auto& cells : data.rows) {
        for (size_t c = 0; c < cells.size(); ++c) {
            const lxw_error e = writeCell(sheet, row, static_cast<lxw_col_t>(c), cells[c], formats);
            if (e != LXW_NO_ERROR) {
                return e;
            }
        }
        ++row;
    }
    setColumnWidths(sheet, data);
    return LXW_NO_ERROR;
}

bool readBack(int fd, std::string& bytes, std::string& error) {
    bytes.clear();
    if (lseek(fd, 0, SEEK_SET) != 0) {
        error = std::strerror(errno);
        return false;
    }
    char buffer[65536];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            error = std::strerror(errno);
            return false;
        }
        if (n == 0) {
            return true;
        }
        bytes.append(buffer, static_cast<size_t>(n));
    }
}

}  // namespace

XlsxCell XlsxCell::fromNumber(double value) {
    XlsxCell cell;
    cell.kind = Kind::Number;
    cell.number = value;
    return cell;
}

XlsxCell XlsxCell::fromDecimal(std::string_view decimal) {
    double value = 0.0;
    if (isPlainDecimal(decimal) &&
        std::from_chars(decimal.data(), decimal.data() + decimal.size(), value).ec == std::errc{}) {
        return fromNumber(value);
    }
    return fromText(decimal);
}

XlsxCell XlsxCell::fromText(std::string_view bytes) {
    XlsxCell cell;
    if (!bytes.empty()) {
        cell.kind = Kind::Text;
        cell.text = std::string(bytes);
    }
    return cell;
}

XlsxCell XlsxCell::fromDateTime(std::string_view iso) {
    XlsxCell cell = fromText(iso);
    lxw_datetime when{};
    if (parseIso(iso, when)) {
        cell.kind = Kind::DateTime;
    }
    return cell;
}

XlsxCell XlsxCell::fromBoolean(bool value) {
    XlsxCell cell;
    cell.kind = Kind::Boolean;
    cell.number = value ? 1.0 : 0.0;
    return cell;
}

std::string xlsxText(std::string_view bytes) {
    return printableCellText(bytes);
}

bool writeXlsx(const std::vector<XlsxSheet>& sheets, std::string& bytes, std::string& error) {
    if (!xlsx().problem.empty()) {
        error = "the spreadsheet library could not be loaded: " + xlsx().problem;
        return false;
    }
    const CNumbersOnThisThread cNumbers;
    if (!cNumbers.active()) {
        error = "the C locale's numbers could not be set for the spreadsheet library";
        return false;
    }
    // libxlsxwriter writes to a named file; an anonymous memory file keeps the half-written
    // workbook off the disk, and the caller writes the bytes by the usual output rules.
    const int fd = memfd_create("haulmetry-xlsx", MFD_CLOEXEC);
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    const std::string path = "/proc/self/fd/" + std::to_string(fd);
    lxw_workbook* book = xlsx().workbook_new(path.c_str());
    if (book == nullptr) {
        close(fd);
        error = std::strerror(ENOMEM);
        return false;
    }
    Formats formats{xlsx().workbook_add_format(book), xlsx().workbook_add_format(book),
                    xlsx().workbook_add_format(book)};
    xlsx().format_set_bold(formats.header);
    xlsx().format_set_num_format(formats.dateTime, "yyyy-mm-dd hh:mm:ss");
    xlsx().format_set_num_format(formats.date, "yyyy-mm-dd");
    lxw_error result = LXW_NO_ERROR;
    for (const XlsxSheet& sheet : sheets) {
        if (result == LXW_NO_ERROR) {
            result = writeSheet(book, sheet, formats);
        }
    }
    const lxw_error closed = xlsx().workbook_close(book);  // also frees the workbook
    result = result != LXW_NO_ERROR ? result : closed;
    if (result != LXW_NO_ERROR) {
        error = xlsx().lxw_strerror(result);
        close(fd);
        return false;
    }
    const bool read = readBack(fd, bytes, error);
    close(fd);
    return read;
}

}  // namespace hm
