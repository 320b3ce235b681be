#pragma once

#include <string>

class QString;

// The one place where window text becomes 8-bit text: Windows-1251, line breaks as CR LF,
// a character that Windows-1251 cannot hold as "?".
std::string ToAnsiText(const QString& text);
