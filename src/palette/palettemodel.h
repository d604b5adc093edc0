#pragma once

#include "palette/editkind.h"
#include "palette/palettefile.h"

#include <QObject>
#include <optional>

class QUndoStack;

namespace tincta {

inline constexpr int markCount = paletteMarkCount;

// What the marks and the selection are at one moment; an undo step goes from one to another.
struct PaletteState {
    PaletteMarks marks;
    int selected = 0;
};

// The palette the user is working on: six marks (colour and name), which one is selected, and
// the state last loaded or saved, against which a change is judged. Each view of a mark follows
// the signals here, so a sample always shows its mark's colour.
//
// Every change of a mark is one step of the undo stack. Changes made while a `PaletteEdit` is
// open join its step; a change made outside one is a step of its own.
class PaletteModel : public QObject {
    Q_OBJECT

public:
    explicit PaletteModel(QObject* parent = nullptr);
    ~PaletteModel() override;

    // Six unnamed marks in red, yellow, green, cyan, blue and magenta.
    static PaletteMarks defaultPalette();

    Colour colour(int mark) const { return m_marks[index(mark)].colour; }
    const QString& name(int mark) const { return m_marks[index(mark)].name; }
    const PaletteMarks& marks() const { return m_marks; }
    int selectedMark() const { return m_selected; }
    Colour selectedColour() const { return colour(m_selected); }

    // Shows a palette and makes it the saved state, with the first mark selected. A name box shows
    // the placeholder of a colour without a JavaScript name as an unnamed mark. What was done to
    // the palette before can no longer be undone.
    void load(const PaletteMarks& marks);
    void setColour(int mark, const Colour& colour);
    void setName(int mark, const QString& name);
    void select(int mark);
    // The palette was written: what it holds now is the saved state.
    void markSaved();
    // Whether the marks differ from the palette last loaded or saved.
    bool isModified() const;

    // A number that no gesture has had yet: edits of one gesture merge into one step.
    int newGesture() { return ++m_lastGesture; }
    void undo();
    void redo();
    // What Undo and Redo would take back or do again; nothing when there is no such step.
    std::optional<EditKind> kindToUndo() const;
    std::optional<EditKind> kindToRedo() const;
    // Shows a state a step left behind: every changed mark, then the selection, as if selected.
    void restore(const PaletteState& state);

Q_SIGNALS:
    void colourChanged(int mark, tincta::Colour colour);
    void nameChanged(int mark, const QString& name);
    void selectionChanged(int mark);
    // A whole palette was loaded: every mark, the selection and the saved state are new.
    void paletteReset();
    void paletteSaved();
    // A step was added, undone or redone, or the steps were dropped.
    void undoStepsChanged();

private:
    friend class PaletteEdit;

    static std::size_t index(int mark) { return static_cast<std::size_t>(mark); }
    PaletteState state() const { return PaletteState{m_marks, m_selected}; }
    void beginEdit(EditKind kind, int gesture);
    void endEdit();
    std::optional<EditKind> kindAt(int stepIndex) const;

    PaletteMarks m_marks;
    PaletteMarks m_saved;
    int m_selected = 0;
    QUndoStack* m_steps;
    // The outermost open edit: what the palette was before it, and how its step is told.
    int m_editDepth = 0;
    PaletteState m_editStart;
    EditKind m_editKind = EditKind::ColourChange;
    int m_editGesture = 0;
    bool m_restoring = false;
    int m_lastGesture = 0;
};

// While it lives, every change of the marks belongs to one undo step of the given kind; edits
// opened inside it join it. Steps of the same non-zero gesture that follow each other merge.
class PaletteEdit {
public:
    PaletteEdit(PaletteModel& model, EditKind kind, int gesture = 0);
    ~PaletteEdit();
    PaletteEdit(const PaletteEdit&) = delete;
    PaletteEdit& operator=(const PaletteEdit&) = delete;

private:
    PaletteModel& m_model;
};

} // namespace tincta
