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
struct AllocationFailure : QWidget {
    AllocationFailure() { throw std::bad_alloc(); }
};

// A form whose button's handler throws on its first click only.
struct ButtonForm : QWidget {
    static inline std::function<void()> firstClick;
    QPushButton* button = new QPushButton("Go", this);
    int clicks = 0;
    ButtonForm() {
        resize(200, 100);
        connect(button, &QPushButton::clicked, this, [this] {
            if (++clicks == 1)
                firstClick();
        });
    }
};

class StartUp : public ::testing::Test {
protected:
    void SetUp() override { app = std::make_unique<TApplication>(argc, argv); }
    void TearDown() override { app.reset(); }

    static bool anyWindowShown() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible())
                return true;
        return false;
    }

    int argc = 1;
    char name[8] = "kestrum";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<TApplication> app;
};

TEST_F(StartUp, AClassLibraryFailureIsShownUnderTheTitleWithTheFullStopRuleAndNoWindow) {
    const std::pair<const char*, const char*> cases[] = {
        {"Resource TForm1 not found", "Resource TForm1 not found."},
        {"Layout version 2", "Layout version 2."},
        {"Already said.", "Already said."},
        {"Stop!", "Stop!"},
    };
    for (const auto& [message, shown] : cases) {
        SCOPED_TRACE(message);
        LibraryFailure::message = message;
        LibraryFailure* form = nullptr;
        ModalBoxes boxes;
        EXPECT_EQ(app::WinMain(form), 0);
        EXPECT_EQ(form, nullptr);
        ASSERT_EQ(boxes.seen.size(), 1u);
        EXPECT_EQ(boxes.seen[0].title, "Kestrum 1.2");
        EXPECT_EQ(boxes.seen[0].text, shown);
        EXPECT_EQ(boxes.seen[0].icon, QMessageBox::Critical);
        EXPECT_EQ(boxes.seen[0].buttons, QMessageBox::Ok);
        EXPECT_EQ(app->MainForm(), nullptr);
        EXPECT_FALSE(anyWindowShown());
    }
}

TEST_F(StartUp, AnyOtherFailureGivesTheTitledBoxWithAnEmptyText) {
    ForeignFailure* foreign = nullptr;
    AllocationFailure* allocation = nullptr;
    ModalBoxes boxes;
    EXPECT_EQ(app::WinMain(foreign), 0);
    EXPECT_EQ(app::WinMain(allocation), 0);
    ASSERT_EQ(boxes.seen.size(), 2u);
    for (const auto& box : boxes.seen) {
        EXPECT_EQ(box.title, "Kestrum 1.2");
        EXPECT_EQ(box.text, "");
        EXPECT_EQ(box.icon, QMessageBox::Critical);
    }
    EXPECT_FALSE(anyWindowShown());
}

TEST_F(StartUp, TheSequenceSetsTheTitleMakesTheMainFormGivesItTheTaskbarAndRunsUntilItCloses) {
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
    EXPECT_FALSE(form->isVisible());
}

TEST_F(StartUp, AFailingHandlerIsShownAndTheWindowStaysOpenAndUsable) {
    const std::pair<std::function<void()>, const char*> cases[] = {
        {[] { throw Exception("Cannot read the file"); }, "Cannot read the file."},
        {[] { throw std::length_error("HashTransformation: too long"); }, "HashTransformation: too long"},
    };
    for (const auto& [fail, shown] : cases) {
        SCOPED_TRACE(shown);
        ButtonForm::firstClick = fail;
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
        EXPECT_EQ(boxes.seen[0].text, shown);
        EXPECT_FALSE(form->button->isDown());
        app->DestroyComponents();
    }
}

TEST_F(StartUp, AnAbortFromAHandlerIsSilent) {
    ButtonForm::firstClick = [] { throw EAbort("Operation aborted"); };
    ButtonForm* form = nullptr;
    ModalBoxes boxes;
    whenNoBoxIsOpen([&] {
        QTest::mouseClick(form->button, Qt::LeftButton);
        form->close();
    });
    EXPECT_EQ(app::WinMain(form), 0);
    EXPECT_EQ(form->clicks, 1);
    EXPECT_TRUE(boxes.seen.empty());
}

// The whole run, its own application object included.
struct WitnessForm : QWidget {
    static inline bool stateAtConstruction = false;
    static inline bool stateAtDestruction = false;
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
