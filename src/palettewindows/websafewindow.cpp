#include "palettewindows/websafewindow.h"

#include "colour/colourtables.h"
#include "gui/widgets/swatchgrid.h"
#include "gui/widgets/uitext.h"

namespace tincta {

namespace {

const QString windowName = QStringLiteral("frmWebsafe");
const UiText windowCaption{QT_TRANSLATE_NOOP("tincta", "Websafe")};
const QString gridName = QStringLiteral("lblWebsafeColor");
constexpr int cellTwips = 315;
constexpr int columns = 36;
constexpr int rows = 6;
constexpr int steps = 6;

std::vector<QRect> websafeCells(double scale) {
    std::vector<QRect> cells;
    cells.reserve(websafeCount);
    for (int i = 0; i < websafeCount; ++i) {
        const int red = i / (steps * steps);
        const int green = (i / steps) % steps;
        const int blue = i % steps;
        const int column = steps * green + red;
        const int row = steps - 1 - blue;
        cells.push_back(
            scaledTwipsRect(scale, cellTwips * column, cellTwips * row, cellTwips, cellTwips));
    }
    return cells;
}

} // namespace

WebsafeWindow::WebsafeWindow()
    : PaletteWindow(windowName, windowCaption, QSize(cellTwips * columns, cellTwips * rows)),
      m_grid(new SwatchGrid(this)) {
    m_grid->setObjectName(gridName);
    m_grid->setAccessibleName(tr("Websafe colours"));
    m_grid->setFocus();
    m_grid->setCellRects(websafeCells(scale()));
    m_grid->setGeometry(QRect(QPoint(0, 0), size()));
    connect(m_grid, &SwatchGrid::cellPressed, this, [this](int index, Qt::MouseButton button) {
        guarded([&] { onCellPressed(index, button); });
    });
}

void WebsafeWindow::load() {
    const ColourTables& tables = colourTables();
    for (int i = 0; i < websafeCount; ++i) {
        const Colour& colour = tables.websafeRgb[static_cast<std::size_t>(i)];
        m_grid->setCellColour(i, pack(colour));
        m_grid->setCellToolTip(i, QLatin1Char('#') +
                                      tables.hexBytes[static_cast<std::size_t>(colour.red)] +
                                      tables.hexBytes[static_cast<std::size_t>(colour.green)] +
                                      tables.hexBytes[static_cast<std::size_t>(colour.blue)]);
    }
}

void WebsafeWindow::onCellPressed(int index, Qt::MouseButton button) {
    if (button != Qt::LeftButton)
        return;
    Q_EMIT colourChosen(colourTables().websafeRgb.at(static_cast<std::size_t>(index)));
}

} // namespace tincta
