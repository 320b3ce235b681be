#include "platform/TMemo.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextDocument>

#include "platform/TApplication.h"

TMemo::TMemo(QWidget* parent) : QPlainTextEdit(parent) {
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

QString TMemo::Text() const {
    // toPlainText would turn no-break spaces into plain ones.
    QString text = document()->toRawText();
    for (QChar& c : text)
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = u'\n';
    return text;
}

void TMemo::mouseReleaseEvent(QMouseEvent* event) {
    Guarded(this, [&] {
        if (event->button() == Qt::MiddleButton && !holdsSelection()) {
            event->accept();
            return;
        }
        QPlainTextEdit::mouseReleaseEvent(event);
    });
}

bool TMemo::holdsSelection() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard->supportsSelection())
        return true;
    const QMimeData* selection = clipboard->mimeData(QClipboard::Selection);
    return selection && !selection->formats().isEmpty();
}
