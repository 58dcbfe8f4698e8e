#include "VeskThreads.h"

#include "AppPaths.h"
#include "SearchLogic.h"
#include "trellis_vesk.h"

#include <QDateTime>
#include <QDebug>
#include <QLoggingCategory>
#include <QMutexLocker>

#include <filesystem>
#include <system_error>

// One line per listed entry is too much for a folder of 100,000 entries:
// enable with QT_LOGGING_RULES="orvex.listing.debug=true".
Q_LOGGING_CATEGORY(lcListing, "orvex.listing", QtWarningMsg)

namespace {
QString now()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"));
}

int openCancelCallback(void *user_data)
{
    auto *file = static_cast<VeskFile *>(user_data);
    qDebug().noquote() << QStringLiteral("VeskFile::trellis_open_vesk_callback time: %1").arg(now());
    return file->cancelled() ? 1 : 0;
}
} // namespace

QString maskedPassword(const QString &password)
{
    return password.isEmpty() ? QStringLiteral("(none)") : QStringLiteral("(set)");
}

void stopThread(QThread *thread)
{
    if (!thread)
        return;
    thread->quit();
    if (!thread->wait()) {
        thread->terminate();
        thread->wait();
    }
}

// ---- VeskFile / OpenVeskFileThread ----

VeskFile::~VeskFile()
{
    if (m_handle)
        trellis_vesk_close(m_handle);
}

int VeskFile::openFile(const QString &password, const QString &workFolder)
{
    m_password = password;
    const QByteArray path = AppPaths::toLibraryPath(m_path).toUtf8();
    const QByteArray work = AppPaths::toLibraryPath(workFolder).toUtf8();
    const QByteArray pw = password.toUtf8();
    qDebug().noquote() << QStringLiteral("VeskFile::openFile trellis_vesk_open_v2 Start: %2, vesk file: %1").arg(m_path, now());
    void *handle = nullptr;
    const int ret = trellis_vesk_open_v2(path.constData(), password.isEmpty() ? nullptr : pw.constData(), &handle,
                                         work.constData(), openCancelCallback, this);
    qDebug().noquote() << QStringLiteral("VeskFile::openFile trellis_vesk_open_v2 Finished: %2, vesk file: %1").arg(m_path, now());
    if (ret != 0) {
        // The password itself never reaches the debug output.
        qDebug().noquote() << QStringLiteral("VeskFile::openFile trellis_vesk_open_v2 fail ret = %1, vesk file: %2, password: %3")
                                  .arg(ret)
                                  .arg(m_path, maskedPassword(password));
        if (handle)
            trellis_vesk_close(handle);
        return ret;
    }
    m_handle = handle;
    return 0;
}

void *VeskFile::takeHandle()
{
    void *h = m_handle;
    m_handle = nullptr;
    return h;
}

OpenVeskFileThread::OpenVeskFileThread(const QString &path, const QString &password, const QString &workFolder,
                                       QObject *parent)
    : QThread(parent), m_path(path), m_password(password), m_workFolder(workFolder)
{
}

OpenVeskFileThread::~OpenVeskFileThread()
{
    requestStop();
    stopThread(this);
}

void OpenVeskFileThread::requestStop()
{
    m_stop.store(true);
    QMutexLocker lock(&m_mutex);
    if (m_veskFile)
        m_veskFile->cancel();
}

ArchiveSessionPtr OpenVeskFileThread::takeSession()
{
    QMutexLocker lock(&m_mutex);
    return std::move(m_session);
}

void OpenVeskFileThread::run()
{
    const QString path = AppPaths::toLibraryPath(m_path);
    VeskFile file(path);
    {
        QMutexLocker lock(&m_mutex);
        m_veskFile = &file;
        if (m_stop.load())
            file.cancel();
    }
    const int ret = file.openFile(m_password, m_workFolder);
    {
        QMutexLocker lock(&m_mutex);
        if (ret == 0)
            m_session = std::make_shared<ArchiveSession>(file.takeHandle(), m_path, m_password);
        m_veskFile = nullptr;
    }
    m_result.store(ret);
    emit openFinshed();
}

// ---- QueryVeskFileListThread ----

QueryVeskFileListThread::QueryVeskFileListThread(ArchiveSessionPtr session, QObject *parent)
    : QThread(parent), m_session(std::move(session))
{
}

QueryVeskFileListThread::~QueryVeskFileListThread()
{
    requestStop();
    stopThread(this);
}

void QueryVeskFileListThread::requestStop()
{
    m_stop.store(true);
    QMutexLocker lock(&m_mutex);
    m_taken.wakeAll();
}

std::vector<ListingBatch> QueryVeskFileListThread::takeResults()
{
    QMutexLocker lock(&m_mutex);
    std::vector<ListingBatch> out = std::move(m_results);
    m_results.clear();
    m_resultTaken = true;
    m_taken.wakeAll();
    return out;
}

ListingBatch QueryVeskFileListThread::listFolder(const Target &t)
{
    ListingBatch batch;
    batch.versionId = t.versionId;
    batch.path = t.path;
    batch.parentKey = t.parentKey;
    batch.result = m_session->listFolder(t.versionId, t.path, [&](const ArchiveSession::Entry &e) {
        qCDebug(lcListing).noquote() << QStringLiteral("VeskFileInfo::trellis_list_folder_callback get %1: %2 %3 %4 %5")
                                            .arg(t.path, e.name)
                                            .arg(e.isFolder ? 1 : 0)
                                            .arg(e.mtime)
                                            .arg(e.size);
        auto item = std::make_unique<VeskItemInfo>();
        item->name = e.name;
        item->parentPath = t.path;
        item->mtime = e.mtime;
        item->totalSize = e.isFolder ? -1 : e.size;
        item->isFolder = e.isFolder ? 1 : 0;
        item->versionId = t.versionId;
        batch.items.push_back(std::move(item));
        return !m_stop.load(); // a stopped browser stops the listing too
    });
    if (batch.result != 0)
        qDebug().noquote() << QStringLiteral("VeskFileInfo::veskFolderList trellis_vesk_list_folder fail ret = %1, path: %2")
                                  .arg(batch.result)
                                  .arg(t.path);
    return batch;
}

void QueryVeskFileListThread::run()
{
    std::vector<ListingBatch> results;
    const bool initial = m_targets.empty();
    if (initial) {
        if (!m_stop.load()) {
            ListingBatch versions;
            versions.versions = true;
            versions.result = m_session->listVersions([&](const ArchiveSession::Version &v) {
                qDebug().noquote() << QStringLiteral("versio:%1 %2")
                                          .arg(v.versionId)
                                          .arg(QDateTime::fromSecsSinceEpoch(v.timestamp).toString(QStringLiteral("yyyy/MM/dd HH:mm")));
                auto item = std::make_unique<VeskItemInfo>();
                item->parentPath = QStringLiteral("\\");
                item->mtime = v.timestamp;
                item->isFolder = 1;
                item->versionId = v.versionId;
                versions.items.push_back(std::move(item));
                return !m_stop.load();
            });
            if (versions.result != 0)
                qDebug().noquote() << QStringLiteral("VeskFileInfo::veskFolderList trellis_vesk_list_versions fail ret = %1, path: %2")
                                          .arg(versions.result)
                                          .arg(m_session->path());
            std::vector<Target> roots;
            for (const auto &v : versions.items)
                roots.push_back(Target{v->versionId, v->fullPath(), v->key()});
            results.push_back(std::move(versions));
            for (const Target &t : roots) {
                if (m_stop.load())
                    break;
                results.push_back(listFolder(t));
            }
        }
    } else {
        for (const Target &t : m_targets) {
            if (m_stop.load())
                break;
            results.push_back(listFolder(t));
        }
    }
    {
        QMutexLocker lock(&m_mutex);
        m_results = std::move(results);
        m_resultTaken = false;
    }
    emit resultReady(initial ? QStringLiteral("ROOT") : QStringLiteral("CHILD"));
    // Wait until the GUI thread has taken the batches (or the page stops us).
    {
        QMutexLocker lock(&m_mutex);
        while (!m_resultTaken && !m_stop.load())
            m_taken.wait(&m_mutex);
    }
    emit qureyFinshed();
}

// ---- StatVeskFileListThread ----

StatVeskFileListThread::StatVeskFileListThread(ArchiveSessionPtr session, std::vector<Request> requests,
                                               QObject *parent)
    : QThread(parent), m_session(std::move(session)), m_requests(std::move(requests))
{
}

std::vector<StatVeskFileListThread::Result> StatVeskFileListThread::takeResults()
{
    QMutexLocker lock(&m_mutex);
    std::vector<Result> out = std::move(m_results);
    m_results.clear();
    return out;
}

void StatVeskFileListThread::run()
{
    for (const Request &r : m_requests) {
        if (m_stop.load())
            break;
        Result res{r.key, 0, {}};
        res.code = m_session->statSum(r.versionId, r.path, &res.stat);
        if (res.code != 0)
            qDebug().noquote() << QStringLiteral("VeskFileInfo::veskStatSum trellis_vesk_get_stat_sum fail ret = %1, path: %2")
                                      .arg(res.code)
                                      .arg(r.path);
        QMutexLocker lock(&m_mutex);
        m_results.push_back(std::move(res));
    }
    emit resultReady(QStringLiteral("OK"));
    emit statFinshed();
}

// ---- FindVeskFileThread / HistoryVeskFileThread ----

FindVeskFileThread::FindVeskFileThread(ArchiveSessionPtr session, int versionId, const QString &pattern,
                                       bool ignoreCase, int limit, QObject *parent)
    : QThread(parent), m_session(std::move(session)), m_versionId(versionId), m_pattern(pattern),
      m_ignoreCase(ignoreCase), m_limit(limit)
{
}

std::vector<VeskItemInfo> FindVeskFileThread::takeMatches()
{
    QMutexLocker lock(&m_mutex);
    return std::move(m_matches);
}

void FindVeskFileThread::run()
{
    std::vector<VeskItemInfo> matches;
    const int ret = m_session->find(m_versionId, m_pattern, m_ignoreCase, [&](const ArchiveSession::PathEntry &e) {
        if (m_stop.load())
            return false;
        if (static_cast<int>(matches.size()) >= m_limit) {
            m_truncated.store(true);
            return false;
        }
        matches.push_back(SearchLogic::itemFor(e));
        return true;
    });
    if (ret != 0)
        qDebug().noquote() << QStringLiteral("FindVeskFileThread trellis_vesk_find fail ret = %1, version: %2")
                                  .arg(ret)
                                  .arg(m_versionId);
    {
        QMutexLocker lock(&m_mutex);
        m_matches = std::move(matches);
    }
    m_result.store(ret);
    emit searchFinished();
}

HistoryVeskFileThread::HistoryVeskFileThread(ArchiveSessionPtr session, const QString &path, QObject *parent)
    : QThread(parent), m_session(std::move(session)), m_path(path)
{
}

std::vector<ArchiveSession::Step> HistoryVeskFileThread::takeSteps()
{
    QMutexLocker lock(&m_mutex);
    return std::move(m_steps);
}

void HistoryVeskFileThread::run()
{
    std::vector<ArchiveSession::Step> steps;
    const int ret = m_session->history(m_path, [&](const ArchiveSession::Step &s) {
        steps.push_back(s);
        return !m_stop.load();
    });
    if (ret != 0)
        qDebug().noquote() << QStringLiteral("HistoryVeskFileThread trellis_vesk_history fail ret = %1, path: %2")
                                  .arg(ret)
                                  .arg(m_path);
    {
        QMutexLocker lock(&m_mutex);
        m_steps = std::move(steps);
    }
    m_result.store(ret);
    emit historyFinished();
}

// ---- CleanTempFileThread ----

CleanTempFileThread::CleanTempFileThread(const QString &folder, QObject *parent) : QThread(parent), m_folder(folder) {}

void CleanTempFileThread::run()
{
    // remove_all removes a symbolic link as a link and never descends into
    // what it points to.
    std::error_code ec;
    const std::filesystem::path p(m_folder.toStdString());
    if (!m_stop.load() && std::filesystem::exists(std::filesystem::symlink_status(p, ec)))
        std::filesystem::remove_all(p, ec);
    emit cleanFinshed();
}
