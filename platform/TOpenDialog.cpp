#include "platform/TOpenDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>

#include "platform/TApplication.h"

bool TOpenDialog::Execute() {
    QFileDialog dialog(QApplication::activeWindow());
    // A native dialog reports no selection changes.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.selectFile(fileName_);
    connect(&dialog, &QFileDialog::currentChanged, this, [this](const QString& path) {
        // Moving to another folder highlights it, then clears the current item; neither
        // selects a file, and must not wipe the name chosen before.
        if (path.isEmpty() || QFileInfo(path).isDir())
            return;
        fileName_ = path;
        Guarded(this, [this] { emit OnSelectionChange(this); });
    });
    const bool confirmed = dialog.exec() == QDialog::Accepted;
    if (confirmed && !dialog.selectedFiles().isEmpty())
        fileName_ = dialog.selectedFiles().constFirst();
    return confirmed;
}
