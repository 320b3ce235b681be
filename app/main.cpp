#include <QApplication>

#include "form/Unit1.h"

int main(int argc, char** argv) {
    // The command line is not read: Qt gets the program's name alone.
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    (void)argc;
    QApplication application(qtArgc, qtArgv);
    Unit1::Initialize();
    Form1 = new TForm1();
    Form1->show();
    application.exec();
    delete Form1;
    Unit1::Finalize();
    return 0;
}
