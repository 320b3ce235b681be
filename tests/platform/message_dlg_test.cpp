#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "platform/Dialogs.h"
#include "qt_window.h"

class MessageDlgTest : public QObject {
    Q_OBJECT

private slots:
    void anErrorBoxWithOneOkButtonPlacedAtThePointOrCentredOnANegativeAxis() {
        const QPoint centre = QGuiApplication::primaryScreen()->geometry().center();
        const struct {
            int x, y;
            Qt::Key key;
        } cases[] = {{101, 255, Qt::Key_Escape},
                     {0, 0, Qt::Key_Return},
                     {-1, 255, Qt::Key_Escape},
                     {101, -300, Qt::Key_Escape},
                     {-5, -5, Qt::Key_Escape}};
        for (const auto& c : cases) {
            QString title, text;
            QMessageBox::Icon icon = QMessageBox::NoIcon;
            bool oneOkDefaultAndEscape = false;
            QRect frame;
            // Read from inside the box's modal loop, then closed with the key.
            QTimer::singleShot(0, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (!box)
                    return;
                title = box->windowTitle(), text = box->text(), icon = box->icon();
                auto* ok = box->button(QMessageBox::Ok);
                oneOkDefaultAndEscape = box->buttons().size() == 1 && ok &&
                                        box->defaultButton() == ok && box->escapeButton() == ok;
                frame = box->frameGeometry();
                QTest::keyClick(box, c.key);
            });
            MessageDlgPos("Не введено имя файла!", mtError, mbOK, 0, c.x, c.y);
            QCOMPARE(title, QString("Error"));
            QCOMPARE(text, QString("Не введено имя файла!"));
            QCOMPARE(icon, QMessageBox::Critical);
            QVERIFY(oneOkDefaultAndEscape);
            QVERIFY(c.x < 0 ? qAbs(frame.center().x() - centre.x()) <= 1 : frame.left() == c.x);
            QVERIFY(c.y < 0 ? qAbs(frame.center().y() - centre.y()) <= 1 : frame.top() == c.y);
        }
    }
};

QTEST_MAIN(MessageDlgTest)
#include "message_dlg_test.moc"
