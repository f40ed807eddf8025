#pragma once
// The numbered string table: every user-visible text of the program by its number.
#include <string>
#include <string_view>
#include <vector>

namespace hm {

// Text of string `id` in the installed language (English until one is installed); empty for an
// id that is not in the table. Thread-safe; a view stays valid for the whole run.
std::string_view str(int id);
std::string strCopy(int id);
// The English text of string `id`, whatever language is installed.
std::string_view englishStr(int id);
// Every id of the table, ascending.
std::vector<int> stringIds();

// Translation context of the table's texts; the disambiguation of each is its id in decimal.
inline constexpr const char* kStringContext = "hm::str";

// Looks up the translation of `english` in `context` (`disambiguation` may be null); returns an
// empty string when there is none. The window program installs one built on Qt's translator.
using TextTranslator = std::string (*)(const char* context, const char* disambiguation,
                                       const char* english);
// Installs `translator` (null: back to English) and translates the whole table at once. Call it
// before other threads read texts, as the program does at start-up.
void setTextTranslator(TextTranslator translator);
// The translator installed last (null: English).
TextTranslator textTranslator();
// A text built outside the table (messages of the core layers): translated with the installed
// translator, English without one. lupdate reads calls of this name as it reads
// QCoreApplication::translate, so `context` and `english` must be string literals.
std::string translate(const char* context, const char* english);
// `pattern` with %1, %2, ... replaced by args[0], args[1], ... (the placeholders a translation
// may reorder); other text, and a placeholder without an argument, is kept as it is.
std::string fillPlaceholders(std::string_view pattern, const std::vector<std::string>& args);

// String ids used in more than one place.
namespace sid {
constexpr int kAboutMenu = 101;
constexpr int kGraphTitleBlank = 202;
constexpr int kGraphTitleFirst = 203;  // 203..212: titles of graphs 1..10
constexpr int kStabilitySnapshotTitle = 213;
constexpr int kSaveQuestion = 228;
constexpr int kTitleBase = 229;
constexpr int kEraseCaption = 230;
constexpr int kExtendedFleetInformation = 231;
constexpr int kStabilitySnapshotInformation = 232;
constexpr int kTipLoad = 236;
constexpr int kTipSave = 237;
constexpr int kTipErase = 238;  // "Write To ECU": the erase button
constexpr int kTipClose = 239;
constexpr int kTipCancelErase = 240;
constexpr int kTipProceedErase = 241;
constexpr int kTipReload = 242;
constexpr int kTipNext = 243;
constexpr int kTipPrevious = 244;
constexpr int kSelectInfoToClear = 245;
constexpr int kWriteCurrentValues = 246;
constexpr int kEcuNotSupported = 247;
constexpr int kNoDataLoaded = 248;
constexpr int kEcuData = 249;
constexpr int kTipInformation = 250;
constexpr int kTipPrint = 252;
constexpr int kExplanationFirst = 265;  // 265..274: explanations of graphs 1..10
constexpr int kStabilityExplanation = 275;
constexpr int kPrintPreviewTitle = 277;
constexpr int kTryingToConnect = 278;
constexpr int kDisplayInformation = 279;
constexpr int kStabilitySnaphot = 281;
constexpr int kDate = 282;
constexpr int kTipStability = 299;
constexpr int kNoInterimData = 303;
constexpr int kWorkingOffline = 314;
constexpr int kAlreadyRunning = 315;
constexpr int kRetryQuestion = 316;
constexpr int kLoadFromDir = 317;
constexpr int kSaveToDir = 318;
constexpr int kStabilityDataOnly = 319;
constexpr int kFileError = 320;
constexpr int kFilePrefix = 321;
constexpr int kNotConnected = 322;
constexpr int kError = 323;
constexpr int kNoData = 324;
constexpr int kMonthFirst = 1127;  // 1127..1138: "Jan".."Dec"
// Names and descriptions that assistive technology reads out (1200..1299).
constexpr int kA11yLampName = 1200;  // "Connection: %1" with one of the three states below
constexpr int kA11yLampProbing = 1201;
constexpr int kA11yLampConnected = 1202;
constexpr int kA11yLampOff = 1203;
constexpr int kA11yWithShortcut = 1204;  // "%1 (%2)": a description and its key
constexpr int kA11yButtonFirst = 1210;   // 1210..1219: the main window's buttons
constexpr int kA11yProgress = 1220;
constexpr int kA11yChart = 1221;
constexpr int kA11yChartOf = 1222;
constexpr int kA11yChartDescription = 1223;
constexpr int kA11yBar = 1224;         // "%1: %2", range and value
constexpr int kA11yBarOf = 1225;       // "Bar %1 of %2"
constexpr int kA11yFieldFirst = 1226;  // 1226..1234: the fields around the chart
constexpr int kA11yPage = 1235;
constexpr int kA11yPageDescription = 1236;
constexpr int kA11yZoom = 1237;
constexpr int kA11yTraceTable = 1238;
constexpr int kA11yOk = 1240;
constexpr int kA11yCancel = 1241;
constexpr int kA11yEraseChoice = 1242;
constexpr int kA11yExplanation = 1243;
constexpr int kA11ySnapshot = 1244;
constexpr int kA11ySnapshotBar = 1245;
}  // namespace sid

}  // namespace hm
