// Helpers of the window tests: answering the program's message boxes, and
// catching the web pages it would open in the user's browser.
#pragma once

#include "ExtractionFlow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QTimer>
#include <QUrl>
#include <QtTest>

namespace guitest {

// Clicks the button captioned `caption` of the next message box once it is
// up, and hands back the box's text.
inline void answerNextMessageBox(const QString &caption, QString *text = nullptr)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, caption, text] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        if (text)
            *text = box->text();
        for (QAbstractButton *b : box->buttons())
            if (b->text() == caption)
                b->click();
        poll->deleteLater();
    });
    poll->start(10);
}

// So a test sees the address and no browser starts.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    UrlCatcher()
    {
        for (const char *scheme : {"http", "https", "file"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
    }
    ~UrlCatcher() override
    {
        for (const char *scheme : {"http", "https", "file"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
    QList<QUrl> urls;

public slots:
    void open(const QUrl &url) { urls.append(url); }
};

// The questions of an extraction answered from a script: the targets in
// turn, one policy, and what was asked and opened kept for the test.
class ScriptedFlow : public ExtractionFlow {
public:
    using ExtractionFlow::ExtractionFlow;
    QStringList targets;
    int policy = 0;
    qint64 estimate = -1;
    int sameFolder = 0, failed = 0, tooMany = 0;
    QStringList opened;

    void showTooManyJobs() override { ++tooMany; }

protected:
    bool confirmEstimate(qint64 size) override
    {
        estimate = size;
        return true;
    }
    QString chooseTarget(const QString &) override { return targets.isEmpty() ? QString() : targets.takeFirst(); }
    void showSameFolder() override { ++sameFolder; }
    void showUnwritable() override { QFAIL("the destination is writable"); }
    bool confirmUnknownSpace() override { return true; }
    void showNotEnoughSpace() override { QFAIL("there is space enough"); }
    int choosePolicy() override { return policy; }
    void showExtractFailed() override { ++failed; }
    void openFile(const QString &path) override { opened << path; }
};

} // namespace guitest
