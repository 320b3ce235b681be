#pragma once

#include <QProgressBar>

// Horizontal bar filled by (Position - Min) / (Max - Min). Position always lies within Min to
// Max; setting an equal value changes nothing; a range with Min above Max is refused.
class TProgressBar : public QProgressBar {
    Q_OBJECT

public:
    explicit TProgressBar(QWidget* parent = nullptr);

    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    int Step() const { return step_; }

    void SetMin(int value) { setParams(value, max_); }
    void SetMax(int value) { setParams(min_, value); }
    void SetPosition(int value);
    void SetStep(int value) { step_ = value; }

    // Advances Position by Step and shows it at once, without the event loop.
    void StepIt();

private:
    void setParams(int newMin, int newMax);
    void draw();

    // Kept here rather than asked of QProgressBar: a file run reads them for every kilobyte.
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int step_ = 10;
    // What the bar draws; it follows position_ once the difference is worth a pixel.
    int drawn_ = 0;
};
