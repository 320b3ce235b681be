#pragma once

#include <cstddef>
#include <string>

namespace digest {

// The main window's outer rectangle on the screen, frame and caption included.
struct WindowBounds {
    int left;
    int top;
    int width;
    int height;
};

// What the compute operation reads from and writes to the window, and nothing more. Every read
// is made at the moment the operation needs it; nothing is cached on either side.
// Texts are UTF-8 unless said otherwise.
class ComputeWindow {
public:
    virtual ~ComputeWindow() = default;

    virtual bool TextInputChecked() = 0; // RadioButtonString
    virtual bool FileInputChecked() = 0; // RadioButtonFile
    virtual bool RowChecked(std::size_t row) = 0;

    // The memo's text as Windows-1251 bytes with CR LF line breaks.
    virtual std::string MemoText() = 0;
    // The file name field exactly as it holds it.
    virtual std::string InputFileName() = 0;
    // The same name in the file system's own encoding, for opening.
    virtual std::string NativeFileName(const std::string& name) = 0;

    // A text equal to the field's present one changes nothing.
    virtual void SetResultText(std::size_t row, const std::string& text) = 0;

    virtual void SetProgressPosition(int value) = 0;
    virtual void SetProgressMax(int value) = 0;
    virtual int ProgressMax() = 0;
    virtual void SetProgressMin(int value) = 0;
    virtual void SetProgressStep(int value) = 0;
    virtual void ProgressStepIt() = 0; // shows the new position at once

    virtual WindowBounds FormBounds() = 0;
    // A modal error box with the top-left corner at (x, y); a negative coordinate centres
    // the box on the screen along that axis.
    virtual void ShowError(const std::string& text, int x, int y) = 0;
};

} // namespace digest
