#include "platform/TRadioButton.h"

#include <QFocusEvent>

#include "platform/TApplication.h"

namespace {

void followCheck(QRadioButton& button, bool checked) {
    // A mouse press must still give an unchecked button the focus.
    button.setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus);
}

} // namespace

TRadioButton::TRadioButton(QWidget* parent) : QRadioButton(parent) {
    UseBoxCaptionSpacing(*this);
    followCheck(*this, isChecked());
    connect(this, &QAbstractButton::toggled, this, [this](bool on) { followCheck(*this, on); });
}

void TRadioButton::focusInEvent(QFocusEvent* event) {
    Guarded(this, [&] {
        QRadioButton::focusInEvent(event);
        if (IsFocusEntry(*event))
            emit OnEnter(this);
    });
}
