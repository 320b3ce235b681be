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
    PaintCounter counter;

    QList<int> state() const { return {bar->Min(), bar->Max(), bar->Position(), bar->Step()}; }

private slots:
    void init() {
        window = new QWidget;
        bar = new TProgressBar(window);
        bar->setGeometry(105, 10, 176, 19);
        QVERIFY(showActive(*window));
        QVERIFY(QTest::qWaitForWindowExposed(window));
        counter.paints = 0;
        bar->installEventFilter(&counter);
    }
    void cleanup() { delete window; }

    void positionIsKeptInRangeAndStepItStopsAtMax() {
        QCOMPARE(state(), QList<int>({0, 100, 0, 10}));
        QVERIFY(!bar->isTextVisible());
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
        QCOMPARE(bar->value(), 65);
        bar->SetPosition(70);
        bar->SetMax(66);
        QCOMPARE(bar->Position(), 66);

        bar->SetMin(0);
        bar->SetMax(INT_MAX);
        bar->SetPosition(INT_MAX - 25);
        bar->SetStep(20);
        bar->StepIt();
        QCOMPARE(bar->Position(), INT_MAX - 5);
        bar->StepIt();
        QCOMPARE(bar->Position(), INT_MAX);
    }

    void minAboveMaxIsRefusedAndAnEqualValueChangesNothing() {
        bar->SetPosition(40);
        try {
            bar->SetMin(101);
            QFAIL("no exception");
        } catch (const Exception& e) {
            QCOMPARE(e.Message, QString("TProgressBar property out of range"));
        }
        QVERIFY_THROWS_EXCEPTION(Exception, bar->SetMax(-1));
        QCOMPARE(state(), QList<int>({0, 100, 40, 10}));

        QSignalSpy changed(bar, &QProgressBar::valueChanged);
        const int paints = counter.paints;
        bar->SetPosition(40);
        bar->SetMin(0);
        bar->SetMax(100);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(counter.paints, paints);

        bar->SetMin(100); // equal bounds are a range
        QCOMPARE(bar->Position(), 100);
    }

    void aStepIsPaintedAtOnceWithoutTheEventLoopWhenItShows() {
        bar->StepIt(); // 0 -> 10 of 100: a tenth of the bar
        QCOMPARE(counter.paints, 1);

        bar->SetMax(10'000'000);
        QCOMPARE(counter.paints, 2); // a new range shows at once
        bar->SetStep(1);
        for (int i = 0; i < 1000; ++i)
            bar->StepIt();
        QCOMPARE(bar->Position(), 1010);
        QCOMPARE(counter.paints, 2); // too small to see

        bar->SetStep(1'000'000);
        bar->StepIt();
        QVERIFY(counter.paints > 2);
        QCOMPARE(bar->value(), 1'001'010);
    }
};

QTEST_MAIN(ProgressBarTest)
#include "progress_bar_test.moc"
