#include "platform/Dialogs.h"

#include <algorithm>
#include <cmath>
#include <exception>

#include <QApplication>
#include <QBoxLayout>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QTextLayout>

#include "platform/FramePlacement.h"

namespace {

// The box's text as plain text: every line break kept, wrapped between words where it can and
// anywhere where a word is wider than the line (a long file name).
class MessageText : public QLabel {
public:
    MessageText(const QString& text, QWidget* parent) : QLabel(text, parent) {
        setTextFormat(Qt::PlainText);
    }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override {
        QTextLayout layout(lines(), font());
        return int(std::ceil(layOut(layout, width).height()));
    }
    QSize sizeHint() const override {
        QTextLayout layout(lines(), font());
        const QSizeF size = layOut(layout, kUnwrapped);
        return {int(std::ceil(size.width())), int(std::ceil(size.height()))};
    }
    QSize minimumSizeHint() const override {
        return {30 * fontMetrics().averageCharWidth(), fontMetrics().height()};
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::WindowText));
        QTextLayout layout(lines(), font());
        layOut(layout, width());
        layout.draw(&painter, QPointF());
    }

private:
    static constexpr qreal kUnwrapped = 1e6;

    // The text as a layout takes it, a line break being a line separator there.
    QString lines() const {
        return QString(text()).replace(QLatin1Char('\n'), QChar::LineSeparator);
    }

    // Lays the text out in lines of the width given; the size it takes.
    QSizeF layOut(QTextLayout& layout, qreal width) const {
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        QSizeF size;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            line.setPosition(QPointF(0, size.height()));
            size = {std::max(size.width(), line.naturalTextWidth()), size.height() + line.height()};
        }
        layout.endLayout();
        return size;
    }
};

class ErrorBox : public QDialog {
public:
    ErrorBox(const QString& title, const QString& text, const std::optional<QPoint>& at)
        : QDialog(QApplication::activeWindow()), at_(at),
          placement_(*this, [this] { guarded([this] { place(); }); }) {
        setWindowTitle(title);
        auto* icon = new QLabel(this);
        icon->setAlignment(Qt::AlignTop);
        const int side = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
        icon->setPixmap(
            style()->standardIcon(QStyle::SP_MessageBoxCritical, nullptr, this).pixmap(side));
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
        buttons->setCenterButtons(
            style()->styleHint(QStyle::SH_MessageBox_CenterButtons, nullptr, this));
        // OK, the one button, has the focus and so is the default: Enter presses it. Escape
        // closes the box as OK does, the result being unused.
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        auto* row = new QHBoxLayout;
        row->addWidget(icon);
        row->addWidget(new MessageText(text, this));
        auto* column = new QVBoxLayout(this);
        column->addLayout(row);
        column->addWidget(buttons);
        fit();
    }

    void Run() {
        exec();
        if (failure_)
            std::rethrow_exception(failure_);
    }

protected:
    void showEvent(QShowEvent* event) override {
        guarded([&] {
            QDialog::showEvent(event);
            placement_.Shown();
        });
    }

    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override {
        guarded([&] { placement_.NativeEvent(eventType, message); });
        return QDialog::nativeEvent(eventType, message, result);
    }

private:
    // A failure of the box itself is told by no other box, which could fail alike: the box
    // closes, and the failure goes on to whoever asked for the box.
    template <class Body>
    void guarded(Body&& body) {
        try {
            body();
        } catch (...) {
            failure_ = std::current_exception();
            QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
        }
    }

    // The box at the width given, or as narrow as it can be.
    QSize fitted(int width) const {
        width = std::max(layout()->totalMinimumSize().width(),
                         std::min(width, layout()->totalSizeHint().width()));
        return {width, layout()->totalHeightForWidth(width)};
    }

    // Sized to lie wholly on the screen with its frame (none until a window manager has framed
    // it): wrapped to fit between X and the screen's edge; where that leaves too little room, or
    // makes it taller than the screen, as wide as the screen allows. Its outer size.
    QSize fit() {
        const QRect screen = this->screen()->availableGeometry();
        const QSize frame = frameGeometry().size() - size();
        QRect room = screen;
        if (at_)
            room.setLeft(std::max(at_->x(), screen.left()));
        const int width = room.width() - frame.width();
        QSize box = fitted(width);
        if (box.width() > width || box.height() + frame.height() > screen.height())
            box = fitted(screen.width() - frame.width());
        setFixedSize(box);
        return box + frame;
    }

    // The frame at (X, Y), a negative coordinate centring it on that axis; moved just inside
    // the screen's edge only where it cannot fit there. Never wider than the screen, a box
    // taller than it keeps its top (its title) on it.
    void place() {
        const QRect screen = this->screen()->availableGeometry();
        QRect frame(pos(), fit());
        if (at_) {
            frame.moveCenter(screen.center());
            if (at_->x() >= 0)
                frame.moveLeft(at_->x());
            if (at_->y() >= 0)
                frame.moveTop(at_->y());
        }
        frame.moveRight(std::min(frame.right(), screen.right()));
        frame.moveBottom(std::min(frame.bottom(), screen.bottom()));
        frame.moveTop(std::max(frame.top(), screen.top()));
        move(frame.topLeft());
    }

    std::optional<QPoint> at_;
    FramePlacement placement_;
    std::exception_ptr failure_;
};

} // namespace

void ShowErrorBox(const QString& title, const QString& text, const std::optional<QPoint>& at) {
    ErrorBox(title, text, at).Run();
}

int MessageDlgPos(const QString& Msg, TMsgDlgType /*DlgType*/, TMsgDlgButtons /*Buttons*/,
                  int /*HelpCtx*/, int X, int Y) {
    ShowErrorBox(QStringLiteral("Error"), Msg, QPoint(X, Y));
    return mrOk;
}
