#pragma once

#include <QRadioButton>

#include "platform/Controls.h"

// Option button; only a checked one is a tab stop, so Tab reaches the group's choice alone.
class TRadioButton : public QRadioButton {
    Q_OBJECT

public:
    explicit TRadioButton(QWidget* parent = nullptr);

signals:
    void OnEnter(TObject* Sender);

protected:
    void focusInEvent(QFocusEvent* event) override;
};
