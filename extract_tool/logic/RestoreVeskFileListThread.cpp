#include "RestoreVeskFileListThread.h"

#include "AppPaths.h"
#include "Hcommon/Logger.h"
#include "JobLogic.h"
#include "VeskThreads.h"
#include "archive.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QMutexLocker>

#include <algorithm>
#include <system_error>

namespace oj = orvex::jobs;
using Hcommon::Logger;

namespace {

using Clock = std::chrono::steady_clock;

// The job row needs no more than a few updates a second.
constexpr std::chrono::milliseconds kProgressEvery{200};
constexpr std::chrono::milliseconds kResumePointEvery{1000};

const char *const kTool = "Orvex Extract Tool";

QString now()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"));
}

QString qs(const std::string &s)
{
    return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}

// Test hook of the restart test: after this many files the job holds still
// (as if paused, without saying so) until it is stopped, so a kill is sure
// to land in the middle of the job. Unset in normal use.
long long holdAfterFiles()
{
    bool ok = false;
    const long long n = qEnvironmentVariable("ORVEX_TEST_HOLD_JOB_AFTER_FILES").toLongLong(&ok);
    return ok && n > 0 ? n : -1;
}

} // namespace

// The core's reports, turned into signals and event-log lines. The core
// serialises every call but stop_requested and wait_while_paused.
class RestoreVeskFileListThread::Observer final : public oj::JobObserver {
public:
    explicit Observer(RestoreVeskFileListThread &t) : m_t(t), m_holdAfter(holdAfterFiles()) {}

    bool stop_requested() override { return m_t.m_stop.load(); }

    void wait_while_paused() override
    {
        if (m_holdAfter > 0 && m_filesFinished.load() >= m_holdAfter) {
            QMutexLocker lock(&m_t.m_pauseMutex);
            while (!m_t.m_stop.load())
                m_t.m_pauseCondition.wait(&m_t.m_pauseMutex);
            return;
        }
        m_t.waitWhilePaused();
    }

    void on_totals(const oj::Totals &totals) override
    {
        m_t.m_totals = totals;
        m_t.logLine(Logger::Info, m_t.counted(tr("[%1] [%2] Started to extract data to \"%5\". Folders: %4. Files:%3.")));
    }

    void on_file_progress(const oj::FileEvent &e) override
    {
        m_pending = e;
        m_hasPending = true;
        const Clock::time_point t = Clock::now();
        if (m_emitted && t - m_lastEmit < kProgressEvery)
            return;
        m_emitted = true;
        m_lastEmit = t;
        flush();
    }

    void on_item(const oj::ItemResult &r) override
    {
        if (!r.is_dir)
            ++m_filesFinished;
        if (r.outcome == oj::Outcome::Failed) {
            qDebug().noquote() << QStringLiteral("RestoreVeskFileListThread::veskRestoreFile trellis_vesk_restore_file "
                                                 "fail ret = %1, instance = %2: %3")
                                      .arg(r.code)
                                      .arg(m_t.m_jobId)
                                      .arg(qs(r.message));
            m_t.logLine(Logger::Error, tr("[%1] [%2] Failed to extract %3.")
                                           .arg(QLatin1String(kTool), m_t.m_displayName, JobLogic::printablePath(r.source)));
            return;
        }
        const bool written = r.outcome == oj::Outcome::Restored || r.outcome == oj::Outcome::Replaced ||
                             r.outcome == oj::Outcome::Renamed;
        if (r.open_after && written && QFileInfo::exists(qs(r.destination)))
            emit m_t.fileRestoredSignal(qs(r.destination));
    }

    // The point moves with every file; writing it at most once a second
    // costs the restore nothing, and a point that lags is still safe: files
    // after it are complete under their names or not there at all, and the
    // resumed job treats them by its rules.
    void on_resume_point(const oj::ResumePoint &p) override
    {
        m_point = p;
        m_hasPoint = true;
        const Clock::time_point t = Clock::now();
        if (m_pointWritten && t - m_lastPoint < kResumePointEvery)
            return;
        m_pointWritten = true;
        m_lastPoint = t;
        writeResumePoint();
    }

    void writeResumePoint()
    {
        if (!m_hasPoint)
            return;
        m_hasPoint = false;
        const oj::ResumePoint &p = m_point;
        if (m_t.m_state && !m_t.m_state->set_resume_point(p.version, p.path) && !m_stateWarned) {
            m_stateWarned = true;
            m_t.logLine(Logger::Warning, QStringLiteral("[%1] [%2] %3")
                                             .arg(QLatin1String(kTool), m_t.m_displayName,
                                                  qs(m_t.m_state->last_error())));
        }
    }

    void on_progress(const oj::ProgressSnapshot &s) override
    {
        JobProgress p;
        p.filesDone = s.files_done;
        p.filesTotal = s.files_total;
        p.bytesDone = s.bytes_done;
        p.bytesTotal = s.bytes_total;
        p.bytesPerSecond = s.bytes_per_second;
        p.secondsLeft = s.seconds_left;
        emit m_t.progressSnapshotSignal(p);
    }

    // The last report is never dropped by the throttle.
    void flush()
    {
        if (!m_hasPending)
            return;
        m_hasPending = false;
        emit m_t.progressUpdateSignal(m_pending.version, qs(m_pending.source), m_pending.size, m_pending.percent,
                                      m_pending.status);
    }

private:
    RestoreVeskFileListThread &m_t;
    const long long m_holdAfter;
    std::atomic<long long> m_filesFinished{0};
    oj::FileEvent m_pending;
    bool m_hasPending = false;
    bool m_emitted = false;
    Clock::time_point m_lastEmit;
    bool m_stateWarned = false;
    oj::ResumePoint m_point;
    bool m_hasPoint = false;
    bool m_pointWritten = false;
    Clock::time_point m_lastPoint;
};

RestoreVeskFileListThread::RestoreVeskFileListThread(const QString &sourcePath, QVector<VeskItemInfo> items,
                                                     int jobId, QObject *parent)
    : QThread(parent), m_sourcePath(sourcePath), m_items(std::move(items)), m_jobId(jobId)
{
    qRegisterMetaType<JobProgress>("JobProgress");
}

RestoreVeskFileListThread::~RestoreVeskFileListThread()
{
    requestStop();
    stopThread(this);
}

void RestoreVeskFileListThread::setResumePoint(int versionId, const QString &file)
{
    m_resume.version = versionId;
    m_resume.path = file.toUtf8().toStdString();
}

void RestoreVeskFileListThread::requestStop()
{
    QMutexLocker lock(&m_pauseMutex);
    m_stop.store(true);
    m_pauseCondition.wakeAll();
}

void RestoreVeskFileListThread::setPaused(bool paused)
{
    QMutexLocker lock(&m_pauseMutex);
    m_paused = paused;
    if (!paused) {
        m_pauseConfirmed = false;
        m_pauseCondition.wakeAll();
    }
}

bool RestoreVeskFileListThread::pausedOrStopped() const
{
    QMutexLocker lock(&m_pauseMutex);
    return m_paused || m_stop.load();
}

void RestoreVeskFileListThread::waitWhilePaused()
{
    QMutexLocker lock(&m_pauseMutex);
    if (!m_paused || m_stop.load())
        return;
    if (!m_pauseConfirmed) {
        m_pauseConfirmed = true;
        emit statusUpdateSignal(oj::kPaused);
    }
    while (m_paused && !m_stop.load())
        m_pauseCondition.wait(&m_pauseMutex);
}

oj::Summary RestoreVeskFileListThread::summary() const
{
    QMutexLocker lock(&m_summaryMutex);
    return m_summary;
}

unsigned RestoreVeskFileListThread::defaultSessions()
{
    return static_cast<unsigned>(std::clamp(QThread::idealThreadCount(), 1, 4));
}

void RestoreVeskFileListThread::logLine(int level, const QString &text) const
{
    Logger::instance()->logText(static_cast<Logger::LogLevel>(level), text);
}

// The counted lines: %1 the program, %2 the source, %3 files, %4 folders,
// %5 the destination, and %6 `extra` when the line has it. One pass, so a
// name holding "%3" stays as it is.
QString RestoreVeskFileListThread::counted(const QString &text, const QString &extra) const
{
    const QString tool = QLatin1String(kTool), files = QString::number(m_totals.files),
                  folders = QString::number(m_totals.folders), target = QDir::toNativeSeparators(m_targetPath);
    if (text.contains(QLatin1String("%6")))
        return text.arg(tool, m_displayName, files, folders, target, extra);
    return text.arg(tool, m_displayName, files, folders, target);
}

bool RestoreVeskFileListThread::openSession(std::unique_ptr<oj::Archive> &out)
{
    oj::OpenRequest req;
    req.path = AppPaths::toLibraryPath(m_sourcePath).toUtf8().toStdString();
    if (!m_password.isEmpty())
        req.password = m_password.toUtf8().toStdString();
    req.temp_folder = AppPaths::toLibraryPath(AppPaths::appDataFolder()).toUtf8().toStdString();
    // A pause cancels the open; it is made again once the job is released.
    req.cancelled = [this] {
        qDebug().noquote() << QStringLiteral("RestoreVeskFileListThread::trellis_open_vesk_callback time: %1").arg(now());
        return pausedOrStopped();
    };
    int ret = oj::kCancelled;
    while (!m_stop.load()) {
        qDebug().noquote() << QStringLiteral("RestoreVeskFileListThread::veskOpen trellis_vesk_open_v2 Start: %2, vesk file: %1")
                                  .arg(m_sourcePath, now());
        ret = oj::open_archive(req, out);
        qDebug().noquote() << QStringLiteral("RestoreVeskFileListThread::veskOpen trellis_vesk_open_v2 Finished: %2, vesk file: %1")
                                  .arg(m_sourcePath, now());
        if (ret == oj::kOk)
            return true;
        qDebug().noquote() << QStringLiteral("RestoreVeskFileListThread::veskOpen trellis_vesk_open_v2 fail ret = %1, vesk file: %2")
                                  .arg(ret)
                                  .arg(m_sourcePath);
        if (ret != oj::kCancelled)
            break;
        waitWhilePaused();
    }
    const QString head = QStringLiteral("[%1] [%2] ").arg(QLatin1String(kTool), m_displayName);
    if (!QFileInfo::exists(QString(m_sourcePath).replace(QLatin1Char('\\'), QLatin1Char('/')))) {
        m_result.store(oj::kNoVersion);
        logLine(Logger::Error,
                head + tr("Failed to open VESK folder. VESK folder does not exist. Ensure folder exists and try again."));
    } else if (m_stop.load()) {
        m_result.store(oj::kCancelled);
        logLine(Logger::Warning, counted(tr("[%1] [%2] User stopped extracting data to \"%5\". Folders: %4. Files: %3.")));
    } else {
        m_result.store(ret);
        logLine(Logger::Error, head + (ret == oj::kBadPassword
                                           ? tr("Incorrect password. Verify password is correct before trying again.")
                                           : tr("Unknown VESK folder format. Confirm integrity of VESK folder and try again.")));
    }
    return false;
}

void RestoreVeskFileListThread::run()
{
    if (m_items.isEmpty() || m_sourcePath.isEmpty()) {
        emit restoreFinshedSignal();
        return;
    }
    m_result.store(oj::kOk);
    m_totals = {};
    std::unique_ptr<oj::Archive> archive;
    if (openSession(archive))
        runJob(*archive);
    archive.reset(); // closes the session before the owner hears of the end
    emit restoreFinshedSignal();
}

void RestoreVeskFileListThread::runJob(oj::Archive &archive)
{
    oj::JobOptions options;
    options.policy = static_cast<oj::Policy>(std::clamp(m_policy, 0, 2));
    options.sessions = m_sessions;
    options.spill_path = m_spillPath.toUtf8().toStdString();
    options.batch = 100000;
    options.resume = m_resume;
    const std::vector<oj::Selection> selection = JobLogic::selectionsOf(m_items);
    oj::SessionOpener openMore = [this](std::unique_ptr<oj::Archive> &out) {
        oj::OpenRequest req;
        req.path = AppPaths::toLibraryPath(m_sourcePath).toUtf8().toStdString();
        if (!m_password.isEmpty())
            req.password = m_password.toUtf8().toStdString();
        req.temp_folder = AppPaths::toLibraryPath(AppPaths::appDataFolder()).toUtf8().toStdString();
        req.cancelled = [this] { return m_stop.load(); };
        return oj::open_archive(req, out);
    };
    Observer observer(*this);
    oj::Summary summary;
    try {
        summary = oj::run_job(archive, openMore, selection, options, observer);
    } catch (const std::system_error &e) {
        // The spill could not be written (a full disk, most often).
        qDebug().noquote() << QStringLiteral("RestoreVeskFileListThread::run %1").arg(QString::fromLocal8Bit(e.what()));
        summary.status = e.code().value() == ENOSPC ? oj::kDiskFull : oj::kFailure;
        summary.stopped = m_stop.load();
    }
    observer.flush();
    observer.writeResumePoint();
    {
        QMutexLocker lock(&m_summaryMutex);
        m_summary = summary;
    }
    logOutcome(summary);
}

void RestoreVeskFileListThread::logOutcome(const oj::Summary &summary)
{
    if (summary.resume_ignored)
        logLine(Logger::Warning, tr("[%1] [%2] The file to resume from is not in the backup; every file was extracted "
                                    "again under the conflict policy.")
                                     .arg(QLatin1String(kTool), m_displayName));
    if (summary.stopped || m_stop.load()) {
        m_result.store(oj::kCancelled);
        logLine(Logger::Warning, counted(tr("[%1] [%2] User stopped extracting data to \"%5\". Folders: %4. Files: %3.")));
        return;
    }
    m_result.store(summary.status);
    if (summary.status == oj::kOk) {
        QString line;
        if (m_policy == int(oj::Policy::Replace))
            line = tr("[%1] [%2] Finished extracting data to \"%5\". Folders: %4. Files: %3. Replaced file number: %6.");
        else if (m_policy == int(oj::Policy::Skip))
            line = tr("[%1] [%2] Finished extracting data to \"%5\". Folders: %4. Files: %3. Skipped file number: %6.");
        else
            line = tr("[%1] [%2] Finished extracting data to \"%5\". Folders: %4. Files: %3.");
        const long long n = m_policy == int(oj::Policy::Replace) ? summary.counters.replaced : summary.counters.skipped;
        logLine(Logger::Info, counted(line, QString::number(n)));
    } else if (summary.status == oj::kDiskFull) {
        logLine(Logger::Error, counted(tr("[%1] [%2] Failed to extract data to \"%5\". Insufficient storage space. Free up "
                                          "disk space or increase storage capacity. Folders: %4. Files: %3.")));
    } else {
        logLine(Logger::Error, counted(tr("[%1] [%2] Failed to extract data to \"%5\". Some files failed to extract. "
                                          "Folders: %4. Files: %3.")));
    }
}
