#pragma once

#include "platform/Controls.h"

// Show commands: how the opened window should appear.
constexpr int SW_SHOWMAXIMIZED = 3;

// The shell's "open" verb on a document or web address: its default application opens it.
// The texts are 8-bit, names in the file system's encoding; a relative file name is taken in
// directory. Programs are not started here, so parameters must be null. The window would own
// any message the shell shows, and the show command is for the opened window; the desktop
// decides both here. True when a handler took the request.
bool ShellExecuteA(HWND window, const char* operation, const char* file, const char* parameters,
                   const char* directory, int showCommand);
