#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QLabel>
#include <QScreen>
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

// Every error box opened while this lives is recorded, then closed by Enter or Escape in turn.
struct ModalBoxes {
    struct Box {
        QString title, text;
        QRect frame;     // its outer edges
        bool wellFormed; // error icon, one button; on the screen, its text whole; closed by key
    };
    QList<Box> seen;
    QTimer timer;
    QRect frame;
    int still = 0;

    ModalBoxes() {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible() || box->inherits("QFileDialog"))
                return;
            // Taken once it stands still: a window manager frames it, then it is placed.
            if (std::exchange(frame, box->frameGeometry()) != frame || ++still < 4)
                return;
            still = 0;
            QLabel *icon = nullptr, *text = nullptr;
            for (QLabel* label : box->findChildren<QLabel*>())
                (label->pixmap().isNull() ? text : icon) = label;
            // Lines enough for every line break, and for the text's whole width.
            const QFontMetricsF metrics(text->font());
            const int lines = qRound(text->height() / metrics.height());
            const auto ok = box->findChildren<QAbstractButton*>(); // the icon, the text, OK below
            seen.append({box->windowTitle(), text->text(), box->frameGeometry(),
                         icon && ok.size() == 1 && icon->geometry().right() < text->x() &&
                             icon->y() <= text->y() &&
                             text->geometry().bottom() < ok[0]->mapTo(box, QPoint()).y() &&
                             box->screen()->availableGeometry().contains(box->frameGeometry()) &&
                             box->rect().contains(text->geometry()) &&
                             lines > text->text().count('\n') &&
                             lines * text->width() >= metrics.horizontalAdvance(text->text())});
            QTest::keyClick(box, seen.size() % 2 ? Qt::Key_Return : Qt::Key_Escape);
            if (box->isVisible())
                seen.last().wellFormed = false, box->reject();
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
