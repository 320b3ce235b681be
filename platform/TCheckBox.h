#pragma once

#include <QCheckBox>

#include "platform/Controls.h"

// Two-state box with its caption at the right.
class TCheckBox : public QCheckBox {
    Q_OBJECT

public:
    explicit TCheckBox(QWidget* parent = nullptr);

signals:
    void OnEnter(TObject* Sender);

protected:
    void focusInEvent(QFocusEvent* event) override;
};
