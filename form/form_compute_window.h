#pragma once

#include "digest/compute_window.h"

class TForm1;

// The real window serving the compute operation for one press; the controls' state is read
// at each call.
class FormComputeWindow : public digest::ComputeWindow {
public:
    explicit FormComputeWindow(TForm1& form);

    bool TextInputChecked() override;
    bool FileInputChecked() override;
    bool RowChecked(std::size_t row) override;
    std::string MemoText() override;
    std::string InputFileName() override;
    std::string NativeFileName(const std::string& name) override;
    void SetResultText(std::size_t row, const std::string& text) override;
    void SetProgressPosition(int value) override;
    void SetProgressMax(int value) override;
    int ProgressMax() override;
    void SetProgressMin(int value) override;
    void SetProgressStep(int value) override;
    void ProgressStepIt() override;
    digest::WindowBounds FormBounds() override;
    void ShowError(const std::string& text, int x, int y) override;

private:
    TForm1& form_;
};
