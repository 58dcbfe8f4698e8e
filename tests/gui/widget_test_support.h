// Helpers of the window tests: answering the program's message boxes, and
// catching the web pages it would open in the user's browser.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QTimer>
#include <QUrl>

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

} // namespace guitest
