#pragma once

#include <QFrame>

#include "platform/Graphics.h"

// Raised container with a one-pixel bevel and a centred caption.
class TPanel : public QFrame {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)

public:
    explicit TPanel(QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
};
