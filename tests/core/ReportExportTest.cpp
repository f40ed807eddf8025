// Machine-readable output and the report's page list: field quoting and escaping, the ISO time,
// stability fields in plain units, bar ranges, and the cover and footer of the report (the
// footer below everything on every page, the cover's saved time as the page headers show it).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <map>
#include <utility>

#include "graphs/GraphDisplay.h"
#include "print/core/PageDrawing.h"
#include "print/core/RecordingCanvas.h"
#include "report/core/FleetExport.h"
#include "report/core/FleetTable.h"
#include "report/core/ReportPages.h"
#include "report/core/TextFormats.h"
#include "report/core/XlsxWorkbook.h"
#include "support/SampleData.h"

namespace hm {
namespace {

TEST(ReportTextFormats, CsvFieldsQuoteWhatASpreadsheetWouldMisread) {
    // csvField quotes what would split or trim the field; a free-text field is always quoted, so
    // that an identification shaped like a number or a date stays text for a reader that honours
    // quotes.
    const struct {
        const char* in;
        const char* field;
        const char* textField;
    } cases[] = {
        {"plain", "plain", "\"plain\""},
        {"a,b", "\"a,b\"", "\"a,b\""},
        {"a;b", "\"a;b\"", "\"a;b\""},
        {"a\tb", "\"a\tb\"", "\"a\\x09b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\"", "\"say \"\"hi\"\"\""},
        {"two\r\nlines", "\"two\r\nlines\"", "\"two\\x0D\\x0Alines\""},
        {" padded", "\" padded\"", "\" padded\""},
        {"padded ", "\"padded \"", "\"padded \""},
        {"=SUM(A1)", "=SUM(A1)", "\"'=SUM(A1)\""},
        {"-0.35", "-0.35", "\"'-0.35\""},
        {"00123", "00123", "\"00123\""},
        {"12E5", "12E5", "\"12E5\""},
        {"2024-03-01", "2024-03-01", "\"2024-03-01\""},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(csvField(c.in), c.field) << c.in;
        EXPECT_EQ(csvTextField(c.in), c.textField) << c.in;
    }
}

TEST(ReportTextFormats, CsvTextFieldsEscapeControlsAndGuardFormulasBehindThem) {
    const struct {
        const char* in;
        const char* textField;
    } cases[] = {
        {"\x1B]0;x\x07\x1B[2J", "\"\\x1B]0;x\\x07\\x1B[2J\""},  // no escape sequence, no bell
        {"del\x7F", "\"del\\x7F\""},
        {"\r=1+1", "\"'\\x0D=1+1\""},
        {"\t@SUM(A1)", "\"'\\x09@SUM(A1)\""},
        {"  +1", "\"'  +1\""},
        {"\xC2\xA0=1", "\"'\xC2\xA0=1\""},          // after a no-break space
        {"a\xC2\x9B", "\"a\\xC2\\x9B\""},           // a C1 control in UTF-8
        {"a\x9B\xE9", "\"a\\x9B\xC3\xA9\""},        // and as a Latin-1 byte
        {"\xEF\xBF\xBEX", "\"\\xEF\\xBF\\xBEX\""},  // U+FFFE, which a spreadsheet drops
        {"x=1", "\"x=1\""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(csvTextField(c.in), c.textField) << c.in;
    }
}

TEST(ReportTextFormats, JsonStringsAndNumbersAreAlwaysValid) {
    EXPECT_EQ(jsonString("a\"b\\c\n\x01"), "\"a\\\"b\\\\c\\n\\u0001\"");
    EXPECT_EQ(jsonString("\x7F\xC2\x9B[\xC2\xA0"), "\"\\u007f\\u009b[\xC2\xA0\"");
    for (const char* good : {"0", "-3", "1.25", "1234.56", "1e+10"}) {
        EXPECT_EQ(jsonNumber(good), good);
    }
    for (const char* bad : {"", " 5", "05", "1.", ".5", "nan", "-inf", "1e", "--1"}) {
        EXPECT_EQ(jsonNumber(bad), "null") << bad;
    }
    // Bytes that are not UTF-8 are read as Latin-1; valid UTF-8 stays as it is.
    EXPECT_EQ(toUtf8Text("A\xE9"), "A\xC3\xA9");
    EXPECT_EQ(toUtf8Text("A\xC3\xA9"), "A\xC3\xA9");
    EXPECT_EQ(toUtf8Text("\xED\xA0\x80"), "\xC3\xAD\xC2\xA0\xC2\x80");  // a surrogate is not UTF-8
}

TEST(ReportTextFormats, SavedAtAsIsoOnlyForARealTime) {
    const struct {
        uint16_t t[8];
        const char* iso;
    } cases[] = {
        {{2026, 11, 2, 24, 14, 35, 12, 0}, "2026-11-24T14:35:12"},
        {{2024, 2, 4, 29, 0, 0, 0, 0}, "2024-02-29T00:00:00"},
        {{2026, 2, 0, 29, 0, 0, 0, 0}, ""},  // not a leap year
        {{0, 0, 0, 0, 0, 0, 0, 0}, ""},      // never saved
        {{2026, 13, 0, 1, 0, 0, 0, 0}, ""},
        {{2026, 1, 0, 1, 24, 0, 0, 0}, ""},
        {{65535, 65535, 65535, 65535, 65535, 65535, 65535, 65535}, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(isoSavedAt(c.t), c.iso);
    }
}

TEST(ReportXlsx, CellsAreNumbersOrDatesOnlyWhenTheyAreExactlySo) {
    using Kind = XlsxCell::Kind;
    const struct {
        XlsxCell cell;
        Kind kind;
    } cases[] = {
        {XlsxCell::fromDecimal("-0.37"), Kind::Number},
        {XlsxCell::fromDecimal("21450.00"), Kind::Number},
        {XlsxCell::fromDecimal("12E5"), Kind::Text},
        {XlsxCell::fromDecimal("1."), Kind::Text},
        {XlsxCell::fromDecimal(" 5"), Kind::Text},
        {XlsxCell::fromDecimal(""), Kind::Empty},
        {XlsxCell::fromDateTime("2026-11-24T14:35:12"), Kind::DateTime},
        {XlsxCell::fromDateTime("2024-03-01"), Kind::DateTime},
        {XlsxCell::fromDateTime("2026-02-29T00:00:00"), Kind::Text},  // not a leap year
        {XlsxCell::fromDateTime("2026-01-01T24:00:00"), Kind::Text},
        {XlsxCell::fromDateTime("1899-12-31"), Kind::Text},  // before a spreadsheet's day 1
        {XlsxCell::fromText("=1+1"), Kind::Text},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.cell.kind, c.kind) << c.cell.text;
    }
    EXPECT_EQ(XlsxCell::fromDecimal("-0.37").number, -0.37);
    // What XML cannot hold is written as the command line shows bytes.
    EXPECT_EQ(xlsxText("A\xFF\x07"), "A\xC3\xBF\\x07");
    EXPECT_EQ(xlsxText("\xEF\xBF\xBEx\xEF\xBF\xBF"), "\\xEF\\xBF\\xBEx\\xEF\\xBF\\xBF");
}

TEST(ReportXlsx, AWorkbookIsAZipOrAnError) {
    std::string bytes;
    std::string error;
    XlsxSheet sheet{"Files", {}, {"path"}, {{XlsxCell::fromText("a.asc")}}};
    ASSERT_TRUE(writeXlsx({sheet}, bytes, error)) << error;
    EXPECT_EQ(bytes.substr(0, 2), "PK");
    sheet.name = "no/slash";  // a name Excel refuses
    EXPECT_FALSE(writeXlsx({sheet}, bytes, error));
    EXPECT_FALSE(error.empty());
}

TEST(ReportExport, RecordFieldsInPlainUnitsWithoutRounding) {
    StabilityRecord r = hmtest::sampleRecord();
    r.isoDemandPressure = 255;
    r.month = 0;  // no date
    r.timeSinceStartup = 4000000000u;
    std::map<std::string, std::string> got;
    for (const RecordField& f : recordFields(r)) {
        got[f.key] = f.value;
    }
    const std::pair<const char*, const char*> expected[] = {
        {"stabilitySensorOutput", "-0.35"},
        {"odometer", "1234.56"},
        {"voltage", "24.40"},
        {"reservoirPressure", "8.00"},
        {"controlLinePressure", "1.90"},
        {"isoDemandPressure", ""},
        {"isoDemandPressureState", "not connected"},
        {"timeSinceStartup", "4000000000"},
        {"day", ""},
        {"month", ""},
        {"brakeApply", "true"},
        {"redLampSignal", "false"},
    };
    for (const auto& [key, value] : expected) {
        const auto field = got.find(key);
        ASSERT_NE(field, got.end()) << key;
        EXPECT_EQ(field->second, value) << key;
    }
}

struct ReportExportFixture : ::testing::Test {
    ReportExportFixture() {
        image.clear();
        std::strcpy(image.vehicleIdent, "=VIN,\"7\"");
        image.slpBrakeAppsByDistance[kEntry29] = 3;  // three completed intervals
        image.brakeAppsByDistance[2] = 41;           // ring slot of the newest interval
        image.brakeTimeByPressure[0] = 250;
        image.brakeCountByPressure[0] = 2;
        image.stabilityRecordCount = 40;  // a damaged count: only 32 slots exist
    }
    FleetDataImage image{};
};

TEST_F(ReportExportFixture, DistanceBarsCarryTheirRangeOnlyWhereThereIsData) {
    const ExportGraph g6 = exportGraph(image, 6);
    ASSERT_EQ(g6.bars.size(), 28u);
    EXPECT_FALSE(g6.bars[24].rangeKnown);
    EXPECT_EQ(g6.bars[24].label, "No Data");
    EXPECT_TRUE(g6.bars[27].rangeKnown);
    EXPECT_EQ(g6.bars[27].from, 1000.0);
    EXPECT_EQ(g6.bars[27].to, 1500.0);
    EXPECT_EQ(g6.bars[27].value, "41");
    EXPECT_EQ(g6.bars[27].secondValue, "0");
    const ExportGraph g1 = exportGraph(image, 1);
    EXPECT_EQ(g1.bars[0].value, "1.25");
    EXPECT_EQ(g1.bars[1].label, "0.5 - 1.0  Bar");
    EXPECT_EQ(exportGraph(image, 11).bars.size(), 0u);
}

TEST_F(ReportExportFixture, TableRowQuotesTheIdentAndCountsOnlyRealSlots) {
    const std::string row = fleetTableCsvRow("a,b.asc", image);
    EXPECT_EQ(row.substr(0, row.find(",,")), "\"a,b.asc\",\"'=VIN,\"\"7\"\"\"");
    EXPECT_EQ(row.substr(row.size() - 5), ",32\r\n");
    const std::string json = fleetTableJsonRow("x.asc", image);
    EXPECT_NE(json.find("\"vehicleIdent\": \"=VIN,\\\"7\\\"\""), std::string::npos);
    EXPECT_NE(json.find("\"savedAt\": null"), std::string::npos);
}

TEST_F(ReportExportFixture, ReportHasCoverFindingsTenGraphsOnePagePerStoredRecordAndSignOff) {
    image.stabilityRecordCount = 3;
    const std::vector<ReportPage> pages = reportPages(image);
    ASSERT_EQ(pages.size(), 16u);
    EXPECT_EQ(pages[0].kind, ReportPageKind::Cover);
    EXPECT_EQ(pages[1].kind, ReportPageKind::Findings);
    EXPECT_EQ(pages[11].kind, ReportPageKind::Graph);
    EXPECT_EQ(pages[11].number, 10);
    EXPECT_EQ(pages[14].kind, ReportPageKind::Record);
    EXPECT_EQ(pages[14].number, 2);
    EXPECT_EQ(pages[15].kind, ReportPageKind::SignOff);

    RecordingCanvas canvas;
    drawReportCover(canvas, ReportCover{image, "trip.asc", ""});
    drawReportFooter(canvas, 1, 16, 2970);
    for (const char* text : {"Fleet Data Report", "trip.asc", "Not known", "Not saved", "3",
                             "Distance driven", "1500 km", "1 of 16"}) {
        EXPECT_NE(canvas.findText(text), nullptr) << text;
    }
}

// The lowest point a recorded call reaches; a downward text runs its advance below its origin.
int lowestPoint(const RecordingCanvas& canvas) {
    int lowest = 0;
    for (const RecordedOp& op : canvas.ops()) {
        int bottom = op.rect.bottom;
        if (op.kind == RecordedOp::Kind::TextAt) {
            const int extent =
                op.font.escapement == 2700 ? 10 * static_cast<int>(op.text.size()) : op.font.height;
            bottom = op.y - extent;
        }
        lowest = std::min(lowest, bottom);
    }
    return lowest;
}

TEST_F(ReportExportFixture, FooterSitsAtTheFootBelowEverythingOnEveryPage) {
    image.stabilityRecordCount = 1;
    image.stabilityRecords[0] = hmtest::sampleRecord();
    // A workshop, details and more findings and change lines than a page holds.
    ReportContext crowded;
    crowded.workshop = {"Werkstatt", {"Street 1", "12345 Town", "Country"}, "+49 1", "logo.svg"};
    crowded.trailer = {"F-7", "AB-CD 12", "Carrier", std::string(900, 'n')};
    crowded.findings.assign(80, ReportFinding{true, "Attention", std::string(300, 'x')});
    crowded.hasPreviousVisit = true;
    crowded.changeLines.assign(60, "Driven: 100 km");
    std::vector<int> lowest;  // of every page of the report
    for (const ReportPage& page : reportPages(image)) {
        RecordingCanvas canvas;  // 10 units per character, as lowestPoint assumes
        if (page.kind == ReportPageKind::Cover) {
            drawReportCover(canvas, ReportCover{image, "trip.asc", "B337", &crowded});
        } else if (page.kind == ReportPageKind::Findings) {
            drawFindingsPage(canvas, crowded);
        } else if (page.kind == ReportPageKind::SignOff) {
            drawSignOffPage(canvas);
        } else {
            PageInputs in{image, {}, PageKind::Graph, 0, "trip.asc", 0};
            if (page.kind == ReportPageKind::Graph) {
                computeGraphDisplay(image, page.number, in.graph, in.shownIntervalCount);
            } else {
                in.printPageKind = PageKind::Stability;
                in.selectedRecord = page.number;
            }
            drawPage(canvas, in);
        }
        lowest.push_back(lowestPoint(canvas));
    }
    ASSERT_EQ(lowest.size(), 14u);
    EXPECT_EQ(*std::min_element(lowest.begin(), lowest.end()), kPageContentBottom);  // graph 6

    // A4 without margins, a printer's printable area, and one too short for page and footer.
    for (const int height : {2970, 2650, 1800}) {
        const PageRect footer = reportFooterRect(height);
        for (size_t i = 0; i < lowest.size(); ++i) {
            EXPECT_LT(footer.top, lowest[i]) << "page " << i + 1 << ", height " << height;
        }
        if (height > 2100) {  // room for both: at the foot, inside the page
            EXPECT_GE(footer.bottom, -height) << height;
            EXPECT_LE(footer.bottom, -height + 150) << height;
        }
        RecordingCanvas canvas;
        drawReportFooter(canvas, 3, 12, height);
        ASSERT_NE(canvas.findText("3 of 12"), nullptr);
        EXPECT_EQ(canvas.findText("3 of 12")->rect, footer);
    }
}

// The texts a page drew, in drawing order.
std::vector<std::string> textsOf(const RecordingCanvas& canvas) {
    std::vector<std::string> texts;
    for (const RecordedOp& op : canvas.ops()) {
        if (op.kind == RecordedOp::Kind::TextInRect) {
            texts.push_back(op.text);
        }
    }
    return texts;
}

bool hasTextStartingWith(const RecordingCanvas& canvas, const std::string& start) {
    const std::vector<std::string> texts = textsOf(canvas);
    return std::any_of(texts.begin(), texts.end(),
                       [&](const std::string& t) { return t.rfind(start, 0) == 0; });
}

TEST_F(ReportExportFixture, CoverShowsTheWorkshopAndTheTrailerOnlyWhenSet) {
    // Without a context, and with an empty one, the cover holds the file's lines alone.
    const ReportContext empty;
    std::vector<std::string> plain;
    for (const CoverLine& line : coverLines(ReportCover{image, "trip.asc", ""})) {
        plain.push_back(line.label + "=" + line.value);
    }
    std::vector<std::string> withEmpty;
    for (const CoverLine& line : coverLines(ReportCover{image, "trip.asc", "", &empty})) {
        withEmpty.push_back(line.label + "=" + line.value);
    }
    EXPECT_EQ(plain, withEmpty);
    EXPECT_FALSE(coverLogoRect(ReportCover{image, "trip.asc", "", &empty}));
    RecordingCanvas bare;
    drawReportHeaderLine(bare, "");
    EXPECT_TRUE(bare.ops().empty());

    // Set: the details (controls shown as \xNN, never raw), the visit, the workshop and logo.
    ReportContext context;
    context.workshop = {"Nordwerk GmbH", {"Hafenstr. 3", "20457 Hamburg"}, "+49 40 1234", "l.svg"};
    context.trailer = {"F-17", "HH-AB 123", "Spedition\x1b[2J Meyer", "Left axle noisy"};
    context.visitDate = "2026-12-09 14:35";
    std::map<std::string, CoverLine> lines;
    for (const CoverLine& line : coverLines(ReportCover{image, "trip.asc", "", &context})) {
        lines[line.label] = line;
    }
    EXPECT_EQ(lines["Customer"].value, "Spedition\\x1B[2J Meyer");
    EXPECT_EQ(lines["Plate"].value, "HH-AB 123");
    EXPECT_EQ(lines["Fleet Number"].value, "F-17");
    EXPECT_EQ(lines["Visit Date"].value, "2026-12-09 14:35");
    EXPECT_TRUE(lines["Notes"].wrap);
    RecordingCanvas cover;
    drawReportCover(cover, ReportCover{image, "trip.asc", "", &context});
    for (const char* text :
         {"Nordwerk GmbH", "Hafenstr. 3", "20457 Hamburg", "Phone +49 40 1234"}) {
        const RecordedOp* op = cover.findText(text);
        ASSERT_NE(op, nullptr) << text;
        EXPECT_GE(op->rect.left, coverLogoRect(ReportCover{image, "", "", &context})->right)
            << text;
    }
    RecordingCanvas header;
    drawReportHeaderLine(header, context.workshop.name);
    ASSERT_NE(header.findText("Nordwerk GmbH"), nullptr);
    EXPECT_EQ(header.findText("Nordwerk GmbH")->rect, reportHeaderLineRect());
    EXPECT_GT(reportHeaderLineRect().bottom, pageBoxes()[0].rect.top);  // above the page header
}

TEST_F(ReportExportFixture, FindingsPageSaysWhatTheLibraryKnowsAndCountsWhatDoesNotFit) {
    const auto page = [](const ReportContext& context) {
        RecordingCanvas canvas;
        drawFindingsPage(canvas, context);
        return canvas;
    };
    ReportContext context;
    EXPECT_NE(page(context).findText("No findings."), nullptr);
    EXPECT_TRUE(hasTextStartingWith(page(context), "The library holds no visit of this trailer"));
    context.libraryKnowsTrailer = true;
    EXPECT_NE(page(context).findText("The library holds no earlier visit of this trailer."),
              nullptr);

    context.hasPreviousVisit = true;
    context.previousVisit = "2026-06-01 09:00";
    context.changeLines = {"Driven: 4200 km", "ABS events: 3"};
    context.findings = {{true, "Attention", "Driven overloaded for 380 km"},
                        {false, "Info", "2 new stability records"}};
    const RecordingCanvas shown = page(context);
    for (const char* text :
         {"Change Since the Previous Visit (2026-06-01 09:00)", "Attention",
          "Driven overloaded for 380 km", "Info", "Driven: 4200 km", "ABS events: 3"}) {
        EXPECT_NE(shown.findText(text), nullptr) << text;
    }
    EXPECT_EQ(shown.findText("No findings."), nullptr);

    // More findings than the page holds: those shown and the count of the rest make them all.
    context.findings.assign(60, ReportFinding{false, "Info", "A finding of one line"});
    const std::vector<std::string> texts = textsOf(page(context));
    const auto drawn = std::count(texts.begin(), texts.end(), "A finding of one line");
    const std::string rest = "And " + std::to_string(60 - drawn) + " more findings";
    EXPECT_GT(drawn, 10);
    EXPECT_TRUE(hasTextStartingWith(page(context), rest)) << rest;
    EXPECT_NE(page(context).findText("ABS events: 3"), nullptr);  // the change keeps its room
}

TEST_F(ReportExportFixture, CoverAndPageHeadersShowTheSameSavedTime) {
    const struct {
        uint16_t t[8];
        const char* shown;
    } cases[] = {
        {{0, 0, 0, 0, 0, 0, 0, 0}, "Not saved"},  // a download, never saved
        {{2026, 11, 2, 24, 14, 35, 12, 0}, "24//11//2026 - 14:35"},
        {{2026, 13, 0, 1, 0, 0, 0, 0}, "01//13//2026 - 00:00"},  // damaged, shown as it is
    };
    for (const auto& c : cases) {
        std::copy(std::begin(c.t), std::end(c.t), std::begin(image.savedAt));
        std::string onCover;
        for (const CoverLine& line : coverLines(ReportCover{image, "trip.asc", ""})) {
            onCover = line.label == "ECU Data Saved At:" ? line.value : onCover;
        }
        RecordingCanvas header;
        drawPage(header, PageInputs{image, {}, PageKind::Graph, 0, "trip.asc", 0});
        const RecordedOp* cell = header.findText(c.shown);
        ASSERT_NE(cell, nullptr) << c.shown;
        EXPECT_EQ(cell->rect, pageBoxes()[10].rect) << c.shown;  // the "saved at" value box
        EXPECT_EQ(onCover, c.shown);
    }
}

TEST_F(ReportExportFixture, CoverShowsIdentificationAndFileNameAsThePageHeadersDo) {
    std::memcpy(image.vehicleIdent, "A\x1B[2J\xFF", 7);
    const std::string fileName = "caf\xE9\x07.asc";
    std::map<std::string, std::string> cover;
    for (const CoverLine& line : coverLines(ReportCover{image, fileName, ""})) {
        cover[line.label] = line.value;
    }
    EXPECT_EQ(cover["Vehicle Ident Number"], "A\\x1B[2J\\xFF");
    EXPECT_EQ(cover["Filename"], "caf\\xE9\\x07.asc");
    RecordingCanvas header;
    drawPage(header, PageInputs{image, {}, PageKind::Graph, 0, fileName, 0});
    for (const auto& [label, value] : cover) {
        if (label == "Vehicle Ident Number" || label == "Filename") {
            EXPECT_NE(header.findText(value), nullptr) << value;
        }
    }
}

}  // namespace
}  // namespace hm
