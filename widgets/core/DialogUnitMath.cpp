#include "widgets/core/DialogUnitMath.h"

#include <algorithm>
#include <cstdint>

namespace hm {

int mulDivRound(int a, int b, int c) {
    const int64_t p = int64_t{a} * b;
    const int64_t q = (p >= 0 ? p + c / 2 : p - c / 2) / c;
    return static_cast<int>(q);
}

PixelRect mapDialogRect(int left, int top, int width, int height, DialogBaseUnits base) {
    // Edges are mapped, not sizes, so that neighbouring controls meet without gaps.
    const int l = mulDivRound(left, base.x, 4);
    const int t = mulDivRound(top, base.y, 8);
    const int r = mulDivRound(left + width, base.x, 4);
    const int b = mulDivRound(top + height, base.y, 8);
    return {l, t, r - l, b - t};
}

int averageCharWidth(int lettersWidth) {
    return std::max(1, (lettersWidth / 26 + 1) / 2);
}

}  // namespace hm
