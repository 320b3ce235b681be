#include <functional>

#include <QAbstractItemView>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include "digest/file_helpers.h"
#include "main_window.h"

namespace {

const QString kMd5OfAbc = "900150983CD24FB0D6963F7D28E17F72";
const QString kMd5OfEmpty = "D41D8CD98F00B204E9800998ECF8427E";

void expectFileModeShown(bool file) {
    const QColor window = QApplication::palette().color(QPalette::Base);
    const QColor face = QApplication::palette().color(QPalette::Button);
    QCOMPARE(Form1->Memo1->isEnabled(), !file);
    QCOMPARE(Form1->Memo1->Color(), file ? clBtnFace : clWindow);
    QCOMPARE(Form1->Memo1->palette().color(QPalette::Base), file ? face : window);
    QCOMPARE(Form1->EditInputFile->isEnabled(), file);
    QCOMPARE(Form1->EditInputFile->Color(), file ? clWindow : clBtnFace);
    QCOMPARE(Form1->EditInputFile->palette().color(QPalette::Base), file ? window : face);
    QCOMPARE(Form1->Button2->isEnabled(), file);
}

// What the user sees of the mode controls.
QList<QImage> modeControlsLook() {
    return {Form1->Memo1->grab().toImage(), Form1->EditInputFile->grab().toImage(),
            Form1->Button2->grab().toImage()};
}

void typeInto(QWidget& field, const QString& text) {
    clickThroughWindow(field);
    QCOMPARE(QApplication::focusWidget(), &field);
    QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&field, text);
}

QLineEdit* nameBox(QFileDialog& dialog) {
    return dialog.findChild<QLineEdit*>("fileNameEdit");
}

// Opens the file's folder in the dialog and clicks the file in its view, as the user picks it.
void pickInDialog(QFileDialog& dialog, const QString& path) {
    dialog.setDirectory(QFileInfo(path).path());
    auto* view = dialog.findChild<QAbstractItemView*>(
        dialog.viewMode() == QFileDialog::Detail ? "treeView" : "listView");
    QVERIFY(view && view->isVisible());
    const auto find = [&] {
        const QAbstractItemModel* model = view->model();
        for (int row = 0; row < model->rowCount(view->rootIndex()); ++row) {
            const QModelIndex item = model->index(row, 0, view->rootIndex());
            if (item.data(QFileSystemModel::FilePathRole).toString() == path)
                return item;
        }
        return QModelIndex();
    };
    QTRY_VERIFY(find().isValid());
    clickThroughWindow(*view->viewport(), view->visualRect(find()).center());
    QCOMPARE(view->currentIndex().data(QFileSystemModel::FilePathRole).toString(), path);
}

// Confirms or cancels the dialog with its own button.
void close(QFileDialog& dialog, QDialogButtonBox::StandardButton which) {
    QAbstractButton* button = dialog.findChild<QDialogButtonBox*>("buttonBox")->button(which);
    QVERIFY(button && button->isEnabled());
    clickThroughWindow(*button);
    QVERIFY(!dialog.isVisible());
}

// Presses "Обзор..." and runs drive on the dialog while it is open. Whatever drive leaves
// undone, the dialog is cancelled so the press always returns.
void browse(const std::function<void(QFileDialog&)>& drive) {
    bool driven = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog || driven)
            return;
        driven = true;
        drive(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    poll.start(5);
    clickThroughWindow(*Form1->Button2);
    QVERIFY(driven);
    // The window manager's part: the main window becomes active again.
    QVERIFY(showActive(*Form1));
}

} // namespace

class WindowModeTest : public QObject {
    Q_OBJECT

    MainWindowFixture main;

private slots:
    // The file dialog keeps its history in the user's settings; keep the tests' apart.
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { QVERIFY(main.open()); }
    void cleanup() { main.close(); }

    void textsSurviveSwitchesGreyedWhileDisabled() {
        typeInto(*Form1->Memo1, "text to hash");
        for (int i = 0; i < 3; ++i) {
            clickThroughWindow(*Form1->RadioButtonFile);
            QVERIFY(Form1->RadioButtonFile->isChecked());
            expectFileModeShown(true);
            if (i == 0)
                typeInto(*Form1->EditInputFile, "/some/file");
            clickThroughWindow(*Form1->RadioButtonString);
            QVERIFY(Form1->RadioButtonString->isChecked());
            expectFileModeShown(false);
        }
        QCOMPARE(Form1->Memo1->Text(), QString("text to hash"));
        QCOMPARE(Form1->EditInputFile->Text(), QString("/some/file"));
        // The disabled field draws its text in the greyed colour.
        const QPalette& p = Form1->EditInputFile->palette();
        QVERIFY(p.color(QPalette::Disabled, QPalette::Text) !=
                p.color(QPalette::Active, QPalette::Text));
    }

    void theCheckedButtonOrTabbingInChangesNothingVisible() {
        for (TRadioButton* mode : {Form1->RadioButtonString, Form1->RadioButtonFile}) {
            clickThroughWindow(*mode);
            Form1->Button1->setFocus();
            const QList<QImage> before = modeControlsLook();

            clickThroughWindow(*mode);
            QCOMPARE(QApplication::focusWidget(), mode);
            QCOMPARE(modeControlsLook(), before);

            Form1->CheckBoxTiger->setFocus();
            QTest::keyClick(Form1->CheckBoxTiger, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), mode);
            QCOMPARE(modeControlsLook(), before);
            QVERIFY(mode->isChecked());
        }
    }

    void pressOnFileReleasedElsewhereLeavesTextChecked() {
        typeInto(*Form1->Memo1, "abc");
        clickThroughWindow(*Form1->CheckBoxMD5);
        QWindow* window = Form1->windowHandle();
        QTest::mousePress(window, Qt::LeftButton, {},
                          Form1->RadioButtonFile->mapTo(Form1, QPoint(4, 4)));
        QTest::mouseRelease(window, Qt::LeftButton, {}, Form1->Button1->mapTo(Form1, QPoint(4, 4)));

        QVERIFY(Form1->RadioButtonString->isChecked());
        QVERIFY(!Form1->RadioButtonFile->isChecked());
        expectFileModeShown(true);
        // The computation follows the check: it hashes the greyed memo text.
        clickThroughWindow(*Form1->Button1, {20, 10});
        QCOMPARE(Form1->EditMD5->Text(), kMd5OfAbc);

        // Focus on the checked button brings the two back into step.
        clickThroughWindow(*Form1->RadioButtonString);
        expectFileModeShown(false);
    }

    void eachBrowseStartsEmptyAndTheFieldFollowsTheSelection() {
        TempDir dir;
        QStringList files;
        for (const char* name : {"one", "two", "three"})
            files << QString::fromStdString(dir.write(name, "abc"));
        clickThroughWindow(*Form1->RadioButtonFile);
        typeInto(*Form1->EditInputFile, "typed before");

        // Cancelled at once: the field keeps its text.
        browse([](QFileDialog& dialog) {
            QVERIFY(nameBox(dialog)->text().isEmpty());
            QVERIFY(dialog.isSizeGripEnabled());
            QCOMPARE(dialog.fileMode(), QFileDialog::AnyFile);
            close(dialog, QDialogButtonBox::Cancel);
        });
        QCOMPARE(Form1->EditInputFile->Text(), QString("typed before"));

        // Three picks then cancel: the field holds the third, and followed each while open.
        // Looking into another folder afterwards selects nothing.
        browse([&](QFileDialog& dialog) {
            for (const QString& file : files) {
                pickInDialog(dialog, file);
                QCOMPARE(Form1->EditInputFile->Text(), file);
            }
            dialog.setDirectory(QDir::rootPath());
            close(dialog, QDialogButtonBox::Cancel);
        });
        QCOMPARE(Form1->EditInputFile->Text(), files[2]);

        // After a choice the next run starts empty again; a confirmed pick stays.
        browse([&](QFileDialog& dialog) {
            QVERIFY(nameBox(dialog)->text().isEmpty());
            pickInDialog(dialog, files[0]);
            close(dialog, QDialogButtonBox::Open);
        });
        QCOMPARE(Form1->EditInputFile->Text(), files[0]);

        // A name typed into the field is the one the computation opens.
        const QString typed = QString::fromStdString(dir.write("typed", ""));
        typeInto(*Form1->EditInputFile, typed);
        clickThroughWindow(*Form1->CheckBoxMD5);
        clickThroughWindow(*Form1->Button1, {20, 10});
        QCOMPARE(Form1->EditMD5->Text(), kMd5OfEmpty);
    }
};

QTEST_MAIN(WindowModeTest)
#include "window_mode_test.moc"
