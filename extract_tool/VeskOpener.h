// The open loop of a backup folder: an open attempt on its own thread behind
// the busy dialog, the password dialog for as long as the library reports a
// missing or wrong password, and the two error messages. The questions and
// messages are virtual so tests can answer them.
#pragma once

#include "ArchiveSession.h"

#include <QObject>
#include <QString>

class QWidget;

class VeskOpener : public QObject {
    Q_OBJECT
public:
    explicit VeskOpener(QWidget *window, QObject *parent = nullptr);
    ~VeskOpener() override;

    // The session of the opened folder, or null (cancelled or failed; the
    // user has been told where that applies).
    ArchiveSessionPtr open(const QString &path);

    // One attempt: the library's result, and the session on 0.
    int openAttempt(const QString &path, const QString &password, ArchiveSessionPtr *session);

    static QString displayName(const QString &path);

protected:
    // False when the user cancelled.
    virtual bool askPassword(QString *password);
    virtual void showIncorrectPassword(const QString &displayName);
    virtual void showUnknownFormat(const QString &displayName);

private:
    QWidget *m_window;
};
