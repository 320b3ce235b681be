#pragma once

#include <QPushButton>

#include "platform/Controls.h"

// Push button: clicked by the mouse, or by Enter or Space while it has the focus.
class TButton : public QPushButton {
    Q_OBJECT

public:
    explicit TButton(QWidget* parent = nullptr);

signals:
    void OnClick(TObject* Sender);
    void OnEnter(TObject* Sender);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
};
