#include "platform/TButton.h"

#include <QKeyEvent>

#include "platform/TApplication.h"

TButton::TButton(QWidget* parent) : QPushButton(parent) {
    connect(this, &QPushButton::clicked, this,
            [this] { Guarded(this, [this] { emit OnClick(this); }); });
}

void TButton::keyPressEvent(QKeyEvent* event) {
    Guarded(this, [&] {
        // Outside a dialog QPushButton ignores Enter.
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (enter && plain && !event->isAutoRepeat()) {
            click();
            return;
        }
        QPushButton::keyPressEvent(event);
    });
}

void TButton::focusInEvent(QFocusEvent* event) {
    Guarded(this, [&] {
        QPushButton::focusInEvent(event);
        if (IsFocusEntry(*event))
            emit OnEnter(this);
    });
}
