#include <cstdio>

#include "form/Unit1.h"

int main() {
    Unit1::Initialize();
    std::puts("Kestrum 1.2: the digest engine is built and tested; the window is not built yet.");
    Unit1::Finalize();
    return 0;
}
