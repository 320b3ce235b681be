#pragma once

#include <array>
#include <string>

#include "digest/algorithms.h"
#include "digest/compute_window.h"

namespace bench {

// A window that answers from its fields, draws nothing and records nothing but the bar's steps:
// for runs of millions of calls, where recording would be the cost.
struct QuietWindow : digest::ComputeWindow {
    bool textInput = true, fileInput = false;
    std::array<bool, digest::kAlgorithmCount> ticked{};
    std::string memo, fileName;
    std::array<std::string, digest::kAlgorithmCount> results;
    long long steps = 0;

    bool TextInputChecked() override { return textInput; }
    bool FileInputChecked() override { return fileInput; }
    bool RowChecked(std::size_t row) override { return ticked[row]; }
    std::string MemoText() override { return memo; }
    std::string InputFileName() override { return fileName; }
    std::string NativeFileName(const std::string& name) override { return name; }
    void SetResultText(std::size_t row, const std::string& text) override { results[row] = text; }
    void SetProgressPosition(int) override {}
    void SetProgressMax(int) override {}
    int ProgressMax() override { return 100; }
    void SetProgressMin(int) override {}
    void SetProgressStep(int) override {}
    void ProgressStepIt() override { ++steps; }
    digest::WindowBounds FormBounds() override { return {}; }
    void ShowError(const std::string&, int, int) override {}
};

} // namespace bench
