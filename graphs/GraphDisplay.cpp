#include "graphs/GraphDisplay.h"

#include <algorithm>
#include <cstdarg>
#include <cstring>

#include "fleetdata/FleetDataImage.h"
#include "platform/PrintfText.h"
#include "resources/Strings.h"

namespace hm {
namespace {

enum class Source {
    None,
    AverageTimeByPressure,
    CountByPressure,
    TimeByPressure,
    AveragePressureBySpeed,
    CountBySpeed,
    AppsRing,
    AbsRing,
    RolloverRing,
    DistanceByLoad,
    DistanceByReservoir,
};

// One row of the constant graph table.
struct GraphRow {
    int titleId;
    int scaleTextId;  // 0: hidden (distance graphs)
    int horizontalId;
    int verticalId;
    int positions;
    Source source;
    float scale;
    const char* format;
};

constexpr GraphRow kGraphTable[kGraphCount + 1] = {
    {202, 214, 218, 223, 28, Source::None, 1.0f, ""},
    {203, 215, 219, 225, 16, Source::AverageTimeByPressure, 0.01f, "%2.2f"},
    {204, 215, 219, 226, 16, Source::CountByPressure, 1.0f, "%2.0f"},
    {205, 215, 219, 225, 16, Source::TimeByPressure, 0.01f, "%2.0f"},
    {206, 216, 220, 224, 16, Source::AveragePressureBySpeed, 0.05f, "%2.1f"},
    {207, 216, 220, 226, 16, Source::CountBySpeed, 1.0f, "%2.0f"},
    {208, 0, 221, 226, 28, Source::AppsRing, 1.0f, "%2.0f"},
    {209, 0, 221, 226, 28, Source::AbsRing, 1.0f, "%2.0f"},
    {210, 0, 221, 226, 28, Source::RolloverRing, 1.0f, "%2.0f"},
    {211, 216, 222, 227, 16, Source::DistanceByLoad, 1.0f, "%2.0f"},
    {212, 217, 219, 227, 16, Source::DistanceByReservoir, 1.0f, "%2.0f"},
};

// Quotient of two counters in floating point; 0 when the divisor is 0.
float average(uint32_t sum, uint32_t count) {
    if (count == 0) {
        return 0.0f;
    }
    return static_cast<float>(static_cast<double>(sum) / static_cast<double>(count));
}

float barValue(const FleetDataImage& image, Source source, int i) {
    switch (source) {
        case Source::None:
            return 0.0f;
        case Source::AverageTimeByPressure:
            return average(image.brakeTimeByPressure[i], image.brakeCountByPressure[i]);
        case Source::CountByPressure:
            return static_cast<float>(image.brakeCountByPressure[i]);
        case Source::TimeByPressure:
            return static_cast<float>(image.brakeTimeByPressure[i]);
        case Source::AveragePressureBySpeed:
            return average(image.pressureSumBySpeed[i], image.brakeCountBySpeed[i]);
        case Source::CountBySpeed:
            return static_cast<float>(image.brakeCountBySpeed[i]);
        case Source::AppsRing:
            return static_cast<float>(image.brakeAppsByDistance[image.ringSlot(i)]);
        case Source::AbsRing:
            return static_cast<float>(image.absEventsByDistance[image.ringSlot(i)]);
        case Source::RolloverRing:
            return static_cast<float>(image.rolloverEventsByDistance[image.ringSlot(i)]);
        case Source::DistanceByLoad:
            return static_cast<float>(image.distanceByLoad[i]);
        case Source::DistanceByReservoir:
            return static_cast<float>(image.distanceByReservoirPressure[i]);
    }
    return 0.0f;
}

// Checks that `format` holds exactly one floating conversion and nothing that would read
// another argument.
bool isSingleDoubleFormat(const std::string& format) {
    int conversions = 0;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            continue;
        }
        ++i;
        if (i < format.size() && format[i] == '%') {
            continue;
        }
        while (i < format.size() && std::strchr("-+ #0", format[i]) != nullptr) {
            ++i;
        }
        while (i < format.size() && format[i] >= '0' && format[i] <= '9') {
            ++i;
        }
        if (i < format.size() && format[i] == '.') {
            ++i;
            while (i < format.size() && format[i] >= '0' && format[i] <= '9') {
                ++i;
            }
        }
        if (i >= format.size() || std::strchr("feEgG", format[i]) == nullptr) {
            return false;
        }
        ++conversions;
    }
    return conversions == 1;
}

// vprintfText of a format checked by isSingleDoubleFormat, cut to `maxLength` characters.
std::string boundedText(size_t maxLength, const char* format, ...) {
    va_list args;
    va_start(args, format);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    std::string text = vprintfText(format, args, maxLength);
#pragma GCC diagnostic pop
    va_end(args);
    return text;
}

}  // namespace

std::string formatValue(const std::string& format, double value) {
    if (!isSingleDoubleFormat(format)) {
        return {};
    }
    return boundedText(511, format.c_str(), value);
}

std::string barTipText(const GraphDisplayRecord& record, int index) {
    if (index < 0 || index >= kMaxBars) {
        return {};
    }
    if (record.shownGraph == 6) {
        return printfText("%1.0f  (%1.0f)", static_cast<double>(record.barValues[index]),
                          static_cast<double>(record.secondValues[index]));
    }
    return formatValue(record.valueFormat,
                       static_cast<double>(record.scale * record.barValues[index]));
}

GraphTexts computeGraphDisplay(const FleetDataImage& image, int graphNumber,
                               GraphDisplayRecord& record, uint32_t& shownIntervalCount) {
    // A number outside the table shows as the blank graph 0.
    const int n = (graphNumber >= 0 && graphNumber <= kGraphCount) ? graphNumber : 0;
    const GraphRow& row = kGraphTable[n];

    record.maximum = 0.0f;
    record.scale = 1.0f;
    for (int i = 0; i < kMaxBars; ++i) {
        record.barValues[i] = 0.0f;
        record.secondValues[i] = 0.0f;
    }
    record.shownGraph = n;

    GraphTexts texts;

    shownIntervalCount = image.intervalCount();
    record.shownIntervals = shownIntervalCount;

    for (int i = 0; i < row.positions; ++i) {
        const float v = barValue(image, row.source, i);
        record.barValues[i] = v;
        if (row.source == Source::AppsRing) {
            record.secondValues[i] =
                static_cast<float>(image.slpBrakeAppsByDistance[image.ringSlot(i)]);
        }
        if (v > record.maximum) {
            record.maximum = v;
        }
    }
    if (record.maximum < 10.0f) {
        record.maximum = 10.0f;
    }

    texts.title = strCopy(row.titleId);
    texts.horizontalUnit = strCopy(row.horizontalId);
    texts.verticalUnit = strCopy(row.verticalId);
    texts.bottomValue = formatValue(row.format, 0.0);
    record.scale = row.scale;
    texts.topValue = formatValue(row.format, static_cast<double>(row.scale * record.maximum));

    if (isDistanceGraph(n)) {
        record.barCount = kMaxBars;
        texts.scaleTextVisible = false;
        texts.distanceLabelsVisible = true;
        texts.rightDistance = std::to_string(distanceAxisRightKm(shownIntervalCount));
        const int64_t left = distanceAxisLeftKm(shownIntervalCount);
        texts.leftDistance = left >= 0 ? std::to_string(left) : std::string();
    } else {
        record.barCount = 16;
        texts.scaleTextVisible = true;
        texts.scaleText = strCopy(row.scaleTextId);
        texts.distanceLabelsVisible = false;
    }
    record.valueFormat = row.format;
    return texts;
}

}  // namespace hm
