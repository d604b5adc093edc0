#include "palettewindows/fixedpalettewindow.h"

#include "colour/colourtables.h"
#include "colour/conversions.h"
#include "gui/platform/errorguard.h"
#include "gui/widgets/swatchgrid.h"

#include <vector>

namespace tincta {

namespace {

constexpr int websafeCellTwips = 315;
constexpr int websafeColumns = 36;
constexpr int websafeRows = 6;
constexpr int websafeSteps = 6;
constexpr int websafeClientWidthTwips = websafeCellTwips * websafeColumns;
constexpr int websafeClientHeightTwips = websafeCellTwips * websafeRows;

QRect websafeCell(int cell) {
    const int red = cell / (websafeSteps * websafeSteps);
    const int green = (cell / websafeSteps) % websafeSteps;
    const int blue = cell % websafeSteps;
    const int column = websafeSteps * green + red;
    const int row = websafeSteps - 1 - blue;
    return QRect(websafeCellTwips * column, websafeCellTwips * row, websafeCellTwips,
                 websafeCellTwips);
}

Colour websafeColour(int cell) {
    return colourTables().websafeRgb.at(static_cast<std::size_t>(cell));
}

constexpr int failsafeClientWidthTwips = 11340;
constexpr int failsafeCellWidthTwips = 720;
constexpr int failsafeCellHeightTwips = 705;
// Narrower than a cell, so neighbours overlap slightly and the last cell ends at the right edge.
constexpr int failsafeCellPitchTwips = 708;

QRect failsafeCell(int cell) {
    return QRect(failsafeCellPitchTwips * cell, 0, failsafeCellWidthTwips, failsafeCellHeightTwips);
}

Colour failsafeColour(int cell) {
    return unpack(colourTables().failsafeColours.at(static_cast<std::size_t>(cell)));
}

std::vector<QRect> scaledCells(const FixedPalette& palette, double scale) {
    std::vector<QRect> cells;
    cells.reserve(static_cast<std::size_t>(palette.cellCount));
    for (int i = 0; i < palette.cellCount; ++i) {
        const QRect twips = palette.cellTwips(i);
        cells.push_back(
            scaledTwipsRect(scale, twips.x(), twips.y(), twips.width(), twips.height()));
    }
    return cells;
}

} // namespace

const FixedPalette websafePalette{
    .windowName = "frmWebsafe",
    .caption = {QT_TRANSLATE_NOOP("tincta", "Websafe")},
    .gridName = "lblWebsafeColor",
    .gridDescription = {QT_TRANSLATE_NOOP("tincta", "Websafe colours")},
    .clientTwips = QSize(websafeClientWidthTwips, websafeClientHeightTwips),
    .cellCount = websafeCount,
    .cellTwips = websafeCell,
    .cellColour = websafeColour,
};

const FixedPalette failsafePalette{
    .windowName = "frmFailsafe",
    .caption = {QT_TRANSLATE_NOOP("tincta", "Failsafe")},
    .gridName = "lblFailsafeColor",
    .gridDescription = {QT_TRANSLATE_NOOP("tincta", "Failsafe colours")},
    .clientTwips = QSize(failsafeClientWidthTwips, failsafeCellHeightTwips),
    .cellCount = failsafeCount,
    .cellTwips = failsafeCell,
    .cellColour = failsafeColour,
};

FixedPaletteWindow::FixedPaletteWindow(const FixedPalette& palette)
    : PaletteWindow(QString::fromLatin1(palette.windowName), palette.caption, palette.clientTwips),
      m_palette(palette), m_grid(new SwatchGrid(this)) {
    m_grid->setObjectName(QString::fromLatin1(palette.gridName));
    m_grid->setAccessibleName(palette.gridDescription);
    m_grid->setFocus();
    m_grid->setCellRects(scaledCells(palette, scale()));
    m_grid->setGeometry(QRect(QPoint(0, 0), size()));
    connect(m_grid, &SwatchGrid::cellPressed, this,
            guarded([this](int index, Qt::MouseButton button) { onCellPressed(index, button); }));
}

void FixedPaletteWindow::load() {
    for (int i = 0; i < m_palette.cellCount; ++i) {
        const Colour colour = m_palette.cellColour(i);
        m_grid->setCellColour(i, pack(colour));
        m_grid->setCellToolTip(i, hexTriplet(colour));
    }
}

void FixedPaletteWindow::onCellPressed(int index, Qt::MouseButton button) {
    if (button != Qt::LeftButton)
        return;
    Q_EMIT colourChosen(m_palette.cellColour(index));
}

} // namespace tincta
