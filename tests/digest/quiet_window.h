#pragma once

#include "fake_window.h"

// A fake window that answers from its fields and records nothing, for runs of millions of
// calls (long files, benchmarks) where recording would be the cost. It counts the bar's steps.
class QuietWindow : public FakeWindow {
public:
    long long steps = 0;

    bool RowChecked(std::size_t row) override { return ticked[row]; }
    std::string MemoText() override { return memo; }
    void SetResultText(std::size_t row, const std::string& text) override { results[row] = text; }
    void SetProgressPosition(int) override {}
    void SetProgressMax(int) override {}
    int ProgressMax() override { return max; }
    void SetProgressMin(int) override {}
    void SetProgressStep(int) override {}
    void ProgressStepIt() override { ++steps; }
};
