#include "platform/TForm.h"

#include <mutex>

#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>

#include "platform/TApplication.h"

namespace {

// Where Tahoma is missing, a face as narrow as Tahoma, with Cyrillic glyphs: the captions are
// measured for its widths.
void substituteTahoma() {
    static std::once_flag once;
    std::call_once(once, [] { QFont::insertSubstitution("Tahoma", "DejaVu Sans Condensed"); });
}

} // namespace

TForm::TForm(QWidget* parent)
    : QWidget(parent), placement_(*this, [this] { Guarded(this, [this] { Place(); }); }) {
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
        placement_.Shown();
    });
}

bool TForm::nativeEvent(const QByteArray& eventType, void* message, qintptr* result) {
    Guarded(this, [&] { placement_.NativeEvent(eventType, message); });
    return QWidget::nativeEvent(eventType, message, result);
}

void TForm::Place() {
    if (position_ != poDesktopCenter)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(QGuiApplication::primaryScreen()->availableGeometry().center());
    move(frame.topLeft());
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
