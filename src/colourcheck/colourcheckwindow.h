#pragma once

#include <QPointer>
#include <QWidget>

namespace tincta {

class ColourVisionPanel;
class ContrastTable;
class PaletteModel;

// The Colour Check window: how well the marks contrast with each other as text and background,
// and which of them viewers with a colour vision deficiency may take for one another. It follows
// every change of the palette as it happens.
class ColourCheckWindow : public QWidget {
    Q_OBJECT

public:
    explicit ColourCheckWindow(const PaletteModel& palette);

private:
    void refresh();

    const PaletteModel& m_palette;
    ContrastTable* m_table;
    ColourVisionPanel* m_vision;
};

// Opens the Colour Check window beside the main window, one at most; it closes with the main
// window and never outlives the palette it shows.
class ColourCheck : public QObject {
    Q_OBJECT

public:
    ColourCheck(QWidget* mainWindow, const PaletteModel& palette);
    ~ColourCheck() override;

    // An open window is only brought forward.
    void open();
    // The open window, or nullptr.
    ColourCheckWindow* window() const { return m_window; }

private:
    QWidget* m_mainWindow;
    const PaletteModel& m_palette;
    QPointer<ColourCheckWindow> m_window;
};

} // namespace tincta
