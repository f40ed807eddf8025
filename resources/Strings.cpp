#include "resources/Strings.h"

#include <algorithm>
#include <atomic>
#include <iterator>
#include <string>
#include <vector>

// Marks a text of the table for Qt's lupdate, which reads the tokens of this file; the layer
// itself stays free of Qt, so the macro only yields the English text. The context is one for the
// whole table and the disambiguation is the string id, so that two ids with the same English
// text may be translated differently.
#define QT_TRANSLATE_NOOP3(context, text, id) text

namespace hm {
namespace {

struct Entry {
    int id;
    const char* text;
};

// The numbered string table, sorted by id.
constexpr Entry kStrings[] = {
    {101, QT_TRANSLATE_NOOP3("hm::str", "&About Haulmetry...", "101")},
    {202, QT_TRANSLATE_NOOP3("hm::str", " ", "202")},
    {203, QT_TRANSLATE_NOOP3("hm::str", "1.  Average Braking Time v Peak Demand Pressure", "203")},
    {204, QT_TRANSLATE_NOOP3("hm::str", "2.  Number of Brake Applications v Peak Demand Pressure",
                             "204")},
    {205, QT_TRANSLATE_NOOP3("hm::str", "3.  Total Braking Time v Peak Demand Pressure", "205")},
    {206, QT_TRANSLATE_NOOP3("hm::str", "4.  Average Pressure v Braking Start Speed", "206")},
    {207, QT_TRANSLATE_NOOP3("hm::str", "5.  Number of of Brake Applications v Braking Start Speed",
                             "207")},
    {208, QT_TRANSLATE_NOOP3("hm::str", "6.  Brake Applications v Distance", "208")},
    {209, QT_TRANSLATE_NOOP3("hm::str", "7.  ABS Events v Distance", "209")},
    {210, QT_TRANSLATE_NOOP3("hm::str", "8.  Rollover Events v Distance", "210")},
    {211, QT_TRANSLATE_NOOP3("hm::str", "9.  Distance v Percentage Load", "211")},
    {212, QT_TRANSLATE_NOOP3("hm::str", "10. Distance v Reservoir Pressure", "212")},
    {213, QT_TRANSLATE_NOOP3("hm::str", "Stability Snapshot", "213")},
    {214, QT_TRANSLATE_NOOP3("hm::str", " ", "214")},
    {215, QT_TRANSLATE_NOOP3(
              "hm::str",
              " 0         '          1         '          2          '         3         '         "
              " 4       "
              "   '          5         '          6         '          7          '          8",
              "215")},
    {216, QT_TRANSLATE_NOOP3("hm::str",
                             " 0        10       20       30       40       50       60       70   "
                             "    80       90      "
                             "100     110     120     130     140     150",
                             "216")},
    {217, QT_TRANSLATE_NOOP3(
              "hm::str",
              "3         '          4         '          5          '         6         '          "
              "7        "
              "  '          8         '          9         '          10         '         11",
              "217")},
    {218, QT_TRANSLATE_NOOP3("hm::str", " ", "218")},
    {219, QT_TRANSLATE_NOOP3("hm::str", "(Bar)", "219")},
    {220, QT_TRANSLATE_NOOP3("hm::str", "(Kph)", "220")},
    {221, QT_TRANSLATE_NOOP3("hm::str", "(Each Bar represents 500 km)", "221")},
    {222, QT_TRANSLATE_NOOP3("hm::str", "(Percentage Load (100% = Fully Laden) )", "222")},
    {223, QT_TRANSLATE_NOOP3("hm::str", " ", "223")},
    {224, QT_TRANSLATE_NOOP3("hm::str", "(Bar)", "224")},
    {225, QT_TRANSLATE_NOOP3("hm::str", "(Sec)", "225")},
    {226, QT_TRANSLATE_NOOP3("hm::str", "(No.)", "226")},
    {227, QT_TRANSLATE_NOOP3("hm::str", "(km)", "227")},
    {228, QT_TRANSLATE_NOOP3("hm::str", "Save   ?", "228")},
    {229, QT_TRANSLATE_NOOP3("hm::str", " Haulmetry", "229")},
    {230, QT_TRANSLATE_NOOP3("hm::str", "Select Data to Erase From ECU", "230")},
    {231, QT_TRANSLATE_NOOP3("hm::str", "Extended Fleet Information", "231")},
    {232, QT_TRANSLATE_NOOP3("hm::str", "Stability Snapshot Information", "232")},
    {236, QT_TRANSLATE_NOOP3("hm::str", "Load Haulmetry Data From File", "236")},
    {237, QT_TRANSLATE_NOOP3("hm::str", "Save ECU Extended Fleet Data To File", "237")},
    {238, QT_TRANSLATE_NOOP3("hm::str", "Write To ECU", "238")},
    {239, QT_TRANSLATE_NOOP3("hm::str", "Close the Program", "239")},
    {240, QT_TRANSLATE_NOOP3("hm::str", "Cancel without Updating ECU", "240")},
    {241, QT_TRANSLATE_NOOP3("hm::str", "Proceed with Write Operation", "241")},
    {242, QT_TRANSLATE_NOOP3("hm::str", "Reload Data From ECU", "242")},
    {243, QT_TRANSLATE_NOOP3("hm::str", "View Next Graph", "243")},
    {244, QT_TRANSLATE_NOOP3("hm::str", "View Previous Graph", "244")},
    {245, QT_TRANSLATE_NOOP3("hm::str", "Select Info To Clear", "245")},
    {246, QT_TRANSLATE_NOOP3("hm::str", "Write Current Extended Fleet Values To ECU", "246")},
    {247, QT_TRANSLATE_NOOP3("hm::str", "ECU Does Not Support Haulmetry", "247")},
    {248, QT_TRANSLATE_NOOP3("hm::str", " [ No Data Loaded ]", "248")},
    {249, QT_TRANSLATE_NOOP3("hm::str", " [ ECU Data ]", "249")},
    {250, QT_TRANSLATE_NOOP3("hm::str", "Information about this Graph", "250")},
    {252, QT_TRANSLATE_NOOP3("hm::str", "Preview/Print this Graph", "252")},
    {260, QT_TRANSLATE_NOOP3("hm::str", "Filename", "260")},
    {261, QT_TRANSLATE_NOOP3("hm::str", "Vehicle Ident Number", "261")},
    {262, QT_TRANSLATE_NOOP3("hm::str", "ECU Data Saved At:", "262")},
    {265,
     QT_TRANSLATE_NOOP3(
         "hm::str",
         "The duration of each brake application is recorded against the peak demand pressure. The "
         "data shows a graph of average time for a brake application in each of the 0.5 Bar "
         "pressure "
         "intervals, from 0 to 8 Bar.",
         "265")},
    {266, QT_TRANSLATE_NOOP3("hm::str",
                             "For each brake application, the peak demand pressure during the "
                             "application is recorded. The "
                             "data shows a graph of the number of brake applications for 0.5 Bar "
                             "pressure intervals, from "
                             "0 to 8 Bar.",
                             "266")},
    {267,
     QT_TRANSLATE_NOOP3(
         "hm::str",
         "The duration of each brake application is measured and used to update the total braking "
         "time "
         "for the peak demand pressure in the brake application. The data shows a graph of the "
         "cumulative braking time for the 0.5 Bar pressure intervals, from 0 to 8 Bar.",
         "267")},
    {268,
     QT_TRANSLATE_NOOP3(
         "hm::str",
         "The peak demand pressure is monitored during each brake application and is then recorded "
         "against the speed measured at the start of the brake application.  The data shows a "
         "graph of "
         "average pressure for a brake application grouped into 10 kph intervals, from 0 to 160 "
         "kph.",
         "268")},
    {269, QT_TRANSLATE_NOOP3("hm::str",
                             "For each brake application, the speed at the start of the brake "
                             "application is recorded. The "
                             "data shows a graph of the number of brake applications grouped into "
                             "10 kph intervals, from 0 "
                             "to 160 kph.",
                             "269")},
    {270,
     QT_TRANSLATE_NOOP3(
         "hm::str",
         "The data shows the total number of brake applications that occurred in groups of 500km "
         "interval, and the number of those which occurred when the trailer was powered only by "
         "the "
         "24N supply. (Total Graph Range is 14000 km).",
         "270")},
    {271,
     QT_TRANSLATE_NOOP3(
         "hm::str",
         "The data shows the total number of ABS events that have occurred, grouped into 500km "
         "intervals. (Total Graph Range is 14000 km).",
         "271")},
    {272,
     QT_TRANSLATE_NOOP3(
         "hm::str",
         "The data shows the total number of Rollover events that occurred, grouped into 500km "
         "intervals. (Total Graph Range is 14000 km).",
         "272")},
    {273,
     QT_TRANSLATE_NOOP3(
         "hm::str",
         "The data shows the how the vehicle load has changed with distance. At the end of each Km "
         "travelled, the suspension pressure is recorded as a percentage (0% = Unladen, 100% = "
         "Fully "
         "Laden). In this way a 'Load Profile' is built up.",
         "273")},
    {274, QT_TRANSLATE_NOOP3("hm::str",
                             "The data shows the how the reservoir pressure has changed with "
                             "distance. At the end of each "
                             "Km travelled, the reservoir pressure in 0.5 Bar steps is recorded.",
                             "274")},
    {275, QT_TRANSLATE_NOOP3("hm::str",
                             "The stability snapshot records the output of the stability sensor "
                             "together with the system "
                             "parameters and signal states at the moment the ECU detected a "
                             "stability event. The ECU keeps "
                             "up to 32 snapshots.",
                             "275")},
    {277, QT_TRANSLATE_NOOP3("hm::str", " Print Preview", "277")},
    {278, QT_TRANSLATE_NOOP3("hm::str", "Trying To Connect...", "278")},
    {279, QT_TRANSLATE_NOOP3("hm::str", "Display Information", "279")},
    {281, QT_TRANSLATE_NOOP3("hm::str", "Stability Snaphot", "281")},
    {282, QT_TRANSLATE_NOOP3("hm::str", "Date", "282")},
    {283, QT_TRANSLATE_NOOP3("hm::str", "Stability Sensor Output", "283")},
    {284, QT_TRANSLATE_NOOP3("hm::str", "Time Since Startup (HH:MM:SS)", "284")},
    {285, QT_TRANSLATE_NOOP3("hm::str", "SYSTEM PARAMETERS", "285")},
    {286, QT_TRANSLATE_NOOP3("hm::str", "Odometer", "286")},
    {287, QT_TRANSLATE_NOOP3("hm::str", "Voltage", "287")},
    {288, QT_TRANSLATE_NOOP3("hm::str", "Reservoir Pressure", "288")},
    {289, QT_TRANSLATE_NOOP3("hm::str", "Suspension Pressure", "289")},
    {290, QT_TRANSLATE_NOOP3("hm::str", "ISO Demand Pressure", "290")},
    {291, QT_TRANSLATE_NOOP3("hm::str", "Control Line Pressure", "291")},
    {292, QT_TRANSLATE_NOOP3("hm::str", "Vehicle Speed", "292")},
    {293, QT_TRANSLATE_NOOP3("hm::str", "SYSTEM SETTINGS", "293")},
    {294, QT_TRANSLATE_NOOP3("hm::str", "Red Lamp Signal", "294")},
    {295, QT_TRANSLATE_NOOP3("hm::str", "Cab Lamp Signal", "295")},
    {296, QT_TRANSLATE_NOOP3("hm::str", "Service Lamp Signal", "296")},
    {297, QT_TRANSLATE_NOOP3("hm::str", "Stop Light Power", "297")},
    {298, QT_TRANSLATE_NOOP3("hm::str", "Brake Apply", "298")},
    {299, QT_TRANSLATE_NOOP3("hm::str", "View and Print Stability Data", "299")},
    {303, QT_TRANSLATE_NOOP3("hm::str", "No Interim Data for this graph", "303")},
    {305, QT_TRANSLATE_NOOP3("hm::str", "Number of 500km intervals", "305")},
    {307, QT_TRANSLATE_NOOP3("hm::str", "Km(s) in current interval (0..500)", "307")},
    {308, QT_TRANSLATE_NOOP3("hm::str", "Brake Apps in current interval", "308")},
    {309, QT_TRANSLATE_NOOP3("hm::str", "SLP Brake Apps in current interval", "309")},
    {311, QT_TRANSLATE_NOOP3("hm::str", "ABS Events in current interval", "311")},
    {313, QT_TRANSLATE_NOOP3("hm::str", "Rollover Events in current interval", "313")},
    {314, QT_TRANSLATE_NOOP3("hm::str", "Working Offline", "314")},
    {315, QT_TRANSLATE_NOOP3("hm::str", "!! Application Already Running !!", "315")},
    {316, QT_TRANSLATE_NOOP3("hm::str", "Failed To Connect To ECU - Retry ?", "316")},
    {317, QT_TRANSLATE_NOOP3("hm::str", "Load from Dir - ", "317")},
    {318, QT_TRANSLATE_NOOP3("hm::str", "Save To Dir - ", "318")},
    {319, QT_TRANSLATE_NOOP3("hm::str", "Stability Data Only", "319")},
    {320, QT_TRANSLATE_NOOP3("hm::str", " [ ***  File Error  *** ]", "320")},
    {321, QT_TRANSLATE_NOOP3("hm::str", " [ File: ", "321")},
    {322, QT_TRANSLATE_NOOP3("hm::str", "Not Connected", "322")},
    {323, QT_TRANSLATE_NOOP3("hm::str", "Error", "323")},
    {324, QT_TRANSLATE_NOOP3("hm::str", "No Data", "324")},
    {1127, QT_TRANSLATE_NOOP3("hm::str", "Jan", "1127")},
    {1128, QT_TRANSLATE_NOOP3("hm::str", "Feb", "1128")},
    {1129, QT_TRANSLATE_NOOP3("hm::str", "Mar", "1129")},
    {1130, QT_TRANSLATE_NOOP3("hm::str", "Apr", "1130")},
    {1131, QT_TRANSLATE_NOOP3("hm::str", "May", "1131")},
    {1132, QT_TRANSLATE_NOOP3("hm::str", "Jun", "1132")},
    {1133, QT_TRANSLATE_NOOP3("hm::str", "Jul", "1133")},
    {1134, QT_TRANSLATE_NOOP3("hm::str", "Aug", "1134")},
    {1135, QT_TRANSLATE_NOOP3("hm::str", "Sep", "1135")},
    {1136, QT_TRANSLATE_NOOP3("hm::str", "Oct", "1136")},
    {1137, QT_TRANSLATE_NOOP3("hm::str", "Nov", "1137")},
    {1138, QT_TRANSLATE_NOOP3("hm::str", "Dec", "1138")},
    {1200, QT_TRANSLATE_NOOP3("hm::str", "Connection: %1", "1200")},
    {1201, QT_TRANSLATE_NOOP3("hm::str", "searching, a port is being tried", "1201")},
    {1202, QT_TRANSLATE_NOOP3("hm::str", "connected to the ECU", "1202")},
    {1203, QT_TRANSLATE_NOOP3("hm::str", "not connected", "1203")},
    {1204, QT_TRANSLATE_NOOP3("hm::str", "%1 (%2)", "1204")},
    {1210, QT_TRANSLATE_NOOP3("hm::str", "Load data file", "1210")},
    {1211, QT_TRANSLATE_NOOP3("hm::str", "Save data file", "1211")},
    {1212, QT_TRANSLATE_NOOP3("hm::str", "Erase or write ECU data", "1212")},
    {1213, QT_TRANSLATE_NOOP3("hm::str", "Reload from ECU", "1213")},
    {1214, QT_TRANSLATE_NOOP3("hm::str", "Stability snapshots", "1214")},
    {1215, QT_TRANSLATE_NOOP3("hm::str", "Graph information", "1215")},
    {1216, QT_TRANSLATE_NOOP3("hm::str", "Print preview", "1216")},
    {1217, QT_TRANSLATE_NOOP3("hm::str", "Close", "1217")},
    {1218, QT_TRANSLATE_NOOP3("hm::str", "Next graph", "1218")},
    {1219, QT_TRANSLATE_NOOP3("hm::str", "Previous graph", "1219")},
    {1220, QT_TRANSLATE_NOOP3("hm::str", "Download progress", "1220")},
    {1221, QT_TRANSLATE_NOOP3("hm::str", "Chart", "1221")},
    {1222, QT_TRANSLATE_NOOP3("hm::str", "Chart: %1", "1222")},
    {1223,
     QT_TRANSLATE_NOOP3("hm::str", "One entry per bar, with the bar's range and value", "1223")},
    {1224, QT_TRANSLATE_NOOP3("hm::str", "%1: %2", "1224")},
    {1225, QT_TRANSLATE_NOOP3("hm::str", "Bar %1 of %2", "1225")},
    {1226, QT_TRANSLATE_NOOP3("hm::str", "Graph title", "1226")},
    {1227, QT_TRANSLATE_NOOP3("hm::str", "Top of the vertical scale", "1227")},
    {1228, QT_TRANSLATE_NOOP3("hm::str", "Vertical unit", "1228")},
    {1229, QT_TRANSLATE_NOOP3("hm::str", "Bottom of the vertical scale", "1229")},
    {1230, QT_TRANSLATE_NOOP3("hm::str", "Distance at the left end", "1230")},
    {1231, QT_TRANSLATE_NOOP3("hm::str", "Distance at the right end", "1231")},
    {1232, QT_TRANSLATE_NOOP3("hm::str", "Horizontal unit", "1232")},
    {1233, QT_TRANSLATE_NOOP3("hm::str", "Horizontal scale", "1233")},
    {1234, QT_TRANSLATE_NOOP3("hm::str", "ECU type", "1234")},
    {1235, QT_TRANSLATE_NOOP3("hm::str", "Printed page", "1235")},
    {1236, QT_TRANSLATE_NOOP3(
               "hm::str",
               "The page as it will be printed: Ctrl+P prints it, Ctrl++ and Ctrl+- zoom", "1236")},
    {1237, QT_TRANSLATE_NOOP3("hm::str", "Zoom", "1237")},
    {1238, QT_TRANSLATE_NOOP3("hm::str", "Frames sent and received", "1238")},
    {1240, QT_TRANSLATE_NOOP3("hm::str", "OK", "1240")},
    {1241, QT_TRANSLATE_NOOP3("hm::str", "Cancel", "1241")},
    {1242, QT_TRANSLATE_NOOP3("hm::str", "Data to erase", "1242")},
    {1243, QT_TRANSLATE_NOOP3("hm::str", "Explanation", "1243")},
    {1244, QT_TRANSLATE_NOOP3("hm::str", "Snapshot %1", "1244")},
    {1245, QT_TRANSLATE_NOOP3("hm::str", "Stability sensor output of snapshot %1", "1245")},
};

// Texts of the installed language, one per table entry in table order. Replaced as a whole and
// never freed (a language is installed once or twice per run), so a reader on another thread
// always sees one complete table.
std::atomic<const std::vector<std::string>*> g_translated{nullptr};
std::atomic<TextTranslator> g_textTranslator{nullptr};

const Entry* findEntry(int id) {
    const auto* end = std::end(kStrings);
    const auto* it = std::lower_bound(std::begin(kStrings), end, id,
                                      [](const Entry& e, int key) { return e.id < key; });
    return it == end || it->id != id ? nullptr : it;
}

}  // namespace

std::string_view str(int id) {
    const Entry* entry = findEntry(id);
    if (entry == nullptr) {
        return {};
    }
    if (const auto* table = g_translated.load(std::memory_order_acquire)) {
        return (*table)[static_cast<size_t>(entry - std::begin(kStrings))];
    }
    return entry->text;
}

std::string_view englishStr(int id) {
    const Entry* entry = findEntry(id);
    return entry == nullptr ? std::string_view{} : entry->text;
}

void setTextTranslator(TextTranslator translator) {
    g_textTranslator.store(translator, std::memory_order_release);
    if (translator == nullptr) {
        g_translated.store(nullptr, std::memory_order_release);
        return;
    }
    auto* table = new std::vector<std::string>();
    table->reserve(std::size(kStrings));
    for (const Entry& e : kStrings) {
        std::string text = translator(kStringContext, std::to_string(e.id).c_str(), e.text);
        table->push_back(text.empty() ? std::string(e.text) : std::move(text));
    }
    g_translated.store(table, std::memory_order_release);
}

TextTranslator textTranslator() {
    return g_textTranslator.load(std::memory_order_acquire);
}

std::string translate(const char* context, const char* english) {
    const TextTranslator translator = g_textTranslator.load(std::memory_order_acquire);
    if (translator == nullptr) {
        return english;
    }
    std::string text = translator(context, nullptr, english);
    return text.empty() ? std::string(english) : text;
}

std::string fillPlaceholders(std::string_view pattern, const std::vector<std::string>& args) {
    std::string out;
    for (size_t i = 0; i < pattern.size(); ++i) {
        const bool digit = i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9';
        const size_t n = digit ? static_cast<size_t>(pattern[i + 1] - '1') : args.size();
        if (pattern[i] == '%' && n < args.size()) {
            out += args[n];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

std::vector<int> stringIds() {
    std::vector<int> ids;
    ids.reserve(std::size(kStrings));
    for (const Entry& e : kStrings) {
        ids.push_back(e.id);
    }
    return ids;
}

std::string strCopy(int id) {
    return std::string(str(id));
}

}  // namespace hm
