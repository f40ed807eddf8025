#pragma once
// Dialog units to pixels, the way dialog templates are laid out: a horizontal unit is a quarter
// of the dialog font's average character width, a vertical unit an eighth of its height.
namespace hm {

struct DialogBaseUnits {
    int x = 6;   // average character width in pixels
    int y = 13;  // character height in pixels
};

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PixelRect&) const = default;
};

// a * b / c rounded half away from zero (c > 0).
int mulDivRound(int a, int b, int c);

// The pixel rectangle of a control at (left, top, width, height) dialog units.
PixelRect mapDialogRect(int left, int top, int width, int height, DialogBaseUnits base);

// The average character width of a font whose 52 letters A..Z a..z measure `lettersWidth`
// pixels: rounded to the nearest pixel, at least 1.
int averageCharWidth(int lettersWidth);

}  // namespace hm
