#include "platform/TProgressBar.h"

#include <algorithm>

#include "platform/Exception.h"

TProgressBar::TProgressBar(QWidget* parent) : QProgressBar(parent) {
    setTextVisible(false);
    setRange(0, 100);
    setValue(0);
}

void TProgressBar::SetPosition(int value) {
    const int position = std::clamp(value, minimum(), maximum());
    // QProgressBar::setValue repaints at once, and only when the drawn bar changes.
    if (position != this->value())
        setValue(position);
}

void TProgressBar::StepIt() {
    const long long next = static_cast<long long>(value()) + step_;
    SetPosition(static_cast<int>(std::clamp<long long>(next, minimum(), maximum())));
}

void TProgressBar::setParams(int newMin, int newMax) {
    if (newMin > newMax)
        throw Exception("TProgressBar property out of range");
    if (newMin == minimum() && newMax == maximum())
        return;
    const int position = std::clamp(value(), newMin, newMax);
    // Moved into both ranges first, so QProgressBar does not reset it to "no value".
    if (position >= minimum() && position <= maximum())
        setValue(position);
    setRange(newMin, newMax);
    setValue(position);
    // A new range redraws the whole bar; the event loop may not run before the next step.
    repaint();
}
