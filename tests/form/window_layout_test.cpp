#include <QFontMetrics>
#include <QScreen>
#include <QStyleOptionButton>
#include <QTest>

#include "digest/algorithms.h"
#include "main_window.h"
#include "platform/TOpenDialog.h"

namespace {

struct Row {
    const char* name;
    const char* cls;
    const char* parent;
    QRect geometry;
    const char* caption;
};

// The window's controls as laid out; captions are the texts of buttons, boxes and the group.
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
    {"ProgressBar1", "TProgressBar", "TForm1", {105, 540, 176, 19}, ""},
};

struct AlgorithmRow {
    const char* tag;
    int editTop;
    int boxTop;
    int boxWidth;
    int boxHeight;
    const char* caption;
};

// Top to bottom, as on the screen.
const AlgorithmRow kRows[] = {
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

const QStringList kTabCycle = {
    "Button1", "CheckBoxMD5", "EditSHA1", "EditMD5", "CheckBoxSHA1", "EditSHA224",
    "CheckBoxSHA224", "EditSHA256", "CheckBoxSHA256", "EditSHA384", "CheckBoxSHA384",
    "EditSHA512", "CheckBoxSHA512", "EditTiger", "CheckBoxTiger", "RadioButtonString", "Memo1",
    "EditWHIRLPOOL", "EditRIPEMD128", "EditRIPEMD256", "EditRIPEMD160", "CheckBoxWHIRLPOOL",
    "CheckBoxRIPEMD128", "CheckBoxRIPEMD256", "CheckBoxRIPEMD160", "EditMD2", "EditMD4",
    "EditCRC32", "CheckBoxMD2", "CheckBoxMD4", "CheckBoxCRC32", "EditADLER32", "CheckBoxADLER32",
    "EditPANAMA", "CheckBoxPANAMA"};

QString caption(QWidget* w) {
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return b->text();
    if (auto* g = qobject_cast<QGroupBox*>(w))
        return g->title();
    if (auto* p = qobject_cast<TPanel*>(w))
        return p->Caption();
    if (auto* e = qobject_cast<TEdit*>(w))
        return e->Text();
    if (auto* m = qobject_cast<TMemo*>(w))
        return m->Text();
    return {};
}

QString focused() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "(none)";
}

QColor colorOf(TColor c) {
    return QApplication::palette().color(c == clWindow ? QPalette::Base : QPalette::Button);
}

} // namespace

class WindowLayoutTest : public QObject {
    Q_OBJECT

    MainWindowFixture main;

private slots:
    void init() { QVERIFY(main.open()); }
    void cleanup() { main.close(); }

    void windowProperties() {
        QCOMPARE(Form1->windowTitle(), QString("Kestrum 1.2 (kestrum.example.org)"));
        QCOMPARE(Form1->size(), QSize(395, 576));
        QCOMPARE(Form1->minimumSize(), QSize(395, 576));
        QCOMPARE(Form1->maximumSize(), QSize(395, 576));
        QCOMPARE(Form1->Color(), clBtnFace);
        QCOMPARE(Form1->palette().color(QPalette::Window), colorOf(clBtnFace));
        QCOMPARE(Form1->font().family(), QString("Tahoma"));
        QVERIFY(Form1->FontHeight() <= 13);
        QVERIFY(Form1->FontHeight() >= 11);
        QCOMPARE(MainWindowFixture::control("EditMD5")->font(), Form1->font());

        // Centred on the desktop.
        const QRect desktop = Form1->screen()->availableGeometry();
        QVERIFY((Form1->frameGeometry().center() - desktop.center()).manhattanLength() <= 2);
    }

    void everyBindingConnects() {
        // A binding whose signal or slot does not exist is only a runtime warning from Qt.
        static QStringList warnings;
        warnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext&, const QString& text) { warnings << text; });
        TForm1 another;
        qInstallMessageHandler(previous);
        QCOMPARE(warnings, QStringList());
    }

    void theSizeCannotChange() {
        Form1->resize(500, 700);
        QCOMPARE(Form1->size(), QSize(395, 576));
        Form1->showMaximized();
        QTest::qWait(20);
        QCOMPARE(Form1->size(), QSize(395, 576));
    }

    void everyControlAsLaidOut() {
        for (const Row& r : kControls) {
            QWidget* w = MainWindowFixture::control(r.name);
            QVERIFY2(w, r.name);
            QCOMPARE(w->metaObject()->className(), r.cls);
            QCOMPARE(w->parentWidget()->objectName(), QString(r.parent));
            QCOMPARE(w->geometry(), r.geometry);
            QCOMPARE(caption(w), QString(r.caption));
        }
        for (const AlgorithmRow& r : kRows) {
            auto* edit = MainWindowFixture::control<TEdit>(QString("Edit") + r.tag);
            auto* box = MainWindowFixture::control<TCheckBox>(QString("CheckBox") + r.tag);
            QVERIFY2(edit && box, r.tag);
            QCOMPARE(edit->metaObject()->className(), "TEdit");
            QCOMPARE(box->metaObject()->className(), "TCheckBox");
            QCOMPARE(edit->parentWidget(), Form1);
            QCOMPARE(box->parentWidget(), Form1);
            QCOMPARE(edit->geometry(), QRect(8, r.editTop, 282, 21));
            QCOMPARE(box->geometry(), QRect(301, r.boxTop, r.boxWidth, r.boxHeight));
            QCOMPARE(box->text(), QString(r.caption));
            QCOMPARE(box->layoutDirection(), Qt::LeftToRight);
            // The whole caption shows.
            QStyleOptionButton option;
            option.initFrom(box);
            option.text = box->text();
            const QRect room = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
            QVERIFY2(room.width() >= box->fontMetrics().horizontalAdvance(box->text()), r.caption);

            QVERIFY(edit->isReadOnly());
            QVERIFY(!edit->HideSelection());
            QCOMPARE(edit->AutoSelect(), QString(r.tag) != "MD5");
            QCOMPARE(edit->Color(), clWindow);
            QCOMPARE(edit->focusPolicy(), Qt::StrongFocus);
            QCOMPARE(box->focusPolicy(), Qt::StrongFocus);
        }
        // Every result field and check box of the algorithm table has its row on the screen.
        for (const auto& a : digest::kAlgorithms)
            QCOMPARE(kRows[a.screenRow - 1].tag, a.tag);

        auto* memo = MainWindowFixture::control<TMemo>("Memo1");
        QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QVERIFY(memo->tabChangesFocus());

        // The logo's first frame, unscaled at the top left; the strip at its right is the
        // window's colour.
        const QImage logo = QImage(":/logo.gif").convertToFormat(QImage::Format_RGB32);
        QCOMPARE(logo.size(), QSize(88, 31));
        const QImage shown = Form1->Image1->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.copy(0, 0, 88, 31), logo);
        for (int y = 0; y < 31; ++y)
            QCOMPARE(shown.pixelColor(89, y), Form1->palette().color(QPalette::Window));
        QCOMPARE(Form1->Image1->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(Form1->Panel1->frameShadow(), QFrame::Raised);
        QCOMPARE(Form1->Panel1->lineWidth(), 1);
        QVERIFY(!Form1->Button1->isDefault() && !Form1->Button1->autoDefault());

        QCOMPARE(Form1->OpenDialog1->objectName(), QString("OpenDialog1"));
        QCOMPARE(Form1->OpenDialog1->parent(), Form1);
        QVERIFY(Form1->OpenDialog1->FileName().isEmpty());
    }

    void startState() {
        QVERIFY(Form1->RadioButtonString->isChecked());
        QVERIFY(!Form1->RadioButtonFile->isChecked());
        QVERIFY(Form1->Memo1->isEnabled());
        QCOMPARE(Form1->Memo1->Color(), clWindow);
        QVERIFY(Form1->Memo1->Text().isEmpty());
        QVERIFY(!Form1->EditInputFile->isEnabled());
        QCOMPARE(Form1->EditInputFile->Color(), clBtnFace);
        QCOMPARE(Form1->EditInputFile->palette().color(QPalette::Base), colorOf(clBtnFace));
        QVERIFY(Form1->EditInputFile->Text().isEmpty());
        QVERIFY(!Form1->Button2->isEnabled());
        for (const AlgorithmRow& r : kRows) {
            QVERIFY(!MainWindowFixture::control<TCheckBox>(QString("CheckBox") + r.tag)->isChecked());
            auto* edit = MainWindowFixture::control<TEdit>(QString("Edit") + r.tag);
            QVERIFY(edit->Text().isEmpty());
        }
        auto* bar = Form1->ProgressBar1;
        QCOMPARE(bar->Min(), 0);
        QCOMPARE(bar->Max(), 100);
        QCOMPARE(bar->Position(), 0);
        QCOMPARE(bar->Step(), 10);
        QCOMPARE(focused(), QString("Button1"));
    }

    void stackingFollowsCreationOrder() {
        QStringList order;
        for (QObject* child : Form1->children())
            if (child->isWidgetType())
                order << child->objectName();
        QCOMPARE(order.mid(0, 4), (QStringList{"Image1", "Panel1", "Button1", "CheckBoxMD5"}));
        QCOMPARE(order.indexOf("GroupBox1") + 1, order.indexOf("ProgressBar1"));
        QCOMPARE(order.last(), QString("CheckBoxPANAMA"));
        QCOMPARE(order.size(), 37);

        QStringList group;
        for (QObject* child : Form1->GroupBox1->children())
            if (child->isWidgetType())
                group << child->objectName();
        QCOMPARE(group, (QStringList{"RadioButtonFile", "RadioButtonString", "EditInputFile",
                                     "Button2", "Memo1"}));
    }

    void thePanelCaptionLiesUnderTheBar() {
        auto* panel = Form1->Panel1;
        const QRect text = QFontMetrics(panel->font())
                               .boundingRect(panel->contentsRect(), Qt::AlignCenter, "Panel1")
                               .translated(panel->pos());
        QVERIFY(Form1->ProgressBar1->geometry().contains(text));
        QVERIFY(panel->geometry().contains(Form1->Button1->geometry()));
        QVERIFY(panel->geometry().contains(Form1->ProgressBar1->geometry()));
        QCOMPARE(Form1->childAt(text.center()), Form1->ProgressBar1);
    }

    void tabCycle_data() {
        QTest::addColumn<bool>("fileMode");
        QTest::addColumn<QStringList>("cycle");
        QTest::newRow("text") << false << kTabCycle;
        // The group's place holds the file button, the name and the browse button.
        const qsizetype at = kTabCycle.indexOf("RadioButtonString");
        const QStringList file = kTabCycle.mid(0, at) +
                                 QStringList{"RadioButtonFile", "EditInputFile", "Button2"} +
                                 kTabCycle.mid(at + 2);
        QTest::newRow("file") << true << file;
    }

    void tabCycle() {
        QFETCH(bool, fileMode);
        QFETCH(QStringList, cycle);
        if (fileMode) {
            clickThroughWindow(*Form1->RadioButtonFile);
            Form1->Button1->setFocus();
        }
        QStringList forward;
        for (int i = 0; i < cycle.size(); ++i) {
            forward << focused();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(forward, cycle);
        QCOMPARE(focused(), QString("Button1"));

        QStringList backward;
        for (int i = 0; i < cycle.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
            backward.prepend(focused());
        }
        QCOMPARE(backward, cycle);
    }

    void tabIntoResultFieldsSelectsAllButEditMD5() {
        for (const AlgorithmRow& r : kRows)
            MainWindowFixture::control<TEdit>(QString("Edit") + r.tag)->SetText("0123456789ABCDEF");
        for (int i = 0; i < kTabCycle.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            auto* edit = qobject_cast<TEdit*>(QApplication::focusWidget());
            if (!edit)
                continue;
            QCOMPARE(edit->hasSelectedText(), edit != Form1->EditMD5);
        }
        // Selections made by keyboard entry stay in sight after the focus moves on.
        QCOMPARE(Form1->EditSHA1->selectedText(), QString("0123456789ABCDEF"));
    }

    void enterOnTheFocusedComputeButtonRuns() {
        QCOMPARE(focused(), QString("Button1"));
        QTest::keyClick(Form1->Button1, Qt::Key_Return);
        // A press with nothing ticked sets the bar full: range 1 to 2 at 2.
        QCOMPARE(Form1->ProgressBar1->Min(), 1);
        QCOMPARE(Form1->ProgressBar1->Max(), 2);
        QCOMPARE(Form1->ProgressBar1->Position(), 2);
        QCOMPARE(Form1->ProgressBar1->Step(), 1);
        QVERIFY(Form1->EditMD5->Text().isEmpty());
    }
};

QTEST_MAIN(WindowLayoutTest)
#include "window_layout_test.moc"
