#pragma once

#include "colour/colour.h"
#include "colour/notation.h"

#include <QObject>
#include <QString>
#include <optional>

class QLabel;
class QListWidget;
class QTimer;
class QWidget;

namespace tincta {

class PaletteModel;
class SettingsRecord;

// What a notation of `colour` is written from while `palette`'s selected mark holds it.
NotationSource selectedMarkSource(const PaletteModel& palette, const Colour& colour,
                                  const QString& customTemplate);

// The notation list, the label of what goes to the clipboard, and the clipboard timer: every
// rendering restarts the quiet count, and the timer copies once the colour has rested for three
// ticks, then stops until the next rendering.
class NotationPanel : public QObject {
    Q_OBJECT

public:
    NotationPanel(const SettingsRecord& settings, const PaletteModel& palette, QWidget* parent);

    QListWidget* notationList() const { return m_list; }
    QWidget* clipboardRow() const { return m_clipboardRow; }

    // Writes the colour in the chosen notation (or its JavaScript name) into the label.
    void render(const Colour& colour);
    // The colour as the label would show it; empty while no notation is chosen.
    QString textOf(const Colour& colour) const;
    // Puts a colour other than the selected one on the clipboard now, in the chosen notation, as
    // the user asked by copying it.
    void copyColour(const tincta::Colour& colour);
    // Puts a notation of the selected mark's colour that the user chose to copy on the clipboard
    // now.
    void copyText(const QString& text);
    // The notation chosen before the window was last left, or the stored standard one.
    void setRememberedNotation(int index) { m_rememberedNotation = index; }
    // At the end of the start and whenever the window becomes active: the remembered notation
    // comes back and the colour is rendered, so it goes to the clipboard.
    void showRememberedNotation(const Colour& colour);
    // The same at the end of the start: that first copy is the program's, not a colour the user
    // chose, so colourCopied does not tell it.
    void showStartColour(const Colour& colour);
    void windowDeactivated();
    // Copy JavaScript Names: the label gets the colour's JavaScript name instead of a notation,
    // and the list is set aside until the mode ends.
    void setJavaScriptNamesMode(bool on, const Colour& colour);
    bool javaScriptNamesMode() const { return m_javaScriptNames; }

    static constexpr int ticksBeforeCopy = 3;

Q_SIGNALS:
    // The colour has rested: the third quiet tick, just before the copy.
    void colourRested();
    // A colour went to the clipboard as the text: after a change of the colour or when the user
    // copied it. A copy that only repeats the colour because the window became active again is
    // not told.
    void colourCopied(tincta::Colour colour, const QString& text);

private:
    void buildClipboardRow(QWidget* parent);
    void showSentText(const QString& text);
    // Nothing while no notation is chosen: the label then keeps what it shows.
    std::optional<QString> renderedText(const Colour& colour) const;
    void onTick();
    void copyToClipboard();
    void putOnClipboard(const QString& text);

    const SettingsRecord& m_settings;
    const PaletteModel& m_palette;
    QListWidget* m_list;
    QWidget* m_clipboardRow = nullptr;
    QLabel* m_clipboardLabel = nullptr;
    QTimer* m_timer;
    Colour m_colour{};
    int m_rememberedNotation = 0;
    bool m_javaScriptNames = false;
    int m_ticksSinceChange = 0;
    // Whether the copy the timer is waiting to make follows a change of the colour.
    bool m_copyFollowsChange = false;
};

} // namespace tincta
