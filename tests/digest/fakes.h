#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include <cryptopp/cryptlib.h>

#include "digest/compute.h"
#include "digest/hash_to_hex.h"

// A window without a screen: answers from its fields and logs every call in order; a quiet one
// keeps no log (for millions of blocks). onCall runs first and may throw.
struct FakeWindow : digest::ComputeWindow {
    bool textInput = true, fileInput = false, quiet = false;
    std::array<bool, digest::kAlgorithmCount> ticked{};
    std::string memo, fileName;
    std::array<std::string, digest::kAlgorithmCount> results;
    int max = 100, steps = 0;
    digest::WindowBounds bounds{0, 0, 403, 610};
    std::vector<std::string> calls;
    std::function<void(const std::string&)> onCall;

    static std::string tag(std::size_t row) { return digest::kAlgorithms[row].tag; }
    void log(const std::string& call) {
        if (onCall)
            onCall(call);
        if (!quiet)
            calls.push_back(call);
    }
    bool TextInputChecked() override { return log("TextInputChecked"), textInput; }
    bool FileInputChecked() override { return log("FileInputChecked"), fileInput; }
    bool RowChecked(std::size_t row) override { return log("Checked " + tag(row)), ticked[row]; }
    std::string MemoText() override { return log("MemoText"), memo; }
    std::string InputFileName() override { return log("InputFileName"), fileName; }
    std::string NativeFileName(const std::string& name) override { return name; }
    void SetResultText(std::size_t row, const std::string& text) override {
        log("SetText " + tag(row) + " " + text), results[row] = text;
    }
    void SetProgressPosition(int v) override { log("Position " + std::to_string(v)); }
    void SetProgressMax(int v) override { log("Max " + std::to_string(v)), max = v; }
    int ProgressMax() override { return log("ReadMax"), max; }
    void SetProgressMin(int v) override { log("Min " + std::to_string(v)); }
    void SetProgressStep(int v) override { log("Step " + std::to_string(v)); }
    void ProgressStepIt() override { log("StepIt"), ++steps; }
    digest::WindowBounds FormBounds() override { return log("FormBounds"), bounds; }
    void ShowError(const std::string& text, int x, int y) override {
        log("ShowError " + text + " @" + std::to_string(x) + "," + std::to_string(y));
    }
};

// A row's real hash object that logs its life into the window's log.
struct RecordingHash : CryptoPP::HashTransformation {
    RecordingHash(std::size_t row, FakeWindow& w)
        : inner(digest::kAlgorithms[row].make()), tag(FakeWindow::tag(row)), w(w) {
        w.log("make " + tag);
    }
    ~RecordingHash() override { w.log("release " + tag); }
    void Update(const CryptoPP::byte* in, std::size_t n) override {
        w.log("Update " + tag + " " + std::to_string(n)), inner->Update(in, n);
    }
    unsigned int DigestSize() const override { return inner->DigestSize(); }
    void TruncatedFinal(CryptoPP::byte* out, std::size_t n) override {
        w.log("Final " + tag), inner->TruncatedFinal(out, n);
    }
    std::unique_ptr<CryptoPP::HashTransformation> inner;
    std::string tag;
    FakeWindow& w;
};

// HashToHex's state, and a directory of the test's own that goes with everything in it.
struct DigestTest : ::testing::Test {
    void SetUp() override { digest::MakeHexState(); }
    void TearDown() override {
        digest::EndHexState();
        std::filesystem::remove_all(dir);
    }
    std::string write(const std::string& bytes) const { // the test's file
        return std::ofstream(dir + "/f", std::ios::binary) << bytes, dir + "/f";
    }
    digest::HashSet::Maker recorded() {
        return [this](std::size_t r) { return std::make_unique<RecordingHash>(r, w); };
    }
    FakeWindow w;
    std::string dir = // a failing mkdtemp gives null: the string throws
        mkdtemp((std::filesystem::temp_directory_path() / "kestrum-XXXXXX").string().data());
};
