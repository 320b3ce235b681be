#include <optional>

#include <QTest>

#include "opened_urls.h"
#include "platform/ShellAPI.h"
#include "platform/SysUtils.h"

class ShellTest : public QObject {
    Q_OBJECT

    std::optional<OpenedUrls> opened;

private slots:
    void init() { opened.emplace(QStringList{"https", "file"}); }
    void cleanup() { opened.reset(); }

    void extractFileDir_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("folder");
        QTest::newRow("below the root") << "/opt/kestrum/bin/kestrum" << "/opt/kestrum/bin";
        QTest::newRow("at the root") << "/kestrum" << "/";
        QTest::newRow("no folder") << "kestrum" << "";
        QTest::newRow("Cyrillic") << "/home/пользователь/kestrum" << "/home/пользователь";
    }
    void extractFileDir() {
        QFETCH(QString, path);
        QFETCH(QString, folder);
        QCOMPARE(ExtractFileDir(path), folder);
    }

    void openHandsTheAddressOnWhateverTheFolder() {
        QVERIFY(ShellExecuteA(0, "open", "https://kestrum.example.org/", nullptr, "/opt",
                              SW_SHOWMAXIMIZED));
        QVERIFY(ShellExecuteA(0, nullptr, "https://kestrum.example.org/", nullptr, nullptr, 1));
        QCOMPARE(opened->urls, QList<QUrl>(2, QUrl("https://kestrum.example.org/")));
    }

    void aRelativeFileIsFoundInTheFolder() {
        QVERIFY(ShellExecuteA(0, "open", "readme.txt", nullptr, "/opt/kestrum", 1));
        QCOMPARE(opened->urls, QList<QUrl>{QUrl::fromLocalFile("/opt/kestrum/readme.txt")});
    }

    void otherVerbsAndProgramParametersAreRefused() {
        QVERIFY(!ShellExecuteA(0, "print", "https://kestrum.example.org/", nullptr, "/", 1));
        QVERIFY(!ShellExecuteA(0, "open", "https://kestrum.example.org/", "-x", "/", 1));
        QVERIFY(opened->urls.isEmpty());
    }
};

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
