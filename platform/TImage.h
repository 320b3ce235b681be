#pragma once

#include <QLabel>

#include "platform/Controls.h"

// Shows a picture unscaled at its top-left corner; takes no focus.
class TImage : public QLabel {
    Q_OBJECT

public:
    explicit TImage(QWidget* parent = nullptr);

signals:
    void OnClick(TObject* Sender);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ClickTracker click_;
};
