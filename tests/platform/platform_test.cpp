#include <QSignalSpy>

#include "platform/Dialogs.h"
#include "platform/Exception.h"
#include "platform/ShellAPI.h"
#include "platform/SysUtils.h"
#include "platform/TEdit.h"
#include "platform/TProgressBar.h"
#include "platform/ansi_text.h"
#include "qt_window.h"

class PlatformTest : public QObject {
    Q_OBJECT

private slots:
    void progressBar() {
        QWidget window;
        TProgressBar bar(&window);
        bar.setGeometry(10, 10, 176, 19);
        const auto state = [&] {
            return QList<int>{bar.Min(), bar.Max(), bar.Position(), bar.Step(), bar.value()};
        };
        QVERIFY(state() == QList<int>({0, 100, 0, 10, 0}) && !bar.isTextVisible());
        // A range moved past the position carries it along, as drawn too.
        bar.SetPosition(50);
        bar.SetMin(60);
        bar.SetMax(70);
        bar.SetMin(65);
        QCOMPARE(state(), QList<int>({65, 70, 65, 10, 65}));
        bar.SetPosition(70);
        bar.SetMax(66);
        QVERIFY_THROWS_EXCEPTION(Exception, bar.SetMax(64)); // its message: see the window's test
        QVERIFY_THROWS_EXCEPTION(Exception, bar.SetMin(67));
        bar.SetMin(66); // equal bounds are a range
        QCOMPARE(state(), QList<int>({66, 66, 66, 10, 66}));

        // An equal value changes nothing; a step shows at once, at worst a pixel behind (176
        // pixels of 1000), and a step past the end stops there.
        bar.SetMax(276'000);
        bar.SetMin(100'000);
        QSignalSpy changed(&bar, &QProgressBar::valueChanged);
        bar.SetPosition(100'000);
        bar.SetMin(100'000);
        const int redrawn = changed.count();
        int behind = 0;
        for (int step : {999, 1, 1, 175'000, INT_MAX}) {
            bar.SetStep(step);
            bar.StepIt();
            behind = std::max(behind, bar.Position() - bar.value());
        }
        QCOMPARE(QList<int>({redrawn, behind}), QList<int>({0, 999}));
        QCOMPARE(state(), QList<int>({100'000, 276'000, 276'000, INT_MAX, 276'000}));
    }

    void editFocusSelectionAndNotices() {
        QWidget window;
        TEdit before(&window), edit(&window);
        before.setGeometry(5, 5, 280, 21);
        edit.setGeometry(5, 40, 280, 21);
        edit.setContextMenuPolicy(Qt::NoContextMenu);
        QVERIFY(showActive(window));
        edit.SetText(QString(128, 'A'));
        QCOMPARE(edit.cursorPosition(), 0); // shown from its start
        edit.setSelection(3, 5);
        QSignalSpy changed(&edit, &QLineEdit::textChanged);
        edit.SetText(QString(128, 'A'));
        QCOMPARE(QList<int>({int(changed.count()), edit.selectionStart(), edit.selectionLength()}),
                 QList<int>({0, 3, 5}));

        // Keyboard entry: OnEnter once; the selection stays, caret and all, and stays after.
        QSignalSpy entered(&edit, &TEdit::OnEnter);
        edit.SetText("ABCDEF");
        edit.setSelection(3, -2);
        edit.SetAutoSelect(false);
        edit.SetHideSelection(false);
        QTest::keyClick(&before, Qt::Key_Tab);
        QWidget other;
        QVERIFY(showActive(other) && showActive(window));
        before.setFocus();
        QCOMPARE(edit.selectedText() + QString::number(edit.cursorPosition()), QString("BC1"));
        QVERIFY(entered.count() == 1 && entered.at(0).at(0).value<QObject*>() == &edit);

        // The press notice comes before the focus moves; a click is one left press and release.
        edit.SetAutoSelect(true);
        QStringList notices; // button, the shift state's flags, hit test, focus still elsewhere
        connect(&edit, &TEdit::OnMouseActivate,
                [&](TObject*, TMouseButton button, TShiftState shift, int x, int y, int hit,
                    TMouseActivate&) {
                    QCOMPARE(QPoint(x, y), QPoint(12, 8));
                    QString flags;
                    const char* names[] = {"Shift", "Alt",    "Ctrl",  "Left",
                                           "Right", "Middle", "Double"};
                    for (unsigned bit = 0; bit < 7; ++bit)
                        flags += shift & 1u << bit ? names[bit] : "";
                    notices << QString("%1 %2 %3 %4")
                                   .arg(button)
                                   .arg(flags)
                                   .arg(hit)
                                   .arg(QApplication::focusWidget() == &before);
                });
        QSignalSpy clicked(&edit, &TEdit::OnClick);
        for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
            before.setFocus();
            mouse(edit, QTest::MouseClick, button);
            QCOMPARE(edit.hasSelectedText(), button == Qt::RightButton);
        }
        mouse(edit, QTest::MousePress);
        mouse(before, QTest::MouseRelease);
        mouse(edit, QTest::MouseDClick);
        QCOMPARE(clicked.count(), 2);
        for (auto keys : {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier}) {
            mouse(edit, QTest::MousePress, Qt::LeftButton, keys);
            mouse(edit, QTest::MouseRelease);
        }
        QCOMPARE(notices, QStringList({"0 Left 1 1", "1 Right 1 1", "2 Middle 1 1", "0 Left 1 0",
                                       "0 Left 1 0", "0 LeftDouble 1 0", "0 ShiftLeft 1 0",
                                       "0 CtrlLeft 1 0", "0 AltLeft 1 0"}));
    }

    // A "." after a last character above it; an error box at its point, or centred.
    void errorBoxes() {
        ModalBoxes boxes;
        // No box opens over one that tells of an exception: a repeating failure would never end.
        QTimer::singleShot(0, [] { Guarded(nullptr, [] { throw Exception("Over the box"); }); });
        for (auto failure :
             {std::make_exception_ptr(Exception("Error 42")),
              std::make_exception_ptr(Exception("/")), std::make_exception_ptr(Exception("Done.")),
              std::make_exception_ptr(Exception("a,")), std::make_exception_ptr(Exception("")),
              std::make_exception_ptr(EAbort("quiet")),
              std::make_exception_ptr(std::runtime_error("Filter: invalid")),
              std::make_exception_ptr(7)}) {
            try {
                std::rethrow_exception(failure);
            } catch (...) {
                Application->HandleException(nullptr);
            }
        }
        MessageDlgPos("Не введено имя файла!", mtError, mbOK, 0, 0, 0);
        MessageDlgPos("Не введено имя файла!", mtError, mbOK, 0, 5, -1);
        MessageDlgPos("Не введено имя файла!", mtError, mbOK, 0, -1, 7);
        QStringList texts;
        for (const auto& box : boxes.seen)
            texts << box.title + ": " + box.text + (box.wellFormed ? "" : " (ill-formed)");
        QCOMPARE(texts,
                 QStringList({"Kestrum 1.2: Error 42.", "Kestrum 1.2: /.", "Kestrum 1.2: Done.",
                              "Kestrum 1.2: a,", "Kestrum 1.2: ", "Kestrum 1.2: Filter: invalid",
                              "Kestrum 1.2: ", "Error: Не введено имя файла!",
                              "Error: Не введено имя файла!", "Error: Не введено имя файла!"}));
        // Placed at the point, centred along an axis whose coordinate is negative.
        const QPoint centre = QGuiApplication::primaryScreen()->geometry().center();
        const auto at = [&](int i) { return boxes.seen.at(i).frame; };
        QCOMPARE(QList<QPoint>({at(7).topLeft(),
                                {at(8).left(), at(8).center().y()},
                                {at(9).center().x(), at(9).top()}}),
                 QList<QPoint>({{0, 0}, {5, centre.y()}, {centre.x(), 7}}));
    }

    // Windows-1251, CR LF, "?"; the shell opens an address or a file in the folder given.
    void ansiTextAndShell() {
        QCOMPARE(ToAnsiText(QString::fromUtf8("a\nb\n ~\x7F ЯЁёя€№\u00A0 äx😀y\uFFFF漢\u0080")),
                 std::string("a\r\nb\r\n ~\x7F \xDF\xA8\xB8\xFF\x88\xB9\xA0 ?x?y???"));
        QCOMPARE(ExtractFileDir("/opt/kestrum/bin/kestrum") + ExtractFileDir("/kestrum") +
                     ExtractFileDir("kestrum"),
                 QString("/opt/kestrum/bin/"));
        OpenedUrls opened;
        const char site[] = "https://kestrum.example.org/";
        QVERIFY(ShellExecuteA(0, "open", site, nullptr, "/opt", SW_SHOWMAXIMIZED));
        QVERIFY(ShellExecuteA(0, nullptr, "readme.txt", nullptr, "/opt/kestrum", 1));
        QVERIFY(!ShellExecuteA(0, "print", site, nullptr, "/", 1) &&
                !ShellExecuteA(0, "open", site, "-x", "/", 1) &&
                !ShellExecuteA(0, "open", nullptr, nullptr, "/", 1));
        QCOMPARE(opened.urls,
                 (QList<QUrl>{QUrl(site), QUrl::fromLocalFile("/opt/kestrum/readme.txt")}));
    }
};

KESTRUM_TEST_MAIN(PlatformTest)
#include "platform_test.moc"
