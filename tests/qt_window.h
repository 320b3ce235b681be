#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "platform/TApplication.h"

// Shows a window and waits until it is the active one, as a user would find it.
inline bool showActive(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

// A mouse action through the window system: a press moves the focus, as with a real mouse.
inline void mouse(QWidget& target, QTest::MouseAction action = QTest::MouseClick,
                  Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers keys = {}) {
    QTest::mouseEvent(action, target.window()->windowHandle(), button, keys,
                      target.mapTo(target.window(), QPoint(12, 8)));
}

// Every message box that opens while this lives is recorded, then closed with its OK button.
struct ModalBoxes {
    struct Box {
        QString title, text;
        QRect frame;
        QImage label;
        bool plainWithOneOk; // plain text; error icon; OK alone, the default and escape button
    };
    QList<Box> seen;
    QTimer timer;

    ModalBoxes() {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            QAbstractButton* ok = box->button(QMessageBox::Ok);
            seen.append({box->windowTitle(), box->text(), box->frameGeometry(),
                         box->findChild<QLabel*>("qt_msgbox_label")->grab().toImage(),
                         box->textFormat() == Qt::PlainText && box->buttons().size() == 1 &&
                             box->icon() == QMessageBox::Critical && box->defaultButton() == ok &&
                             box->escapeButton() == ok});
            ok->click();
        });
        timer.start(5);
    }
};

// Catches the web addresses and files handed to the desktop, while it lives.
struct OpenedUrls : QObject {
    Q_OBJECT
public:
    OpenedUrls() {
        QDesktopServices::setUrlHandler("https", this, "open");
        QDesktopServices::setUrlHandler("file", this, "open");
    }
    ~OpenedUrls() override {
        QDesktopServices::unsetUrlHandler("https");
        QDesktopServices::unsetUrlHandler("file");
    }
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

// QTEST_MAIN with the program's application object, whose notify raises the press notices.
#define KESTRUM_TEST_MAIN(TestObject)                                                              \
    int main(int argc, char** argv) {                                                              \
        TApplication app(argc, argv);                                                              \
        app.Title = "Kestrum 1.2";                                                                 \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestObject test;                                                                           \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
