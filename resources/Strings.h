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
constexpr int kTipWrite = 238;
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
}  // namespace sid

}  // namespace hm
