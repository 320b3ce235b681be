#include "platform/Dialogs.h"

#include <cmath>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTextLayout>

#include "platform/TApplication.h"

namespace {

// The height text takes at width, wrapped between words where it can and anywhere where it must.
int wrappedHeight(const QString& text, const QFont& font, qreal width) {
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal height = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        height += line.height();
    }
    layout.endLayout();
    return int(std::ceil(height));
}

class ErrorBox : public QMessageBox {
public:
    ErrorBox(const QString& title, const QString& text, const std::optional<QPoint>& at)
        : QMessageBox(QMessageBox::Critical, title, text, QMessageBox::Ok,
                      QApplication::activeWindow()),
          at_(at) {
        // A file name is input: never read as markup.
        setTextFormat(Qt::PlainText);
        setDefaultButton(QMessageBox::Ok);
        setEscapeButton(QMessageBox::Ok);
    }

protected:
    // QMessageBox settles its size as it is shown, and again after a long text is given room.
    void showEvent(QShowEvent* event) override {
        Guarded(this, [&] {
            QMessageBox::showEvent(event);
            breakLongWords();
            place();
        });
    }

    void resizeEvent(QResizeEvent* event) override {
        Guarded(this, [&] {
            QMessageBox::resizeEvent(event);
            place();
        });
    }

private:
    // QMessageBox sizes its text for breaks between words only: a word wider than the box (a
    // long file name) would run off its edge. Given the height the text needs when broken
    // anywhere, QMessageBox breaks it so.
    void breakLongWords() {
        auto* label = findChild<QLabel*>("qt_msgbox_label");
        if (!label)
            return;
        const QMargins margins = label->contentsMargins();
        label->setMinimumHeight(
            wrappedHeight(text(), label->font(), label->contentsRect().width()) + margins.top() +
            margins.bottom());
    }

    void place() {
        if (!at_)
            return;
        const QPoint at = *at_;
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QSize size = frameGeometry().size();
        move(at.x() >= 0 ? at.x() : screen.x() + (screen.width() - size.width()) / 2,
             at.y() >= 0 ? at.y() : screen.y() + (screen.height() - size.height()) / 2);
    }

    std::optional<QPoint> at_;
};

} // namespace

void ShowErrorBox(const QString& title, const QString& text, const std::optional<QPoint>& at) {
    ErrorBox box(title, text, at);
    box.exec();
}

int MessageDlgPos(const QString& Msg, TMsgDlgType /*DlgType*/, TMsgDlgButtons /*Buttons*/,
                  int /*HelpCtx*/, int X, int Y) {
    ShowErrorBox(QStringLiteral("Error"), Msg, QPoint(X, Y));
    return mrOk;
}
