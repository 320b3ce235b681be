#pragma once

#include <QString>

// The folder part of a path: everything before its last "/", or "/" itself for a file at the
// root; empty when the path names no folder.
QString ExtractFileDir(const QString& path);
