#include "platform/TMemo.h"

TMemo::TMemo(QWidget* parent) : QPlainTextEdit(parent) {
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void TMemo::SetText(const QString& value) {
    if (value != toPlainText())
        setPlainText(value);
}
