#include "colourcheck/scalepanel.h"

#include "colour/colourscale.h"
#include "colour/conversions.h"
#include "gui/platform/errorguard.h"
#include "gui/widgets/swatchgrid.h"
#include "gui/widgets/widgethelpers.h"

#include <QApplication>
#include <QDrag>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace tincta {

namespace {

constexpr int swatchHeight = 28;
constexpr int dragSwatchSide = 24;

struct HarmonyRow {
    Harmony harmony;
    const char* name;
    const char* caption;
};

// clang-format off
constexpr std::array<HarmonyRow, harmonyCount> harmonyRows{{
    {Harmony::Complementary, "grdComplementary", QT_TRANSLATE_NOOP("tincta::ScalePanel", "Complementary")},
    {Harmony::Analogous, "grdAnalogous", QT_TRANSLATE_NOOP("tincta::ScalePanel", "Analogous")},
    {Harmony::Triadic, "grdTriadic", QT_TRANSLATE_NOOP("tincta::ScalePanel", "Triadic")},
    {Harmony::SplitComplementary, "grdSplitComplementary", QT_TRANSLATE_NOOP("tincta::ScalePanel", "Split complementary")},
    {Harmony::Tetradic, "grdTetradic", QT_TRANSLATE_NOOP("tincta::ScalePanel", "Tetradic")},
}};
// clang-format on

QColor toQColor(const Colour& colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

// "+30°" or "−30°": how far a harmony turns the hue.
QString turnText(double degrees) {
    const int rounded = static_cast<int>(std::lround(degrees));
    return (rounded < 0 ? QStringLiteral("\u2212%1\u00B0").arg(-rounded)
                        : QStringLiteral("+%1\u00B0").arg(rounded));
}

} // namespace

ScalePanel::ScalePanel(QWidget* parent)
    : QWidget(parent), m_heading(named(new QLabel(this), "lblScaleHeading")) {
    auto* column = new QVBoxLayout(this);
    column->addWidget(m_heading);
    m_scale = addGrid(tr("&Tints and shades, 50 to 950:"), "grdScale");
    for (std::size_t i = 0; i < harmonyRows.size(); ++i)
        m_harmonies[i] =
            addGrid(QCoreApplication::translate("tincta::ScalePanel", harmonyRows[i].caption),
                    harmonyRows[i].name);
    column->addStretch(1);
}

SwatchGrid* ScalePanel::addGrid(const QString& caption, const char* name) {
    auto* label = new QLabel(caption, this);
    auto* grid = named(new SwatchGrid(this), name);
    grid->setMinimumHeight(swatchHeight);
    grid->setAccessibleName(QString(caption).remove(QLatin1Char('&')).remove(QLatin1Char(':')));
    label->setBuddy(grid);
    layout()->addWidget(label);
    layout()->addWidget(grid);
    connect(grid, &SwatchGrid::cellClicked, this, guarded([this, grid](int cell) {
                if (const std::optional<Colour> colour = cellColour(grid, cell))
                    Q_EMIT colourChosen(*colour);
            }));
    grid->installEventFilter(this);
    return grid;
}

void ScalePanel::showMark(const Colour& colour, const QString& markName) {
    m_heading->setText(tr("Made from %1, %2").arg(markName, hexTriplet(colour)));
    showScale(colour);
    showHarmonies(colour);
}

void ScalePanel::showScale(const Colour& colour) {
    const auto steps = tintShadeScale(colour);
    m_scale->setStretchedRow(scaleStepCount);
    for (int i = 0; i < scaleStepCount; ++i) {
        const ScaleStep& step = steps[static_cast<std::size_t>(i)];
        m_scale->setCellColour(i, pack(step.colour));
        const QString hex = hexTriplet(step.colour);
        m_scale->setCellToolTip(i, step.isOrigin
                                       ? tr("Step %1: %2, the mark itself").arg(step.step).arg(hex)
                                       : tr("Step %1: %2").arg(step.step).arg(hex));
    }
}

void ScalePanel::showHarmonies(const Colour& colour) {
    for (std::size_t i = 0; i < harmonyRows.size(); ++i) {
        const std::vector<HarmonyColour> partners = harmonyColours(harmonyRows[i].harmony, colour);
        SwatchGrid* grid = m_harmonies[i];
        grid->setStretchedRow(static_cast<int>(partners.size()));
        for (std::size_t cell = 0; cell < partners.size(); ++cell) {
            const int index = static_cast<int>(cell);
            grid->setCellColour(index, pack(partners[cell].colour));
            grid->setCellToolTip(index, tr("Hue %1: %2")
                                            .arg(turnText(partners[cell].hueTurn),
                                                 hexTriplet(partners[cell].colour)));
        }
    }
}

std::optional<Colour> ScalePanel::cellColour(const SwatchGrid* grid, int cell) const {
    if (cell < 0 || cell >= grid->cellCount())
        return std::nullopt;
    return unpack(grid->cellColour(cell));
}

// Ctrl+C copies the focused swatch, and a left drag from a swatch carries its colour away; both
// are watched here so the grids stay the plain swatch grids of the other windows.
bool ScalePanel::eventFilter(QObject* watched, QEvent* event) {
    auto* grid = qobject_cast<SwatchGrid*>(watched);
    if (grid == nullptr)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        if (const std::optional<Colour> colour = cellColour(grid, grid->currentCell()))
            ErrorGuard::run([this, colour] { Q_EMIT copyRequested(*colour); });
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        m_dragGrid = mouse->button() == Qt::LeftButton ? grid : nullptr;
        m_dragCell = grid->cellAt(mouse->position().toPoint());
        m_dragStart = mouse->position().toPoint();
    } else if (event->type() == QEvent::MouseMove && m_dragGrid == grid && m_dragCell >= 0) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if ((mouse->position().toPoint() - m_dragStart).manhattanLength() >=
            QApplication::startDragDistance()) {
            const int cell = m_dragCell;
            m_dragGrid = nullptr;
            ErrorGuard::run([this, grid, cell] { startDrag(grid, cell); });
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ScalePanel::startDrag(SwatchGrid* grid, int cell) {
    const std::optional<Colour> colour = cellColour(grid, cell);
    if (!colour)
        return;
    auto* data = new QMimeData;
    data->setColorData(toQColor(*colour));
    data->setText(hexTriplet(*colour));
    QPixmap swatch(dragSwatchSide, dragSwatchSide);
    swatch.fill(toQColor(*colour));
    auto* drag = new QDrag(grid);
    drag->setMimeData(data);
    drag->setPixmap(swatch);
    drag->exec(Qt::CopyAction);
}

} // namespace tincta
