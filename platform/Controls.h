#pragma once

#include <QObject>
#include <qwindowdefs.h>
#include <typeindex>
#include <typeinfo>

// The class library's names for the things its events carry.
using TObject = QObject;

// A window handle.
using HWND = WId;

// The exact run-time class of an object, compared by identity: a derived class is another class.
inline std::type_index ClassType(const TObject& object) { return typeid(object); }

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
class QMouseEvent;
class QWidget;

// The platform's click: a left press on the control, then a left release inside it. The
// release that ends a double click is no click.
class ClickTracker {
public:
    void press(const QMouseEvent& event);
    void doubleClick(const QMouseEvent& event);
    // True when this release completes a click on control.
    bool release(const QWidget& control, const QMouseEvent& event);

private:
    bool leftDown_ = false;
};

// A check box or radio button lays its caption out as the platform does: 4 pixels right of the box.
void UseBoxCaptionSpacing(QAbstractButton& button);
