#include "platform/TPanel.h"

#include <QPainter>

#include "platform/TApplication.h"

TPanel::TPanel(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    PaintColor(*this, QPalette::Window, clBtnFace);
}

void TPanel::SetCaption(const QString& value) {
    if (value == caption_)
        return;
    caption_ = value;
    update();
}

void TPanel::paintEvent(QPaintEvent* event) {
    Guarded(this, [&] {
        QFrame::paintEvent(event);
        QPainter painter(this);
        painter.drawText(contentsRect(), Qt::AlignCenter, caption_);
    });
}
