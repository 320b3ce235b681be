#include "platform/TEdit.h"

#include <QFocusEvent>
#include <QGuiApplication>
#include <QMouseEvent>

TEdit::TEdit(QWidget* parent) : QLineEdit(parent) {}

void TEdit::SetText(const QString& value) {
    if (value == text())
        return;
    setText(value);
    // QLineEdit leaves the cursor at the end, which would show only a long text's tail.
    setCursorPosition(0);
}

TEdit::Selection TEdit::selection() const {
    return {selectionStart(), selectionLength(), cursorPosition()};
}

void TEdit::restore(const Selection& s) {
    if (s.length == 0) {
        setCursorPosition(s.cursor);
        return;
    }
    // Keep the cursor at whichever end it stood.
    if (s.cursor == s.start)
        setSelection(s.start + s.length, -s.length);
    else
        setSelection(s.start, s.length);
}

void TEdit::focusInEvent(QFocusEvent* event) {
    const Selection before = selection();
    QLineEdit::focusInEvent(event);

    const bool entry = IsFocusEntry(*event);
    const bool leftPress = event->reason() == Qt::MouseFocusReason &&
                           (QGuiApplication::mouseButtons() & Qt::LeftButton);
    // QLineEdit selects all by itself on keyboard entry; the rule here is ours alone.
    if (autoSelect_ && entry && !leftPress)
        selectAll();
    else
        restore(before);

    if (entry)
        emit OnEnter(this);
}

void TEdit::focusOutEvent(QFocusEvent* event) {
    const Selection before = selection();
    QLineEdit::focusOutEvent(event);
    if (!hideSelection_)
        restore(before); // QLineEdit drops the selection on the way out
}

void TEdit::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit OnClick(this);
}
