#pragma once

#include <functional>
#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

// Records every message box that turns up as the active modal widget, then presses its OK,
// so code that shows a modal box can run unattended.
class ModalBoxes {
public:
    struct Box {
        QString title;
        QString text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
    };

    ModalBoxes() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start();
    }

    std::vector<Box> seen;

private:
    void poll() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        seen.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
        if (QAbstractButton* ok = box->button(QMessageBox::Ok))
            ok->click();
        else
            box->reject();
    }

    QTimer timer_;
};

// Runs step from the loop once no modal box is open: a modal box's own loop also runs
// timers, and a step must not land inside it.
inline void whenNoBoxIsOpen(std::function<void()> step) {
    QTimer::singleShot(0, [step] {
        if (QApplication::activeModalWidget())
            QTimer::singleShot(5, [step] { whenNoBoxIsOpen(step); });
        else
            step();
    });
}
