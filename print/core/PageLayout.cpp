#include "print/core/PageLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>

#include "graphs/GraphDisplay.h"
#include "platform/PrintfText.h"
#include "resources/Strings.h"

namespace hm {

namespace {

PageRect box(int left, int top, int right, int bottom) {
    return PageRect{left, top, right, bottom};
}

// A signal state on the page, in the page's language ("ON"/"OFF" in English, as the record's
// own text).
std::string flagText(uint32_t flag) {
    return onOff(flag) == "ON" ? translate("hm::PageLayout", "ON")
                               : translate("hm::PageLayout", "OFF");
}

std::string pressureText(uint8_t raw) {
    return printfText("%2.2f Bar", pressureBar(raw));
}

std::string dateText(const StabilityRecord& record) {
    const std::string_view month = monthAbbreviation(record.month);
    if (month.empty()) {
        return translate("hm::PageLayout", "Not Set");
    }
    return printfText("%d", record.day) + " " + std::string(month);
}

std::string timeText(const StabilityRecord& record) {
    const TimeParts t = timeSinceStartupPartsSigned(record);
    return printfText("%.2lld:%.2lld:%.2lld", static_cast<long long>(t.hours),
                      static_cast<long long>(t.minutes), static_cast<long long>(t.seconds));
}

std::string isoDemandText(uint8_t raw) {
    if (raw == 255) {
        return strCopy(sid::kNotConnected);
    }
    if (raw == 254) {
        return strCopy(sid::kError);
    }
    return pressureText(raw);
}

// The string of a page: `stabilityId` for the stability page, `graphFirstId` + n - 1 for graph n,
// empty for a graph number out of range.
std::string pageString(PageKind kind, int graphNumber, int stabilityId, int graphFirstId) {
    if (kind == PageKind::Stability) {
        return strCopy(stabilityId);
    }
    if (graphNumber >= 1 && graphNumber <= kGraphCount) {
        return strCopy(graphFirstId + graphNumber - 1);
    }
    return {};
}

}  // namespace

const std::array<PageBox, kPageBoxCount>& pageBoxes() {
    using K = PageBoxKind;
    static const std::array<PageBox, kPageBoxCount> boxes{{
        {K::Logo, box(110, -100, 338, -200), 0},
        {K::Title, box(338, -100, 1706, -200), 0},
        {K::Logo, box(1706, -100, 1934, -200), 1},
        {K::Logo, box(110, -225, 338, -285), 2},
        {K::Label, box(338, -225, 1022, -285), 0},
        {K::Label, box(1022, -225, 1478, -285), 1},
        {K::Label, box(1478, -225, 1934, -285), 2},
        {K::Value, box(110, -285, 338, -345), 0},
        {K::Value, box(338, -285, 1022, -345), 1},
        {K::Value, box(1022, -285, 1478, -345), 2},
        {K::Value, box(1478, -285, 1934, -345), 3},
        {K::Value, box(110, -345, 1934, -445), 4},
        {K::Body, kBodyRect, 0},
    }};
    return boxes;
}

int barHeight(float maximum, float value) {
    // The product is taken in single precision on purpose: 100 * 1.05f truncates to 104.
    const float scaledMaximum = maximum * 1.05f;
    if (!(scaledMaximum >= 1.0f) || !(value >= 1.0f)) {
        return 0;  // no divisor, an empty bar, a negative value or not a number
    }
    const double m = std::trunc(static_cast<double>(scaledMaximum));
    const double v = std::trunc(static_cast<double>(value));
    if (v >= m) {
        return kChartHeight;  // only for a value above the maximum: keep the bar in the body
    }
    if (m < 1.0e15) {
        return static_cast<int>(kChartHeight * static_cast<int64_t>(v) / static_cast<int64_t>(m));
    }
    return static_cast<int>(std::floor(kChartHeight * v / m));
}

std::string savedAtText(const uint16_t (&savedAt)[8]) {
    // savedAt: year, month, day of week, day, hour, minute, second, milliseconds.
    if (std::all_of(std::begin(savedAt), std::end(savedAt), [](uint16_t v) { return v == 0; })) {
        return translate("hm::PageLayout", "Not saved");
    }
    return printfText("%02d//%02d//%d - %02d:%02d", savedAt[3], savedAt[1], savedAt[0], savedAt[4],
                      savedAt[5]);
}

PagePoint verticalTextOrigin(const PageRect& boxRect, PageSize textSize) {
    constexpr int kShift = 40;
    const double a = 270 * 3.141592654 / 180;
    const int hw = textSize.width / 2;
    const int hh = textSize.height / 2;
    const int left = boxRect.left + kShift;
    const int cx = left + (boxRect.right - left) / 2;
    const int cy = boxRect.top + (boxRect.bottom - boxRect.top) / 2;
    const int x = cx - static_cast<int>(std::trunc(hw * std::cos(a) - hh * std::sin(a)));
    // The page's y axis points up, so the turned half width is subtracted: the text starts half
    // its length above the centre and runs down through it.
    const int y = cy - static_cast<int>(std::trunc(hw * std::sin(a) + hh * std::cos(a)));
    return PagePoint{x, y};
}

bool stabilityRecordShown(const FleetDataImage& image, int selectedRecord) {
    return selectedRecord >= 0 && selectedRecord < kStabilitySlots &&
           static_cast<uint32_t>(selectedRecord) < image.stabilityRecordCount;
}

// "n of N" above a stability record.
static std::string recordCounterText(int selectedRecord, uint32_t count) {
    return fillPlaceholders(translate("hm::PageLayout", "%1 of %2"),
                            {std::to_string(selectedRecord + 1), std::to_string(count)});
}

std::vector<StabilityCell> stabilityCells(const FleetDataImage& image, int selectedRecord) {
    const bool shown = stabilityRecordShown(image, selectedRecord);
    // Only ever read a slot below 32; an index that is not shown reads no slot at all.
    const StabilityRecord* r = shown ? &image.stabilityRecords[selectedRecord] : nullptr;
    auto value = [shown](auto&& make) { return shown ? make() : std::string(); };

    struct Step {
        int dx;
        int dy;
        std::string text;
    };
    const Step steps[kStabilityCellCount] = {
        {40, -40, strCopy(281)},
        {500, 0,
         shown ? recordCounterText(selectedRecord, image.stabilityRecordCount)
               : strCopy(sid::kNoData)},
        {500, 0, strCopy(282)},
        {500, 0, value([&] { return dateText(*r); })},
        {-1500, -40, strCopy(283)},
        {500, 0, value([&] { return printfText("%1.2f g", sensorOutputG(*r)); })},
        {500, 0, strCopy(284)},
        {500, 0, value([&] { return timeText(*r); })},
        {-1500, -70, strCopy(285)},
        {0, -40, strCopy(286)},
        {500, 0, value([&] { return printfText("%u km", odometerKm(*r)); })},
        {-500, -40, strCopy(287)},
        {500, 0, value([&] { return printfText("%1.1f V", voltageV(*r)); })},
        {-500, -40, strCopy(288)},
        {500, 0, value([&] { return pressureText(r->reservoirPressure); })},
        {-500, -40, strCopy(289)},
        {500, 0, value([&] { return pressureText(r->suspensionPressure); })},
        {-500, -40, strCopy(292)},
        {500, 0, value([&] { return speedText(r->vehicleSpeed); })},
        {-500, -40, strCopy(290)},
        {500, 0, value([&] { return isoDemandText(r->isoDemandPressure); })},
        {-500, -40, strCopy(291)},
        {500, 0, value([&] { return pressureText(r->controlLinePressure); })},
        {500, 280, strCopy(293)},
        {0, -40, strCopy(294)},
        {500, 0, value([&] { return flagText(r->redLampSignal); })},
        {-500, -40, strCopy(295)},
        {500, 0, value([&] { return flagText(r->cabLampSignal); })},
        {-500, -40, strCopy(296)},
        {500, 0, value([&] { return flagText(r->serviceLampSignal); })},
        {-500, -40, strCopy(297)},
        {500, 0, value([&] { return flagText(r->stopLightPower); })},
        {-500, -40, strCopy(298)},
        {500, 0, value([&] { return flagText(r->brakeApply); })},
    };

    std::vector<StabilityCell> cells;
    cells.reserve(kStabilityCellCount);
    int x = kBodyRect.left;
    int y = kBodyRect.top;
    for (const Step& step : steps) {
        x += step.dx;
        y += step.dy;
        cells.push_back(StabilityCell{x, y, step.text});
    }
    return cells;
}

std::string pageTitle(PageKind kind, int graphNumber) {
    return pageString(kind, graphNumber, sid::kStabilitySnapshotTitle, sid::kGraphTitleFirst);
}

std::string pageExplanation(PageKind kind, int graphNumber) {
    return pageString(kind, graphNumber, sid::kStabilityExplanation, sid::kExplanationFirst);
}

}  // namespace hm
