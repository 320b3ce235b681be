#include "platform/TImage.h"

#include <QMouseEvent>

#include "platform/TApplication.h"

TImage::TImage(QWidget* parent) : QLabel(parent) { setAlignment(Qt::AlignLeft | Qt::AlignTop); }

void TImage::mousePressEvent(QMouseEvent* event) {
    Guarded(this, [&] {
        click_.press(*event);
        QLabel::mousePressEvent(event);
    });
}

void TImage::mouseDoubleClickEvent(QMouseEvent* event) {
    Guarded(this, [&] {
        // QWidget hands the second press on as a plain press; a double click is still one click.
        QLabel::mouseDoubleClickEvent(event);
        click_.doubleClick(*event);
    });
}

void TImage::mouseReleaseEvent(QMouseEvent* event) {
    Guarded(this, [&] {
        QLabel::mouseReleaseEvent(event);
        if (click_.release(*this, *event))
            emit OnClick(this);
    });
}
