#include <functional>

#include <QAbstractItemView>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QMessageBox>
#include <QScreen>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTimer>

#include "main_window.h"

namespace {

struct Row {
    const char *name, *cls, *parent;
    QRect geometry;
    const char* caption;
};

// Captions are the texts of buttons, boxes, fields and the group, and the panel's hidden one;
// the bar has none.
const Row kControls[] = {
    {"Image1", "TImage", "TForm1", {296, 531, 90, 31}, ""},
    {"Panel1", "TPanel", "TForm1", {11, 526, 279, 41}, "Panel1"},
    {"Button1", "TButton", "TForm1", {15, 534, 81, 27}, "Вычислить"},
    {"GroupBox1", "TGroupBox", "TForm1", {8, 6, 379, 107}, "Исходный текст или файл"},
    {"RadioButtonFile", "TRadioButton", "GroupBox1", {3, 21, 54, 19}, "Файл"},
    {"RadioButtonString", "TRadioButton", "GroupBox1", {3, 47, 54, 18}, "Текст"},
    {"EditInputFile", "TEdit", "GroupBox1", {63, 19, 235, 21}, ""},
    {"Button2", "TButton", "GroupBox1", {304, 19, 71, 21}, "Обзор..."},
    {"Memo1", "TMemo", "GroupBox1", {63, 46, 312, 58}, ""},
    {"ProgressBar1", "TProgressBar", "TForm1", {105, 540, 176, 19}, nullptr},
};

// Top to bottom: the result field at (8, editTop, 282, 21), its check box at (301, boxTop).
const struct {
    const char* tag;
    int editTop, boxTop, boxWidth, boxHeight;
    const char* caption;
} kRows[] = {
    {"MD5", 124, 127, 54, 16, "MD5"},
    {"MD2", 149, 152, 54, 16, "MD2"},
    {"MD4", 174, 177, 54, 16, "MD4"},
    {"CRC32", 199, 202, 54, 16, "CRC32"},
    {"ADLER32", 224, 227, 61, 16, "Adler32"},
    {"SHA1", 249, 252, 54, 16, "SHA1"},
    {"SHA224", 274, 276, 61, 17, "SHA-224"},
    {"SHA256", 299, 301, 61, 17, "SHA-256"},
    {"SHA384", 324, 327, 61, 16, "SHA-384"},
    {"SHA512", 349, 352, 61, 15, "SHA-512"},
    {"Tiger", 374, 377, 54, 15, "Tiger"},
    {"WHIRLPOOL", 399, 402, 92, 15, "WHIRLPOOL"},
    {"RIPEMD128", 424, 427, 84, 15, "RIPEMD-128"},
    {"RIPEMD256", 449, 452, 84, 15, "RIPEMD-256"},
    {"RIPEMD160", 474, 477, 84, 15, "RIPEMD-160"},
    {"PANAMA", 499, 502, 84, 15, "Panama (LE)"},
};

// clang-format off
const QStringList kTabCycle = {
    "Button1", "CheckBoxMD5", "EditSHA1", "EditMD5", "CheckBoxSHA1", "EditSHA224",
    "CheckBoxSHA224", "EditSHA256", "CheckBoxSHA256", "EditSHA384", "CheckBoxSHA384",
    "EditSHA512", "CheckBoxSHA512", "EditTiger", "CheckBoxTiger", "RadioButtonString", "Memo1",
    "EditWHIRLPOOL", "EditRIPEMD128", "EditRIPEMD256", "EditRIPEMD160", "CheckBoxWHIRLPOOL",
    "CheckBoxRIPEMD128", "CheckBoxRIPEMD256", "CheckBoxRIPEMD160", "EditMD2", "EditMD4",
    "EditCRC32", "CheckBoxMD2", "CheckBoxMD4", "CheckBoxCRC32", "EditADLER32", "CheckBoxADLER32",
    "EditPANAMA", "CheckBoxPANAMA"};
// clang-format on

const QString kMd5OfAbc = "900150983CD24FB0D6963F7D28E17F72";

QString captionOf(QWidget* w) {
    for (const char* property : {"text", "title", "Caption", "plainText"})
        if (const QVariant value = w->property(property); value.isValid())
            return value.toString();
    return {};
}

QString focused() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "(none)";
}

QList<int> bar() {
    const auto* b = Form1->ProgressBar1;
    return {b->Min(), b->Max(), b->Position(), b->Step()};
}

// Enabled states, and the background each control shows in its present state.
void expectModeShown(bool file) {
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
    clickThroughWindow(field);
    QCOMPARE(QApplication::focusWidget(), &field);
    QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&field, text);
}

void press() { clickThroughWindow(*Form1->Button1, {20, 10}); }

// Clicks target and hands the modal window it opens to handle, then closes that window.
// False when none opened.
bool clickOverModal(QWidget& target, const std::function<void(QWidget&)>& handle) {
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll.stop();
            handle(*modal);
            modal->close();
        }
    });
    poll.start(5);
    clickThroughWindow(target, {20, 10});
    return !poll.isActive();
}

// The error box a press of the compute button shows, as "text (x, y)".
QString messageOfPress() {
    QString seen;
    clickOverModal(*Form1->Button1, [&](QWidget& box) {
        const QString text = static_cast<QMessageBox&>(box).text();
        seen = QString("%1 (%2, %3)").arg(text).arg(box.x()).arg(box.y());
    });
    return seen;
}

// Opens the file's folder in the dialog and clicks the file in its view, as the user picks it.
void pick(QFileDialog& dialog, const QString& path) {
    dialog.setDirectory(QFileInfo(path).path());
    auto* view = dialog.findChild<QAbstractItemView*>(
        dialog.viewMode() == QFileDialog::Detail ? "treeView" : "listView");
    auto* model = qobject_cast<QFileSystemModel*>(view->model());
    QTRY_VERIFY(view->visualRect(model->index(path)).isValid());
    clickThroughWindow(*view->viewport(), view->visualRect(model->index(path)).center());
}

// Presses "Обзор..." and runs drive on the dialog, which starts with an empty name box; then
// cancels it.
void browse(const std::function<void(QFileDialog&)>& drive) {
    QString name = "(no dialog)";
    clickOverModal(*Form1->Button2, [&](QWidget& dialog) {
        name = dialog.findChild<QLineEdit*>("fileNameEdit")->text();
        drive(static_cast<QFileDialog&>(dialog));
    });
    QCOMPARE(name, QString());
    // The window manager's part: the main window becomes active again.
    QVERIFY(showActive(*Form1));
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(openMainWindow()); }
    void cleanup() { closeMainWindow(); }

    void theWindowAndItsStartState() {
        QVERIFY(Form1->RadioButtonString->isChecked() && !Form1->RadioButtonFile->isChecked());
        expectModeShown(false);
        QCOMPARE(bar(), QList<int>({0, 100, 0, 10}));
        QCOMPARE(focused(), QString("Button1"));
        // With nothing ticked, Enter on the button sets the bar full from 1 to 2.
        QTest::keyClick(Form1->Button1, Qt::Key_Return);
        QCOMPARE(bar(), QList<int>({1, 2, 2, 1}));

        QCOMPARE(Form1->windowTitle(), QString("Kestrum 1.2 (kestrum.example.org)"));
        QCOMPARE(Form1->palette().color(QPalette::Window),
                 QApplication::palette().color(QPalette::Button));
        QCOMPARE(Form1->font().family(), QString("Tahoma"));
        QVERIFY(Form1->FontHeight() >= 11 && Form1->FontHeight() <= 13);
        QCOMPARE(control("EditMD5")->font(), Form1->font());
        const QRect desktop = Form1->screen()->availableGeometry();
        QVERIFY((Form1->frameGeometry().center() - desktop.center()).manhattanLength() <= 2);

        Form1->resize(500, 700);
        Form1->showMaximized();
        QTest::qWait(20);
        QCOMPARE(Form1->size(), QSize(395, 576));

        // A binding whose signal or slot does not exist is only a runtime warning from Qt.
        static QStringList warnings;
        const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext&, const QString& text) { warnings << text; });
        TForm1 another;
        qInstallMessageHandler(previous);
        QCOMPARE(warnings, QStringList());
    }

    void everyControlAsLaidOut() {
        const auto expect = [](const QString& name, const char* cls, const QString& parent,
                               const QRect& geometry, const char* caption) {
            QWidget* w = control(name);
            QVERIFY2(w, qPrintable(name));
            QCOMPARE(w->metaObject()->className(), cls);
            QCOMPARE(w->parentWidget()->objectName(), parent);
            QCOMPARE(w->geometry(), geometry);
            if (caption)
                QCOMPARE(captionOf(w), QString(caption));
        };
        for (const Row& r : kControls)
            expect(r.name, r.cls, r.parent, r.geometry, r.caption);
        for (const auto& r : kRows) {
            const QString edit = QString("Edit") + r.tag, box = QString("CheckBox") + r.tag;
            expect(edit, "TEdit", "TForm1", {8, r.editTop, 282, 21}, "");
            expect(box, "TCheckBox", "TForm1", {301, r.boxTop, r.boxWidth, r.boxHeight}, r.caption);
            QVERIFY(control<TEdit>(edit)->isReadOnly() && !control<TEdit>(edit)->HideSelection());
            // Unticked, and the whole caption shows.
            auto* b = control<TCheckBox>(box);
            QVERIFY(!b->isChecked());
            QStyleOptionButton option;
            option.initFrom(b);
            option.text = b->text();
            const QRect room = b->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, b);
            QVERIFY2(room.width() >= b->fontMetrics().horizontalAdvance(b->text()), r.caption);
        }
        for (const auto& a : digest::kAlgorithms)
            QCOMPARE(kRows[a.screenRow - 1].tag, a.tag);
        QVERIFY(Form1->Memo1->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn &&
                Form1->Memo1->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff);
        QVERIFY(Form1->Panel1->frameShadow() == QFrame::Raised && Form1->Panel1->lineWidth() == 1);
        QVERIFY(!Form1->Button1->isDefault() && !Form1->Button1->autoDefault());

        // Button1 and the bar lie above the panel, whose caption the bar hides.
        auto* panel = Form1->Panel1;
        const QRect text = QFontMetrics(panel->font())
                               .boundingRect(panel->contentsRect(), Qt::AlignCenter, "Panel1")
                               .translated(panel->pos());
        QVERIFY(Form1->ProgressBar1->geometry().contains(text));
        QCOMPARE(Form1->childAt(text.center()), Form1->ProgressBar1);
        QCOMPARE(Form1->childAt(Form1->Button1->geometry().center()), Form1->Button1);

        // The logo's first frame, unscaled at the top left; the strip at its right is the
        // window's colour.
        const QImage logo = QImage(":/logo.gif").convertToFormat(QImage::Format_RGB32);
        QCOMPARE(logo.size(), QSize(88, 31));
        const QImage shown = Form1->Image1->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.copy(0, 0, 88, 31), logo);
        for (int y = 0; y < 31; ++y)
            QCOMPARE(shown.pixelColor(89, y), Form1->palette().color(QPalette::Window));
        QCOMPARE(Form1->Image1->cursor().shape(), Qt::PointingHandCursor);
    }

    void tabCycle_data() {
        QTest::addColumn<bool>("fileMode");
        QTest::addColumn<QStringList>("cycle");
        QTest::newRow("text") << false << kTabCycle;
        // The group's place holds the file button, the name and the browse button.
        const qsizetype at = kTabCycle.indexOf("RadioButtonString");
        QTest::newRow("file") << true
                              << kTabCycle.mid(0, at) +
                                     QStringList{"RadioButtonFile", "EditInputFile", "Button2"} +
                                     kTabCycle.mid(at + 2);
    }

    // Tab entry selects all in every result field but EditMD5, which keeps its caret; entering
    // CheckBoxMD5 clears them all, entering any other check box nothing.
    void tabCycle() {
        QFETCH(bool, fileMode);
        QFETCH(QStringList, cycle);
        if (fileMode) {
            clickThroughWindow(*Form1->RadioButtonFile);
            Form1->Button1->setFocus();
        }
        fillResultFields();
        Form1->EditMD5->setSelection(2, 3);
        QStringList forward, backward;
        for (int i = 0; i < cycle.size(); ++i) {
            forward << focused();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(forward, cycle);
        QCOMPARE(focused(), QString("Button1"));
        for (TEdit* e : resultFields())
            QCOMPARE(e->hasSelectedText(), e != Form1->EditMD5);
        QCOMPARE(Form1->EditMD5->cursorPosition(), 2);

        for (int i = 0; i < cycle.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
            backward.prepend(focused());
        }
        QCOMPARE(backward, cycle);
        for (TEdit* e : resultFields())
            QVERIFY(!e->hasSelectedText());
    }

    void computeThroughTheWindow() {
        typeInto(*Form1->Memo1, "abc");
        for (TCheckBox* box : {Form1->CheckBoxMD5, Form1->CheckBoxSHA1, Form1->CheckBoxCRC32})
            clickThroughWindow(*box);
        press();
        QCOMPARE(Form1->EditMD5->Text(), kMd5OfAbc);
        QCOMPARE(Form1->EditSHA1->Text(), QString("A9993E364706816ABA3E25717850C26C9CD0D89D"));
        QCOMPARE(Form1->EditCRC32->Text(), QString("352441C2"));
        QVERIFY(Form1->EditMD2->Text().isEmpty());
        QCOMPARE(bar(), QList<int>({1, 2, 2, 1}));

        // Windows-1251 with CR LF: 61 0D 0A DF. An unticked row keeps what it showed.
        typeInto(*Form1->Memo1, "a");
        QTest::keyClick(Form1->Memo1, Qt::Key_Return);
        QTest::sendKeyEvent(QTest::Click, Form1->Memo1, Qt::Key_unknown, "Я", {});
        clickThroughWindow(*Form1->CheckBoxSHA1);
        press();
        QCOMPARE(Form1->EditMD5->Text(), QString("4C56FB3B32DBF0B7AD99AE2E797DE7DE"));
        QCOMPARE(Form1->EditSHA1->Text(), QString("A9993E364706816ABA3E25717850C26C9CD0D89D"));

        // File mode: the typed name is the one opened; the messages stand at their point and a
        // refused run leaves the results as they were.
        QTemporaryDir dir;
        QFile file(dir.filePath("abc.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("abc") == 3);
        file.close();
        clickThroughWindow(*Form1->RadioButtonFile);
        typeInto(*Form1->EditInputFile, file.fileName());
        QCOMPARE(messageOfPress(), QString());
        QCOMPARE(Form1->EditMD5->Text(), kMd5OfAbc);
        QCOMPARE(bar(), QList<int>({1, 2, 2, 1}));

        const QString at = QString(" (%1, %2)")
                               .arg(Form1->Left() + Form1->Width() / 2 - 100)
                               .arg(Form1->Top() + Form1->Height() / 2 - 50);
        const QString missing = dir.filePath("нет такого файла ");
        Form1->EditInputFile->SetText("");
        QCOMPARE(messageOfPress(), "Не введено имя файла!" + at);
        Form1->EditInputFile->SetText(missing);
        QCOMPARE(messageOfPress(), "Невозможно открыть файл \"" + missing + "\"!" + at);
        QCOMPARE(Form1->EditMD5->Text(), kMd5OfAbc);
    }

    // Texts survive any number of switches, greyed while disabled; clicking the checked button
    // or tabbing into the group changes nothing visible.
    void modeSwitching() {
        const auto look = [] {
            return QList<QImage>{Form1->Memo1->grab().toImage(),
                                 Form1->EditInputFile->grab().toImage(),
                                 Form1->Button2->grab().toImage()};
        };
        typeInto(*Form1->Memo1, "text to hash");
        for (int i = 0; i < 2; ++i) {
            for (TRadioButton* mode : {Form1->RadioButtonFile, Form1->RadioButtonString}) {
                clickThroughWindow(*mode);
                QVERIFY(mode->isChecked());
                expectModeShown(mode == Form1->RadioButtonFile);
                if (i == 0 && mode == Form1->RadioButtonFile)
                    typeInto(*Form1->EditInputFile, "/some/file");
                Form1->Button1->setFocus();
                const QList<QImage> before = look();
                clickThroughWindow(*mode);
                QCOMPARE(look(), before);
                Form1->CheckBoxTiger->setFocus();
                QTest::keyClick(Form1->CheckBoxTiger, Qt::Key_Tab);
                QCOMPARE(QApplication::focusWidget(), mode);
                QCOMPARE(look(), before);
            }
        }
        QCOMPARE(Form1->Memo1->Text(), QString("text to hash"));
        QCOMPARE(Form1->EditInputFile->Text(), QString("/some/file"));
        const QPalette& p = Form1->EditInputFile->palette();
        QVERIFY(p.color(QPalette::Disabled, QPalette::Text) !=
                p.color(QPalette::Active, QPalette::Text));
    }

    void aPressOnFileReleasedElsewhereLeavesTextChecked() {
        typeInto(*Form1->Memo1, "abc");
        clickThroughWindow(*Form1->CheckBoxMD5);
        mouseThroughWindow(QTest::MousePress, *Form1->RadioButtonFile);
        mouseThroughWindow(QTest::MouseRelease, *Form1->Button1);
        QVERIFY(Form1->RadioButtonString->isChecked() && !Form1->RadioButtonFile->isChecked());
        expectModeShown(true);
        // The computation follows the check: it hashes the greyed memo text.
        press();
        QCOMPARE(Form1->EditMD5->Text(), kMd5OfAbc);
        // Focus on the checked button brings the two back into step.
        clickThroughWindow(*Form1->RadioButtonString);
        expectModeShown(false);
    }

    void theFieldFollowsTheDialogsSelection() {
        QTemporaryDir dir;
        QStringList files;
        for (const char* name : {"one", "two", "three"}) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            files << file.fileName();
        }
        clickThroughWindow(*Form1->RadioButtonFile);
        // Three picks then cancel: the field followed each and keeps the third. Looking into
        // another folder afterwards selects nothing.
        browse([&](QFileDialog& dialog) {
            QVERIFY(dialog.isSizeGripEnabled() && dialog.fileMode() == QFileDialog::AnyFile);
            for (const QString& file : files) {
                pick(dialog, file);
                QCOMPARE(Form1->EditInputFile->Text(), file);
            }
            dialog.setDirectory(QDir::rootPath());
        });
        QCOMPARE(Form1->EditInputFile->Text(), files[2]);
        // After a choice the box starts empty again; a confirmed pick stays, and cancelled at
        // once the field stays as it was.
        browse([&](QFileDialog& dialog) {
            pick(dialog, files[0]);
            static_cast<QDialog&>(dialog).accept();
        });
        QCOMPARE(Form1->EditInputFile->Text(), files[0]);
        browse([](QFileDialog&) {});
        QCOMPARE(Form1->EditInputFile->Text(), files[0]);
    }
};

KESTRUM_TEST_MAIN(WindowTest)
#include "window_test.moc"
