#include <QClipboard>

#include "main_window.h"

// On a real X server: what a click selects is the PRIMARY selection, so a middle click
// elsewhere pastes it, as it would paste a selection dragged with the mouse.
class PrimarySelectionTest : public QObject {
    Q_OBJECT

    MainWindowFixture main;

private slots:
    void init() { QVERIFY(main.open()); }
    void cleanup() { main.close(); }

    // Qt 6.4 alone would crash here.
    void aMiddleClickWhenNoProgramHoldsTheSelectionPastesNothing() {
        QGuiApplication::clipboard()->clear(QClipboard::Selection);
        Form1->Memo1->SetText("kept");
        mouseThroughWindow(QTest::MouseClick, *Form1->Memo1, Qt::MiddleButton, {20, 20});
        QCOMPARE(Form1->Memo1->Text(), QString("kept"));
    }

    void aClickSelectAllIsPastedByAMiddleClick() {
        QVERIFY(QGuiApplication::clipboard()->supportsSelection());
        const QString digest("900150983CD24FB0D6963F7D28E17F72");
        Form1->EditMD5->SetText(digest);
        clickThroughWindow(*Form1->EditMD5, {40, 10});
        QCOMPARE(Form1->EditMD5->selectedText(), digest);

        mouseThroughWindow(QTest::MouseClick, *Form1->Memo1, Qt::MiddleButton, {20, 20});
        QCOMPARE(Form1->Memo1->Text(), digest);
    }
};

KESTRUM_TEST_MAIN(PrimarySelectionTest)
#include "primary_selection_test.moc"
