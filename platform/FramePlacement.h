#pragma once

#include <functional>

#include <QByteArray>

class QWidget;

// Puts a top-level window's outer frame where its owner wants it. Until a window manager has
// framed the window, its frame is its client area: the placement runs when the window is first
// shown, which is right where none runs, and once more when the window is first mapped, since a
// window manager maps a window only once it has framed it.
class FramePlacement {
public:
    // place runs from Qt's calls into the window: it handles its own exceptions.
    FramePlacement(QWidget& window, std::function<void()> place);

    // To be called from the window's showEvent and nativeEvent.
    void Shown();
    void NativeEvent(const QByteArray& eventType, void* message);

private:
    void Mapped();

    QWidget& window_;
    std::function<void()> place_;
    enum { Unshown, AwaitingMap, Placed } state_ = Unshown;
};
