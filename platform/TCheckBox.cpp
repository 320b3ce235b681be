#include "platform/TCheckBox.h"

#include <QFocusEvent>

#include "platform/TApplication.h"

TCheckBox::TCheckBox(QWidget* parent) : QCheckBox(parent) {
    UseBoxCaptionSpacing(*this);
    connect(this, &QAbstractButton::toggled, this, [this](bool on) { checked_ = on; });
}

void TCheckBox::focusInEvent(QFocusEvent* event) {
    Guarded(this, [&] {
        QCheckBox::focusInEvent(event);
        if (IsFocusEntry(*event))
            emit OnEnter(this);
    });
}
