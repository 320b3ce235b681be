#include "platform/SysUtils.h"

QString ExtractFileDir(const QString& path) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return QString();
    return path.left(slash == 0 ? 1 : slash);
}
