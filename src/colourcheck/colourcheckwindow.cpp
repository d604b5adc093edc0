#include "colourcheck/colourcheckwindow.h"

#include "colourcheck/colourvisionpanel.h"
#include "colourcheck/contrasttable.h"
#include "gui/platform/errorguard.h"
#include "gui/widgets/sidewindow.h"
#include "gui/widgets/svgicon.h"
#include "gui/widgets/windowplacement.h"
#include "palette/palettemodel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace tincta {

ColourCheckWindow::ColourCheckWindow(const PaletteModel& palette)
    : QWidget(nullptr, Qt::Window), m_palette(palette), m_table(new ContrastTable(this)),
      m_vision(new ColourVisionPanel(this)) {
    setObjectName(QStringLiteral("frmColourCheck"));
    setWindowTitle(tr("Colour Check"));
    setWindowIcon(svgIcon(QStringLiteral(":/icons/tincta.svg")));
    setAttribute(Qt::WA_DeleteOnClose);
    makeSideWindow(this);

    auto* contrastColumn = new QVBoxLayout;
    auto* caption = new QLabel(tr("&Contrast of text in the row's colour on the column's:"), this);
    caption->setBuddy(m_table);
    contrastColumn->addWidget(caption);
    contrastColumn->addWidget(m_table);
    auto* legend = new QLabel(tr("In each cell the WCAG 2.x contrast ratio, then the level met "
                                 "by normal / large text (\u2013 for none)."),
                              this);
    legend->setWordWrap(true);
    contrastColumn->addWidget(legend);
    contrastColumn->addStretch(1);
    auto* page = new QHBoxLayout(this);
    page->addLayout(contrastColumn);
    page->addWidget(m_vision);

    connect(&palette, &PaletteModel::colourChanged, this, guarded([this] { refresh(); }));
    connect(&palette, &PaletteModel::selectionChanged, this, guarded([this] { refresh(); }));
    connect(&palette, &PaletteModel::paletteReset, this, guarded([this] { refresh(); }));
    refresh();
}

void ColourCheckWindow::refresh() {
    MarkColours colours{};
    for (int mark = 0; mark < checkedMarkCount; ++mark)
        colours[static_cast<std::size_t>(mark)] = m_palette.colour(mark);
    m_table->showMarks(colours, m_palette.selectedMark());
    m_vision->showMarks(colours);
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
        waitWithMainWindow(window, m_mainWindow);
        window->adjustSize();
        placeBeside(window, m_mainWindow, Placement::Right);
        m_window = window;
    }
    bringForward(m_window);
}

} // namespace tincta
