#include <QAbstractItemView>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QScreen>
#include <QStyleOptionButton>
#include <QTemporaryDir>

#include "digest/algorithms.h"
#include "form/Unit1.h"
#include "form/module_state.h"
#include "qt_window.h"

namespace {

const QString kMd5OfAbc = "900150983CD24FB0D6963F7D28E17F72";
const QString kSha1OfAbc = "A9993E364706816ABA3E25717850C26C9CD0D89D";

QString focused() { return QApplication::focusWidget()->objectName(); }

QList<int> bar() {
    const auto* b = Form1->ProgressBar1;
    return {b->Min(), b->Max(), b->Position(), b->Step()};
}

// Enabled states, and the background each input control shows in its present state.
void expectMode(bool file) {
    const auto base = [](QWidget* w) {
        return w->palette().color(w->isEnabled() ? QPalette::Active : QPalette::Disabled,
                                  QPalette::Base);
    };
    QCOMPARE(QList<bool>({Form1->Memo1->isEnabled(), Form1->EditInputFile->isEnabled(),
                          Form1->Button2->isEnabled()}),
             QList<bool>({!file, file, file}));
    const QPalette system = QApplication::palette();
    QCOMPARE(base(Form1->Memo1), system.color(file ? QPalette::Button : QPalette::Base));
    QCOMPARE(base(Form1->EditInputFile), system.color(file ? QPalette::Base : QPalette::Button));
}

void typeInto(QWidget& field, const QString& text) {
    mouse(field);
    QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&field, text);
}

void press() { mouse(*Form1->Button1, QTest::MouseClick, Qt::LeftButton, {20, 10}); }

// Every result field as a computation leaves it: a digest of its row's length.
void fillResults() {
    for (std::size_t row = 0; row < digest::kAlgorithmCount; ++row)
        Form1->ResultField(row)->SetText(
            QString("0123456789ABCDEF").repeated(8).left(2 * digest::kAlgorithms[row].digestSize));
}

// Names of the result fields with a selection.
QStringList selected() {
    QStringList names;
    for (std::size_t row = 0; row < digest::kAlgorithmCount; ++row)
        if (Form1->ResultField(row)->hasSelectedText())
            names << Form1->ResultField(row)->objectName();
    return names;
}

struct OpenedUrls : QObject {
    Q_OBJECT
public:
    OpenedUrls() { QDesktopServices::setUrlHandler("https", this, "open"); }
    ~OpenedUrls() override { QDesktopServices::unsetUrlHandler("https"); }
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        Unit1::Initialize();
        Form1 = new TForm1;
        QVERIFY(showActive(*Form1));
    }
    void cleanup() {
        delete Form1;
        Unit1::Finalize();
    }

    void startStateLookAndTabCycle() {
        QVERIFY(Form1->RadioButtonString->isChecked() && !Form1->RadioButtonFile->isChecked());
        expectMode(false);
        QCOMPARE(bar(), QList<int>({0, 100, 0, 10}));
        QCOMPARE(Form1->windowTitle(), QString("Kestrum 1.2 (kestrum.example.org)"));
        QVERIFY((Form1->frameGeometry().center() - Form1->screen()->availableGeometry().center())
                    .manhattanLength() <= 1);
        Form1->showMaximized();
        QTest::qWait(20);
        QCOMPARE(Form1->size(), QSize(395, 576));
        for (std::size_t row = 0; row < digest::kAlgorithmCount; ++row) {
            TCheckBox* box = Form1->AlgorithmBox(row);
            QStyleOptionButton option;
            option.initFrom(box);
            option.text = box->text();
            const QRect room =
                box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
            QVERIFY2(room.width() >= box->fontMetrics().horizontalAdvance(box->text()),
                     digest::kAlgorithms[row].caption);
            QVERIFY(!box->isChecked() && Form1->ResultField(row)->isReadOnly());
        }

        // Tab entry selects all in every result field but EditMD5, which keeps its caret;
        // entering CheckBoxMD5 clears them all. Only the checked radio button is a stop.
        const QStringList cycle = {"Button1",
                                   "CheckBoxMD5",
                                   "EditSHA1",
                                   "EditMD5",
                                   "CheckBoxSHA1",
                                   "EditSHA224",
                                   "CheckBoxSHA224",
                                   "EditSHA256",
                                   "CheckBoxSHA256",
                                   "EditSHA384",
                                   "CheckBoxSHA384",
                                   "EditSHA512",
                                   "CheckBoxSHA512",
                                   "EditTiger",
                                   "CheckBoxTiger",
                                   "RadioButtonString",
                                   "Memo1",
                                   "EditWHIRLPOOL",
                                   "EditRIPEMD128",
                                   "EditRIPEMD256",
                                   "EditRIPEMD160",
                                   "CheckBoxWHIRLPOOL",
                                   "CheckBoxRIPEMD128",
                                   "CheckBoxRIPEMD256",
                                   "CheckBoxRIPEMD160",
                                   "EditMD2",
                                   "EditMD4",
                                   "EditCRC32",
                                   "CheckBoxMD2",
                                   "CheckBoxMD4",
                                   "CheckBoxCRC32",
                                   "EditADLER32",
                                   "CheckBoxADLER32",
                                   "EditPANAMA",
                                   "CheckBoxPANAMA"};
        fillResults();
        Form1->EditMD5->setSelection(2, 3);
        QStringList visited;
        for (int i = 0; i < cycle.size(); ++i) {
            visited << focused();
            if (visited.last() == "CheckBoxMD5")
                QCOMPARE(selected(), QStringList());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(visited << focused(), cycle + QStringList{"Button1"});
        QCOMPARE(selected().size(), 15);
        QVERIFY(!Form1->EditMD5->hasSelectedText() && Form1->EditMD5->cursorPosition() == 2);
    }

    void computeTextAndFile() {
        typeInto(*Form1->Memo1, "abc");
        for (TCheckBox* box : {Form1->CheckBoxMD5, Form1->CheckBoxSHA1, Form1->CheckBoxCRC32})
            mouse(*box);
        press();
        QCOMPARE(Form1->EditMD5->Text(), kMd5OfAbc);
        QCOMPARE(Form1->EditSHA1->Text(), kSha1OfAbc);
        QCOMPARE(Form1->EditCRC32->Text(), QString("352441C2"));
        QVERIFY(Form1->EditMD2->Text().isEmpty());
        QCOMPARE(bar(), QList<int>({1, 2, 2, 1}));

        // The field's own characters in Windows-1251: a no-break space stays A0, Enter and
        // Shift+Enter are CR LF. An unticked row keeps what it showed.
        typeInto(*Form1->Memo1, QString("a") + QChar(0xA0) + "b");
        QTest::keyClick(Form1->Memo1, Qt::Key_Return);
        QTest::sendKeyEvent(QTest::Click, Form1->Memo1, Qt::Key_unknown, "Я", {});
        QTest::keyClick(Form1->Memo1, Qt::Key_Return, Qt::ShiftModifier);
        QTest::keyClicks(Form1->Memo1, "z");
        mouse(*Form1->CheckBoxSHA1);
        press();
        QCOMPARE(Form1->EditMD5->Text(), QString("D20A7B1D5793C938B9DC94205892A160"));
        QCOMPARE(Form1->EditSHA1->Text(), kSha1OfAbc);

        QTemporaryDir dir;
        QFile file(dir.filePath("abc"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("abc") == 3);
        file.close();
        mouse(*Form1->RadioButtonFile);
        typeInto(*Form1->EditInputFile, file.fileName());
        ModalBoxes boxes;
        press();
        QCOMPARE(Form1->EditMD5->Text(), kMd5OfAbc);
        QCOMPARE(boxes.seen.size(), 0);

        // Refusals are told as plain text, whole, 100 left of and 50 above the window's
        // centre, or centred on the screen along an axis where that point is negative.
        const QString markup = dir.filePath("<b>bold</b> &lt;x&gt; <img src=x>.bin");
        const QString endless = dir.filePath(QString(300, 'x'));
        const QRect screen = Form1->screen()->geometry();
        Form1->move(0, 0);
        const QPoint at(Form1->Left() + Form1->Width() / 2 - 100,
                        Form1->Top() + Form1->Height() / 2 - 50);
        for (const QString& name : {QString(), markup, endless})
            Form1->EditInputFile->SetText(name), press();
        Form1->move(-300, -400);
        Form1->EditInputFile->SetText("");
        press();
        QCOMPARE(boxes.seen.size(), 4);
        const QString cannot = "Невозможно открыть файл \"%1\"!";
        QCOMPARE(boxes.seen[0].text, QString("Не введено имя файла!"));
        QCOMPARE(boxes.seen[1].text, cannot.arg(markup));
        QCOMPARE(boxes.seen[2].text, cannot.arg(endless));
        for (const auto& box : boxes.seen) {
            QVERIFY(box.title == "Error" && box.format == Qt::PlainText);
            QVERIFY(box.oneOkDefaultAndEscape);
        }
        QCOMPARE(boxes.seen[0].frame.topLeft(), at);
        QVERIFY(boxes.seen[2].labelHeight > 3 * boxes.seen[0].labelHeight);
        QVERIFY(qAbs(boxes.seen[3].frame.center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(boxes.seen[3].frame.center().y() - screen.center().y()) <= 1);
        QCOMPARE(Form1->EditMD5->Text(), kMd5OfAbc);
        QCOMPARE(bar(), QList<int>({1, 2, 2, 1}));

        // A handler's exception is shown under the title; Qt's call into it returns normally.
        Form1->EditInputFile->SetText(file.fileName());
        Form1->ProgressBar1->SetMax(100);
        Form1->ProgressBar1->SetMin(50);
        Form1->Button1->click();
        QCOMPARE(boxes.seen.size(), 5);
        QCOMPARE(boxes.seen[4].title, QString("Kestrum 1.2"));
        QCOMPARE(boxes.seen[4].text, QString("TProgressBar property out of range."));
        QVERIFY(Form1->isVisible() && boxes.seen[4].oneOkDefaultAndEscape);
    }

    void modeSwitchingAndFileChoice() {
        typeInto(*Form1->Memo1, "text to hash");
        for (int i = 0; i < 2; ++i)
            for (TRadioButton* mode : {Form1->RadioButtonFile, Form1->RadioButtonString}) {
                mouse(*mode);
                QVERIFY(mode->isChecked());
                expectMode(mode == Form1->RadioButtonFile);
            }
        QCOMPARE(Form1->Memo1->Text(), QString("text to hash"));
        // The controls follow the focus: a press released off "Файл" leaves text checked.
        mouse(*Form1->RadioButtonFile, QTest::MousePress);
        mouse(*Form1->Button1, QTest::MouseRelease);
        QVERIFY(Form1->RadioButtonString->isChecked());
        expectMode(true);

        // The field follows the dialog's selection; moving to another folder wipes nothing;
        // cancelling keeps the last pick; every run starts with an empty name box.
        QTemporaryDir dir;
        QStringList files;
        for (const char* name : {"one", "two"}) {
            files << dir.filePath(name);
            QVERIFY(QFile(files.last()).open(QIODevice::WriteOnly));
        }
        for (const QString& pick : files) {
            QString startName = "(no dialog)";
            QTimer::singleShot(50, [&] {
                auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                const auto close = qScopeGuard([dialog] { dialog->reject(); });
                startName = dialog->findChild<QLineEdit*>("fileNameEdit")->text();
                dialog->setDirectory(dir.path());
                auto* view = dialog->findChild<QAbstractItemView*>(
                    dialog->viewMode() == QFileDialog::Detail ? "treeView" : "listView");
                auto* model = qobject_cast<QFileSystemModel*>(view->model());
                QTRY_VERIFY(view->visualRect(model->index(pick)).isValid());
                mouse(*view->viewport(), QTest::MouseClick, Qt::LeftButton,
                      view->visualRect(model->index(pick)).center());
                QCOMPARE(Form1->EditInputFile->Text(), pick);
                dialog->setDirectory(QDir::rootPath());
            });
            mouse(*Form1->Button2);
            QCOMPARE(startName, QString());
            QCOMPARE(Form1->EditInputFile->Text(), pick);
            QVERIFY(showActive(*Form1));
        }
    }

    void firstClickSelectsAllAndTheLogoOpensTheSite() {
        fillResults();
        Form1->Button1->setFocus();
        for (std::size_t row = 0; row < digest::kAlgorithmCount; ++row) {
            TEdit* field = Form1->ResultField(row);
            mouse(*field, QTest::MouseClick, Qt::LeftButton, {40, 10});
            QCOMPARE(selected(), QStringList{field->objectName()});
            QCOMPARE(field->selectedText(), field->Text());
        }
        // A second click in the focused field leaves a caret; a right press selects as Tab does.
        TEdit* last = Form1->EditPANAMA;
        mouse(*last, QTest::MouseClick, Qt::LeftButton, {40, 10});
        QCOMPARE(selected(), QStringList());
        QCOMPARE(last->cursorPosition(), last->cursorPositionAt({40, 10}));
        mouse(*Form1->EditSHA384, QTest::MouseClick, Qt::RightButton, {40, 10});
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QCOMPARE(selected(), QStringList{"EditSHA384"});
        mouse(*Form1->EditTiger, QTest::MouseDClick, Qt::LeftButton, {40, 10});
        QCOMPARE(selected(), QStringList{"EditTiger"});
        QCOMPARE(PendingSelectEdit, nullptr);

        // Each click on the logo opens the site, a double click being one more; nothing moves.
        OpenedUrls opened;
        const QImage before = Form1->grab().toImage();
        mouse(*Form1->Image1, QTest::MouseClick, Qt::LeftButton, {40, 15});
        mouse(*Form1->Image1, QTest::MouseDClick, Qt::LeftButton, {40, 15});
        QCOMPARE(opened.urls, QList<QUrl>(2, QUrl("https://kestrum.example.org/")));
        QCOMPARE(focused(), QString("EditTiger"));
        QCOMPARE(Form1->grab().toImage(), before);
    }

    // On X11 what a click selects is the PRIMARY selection, which a middle click pastes.
    void primarySelection() {
        QClipboard* clipboard = QGuiApplication::clipboard();
        if (!clipboard->supportsSelection())
            QSKIP("no X selection on this platform");
        clipboard->clear(QClipboard::Selection); // Qt 6.4 alone crashes on the paste below
        mouse(*Form1->Memo1, QTest::MouseClick, Qt::MiddleButton, {20, 20});
        QVERIFY(Form1->Memo1->Text().isEmpty());
        Form1->EditMD5->SetText(kMd5OfAbc);
        mouse(*Form1->EditMD5, QTest::MouseClick, Qt::LeftButton, {40, 10});
        mouse(*Form1->Memo1, QTest::MouseClick, Qt::MiddleButton, {20, 20});
        QCOMPARE(Form1->Memo1->Text(), kMd5OfAbc);
    }
};

KESTRUM_TEST_MAIN(WindowTest)
#include "window_test.moc"
