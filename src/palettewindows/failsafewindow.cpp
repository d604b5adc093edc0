#include "palettewindows/failsafewindow.h"

#include "colour/colourtables.h"
#include "palettewindows/swatchgrid.h"

namespace tincta {

namespace {

const QString windowName = QStringLiteral("frmFailsafe");
const QString windowCaption = QStringLiteral("Failsafe");
const QString gridName = QStringLiteral("lblFailsafeColor");
constexpr int clientWidthTwips = 11340;
constexpr int cellWidthTwips = 720;
constexpr int cellHeightTwips = 705;
// Narrower than a cell, so neighbours overlap slightly and the last cell ends at the right edge.
constexpr int cellPitchTwips = 708;

std::vector<QRect> failsafeCells() {
    std::vector<QRect> cells;
    cells.reserve(failsafeCount);
    for (int i = 0; i < failsafeCount; ++i)
        cells.push_back(twipsRect(cellPitchTwips * i, 0, cellWidthTwips, cellHeightTwips));
    return cells;
}

} // namespace

FailsafeWindow::FailsafeWindow(SelectedColour& selected, Guard guard)
    : PaletteWindow(selected, std::move(guard), windowName, windowCaption,
                    QSize(clientWidthTwips, cellHeightTwips)),
      m_lblFailsafeColor(new SwatchGrid(this)) {
    m_lblFailsafeColor->setObjectName(gridName);
    m_lblFailsafeColor->setCellRects(failsafeCells());
    m_lblFailsafeColor->setGeometry(QRect(QPoint(0, 0), size()));
    connect(m_lblFailsafeColor, &SwatchGrid::cellPressed, this,
            [this](int index, Qt::MouseButton button) {
                guarded([&] { lblFailsafeColor_MouseDown(index, button); });
            });
}

void FailsafeWindow::Form_Load() {
    const ColourTables& tables = colourTables();
    for (int i = 0; i < failsafeCount; ++i) {
        const auto cell = static_cast<std::size_t>(i);
        m_lblFailsafeColor->setCellColour(i, tables.failsafeColours[cell]);
        m_lblFailsafeColor->setCellToolTip(i, tables.failsafeHex[cell]);
    }
}

void FailsafeWindow::lblFailsafeColor_MouseDown(int index, Qt::MouseButton button) {
    if (button != Qt::LeftButton)
        return;
    takeColour(unpack(colourTables().failsafeColours.at(static_cast<std::size_t>(index))));
}

} // namespace tincta
