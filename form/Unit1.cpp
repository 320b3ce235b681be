#include "form/Unit1.h"

#include "digest/compute.h"
#include "form/form_compute_window.h"
#include "platform/TOpenDialog.h"

TForm1* Form1 = nullptr;

TForm1::TForm1(QWidget* Owner) : TForm(Owner) {
    // The pictures live in this static library; the linker keeps them only when asked.
    Q_INIT_RESOURCE(resources);
    setupUi(this);
    // The layout holds widgets only; the dialog is made here, after every control.
    OpenDialog1 = new TOpenDialog(this);
    OpenDialog1->setObjectName("OpenDialog1");
    connect(OpenDialog1, SIGNAL(OnSelectionChange(TObject*)), this,
            SLOT(OpenDialog1Close(TObject*)));
}

void TForm1::Button1Click(TObject* /*Sender*/) {
    FormComputeWindow window(*this);
    digest::Compute(window);
}

void TForm1::Button2Click(TObject* /*Sender*/) {
    // Every run starts with an empty name box; the edit follows the selection while the
    // dialog is open, so neither the result nor the closing name is wanted.
    OpenDialog1->SetFileName("");
    OpenDialog1->Execute();
}

void TForm1::OpenDialog1Close(TObject* /*Sender*/) {
    EditInputFile->SetText(OpenDialog1->FileName());
}

// The mode controls follow the focus, not the check: a press released off the button leaves
// them showing its mode while the other stays checked. Texts survive, greyed while disabled.
void TForm1::MD_OnCheckedFile(TObject* /*Sender*/) {
    Memo1->setEnabled(false);
    Memo1->SetColor(clBtnFace);
    EditInputFile->setEnabled(true);
    EditInputFile->SetColor(clWindow);
    Button2->setEnabled(true);
}

void TForm1::MD_OnCheckedString(TObject* /*Sender*/) {
    Memo1->setEnabled(true);
    Memo1->SetColor(clWindow);
    EditInputFile->setEnabled(false);
    EditInputFile->SetColor(clBtnFace);
    Button2->setEnabled(false);
}

void TForm1::Image1Click(TObject* /*Sender*/) {}

void TForm1::EditClick(TObject* /*Sender*/) {}

void TForm1::ClearSel(TObject* /*Sender*/) {}

void TForm1::EditActivate(TObject* /*Sender*/, TMouseButton /*Button*/, TShiftState /*Shift*/,
                          int /*X*/, int /*Y*/, int /*HitTest*/,
                          TMouseActivate& /*MouseActivate*/) {}
