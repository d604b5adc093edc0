#pragma once

#include "colour/colour.h"
#include "palette/editkind.h"

#include <QObject>
#include <array>
#include <vector>

class QScrollBar;
class QWidget;

namespace tincta {

class ColourBox;
class MessageBoxes;
class PaletteModel;
class SwatchGrid;
class ValueEntry;

// Edits the selected mark's colour: the red, green and blue sliders with their tags, the typed
// values, and the colour bar of 256 shades. The sliders are the single source of the colour:
// every editor ends by moving them, and each real move refreshes every display of the colour.
class ColourEditor : public QObject {
    Q_OBJECT

public:
    ColourEditor(PaletteModel& model, MessageBoxes& messages, QWidget* parent);

    QWidget* sliders() const { return m_sliders; }
    ValueEntry* valueEntry() const { return m_valueEntry; }
    SwatchGrid* colourBar() const { return m_colourBar; }
    // The controls in the order Tab visits them.
    std::vector<QWidget*> tabOrder() const;

    // The slider positions as a colour.
    Colour colour() const;
    // Moves the sliders red, green, blue in that order, as the user would; each real change
    // refreshes the selected colour as an edit, and all of them are one undo step.
    void setColour(const Colour& colour, EditKind kind = EditKind::ColourChange);
    void setHtmlHexMode(bool on);
    void focusRedSlider();

    // The preview of a screen pick takes the sliders' place while a pick drag lasts.
    void showPickPreview(bool shown);
    void setPickPreviewColour(const Colour& colour);

Q_SIGNALS:
    // Every display of the selected colour is up to date; `byEdit` tells an edit of its colour
    // from showing another mark or palette.
    void refreshed(tincta::Colour colour, bool byEdit);

protected:
    // Tells the gestures on the sliders apart: what one press of the mouse or of a key does to
    // them (a drag, a held key) is one undo step.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QScrollBar* makeSlider(const char* name, const QString& accessibleName);
    ColourBox* makeTag(const char* name, PackedColour colour, const QString& accessibleName);
    void buildSliders();
    // Brings the selected mark, the value fields and the colour bar up to date with the sliders.
    void refresh(bool byEdit);
    // Shows the selected mark's colour without counting it as an edit.
    void showSelectedMark();
    void fillColourBar(const Colour& colour);
    void onColourBarClicked(int cell);

    PaletteModel& m_model;
    QWidget* m_sliders;
    std::array<QScrollBar*, 3> m_channelSliders{};
    std::array<ColourBox*, 3> m_tags{};
    ColourBox* m_pickPreview = nullptr;
    ValueEntry* m_valueEntry;
    SwatchGrid* m_colourBar;
    // The gesture the sliders are in; 0 between gestures.
    int m_sliderGesture = 0;
};

} // namespace tincta
