#include "platform/TForm.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>

TForm::TForm(QWidget* parent) : QWidget(parent) {
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
    QWidget::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    if (position_ == poDesktopCenter) {
        const QRect desktop = QGuiApplication::primaryScreen()->availableGeometry();
        QRect frame = frameGeometry();
        frame.moveCenter(desktop.center());
        move(frame.topLeft());
    }
}
