// Schedules update checks and runs each on a thread of its own.
//
// The automatic check comes once, a minute or two after the main window is
// first shown, and is skipped when "AutoCheckUpdates" is off; "Check for
// Updates" starts a manual check 100 ms later whatever that setting says.
// Scheduling a check discards the one still running (its result is dropped).
// Everything here runs on the GUI thread; only UpdateNotification::process()
// runs on the worker thread, and its report comes back queued.
#pragma once

#include "UpdateNotification.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <vector>

class QThread;

class UpdateChecker : public QObject {
    Q_OBJECT
public:
    static constexpr int kManualDelayMs = 100;

    explicit UpdateChecker(const QString &programVersion, QObject *parent = nullptr);
    ~UpdateChecker() override;

    // 60000 + (r mod 60) * 1000 ms: 60 to 119 s, spread so that many
    // programs started together do not ask at the same moment.
    static int automaticDelayMs(quint32 r);
    static int automaticDelayMs();

    void scheduleAutomatic(int delayMs);
    void checkNow();
    // The request's time-out (30 s unless a test shortens it).
    void setTimeoutMs(int ms) { m_timeoutMs = ms; }
    // Stops the timer and every running check and waits for their threads.
    void shutdown();

    int runningChecks() const { return static_cast<int>(m_running.size()); }

signals:
    // The outcome of the latest check (never of a discarded one).
    void checkFinished(const UpdateResult &result);
    // An automatic check found "AutoCheckUpdates" off and sent nothing.
    void checkSkipped();

public slots:
    void checkUpdate();

private:
    struct Running {
        quint64 id;
        QThread *thread;
        UpdateNotification *worker;
    };

    void schedule(int delayMs, bool manual);
    void discardRunning();
    void reap(quint64 id);
    void report(quint64 id, const UpdateResult &result);
    static void stopAndDelete(const Running &r);

    QString m_programVersion;
    QTimer m_timer;
    bool m_manual = false;
    int m_timeoutMs = UpdateNotification::kDefaultTimeoutMs;
    quint64 m_nextId = 1;
    quint64 m_currentId = 0; // the check whose result counts
    std::vector<Running> m_running;
};
