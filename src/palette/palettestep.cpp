#include "palette/palettestep.h"

namespace tincta {

namespace {

// Steps of one gesture share this id, so the stack offers each new one to the step before it.
constexpr int gestureStepId = 1;

} // namespace

PaletteStep::PaletteStep(PaletteModel& model, EditKind kind, int gesture, PaletteState before,
                         PaletteState after)
    : m_model(model), m_kind(kind), m_gesture(gesture), m_before(std::move(before)),
      m_after(std::move(after)) {}

int PaletteStep::id() const {
    return m_gesture != 0 ? gestureStepId : -1;
}

bool PaletteStep::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const PaletteStep*>(other);
    if (next->m_gesture != m_gesture || next->m_kind != m_kind)
        return false;
    m_after = next->m_after;
    // A drag back to where it started leaves nothing to undo.
    setObsolete(m_after.marks == m_before.marks);
    return true;
}

void PaletteStep::undo() {
    m_model.restore(m_before);
}

void PaletteStep::redo() {
    if (m_done) {
        m_done = false;
        return;
    }
    m_model.restore(m_after);
}

} // namespace tincta
