#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "platform/Dialogs.h"
#include "qt_window.h"

namespace {

struct SeenBox {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    bool okIsDefaultAndEscape = false;
    QRect frame;
    bool modal = false;
};

// Shows a box and, from inside its modal loop, records what it shows and closes it with key.
SeenBox showAndClose(int x, int y, Qt::Key key = Qt::Key_Escape) {
    SeenBox seen;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.buttons = static_cast<int>(box->buttons().size());
        auto* ok = box->button(QMessageBox::Ok);
        seen.okIsDefaultAndEscape = ok && box->defaultButton() == ok && box->escapeButton() == ok;
        seen.frame = box->frameGeometry();
        seen.modal = box->isModal();
        QTest::keyClick(box, key);
    });
    MessageDlgPos("Не введено имя файла!", mtError, mbOK, 0, x, y);
    return seen;
}

QRect screen() { return QGuiApplication::primaryScreen()->geometry(); }

} // namespace

class MessageDlgTest : public QObject {
    Q_OBJECT

private slots:
    void errorBoxWithOneOkButton() {
        const SeenBox seen = showAndClose(101, 255);
        QCOMPARE(seen.title, QString("Error"));
        QCOMPARE(seen.text, QString("Не введено имя файла!"));
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QCOMPARE(seen.buttons, 1);
        QVERIFY(seen.okIsDefaultAndEscape);
        QVERIFY(seen.modal);
    }

    void enterAndEscapeBothClose() {
        // Each returns: a box left open would hang the test.
        QVERIFY(showAndClose(10, 10, Qt::Key_Escape).modal);
        QVERIFY(showAndClose(10, 10, Qt::Key_Return).modal);
    }

    void topLeftCornerAtThePoint() {
        QCOMPARE(showAndClose(101, 255).frame.topLeft(), QPoint(101, 255));
        QCOMPARE(showAndClose(0, 0).frame.topLeft(), QPoint(0, 0));
    }

    void aNegativeCoordinateCentresThatAxisOnTheScreen() {
        const QRect x = showAndClose(-1, 255).frame;
        QCOMPARE(x.top(), 255);
        QVERIFY(qAbs(x.center().x() - screen().center().x()) <= 1);

        const QRect y = showAndClose(101, -300).frame;
        QCOMPARE(y.left(), 101);
        QVERIFY(qAbs(y.center().y() - screen().center().y()) <= 1);

        const QRect both = showAndClose(-5, -5).frame;
        QVERIFY((both.center() - screen().center()).manhattanLength() <= 2);
    }
};

QTEST_MAIN(MessageDlgTest)
#include "message_dlg_test.moc"
