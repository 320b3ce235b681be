#pragma once

#include <optional>

#include <QFlags>
#include <QPoint>
#include <QString>

// The message box of the class library, as far as this program uses it.
enum TMsgDlgType { mtError };
enum TMsgDlgBtn { mbOK = 0x4 };
using TMsgDlgButtons = QFlags<TMsgDlgBtn>;

constexpr int mrOk = 1;

// A modal box titled "Error" with the error icon, the text and one OK button, which is both the
// default and the escape button. Its frame's top-left corner lands at (X, Y); a negative
// coordinate centres the box on the screen along that axis instead.
int MessageDlgPos(const QString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx,
                  int X, int Y);

// Every error box of the program: the error icon, one OK button that is default and escape, and
// the text as plain text, shown whole, the box wholly on the screen. Placed as MessageDlgPos
// places it (moved inside the screen's edge only where it cannot fit), or without a point where
// the platform puts a box over the active window. A failure of the box reaches the caller.
void ShowErrorBox(const QString& title, const QString& text,
                  const std::optional<QPoint>& at = std::nullopt);
