#include <QSignalSpy>
#include <QTest>

#include "platform/Exception.h"
#include "platform/TProgressBar.h"
#include "qt_window.h"

namespace {

// Counts the bar's paints as they happen.
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        paints += e->type() == QEvent::Paint;
        return false;
    }
};

} // namespace

class ProgressBarTest : public QObject {
    Q_OBJECT

    QWidget* window = nullptr;
    TProgressBar* bar = nullptr;

    struct State {
        int min, max, position, step;
        bool operator==(const State& o) const {
            return min == o.min && max == o.max && position == o.position && step == o.step;
        }
    };
    State state() const { return {bar->Min(), bar->Max(), bar->Position(), bar->Step()}; }

private slots:
    void init() {
        window = new QWidget;
        bar = new TProgressBar(window);
        bar->setGeometry(105, 540 - 530, 176, 19);
        QVERIFY(showActive(*window));
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }
    void cleanup() { delete window; }

    void startsEmptyWithTheDefaults() {
        QVERIFY((state() == State{0, 100, 0, 10}));
        QVERIFY(!bar->isTextVisible());
        QCOMPARE(bar->orientation(), Qt::Horizontal);
    }

    void positionIsKeptInRange() {
        bar->SetPosition(150);
        QCOMPARE(bar->Position(), 100);
        bar->SetPosition(-5);
        QCOMPARE(bar->Position(), 0);

        // A range moved past the position carries it along, never to "no value".
        bar->SetPosition(50);
        bar->SetMin(60);
        QCOMPARE(bar->Position(), 60);
        bar->SetMax(70);
        bar->SetMin(65);
        QVERIFY((state() == State{65, 70, 65, 10}));
        bar->SetPosition(70);
        bar->SetMax(66);
        QCOMPARE(bar->Position(), 66);
    }

    void textRunSettingsLeaveTheBarFull() {
        bar->SetPosition(2);
        bar->SetMax(2);
        bar->SetMin(1);
        bar->SetStep(1);
        QVERIFY((state() == State{1, 2, 2, 1}));
    }

    void minAboveMaxIsRefusedAndChangesNothing() {
        bar->SetPosition(40);
        try {
            bar->SetMin(101);
            QFAIL("no exception");
        } catch (const Exception& e) {
            QCOMPARE(e.Message, QString("TProgressBar property out of range"));
        }
        QVERIFY_THROWS_EXCEPTION(Exception, bar->SetMax(-1));
        QVERIFY((state() == State{0, 100, 40, 10}));
        bar->SetMin(100); // equal bounds are a range
        QCOMPARE(bar->Position(), 100);
    }

    void stepItAdvancesByStepAndStopsAtMax() {
        bar->SetStep(30);
        bar->StepIt();
        QCOMPARE(bar->Position(), 30);
        bar->StepIt();
        bar->StepIt();
        bar->StepIt();
        QCOMPARE(bar->Position(), 100);

        bar->SetMin(0);
        bar->SetMax(INT_MAX);
        bar->SetPosition(INT_MAX - 1);
        bar->SetStep(10);
        bar->StepIt();
        QCOMPARE(bar->Position(), INT_MAX);
    }

    void anEqualValueChangesNothing() {
        bar->SetPosition(20);
        QSignalSpy changed(bar, &QProgressBar::valueChanged);
        PaintCounter counter;
        bar->installEventFilter(&counter);
        bar->SetPosition(20);
        bar->SetMin(0);
        bar->SetMax(100);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(counter.paints, 0);
    }

    void aVisibleStepIsPaintedAtOnceWithoutTheEventLoop() {
        PaintCounter counter;
        bar->installEventFilter(&counter);
        bar->StepIt(); // 0 -> 10 of 100: a tenth of the bar
        QCOMPARE(counter.paints, 1);
    }

    void aStepTooSmallToSeeIsNotPainted() {
        bar->SetMax(10'000'000);
        bar->SetStep(1);
        PaintCounter counter;
        bar->installEventFilter(&counter);
        for (int i = 0; i < 1000; ++i)
            bar->StepIt();
        QCOMPARE(bar->Position(), 1000);
        QCOMPARE(counter.paints, 0);

        // A step worth several pixels shows at once.
        bar->SetStep(1'000'000);
        bar->StepIt();
        QVERIFY(counter.paints >= 1);
        QCOMPARE(bar->value(), 1'001'000);
    }

    void aNewRangeIsPaintedAtOnce() {
        bar->SetPosition(100);
        PaintCounter counter;
        bar->installEventFilter(&counter);
        bar->SetPosition(0);
        const int afterPosition = counter.paints;
        bar->SetMax(2'000'000);
        QCOMPARE(counter.paints, afterPosition + 1);
    }
};

QTEST_MAIN(ProgressBarTest)
#include "progress_bar_test.moc"
