#pragma once

#include <QString>

#include "form/Unit1.h"
#include "platform/Exception.h"
#include "platform/TApplication.h"

namespace app {

// The program's entry steps, one protected block; every way out returns 0.
template <class Form>
int WinMain(Form*& form) {
    try {
        Application->Initialize();
        Application->Title = QStringLiteral("Kestrum 1.2");
        Application->CreateForm(form);
        Application->MainFormOnTaskBar = true;
        Application->Run();
    } catch (Exception& e) {
        Application->ShowException(e);
    } catch (...) {
        // Nothing of a foreign exception is shown: the box gets an empty text.
        try {
            throw Exception(QString());
        } catch (Exception& e) {
            Application->ShowException(e);
        }
    }
    return 0;
}

// The whole run: the application object first, then the unit's state, which must outlive
// the form; the command line stays unread, so Qt sees only the program's name.
template <class Form>
int RunProgram(char* programName, Form*& form) {
    int argc = 1;
    char* argv[] = {programName, nullptr};
    TApplication application(argc, argv);
    Unit1::Initialize();
    const int result = WinMain(form);
    application.DestroyComponents();
    Unit1::Finalize();
    return result;
}

} // namespace app
