#include "palettewindows/failsafewindow.h"

#include "colour/colourtables.h"
#include "gui/widgets/swatchgrid.h"
#include "gui/widgets/uitext.h"

namespace tincta {

namespace {

const QString windowName = QStringLiteral("frmFailsafe");
const UiText windowCaption{QT_TRANSLATE_NOOP("tincta", "Failsafe")};
const QString gridName = QStringLiteral("lblFailsafeColor");
constexpr int clientWidthTwips = 11340;
constexpr int cellWidthTwips = 720;
constexpr int cellHeightTwips = 705;
// Narrower than a cell, so neighbours overlap slightly and the last cell ends at the right edge.
constexpr int cellPitchTwips = 708;

std::vector<QRect> failsafeCells(double scale) {
    std::vector<QRect> cells;
    cells.reserve(failsafeCount);
    for (int i = 0; i < failsafeCount; ++i)
        cells.push_back(
            scaledTwipsRect(scale, cellPitchTwips * i, 0, cellWidthTwips, cellHeightTwips));
    return cells;
}

} // namespace

FailsafeWindow::FailsafeWindow()
    : PaletteWindow(windowName, windowCaption, QSize(clientWidthTwips, cellHeightTwips)),
      m_grid(new SwatchGrid(this)) {
    m_grid->setObjectName(gridName);
    m_grid->setAccessibleName(tr("Failsafe colours"));
    m_grid->setFocus();
    m_grid->setCellRects(failsafeCells(scale()));
    m_grid->setGeometry(QRect(QPoint(0, 0), size()));
    connect(m_grid, &SwatchGrid::cellPressed, this, [this](int index, Qt::MouseButton button) {
        guarded([&] { onCellPressed(index, button); });
    });
}

void FailsafeWindow::load() {
    const ColourTables& tables = colourTables();
    for (int i = 0; i < failsafeCount; ++i) {
        const auto cell = static_cast<std::size_t>(i);
        m_grid->setCellColour(i, tables.failsafeColours[cell]);
        m_grid->setCellToolTip(i, tables.failsafeHex[cell]);
    }
}

void FailsafeWindow::onCellPressed(int index, Qt::MouseButton button) {
    if (button != Qt::LeftButton)
        return;
    Q_EMIT colourChosen(unpack(colourTables().failsafeColours.at(static_cast<std::size_t>(index))));
}

} // namespace tincta
