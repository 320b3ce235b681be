#pragma once

#include <QGroupBox>

// Framed container with a caption; its children join the window's tab cycle at its place.
class TGroupBox : public QGroupBox {
    Q_OBJECT

public:
    explicit TGroupBox(QWidget* parent = nullptr) : QGroupBox(parent) {}
};
