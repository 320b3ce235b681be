#include "form/module_state.h"
#include "main_window.h"
#include "opened_urls.h"

// Result fields filled as a computation leaves them; the mouse goes through the window system.
class SelectionTest : public QObject {
    Q_OBJECT

    static constexpr QPoint kInside{40, 10};

    static bool wholly(TEdit* field) {
        return !field->Text().isEmpty() && field->selectedText() == field->Text();
    }

    // Every result field but `selected` shows no selection.
    static void expectNoSelectionBut(TEdit* selected = nullptr) {
        for (TEdit* field : resultFields())
            if (field != selected)
                QVERIFY2(!field->hasSelectedText(), qPrintable(field->objectName()));
    }

    static void drag(TEdit& field, int fromX, int toX) {
        mouseThroughWindow(QTest::MousePress, field, Qt::LeftButton, {fromX, 10});
        QTest::mouseMove(Form1->windowHandle(), field.mapTo(Form1, QPoint(toX, 10)));
        mouseThroughWindow(QTest::MouseRelease, field, Qt::LeftButton, {toX, 10});
    }

private slots:
    void init() {
        PendingSelectEdit = nullptr;
        QVERIFY(openMainWindow());
        fillResultFields();
        Form1->Button1->setFocus();
    }
    void cleanup() { closeMainWindow(); }

    // Each click comes to a field without the focus: it selects all there, and clears the others
    // back to their first character.
    void aFirstClickSelectsAllAndClearsTheOthers() {
        for (TEdit* field : resultFields()) {
            clickThroughWindow(*field, kInside);
            QVERIFY2(wholly(field), qPrintable(field->objectName()));
            expectNoSelectionBut(field);
            if (field == Form1->EditSHA512)
                QVERIFY(caretLeft(*field) > field->width() / 2); // its tail shows
        }
        QCOMPARE(Form1->EditSHA512->cursorPosition(), 0);
        QVERIFY(caretLeft(*Form1->EditSHA512) < 10);
        // A double click leaves its first click's select-all.
        mouseThroughWindow(QTest::MouseDClick, *Form1->EditTiger, Qt::LeftButton, kInside);
        QVERIFY(wholly(Form1->EditTiger));
        expectNoSelectionBut(Form1->EditTiger);
        QCOMPARE(PendingSelectEdit, nullptr);
    }

    void dragsAndLaterClicks() {
        // Released outside the field: what was dragged stays selected.
        TEdit* field = Form1->EditSHA256;
        const int pressedAt = field->cursorPositionAt({120, 10});
        drag(*field, 120, -4);
        QCOMPARE(QApplication::focusWidget(), field);
        QCOMPARE(field->selectionStart(), 0);
        QCOMPARE(field->selectedText(), field->Text().left(pressedAt));
        // A second, separate click leaves a caret only.
        clickThroughWindow(*field, kInside);
        QVERIFY(!field->hasSelectedText());
        QCOMPARE(field->cursorPosition(), field->cursorPositionAt(kInside));
        // Dragged backwards inside the focused field, the click shrinks it to its lower end.
        drag(*field, 120, 20);
        QVERIFY(!field->hasSelectedText());
        QCOMPARE(field->cursorPosition(), field->cursorPositionAt({20, 10}));
    }

    void aRightPressThenALeftClickElsewhereSelectsThatFieldOnly() {
        mouseThroughWindow(QTest::MouseClick, *Form1->EditSHA384, Qt::RightButton, kInside);
        QCOMPARE(QApplication::focusWidget(), Form1->EditSHA384);
        expectNoSelectionBut(Form1->EditSHA384);
        // Its context menu is open: the user dismisses it.
        QVERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);

        clickThroughWindow(*Form1->EditSHA1, kInside);
        QVERIFY(wholly(Form1->EditSHA1));
        expectNoSelectionBut(Form1->EditSHA1);
    }

    void emptyFieldsSelectNothing() {
        for (TEdit* field : resultFields())
            field->SetText(QString());
        for (int click = 0; click < 2; ++click) {
            clickThroughWindow(*Form1->EditPANAMA, kInside);
            QCOMPARE(QApplication::focusWidget(), Form1->EditPANAMA);
            expectNoSelectionBut();
        }
        QCOMPARE(PendingSelectEdit, nullptr);
    }

    // Only the very class of the result fields counts; a derived class is another class.
    void senderClassMustBeExactlyTheFieldsClass() {
        struct DerivedEdit : TEdit {
            using TEdit::TEdit;
        } derived(Form1);
        TMouseActivate activate = maDefault;
        Form1->EditActivate(&derived, mbLeft, 0, 1, 1, 1, activate);
        QCOMPARE(PendingSelectEdit, nullptr);
        Form1->EditActivate(Form1->EditSHA1, mbLeft, 0, 1, 1, 1, activate);
        Form1->EditClick(&derived);
        Form1->EditClick(Form1->CheckBoxMD5);
        QCOMPARE(PendingSelectEdit, Form1->EditSHA1);
        expectNoSelectionBut();
    }

    void eachLogoClickOpensTheSiteAndTheWindowStaysAsItWas() {
        OpenedUrls opened({"https"});
        const QImage before = Form1->grab().toImage();
        const QRect geometry = Form1->geometry();
        clickThroughWindow(*Form1->Image1, {40, 15});
        clickThroughWindow(*Form1->Image1, {40, 15});
        // A double click is one click more.
        mouseThroughWindow(QTest::MouseDClick, *Form1->Image1, Qt::LeftButton, {40, 15});
        QCOMPARE(opened.urls, QList<QUrl>(3, QUrl("https://kestrum.example.org/")));
        QCOMPARE(QApplication::focusWidget(), Form1->Button1);
        QVERIFY(Form1->isActiveWindow());
        QCOMPARE(Form1->geometry(), geometry);
        QCOMPARE(Form1->grab().toImage(), before);
    }
};

KESTRUM_TEST_MAIN(SelectionTest)
#include "selection_test.moc"
