#include "JobLogic.h"

#include "AppPaths.h"
#include "names.h"
#include "progress.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>

namespace oj = orvex::jobs;

namespace JobLogic {

namespace {

QString inJobsFolder(const std::string &name)
{
    return jobsFolder() + QLatin1Char('/') + QString::fromStdString(name);
}

std::string utf8(const QString &s)
{
    return s.toUtf8().toStdString();
}

QString fromUtf8(const std::string &s)
{
    return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}

// The components of a path in either separator form, without empty ones
// and ".", with ".." taking one away.
QStringList components(const QString &path)
{
    QString p = path;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::cleanPath(p).split(QLatin1Char('/'), Qt::SkipEmptyParts);
}

bool isPrefix(const QStringList &outer, const QStringList &inner)
{
    if (outer.isEmpty() || inner.size() < outer.size())
        return false;
    for (int i = 0; i < outer.size(); ++i)
        if (outer[i] != inner[i])
            return false;
    return true;
}

} // namespace

QString jobsFolder()
{
    return AppPaths::appDataFolder() + QStringLiteral("/Jobs");
}

bool ensureJobsFolder()
{
    const QString folder = jobsFolder();
    if (!QDir().mkpath(folder))
        return false;
    // The job files hold passwords.
    return QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QString jobFilePath(int id)
{
    return inJobsFolder(oj::job_file_name(id));
}

QString stateFilePath(int id)
{
    return inJobsFolder(oj::state_file_name(id));
}

QString spillFilePath(int id)
{
    return inJobsFolder(oj::spill_file_name(id));
}

int freeJobId(const QSet<int> &used)
{
    for (int id = oj::kMinJobId; id <= oj::kMaxJobId; ++id)
        if (!used.contains(id))
            return id;
    return 0;
}

int nextJobToStart(const QVector<JobRow> &jobs)
{
    const JobRow *best = nullptr;
    for (const JobRow &j : jobs) {
        if (j.status == oj::kExtracting)
            return 0;
        if (j.status != oj::kQueued && j.status != oj::kQueuedToResume)
            continue;
        if (!best || j.created < best->created || (j.created == best->created && j.id < best->id))
            best = &j;
    }
    return best ? best->id : 0;
}

int statusAfterLoad(const oj::JobState &stored)
{
    switch (stored.status) {
    case oj::kExtracting:
    case oj::kQueuedToResume:
        return stored.file.empty() ? oj::kQueued : oj::kQueuedToResume;
    case oj::kPaused:
    case oj::kCompleted:
    case oj::kFailed:
        return stored.status;
    default:
        return oj::kQueued;
    }
}

JobCounts countJobs(const QVector<JobRow> &jobs)
{
    JobCounts c;
    for (const JobRow &j : jobs) {
        ++c.total;
        switch (j.status) {
        case oj::kExtracting: ++c.extracting; break;
        case oj::kPaused: ++c.paused; break;
        case oj::kQueued:
        case oj::kQueuedToResume: ++c.queued; break;
        case oj::kCompleted: ++c.completed; break;
        case oj::kFailed: ++c.failed; break;
        default: break;
        }
    }
    return c;
}

int percentOf(qint64 done, qint64 total)
{
    if (total <= 0)
        return 0;
    const double p = static_cast<double>(std::clamp<qint64>(done, 0, total)) / static_cast<double>(total) * 100.0;
    return static_cast<int>(p + 0.5);
}

QString progressText(qint64 bytesDone, qint64 bytesTotal, double bytesPerSecond, double secondsLeft)
{
    QString text = QCoreApplication::translate("RestoreJob", "%1 of %2")
                       .arg(fromUtf8(oj::human_bytes(bytesDone)), fromUtf8(oj::human_bytes(bytesTotal)));
    const QString rate = rateText(bytesPerSecond, secondsLeft);
    return rate.isEmpty() ? text : text + QStringLiteral(" · ") + rate;
}

QString rateText(double bytesPerSecond, double secondsLeft)
{
    if (!(bytesPerSecond > 0))
        return QString();
    QString text = QCoreApplication::translate("RestoreJob", "%1/s")
                       .arg(fromUtf8(oj::human_bytes(static_cast<long long>(bytesPerSecond))));
    if (secondsLeft >= 0)
        text += QStringLiteral(" · ") +
                QCoreApplication::translate("RestoreJob", "%1 left").arg(fromUtf8(oj::human_duration(secondsLeft)));
    return text;
}

oj::JobDefinition newJob(const QString &source, const QString &password, qint64 estimatedSize, const QString &target,
                         int policy)
{
    oj::JobDefinition job;
    job.source = source.toStdString();
    job.password = password.toStdString();
    job.estimated_size = estimatedSize;
    job.target = target.toStdString();
    job.policy = policy;
    return job;
}

oj::JobItem toJobItem(const VeskItemInfo &info)
{
    oj::JobItem it;
    it.name = utf8(info.name);
    it.parent = utf8(info.parentPath);
    it.size = info.totalSize;
    it.mtime = info.mtime;
    it.is_dir = info.isFolder == 1;
    it.version = info.versionId;
    it.check_state = info.checkState;
    it.overwrite = info.overwrite;
    it.dest_folder = utf8(info.dstFolderPath);
    it.open_file = info.openFile;
    it.folder_count = info.folderCount;
    it.file_count = info.fileCount;
    return it;
}

VeskItemInfo fromJobItem(const oj::JobItem &it)
{
    VeskItemInfo info;
    info.name = fromUtf8(it.name);
    info.parentPath = fromUtf8(it.parent);
    info.totalSize = it.size;
    info.mtime = it.mtime;
    info.isFolder = it.is_dir ? 1 : 0;
    info.versionId = it.version;
    info.checkState = it.check_state;
    info.overwrite = it.overwrite;
    info.dstFolderPath = fromUtf8(it.dest_folder);
    info.openFile = it.open_file;
    info.folderCount = it.folder_count;
    info.fileCount = it.file_count;
    info.statKnown = it.is_dir;
    return info;
}

std::vector<oj::Selection> selectionsOf(const QVector<VeskItemInfo> &items)
{
    std::vector<oj::Selection> out;
    out.reserve(static_cast<size_t>(items.size()));
    for (const VeskItemInfo &i : items) {
        if (i.name.isEmpty())
            continue;
        oj::Selection s;
        s.version = i.versionId;
        s.parent = utf8(i.parentPath);
        s.name = utf8(i.name);
        s.is_dir = i.isFolder == 1;
        s.size = s.is_dir ? 0 : std::max<qint64>(0, i.totalSize);
        s.mtime = i.mtime;
        s.dest_folder = oj::native_path(utf8(i.dstFolderPath));
        s.open_after = i.openFile;
        out.push_back(std::move(s));
    }
    return out;
}

QString versionFolderName(qint64 timestamp)
{
    return QDateTime::fromSecsSinceEpoch(timestamp).toString(QStringLiteral("yyyyMMdd_HHmm"));
}

bool isSameOrInside(const QString &destination, const QString &source)
{
    if (isPrefix(components(source), components(destination)))
        return true;
    const QString realSource = QFileInfo(QString(source).replace(QLatin1Char('\\'), QLatin1Char('/'))).canonicalFilePath();
    const QString realDest =
        QFileInfo(QString(destination).replace(QLatin1Char('\\'), QLatin1Char('/'))).canonicalFilePath();
    return !realSource.isEmpty() && !realDest.isEmpty() && isPrefix(components(realSource), components(realDest));
}

bool isUnwritable(const QString &folder)
{
    const QStorageInfo storage(folder);
    if (storage.isValid() && storage.isReadOnly())
        return true;
    const QFileInfo info(folder);
    return info.exists() && !info.isWritable();
}

qint64 availableBytes(const QString &folder)
{
    const QStorageInfo storage(folder);
    return storage.isValid() ? storage.bytesAvailable() : -1;
}

QString printablePath(const std::string &path)
{
    return fromUtf8(oj::printable(path));
}

} // namespace JobLogic
