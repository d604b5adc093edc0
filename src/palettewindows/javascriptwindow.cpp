#include "palettewindows/javascriptwindow.h"

#include "colour/colourtables.h"
#include "gui/platform/errorguard.h"
#include "gui/widgets/programicon.h"
#include "gui/widgets/swatchgrid.h"
#include "gui/widgets/uitext.h"

#include <QActionGroup>
#include <QIcon>
#include <QToolBar>

namespace tincta {

namespace {

const QString windowName = QStringLiteral("frmJavaScript");
const UiText windowCaption{QT_TRANSLATE_NOOP("tincta", "JavaScript")};
const QString toolbarName = QStringLiteral("tbrSortTools");
const QString gridName = QStringLiteral("lblJavaScriptColor");
const QString alphabeticallyKey = QStringLiteral("Alphabetically");
const UiText alphabeticallyToolTip{QT_TRANSLATE_NOOP("tincta", "Sort alphabetically")};
const QString alphabeticallyImage = QStringLiteral("back");
const QString dotNetKey = QStringLiteral("DotNet");
const UiText dotNetToolTip{QT_TRANSLATE_NOOP("tincta", "Sort like Visual Studio .NET")};
const QString dotNetImage = QStringLiteral("forward");

constexpr QSize clientTwips(1755, 5415);
constexpr int toolbarTwips = 420;
constexpr int squareTwips = 250;
constexpr int columns = 7;
constexpr int toolbarIconSize = 16;
constexpr int sortByDotNet = 1;

std::vector<QRect> squares(double scale) {
    std::vector<QRect> cells;
    cells.reserve(javaScriptCount);
    for (int i = 0; i < javaScriptCount; ++i) {
        // Rounded as the window places them, below the toolbar, then made relative to the grid.
        const QRect inWindow =
            scaledTwipsRect(scale, squareTwips * (i % columns),
                            toolbarTwips + squareTwips * (i / columns), squareTwips, squareTwips);
        cells.push_back(
            inWindow.translated(0, -scaledTwipsRect(scale, 0, 0, 0, toolbarTwips).height()));
    }
    return cells;
}

QAction* addSortButton(QToolBar* toolbar, QActionGroup* group, const QString& key,
                       const QString& toolTip, const QString& image) {
    // The tooltip is also the name a screen reader gives the button.
    QAction* button = toolbar->addAction(programIcon(image), toolTip);
    button->setObjectName(key);
    button->setToolTip(toolTip);
    button->setCheckable(true);
    group->addAction(button);
    // A toolbar's buttons skip Tab, yet the sort order has no other way in from the keyboard.
    toolbar->widgetForAction(button)->setFocusPolicy(Qt::TabFocus);
    return button;
}

} // namespace

JavaScriptWindow::JavaScriptWindow()
    : PaletteWindow(windowName, windowCaption, clientTwips), m_sortToolbar(new QToolBar(this)),
      m_grid(new SwatchGrid(this)) {
    const int toolbarHeight = scaledTwipsRect(scale(), 0, 0, 0, toolbarTwips).height();
    m_sortToolbar->setObjectName(toolbarName);
    m_sortToolbar->setMovable(false);
    m_sortToolbar->setFloatable(false);
    m_sortToolbar->setIconSize(QSize(toolbarIconSize, toolbarIconSize));
    m_sortToolbar->setGeometry(0, 0, width(), toolbarHeight);
    auto* group = new QActionGroup(m_sortToolbar);
    group->setExclusive(true);
    m_alphabetically = addSortButton(m_sortToolbar, group, alphabeticallyKey, alphabeticallyToolTip,
                                     alphabeticallyImage);
    m_dotNet = addSortButton(m_sortToolbar, group, dotNetKey, dotNetToolTip, dotNetImage);
    m_alphabetically->setChecked(true);
    connect(group, &QActionGroup::triggered, this,
            guarded([this](const QAction* button) { onSortChosen(button); }));

    m_grid->setObjectName(gridName);
    m_grid->setAccessibleName(tr("JavaScript colours"));
    m_grid->setFocus();
    m_grid->setCellRects(squares(scale()));
    m_grid->setGeometry(0, toolbarHeight, width(), height() - toolbarHeight);
    connect(m_grid, &SwatchGrid::cellPressed, this,
            guarded([this](int index, Qt::MouseButton button) { onCellPressed(index, button); }));
}

void JavaScriptWindow::load(int sortIndex) {
    // Only 0 and 1 pass the settings check; anything else shows the alphabetical order, which is
    // also the table a press reads while the first button is down.
    if (sortIndex == sortByDotNet) {
        fillDotNet();
        m_dotNet->setChecked(true);
    } else {
        fillAlphabetical();
        m_alphabetically->setChecked(true);
    }
}

void JavaScriptWindow::onSortChosen(const QAction* button) {
    if (button->objectName() == alphabeticallyKey)
        fillAlphabetical();
    else if (button->objectName() == dotNetKey)
        fillDotNet();
}

void JavaScriptWindow::onCellPressed(int index, Qt::MouseButton button) {
    if (button != Qt::LeftButton)
        return;
    const ColourTables& tables = colourTables();
    const auto& colours =
        m_alphabetically->isChecked() ? tables.javaScriptColours : tables.dotNetColours;
    Q_EMIT colourChosen(unpack(colours.at(static_cast<std::size_t>(index))));
}

void JavaScriptWindow::fillAlphabetical() {
    const ColourTables& tables = colourTables();
    fill(tables.javaScriptColours, tables.javaScriptCaptions);
}

void JavaScriptWindow::fillDotNet() {
    const ColourTables& tables = colourTables();
    fill(tables.dotNetColours, tables.dotNetCaptions);
}

void JavaScriptWindow::fill(const std::array<PackedColour, javaScriptCount>& colours,
                            const std::array<QString, javaScriptCount>& captions) {
    for (int i = 0; i < javaScriptCount; ++i) {
        const auto square = static_cast<std::size_t>(i);
        m_grid->setCellColour(i, colours[square]);
        m_grid->setCellToolTip(i, captions[square]);
    }
}

} // namespace tincta
