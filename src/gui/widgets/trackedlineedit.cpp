#include "gui/widgets/trackedlineedit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace tincta {

TrackedLineEdit::TrackedLineEdit(QWidget* parent) : QLineEdit(parent) {}

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
