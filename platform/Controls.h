#pragma once

#include <QObject>

// The class library's names for the things its events carry.
using TObject = QObject;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

enum TShiftStateFlag : unsigned {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32,
    ssDouble = 64,
};
using TShiftState = unsigned; // a set of TShiftStateFlag

enum TMouseActivate { maDefault, maActivate, maActivateAndEat, maNoActivate, maNoActivateAndEat };

class QFocusEvent;

// True when the focus comes from another control of the window; the window's own
// activation and a closing popup give the focus back without entering anything.
bool IsFocusEntry(const QFocusEvent& event);

class QAbstractButton;

// A check box or radio button lays its caption out as the platform does: 4 pixels right of the box.
void UseBoxCaptionSpacing(QAbstractButton& button);
