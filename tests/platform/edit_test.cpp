#include <QClipboard>
#include <QSignalSpy>
#include <QTest>

#include "platform/TEdit.h"
#include "platform/TMemo.h"
#include "qt_window.h"

// Two fields in a window; the focus starts in `before`.
class EditTest : public QObject {
    Q_OBJECT

    QWidget* window = nullptr;
    TEdit* before = nullptr;
    TEdit* edit = nullptr;

    void tabIntoEdit() {
        before->setFocus();
        QTest::keyClick(before, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), edit);
    }

private slots:
    void init() {
        window = new QWidget;
        window->resize(300, 100);
        before = new TEdit(window);
        before->setGeometry(5, 5, 280, 21);
        edit = new TEdit(window);
        edit->setGeometry(5, 40, 280, 21);
        edit->setContextMenuPolicy(Qt::NoContextMenu);
        QVERIFY(showActive(*window));
        before->setFocus();
    }
    void cleanup() { delete window; }

    void aNewTextShowsFromItsStartAnEqualOneChangesNothing() {
        edit->SetText(QString(128, 'A'));
        QCOMPARE(edit->cursorPosition(), 0);
        edit->setSelection(3, 5);
        QSignalSpy changed(edit, &QLineEdit::textChanged);
        edit->SetText(QString(128, 'A'));
        QCOMPARE(changed.count(), 0);
        QCOMPARE(edit->selectionStart(), 3);
        QCOMPARE(edit->selectionLength(), 5);

        TMemo memo(window);
        memo.SetText("a\nb");
        QSignalSpy memoChanged(&memo, &QPlainTextEdit::textChanged);
        memo.SetText("a\nb");
        QCOMPARE(memoChanged.count(), 0);
    }

    // OnEnter once per entry; AutoSelect on keyboard entry; HideSelection when the focus leaves.
    void keyboardEntry_data() {
        QTest::addColumn<bool>("autoSelect");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<bool>("hide");
        QTest::newRow("AutoSelect selects all, hidden on leaving") << true << 2 << "ABCDEF" << true;
        QTest::newRow("otherwise a selection stays, shown on leaving")
            << false << 2 << "BC" << false;
        QTest::newRow("otherwise the caret stays") << false << 0 << "" << true;
    }
    void keyboardEntry() {
        QFETCH(bool, autoSelect);
        QFETCH(int, length);
        QFETCH(QString, selected);
        QFETCH(bool, hide);
        edit->SetAutoSelect(autoSelect);
        edit->SetHideSelection(hide);
        edit->SetText("ABCDEF");
        edit->setSelection(1, length);
        QSignalSpy entered(edit, &TEdit::OnEnter);
        tabIntoEdit();
        QCOMPARE(edit->selectedText(), selected);
        QCOMPARE(edit->cursorPosition(), autoSelect ? 6 : 1 + length);
        QCOMPARE(entered.count(), 1);
        QCOMPARE(entered.at(0).at(0).value<QObject*>(), edit);

        // The window losing and regaining activation enters nothing.
        QWidget other;
        QVERIFY(showActive(other));
        QVERIFY(showActive(*window));
        QCOMPARE(QApplication::focusWidget(), edit);
        QCOMPARE(entered.count(), 1);

        before->setFocus(Qt::TabFocusReason);
        QCOMPARE(edit->selectedText(), hide ? QString() : selected);
    }

    void readOnlyRefusesTypingAndPastingButCopies() {
        edit->setReadOnly(true);
        edit->SetText("ABCDEF");
        tabIntoEdit();
        QTest::keyClick(edit, Qt::Key_End);
        QTest::keyClicks(edit, "xyz");
        QGuiApplication::clipboard()->setText("pasted");
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit->Text(), QString("ABCDEF"));

        QTest::keyClick(edit, Qt::Key_Home);
        QTest::keyClick(edit, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(edit, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("AB"));
    }

    // The press notice comes before the focus moves, for any button. A left press brings the
    // focus without a select-all; a right one selects all; a middle one places the caret. A
    // click is a single left press and release inside.
    void pressAndClickNotices() {
        edit->SetText("ABCDEF");
        QSignalSpy clicked(edit, &TEdit::OnClick);
        // Released over another field: no click. A double click: only its first release clicks.
        mouseThroughWindow(QTest::MousePress, *edit, Qt::LeftButton, {10, 10});
        mouseThroughWindow(QTest::MouseRelease, *before, Qt::LeftButton, {10, 10});
        QCOMPARE(clicked.count(), 0);
        mouseThroughWindow(QTest::MouseDClick, *edit, Qt::LeftButton, {10, 10});
        QCOMPARE(clicked.count(), 1);

        QList<TMouseButton> buttons;
        connect(edit, &TEdit::OnMouseActivate,
                [&](TObject*, TMouseButton button, TShiftState, int x, int y, int,
                    TMouseActivate& activate) {
                    QCOMPARE(QApplication::focusWidget(), before);
                    QCOMPARE(QPoint(x, y), QPoint(30, 8));
                    QCOMPARE(activate, maDefault);
                    buttons.append(button);
                });
        for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
            before->setFocus();
            mouseThroughWindow(QTest::MouseClick, *edit, button, {30, 8});
            QCOMPARE(QApplication::focusWidget(), edit);
            QCOMPARE(edit->hasSelectedText(), button == Qt::RightButton);
        }
        QCOMPARE(buttons, (QList<TMouseButton>{mbLeft, mbRight, mbMiddle}));
        QCOMPARE(clicked.count(), 2);
    }
};

KESTRUM_TEST_MAIN(EditTest)
#include "edit_test.moc"
