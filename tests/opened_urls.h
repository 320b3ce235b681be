#pragma once

#include <QDesktopServices>
#include <QObject>
#include <QStringList>
#include <QUrl>

// Catches every address handed to the desktop for the given schemes, while it lives.
class OpenedUrls : public QObject {
    Q_OBJECT

public:
    explicit OpenedUrls(const QStringList& schemes) : schemes_(schemes) {
        for (const QString& scheme : schemes_)
            QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~OpenedUrls() override {
        for (const QString& scheme : schemes_)
            QDesktopServices::unsetUrlHandler(scheme);
    }

    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls.append(url); }

private:
    QStringList schemes_;
};
