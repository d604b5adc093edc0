#include "help/aboutpicture.h"

#include "gui/widgets/programicon.h"

#include <QIcon>
#include <QLinearGradient>
#include <QPainter>
#include <array>

namespace tincta {

namespace {

// The default palette, mark by mark.
const std::array<QColor, 6> markColours{QColor(255, 0, 0), QColor(255, 255, 0),
                                        QColor(0, 255, 0), QColor(0, 255, 255),
                                        QColor(0, 0, 255), QColor(255, 0, 255)};
constexpr int markBandHeight = 6;
constexpr int shadeBandHeight = 10;
constexpr int iconSize = 48;
constexpr int iconMargin = 16;

} // namespace

AboutPicture::AboutPicture(QWidget* parent) : QWidget(parent) {
    // A page of its own in the theme's base colour, light or dark; its texts follow it.
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void AboutPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = rect();
    painter.fillRect(area, palette().color(QPalette::Base));

    const int markWidth = area.width() / static_cast<int>(markColours.size());
    for (std::size_t i = 0; i < markColours.size(); ++i) {
        const int left = static_cast<int>(i) * markWidth;
        const int width = i + 1 == markColours.size() ? area.width() - left : markWidth;
        painter.fillRect(QRect(left, 0, width, markBandHeight), markColours[i]);
    }

    // The colour bar of the main window as it shows the first mark's red.
    QLinearGradient shades(area.left(), 0, area.right(), 0);
    shades.setColorAt(0.0, markColours[0]);
    shades.setColorAt(1.0, QColor(255, 255, 255));
    painter.fillRect(QRect(0, area.height() - shadeBandHeight, area.width(), shadeBandHeight),
                     shades);

    const QIcon icon = tinctaIcon();
    icon.paint(&painter, QRect(iconMargin, markBandHeight + iconMargin, iconSize, iconSize));

    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(area.adjusted(0, 0, -1, -1));
}

} // namespace tincta
