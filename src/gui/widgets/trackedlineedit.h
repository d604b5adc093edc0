#pragma once

#include <QLineEdit>

namespace tincta {

// A one-line text box that reports how it gained the focus, clicks, double clicks and Enter, and
// can turn typed letters into capitals (pasted text is left as it is).
class TrackedLineEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TrackedLineEdit(QWidget* parent = nullptr);

    void setUpperCaseTyping(bool on) { m_upperCaseTyping = on; }

Q_SIGNALS:
    void focusGained(Qt::FocusReason reason);
    void focusLost();
    void clicked();
    void doubleClicked();
    void enterPressed();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool m_upperCaseTyping = false;
};

// Whether focus arrived by the Tab key (either direction).
inline bool isTabFocus(Qt::FocusReason reason) {
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
}

} // namespace tincta
