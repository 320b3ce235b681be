#include "platform/Graphics.h"

#include <QApplication>
#include <QWidget>

QColor ColorValue(TColor color) {
    const QPalette system = QApplication::palette();
    return system.color(color == clWindow ? QPalette::Base : QPalette::Button);
}

void PaintColor(QWidget& control, QPalette::ColorRole role, TColor color) {
    QPalette palette = control.palette();
    // All colour groups: a disabled control keeps the colour it was given.
    palette.setColor(role, ColorValue(color));
    control.setPalette(palette);
}

void SetControlColor(QWidget& control, QPalette::ColorRole role, TColor& current, TColor color) {
    if (color == current)
        return;
    current = color;
    PaintColor(control, role, color);
}
