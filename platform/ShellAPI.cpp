#include "platform/ShellAPI.h"

#include <cstring>

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QUrl>

bool ShellExecuteA(HWND /*window*/, const char* operation, const char* file, const char* parameters,
                   const char* directory, int /*showCommand*/) {
    // A null operation is the default verb, which is "open".
    if (operation && std::strcmp(operation, "open") != 0)
        return false;
    if (!file || parameters)
        return false;
    const QString name = QFile::decodeName(file);
    QUrl target(name, QUrl::StrictMode);
    if (target.isRelative()) {
        // A file name; without a folder, the current one.
        const QDir folder(directory ? QFile::decodeName(directory) : QString());
        target = QUrl::fromLocalFile(folder.absoluteFilePath(name));
    }
    return target.isValid() && QDesktopServices::openUrl(target);
}
