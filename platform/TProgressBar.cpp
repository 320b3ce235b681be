#include "platform/TProgressBar.h"

#include <algorithm>
#include <cstdlib>

#include <QApplication>
#include <QPointer>
#include <QStyle>
#include <QStyleFactory>

#include "platform/Exception.h"

namespace {

// The classic look draws a bar in a tenth of the time Fusion's gradients take, and a file run
// repaints it for every pixel it grows.
QStyle* classicStyle() {
    static QPointer<QStyle> style;
    if (!style && (style = QStyleFactory::create("Windows")))
        style->setParent(qApp); // released with the application
    return style;
}

} // namespace

TProgressBar::TProgressBar(QWidget* parent) : QProgressBar(parent) {
    if (QStyle* style = classicStyle())
        setStyle(style);
    setTextVisible(false);
    setValue(position_); // QProgressBar starts with "no value", in the same range
}

void TProgressBar::SetPosition(int value) {
    const int position = std::clamp(value, min_, max_);
    if (position == position_)
        return;
    position_ = position;
    // QProgressBar::setValue repaints at once when the drawn bar changes, but its own test of
    // that is costly; a file run steps once per kilobyte. Ask it only once the difference is
    // worth a pixel of the bar's width, and always at either end.
    const long long range = static_cast<long long>(max_) - min_;
    const long long behind = std::abs(static_cast<long long>(position) - drawn_);
    if (behind * width() >= range || position == min_ || position == max_)
        draw();
}

void TProgressBar::StepIt() {
    SetPosition(static_cast<int>(
        std::clamp<long long>(static_cast<long long>(position_) + step_, min_, max_)));
}

void TProgressBar::draw() {
    drawn_ = position_;
    setValue(drawn_);
}

void TProgressBar::setParams(int newMin, int newMax) {
    if (newMin > newMax)
        throw Exception("TProgressBar property out of range");
    if (newMin == min_ && newMax == max_)
        return;
    // One bound moves at a time, so the position kept in the new range lies in the old one too:
    // drawn first, it stays through the range change, which would reset one outside to "no value".
    position_ = std::clamp(position_, newMin, newMax);
    draw();
    min_ = newMin;
    max_ = newMax;
    setRange(min_, max_);
    // A new range redraws the whole bar; the event loop may not run before the next step.
    repaint();
}
