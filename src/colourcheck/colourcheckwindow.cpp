#include "colourcheck/colourcheckwindow.h"

#include "colourcheck/colourvisionpanel.h"
#include "colourcheck/contrastsuggestions.h"
#include "colourcheck/contrasttable.h"
#include "colourcheck/scalepanel.h"
#include "gui/platform/errorguard.h"
#include "gui/widgets/programicon.h"
#include "gui/widgets/sidewindow.h"
#include "gui/widgets/widgethelpers.h"
#include "gui/widgets/windowplacement.h"
#include "palette/paletteexchange.h"
#include "palette/palettemodel.h"

#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tincta {

namespace {

// Each page scrolls on a screen too small for it, so the window fits any screen.
QScrollArea* scrolling(QWidget* page, const QString& name) {
    auto* area = new QScrollArea;
    area->setAccessibleName(name);
    area->setWidget(page);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    return area;
}

MarkNames userNames(const PaletteModel& palette) {
    MarkNames names;
    for (int mark = 0; mark < checkedMarkCount; ++mark) {
        const QString& name = palette.name(mark);
        if (!isPlaceholderName(name))
            names[static_cast<std::size_t>(mark)] = name;
    }
    return names;
}

} // namespace

ColourCheckWindow::ColourCheckWindow(const PaletteModel& palette)
    : QWidget(nullptr, Qt::Window), m_palette(palette),
      m_tabs(named(new QTabWidget(this), "tabColourCheck")), m_table(new ContrastTable),
      m_suggestions(new ContrastSuggestions), m_vision(new ColourVisionPanel),
      m_scale(named(new ScalePanel, "fraScale")) {
    setObjectName(QStringLiteral("frmColourCheck"));
    setWindowTitle(tr("Colour Check"));
    setWindowIcon(tinctaIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    makeSideWindow(this);
    m_tabs->setAccessibleName(tr("Pages of the Colour Check"));
    m_tabs->addTab(scrolling(contrastPage(), tr("Contrast")), tr("C&ontrast"));
    m_tabs->addTab(scrolling(m_vision, tr("Colour blindness")), tr("Colour &blindness"));
    m_tabs->addTab(scrolling(m_scale, tr("Scale and harmonies")), tr("&Scale and harmonies"));
    auto* page = new QVBoxLayout(this);
    page->addWidget(m_tabs);

    connect(&palette, &PaletteModel::colourChanged, this, guarded([this] { refresh(); }));
    connect(&palette, &PaletteModel::nameChanged, this, guarded([this] { refresh(); }));
    connect(&palette, &PaletteModel::selectionChanged, this, guarded([this] { refresh(); }));
    connect(&palette, &PaletteModel::paletteReset, this, guarded([this] { refresh(); }));
    connect(m_table, &QTableWidget::currentCellChanged, this,
            guarded([this] { showSuggestions(); }));
    connect(m_suggestions, &ContrastSuggestions::applyRequested, this,
            &ColourCheckWindow::colourChosen);
    connect(m_scale, &ScalePanel::colourChosen, this,
            [this](Colour colour) { Q_EMIT colourChosen(m_palette.selectedMark(), colour); });
    connect(m_scale, &ScalePanel::copyRequested, this, &ColourCheckWindow::copyRequested);
    m_table->setCurrentCell(0, 1);
    // The table is what the window is about; Tab goes on to the suggestions for its current cell.
    m_table->setFocus();
    refresh();
}

QWidget* ColourCheckWindow::contrastPage() {
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    auto* caption = new QLabel(tr("&Contrast of text in the row's colour on the column's:"), page);
    caption->setBuddy(m_table);
    column->addWidget(caption);
    column->addWidget(m_table);
    auto* legend = new QLabel(tr("In each cell the WCAG 2.x contrast ratio, the level met by "
                                 "normal / large text (\u2013 for none) and the APCA lightness "
                                 "contrast Lc. Choose a cell for the nearest passing colours."),
                              page);
    legend->setWordWrap(true);
    column->addWidget(legend);
    column->addWidget(m_suggestions);
    column->addStretch(1);
    return page;
}

// A scroll area asks for a modest size whatever it holds; the window asks for its largest page
// whole, with the tab bar and frames about it.
QSize ColourCheckWindow::preferredSize() const {
    // Sizes follow the style's fonts, which a window gets only when polished.
    ensurePolished();
    QSize pages;
    QSize areas;
    for (int i = 0; i < m_tabs->count(); ++i) {
        const auto* area = static_cast<const QScrollArea*>(m_tabs->widget(i));
        pages = pages.expandedTo(area->widget()->sizeHint());
        areas = areas.expandedTo(area->sizeHint());
    }
    // Room for a scroll bar each way, so that a rounding pixel short never brings both.
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const QSize chrome = sizeHint() - areas + QSize(scrollBar, scrollBar);
    // Room is left for the window frame; what does not fit scrolls.
    return (pages + chrome).boundedTo(screen()->availableSize() * 0.9);
}

void ColourCheckWindow::refresh() {
    MarkColours colours{};
    for (int mark = 0; mark < checkedMarkCount; ++mark)
        colours[static_cast<std::size_t>(mark)] = m_palette.colour(mark);
    const MarkNames names = userNames(m_palette);
    const int selected = m_palette.selectedMark();
    m_table->showMarks(colours, names, selected);
    m_vision->showMarks(colours);
    m_scale->showMark(m_palette.selectedColour(), markCalled(names, selected));
    showSuggestions();
}

void ColourCheckWindow::showSuggestions() {
    const int text = std::max(m_table->currentRow(), 0);
    const int background = std::max(m_table->currentColumn(), 0);
    const MarkNames names = userNames(m_palette);
    m_suggestions->showPair(text, m_palette.colour(text), markCalled(names, text), background,
                            m_palette.colour(background), markCalled(names, background));
}

// Narrower where that lets the window open beside the main window rather than over it: its pages
// scroll. Room is left for the window frames.
QSize ColourCheck::fittedBeside(QSize preferred, QSize smallest) const {
    constexpr int frameRoom = 24;
    const QRect screen = m_mainWindow->screen()->availableGeometry();
    const int room = screen.right() - m_mainWindow->frameGeometry().right() - frameRoom;
    if (room >= smallest.width() && room < preferred.width())
        preferred.setWidth(room);
    return preferred;
}

ColourCheck::ColourCheck(QWidget* mainWindow, const PaletteModel& palette)
    : QObject(mainWindow), m_mainWindow(mainWindow), m_palette(palette) {}

ColourCheck::~ColourCheck() {
    // The window follows the main window's palette; it must not outlive it.
    delete m_window.data();
}

void ColourCheck::open() {
    // A window closed a moment ago is on its way out: a new one takes its place.
    if (m_window.isNull() || !m_window->isVisible()) {
        auto* window = new ColourCheckWindow(m_palette);
        connect(window, &ColourCheckWindow::colourChosen, this, &ColourCheck::colourChosen);
        connect(window, &ColourCheckWindow::copyRequested, this, &ColourCheck::copyRequested);
        waitWithMainWindow(window, m_mainWindow);
        window->resize(fittedBeside(window->preferredSize(), window->minimumSizeHint()));
        placeBeside(window, m_mainWindow, Placement::Right);
        m_window = window;
    }
    bringForward(m_window);
}

} // namespace tincta
