#pragma once

#include "palette/palettefile.h"

#include <QObject>

namespace tincta {

inline constexpr int markCount = paletteMarkCount;

// The palette the user is working on: six marks (colour and name), which one is selected, and
// the state last loaded or saved, against which a change is judged. Each view of a mark follows
// the signals here, so a sample always shows its mark's colour.
class PaletteModel : public QObject {
    Q_OBJECT

public:
    explicit PaletteModel(QObject* parent = nullptr);

    // Six unnamed marks in red, yellow, green, cyan, blue and magenta.
    static PaletteMarks defaultPalette();

    Colour colour(int mark) const { return m_marks[index(mark)].colour; }
    const QString& name(int mark) const { return m_marks[index(mark)].name; }
    const PaletteMarks& marks() const { return m_marks; }
    int selectedMark() const { return m_selected; }
    Colour selectedColour() const { return colour(m_selected); }

    // Shows a palette and makes it the saved state, with the first mark selected. A name box shows
    // the placeholder of a colour without a JavaScript name as an unnamed mark.
    void load(const PaletteMarks& marks);
    void setColour(int mark, const Colour& colour);
    void setName(int mark, const QString& name);
    void select(int mark);
    // The palette was written: what it holds now is the saved state.
    void markSaved();
    // Whether the marks differ from the palette last loaded or saved.
    bool isModified() const;

Q_SIGNALS:
    void colourChanged(int mark, tincta::Colour colour);
    void nameChanged(int mark, const QString& name);
    void selectionChanged(int mark);
    // A whole palette was loaded: every mark, the selection and the saved state are new.
    void paletteReset();
    void paletteSaved();

private:
    static std::size_t index(int mark) { return static_cast<std::size_t>(mark); }

    PaletteMarks m_marks;
    PaletteMarks m_saved;
    int m_selected = 0;
};

} // namespace tincta
