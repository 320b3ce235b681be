#include "platform/FramePlacement.h"

#include <QWidget>
#include <xcb/xcb.h>

FramePlacement::FramePlacement(QWidget& window, std::function<void()> place)
    : window_(window), place_(std::move(place)) {}

void FramePlacement::Shown() {
    if (state_ != Unshown)
        return;
    place_();
    state_ = AwaitingMap;
}

void FramePlacement::NativeEvent(const QByteArray& eventType, void* message) {
    // A window manager may leave the client area where it was, so no move tells of the frame;
    // the map does, once Qt has handled it.
    if (state_ == AwaitingMap && eventType == "xcb_generic_event_t" &&
        (static_cast<xcb_generic_event_t*>(message)->response_type & 0x7F) == XCB_MAP_NOTIFY)
        QMetaObject::invokeMethod(
            &window_, [this] { Mapped(); }, Qt::QueuedConnection);
}

void FramePlacement::Mapped() {
    // A window mapped again (restored, say) stays where the user put it.
    if (state_ != AwaitingMap)
        return;
    state_ = Placed;
    place_();
}
