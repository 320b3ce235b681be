#pragma once

#include <QPlainTextEdit>

#include "platform/Controls.h"
#include "platform/Graphics.h"

// Multi-line text field: lines wrap at its width, Enter breaks a line, Tab moves the focus on.
class TMemo : public QPlainTextEdit {
    Q_OBJECT
    Q_PROPERTY(Graphics::TColor Color READ Color WRITE SetColor)

public:
    explicit TMemo(QWidget* parent = nullptr);

    // The characters exactly as the field holds them (a no-break space stays one), lines
    // separated by '\n'; wrapping adds no break.
    QString Text() const;

    TColor Color() const { return color_; }
    void SetColor(TColor value) { SetControlColor(*this, QPalette::Base, color_, value); }

protected:
    // Qt 6.4 pastes the X selection on a middle click without asking whether there is one,
    // and crashes when no program holds it.
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Whether a program holds the X selection, or the platform has none to paste.
    static bool holdsSelection();

    TColor color_ = clWindow;
};
