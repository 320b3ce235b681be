#pragma once

#include "digest/algorithms.h"
#include "form/Unit1.h"
#include "qt_window.h"

// The main window as the program shows it: Form1 over the unit's state, shown and active.
inline bool openMainWindow() {
    Unit1::Initialize();
    Form1 = new TForm1();
    return showActive(*Form1);
}

inline void closeMainWindow() {
    delete Form1;
    Form1 = nullptr;
    Unit1::Finalize();
}

template <class Control = QWidget>
Control* control(const QString& name) {
    return Form1->findChild<Control*>(name);
}

inline QList<TEdit*> resultFields() {
    QList<TEdit*> fields;
    for (const auto& row : digest::kAlgorithms)
        fields.append(control<TEdit>(QString("Edit") + row.tag));
    return fields;
}

// Every result field as a computation leaves it: a digest of its row's length.
inline void fillResultFields() {
    const QString hex = QString("0123456789ABCDEF").repeated(8);
    for (const auto& row : digest::kAlgorithms)
        control<TEdit>(QString("Edit") + row.tag)->SetText(hex.left(int(row.digestSize) * 2));
}
