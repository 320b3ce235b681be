#pragma once

#include <exception>
#include <functional>
#include <new>
#include <type_traits>
#include <vector>

#include <QApplication>
#include <QPointer>
#include <QString>
#include <QWidget>

class Exception;

// The one application object: title, forms it owns, the message loop and the exception boxes.
class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);
    ~TApplication() override;

    // Nothing to prepare: Qt needs no per-thread COM start-up.
    void Initialize() {}

    // Caption of the exception boxes. Kept here, not in applicationDisplayName,
    // which X11 would append to every window's caption.
    QString Title;

    // Linux gives every top-level window its own taskbar entry; the flag is only kept.
    bool MainFormOnTaskBar = false;

    // The reference holds the object before its constructor runs, and is null again when
    // construction throws. The first form made here becomes the main form.
    template <class Form>
    void CreateForm(Form*& reference);

    QWidget* MainForm() const { return mainForm_; }

    // The full path of the running program's file.
    QString ExeName() const { return applicationFilePath(); }

    // Shows the main form and runs the loop until the main form closes.
    void Run();

    // The loop's handler for the exception in flight (call it from a catch block). While forms
    // are built or first shown it holds the exception for CreateForm or Run to throw on.
    void HandleException(QObject* sender);
    void ShowException(const Exception& e);

    // Destroys the forms this object owns, newest first.
    void DestroyComponents();

    bool notify(QObject* receiver, QEvent* event) override;

private:
    void adopt(QWidget* form);
    // Runs a step of start-up. An exception an event raises meanwhile is held, and thrown on
    // when the step is done; one the step throws itself goes on at once, and the held one with it.
    void startUp(const std::function<void()>& step);
    void showBox(const QString& text);

    QPointer<QWidget> mainForm_;
    std::vector<QPointer<QWidget>> components_;
    // While forms are built or first shown, an exception from an event is held here and
    // thrown on from CreateForm or Run, so start-up failures reach the caller.
    bool startingUp_ = false;
    std::exception_ptr deferred_;
    bool telling_ = false; // a box tells of an exception
};

// The class library's single application object; null when none exists.
extern TApplication* Application;

// Runs code that Qt calls (a connected handler, an event override). Qt cannot carry an
// exception through its own frames and skips its cleanup on the way: it ends here, in the
// application's handler, and Qt's call returns normally.
template <class Body>
void Guarded(QObject* sender, Body&& body) {
    try {
        body();
    } catch (...) {
        if (!Application)
            throw;
        Application->HandleException(sender);
    }
}

// The text ShowException gives a message: a "." is added when the last character sorts
// above ".", so letters, digits and "?" get one and ".", "!", ",", "-", a blank do not.
QString ExceptionText(const QString& message);

template <class Form>
void TApplication::CreateForm(Form*& reference) {
    static_assert(std::is_base_of_v<QWidget, Form>, "a form is a widget");
    void* memory = ::operator new(sizeof(Form));
    reference = static_cast<Form*>(memory);
    Form* made = nullptr;
    try {
        startUp([&] {
            made = new (memory) Form();
            adopt(made);
        });
    } catch (...) {
        reference = nullptr;
        if (made)
            delete made;
        else
            ::operator delete(memory);
        throw;
    }
}
