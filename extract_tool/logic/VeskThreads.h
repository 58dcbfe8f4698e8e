// The worker threads of the browser and the welcome page. Each long library
// call runs on one of these; results reach the GUI thread through queued
// signals and are taken with take...() there. A thread is stopped by
// requestStop() (flag + wake), quit() and wait().
#pragma once

#include "ArchiveSession.h"
#include "FolderModel.h"

#include <QMutex>
#include <QString>
#include <QThread>
#include <QWaitCondition>

#include <atomic>
#include <memory>
#include <vector>

// One open attempt: the library handle while it is being made, the password
// and the cancel flag that the library's callback polls.
class VeskFile {
public:
    explicit VeskFile(const QString &path) : m_path(path) {}
    ~VeskFile();
    // Returns the library's result; on 0 the handle can be taken.
    int openFile(const QString &password, const QString &workFolder);
    void *takeHandle();
    void cancel() { m_cancel.store(true); }
    bool cancelled() const { return m_cancel.load(); }
    QString path() const { return m_path; }

private:
    QString m_path;
    QString m_password;
    void *m_handle = nullptr;
    std::atomic<bool> m_cancel{false};
};

// Shown in debug output where a password would be: never the password.
QString maskedPassword(const QString &password);

class OpenVeskFileThread : public QThread {
    Q_OBJECT
public:
    // `workFolder` is where the library keeps its working copy (the
    // application data folder).
    OpenVeskFileThread(const QString &path, const QString &password, const QString &workFolder,
                       QObject *parent = nullptr);
    ~OpenVeskFileThread() override;

    // Sets the stop flag and the open's cancel flag.
    void requestStop();
    int result() const { return m_result.load(); }
    // The session of a successful open (null otherwise); taken once.
    ArchiveSessionPtr takeSession();

signals:
    void openFinshed();

protected:
    void run() override;

private:
    QString m_path;
    QString m_password;
    QString m_workFolder;
    std::atomic<int> m_result{-999};
    std::atomic<bool> m_stop{false};
    QMutex m_mutex;
    VeskFile *m_veskFile = nullptr;
    ArchiveSessionPtr m_session;
};

class QueryVeskFileListThread : public QThread {
    Q_OBJECT
public:
    // Without a folder: list the versions, then the root of each version
    // ("ROOT"). With one: list that folder ("CHILD").
    QueryVeskFileListThread(ArchiveSessionPtr session, QObject *parent = nullptr);
    ~QueryVeskFileListThread() override;

    struct Target {
        int versionId;
        QString path;
        QString parentKey;
    };
    void setTargets(std::vector<Target> targets) { m_targets = std::move(targets); }
    void requestStop();
    // GUI thread, after resultReady: the batches made so far. Lets the
    // thread finish.
    std::vector<ListingBatch> takeResults();

signals:
    void qureyFinshed();
    void resultReady(QString result);

protected:
    void run() override;

private:
    ListingBatch listFolder(const Target &t);

    ArchiveSessionPtr m_session;
    std::vector<Target> m_targets;
    std::atomic<bool> m_stop{false};
    QMutex m_mutex;
    QWaitCondition m_taken;
    bool m_resultTaken = false;
    std::vector<ListingBatch> m_results;
};

class StatVeskFileListThread : public QThread {
    Q_OBJECT
public:
    struct Request {
        QString key;
        int versionId;
        QString path;
    };
    struct Result {
        QString key;
        int code;
        ArchiveSession::Stat stat;
    };
    StatVeskFileListThread(ArchiveSessionPtr session, std::vector<Request> requests, QObject *parent = nullptr);
    void requestStop() { m_stop.store(true); }
    std::vector<Result> takeResults();

signals:
    void statFinshed();
    void resultReady(QString result);

protected:
    void run() override;

private:
    ArchiveSessionPtr m_session;
    std::vector<Request> m_requests;
    std::atomic<bool> m_stop{false};
    QMutex m_mutex;
    std::vector<Result> m_results;
};

// One search of names through the shared session. Keeps at most `limit`
// matches and stops the library once one more turns up (so a "*" over a
// huge folder ends early and frees the session for the listing). A search
// that is superseded is stopped with requestStop(); its results are never
// taken.
class FindVeskFileThread : public QThread {
    Q_OBJECT
public:
    // `versionId` -1: every finished version.
    FindVeskFileThread(ArchiveSessionPtr session, int versionId, const QString &pattern, bool ignoreCase, int limit,
                       QObject *parent = nullptr);
    void requestStop() { m_stop.store(true); }
    // GUI thread, after searchFinished.
    std::vector<VeskItemInfo> takeMatches();
    int result() const { return m_result.load(); }
    // More matches exist than were kept.
    bool truncated() const { return m_truncated.load(); }
    int versionId() const { return m_versionId; }

signals:
    void searchFinished();

protected:
    void run() override;

private:
    ArchiveSessionPtr m_session;
    int m_versionId;
    QString m_pattern;
    bool m_ignoreCase;
    int m_limit;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_result{0};
    std::atomic<bool> m_truncated{false};
    QMutex m_mutex;
    std::vector<VeskItemInfo> m_matches;
};

// The history of one path through the shared session.
class HistoryVeskFileThread : public QThread {
    Q_OBJECT
public:
    HistoryVeskFileThread(ArchiveSessionPtr session, const QString &path, QObject *parent = nullptr);
    void requestStop() { m_stop.store(true); }
    std::vector<ArchiveSession::Step> takeSteps();
    int result() const { return m_result.load(); }

signals:
    void historyFinished();

protected:
    void run() override;

private:
    ArchiveSessionPtr m_session;
    QString m_path;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_result{0};
    QMutex m_mutex;
    std::vector<ArchiveSession::Step> m_steps;
};

class CleanTempFileThread : public QThread {
    Q_OBJECT
public:
    explicit CleanTempFileThread(const QString &folder, QObject *parent = nullptr);
    void requestStop() { m_stop.store(true); }

signals:
    void cleanFinshed();

protected:
    void run() override;

private:
    QString m_folder;
    std::atomic<bool> m_stop{false};
};

// Stops a worker: flag, quit, wait without limit, terminate only if the wait fails.
void stopThread(QThread *thread);
