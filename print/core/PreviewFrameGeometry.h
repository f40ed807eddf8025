#pragma once
// Where the print preview window goes: centred on the desktop's available area of width W and
// height H, two thirds as wide and half as high (integer divisions truncating toward zero).
namespace hm {

struct PreviewFrameGeometry {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

constexpr PreviewFrameGeometry previewFrameGeometry(int desktopWidth, int desktopHeight) {
    const int cx = 2 * desktopWidth / 3;
    const int cy = desktopHeight / 2;
    return PreviewFrameGeometry{desktopWidth / 2 - cx / 2, cy - cy / 2, cx, cy};
}

}  // namespace hm
