#include "platform/TButton.h"

#include <QKeyEvent>

TButton::TButton(QWidget* parent) : QPushButton(parent) {
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this] { emit OnClick(this); });
}

void TButton::keyPressEvent(QKeyEvent* event) {
    // Outside a dialog QPushButton ignores Enter.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (enter && plain && !event->isAutoRepeat()) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void TButton::focusInEvent(QFocusEvent* event) {
    QPushButton::focusInEvent(event);
    if (IsFocusEntry(*event))
        emit OnEnter(this);
}
