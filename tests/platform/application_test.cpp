#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <utility>

#include <QLineEdit>
#include <QMouseEvent>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/Exception.h"
#include "platform/TApplication.h"
#include "tests/platform/modal_boxes.h"

namespace {

TEST(ExceptionText, AddsAFullStopOnlyAfterACharacterThatSortsAboveIt) {
    for (const char* dotted : {"Resource TForm1 not found", "Error 42", "Why?", "Файл", "/"})
        EXPECT_EQ(ExceptionText(QString::fromUtf8(dotted)), QString::fromUtf8(dotted) + ".");
    for (const char* unchanged : {"Done.", "Stop!", "a,", "a-", "trailing ", ""})
        EXPECT_EQ(ExceptionText(unchanged), unchanged) << unchanged;
}

class ApplicationTest : public ::testing::Test {
protected:
    void SetUp() override {
        app = std::make_unique<TApplication>(argc, argv);
        app->Title = "Title";
    }

    int argc = 1;
    char name[8] = "tests";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<TApplication> app;
};

TEST_F(ApplicationTest, NoSettingIsKeptForTheNextRun) {
    QSettings dialogs(QSettings::UserScope, "QtProject");
    dialogs.setValue("FileDialog/lastVisited", "file:///tmp");
    dialogs.sync();
    EXPECT_EQ(dialogs.status(), QSettings::AccessError);
    EXPECT_TRUE(dialogs.fileName().startsWith("/dev/null/")) << dialogs.fileName().toStdString();
}

struct Recorded : QWidget {
    static inline Recorded** reference = nullptr;
    static inline bool heldItself = false, fail = false;
    Recorded() {
        heldItself = (*reference == this);
        if (fail)
            throw Exception("Cannot build");
    }
};

TEST_F(ApplicationTest, CreateFormHoldsTheFormBeforeItsConstructorRunsAndNullWhenItThrows) {
    for (bool fail : {true, false}) {
        Recorded* form = nullptr;
        Recorded::reference = &form;
        Recorded::fail = fail;
        Recorded::heldItself = false;
        if (fail)
            EXPECT_THROW(app->CreateForm(form), Exception);
        else
            app->CreateForm(form);
        EXPECT_TRUE(Recorded::heldItself);
        EXPECT_EQ(form == nullptr, fail);
        EXPECT_EQ(app->MainForm(), form);
    }
}

TEST_F(ApplicationTest, OnlyClosingTheMainFormEndsTheLoopAndTheFormsLiveOnUntilDestroyed) {
    struct Objecting : QWidget {
        bool refuseNext = false;
        void closeEvent(QCloseEvent* e) override {
            if (std::exchange(refuseNext, false))
                e->ignore();
        }
    };
    Objecting* main = nullptr;
    QWidget* second = nullptr;
    app->CreateForm(main);
    app->CreateForm(second);
    QPointer<QWidget> watchMain(main), watchSecond(second);
    bool lastStepRan = false;
    QTimer::singleShot(0, [&] {
        second->show();
        second->close();
        QTimer::singleShot(0, [&] {
            main->refuseNext = true;
            main->close();
            QTimer::singleShot(0, [&] {
                lastStepRan = true;
                main->close();
            });
        });
    });
    app->Run();
    EXPECT_TRUE(lastStepRan);
    EXPECT_TRUE(watchMain && watchSecond);
    app->DestroyComponents();
    EXPECT_FALSE(watchMain || watchSecond);
}

TEST_F(ApplicationTest, HandleExceptionShowsEachKindInTheTitledStopBoxButAnAbort) {
    const std::pair<std::function<void()>, const char*> cases[] = {
        {[] { throw Exception("Cannot open"); }, "Cannot open."},
        {[] { throw std::runtime_error("Filter: invalid"); }, "Filter: invalid"},
        {[] { throw 7; }, ""},
        {[] { throw EAbort("quiet"); }, nullptr},
    };
    for (const auto& [fail, shown] : cases) {
        ModalBoxes boxes;
        try {
            fail(); // as the loop's catch block calls the handler
        } catch (...) {
            app->HandleException(nullptr);
        }
        ASSERT_EQ(boxes.seen.size(), shown ? 1u : 0u);
        if (shown) {
            EXPECT_EQ(boxes.seen[0].text, shown);
            EXPECT_EQ(boxes.seen[0].title, "Title");
            EXPECT_EQ(boxes.seen[0].icon, QMessageBox::Critical);
            EXPECT_EQ(boxes.seen[0].buttons, QMessageBox::Ok);
        }
    }
}

TEST_F(ApplicationTest, AFailureWhileTheMainFormIsFirstShownReachesTheCallerOfRun) {
    struct FailsToShow : QWidget {
        void showEvent(QShowEvent*) override { throw Exception("Cannot show"); }
    };
    FailsToShow* form = nullptr;
    app->CreateForm(form);
    ModalBoxes boxes;
    EXPECT_THROW(app->Run(), Exception);
    EXPECT_TRUE(boxes.seen.empty());
}

} // namespace
