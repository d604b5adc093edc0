#pragma once

#include <QLineEdit>
#include <limits>

namespace tincta {

// A one-line text box that reports how it gained the focus, clicks, double clicks and Enter, can
// turn typed letters into capitals (pasted text is left as it is), and limits what the user
// types without ever cutting a text the program puts in it.
class TrackedLineEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TrackedLineEdit(QWidget* parent = nullptr);

    void setUpperCaseTyping(bool on) { m_upperCaseTyping = on; }
    // The longest text typing, pasting or dropping may leave, in UTF-16 units; a character whose
    // two units do not both fit is refused whole. Text set by code is kept whole however long,
    // and typing into such a text never makes it longer.
    void setTypingLimit(int units) { m_typingLimit = units; }
    // Leaves the keys of Undo and Redo to the window's commands.
    void setWindowUndo(bool on) { m_windowUndo = on; }

Q_SIGNALS:
    void focusGained(Qt::FocusReason reason);
    void focusLost();
    void clicked();
    void doubleClicked();
    void enterPressed();

protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void limitTypedText();

    bool m_upperCaseTyping = false;
    bool m_windowUndo = false;
    int m_typingLimit = std::numeric_limits<int>::max();
    int m_eventDepth = 0;
    bool m_judgeEdits = false;
    bool m_edited = false;
    QString m_textBeforeEvent;
};

// Whether focus arrived by the Tab key (either direction).
inline bool isTabFocus(Qt::FocusReason reason) {
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
}

} // namespace tincta
