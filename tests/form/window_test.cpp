#include <QAbstractItemView>
#include <QClipboard>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "digest/algorithms.h"
#include "form/Unit1.h"
#include "form/module_state.h"
#include "platform/Exception.h"
#include "platform/TOpenDialog.h"
#include "qt_window.h"

namespace {

const QString kMd5OfAbc = "900150983CD24FB0D6963F7D28E17F72";
const QString kSha1OfAbc = "A9993E364706816ABA3E25717850C26C9CD0D89D";

QString focused() { return QApplication::focusWidget()->objectName(); }

QList<int> bar() {
    const auto* b = Form1->ProgressBar1;
    return {b->Min(), b->Max(), b->Position(), b->Step()};
}

// Which input controls are enabled, and the background each is given (kept when disabled).
QString mode() {
    const auto look = [](QWidget* w) {
        const QColor base = w->palette().color(QPalette::Active, QPalette::Base);
        return QString(w->isEnabled() ? "on " : "off ") +
               (base == QApplication::palette().color(QPalette::Base) ? "window" : "face");
    };
    return look(Form1->Memo1) + ", " + look(Form1->EditInputFile) +
           (Form1->Button2->isEnabled() ? ", browse" : "");
}
const QString kTextMode = "on window, off face", kFileMode = "off face, on window, browse";

void typeInto(QWidget& field, const QString& text) {
    mouse(field);
    QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&field, text);
}

// The result fields with a selection; with fill, each first shows some text.
QStringList selected(bool fill = false) {
    QStringList names;
    for (std::size_t row = 0; row < digest::kAlgorithmCount; ++row) {
        TEdit* field = Form1->ResultField(row);
        if (fill)
            field->SetText(QString(32, 'F'));
        if (field->hasSelectedText())
            names << field->objectName();
    }
    return names;
}

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
        QVERIFY(Form1->RadioButtonString->isChecked() && mode() == kTextMode);
        // Enter or Space on the focused button computes, the bar then standing full; Ctrl+Enter
        // not.
        QTest::keyClick(Form1->Button1, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(bar(), QList<int>({0, 100, 0, 10}));
        QSignalSpy pressed(Form1->Button1, &TButton::OnClick);
        QTest::keyClick(Form1->Button1, Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(Form1->Button1, Qt::Key_Space);
        QCOMPARE(bar() << int(pressed.count()), QList<int>({1, 2, 2, 1, 2}));
        QFont larger = Form1->font(); // Tahoma 13: the largest whose character cell fits 13 pixels
        larger.setPixelSize(larger.pixelSize() + 1);
        QVERIFY(Form1->FontHeight() <= 13 && QFontMetrics(larger).height() > 13);
        Form1->showMaximized();
        QTest::qWait(20);
        QCOMPARE(Form1->size(), QSize(395, 576));
        for (std::size_t i = 0; i < digest::kAlgorithmCount; ++i) {
            TCheckBox* box = Form1->AlgorithmBox(i); // its caption whole beside the box
            const QStyle* style = box->style();
            const int caption = box->width() - style->pixelMetric(QStyle::PM_IndicatorWidth) -
                                style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
            QVERIFY(!box->isChecked() && Form1->ResultField(i)->isReadOnly() &&
                    box->fontMetrics().horizontalAdvance(box->text()) <= caption);
        }

        // Tab selects all in the result fields but EditMD5; CheckBoxMD5 clears them all.
        const QStringList cycle =
            QString("Button1 CheckBoxMD5 EditSHA1 EditMD5 CheckBoxSHA1 EditSHA224 CheckBoxSHA224 "
                    "EditSHA256 CheckBoxSHA256 EditSHA384 CheckBoxSHA384 EditSHA512 CheckBoxSHA512 "
                    "EditTiger CheckBoxTiger RadioButtonString Memo1 EditWHIRLPOOL EditRIPEMD128 "
                    "EditRIPEMD256 EditRIPEMD160 CheckBoxWHIRLPOOL CheckBoxRIPEMD128 "
                    "CheckBoxRIPEMD256 CheckBoxRIPEMD160 EditMD2 EditMD4 EditCRC32 CheckBoxMD2 "
                    "CheckBoxMD4 CheckBoxCRC32 EditADLER32 CheckBoxADLER32 EditPANAMA "
                    "CheckBoxPANAMA Button1")
                .split(' ');
        selected(true);
        Form1->EditMD5->setSelection(2, 3);
        QStringList visited = {focused()};
        while (visited.size() < cycle.size()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << focused();
            if (visited.last() == "CheckBoxMD5")
                QCOMPARE(selected(), QStringList());
        }
        QCOMPARE(visited, cycle);
        QCOMPARE(selected().size(), 15);
        QVERIFY(!Form1->EditMD5->hasSelectedText() && Form1->EditMD5->cursorPosition() == 2);
    }

    void computeTextAndFile() {
        typeInto(*Form1->Memo1, "abc");
        for (TCheckBox* box : {Form1->CheckBoxMD5, Form1->CheckBoxSHA1, Form1->CheckBoxCRC32})
            mouse(*box);
        mouse(*Form1->Button1);
        QCOMPARE(QStringList({Form1->EditMD5->Text(), Form1->EditSHA1->Text(),
                              Form1->EditCRC32->Text(), Form1->EditMD2->Text()}),
                 QStringList({kMd5OfAbc, kSha1OfAbc, "352441C2", ""}));

        // The field's own characters in Windows-1251 (A0 stays), line breaks as CR LF.
        typeInto(*Form1->Memo1, QString("a") + QChar(0xA0) + "b");
        QTest::keyClick(Form1->Memo1, Qt::Key_Return);
        QTest::sendKeyEvent(QTest::Click, Form1->Memo1, Qt::Key_unknown, "Я", {});
        QTest::keyClick(Form1->Memo1, Qt::Key_Return, Qt::ShiftModifier);
        QTest::keyClicks(Form1->Memo1, "z");
        mouse(*Form1->CheckBoxSHA1);
        mouse(*Form1->Button1);
        QCOMPARE(Form1->EditMD5->Text() + Form1->EditSHA1->Text(),
                 "D20A7B1D5793C938B9DC94205892A160" + kSha1OfAbc);

        QTemporaryDir dir;
        const QString abc = dir.filePath("abc");
        QFile file(abc);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("abc") == 3 && file.flush());
        mouse(*Form1->RadioButtonFile);
        typeInto(*Form1->EditInputFile, abc);
        ModalBoxes boxes;
        mouse(*Form1->Button1);
        QCOMPARE(Form1->EditMD5->Text(), kMd5OfAbc);

        // A handler's exception is shown under the title; Qt's call into it returns normally.
        Form1->EditInputFile->SetText(abc);
        Form1->ProgressBar1->SetMax(100);
        Form1->ProgressBar1->SetMin(50);
        QVERIFY_THROWS_EXCEPTION(Exception, Form1->Button1Click(Form1->Button1)); // catches nothing
        Form1->Button1->click();
        QCOMPARE(boxes.seen.size(), 1);
        QCOMPARE(boxes.seen[0].title + boxes.seen[0].text,
                 QString("Kestrum 1.2TProgressBar property out of range."));
    }

    // Refusals, with names as long as Linux takes (a quarter of that on a small screen), line
    // breaks and markup: each box titled "Error", its text plain and whole, on the screen; its
    // frame at the point where it fits there, else moved just inside the edge.
    void refusalBoxesWholeOnScreen() {
        const QRect screen = Form1->screen()->availableGeometry();
        const QStringList names = {"", "a\nb\n<b>c</b>\nd.pdf",
                                   QString(screen.width() >= 1280 ? 4096 : 1024, 'y')};
        mouse(*Form1->RadioButtonFile);
        ModalBoxes boxes;
        QList<QPoint> at;
        for (int left : {0, screen.width() - 400, screen.width() - 300}) {
            Form1->move(left, 0);
            QTest::qWait(50);
            at << QPoint(Form1->Left() + Form1->Width() / 2 - 100,
                         Form1->Top() + Form1->Height() / 2 - 50);
            for (const QString& name : names) {
                Form1->EditInputFile->SetText(name);
                mouse(*Form1->Button1);
            }
        }
        QCOMPARE(boxes.seen.size(), 9);
        for (int i = 0; i < 9; ++i) {
            QVERIFY(boxes.seen[i].title == "Error" && boxes.seen[i].wellFormed);
            QCOMPARE(boxes.seen[i].text, i % 3 ? "Невозможно открыть файл \"" + names[i % 3] + "\"!"
                                               : "Не введено имя файла!");
        }
        QCOMPARE(boxes.seen[1].frame.topLeft(), at[0]);
        QCOMPARE(boxes.seen[2].frame.left(), at[0].x());
        QCOMPARE(boxes.seen[4].frame.topLeft(), at[1]);
        for (int i : {5, 7, 8})
            QCOMPARE(boxes.seen[i].frame.right(), screen.right());
    }

    void modeSwitching() {
        // The mode follows the focus, not the check: by code, or by a press released off "Файл".
        mouse(*Form1->RadioButtonFile);
        mouse(*Form1->RadioButtonString);
        Form1->RadioButtonFile->setChecked(true);
        QCOMPARE(mode(), kTextMode);
        Form1->RadioButtonString->setChecked(true);
        mouse(*Form1->RadioButtonFile, QTest::MousePress);
        mouse(*Form1->CheckBoxMD5, QTest::MouseRelease);
        QVERIFY(Form1->RadioButtonString->isChecked() && mode() == kFileMode);

        // The edit's changes, with each run's name box at the opening and the dialog's name after.
        QStringList seen;
        connect(Form1->EditInputFile, &QLineEdit::textChanged, [&](auto text) { seen << text; });
        QTemporaryDir dir;
        const auto browse = [&](const QStringList& paths, bool confirm) {
            QTimer::singleShot(0, [&] {
                auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                seen << dialog->findChild<QLineEdit*>("fileNameEdit")->text();
                dialog->setDirectory(dir.path());
                auto* view = dialog->findChild<QAbstractItemView*>("listView");
                for (const QString& path : paths)
                    view->setCurrentIndex(dialog->findChild<QFileSystemModel*>()->index(path));
                dialog->setDirectory(confirm ? dir.path() : dir.filePath(".."));
                QMetaObject::invokeMethod(dialog, confirm ? "accept" : "reject");
            });
            mouse(*Form1->Button2);
            return seen << Form1->OpenDialog1->FileName();
        };
        const QString a = dir.filePath("a"), b = dir.filePath("b"), c = dir.filePath("c");
        for (const QString& file : {a, b, c})
            QVERIFY(QFile(file).open(QIODevice::WriteOnly));
        browse({a, b, c, dir.path()}, false); // a folder highlighted is no file
        browse({b}, true);
        QCOMPARE(browse({}, false), QStringList({"", a, b, c, c, "", b, b, "", ""}));
    }

    void firstClickSelectsAllAndTheLogoOpensTheSite() {
        selected(true);
        Form1->Button1->setFocus();
        for (std::size_t row = 0; row < digest::kAlgorithmCount; ++row) {
            TEdit* field = Form1->ResultField(row);
            mouse(*field);
            QCOMPARE(selected(), QStringList{field->objectName()});
            QVERIFY(field->selectedText() == field->Text() && !PendingSelectEdit); // consumed
        }
        // A second click in the focused field leaves a caret; a right press selects as Tab does.
        mouse(*Form1->EditPANAMA);
        QCOMPARE(selected(), QStringList());
        QCOMPARE(Form1->EditPANAMA->cursorPosition(), Form1->EditPANAMA->cursorPositionAt({12, 8}));
        mouse(*Form1->EditSHA384, QTest::MouseClick, Qt::RightButton);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QCOMPARE(selected(), QStringList{"EditSHA384"});
        mouse(*Form1->EditTiger, QTest::MouseDClick);
        QCOMPARE(selected(), QStringList{"EditTiger"});

        // Each click on the logo opens the site, a double click being one more.
        OpenedUrls opened;
        mouse(*Form1->Image1);
        mouse(*Form1->Image1, QTest::MouseDClick);
        QCOMPARE(opened.urls, QList<QUrl>(2, QUrl("https://kestrum.example.org/")));
    }

    // On X11 what a click selects is the PRIMARY selection, which a middle click pastes.
    void primarySelection() {
        QClipboard* clipboard = QGuiApplication::clipboard();
        if (!clipboard->supportsSelection())
            QSKIP("no X selection on this platform");
        clipboard->clear(QClipboard::Selection); // Qt 6.4 alone crashes on the paste below
        mouse(*Form1->Memo1, QTest::MouseClick, Qt::MiddleButton);
        QVERIFY(Form1->Memo1->Text().isEmpty());
        Form1->EditMD5->SetText(kMd5OfAbc);
        mouse(*Form1->EditMD5);
        mouse(*Form1->Memo1, QTest::MouseClick, Qt::MiddleButton);
        QCOMPARE(Form1->Memo1->Text(), kMd5OfAbc);
    }
};

KESTRUM_TEST_MAIN(WindowTest)
#include "window_test.moc"
