#pragma once

#include "app/appstate.h"

class QWidget;

namespace tincta {

class MessageBoxes;
class SelectedColour;
class TrackedLineEdit;
struct MainWindowUi;

// Typing the selected colour as three decimal or hex values, or as one HTML hex value.
class ValueEntry {
public:
    ValueEntry(QWidget* window, MainWindowUi& ui, AppState& state, SelectedColour& selected,
               MessageBoxes& messages);

    void cmdSetColor_Click();
    void setFromDecimalFields();
    void setFromHexFields();
    void setFromHtmlHex();
    // Dec or Hex chosen: the fields are rewritten in the new notation.
    void optSetDec_Click();
    void optSetHex_Click();
    void mnuEditPasteHTMLHex_Click();
    void field_GotFocus(TrackedLineEdit* field, bool byTab);
    void field_EnterPressed(TrackedLineEdit* field);

    bool htmlHexMode() const;

private:
    template <typename Parse> void setFromFields(Parse parse, const QString& invalidMessage);

    QWidget* m_window;
    MainWindowUi& m_ui;
    AppState& m_state;
    SelectedColour& m_selected;
    MessageBoxes& m_messages;
};

} // namespace tincta
