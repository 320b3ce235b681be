#pragma once

#include <array>

#include "digest/algorithms.h"
#include "platform/Controls.h"
#include "platform/TForm.h"
#include "ui_TForm1.h"

class TOpenDialog;

// The window's unit: its module state lives from Unit1::Initialize to Unit1::Finalize.
namespace Unit1 {
void Initialize();
void Finalize();
} // namespace Unit1

// The main window. Its controls and their bindings come from the layout (TForm1.ui); each
// control is a public field of the same name.
class TForm1 : public TForm, public Ui::TForm1 {
    Q_OBJECT

public:
    explicit TForm1(QWidget* Owner = nullptr);

    TOpenDialog* OpenDialog1;

    // A row's check box and result field, rows in the algorithm table's order.
    TCheckBox* AlgorithmBox(std::size_t row) const { return boxes_[row]; }
    TEdit* ResultField(std::size_t row) const { return fields_[row]; }

public slots:
    void Button2Click(TObject* Sender);
    void OpenDialog1Close(TObject* Sender);
    void Button1Click(TObject* Sender);
    void MD_OnCheckedFile(TObject* Sender);
    void MD_OnCheckedString(TObject* Sender);
    void Image1Click(TObject* Sender);
    void EditClick(TObject* Sender);
    void ClearSel(TObject* Sender);
    void EditActivate(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y,
                      int HitTest, TMouseActivate& MouseActivate);

private:
    std::array<TCheckBox*, digest::kAlgorithmCount> boxes_;
    std::array<TEdit*, digest::kAlgorithmCount> fields_;
};

extern TForm1* Form1;
