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
        TButton other(&window);
        other.move(0, 40);
        QVERIFY(showActive(window));
        button.setFocus();
        QSignalSpy clicked(&button, &TButton::OnClick);

        QTest::keyClick(&button, Qt::Key_Return);
        QTest::keyClick(&button, Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(&button, Qt::Key_Space);
        QTest::keyClick(&button, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(clicked.count(), 3);
        QCOMPARE(clicked.at(0).at(0).value<QObject*>(), &button);

        QVERIFY(!button.isDefault());
        QVERIFY(!button.autoDefault());
    }

    void onlyTheCheckedRadioButtonIsATabStop() {
        QWidget window;
        TButton first(&window);
        TGroupBox group(&window);
        group.setGeometry(0, 30, 200, 80);
        TRadioButton file(&group);
        file.setGeometry(5, 20, 60, 20);
        TRadioButton text(&group);
        text.setGeometry(5, 45, 60, 20);
        text.setChecked(true);
        TButton last(&window);
        last.move(0, 120);
        QVERIFY(showActive(window));
        first.setFocus();

        QTest::keyClick(&first, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), &text);
        QTest::keyClick(&text, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), &last);

        // The tab stop moves with the check.
        clickThroughWindow(file);
        QVERIFY(file.isChecked());
        first.setFocus();
        QTest::keyClick(&first, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), &file);
        QTest::keyClick(&file, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), &last);
    }

    void radioOnEnterByMouseAndKeyboardEvenWhenChecked() {
        QWidget window;
        TButton first(&window);
        TRadioButton file(&window);
        file.setGeometry(5, 40, 60, 20);
        TRadioButton text(&window);
        text.setGeometry(5, 70, 60, 20);
        text.setChecked(true);
        QVERIFY(showActive(window));
        first.setFocus();
        QSignalSpy fileEntered(&file, &TRadioButton::OnEnter);
        QSignalSpy textEntered(&text, &TRadioButton::OnEnter);

        QTest::keyClick(&first, Qt::Key_Tab);
        QCOMPARE(textEntered.count(), 1);

        // A press enters the unchecked button before the release checks it.
        QWindow* handle = window.windowHandle();
        const QPoint at = file.mapTo(&window, QPoint(4, 4));
        QTest::mousePress(handle, Qt::LeftButton, {}, at);
        QCOMPARE(fileEntered.count(), 1);
        QVERIFY(!file.isChecked());
        QTest::mouseRelease(handle, Qt::LeftButton, {}, at);
        QVERIFY(file.isChecked());
        QVERIFY(!text.isChecked());
    }

    void checkBoxOnEnterByTabAndByClick() {
        QWidget window;
        TButton first(&window);
        TCheckBox box(&window);
        box.setGeometry(5, 40, 80, 20);
        QVERIFY(showActive(window));
        first.setFocus();
        QSignalSpy entered(&box, &TCheckBox::OnEnter);
        QTest::keyClick(&first, Qt::Key_Tab);
        QCOMPARE(entered.count(), 1);
        first.setFocus();
        clickThroughWindow(box);
        QCOMPARE(entered.count(), 2);
        QVERIFY(box.isChecked());
    }

    void imageClicksAndTakesNoFocus() {
        QWidget window;
        TImage image(&window);
        image.setGeometry(0, 0, 90, 31);
        QVERIFY(showActive(window));
        QCOMPARE(image.focusPolicy(), Qt::NoFocus);
        QCOMPARE(image.alignment(), Qt::AlignLeft | Qt::AlignTop);
        QSignalSpy clicked(&image, &TImage::OnClick);
        clickThroughWindow(image);
        QCOMPARE(clicked.count(), 1);
    }
};

QTEST_MAIN(ButtonsTest)
#include "buttons_test.moc"
