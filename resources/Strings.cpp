#include "resources/Strings.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace hm {
namespace {

struct Entry {
    int id;
    const char* text;
};

// The numbered string table, sorted by id.
constexpr Entry kStrings[] = {
    {101, "&About Haulmetry..."},
    {202, " "},
    {203, "1.  Average Braking Time v Peak Demand Pressure"},
    {204, "2.  Number of Brake Applications v Peak Demand Pressure"},
    {205, "3.  Total Braking Time v Peak Demand Pressure"},
    {206, "4.  Average Pressure v Braking Start Speed"},
    {207, "5.  Number of of Brake Applications v Braking Start Speed"},
    {208, "6.  Brake Applications v Distance"},
    {209, "7.  ABS Events v Distance"},
    {210, "8.  Rollover Events v Distance"},
    {211, "9.  Distance v Percentage Load"},
    {212, "10. Distance v Reservoir Pressure"},
    {213, "Stability Snapshot"},
    {214, " "},
    {215,
     " 0         '          1         '          2          '         3         '          4       "
     "   '          5         '          6         '          7          '          8"},
    {216,
     " 0        10       20       30       40       50       60       70       80       90      "
     "100     110     120     130     140     150"},
    {217,
     "3         '          4         '          5          '         6         '          7        "
     "  '          8         '          9         '          10         '         11"},
    {218, " "},
    {219, "(Bar)"},
    {220, "(Kph)"},
    {221, "(Each Bar represents 500 km)"},
    {222, "(Percentage Load (100% = Fully Laden) )"},
    {223, " "},
    {224, "(Bar)"},
    {225, "(Sec)"},
    {226, "(No.)"},
    {227, "(km)"},
    {228, "Save   ?"},
    {229, " Haulmetry"},
    {230, "Select Data to Erase From ECU"},
    {231, "Extended Fleet Information"},
    {232, "Stability Snapshot Information"},
    {236, "Load Haulmetry Data From File"},
    {237, "Save ECU Extended Fleet Data To File"},
    {238, "Write To ECU"},
    {239, "Close the Program"},
    {240, "Cancel without Updating ECU"},
    {241, "Proceed with Write Operation"},
    {242, "Reload Data From ECU"},
    {243, "View Next Graph"},
    {244, "View Previous Graph"},
    {245, "Select Info To Clear"},
    {246, "Write Current Extended Fleet Values To ECU"},
    {247, "ECU Does Not Support Haulmetry"},
    {248, " [ No Data Loaded ]"},
    {249, " [ ECU Data ]"},
    {250, "Information about this Graph"},
    {252, "Preview/Print this Graph"},
    {260, "Filename"},
    {261, "Vehicle Ident Number"},
    {262, "ECU Data Saved At:"},
    {265,
     "The duration of each brake application is recorded against the peak demand pressure. The "
     "data shows a graph of average time for a brake application in each of the 0.5 Bar pressure "
     "intervals, from 0 to 8 Bar."},
    {266,
     "For each brake application, the peak demand pressure during the application is recorded. The "
     "data shows a graph of the number of brake applications for 0.5 Bar pressure intervals, from "
     "0 to 8 Bar."},
    {267,
     "The duration of each brake application is measured and used to update the total braking time "
     "for the peak demand pressure in the brake application. The data shows a graph of the "
     "cumulative braking time for the 0.5 Bar pressure intervals, from 0 to 8 Bar."},
    {268,
     "The peak demand pressure is monitored during each brake application and is then recorded "
     "against the speed measured at the start of the brake application.  The data shows a graph of "
     "average pressure for a brake application grouped into 10 kph intervals, from 0 to 160 kph."},
    {269,
     "For each brake application, the speed at the start of the brake application is recorded. The "
     "data shows a graph of the number of brake applications grouped into 10 kph intervals, from 0 "
     "to 160 kph."},
    {270,
     "The data shows the total number of brake applications that occurred in groups of 500km "
     "interval, and the number of those which occurred when the trailer was powered only by the "
     "24N supply. (Total Graph Range is 14000 km)."},
    {271,
     "The data shows the total number of ABS events that have occurred, grouped into 500km "
     "intervals. (Total Graph Range is 14000 km)."},
    {272,
     "The data shows the total number of Rollover events that occurred, grouped into 500km "
     "intervals. (Total Graph Range is 14000 km)."},
    {273,
     "The data shows the how the vehicle load has changed with distance. At the end of each Km "
     "travelled, the suspension pressure is recorded as a percentage (0% = Unladen, 100% = Fully "
     "Laden). In this way a 'Load Profile' is built up."},
    {274,
     "The data shows the how the reservoir pressure has changed with distance. At the end of each "
     "Km travelled, the reservoir pressure in 0.5 Bar steps is recorded."},
    {275,
     "The stability snapshot records the output of the stability sensor together with the system "
     "parameters and signal states at the moment the ECU detected a stability event. The ECU keeps "
     "up to 32 snapshots."},
    {277, " Print Preview"},
    {278, "Trying To Connect..."},
    {279, "Display Information"},
    {281, "Stability Snaphot"},
    {282, "Date"},
    {283, "Stability Sensor Output"},
    {284, "Time Since Startup (HH:MM:SS)"},
    {285, "SYSTEM PARAMETERS"},
    {286, "Odometer"},
    {287, "Voltage"},
    {288, "Reservoir Pressure"},
    {289, "Suspension Pressure"},
    {290, "ISO Demand Pressure"},
    {291, "Control Line Pressure"},
    {292, "Vehicle Speed"},
    {293, "SYSTEM SETTINGS"},
    {294, "Red Lamp Signal"},
    {295, "Cab Lamp Signal"},
    {296, "Service Lamp Signal"},
    {297, "Stop Light Power"},
    {298, "Brake Apply"},
    {299, "View and Print Stability Data"},
    {303, "No Interim Data for this graph"},
    {305, "Number of 500km intervals"},
    {307, "Km(s) in current interval (0..500)"},
    {308, "Brake Apps in current interval"},
    {309, "SLP Brake Apps in current interval"},
    {311, "ABS Events in current interval"},
    {313, "Rollover Events in current interval"},
    {314, "Working Offline"},
    {315, "!! Application Already Running !!"},
    {316, "Failed To Connect To ECU - Retry ?"},
    {317, "Load from Dir - "},
    {318, "Save To Dir - "},
    {319, "Stability Data Only"},
    {320, " [ ***  File Error  *** ]"},
    {321, " [ File: "},
    {322, "Not Connected"},
    {323, "Error"},
    {324, "No Data"},
    {1127, "Jan"},
    {1128, "Feb"},
    {1129, "Mar"},
    {1130, "Apr"},
    {1131, "May"},
    {1132, "Jun"},
    {1133, "Jul"},
    {1134, "Aug"},
    {1135, "Sep"},
    {1136, "Oct"},
    {1137, "Nov"},
    {1138, "Dec"},
    {1200, "Connection: %1"},
    {1201, "searching, a port is being tried"},
    {1202, "connected to the ECU"},
    {1203, "not connected"},
    {1204, "%1 (%2)"},
    {1210, "Load data file"},
    {1211, "Save data file"},
    {1212, "Erase or write ECU data"},
    {1213, "Reload from ECU"},
    {1214, "Stability snapshots"},
    {1215, "Graph information"},
    {1216, "Print preview"},
    {1217, "Close"},
    {1218, "Next graph"},
    {1219, "Previous graph"},
    {1220, "Download progress"},
    {1221, "Chart"},
    {1222, "Chart: %1"},
    {1223, "One entry per bar, with the bar's range and value"},
    {1224, "%1: %2"},
    {1225, "Bar %1 of %2"},
    {1226, "Graph title"},
    {1227, "Top of the vertical scale"},
    {1228, "Vertical unit"},
    {1229, "Bottom of the vertical scale"},
    {1230, "Distance at the left end"},
    {1231, "Distance at the right end"},
    {1232, "Horizontal unit"},
    {1233, "Horizontal scale"},
    {1234, "ECU type"},
    {1235, "Printed page"},
    {1236, "The page as it will be printed: Ctrl+P prints it, Ctrl++ and Ctrl+- zoom"},
    {1237, "Zoom"},
    {1238, "Frames sent and received"},
    {1240, "OK"},
    {1241, "Cancel"},
    {1242, "Data to erase"},
    {1243, "Explanation"},
    {1244, "Snapshot %1"},
    {1245, "Stability sensor output of snapshot %1"},
};

}  // namespace

std::string_view str(int id) {
    const auto* end = std::end(kStrings);
    const auto* it = std::lower_bound(std::begin(kStrings), end, id,
                                      [](const Entry& e, int key) { return e.id < key; });
    if (it == end || it->id != id) {
        return {};
    }
    return it->text;
}

std::string strCopy(int id) {
    return std::string(str(id));
}

}  // namespace hm
