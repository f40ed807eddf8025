#pragma once
// A PageCanvas that draws nothing and records every call with the drawing state in force, for
// tests of the page geometry. Text is measured with a fixed advance per character.
#include <string>
#include <vector>

#include "print/core/PageCanvas.h"

namespace hm {

struct RecordedOp {
    enum class Kind { Rectangle, TextInRect, TextAt, Bitmap };
    Kind kind;
    PageRect rect;     // Rectangle, TextInRect, Bitmap
    int x = 0;         // TextAt
    int y = 0;         // TextAt
    std::string text;  // TextInRect, TextAt
    TextLayout layout = TextLayout::CenteredSingleLine;
    PageBitmap bitmap = PageBitmap::Logo257;
    PageColor brush;  // state when the call was made
    PageColor textBackground;
    PageFont font;
};

class RecordingCanvas : public PageCanvas {
  public:
    // measureText reports `charAdvance` per character and the font height.
    explicit RecordingCanvas(int charAdvance = 10) : charAdvance_(charAdvance) {}

    void setBrush(PageColor fill) override { brush_ = fill; }
    void setTextBackground(PageColor background) override { background_ = background; }
    void setFont(const PageFont& font) override { font_ = font; }
    void rectangle(const PageRect& rect) override;
    void textInRect(const PageRect& rect, const std::string& text, TextLayout layout) override;
    void textAt(int x, int y, const std::string& text) override;
    PageSize measureText(const std::string& text) override;
    void bitmap(const PageRect& rect, PageBitmap bitmap) override;

    const std::vector<RecordedOp>& ops() const { return ops_; }
    // All recorded calls of one kind, in order.
    std::vector<RecordedOp> opsOfKind(RecordedOp::Kind kind) const;
    // The first text (in a rectangle or at a point) equal to `text`; nullptr when none.
    const RecordedOp* findText(const std::string& text) const;

  private:
    RecordedOp base(RecordedOp::Kind kind) const;

    int charAdvance_;
    PageColor brush_{};
    PageColor background_{255, 255, 255};
    PageFont font_{};
    std::vector<RecordedOp> ops_;
};

}  // namespace hm
