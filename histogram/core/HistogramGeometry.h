#pragma once
// Pure geometry of the histogram control: bar heights, the rectangles of a newly added bar at
// the right edge, and the tooltip hit areas where each bar stands after a full update. Client
// coordinates: (0, 0) top-left, y grows downward, width W and height H.
#include <cstdint>

namespace hm::histogram {

constexpr int kSinglePitch = 33;
constexpr int kSingleWidth = 22;
constexpr int kSingleBars = 16;
constexpr int kStackedPitch = 19;
constexpr int kStackedWidth = 14;
constexpr int kStackedBars = 28;

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const Rect&) const = default;
};

// trunc((value - minimum) / (maximum - minimum) x height x 0.95), in floating point. `value` may
// lie outside the range (the second value of a stacked bar is not clamped); the result is kept
// within +-16 x height. 0 when maximum <= minimum.
int barHeight(double value, uint32_t minimum, uint32_t maximum, int height);

// Clamps `value` into [minimum, maximum].
uint32_t clampValue(uint32_t value, uint32_t minimum, uint32_t maximum);

// A float bar value as the unsigned 32-bit integer the bars are drawn with: truncated toward
// zero, negative and NaN give 0, values beyond the 32-bit range give 0xFFFFFFFF.
uint32_t truncToU32(float value);

// The teal rectangle of a new single bar of height h: (W - 33, H - h) - (W - 11, H).
Rect singleBarRect(int width, int height, int barHeight);

// Tooltip area of single bar `index` (taken modulo 256) once all 16 bars are drawn: left
// W - 528 + 33 x index, 22 wide, down to H; its top is the bar top but never below
// trunc(0.95 x H), so an empty bar keeps a hit area.
Rect singleTipRect(int width, int height, int index, int barTop);

// The two parts of a new stacked bar: the teal part from the total top y1 to the split top y2,
// the red part from y2 to the bottom (x from W - 19 to W - 5).
struct StackedParts {
    Rect upper;  // teal: empty when the second value reaches the total
    Rect lower;  // red
    int totalTop = 0;
};
StackedParts stackedBarParts(int width, int height, uint32_t value, uint32_t secondValue,
                             uint32_t minimum, uint32_t maximum);

// Tooltip area of stacked bar `index`: left W - 532 + 19 x index, 14 wide, top as for a single
// bar.
Rect stackedTipRect(int width, int height, int index, int totalTop);

// trunc(0.95 x H): the lowest top of a tooltip area.
int tipTopLimit(int height);

}  // namespace hm::histogram
