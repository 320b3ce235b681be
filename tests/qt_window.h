#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>

// Shows a window and waits until it is the active one, as a user would find it.
inline bool showActive(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

// A left click through the window system: the press updates the pressed buttons and moves the
// focus exactly as a real click does.
inline void clickThroughWindow(QWidget& target, QPoint at = {4, 4}) {
    QWindow* window = target.window()->windowHandle();
    const QPoint point = target.mapTo(target.window(), at);
    QTest::mousePress(window, Qt::LeftButton, {}, point);
    QTest::mouseRelease(window, Qt::LeftButton, {}, point);
}
