#include <QTest>

#include "opened_urls.h"
#include "platform/ShellAPI.h"
#include "platform/SysUtils.h"

class ShellTest : public QObject {
    Q_OBJECT

private slots:
    void extractFileDir() {
        const QList<QPair<QString, QString>> cases = {
            {"/opt/kestrum/bin/kestrum", "/opt/kestrum/bin"},
            {"/kestrum", "/"},
            {"kestrum", ""},
            {"/home/пользователь/kestrum", "/home/пользователь"}};
        for (const auto& [path, folder] : cases)
            QCOMPARE(ExtractFileDir(path), folder);
    }

    // Addresses and files are opened whatever the folder; a relative file is found in it. Other
    // verbs and program parameters are refused.
    void openHandsTheTargetToTheDesktop() {
        OpenedUrls opened({"https", "file"});
        const char site[] = "https://kestrum.example.org/";
        QVERIFY(ShellExecuteA(0, "open", site, nullptr, "/opt", SW_SHOWMAXIMIZED));
        QVERIFY(ShellExecuteA(0, nullptr, site, nullptr, nullptr, 1));
        QVERIFY(ShellExecuteA(0, "open", "readme.txt", nullptr, "/opt/kestrum", 1));
        QVERIFY(!ShellExecuteA(0, "print", site, nullptr, "/", 1));
        QVERIFY(!ShellExecuteA(0, "open", site, "-x", "/", 1));
        QCOMPARE(opened.urls, (QList<QUrl>{QUrl(site), QUrl(site),
                                           QUrl::fromLocalFile("/opt/kestrum/readme.txt")}));
    }
};

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
