#include <QWidget>

#include "app/startup.h"

// Stands in for the main window until it lands.
QWidget* Form1 = nullptr;

int main(int, char** argv) { return app::RunProgram(argv[0], Form1); }
