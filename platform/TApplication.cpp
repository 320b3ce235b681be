#include "platform/TApplication.h"

#include <exception>
#include <utility>

#include <QCloseEvent>
#include <QFile>
#include <QIcon>
#include <QMouseEvent>
#include <QSettings>

#include "platform/Dialogs.h"
#include "platform/Exception.h"
#include "platform/TEdit.h"

TApplication* Application = nullptr;

QString ExceptionText(const QString& message) {
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    // Closing the main form ends the loop, whatever other windows are open.
    setQuitOnLastWindowClosed(false);
    // The program's icon, when the executable carries one, is every window's.
    const QString icon = QStringLiteral(":/MAINICON");
    if (QFile::exists(icon))
        setWindowIcon(QIcon(icon));
    // Qt's file dialog keeps its folder history in the user's settings. This program keeps
    // nothing from one run to the next: settings go where nothing is read or written.
    for (auto format : {QSettings::NativeFormat, QSettings::IniFormat})
        for (auto scope : {QSettings::UserScope, QSettings::SystemScope})
            QSettings::setPath(format, scope, QStringLiteral("/dev/null"));
    Application = this;
}

TApplication::~TApplication() {
    DestroyComponents();
    if (Application == this)
        Application = nullptr;
}

void TApplication::adopt(QWidget* form) {
    components_.emplace_back(form);
    if (!mainForm_)
        mainForm_ = form;
}

void TApplication::DestroyComponents() {
    while (!components_.empty()) {
        delete components_.back().data();
        components_.pop_back();
    }
}

void TApplication::startUp(const std::function<void()>& step) {
    startingUp_ = true;
    std::exception_ptr failure;
    try {
        step();
    } catch (...) {
        failure = std::current_exception();
    }
    startingUp_ = false;
    const std::exception_ptr held = std::exchange(deferred_, nullptr);
    if (failure)
        std::rethrow_exception(failure);
    if (held)
        std::rethrow_exception(held);
}

void TApplication::Run() {
    if (!mainForm_)
        return;
    startUp([this] { mainForm_->show(); });
    exec();
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        const QEvent::Type type = event->type();
        // QApplication::notify moves the focus before any event filter sees the press.
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)
            if (auto* edit = qobject_cast<TEdit*>(receiver))
                edit->NotifyMousePress(*static_cast<QMouseEvent*>(event));

        const bool handled = QApplication::notify(receiver, event);

        if (type == QEvent::Close && event->isAccepted() && mainForm_ && receiver == mainForm_)
            quit();
        return handled;
    } catch (...) {
        // The last net: our handlers catch their own.
        HandleException(receiver);
        return true;
    }
}

void TApplication::HandleException(QObject*) {
    if (startingUp_) {
        if (!deferred_)
            deferred_ = std::current_exception();
        return;
    }
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    try {
        throw;
    } catch (const EAbort&) {
    } catch (const Exception& e) {
        ShowException(e);
    } catch (const std::exception& e) {
        showBox(QString::fromUtf8(e.what()));
    } catch (...) {
        showBox(QString());
    }
}

void TApplication::ShowException(const Exception& e) { showBox(ExceptionText(e.Message)); }

void TApplication::showBox(const QString& text) {
    // No box opens over the one that tells of an exception, and none tells of that box's own
    // failure: a failure that repeats (a paint, say) would open boxes without end.
    if (telling_) {
        qWarning("%s", qUtf8Printable(text));
        return;
    }
    telling_ = true;
    try {
        ShowErrorBox(Title, text);
    } catch (...) {
        qWarning("The box for \"%s\" failed", qUtf8Printable(text));
    }
    telling_ = false;
}
