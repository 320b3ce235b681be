#pragma once

#include <QFontMetrics>
#include <QWidget>

#include "platform/Controls.h"
#include "platform/FramePlacement.h"
#include "platform/Graphics.h"

// A top-level window. Left, Top, Width and Height are its outer rectangle on the screen, frame
// and caption included.
class TForm : public QWidget {
    Q_OBJECT
    Q_PROPERTY(Graphics::TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(int FontHeight READ FontHeight WRITE SetFontHeight)
    Q_PROPERTY(TPosition Position READ Position WRITE SetPosition)

public:
    enum TPosition { poDesigned, poDesktopCenter };
    Q_ENUM(TPosition)

    explicit TForm(QWidget* parent = nullptr);

    int Left() const { return frameGeometry().x(); }
    int Top() const { return frameGeometry().y(); }
    int Width() const { return frameGeometry().width(); }
    int Height() const { return frameGeometry().height(); }

    // The window's handle, made first if the window has none yet.
    HWND Handle() { return winId(); }

    TColor Color() const { return color_; }
    void SetColor(TColor value) { SetControlColor(*this, QPalette::Window, color_, value); }

    // The font's cell height in pixels; the controls inherit the font.
    int FontHeight() const { return QFontMetrics(font()).height(); }
    void SetFontHeight(int pixels);

    TPosition Position() const { return position_; }
    void SetPosition(TPosition value) { position_ = value; }

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    void Place();

    TColor color_ = clBtnFace;
    TPosition position_ = poDesigned;
    FramePlacement placement_;
};
