#include "platform/TProgressBar.h"

#include <algorithm>
#include <cstdlib>

#include "platform/Exception.h"

TProgressBar::TProgressBar(QWidget* parent) : QProgressBar(parent) {
    setTextVisible(false);
    setRange(0, 100);
    setValue(0);
}

void TProgressBar::SetPosition(int value) {
    const int position = std::clamp(value, minimum(), maximum());
    if (position == position_)
        return;
    position_ = position;
    // QProgressBar::setValue repaints at once when the drawn bar changes, but its own test of
    // that is costly; a file run steps once per kilobyte. Ask it only once the difference is
    // worth a pixel of the bar's width, and always at either end.
    const long long range = static_cast<long long>(maximum()) - minimum();
    const long long behind = std::abs(static_cast<long long>(position) - this->value());
    if (behind * width() >= range || position == minimum() || position == maximum())
        setValue(position);
}

void TProgressBar::StepIt() {
    const long long next = static_cast<long long>(position_) + step_;
    SetPosition(static_cast<int>(std::clamp<long long>(next, minimum(), maximum())));
}

void TProgressBar::setParams(int newMin, int newMax) {
    if (newMin > newMax)
        throw Exception("TProgressBar property out of range");
    if (newMin == minimum() && newMax == maximum())
        return;
    position_ = std::clamp(position_, newMin, newMax);
    // Moved into both ranges first, so QProgressBar does not reset it to "no value".
    if (position_ >= minimum() && position_ <= maximum())
        setValue(position_);
    setRange(newMin, newMax);
    setValue(position_);
    // A new range redraws the whole bar; the event loop may not run before the next step.
    repaint();
}
