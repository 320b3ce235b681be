#include <QSignalSpy>
#include <QTest>

#include "platform/TButton.h"
#include "platform/TCheckBox.h"
#include "platform/TGroupBox.h"
#include "platform/TImage.h"
#include "platform/TRadioButton.h"
#include "qt_window.h"

class ButtonsTest : public QObject {
    Q_OBJECT

private slots:
    void buttonClicksOnEnterAndSpaceWhenFocused() {
        QWidget window;
        TButton button(&window);
        QVERIFY(showActive(window));
        button.setFocus();
        QSignalSpy clicked(&button, &TButton::OnClick);
        QTest::keyClick(&button, Qt::Key_Return);
        QTest::keyClick(&button, Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(&button, Qt::Key_Space);
        QTest::keyClick(&button, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(clicked.count(), 3);
        QCOMPARE(clicked.at(0).at(0).value<QObject*>(), &button);
    }

    // Only the checked radio button is a tab stop; each control is entered by Tab and by a
    // press, the radio button before the release checks it.
    void tabStopsAndEntryOfRadioButtonsAndCheckBoxes() {
        QWidget window;
        TButton first(&window);
        TGroupBox group(&window);
        group.setGeometry(0, 30, 200, 80);
        TRadioButton file(&group), text(&group);
        file.setGeometry(5, 20, 60, 20);
        text.setGeometry(5, 45, 60, 20);
        text.setChecked(true);
        TCheckBox box(&window);
        box.setGeometry(5, 120, 80, 20);
        QVERIFY(showActive(window));
        QSignalSpy fileEntered(&file, &TRadioButton::OnEnter);
        QSignalSpy textEntered(&text, &TRadioButton::OnEnter);
        QSignalSpy boxEntered(&box, &TCheckBox::OnEnter);
        first.setFocus();
        QTest::keyClick(&first, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), &text);
        QCOMPARE(textEntered.count(), 1);
        QTest::keyClick(&text, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), &box);
        QCOMPARE(boxEntered.count(), 1);

        QWindow* handle = window.windowHandle();
        const QPoint at = file.mapTo(&window, QPoint(4, 4));
        QTest::mousePress(handle, Qt::LeftButton, {}, at);
        QCOMPARE(fileEntered.count(), 1);
        QVERIFY(!file.isChecked());
        QTest::mouseRelease(handle, Qt::LeftButton, {}, at);
        QVERIFY(file.isChecked() && !text.isChecked());

        // The tab stop moves with the check.
        first.setFocus();
        QTest::keyClick(&first, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), &file);
        QTest::keyClick(&file, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), &box);

        first.setFocus();
        clickThroughWindow(box);
        QCOMPARE(boxEntered.count(), 3);
        QVERIFY(box.isChecked());
    }

    void imageClicksAndTakesNoFocus() {
        QWidget window;
        TImage image(&window);
        image.setGeometry(0, 0, 90, 31);
        QVERIFY(showActive(window));
        QCOMPARE(image.focusPolicy(), Qt::NoFocus);
        QSignalSpy clicked(&image, &TImage::OnClick);
        clickThroughWindow(image);
        QCOMPARE(clicked.count(), 1);
    }
};

QTEST_MAIN(ButtonsTest)
#include "buttons_test.moc"
