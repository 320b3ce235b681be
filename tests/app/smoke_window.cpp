// A window of the main window's caption and client size, run through the real start-up,
// so the X server smoke test can be tried before the main window exists.
#include <QWidget>

#include "app/startup.h"

namespace {
struct StandIn : QWidget {
    StandIn() {
        setWindowTitle(QStringLiteral("Kestrum 1.2 (kestrum.example.org)"));
        setFixedSize(395, 576);
    }
};
StandIn* form = nullptr;
} // namespace

int main(int, char** argv) { return app::RunProgram(argv[0], form); }
