#include "app/startup.h"
#include "form/Unit1.h"

int main(int, char** argv) { return app::RunProgram(argv[0], Form1); }
