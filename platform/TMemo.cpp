#include "platform/TMemo.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QMouseEvent>

TMemo::TMemo(QWidget* parent) : QPlainTextEdit(parent) {
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void TMemo::SetText(const QString& value) {
    if (value != toPlainText())
        setPlainText(value);
}

void TMemo::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton && !holdsSelection()) {
        event->accept();
        return;
    }
    QPlainTextEdit::mouseReleaseEvent(event);
}

bool TMemo::holdsSelection() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard->supportsSelection())
        return true;
    const QMimeData* selection = clipboard->mimeData(QClipboard::Selection);
    return selection && !selection->formats().isEmpty();
}
