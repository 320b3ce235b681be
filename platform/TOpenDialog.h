#pragma once

#include <QObject>
#include <QString>

#include "platform/Controls.h"

// The modal file-open dialog. While it is shown, FileName is the path of its current selection
// and every change of that selection raises OnSelectionChange.
class TOpenDialog : public QObject {
    Q_OBJECT

public:
    explicit TOpenDialog(QObject* owner = nullptr) : QObject(owner) {}

    QString FileName() const { return fileName_; }
    void SetFileName(const QString& value) { fileName_ = value; }

    // True when the user confirms.
    bool Execute();

signals:
    void OnSelectionChange(TObject* Sender);

private:
    QString fileName_;
};
