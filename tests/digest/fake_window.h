#pragma once

#include <algorithm>
#include <array>
#include <functional>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "digest/algorithms.h"
#include "digest/compute_window.h"

// A window without a screen: it answers from its fields and records every call in order.
class FakeWindow : public digest::ComputeWindow {
public:
    bool textInput = true, fileInput = false;
    std::array<bool, digest::kAlgorithmCount> ticked{};
    std::string memo, fileName;
    std::array<std::string, digest::kAlgorithmCount> results;
    int min = 0, max = 100, position = 0, step = 10;
    digest::WindowBounds bounds{0, 0, 403, 610};

    std::vector<std::string> calls;
    // Runs before each recorded call; a test may throw from it.
    std::function<void(const std::string&)> onCall;

    void tickAll() { ticked.fill(true); }
    static std::string tag(std::size_t row) { return digest::kAlgorithms[row].tag; }

    bool TextInputChecked() override { return log("TextInputChecked"), textInput; }
    bool FileInputChecked() override { return log("FileInputChecked"), fileInput; }
    bool RowChecked(std::size_t row) override { return log("Checked " + tag(row)), ticked[row]; }
    std::string MemoText() override { return log("MemoText"), memo; }
    std::string InputFileName() override { return log("InputFileName"), fileName; }
    std::string NativeFileName(const std::string& name) override { return name; }
    void SetResultText(std::size_t row, const std::string& text) override {
        if (results[row] != text)
            log("SetText Edit" + tag(row) + " " + text), results[row] = text;
    }
    void SetProgressPosition(int v) override {
        log("Position " + std::to_string(v));
        position = std::clamp(v, min, max);
    }
    void SetProgressMax(int v) override { log("Max " + std::to_string(v)), setRange(min, v); }
    int ProgressMax() override { return log("ReadMax"), max; }
    void SetProgressMin(int v) override { log("Min " + std::to_string(v)), setRange(v, max); }
    void SetProgressStep(int v) override { log("Step " + std::to_string(v)), step = v; }
    void ProgressStepIt() override {
        log("StepIt");
        position = std::clamp(position + step, min, max);
    }
    digest::WindowBounds FormBounds() override { return log("FormBounds"), bounds; }
    void ShowError(const std::string& text, int x, int y) override {
        log("ShowError " + text + " @" + std::to_string(x) + "," + std::to_string(y));
    }

    // Calls whose text starts with prefix.
    std::vector<std::string> callsStartingWith(const std::string& prefix) const {
        std::vector<std::string> out;
        std::copy_if(calls.begin(), calls.end(), std::back_inserter(out),
                     [&](const std::string& c) { return c.rfind(prefix, 0) == 0; });
        return out;
    }

private:
    void log(const std::string& call) {
        if (onCall)
            onCall(call);
        calls.push_back(call);
    }
    void setRange(int newMin, int newMax) {
        if (newMin > newMax)
            throw std::range_error("Min above Max");
        min = newMin, max = newMax;
        position = std::clamp(position, min, max);
    }
};
