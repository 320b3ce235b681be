#include "form/Unit1.h"

#include <QFile>

#include "digest/compute.h"
#include "form/form_compute_window.h"
#include "form/module_state.h"
#include "platform/ShellAPI.h"
#include "platform/SysUtils.h"
#include "platform/TApplication.h"
#include "platform/TOpenDialog.h"

TForm1* Form1 = nullptr;

namespace {
const char kMakerSite[] = "https://kestrum.example.org/";
} // namespace

TForm1::TForm1(QWidget* Owner) : TForm(Owner) {
    // The pictures live in this static library; the linker keeps them only when asked.
    Q_INIT_RESOURCE(resources);
    setupUi(this);
    // The layout holds widgets only; the dialog is made here, after every control.
    OpenDialog1 = new TOpenDialog(this);
    connect(OpenDialog1, SIGNAL(OnSelectionChange(TObject*)), this,
            SLOT(OpenDialog1Close(TObject*)));
    // The rows' controls, found once by the names the algorithm table gives them.
    for (std::size_t row = 0; row < digest::kAlgorithmCount; ++row) {
        const QString tag = digest::kAlgorithms[row].tag;
        boxes_[row] = findChild<TCheckBox*>("CheckBox" + tag, Qt::FindDirectChildrenOnly);
        fields_[row] = findChild<TEdit*>("Edit" + tag, Qt::FindDirectChildrenOnly);
        Q_ASSERT(boxes_[row] && fields_[row]);
    }
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

void TForm1::Image1Click(TObject* /*Sender*/) {
    const QByteArray folder = QFile::encodeName(ExtractFileDir(Application->ExeName()));
    // What the shell makes of it is its own affair: the window stays as it is.
    ShellExecuteA(Form1->Handle(), "open", kMakerSite, nullptr, folder.constData(),
                  SW_SHOWMAXIMIZED);
}

void TForm1::EditClick(TObject* Sender) {
    ClearSel(Sender);
    // CheckBoxMD5 comes here on focus entry and gets the clearing only.
    if (ClassType(*Sender) != ClassType(*EditMD5))
        return;
    if (!PendingSelectEdit)
        return;
    PendingSelectEdit->SelectAll();
    PendingSelectEdit = nullptr;
}

void TForm1::ClearSel(TObject* /*Sender*/) {
    for (TEdit* edit : fields_)
        edit->SetSelLength(0);
}

// The press notice comes while the focus is still where it was: only a press on a field that
// lacks the focus leaves a select-all for the click that follows.
void TForm1::EditActivate(TObject* Sender, TMouseButton /*Button*/, TShiftState /*Shift*/,
                          int /*X*/, int /*Y*/, int /*HitTest*/,
                          TMouseActivate& /*MouseActivate*/) {
    if (ClassType(*Sender) != ClassType(*EditMD5))
        return;
    PendingSelectEdit = static_cast<TEdit*>(Sender);
    if (PendingSelectEdit->Focused())
        PendingSelectEdit = nullptr;
}
