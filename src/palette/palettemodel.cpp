#include "palette/palettemodel.h"

#include "palette/palettestep.h"

#include <QUndoStack>
#include <algorithm>

namespace tincta {

namespace {

bool isPlaceholderPair(const QString& saved, const QString& shown) {
    return (saved == notJavaScriptColour && shown == typeAColourName) ||
           (saved == typeAColourName && shown == notJavaScriptColour);
}

} // namespace

PaletteModel::PaletteModel(QObject* parent) : QObject(parent), m_steps(new QUndoStack(this)) {
    connect(m_steps, &QUndoStack::indexChanged, this, &PaletteModel::undoStepsChanged);
    load(defaultPalette());
}

PaletteModel::~PaletteModel() {
    // The stack says it is empty as it goes; the model must still be whole to pass that on.
    delete m_steps;
}

PaletteMarks PaletteModel::defaultPalette() {
    const QString unnamed(typeAColourName);
    return PaletteMarks{{
        {unnamed, {255, 0, 0}},
        {unnamed, {255, 255, 0}},
        {unnamed, {0, 255, 0}},
        {unnamed, {0, 255, 255}},
        {unnamed, {0, 0, 255}},
        {unnamed, {255, 0, 255}},
    }};
}

void PaletteModel::load(const PaletteMarks& marks) {
    m_saved = marks;
    m_marks = marks;
    for (PaletteMark& mark : m_marks) {
        if (mark.name == notJavaScriptColour)
            mark.name = typeAColourName;
    }
    m_selected = 0;
    m_steps->clear();
    Q_EMIT paletteReset();
}

void PaletteModel::setColour(int mark, const Colour& colour) {
    Colour& current = m_marks[index(mark)].colour;
    if (current == colour)
        return;
    const PaletteEdit edit(*this, EditKind::ColourChange);
    current = colour;
    Q_EMIT colourChanged(mark, colour);
}

void PaletteModel::setName(int mark, const QString& name) {
    QString& current = m_marks[index(mark)].name;
    if (current == name)
        return;
    const PaletteEdit edit(*this, EditKind::NameChange);
    current = name;
    Q_EMIT nameChanged(mark, name);
}

void PaletteModel::select(int mark) {
    m_selected = mark;
    Q_EMIT selectionChanged(mark);
}

void PaletteModel::markSaved() {
    for (std::size_t i = 0; i < m_marks.size(); ++i)
        m_saved[i] = PaletteMark{writtenName(m_marks[i].name), m_marks[i].colour};
    Q_EMIT paletteSaved();
}

bool PaletteModel::isModified() const {
    for (std::size_t i = 0; i < m_marks.size(); ++i) {
        if (m_saved[i].colour != m_marks[i].colour)
            return true;
        const QString& shown = m_marks[i].name;
        const QString& saved = m_saved[i].name;
        if (shown != saved && !isPlaceholderPair(saved, shown))
            return true;
    }
    return false;
}

void PaletteModel::beginEdit(EditKind kind, int gesture) {
    if (m_editDepth++ > 0 || m_restoring)
        return;
    m_editStart = state();
    m_editKind = kind;
    m_editGesture = gesture;
}

void PaletteModel::endEdit() {
    if (--m_editDepth > 0 || m_restoring || m_editStart.marks == m_marks)
        return;
    EditKind kind = m_editKind;
    const bool coloursKept =
        std::equal(m_marks.begin(), m_marks.end(), m_editStart.marks.begin(),
                   [](const PaletteMark& a, const PaletteMark& b) { return a.colour == b.colour; });
    // Editing a colour may only turn placeholder names into one another; that is no colour change.
    if (kind == EditKind::ColourChange && coloursKept)
        kind = EditKind::NameChange;
    m_steps->push(new PaletteStep(*this, kind, m_editGesture, m_editStart, state()));
}

void PaletteModel::restore(const PaletteState& state) {
    m_restoring = true;
    for (int mark = 0; mark < markCount; ++mark) {
        setColour(mark, state.marks[index(mark)].colour);
        setName(mark, state.marks[index(mark)].name);
    }
    select(state.selected);
    m_restoring = false;
}

void PaletteModel::undo() {
    m_steps->undo();
}

void PaletteModel::redo() {
    m_steps->redo();
}

std::optional<EditKind> PaletteModel::kindAt(int stepIndex) const {
    // Every step on the stack is a palette step; outside the stack there is none.
    const auto* step = static_cast<const PaletteStep*>(m_steps->command(stepIndex));
    if (step == nullptr)
        return std::nullopt;
    return step->kind();
}

std::optional<EditKind> PaletteModel::kindToUndo() const {
    return kindAt(m_steps->index() - 1);
}

std::optional<EditKind> PaletteModel::kindToRedo() const {
    return kindAt(m_steps->index());
}

PaletteEdit::PaletteEdit(PaletteModel& model, EditKind kind, int gesture) : m_model(model) {
    m_model.beginEdit(kind, gesture);
}

PaletteEdit::~PaletteEdit() {
    m_model.endEdit();
}

} // namespace tincta
