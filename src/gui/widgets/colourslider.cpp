#include "gui/widgets/colourslider.h"

#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace tincta {

ColourSlider::ColourSlider(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {
    setRange(0, 255);
    setSingleStep(1);
    setPageStep(1);
    setFocusPolicy(Qt::StrongFocus);
    // A scroll bar inverts its keys for scrolling a page; a channel value grows with Right, Up,
    // Page Up and the wheel turned up, as on a slider.
    setInvertedControls(false);
}

void ColourSlider::paintEvent(QPaintEvent* event) {
    QScrollBar::paintEvent(event);
    // Scroll bar styles draw no focus of their own.
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(QPalette::Window);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

} // namespace tincta
