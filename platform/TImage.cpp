#include "platform/TImage.h"

#include <QMouseEvent>

TImage::TImage(QWidget* parent) : QLabel(parent) { setAlignment(Qt::AlignLeft | Qt::AlignTop); }

void TImage::mousePressEvent(QMouseEvent* event) {
    click_.press(*event);
    QLabel::mousePressEvent(event);
}

void TImage::mouseDoubleClickEvent(QMouseEvent* event) {
    // QWidget hands the second press on as a plain press; a double click is still one click.
    QLabel::mouseDoubleClickEvent(event);
    click_.doubleClick(*event);
}

void TImage::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (click_.release(*this, *event))
        emit OnClick(this);
}
