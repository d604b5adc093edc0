#pragma once

#include "gui/platform/services.h"

class QWidget;

namespace tincta {

class PaletteModel;

// What the palette's colours are in web terms: the properties of the selected colour, and
// naming every mark after its JavaScript colour.
class ColourProperties {
public:
    ColourProperties(QWidget* window, PaletteModel& model, MessageBoxes& messages);

    // Describes the selected colour; offers its JavaScript name when the mark is named otherwise.
    void describeSelectedColour();
    // Names every mark after its JavaScript colour, or "Not JavaScript colour".
    void findJavaScriptNames();

private:
    MessageAnswer inform(const QString& text, MessageButtons buttons);

    QWidget* m_window;
    PaletteModel& m_model;
    MessageBoxes& m_messages;
};

} // namespace tincta
