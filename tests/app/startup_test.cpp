#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include <QCloseEvent>
#include <QSettings>

#include "app/startup.h"
#include "digest/hash_to_hex.h"
#include "form/module_state.h"
#include "tests/qt_window.h"

namespace {

// Forms failing to build (as a broken layout would) or to show.
struct FailingForm : QWidget {
    enum Kind { Library, LibraryStop, Foreign, ShowsAtOnce, ShowsFromLoop };
    static inline Kind kind = Library;
    FailingForm() {
        if (kind == Library || kind == LibraryStop)
            throw Exception(kind == Library ? "Resource TForm1 not found" : "Stop!");
        if (kind == Foreign || kind == ShowsAtOnce)
            show();
        if (kind == Foreign) // the show's failure goes with the form
            throw std::runtime_error("not for the user's eyes");
    }
    void showEvent(QShowEvent*) override { throw Exception(kind == Foreign ? "" : "Cannot show"); }
};

struct StartUp : ::testing::Test {
    void SetUp() override { app = std::make_unique<TApplication>(argc, argv); }

    int argc = 1;
    char name[8] = "kestrum";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<TApplication> app;
};

TEST_F(StartUp, AFailureIsShownUnderTheTitleWithNoWindowAndTheProgramEndsWithZero) {
    ModalBoxes boxes;
    for (int kind = FailingForm::Library; kind <= FailingForm::ShowsFromLoop; ++kind) {
        FailingForm* form = nullptr;
        FailingForm::kind = FailingForm::Kind(kind);
        EXPECT_EQ(app::WinMain(form), 0);
        EXPECT_EQ(form == nullptr, kind != FailingForm::ShowsFromLoop); // else the app's
    }
    QStringList texts;
    for (const auto& box : boxes.seen) {
        texts << box.text;
        EXPECT_TRUE(box.title == "Kestrum 1.2" && box.wellFormed);
    }
    EXPECT_EQ(texts, QStringList({"Resource TForm1 not found.", "Stop!", "", "Cannot show.",
                                  "Cannot show."}));
}

// A failure in the loop is shown at once; only an accepted close of the main form ends it.
TEST_F(StartUp, TheLoopShowsFailuresAndEndsWithTheMainFormsAcceptedClose) {
    struct Objecting : QWidget {
        bool refuse = true;
        void closeEvent(QCloseEvent* e) override {
            if (std::exchange(refuse, false))
                e->ignore();
        }
    };
    ModalBoxes boxes;
    Objecting* main = nullptr;
    int step = 0;
    QTimer steps;
    QObject::connect(&steps, &QTimer::timeout, [&] {
        EXPECT_TRUE(main->isVisible() && app->MainFormOnTaskBar);
        if (step++ == 0)
            throw Exception("Cannot read the file");
        EXPECT_EQ(boxes.seen.size(), 1);
        main->close(); // refused the first time
    });
    steps.start(0);
    EXPECT_EQ(app::WinMain(main), 0);
    EXPECT_GE(step, 3);
    EXPECT_EQ(boxes.seen.size() == 1 ? boxes.seen[0].text : "", "Cannot read the file.");
    EXPECT_EQ(app->MainForm(), main);
    QPointer<QWidget> watch(main);
    app->DestroyComponents();
    EXPECT_FALSE(watch);
}

// The whole run, its own application object included; it keeps no setting for the next.
struct WitnessForm : QWidget {
    static inline bool stateAtConstruction = false, stateAtDestruction = false;
    static inline QStringList arguments;
    WitnessForm() {
        stateAtConstruction = digest::DigestBuffer && digest::DigestBuffer->size() == 10 &&
                              digest::HexText && digest::HexText->empty() && !PendingSelectEdit;
        arguments = QCoreApplication::arguments();
        QSettings dialogs(QSettings::UserScope, "QtProject"); // nothing kept for the next run
        dialogs.setValue("FileDialog/lastVisited", "file:///tmp");
        dialogs.sync();
        stateAtConstruction &= dialogs.status() == QSettings::AccessError;
        QTimer::singleShot(0, this, &QWidget::close);
    }
    ~WitnessForm() override { stateAtDestruction = digest::HexText.has_value(); }
};

TEST(Program, TheUnitStateOutlivesTheWindowAndQtSeesOnlyTheProgramName) {
    char name[] = "/opt/kestrum/bin/kestrum";
    WitnessForm* form = nullptr;
    EXPECT_EQ(app::RunProgram(name, form), 0);
    EXPECT_TRUE(WitnessForm::stateAtConstruction && WitnessForm::stateAtDestruction);
    EXPECT_FALSE(digest::DigestBuffer || digest::HexText || Application);
    EXPECT_EQ(WitnessForm::arguments, QStringList{name});
}

// Nested start-ups make the state once, the balancing shutdown ends it, an unbalanced one nothing.
TEST(Program, TheUnitStateIsMadeOnceAndEndedOnBalance) {
    Unit1::Initialize(), *digest::HexText = "in use";
    Unit1::Initialize(), Unit1::Finalize();
    EXPECT_EQ(digest::HexText, "in use");
    Unit1::Finalize();
    EXPECT_FALSE(digest::DigestBuffer || digest::HexText);
    digest::MakeHexState(), Unit1::Finalize();
    EXPECT_TRUE(digest::DigestBuffer && digest::HexText);
    Unit1::Initialize(), digest::EndHexState(); // the count back at zero; it makes nothing
}

} // namespace
