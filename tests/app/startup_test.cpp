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

// Forms that fail to build, as a layout that cannot be read would; the reference holds the
// form while its constructor runs.
struct LibraryFailure : QWidget {
    static inline QString message;
    static inline LibraryFailure** reference = nullptr;
    static inline bool heldItself = false;
    LibraryFailure() {
        heldItself = *reference == this;
        throw Exception(message);
    }
};
struct ForeignFailure : QWidget {
    ForeignFailure() { throw std::runtime_error("not for the user's eyes"); }
};
struct FailsToShow : QWidget {
    void showEvent(QShowEvent*) override { throw Exception("Cannot show"); }
};

class StartUp : public ::testing::Test {
protected:
    void SetUp() override { app = std::make_unique<TApplication>(argc, argv); }

    int argc = 1;
    char name[8] = "kestrum";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<TApplication> app;
};

TEST_F(StartUp, AFailureIsShownUnderTheTitleWithNoWindowAndTheProgramEndsWithZero) {
    ModalBoxes boxes;
    for (const char* message : {"Resource TForm1 not found", "Stop!"}) {
        LibraryFailure::message = message;
        LibraryFailure* form = nullptr;
        LibraryFailure::reference = &form;
        EXPECT_EQ(app::WinMain(form), 0);
        EXPECT_EQ(form, nullptr);
        EXPECT_TRUE(LibraryFailure::heldItself);
    }
    ForeignFailure* foreign = nullptr;
    EXPECT_EQ(app::WinMain(foreign), 0);
    FailsToShow* notShown = nullptr;
    EXPECT_EQ(app::WinMain(notShown), 0);

    QStringList texts;
    for (const auto& box : boxes.seen) {
        texts << box.text;
        EXPECT_EQ(box.title, "Kestrum 1.2");
        EXPECT_TRUE(box.oneOkDefaultAndEscape);
    }
    EXPECT_EQ(texts, QStringList({"Resource TForm1 not found.", "Stop!", "", "Cannot show."}));
}

TEST_F(StartUp, OnlyTheMainFormsAcceptedCloseEndsTheLoopAndTheFormsLiveUntilDestroyed) {
    struct Objecting : QWidget {
        bool refuseNext = true;
        void closeEvent(QCloseEvent* e) override {
            if (std::exchange(refuseNext, false))
                e->ignore();
        }
    };
    Objecting* main = nullptr;
    QWidget* second = nullptr;
    int step = 0;
    QTimer steps;
    QObject::connect(&steps, &QTimer::timeout, [&] {
        EXPECT_TRUE(main->isVisible() && app->MainFormOnTaskBar);
        if (step++ == 0) {
            app->CreateForm(second);
            second->show();
            second->close();
        } else {
            steps.stop();
        }
        main->close(); // refused the first time
    });
    steps.start(0);
    EXPECT_EQ(app::WinMain(main), 0);
    EXPECT_EQ(step, 2);
    EXPECT_EQ(app->MainForm(), main);
    QPointer<QWidget> watchMain(main), watchSecond(second);
    EXPECT_TRUE(watchMain && watchSecond);
    app->DestroyComponents();
    EXPECT_FALSE(watchMain || watchSecond);
}

TEST_F(StartUp, NoSettingIsKeptForTheNextRun) {
    QSettings dialogs(QSettings::UserScope, "QtProject");
    dialogs.setValue("FileDialog/lastVisited", "file:///tmp");
    dialogs.sync();
    EXPECT_EQ(dialogs.status(), QSettings::AccessError);
}

// The whole run, its own application object included.
struct WitnessForm : QWidget {
    static inline bool stateAtConstruction = false, stateAtDestruction = false;
    static inline QStringList arguments;
    WitnessForm() {
        stateAtConstruction = digest::DigestBuffer && digest::DigestBuffer->size() == 10 &&
                              digest::HexText && digest::HexText->empty() && !PendingSelectEdit;
        arguments = QCoreApplication::arguments();
        QTimer::singleShot(0, this, &QWidget::close);
    }
    ~WitnessForm() override { stateAtDestruction = digest::HexText.has_value(); }
};

TEST(Program, TheUnitStateOutlivesTheWindowAndQtSeesOnlyTheProgramName) {
    char name[] = "/opt/kestrum/bin/kestrum";
    WitnessForm* form = nullptr;
    EXPECT_EQ(app::RunProgram(name, form), 0);
    EXPECT_TRUE(WitnessForm::stateAtConstruction);
    EXPECT_TRUE(WitnessForm::stateAtDestruction);
    EXPECT_FALSE(digest::DigestBuffer || digest::HexText);
    EXPECT_EQ(WitnessForm::arguments, QStringList{name});
    EXPECT_EQ(Application, nullptr);
}

// Nested initialisations only count; the balancing finalisation ends the state, and one
// without an initialisation ends nothing.
TEST(Program, TheUnitStateIsMadeOnceAndEndedOnBalance) {
    Unit1::Initialize();
    *digest::HexText = "in use";
    Unit1::Initialize();
    Unit1::Finalize();
    EXPECT_EQ(*digest::HexText, "in use");
    Unit1::Finalize();
    EXPECT_FALSE(digest::DigestBuffer || digest::HexText);
    digest::MakeHexState();
    Unit1::Finalize();
    EXPECT_TRUE(digest::HexText);
    Unit1::Initialize(); // balances the count: makes nothing
    digest::EndHexState();
    Unit1::Initialize();
    EXPECT_TRUE(digest::HexText);
    Unit1::Finalize();
}

} // namespace
