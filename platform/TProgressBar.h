#pragma once

#include <QProgressBar>

// Horizontal bar filled by (Position - Min) / (Max - Min). Position always lies within Min to
// Max; setting an equal value changes nothing; a range with Min above Max is refused.
class TProgressBar : public QProgressBar {
    Q_OBJECT

public:
    explicit TProgressBar(QWidget* parent = nullptr);

    int Min() const { return minimum(); }
    int Max() const { return maximum(); }
    int Position() const { return position_; }
    int Step() const { return step_; }

    void SetMin(int value) { setParams(value, maximum()); }
    void SetMax(int value) { setParams(minimum(), value); }
    void SetPosition(int value);
    void SetStep(int value) { step_ = value; }

    // Advances Position by Step and shows it at once, without the event loop.
    void StepIt();

private:
    void setParams(int newMin, int newMax);

    // The bar draws `value()`, which follows position_ once the difference is worth a pixel.
    int position_ = 0;
    int step_ = 10;
};
