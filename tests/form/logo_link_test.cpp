#include "main_window.h"
#include "opened_urls.h"

class LogoLinkTest : public QObject {
    Q_OBJECT

    MainWindowFixture main;

private slots:
    void init() { QVERIFY(main.open()); }
    void cleanup() { main.close(); }

    void eachClickOpensTheSiteAndTheWindowStaysAsItWas() {
        OpenedUrls opened({"https"});
        Form1->Button1->setFocus(); // a field's blinking caret would change the picture
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

KESTRUM_TEST_MAIN(LogoLinkTest)
#include "logo_link_test.moc"
