#include "print/core/RecordingCanvas.h"

namespace hm {

RecordedOp RecordingCanvas::base(RecordedOp::Kind kind) const {
    RecordedOp op{
        kind,   {},          0,    0, {}, TextLayout::CenteredSingleLine, PageBitmap::Logo257,
        brush_, background_, font_};
    return op;
}

void RecordingCanvas::rectangle(const PageRect& rect) {
    RecordedOp op = base(RecordedOp::Kind::Rectangle);
    op.rect = rect;
    ops_.push_back(op);
}

void RecordingCanvas::textInRect(const PageRect& rect, const std::string& text, TextLayout layout) {
    RecordedOp op = base(RecordedOp::Kind::TextInRect);
    op.rect = rect;
    op.text = text;
    op.layout = layout;
    ops_.push_back(op);
}

void RecordingCanvas::textAt(int x, int y, const std::string& text) {
    RecordedOp op = base(RecordedOp::Kind::TextAt);
    op.x = x;
    op.y = y;
    op.text = text;
    ops_.push_back(op);
}

PageSize RecordingCanvas::measureText(const std::string& text) {
    return PageSize{charAdvance_ * static_cast<int>(text.size()), font_.height};
}

void RecordingCanvas::bitmap(const PageRect& rect, PageBitmap which) {
    RecordedOp op = base(RecordedOp::Kind::Bitmap);
    op.rect = rect;
    op.bitmap = which;
    ops_.push_back(op);
}

std::vector<RecordedOp> RecordingCanvas::opsOfKind(RecordedOp::Kind kind) const {
    std::vector<RecordedOp> out;
    for (const RecordedOp& op : ops_) {
        if (op.kind == kind) {
            out.push_back(op);
        }
    }
    return out;
}

const RecordedOp* RecordingCanvas::findText(const std::string& text) const {
    for (const RecordedOp& op : ops_) {
        if ((op.kind == RecordedOp::Kind::TextInRect || op.kind == RecordedOp::Kind::TextAt) &&
            op.text == text) {
            return &op;
        }
    }
    return nullptr;
}

}  // namespace hm
