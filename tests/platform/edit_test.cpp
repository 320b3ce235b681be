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
        QVERIFY(showActive(*window));
        before->setFocus();
    }
    void cleanup() { delete window; }

    void equalTextChangesNothing() {
        edit->SetText("900150983CD24FB0D6963F7D28E17F72");
        edit->setSelection(3, 5);
        QSignalSpy changed(edit, &QLineEdit::textChanged);
        edit->SetText("900150983CD24FB0D6963F7D28E17F72");
        QCOMPARE(changed.count(), 0);
        QCOMPARE(edit->selectionStart(), 3);
        QCOMPARE(edit->selectedText(), QString("15098"));
    }

    void newTextShowsFromItsFirstCharacter() {
        const QString digest(128, 'A');
        edit->SetText(digest);
        QCOMPARE(edit->Text(), digest);
        QCOMPARE(edit->cursorPosition(), 0);
        QVERIFY(!edit->hasSelectedText());
    }

    void autoSelectSelectsAllOnKeyboardEntry() {
        edit->SetText("ABCDEF");
        tabIntoEdit();
        QCOMPARE(edit->selectedText(), QString("ABCDEF"));
        // Backwards too.
        QTest::keyClick(edit, Qt::Key_Tab); // on to `before`
        edit->deselect();
        QTest::keyClick(before, Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), edit);
        QCOMPARE(edit->selectedText(), QString("ABCDEF"));
    }

    void withoutAutoSelectKeyboardEntryKeepsTheCaretAndSelection() {
        edit->SetAutoSelect(false);
        edit->SetHideSelection(false);
        edit->SetText("ABCDEF");
        tabIntoEdit();
        QVERIFY(!edit->hasSelectedText());
        QCOMPARE(edit->cursorPosition(), 0);

        edit->setSelection(1, 2);
        before->setFocus();
        tabIntoEdit();
        QCOMPARE(edit->selectedText(), QString("BC"));
    }

    void leftPressEntrySelectsNothing() {
        edit->SetText("ABCDEF");
        clickThroughWindow(*edit, {2, 10});
        QCOMPARE(QApplication::focusWidget(), edit);
        QVERIFY(!edit->hasSelectedText());
    }

    void onEnterOnFocusEntryOnly() {
        QSignalSpy entered(edit, &TEdit::OnEnter);
        tabIntoEdit();
        QCOMPARE(entered.count(), 1);
        QCOMPARE(entered.at(0).at(0).value<QObject*>(), edit);

        // The window losing and regaining activation enters nothing.
        QWidget other;
        QVERIFY(showActive(other));
        QVERIFY(showActive(*window));
        QCOMPARE(QApplication::focusWidget(), edit);
        QCOMPARE(entered.count(), 1);
    }

    void hideSelectionFalseKeepsTheSelectionWhenTheFocusLeaves() {
        edit->SetHideSelection(false);
        edit->SetText("ABCDEF");
        tabIntoEdit();
        edit->setSelection(2, 3);
        before->setFocus(Qt::TabFocusReason);
        QCOMPARE(edit->selectedText(), QString("CDE"));
        QCOMPARE(edit->selectionStart(), 2);
    }

    void hideSelectionTrueDropsIt() {
        edit->SetText("ABCDEF");
        tabIntoEdit();
        before->setFocus(Qt::TabFocusReason);
        QVERIFY(!edit->hasSelectedText());
    }

    void readOnlyRefusesTypingAndPastingButCopies() {
        edit->setReadOnly(true);
        edit->SetText("ABCDEF");
        tabIntoEdit();
        QTest::keyClick(edit, Qt::Key_End);
        QTest::keyClicks(edit, "xyz");
        QTest::keyClick(edit, Qt::Key_Backspace);
        QGuiApplication::clipboard()->setText("pasted");
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit->Text(), QString("ABCDEF"));

        QTest::keyClick(edit, Qt::Key_Home);
        QTest::keyClick(edit, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(edit, Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(edit->selectedText(), QString("AB"));
        QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("AB"));
    }

    void colourSetterPaintsThePaletteColourAndIgnoresAnEqualValue() {
        QCOMPARE(edit->Color(), clWindow);
        QCOMPARE(edit->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));
        edit->SetColor(clBtnFace);
        QCOMPARE(edit->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Button));
        // Disabled, it keeps the colour it was given.
        edit->setEnabled(false);
        QCOMPARE(edit->palette().color(QPalette::Disabled, QPalette::Base),
                 QApplication::palette().color(QPalette::Button));

        int paletteChanges = 0;
        struct Counter : QObject {
            int& n;
            explicit Counter(int& c) : n(c) {}
            bool eventFilter(QObject*, QEvent* e) override {
                n += e->type() == QEvent::PaletteChange || e->type() == QEvent::EnabledChange;
                return false;
            }
        } counter(paletteChanges);
        edit->installEventFilter(&counter);
        edit->SetColor(clBtnFace);
        edit->setEnabled(false);
        QCOMPARE(paletteChanges, 0);
    }

    void pressNoticeComesBeforeTheFocusMovesForAnyButton() {
        edit->setContextMenuPolicy(Qt::NoContextMenu);
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
        }
        QCOMPARE(buttons, (QList<TMouseButton>{mbLeft, mbRight, mbMiddle}));
    }

    void onClickOnlyForASingleLeftClickReleasedInside() {
        edit->setContextMenuPolicy(Qt::NoContextMenu);
        QSignalSpy clicked(edit, &TEdit::OnClick);
        clickThroughWindow(*edit, {10, 10});
        QCOMPARE(clicked.count(), 1);
        mouseThroughWindow(QTest::MouseClick, *edit, Qt::RightButton, {10, 10});
        QCOMPARE(clicked.count(), 1);
        // Released over another field: no click.
        mouseThroughWindow(QTest::MousePress, *edit, Qt::LeftButton, {10, 10});
        mouseThroughWindow(QTest::MouseRelease, *before, Qt::LeftButton, {10, 10});
        QCOMPARE(clicked.count(), 1);
        // A double click: only its first release clicks.
        mouseThroughWindow(QTest::MouseDClick, *edit, Qt::LeftButton, {10, 10});
        QCOMPARE(clicked.count(), 2);
    }

    void selLengthRunsFromTheLowerEndAndScrollsTheCaretIntoView() {
        edit->SetHideSelection(false);
        edit->SetText(QString(128, 'D'));
        // Unfocused throughout: the scrolling must not wait for the focus.
        edit->SelectAll();
        QVERIFY(caretLeft(*edit) > edit->width() / 2); // the tail shows
        edit->SetSelLength(0);
        QVERIFY(!edit->hasSelectedText());
        QCOMPARE(edit->cursorPosition(), 0);
        QVERIFY(caretLeft(*edit) < 10);

        edit->setSelection(20, -5); // cursor at the lower end
        edit->SetSelLength(3);
        QCOMPARE(edit->selectionStart(), 15);
        QCOMPARE(edit->SelLength(), 3);
        QCOMPARE(edit->cursorPosition(), 18);
        QCOMPARE(QApplication::focusWidget(), before);
    }

    void memoTextAndEqualTextRule() {
        TMemo memo(window);
        memo.SetText("a\nb");
        QCOMPARE(memo.Text(), QString("a\nb"));
        QSignalSpy changed(&memo, &QPlainTextEdit::textChanged);
        memo.SetText("a\nb");
        QCOMPARE(changed.count(), 0);
        QVERIFY(memo.tabChangesFocus());
        QCOMPARE(memo.lineWrapMode(), QPlainTextEdit::WidgetWidth);
    }
};

KESTRUM_TEST_MAIN(EditTest)
#include "edit_test.moc"
