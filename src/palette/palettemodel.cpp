#include "palette/palettemodel.h"

namespace tincta {

namespace {

bool isPlaceholderPair(const QString& saved, const QString& shown) {
    return (saved == notJavaScriptColour && shown == typeAColourName) ||
           (saved == typeAColourName && shown == notJavaScriptColour);
}

} // namespace

PaletteModel::PaletteModel(QObject* parent) : QObject(parent) {
    load(defaultPalette());
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
    Q_EMIT paletteReset();
}

void PaletteModel::setColour(int mark, const Colour& colour) {
    Colour& current = m_marks[index(mark)].colour;
    if (current == colour)
        return;
    current = colour;
    Q_EMIT colourChanged(mark, colour);
}

void PaletteModel::setName(int mark, const QString& name) {
    QString& current = m_marks[index(mark)].name;
    if (current == name)
        return;
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

} // namespace tincta
