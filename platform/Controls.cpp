#include "platform/Controls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>
#include <QPointer>
#include <QProxyStyle>

bool IsFocusEntry(const QFocusEvent& event) {
    return event.reason() != Qt::ActiveWindowFocusReason && event.reason() != Qt::PopupFocusReason;
}

namespace {

class BoxCaptionStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_CheckBoxLabelSpacing || metric == PM_RadioButtonLabelSpacing)
            return 4;
        return QProxyStyle::pixelMetric(metric, option, widget);
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
