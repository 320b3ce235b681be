#include "digest/algorithms.h"
#include "form/module_state.h"
#include "main_window.h"

// Result fields filled as a computation leaves them; the mouse goes through the window system.
class SelectionTest : public QObject {
    Q_OBJECT

    static constexpr QPoint kInside{40, 10};
    MainWindowFixture main;

    static QList<TEdit*> resultFields() {
        QList<TEdit*> fields;
        for (const auto& row : digest::kAlgorithms)
            fields.append(MainWindowFixture::control<TEdit>(QString("Edit") + row.tag));
        return fields;
    }

    static void fill() {
        const QString hex = QString("0123456789ABCDEF").repeated(8);
        for (std::size_t row = 0; row < digest::kAlgorithmCount; ++row)
            resultFields()[int(row)]->SetText(hex.left(int(digest::kAlgorithms[row].digestSize) * 2));
    }

    static bool wholly(TEdit* field) {
        return !field->Text().isEmpty() && field->selectedText() == field->Text();
    }

    // Every result field but `selected` shows no selection.
    static void expectNoSelectionBut(TEdit* selected = nullptr) {
        for (TEdit* field : resultFields())
            if (field != selected)
                QVERIFY2(!field->hasSelectedText(), qPrintable(field->objectName()));
    }

private slots:
    void init() {
        PendingSelectEdit = nullptr;
        QVERIFY(main.open());
        fill();
        Form1->Button1->setFocus();
    }
    void cleanup() { main.close(); }

    void firstClickSelectsAllTheNextPlacesTheCaret() {
        // EditMD5 differs from the others on keyboard entry only.
        for (TEdit* field : {Form1->EditSHA1, Form1->EditMD5}) {
            clickThroughWindow(*field, kInside);
            QCOMPARE(QApplication::focusWidget(), field);
            QVERIFY(wholly(field));
            expectNoSelectionBut(field);

            clickThroughWindow(*field, kInside);
            QVERIFY(!field->hasSelectedText());
            QCOMPARE(field->cursorPosition(), field->cursorPositionAt(kInside));
        }
        // A selection dragged backwards inside the focused field shrinks to its lower end.
        TEdit* field = Form1->EditMD5;
        mouseThroughWindow(QTest::MousePress, *field, Qt::LeftButton, {120, 10});
        QTest::mouseMove(Form1->windowHandle(), field->mapTo(Form1, QPoint(20, 10)));
        QVERIFY(field->hasSelectedText());
        mouseThroughWindow(QTest::MouseRelease, *field, Qt::LeftButton, {20, 10});
        QVERIFY(!field->hasSelectedText());
        QCOMPARE(field->cursorPosition(), field->cursorPositionAt({20, 10}));
    }

    void aClickClearsTheOtherFieldsAndShowsTheirFirstCharacter() {
        TEdit* wide = Form1->EditSHA512;
        clickThroughWindow(*wide, kInside);
        QVERIFY(wholly(wide));
        QVERIFY(caretLeft(*wide) > wide->width() / 2); // its tail shows

        clickThroughWindow(*Form1->EditWHIRLPOOL, kInside);
        QVERIFY(wholly(Form1->EditWHIRLPOOL));
        expectNoSelectionBut(Form1->EditWHIRLPOOL);
        QCOMPARE(wide->cursorPosition(), 0);
        QVERIFY(caretLeft(*wide) < 10);
    }

    void aDragReleasedOutsideKeepsWhatWasDragged() {
        TEdit* field = Form1->EditSHA256;
        const int pressedAt = field->cursorPositionAt({120, 10});
        mouseThroughWindow(QTest::MousePress, *field, Qt::LeftButton, {120, 10});
        QTest::mouseMove(Form1->windowHandle(), field->mapTo(Form1, QPoint(60, 10)));
        // Released left of the field, by the window's edge.
        mouseThroughWindow(QTest::MouseRelease, *field, Qt::LeftButton, {-4, 10});
        QCOMPARE(QApplication::focusWidget(), field);
        QCOMPARE(field->selectionStart(), 0);
        QCOMPARE(field->selectedText(), field->Text().left(pressedAt));

        clickThroughWindow(*field, kInside);
        QVERIFY(!field->hasSelectedText());
        QCOMPARE(field->cursorPosition(), field->cursorPositionAt(kInside));
    }

    void aRightPressThenALeftClickElsewhereSelectsThatFieldOnly() {
        mouseThroughWindow(QTest::MouseClick, *Form1->EditSHA384, Qt::RightButton, kInside);
        // The press gave the field the focus; what it selects then is its AutoSelect's doing.
        QCOMPARE(QApplication::focusWidget(), Form1->EditSHA384);
        expectNoSelectionBut(Form1->EditSHA384);
        // Its context menu is open: the user dismisses it.
        QWidget* menu = QApplication::activePopupWidget();
        QVERIFY(menu);
        QTest::keyClick(menu, Qt::Key_Escape);
        QVERIFY(!QApplication::activePopupWidget());

        clickThroughWindow(*Form1->EditSHA1, kInside);
        QVERIFY(wholly(Form1->EditSHA1));
        expectNoSelectionBut(Form1->EditSHA1);
    }

    void aDoubleClickLeavesTheFirstClicksSelectAll() {
        mouseThroughWindow(QTest::MouseDClick, *Form1->EditTiger, Qt::LeftButton, kInside);
        QVERIFY(wholly(Form1->EditTiger));
        expectNoSelectionBut(Form1->EditTiger);
        QCOMPARE(PendingSelectEdit, nullptr);
    }

    void tabEntrySelectsAllButEditMD5AndOnlyCheckBoxMD5Clears() {
        Form1->EditMD5->setSelection(2, 3);
        clickThroughWindow(*Form1->EditSHA1, kInside);
        Form1->Button1->setFocus();

        // Button1 -> CheckBoxMD5: its entry clears everything.
        QTest::keyClick(Form1->Button1, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Form1->CheckBoxMD5);
        expectNoSelectionBut();
        QCOMPARE(Form1->EditMD5->cursorPosition(), 2);

        // On through EditSHA1, EditMD5, CheckBoxSHA1, ... to CheckBoxTiger.
        while (QApplication::focusWidget() != Form1->CheckBoxTiger)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        for (TEdit* field : {Form1->EditSHA1, Form1->EditSHA224, Form1->EditSHA256,
                             Form1->EditSHA384, Form1->EditSHA512, Form1->EditTiger})
            QVERIFY2(wholly(field), qPrintable(field->objectName()));
        QVERIFY(!Form1->EditMD5->hasSelectedText());
        QCOMPARE(Form1->EditMD5->cursorPosition(), 2);

        clickThroughWindow(*Form1->EditRIPEMD160, kInside);
        expectNoSelectionBut(Form1->EditRIPEMD160);
        clickThroughWindow(*Form1->CheckBoxMD5);
        expectNoSelectionBut();
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
        QCOMPARE(PendingSelectEdit, Form1->EditSHA1);
        Form1->EditClick(&derived);
        Form1->EditClick(Form1->CheckBoxMD5);
        QCOMPARE(PendingSelectEdit, Form1->EditSHA1);
        expectNoSelectionBut();
    }
};

KESTRUM_TEST_MAIN(SelectionTest)
#include "selection_test.moc"
