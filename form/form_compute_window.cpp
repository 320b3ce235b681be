#include "form/form_compute_window.h"

#include <QFile>

#include "form/Unit1.h"
#include "platform/Dialogs.h"
#include "platform/ansi_text.h"

FormComputeWindow::FormComputeWindow(TForm1& form) : form_(form) {}

bool FormComputeWindow::TextInputChecked() { return form_.RadioButtonString->isChecked(); }

bool FormComputeWindow::FileInputChecked() { return form_.RadioButtonFile->isChecked(); }

bool FormComputeWindow::RowChecked(std::size_t row) { return form_.AlgorithmBox(row)->Checked(); }

std::string FormComputeWindow::MemoText() { return ToAnsiText(form_.Memo1->Text()); }

std::string FormComputeWindow::InputFileName() { return form_.EditInputFile->Text().toStdString(); }

std::string FormComputeWindow::NativeFileName(const std::string& name) {
    return QFile::encodeName(QString::fromStdString(name)).toStdString();
}

void FormComputeWindow::SetResultText(std::size_t row, const std::string& text) {
    form_.ResultField(row)->SetText(QString::fromStdString(text));
}

void FormComputeWindow::SetProgressPosition(int value) { form_.ProgressBar1->SetPosition(value); }

void FormComputeWindow::SetProgressMax(int value) { form_.ProgressBar1->SetMax(value); }

int FormComputeWindow::ProgressMax() { return form_.ProgressBar1->Max(); }

void FormComputeWindow::SetProgressMin(int value) { form_.ProgressBar1->SetMin(value); }

void FormComputeWindow::SetProgressStep(int value) { form_.ProgressBar1->SetStep(value); }

void FormComputeWindow::ProgressStepIt() { form_.ProgressBar1->StepIt(); }

digest::WindowBounds FormComputeWindow::FormBounds() {
    // The message is placed over the main window, which handlers reach through Form1.
    return {Form1->Left(), Form1->Top(), Form1->Width(), Form1->Height()};
}

void FormComputeWindow::ShowError(const std::string& text, int x, int y) {
    MessageDlgPos(QString::fromStdString(text), mtError, mbOK, 0, x, y);
}
