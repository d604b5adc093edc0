#pragma once

#include "palette/palettemodel.h"

#include <QUndoCommand>

namespace tincta {

// One undo step: the palette before and after it. Undo shows the state before, redo the state
// after, selection included, so a step that selected a mark takes that selection back too.
class PaletteStep : public QUndoCommand {
public:
    PaletteStep(PaletteModel& model, EditKind kind, int gesture, PaletteState before,
                PaletteState after);

    EditKind kind() const { return m_kind; }
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;
    void undo() override;
    void redo() override;

private:
    PaletteModel& m_model;
    EditKind m_kind;
    int m_gesture;
    PaletteState m_before;
    PaletteState m_after;
    // The step is recorded after it happened: the stack's first redo has nothing left to do.
    bool m_done = true;
};

} // namespace tincta
