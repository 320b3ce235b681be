#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include "platform/TApplication.h"

// Shows a window and waits until it is the active one, as a user would find it.
inline bool showActive(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

// A mouse action through the window system, as with a real mouse: a press moves the focus, a
// release goes to the widget that took the press, a second click in time is a double click.
inline void mouseThroughWindow(QTest::MouseAction action, QWidget& target,
                               Qt::MouseButton button = Qt::LeftButton, QPoint at = {4, 4}) {
    QTest::mouseEvent(action, target.window()->windowHandle(), button, {},
                      target.mapTo(target.window(), at));
}

inline void clickThroughWindow(QWidget& target, QPoint at = {4, 4}) {
    mouseThroughWindow(QTest::MouseClick, target, Qt::LeftButton, at);
}

// Where a field's caret stands in the field, once it has painted: QLineEdit scrolls as it paints.
inline int caretLeft(QLineEdit& field) {
    field.repaint();
    return field.inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
}

// QTEST_MAIN with the program's application object, whose notify raises the press notices.
#define KESTRUM_TEST_MAIN(TestObject)                                                              \
    int main(int argc, char** argv) {                                                              \
        TApplication app(argc, argv);                                                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestObject test;                                                                           \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
