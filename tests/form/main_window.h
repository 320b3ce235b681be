#pragma once

#include "form/Unit1.h"
#include "qt_window.h"

// The main window as the program shows it: Form1, shown and active.
class MainWindowFixture {
public:
    MainWindowFixture() { Unit1::Initialize(); }
    ~MainWindowFixture() { Unit1::Finalize(); }

    bool open() {
        Form1 = new TForm1();
        return showActive(*Form1);
    }
    void close() {
        delete Form1;
        Form1 = nullptr;
    }

    template <class Control = QWidget> static Control* control(const QString& name) {
        return Form1->findChild<Control*>(name);
    }
};
