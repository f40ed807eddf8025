#pragma once
// The drawing surface of a printed page, in logical units of 0.1 mm with y growing upward and
// the origin at the top-left corner of the printable area (every point of the page has y <= 0).
// The page drawing (PageDrawing.h) only talks to this interface, so its geometry is tested with
// a recording canvas and rendered with a QPainter canvas on screen, printer, PDF and PNG alike.
#include <cstdint>
#include <string>

namespace hm {

// A rectangle as (left, top, right, bottom) in page units; top > bottom because y grows upward.
struct PageRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const PageRect&) const = default;
};

struct PageColor {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    bool operator==(const PageColor&) const = default;
};

// A font of the page. `height` is the character cell height (ascent + descent) in page units;
// `weight` is 100..900 with 0 meaning the normal weight; `escapement` is the direction of the
// text in tenths of a degree counter-clockwise from the x axis (2700: the text runs downward).
struct PageFont {
    std::string face = "arial";
    int height = 0;
    int weight = 0;
    int escapement = 0;
    bool operator==(const PageFont&) const = default;
};

struct PageSize {
    int width = 0;
    int height = 0;
};

enum class TextLayout {
    CenteredSingleLine,  // centred horizontally and vertically, one line
    TopLeftWordWrap,     // from the top-left corner, wrapped at word boundaries
    TopLeftSingleLine,   // from the top-left corner, one line, not clipped
};

// The bitmaps of the page header (78 x 33 pixels each).
enum class PageBitmap { Logo257 = 257, Logo258 = 258, Logo259 = 259 };

// Called on one thread at a time, for the duration of one page drawing. The current pen is a
// solid black line of width 2 page units; it outlines every rectangle.
class PageCanvas {
  public:
    virtual ~PageCanvas() = default;

    virtual void setBrush(PageColor fill) = 0;
    virtual void setTextBackground(PageColor background) = 0;
    virtual void setFont(const PageFont& font) = 0;

    // Outlines `rect` with the pen and fills it with the current brush.
    virtual void rectangle(const PageRect& rect) = 0;
    // Draws `text` with the current font and an opaque text background inside `rect`.
    virtual void textInRect(const PageRect& rect, const std::string& text, TextLayout layout) = 0;
    // Draws `text` with the current font (including its escapement), a transparent background
    // and no clipping. (x, y) is the top-left corner of the text's cell in the text's own
    // direction: with escapement 2700 the text runs downward from (x, y) and its cell lies to
    // the left of x, one cell height wide.
    virtual void textAt(int x, int y, const std::string& text) = 0;
    // The unrotated extent of `text` with the current font: advance width and cell height.
    virtual PageSize measureText(const std::string& text) = 0;
    // Stretches bitmap `bitmap` over `rect`, copying pixels.
    virtual void bitmap(const PageRect& rect, PageBitmap bitmap) = 0;
};

}  // namespace hm
