#pragma once

#include <QCheckBox>

#include "platform/Controls.h"

// Two-state box with its caption at the right.
class TCheckBox : public QCheckBox {
    Q_OBJECT

public:
    explicit TCheckBox(QWidget* parent = nullptr);

    // Read once per box for every kilobyte of a file: kept here, in step with the box, so
    // that a read costs no call into the toolkit.
    bool Checked() const { return checked_; }

signals:
    void OnEnter(TObject* Sender);

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    bool checked_ = false;
};
