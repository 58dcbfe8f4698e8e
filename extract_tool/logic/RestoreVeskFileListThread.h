// The worker of one restore job (or of one file opened from the browser):
// opens a session of its own on the backup folder, hands the job's items to
// the restore-job core and turns the core's reports into queued signals and
// event-log lines. The core expands folders on a free session while the
// others restore, so no separate producer thread is needed.
//
// Pause: setPaused(true) makes the job wait at its next check (between
// files and inside a file's progress) and confirms with
// statusUpdateSignal(2); an open in progress is cancelled and made again
// once the job is released. Stop: requestStop(); every wait wakes, the core
// stops at its next check and the thread ends.
#pragma once

#include "VeskItemInfo.h"
#include "jobfile.h"
#include "job.h"

#include <QMetaType>
#include <QMutex>
#include <QString>
#include <QThread>
#include <QVector>
#include <QWaitCondition>

#include <atomic>
#include <chrono>
#include <memory>

// Bytes and files done of a running job, with speed and time left.
struct JobProgress {
    qint64 filesDone = 0;
    qint64 filesTotal = 0;
    qint64 bytesDone = 0;
    qint64 bytesTotal = 0;
    double bytesPerSecond = 0;
    double secondsLeft = -1; // unknown
};
Q_DECLARE_METATYPE(JobProgress)

class RestoreVeskFileListThread : public QThread {
    Q_OBJECT
public:
    RestoreVeskFileListThread(const QString &sourcePath, QVector<VeskItemInfo> items, int jobId,
                              QObject *parent = nullptr);
    ~RestoreVeskFileListThread() override;

    // Set before start().
    void setPassword(const QString &password) { m_password = password; }
    void setConflictPolicy(int policy) { m_policy = policy; }
    void setTargetPath(const QString &path) { m_targetPath = path; }
    void setExtractAll(bool all) { m_extractAll = all; }
    void setDisplayName(const QString &name) { m_displayName = name; }
    void setResumePoint(int versionId, const QString &file);
    // Where the resume point is recorded as the job goes (none: not recorded).
    void setStateFile(std::shared_ptr<orvex::jobs::JobStateFile> state) { m_state = std::move(state); }
    // The spill of expanded folders; empty: a private temporary file.
    void setSpillPath(const QString &path) { m_spillPath = path; }
    // Sessions restoring at once (at least 1).
    void setSessions(unsigned sessions) { m_sessions = sessions ? sessions : 1; }

    // Any thread.
    void requestStop();
    void setPaused(bool paused);
    bool isStopped() const { return m_stop.load(); }

    // After restoreFinshedSignal: 0 when everything was restored, the
    // archive library's code of a failed open or of the failure that ended
    // the job, -5 when stopped, otherwise the failed files' codes combined.
    int resultStatus() const { return m_result.load(); }
    orvex::jobs::Summary summary() const;

    // Sessions for a job on this machine: its cores, at most 4.
    static unsigned defaultSessions();

signals:
    void restoreFinshedSignal();
    // Version id, catalogue path, file size, percent of the file, status
    // (0 running, 1 done); a few a second at most, and the last one always.
    void progressUpdateSignal(const int, const QString &, const qint64, const float, const int);
    void statusUpdateSignal(int status);
    void progressSnapshotSignal(const JobProgress &progress);
    // A restored entry that asked to be opened (its native path).
    void fileRestoredSignal(const QString &path);

protected:
    void run() override;

private:
    class Observer;
    friend class Observer;

    bool openSession(std::unique_ptr<orvex::jobs::Archive> &out);
    void runJob(orvex::jobs::Archive &archive);
    void waitWhilePaused();
    bool pausedOrStopped() const;
    void logLine(int level, const QString &text) const;
    QString counted(const QString &text, const QString &extra = QString()) const;
    void logOutcome(const orvex::jobs::Summary &summary);

    const QString m_sourcePath;
    const QVector<VeskItemInfo> m_items;
    const int m_jobId;
    QString m_password;
    int m_policy = 0;
    QString m_targetPath;
    bool m_extractAll = false;
    QString m_displayName;
    orvex::jobs::ResumePoint m_resume;
    std::shared_ptr<orvex::jobs::JobStateFile> m_state;
    QString m_spillPath;
    unsigned m_sessions = 1;

    std::atomic<bool> m_stop{false};
    mutable QMutex m_pauseMutex;
    QWaitCondition m_pauseCondition;
    bool m_paused = false;
    bool m_pauseConfirmed = false;

    std::atomic<int> m_result{0};
    orvex::jobs::Totals m_totals;
    mutable QMutex m_summaryMutex;
    orvex::jobs::Summary m_summary;
};
