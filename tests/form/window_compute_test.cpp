#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "main_window.h"

namespace {

struct Message {
    QString text;
    QPoint at;
};

} // namespace

class WindowComputeTest : public QObject {
    Q_OBJECT

    MainWindowFixture main;

    static void tick(TCheckBox* box) {
        clickThroughWindow(*box);
        QVERIFY(box->isChecked());
    }
    static void press() { clickThroughWindow(*Form1->Button1, {20, 10}); }
    static void typeIntoMemo(const QString& text) {
        clickThroughWindow(*Form1->Memo1);
        QCOMPARE(QApplication::focusWidget(), Form1->Memo1);
        QTest::keyClicks(Form1->Memo1, text);
    }
    static void expectFullBar() {
        auto* bar = Form1->ProgressBar1;
        QCOMPARE(bar->Position(), bar->Max());
        QCOMPARE(bar->Min(), 1);
        QCOMPARE(bar->Step(), 1);
    }

    // Presses the compute button and records the error boxes it shows, closing each.
    static QList<Message> pressAndCollectMessages() {
        QList<Message> seen;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                seen.append({box->text(), box->frameGeometry().topLeft()});
                box->button(QMessageBox::Ok)->click();
            }
        });
        poll.start(5);
        press();
        return seen;
    }

private slots:
    void init() { QVERIFY(main.open()); }
    void cleanup() { main.close(); }

    void typedTextWithTickedBoxes() {
        typeIntoMemo("abc");
        tick(Form1->CheckBoxMD5);
        tick(Form1->CheckBoxSHA1);
        tick(Form1->CheckBoxCRC32);
        tick(Form1->CheckBoxSHA512);
        press();

        QCOMPARE(Form1->EditMD5->Text(), QString("900150983CD24FB0D6963F7D28E17F72"));
        QCOMPARE(Form1->EditSHA1->Text(), QString("A9993E364706816ABA3E25717850C26C9CD0D89D"));
        QCOMPARE(Form1->EditCRC32->Text(), QString("352441C2"));
        QCOMPARE(Form1->EditSHA512->Text().size(), 128);
        // A long digest shows from its first character.
        QCOMPARE(Form1->EditSHA512->cursorPosition(), 0);
        QVERIFY(Form1->EditMD2->Text().isEmpty());
        expectFullBar();
        QCOMPARE(Form1->ProgressBar1->Max(), 2);

        // A second run with other boxes: unticked rows keep what they showed.
        Form1->Memo1->selectAll();
        QTest::keyClicks(Form1->Memo1, "123456789");
        clickThroughWindow(*Form1->CheckBoxMD5);
        press();
        QCOMPARE(Form1->EditCRC32->Text(), QString("CBF43926"));
        QCOMPARE(Form1->EditMD5->Text(), QString("900150983CD24FB0D6963F7D28E17F72"));
    }

    void linesAndCyrillicAreHashedAsWindows1251WithCrLf() {
        tick(Form1->CheckBoxMD5);
        typeIntoMemo("a");
        QTest::keyClick(Form1->Memo1, Qt::Key_Return);
        QTest::keyClicks(Form1->Memo1, "b");
        press();
        QCOMPARE(Form1->EditMD5->Text(), QString("65D5F03C46E62E3F2BABBE712D2CE464"));

        Form1->Memo1->SetText("Я");
        press();
        QCOMPARE(Form1->EditMD5->Text(), QString("A26785922B3516FE627BAB9726C66E43"));
    }

    void fileModeShowsDigestsAndMessages() {
        QTemporaryDir dir;
        QFile file(dir.filePath("abc.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("abc");
        file.close();

        tick(Form1->CheckBoxMD5);
        clickThroughWindow(*Form1->RadioButtonFile);
        QVERIFY(Form1->RadioButtonFile->isChecked());
        Form1->EditInputFile->SetText(file.fileName());
        QVERIFY(pressAndCollectMessages().isEmpty());
        QCOMPARE(Form1->EditMD5->Text(), QString("900150983CD24FB0D6963F7D28E17F72"));
        expectFullBar();

        const QPoint at(Form1->Left() + Form1->Width() / 2 - 100,
                        Form1->Top() + Form1->Height() / 2 - 50);
        Form1->EditInputFile->SetText("");
        QList<Message> seen = pressAndCollectMessages();
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].text, QString("Не введено имя файла!"));
        QCOMPARE(seen[0].at, at);

        const QString missing = dir.filePath("нет такого файла ");
        Form1->EditInputFile->SetText(missing);
        seen = pressAndCollectMessages();
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].text, "Невозможно открыть файл \"" + missing + "\"!");
        QCOMPARE(seen[0].at, at);
        // A refused run leaves the results as they were.
        QCOMPARE(Form1->EditMD5->Text(), QString("900150983CD24FB0D6963F7D28E17F72"));
    }
};

QTEST_MAIN(WindowComputeTest)
#include "window_compute_test.moc"
