#include "palettewindows/palettewindows.h"

#include "gui/platform/errorguard.h"
#include "gui/widgets/sidewindow.h"
#include "gui/widgets/widgethelpers.h"
#include "gui/widgets/windowplacement.h"
#include "palettewindows/fixedpalettewindow.h"
#include "palettewindows/javascriptwindow.h"
#include "settings/settingsrecord.h"

#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

namespace tincta {

namespace {

QPushButton* addButton(QLayout* column, const char* name, const QString& caption,
                       const QString& toolTip) {
    auto* button = named(new QPushButton(caption, column->parentWidget()), name);
    button->setToolTip(toolTip);
    button->setAutoDefault(false);
    column->addWidget(button);
    return button;
}

auto makeFixedPaletteWindow(const FixedPalette& palette) {
    return [&palette] { return std::make_unique<FixedPaletteWindow>(palette); };
}

void loadFixedPalette(FixedPaletteWindow& window) {
    window.load();
}

} // namespace

// Creates and fills a window unless one is open, then shows it. A window that fails to fill is
// not kept: the error handler closes everything anyway.
template <typename Window, typename Make, typename Load>
void PaletteWindows::openOnce(QPointer<Window>& window, Make make, const QWidget* anchor,
                              bool below, Load load) {
    if (window.isNull() || window->isClosed()) {
        std::unique_ptr<Window> created = make();
        waitWithMainWindow(created.get(), m_mainWindow);
        load(*created);
        placeBeside(created.get(), anchor, below ? Placement::Below : Placement::Right,
                    m_mainWindow);
        connect(created.get(), &PaletteWindow::colourChosen, this, &PaletteWindows::colourChosen);
        window = created.release();
    }
    bringForward(window);
}

PaletteWindows::PaletteWindows(QWidget* mainWindow, const SettingsRecord& settings)
    : QObject(mainWindow), m_mainWindow(mainWindow), m_settings(settings),
      m_buttons(new QWidget(mainWindow)) {
    auto* column = new QVBoxLayout(m_buttons);
    column->setContentsMargins(0, 0, 0, 0);
    const auto open = [this](QPushButton* button, void (PaletteWindows::*opener)()) {
        connect(button, &QPushButton::clicked, this,
                guarded([this, opener] { (this->*opener)(); }));
    };
    open(addButton(column, "cmdWebsafe", tr("Websafe Palette"),
                   tr("Click here to open the Websafe Palette")),
         &PaletteWindows::openWebsafe);
    open(addButton(column, "cmdFailsafe", tr("Failsafe Palette"),
                   tr("Click here to open the Failsafe Palette")),
         &PaletteWindows::openFailsafe);
    open(addButton(column, "cmdJavaScript", tr("JavaScript Palette"),
                   tr("Click here to open the JavaScript Palette")),
         &PaletteWindows::openJavaScript);
    column->addStretch(1);
}

PaletteWindows::~PaletteWindows() {
    // The windows call into the main window's sliders; they must not outlive it.
    delete m_websafe.data();
    delete m_failsafe.data();
    delete m_javaScript.data();
}

FixedPaletteWindow* PaletteWindows::websafe() const {
    return m_websafe;
}

FixedPaletteWindow* PaletteWindows::failsafe() const {
    return m_failsafe;
}

JavaScriptWindow* PaletteWindows::javaScript() const {
    return m_javaScript;
}

void PaletteWindows::openWebsafe() {
    openOnce(m_websafe, makeFixedPaletteWindow(websafePalette), m_mainWindow, true,
             loadFixedPalette);
}

void PaletteWindows::openFailsafe() {
    const QWidget* anchor = m_websafe.isNull() || m_websafe->isClosed()
                                ? m_mainWindow
                                : static_cast<const QWidget*>(m_websafe.data());
    openOnce(m_failsafe, makeFixedPaletteWindow(failsafePalette), anchor, true, loadFixedPalette);
}

void PaletteWindows::openJavaScript() {
    openOnce(
        m_javaScript, [] { return std::make_unique<JavaScriptWindow>(); }, m_mainWindow, false,
        [this](JavaScriptWindow& window) { window.load(m_settings.sortIndex); });
}

} // namespace tincta
