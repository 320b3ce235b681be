#include "platform/TForm.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <xcb/xcb.h>

#include "platform/TApplication.h"

namespace {

// Where Tahoma is missing, a face as narrow as Tahoma, with Cyrillic glyphs: the captions are
// measured for its widths.
void substituteTahoma() {
    static const bool done = [] {
        QFont::insertSubstitution("Tahoma", "DejaVu Sans Condensed");
        return true;
    }();
    (void)done;
}

} // namespace

TForm::TForm(QWidget* parent) : QWidget(parent) {
    substituteTahoma();
    setAutoFillBackground(true);
    PaintColor(*this, QPalette::Window, color_);
}

void TForm::SetFontHeight(int pixels) {
    // A positive height is the character cell, internal leading included; Qt's pixel size is
    // the em alone. Take the largest em whose cell fits, whatever font stands in for the named one.
    QFont f = font();
    int em = pixels;
    do {
        f.setPixelSize(em);
    } while (QFontMetrics(f).height() > pixels && --em > 1);
    setFont(f);
}

void TForm::showEvent(QShowEvent* event) {
    Guarded(this, [&] {
        QWidget::showEvent(event);
        if (shown_)
            return;
        shown_ = true;
        if (position_ == poDesktopCenter) {
            // No frame yet: this centres the client area, which is right where no window manager
            // frames the window; where one does, the first map centres the frame.
            CentreOnDesktop();
            awaitingMap_ = true;
        }
    });
}

void TForm::CentreOnDesktop() {
    QRect frame = frameGeometry();
    frame.moveCenter(QGuiApplication::primaryScreen()->availableGeometry().center());
    move(frame.topLeft());
}

bool TForm::nativeEvent(const QByteArray& eventType, void* message, qintptr* result) {
    // A window manager maps the window only once it has framed it. It may well leave the client
    // area where it was, so no move tells of the frame; the map does, once Qt has handled it.
    if (eventType == "xcb_generic_event_t" &&
        (static_cast<xcb_generic_event_t*>(message)->response_type & 0x7F) == XCB_MAP_NOTIFY)
        QMetaObject::invokeMethod(this, &TForm::CentreOnFirstMap, Qt::QueuedConnection);
    return QWidget::nativeEvent(eventType, message, result);
}

void TForm::CentreOnFirstMap() {
    // A window mapped again (restored, say) stays where the user put it.
    if (!awaitingMap_)
        return;
    awaitingMap_ = false;
    CentreOnDesktop();
}

void TForm::changeEvent(QEvent* event) {
    Guarded(this, [&] {
        QWidget::changeEvent(event);
        // The size constraints hold when maximised too; not every window system honours them.
        const Qt::WindowStates grown = Qt::WindowMaximized | Qt::WindowFullScreen;
        if (event->type() == QEvent::WindowStateChange && (windowState() & grown) &&
            minimumSize() == maximumSize())
            setWindowState(windowState() & ~grown);
    });
}
