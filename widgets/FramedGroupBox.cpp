#include "widgets/FramedGroupBox.h"

#include <qdrawutil.h>
#include <QImageReader>
#include <QPixmap>
#include <QRegion>
#include <QStyleOptionGroupBox>
#include <QStylePainter>

#include <algorithm>

namespace hm {
namespace {

// Fusion's frame picture, its border width and the gap it leaves above the frame (as Fusion
// draws it in Qt 6).
constexpr int kFrameBorder = 6;
constexpr int kFrameTopMargin = 3;

const QPixmap& fusionFrame() {
    static const QPixmap frame = [] {
        QImageReader reader(
            QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"),
            "png");
        reader.setAutoDetectImageFormat(false);
        return QPixmap::fromImage(reader.read());
    }();
    return frame;
}

}  // namespace

void FramedGroupBox::paintEvent(QPaintEvent* event) {
    if (fusionFrame().isNull() ||
        style()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0) {
        QGroupBox::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const QStyle* s = style();
    const QRect label =
        s->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
    const QRect check =
        s->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxCheckBox, this);
    QRect frame = s->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, this);
    const bool titled = !option.text.isEmpty() || isCheckable();
    const int top =
        titled ? std::max(s->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, &option, this),
                          option.fontMetrics.height()) +
                     kFrameTopMargin
               : kFrameTopMargin;
    frame.adjust(0, top, 0, 0);
    painter.save();
    if (titled) {  // the frame leaves the title free, as Fusion's does
        const bool ltr = option.direction == Qt::LeftToRight;
        painter.setClipRegion(QRegion(option.rect) -
                              check.united(label).adjusted(ltr ? -4 : 0, 0, ltr ? 0 : 4, 0));
    }
    qDrawBorderPixmap(&painter, frame,
                      QMargins(kFrameBorder, kFrameBorder, kFrameBorder, kFrameBorder),
                      fusionFrame());
    painter.restore();
    option.subControls &= ~QStyle::SC_GroupBoxFrame;
    painter.drawComplexControl(QStyle::CC_GroupBox, option);
}

}  // namespace hm
