#include "platform/Dialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>

namespace {

// Placed once it knows its own size, which QMessageBox settles as it is shown.
class PlacedMessageBox : public QMessageBox {
public:
    PlacedMessageBox(int x, int y) : QMessageBox(QApplication::activeWindow()), x_(x), y_(y) {}

protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QSize size = frameGeometry().size();
        move(x_ >= 0 ? x_ : screen.x() + (screen.width() - size.width()) / 2,
             y_ >= 0 ? y_ : screen.y() + (screen.height() - size.height()) / 2);
    }

private:
    int x_;
    int y_;
};

} // namespace

int MessageDlgPos(const QString& Msg, TMsgDlgType /*DlgType*/, TMsgDlgButtons /*Buttons*/,
                  int /*HelpCtx*/, int X, int Y) {
    PlacedMessageBox box(X, Y);
    box.setWindowTitle("Error");
    box.setIcon(QMessageBox::Critical);
    box.setText(Msg);
    box.setStandardButtons(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
    return mrOk;
}
