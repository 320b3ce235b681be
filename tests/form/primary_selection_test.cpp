#include <QClipboard>

#include "main_window.h"

// On a real X server: what a click selects is the PRIMARY selection, so a middle click
// elsewhere pastes it, as it would paste a selection dragged with the mouse.
class PrimarySelectionTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(openMainWindow()); }
    void cleanup() { closeMainWindow(); }

    void aClickSelectAllIsPastedByAMiddleClick() {
        QVERIFY(QGuiApplication::clipboard()->supportsSelection());
        // With no program holding the selection, Qt 6.4 alone would crash here.
        QGuiApplication::clipboard()->clear(QClipboard::Selection);
        mouseThroughWindow(QTest::MouseClick, *Form1->Memo1, Qt::MiddleButton, {20, 20});
        QVERIFY(Form1->Memo1->Text().isEmpty());

        Form1->EditMD5->SetText("900150983CD24FB0D6963F7D28E17F72");
        clickThroughWindow(*Form1->EditMD5, {40, 10});
        mouseThroughWindow(QTest::MouseClick, *Form1->Memo1, Qt::MiddleButton, {20, 20});
        QCOMPARE(Form1->Memo1->Text(), Form1->EditMD5->Text());
    }
};

KESTRUM_TEST_MAIN(PrimarySelectionTest)
#include "primary_selection_test.moc"
