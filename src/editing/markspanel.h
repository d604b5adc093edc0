#pragma once

#include "palette/palettemodel.h"

#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QButtonGroup;
class QDropEvent;
class QLabel;
class QMimeData;
class QMouseEvent;
class QRadioButton;

namespace tincta {

class ColourBox;
class TrackedLineEdit;

// The six colour marks: a radio button to select each, its sample, its name box and its
// property letters. The marks show the palette model and hand the user's choices back to it.
// A colour dropped anywhere on a mark's row goes to that mark; outside pick mode a drag from the
// selected mark's sample carries its colour to other programs.
class MarksPanel : public QWidget {
    Q_OBJECT

public:
    MarksPanel(PaletteModel& model, QWidget* parent);

    // The selected mark's colour was edited: its name no longer names it, and marks that Find
    // JavaScript Names left without a name are unnamed again.
    void noteSelectedColourEdited();
    // Every name box back to its plain background, as after a save or Find JavaScript Names.
    void clearEditedNames();
    // Recomputes the property letters beside all six marks.
    void updatePropertyLetters();
    // In pick mode a press on the selected sample starts a screen pick; otherwise a drag from it
    // carries the colour out.
    void setSamplesActive(bool active);
    // How a dragged colour is written as text: the notation the clipboard gets.
    void setDragText(std::function<QString(const Colour&)> text) { m_dragText = std::move(text); }
    // What a drag from the selected sample carries: the colour as a colour and as text.
    std::unique_ptr<QMimeData> colourDragData() const;
    // The sample of a pick drag holds the pointer until the drag ends.
    void holdPointer(int mark);
    void releasePointer(int mark);
    // The controls in the order Tab visits them.
    std::vector<QWidget*> tabOrder() const;
    // What the selected mark's sample says about picking; desktops differ in how a pick starts.
    void setPickToolTip(const QString& toolTip);

    static QString pickFromSampleToolTip();

Q_SIGNALS:
    void samplePressed(int mark, Qt::MouseButton button);
    // The pointer position is global, in device-independent pixels with their fractions.
    void sampleMoved(int mark, Qt::MouseButtons buttons, QPointF pointer);
    void sampleReleased(int mark, Qt::MouseButton button);
    // A colour was dropped on a mark's row; the mark is selected already, the colour is for it.
    void colourDropped(tincta::Colour colour);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMark(int mark);
    void showPalette();
    void showColour(int mark, const Colour& colour);
    void showName(int mark, const QString& name);
    void showSelection(int mark);
    void onNameTyped(int mark);
    void onNameClicked(int mark);
    void setEdited(int mark, bool edited);
    // Everything a colour may be dropped on: radio button, sample and its cell, name, letters.
    std::array<QWidget*, 5> rowControls(int mark) const;
    // The mark whose row holds the control; -1 for any other object.
    int markOf(const QObject* control) const;
    bool onRowDropEvent(int mark, QDropEvent* event);
    bool onSampleMouse(int mark, const QMouseEvent* event);
    void startColourDrag(int mark);

    PaletteModel& m_model;
    QButtonGroup* m_markGroup;
    QWidget* m_sampleColumn;
    std::array<QRadioButton*, markCount> m_markButtons{};
    std::array<ColourBox*, markCount> m_samples{};
    std::array<TrackedLineEdit*, markCount> m_nameBoxes{};
    std::array<QLabel*, markCount> m_propertyLetters{};
    std::array<bool, markCount> m_edited{};
    // Typing into one name box until it loses the focus is one undo step.
    std::array<int, markCount> m_nameGestures{};
    QString m_pickToolTip = pickFromSampleToolTip();
    // A click into a name box selects the whole name, once after the box lost the focus.
    bool m_selectNameOnClick = true;
    bool m_pickMode = false;
    // Where the left button went down on the selected sample, until the drag starts.
    std::optional<QPoint> m_dragStart;
    std::function<QString(const Colour&)> m_dragText;
};

} // namespace tincta
