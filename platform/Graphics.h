#pragma once

#include <QObject>
#include <QPalette>

class QWidget;

namespace Graphics {
Q_NAMESPACE

// The system colours this program paints with.
enum TColor { clWindow, clBtnFace };
Q_ENUM_NS(TColor)

} // namespace Graphics

using Graphics::clBtnFace;
using Graphics::clWindow;
using Graphics::TColor;

// clWindow is the palette's Base colour (a field's background), clBtnFace its Button colour.
QColor ColorValue(TColor color);

// Paints a control's role with color.
void PaintColor(QWidget& control, QPalette::ColorRole role, TColor color);

// Sets a control's colour property: paints role with color, unless it already has it.
void SetControlColor(QWidget& control, QPalette::ColorRole role, TColor& current, TColor color);
