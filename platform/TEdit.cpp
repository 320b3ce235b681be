#include "platform/TEdit.h"

#include <QClipboard>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QMouseEvent>

#include "platform/TApplication.h"

namespace {

// The hit-test code of a press in a window's client area.
constexpr int HTCLIENT = 1;

TMouseButton MouseButton(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return mbLeft;
    case Qt::RightButton:
        return mbRight;
    default:
        return mbMiddle; // the class library names no other button
    }
}

TShiftState ShiftState(const QMouseEvent& event) {
    const Qt::KeyboardModifiers keys = event.modifiers();
    const Qt::MouseButtons buttons = event.buttons();
    TShiftState state = 0;
    if (keys & Qt::ShiftModifier)
        state |= ssShift;
    if (keys & Qt::AltModifier)
        state |= ssAlt;
    if (keys & Qt::ControlModifier)
        state |= ssCtrl;
    if (buttons & Qt::LeftButton)
        state |= ssLeft;
    if (buttons & Qt::RightButton)
        state |= ssRight;
    if (buttons & Qt::MiddleButton)
        state |= ssMiddle;
    if (event.type() == QEvent::MouseButtonDblClick)
        state |= ssDouble;
    return state;
}

} // namespace

TEdit::TEdit(QWidget* parent) : QLineEdit(parent) {}

void TEdit::SetText(const QString& value) {
    if (value == text())
        return;
    setText(value);
    // QLineEdit leaves the cursor at the end, which would show only a long text's tail.
    setCursorPosition(0);
}

void TEdit::SetSelLength(int value) {
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    // The caret moves to the selection's far end; QLineEdit scrolls to the caret as it paints,
    // whether or not it has the focus.
    setSelection(start, value);
}

void TEdit::SelectAll() {
    selectAll();
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (hasSelectedText() && echoMode() == Normal && clipboard->supportsSelection())
        clipboard->setText(selectedText(), QClipboard::Selection);
}

void TEdit::NotifyMousePress(const QMouseEvent& event) {
    Guarded(this, [&] {
        TMouseActivate activate = maDefault;
        const QPoint at = event.position().toPoint();
        emit OnMouseActivate(this, MouseButton(event.button()), ShiftState(event), at.x(), at.y(),
                             HTCLIENT, activate);
    });
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
    Guarded(this, [&] {
        const Selection before = selection();
        QLineEdit::focusInEvent(event);

        const bool entry = IsFocusEntry(*event);
        const bool leftPress = event->reason() == Qt::MouseFocusReason &&
                               (QGuiApplication::mouseButtons() & Qt::LeftButton);
        // QLineEdit selects all by itself on keyboard entry; the rule here is ours alone.
        if (autoSelect_ && entry && !leftPress)
            SelectAll();
        else
            restore(before);

        if (entry)
            emit OnEnter(this);
    });
}

void TEdit::focusOutEvent(QFocusEvent* event) {
    Guarded(this, [&] {
        const Selection before = selection();
        QLineEdit::focusOutEvent(event);
        if (!hideSelection_)
            restore(before); // QLineEdit drops the selection on the way out
    });
}

void TEdit::mousePressEvent(QMouseEvent* event) {
    Guarded(this, [&] {
        click_.press(*event);
        QLineEdit::mousePressEvent(event);
    });
}

void TEdit::mouseDoubleClickEvent(QMouseEvent* event) {
    Guarded(this, [&] {
        QLineEdit::mouseDoubleClickEvent(event);
        click_.doubleClick(*event);
    });
}

void TEdit::mouseReleaseEvent(QMouseEvent* event) {
    Guarded(this, [&] {
        QLineEdit::mouseReleaseEvent(event);
        if (click_.release(*this, *event))
            emit OnClick(this);
    });
}
