#include "platform/Controls.h"

#include <QFocusEvent>

bool IsFocusEntry(const QFocusEvent& event) {
    return event.reason() != Qt::ActiveWindowFocusReason && event.reason() != Qt::PopupFocusReason;
}
