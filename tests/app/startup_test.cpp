#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/startup.h"
#include "digest/hash_to_hex.h"
#include "tests/platform/modal_boxes.h"

namespace {

// Forms that fail to build, as a layout that cannot be read would.
struct LibraryFailure : QWidget {
    static inline QString message;
    LibraryFailure() { throw Exception(message); }
};
struct ForeignFailure : QWidget {
    ForeignFailure() { throw std::runtime_error("not for the user's eyes"); }
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
        EXPECT_EQ(app::WinMain(form), 0);
        EXPECT_EQ(form, nullptr);
    }
    ForeignFailure* foreign = nullptr;
    EXPECT_EQ(app::WinMain(foreign), 0);

    ASSERT_EQ(boxes.seen.size(), 3u);
    const QString shown[] = {"Resource TForm1 not found.", "Stop!", ""};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(boxes.seen[i].title, "Kestrum 1.2");
        EXPECT_EQ(boxes.seen[i].text, shown[i]);
        EXPECT_EQ(boxes.seen[i].icon, QMessageBox::Critical);
        EXPECT_EQ(boxes.seen[i].buttons, QMessageBox::Ok);
    }
    EXPECT_EQ(app->MainForm(), nullptr);
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_FALSE(w->isVisible());
}

TEST_F(StartUp, TheSequenceMakesTheMainFormGivesItTheTaskbarAndRunsUntilItCloses) {
    QWidget* form = nullptr;
    bool shownInLoop = false;
    QTimer::singleShot(0, [&] {
        shownInLoop = form && form->isVisible() && app->MainFormOnTaskBar;
        form->close();
    });
    EXPECT_EQ(app::WinMain(form), 0);
    EXPECT_TRUE(shownInLoop);
    EXPECT_EQ(app->Title, "Kestrum 1.2");
    EXPECT_EQ(app->MainForm(), form);
}

// A form whose button's handler throws on its first click only.
struct ButtonForm : QWidget {
    QPushButton* button = new QPushButton("Go", this);
    int clicks = 0;
    ButtonForm() {
        connect(button, &QPushButton::clicked, this, [this] {
            if (++clicks == 1)
                throw Exception("Cannot read the file");
        });
    }
};

TEST_F(StartUp, AFailingHandlerIsShownAndTheWindowStaysOpenAndUsable) {
    ButtonForm* form = nullptr;
    ModalBoxes boxes;
    bool openAfterFailure = false;
    whenNoBoxIsOpen([&] {
        QTest::mouseClick(form->button, Qt::LeftButton);
        openAfterFailure = form->isVisible();
        QTest::mouseClick(form->button, Qt::LeftButton);
        form->close();
    });
    EXPECT_EQ(app::WinMain(form), 0);
    EXPECT_TRUE(openAfterFailure);
    EXPECT_EQ(form->clicks, 2);
    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(boxes.seen[0].title, "Kestrum 1.2");
    EXPECT_EQ(boxes.seen[0].text, "Cannot read the file.");
    EXPECT_FALSE(form->button->isDown());
}

// The whole run, its own application object included.
struct WitnessForm : QWidget {
    static inline bool stateAtConstruction = false, stateAtDestruction = false;
    static inline QStringList arguments;
    WitnessForm() {
        stateAtConstruction = digest::DigestBuffer.has_value() && digest::HexText.has_value();
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
    EXPECT_FALSE(digest::DigestBuffer.has_value());
    EXPECT_EQ(WitnessForm::arguments, QStringList{name});
    EXPECT_EQ(Application, nullptr);
}

} // namespace
