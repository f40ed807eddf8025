#include "histogram/core/HistogramGeometry.h"

#include <algorithm>
#include <cmath>

namespace hm::histogram {

int barHeight(double value, uint32_t minimum, uint32_t maximum, int height) {
    if (maximum <= minimum) {
        return 0;
    }
    const double h = (value - static_cast<double>(minimum)) /
                     static_cast<double>(maximum - minimum) * height * 0.95;
    const double limit = 16.0 * std::max(height, 1);
    if (std::isnan(h)) {
        return 0;
    }
    return static_cast<int>(std::clamp(h, -limit, limit));
}

uint32_t clampValue(uint32_t value, uint32_t minimum, uint32_t maximum) {
    if (value > maximum) {
        return maximum;
    }
    if (value < minimum) {
        return minimum;
    }
    return value;
}

uint32_t truncToU32(float value) {
    if (!(value > 0.0f)) {
        return 0;
    }
    if (static_cast<double>(value) >= 4294967295.0) {
        return 0xFFFFFFFFu;
    }
    return static_cast<uint32_t>(value);
}

int tipTopLimit(int height) {
    return static_cast<int>(0.95 * height);
}

Rect singleBarRect(int width, int height, int barHeight) {
    return {width - kSinglePitch, height - barHeight, width - kSinglePitch + kSingleWidth, height};
}

Rect singleTipRect(int width, int height, int index, int barTop) {
    const int left = width - kSingleBars * kSinglePitch + kSinglePitch * (index & 0xFF);
    return {left, std::min(barTop, tipTopLimit(height)), left + kSingleWidth, height};
}

StackedParts stackedBarParts(int width, int height, uint32_t value, uint32_t secondValue,
                             uint32_t minimum, uint32_t maximum) {
    StackedParts parts;
    const int y1 = height - barHeight(value, minimum, maximum, height);
    const int y2 = height - barHeight(secondValue, minimum, maximum, height);
    const int left = width - kStackedPitch;
    const int right = left + kStackedWidth;
    parts.totalTop = y1;
    parts.upper = {left, y1, right, std::max(y1, y2)};
    parts.lower = {left, std::min(y2, height), right, height};
    return parts;
}

Rect stackedTipRect(int width, int height, int index, int totalTop) {
    const int left = width - kStackedBars * kStackedPitch + kStackedPitch * (index & 0xFF);
    return {left, std::min(totalTop, tipTopLimit(height)), left + kStackedWidth, height};
}

}  // namespace hm::histogram
