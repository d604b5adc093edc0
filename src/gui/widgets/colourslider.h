#pragma once

#include <QScrollBar>

namespace tincta {

// A horizontal 0..255 bar for one colour channel. Unlike a plain scroll bar it takes the keyboard
// focus (Tab and a click) and shows it, so the colour can be edited without a mouse: the arrow
// keys step by one, Page Up and Page Down by the page step, Home and End go to either end.
class ColourSlider : public QScrollBar {
    Q_OBJECT

public:
    explicit ColourSlider(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tincta
