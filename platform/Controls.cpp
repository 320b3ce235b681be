#include "platform/Controls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QProxyStyle>

bool IsFocusEntry(const QFocusEvent& event) {
    return event.reason() != Qt::ActiveWindowFocusReason && event.reason() != Qt::PopupFocusReason;
}

void ClickTracker::press(const QMouseEvent& event) {
    if (event.button() == Qt::LeftButton)
        leftDown_ = true;
}

void ClickTracker::doubleClick(const QMouseEvent& event) {
    if (event.button() == Qt::LeftButton)
        leftDown_ = false;
}

bool ClickTracker::release(const QWidget& control, const QMouseEvent& event) {
    // Qt hands a release to the control that had the press, and the next press sets the flag.
    return event.button() == Qt::LeftButton && leftDown_ &&
           control.rect().contains(event.position().toPoint());
}

namespace {

class BoxCaptionStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        switch (metric) {
        case PM_CheckBoxLabelSpacing:
        case PM_RadioButtonLabelSpacing:
            return 4;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }
};

} // namespace

void UseBoxCaptionSpacing(QAbstractButton& button) {
    // One style for all boxes, released with the application.
    static QPointer<BoxCaptionStyle> style;
    if (!style) {
        style = new BoxCaptionStyle;
        style->setParent(qApp);
    }
    button.setStyle(style);
}
