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

void TForm1::Button2Click(TObject* /*Sender*/) {}

void TForm1::OpenDialog1Close(TObject* /*Sender*/) {}

void TForm1::MD_OnCheckedFile(TObject* /*Sender*/) {}

void TForm1::MD_OnCheckedString(TObject* /*Sender*/) {}

void TForm1::Image1Click(TObject* /*Sender*/) {}

void TForm1::EditClick(TObject* /*Sender*/) {}

void TForm1::ClearSel(TObject* /*Sender*/) {}

void TForm1::EditActivate(TObject* /*Sender*/, TMouseButton /*Button*/, TShiftState /*Shift*/,
                          int /*X*/, int /*Y*/, int /*HitTest*/,
                          TMouseActivate& /*MouseActivate*/) {}
