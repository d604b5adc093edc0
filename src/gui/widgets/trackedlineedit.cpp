#include "gui/widgets/trackedlineedit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <optional>

namespace tincta {

namespace {

struct LimitedText {
    QString text;
    qsizetype cursor;
};

bool endsAlike(QStringView a, QStringView b, qsizetype length) {
    return length <= a.size() && length <= b.size() && a.right(length) == b.right(length);
}

qsizetype commonPrefix(QStringView a, QStringView b, qsizetype most) {
    qsizetype length = 0;
    while (length < most && a[length] == b[length])
        ++length;
    return length;
}

// `after` is `before` with a part replaced by what the user typed, pasted or dropped, which
// ends at `cursor`. Cuts that insertion so the text stays within `limit`, or, when what is left
// of `before` is already longer, drops it; nullopt when nothing needs cutting.
std::optional<LimitedText> limitInsertion(QStringView before, QStringView after, qsizetype cursor,
                                          qsizetype limit) {
    if (after.size() <= limit)
        return std::nullopt;
    qsizetype suffix = after.size() - cursor;
    if (!endsAlike(before, after, suffix)) {
        // Not inserted at the caret (a drop): take the longest unchanged end instead.
        suffix = 0;
        while (endsAlike(before, after, suffix + 1))
            ++suffix;
    }
    const qsizetype most = std::min(before.size(), after.size()) - suffix;
    const qsizetype prefix = commonPrefix(before, after, std::min(most, cursor));
    qsizetype room = std::max<qsizetype>(limit - prefix - suffix, 0);
    if (after.size() - prefix - suffix <= room)
        return std::nullopt;
    if (room > 0 && after[prefix + room - 1].isHighSurrogate())
        --room;
    QString text = after.left(prefix + room).toString();
    text.append(after.right(suffix));
    return LimitedText{text, prefix + room};
}

bool isUndoOrRedoKey(const QKeyEvent* key) {
    const QKeyCombination pressed = key->keyCombination();
    return key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
           pressed == QKeyCombination(Qt::ControlModifier, Qt::Key_Y) ||
           pressed == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z);
}

bool isUndoOrRedo(const QEvent* event) {
    return event->type() == QEvent::KeyPress &&
           isUndoOrRedoKey(static_cast<const QKeyEvent*>(event));
}

} // namespace

TrackedLineEdit::TrackedLineEdit(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textEdited, this, [this] { m_edited = true; });
}

// Every edit by the user arrives inside an event to this box (keys, input method, drop, the
// context menu's Paste), so it is judged against the text as it stood before the outermost one.
// Undo and redo only bring back a text the box held before, as a plain length limit allows.
bool TrackedLineEdit::event(QEvent* event) {
    // The window's Undo and Redo take back whole edits of the palette, typing included; the
    // box's own history would only fight them, also while the window has nothing to undo.
    const bool keyEvent =
        event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress;
    if (m_windowUndo && keyEvent && isUndoOrRedoKey(static_cast<const QKeyEvent*>(event))) {
        event->ignore();
        return false;
    }
    // A box deleted later (an item view's editor) is gone when the event returns.
    if (event->type() == QEvent::DeferredDelete)
        return QLineEdit::event(event);
    if (m_eventDepth++ == 0) {
        m_textBeforeEvent = text();
        m_judgeEdits = !isUndoOrRedo(event);
        m_edited = false;
    }
    const bool handled = QLineEdit::event(event);
    if (--m_eventDepth == 0 && m_edited && m_judgeEdits)
        limitTypedText();
    return handled;
}

void TrackedLineEdit::limitTypedText() {
    const QString typed = text();
    const std::optional<LimitedText> limited =
        limitInsertion(m_textBeforeEvent, typed, cursorPosition(), m_typingLimit);
    if (!limited)
        return;
    setText(limited->text);
    setCursorPosition(static_cast<int>(limited->cursor));
}

void TrackedLineEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    Q_EMIT focusGained(event->reason());
}

void TrackedLineEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    Q_EMIT focusLost();
}

void TrackedLineEdit::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        Q_EMIT clicked();
}

void TrackedLineEdit::mouseDoubleClickEvent(QMouseEvent* event) {
    QLineEdit::mouseDoubleClickEvent(event);
    Q_EMIT doubleClicked();
}

void TrackedLineEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Q_EMIT enterPressed();
        return;
    }
    const QString text = event->text();
    if (m_upperCaseTyping && !text.isEmpty() && text != text.toUpper() &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        QKeyEvent upper(event->type(), event->key(), event->modifiers(), text.toUpper(),
                        event->isAutoRepeat(), static_cast<ushort>(event->count()));
        QLineEdit::keyPressEvent(&upper);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace tincta
