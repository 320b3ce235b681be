#pragma once

#include <functional>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "platform/TApplication.h"

// Shows a window and waits until it is the active one, as a user would find it.
inline bool showActive(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

// A mouse action through the window system, as with a real mouse: a press moves the focus, a
// release goes to the widget that took the press, a second click in time is a double click.
inline void mouse(QWidget& target, QTest::MouseAction action = QTest::MouseClick,
                  Qt::MouseButton button = Qt::LeftButton, QPoint at = {4, 4}) {
    QTest::mouseEvent(action, target.window()->windowHandle(), button, {},
                      target.mapTo(target.window(), at));
}

// Every modal box that opens while this lives is recorded and closed with its OK button.
struct ModalBoxes {
    struct Box {
        QString title, text;
        QRect frame;
        int labelHeight;
        Qt::TextFormat format;
        bool oneOkDefaultAndEscape;
    };
    QList<Box> seen;
    // Runs inside the box's own loop before it is closed.
    std::function<void(QMessageBox&)> inside;

    ModalBoxes() {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            QAbstractButton* ok = box->button(QMessageBox::Ok);
            seen.append({box->windowTitle(), box->text(), box->frameGeometry(),
                         box->findChild<QLabel*>("qt_msgbox_label")->height(), box->textFormat(),
                         box->buttons().size() == 1 && box->icon() == QMessageBox::Critical &&
                             box->defaultButton() == ok && box->escapeButton() == ok});
            if (inside)
                inside(*box);
            if (box->isVisible())
                ok->click();
        });
        timer.start(5);
    }
    QTimer timer;
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
