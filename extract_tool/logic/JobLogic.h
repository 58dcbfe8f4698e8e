// The rules of the background tasks that need no widget: where the job
// files live, which job id is free, which job the scheduler starts next, the
// status a job takes when the program starts again, the checks of a
// destination, and the texts of a job's progress.
#pragma once

#include "VeskItemInfo.h"
#include "jobfile.h"
#include "job.h"

#include <QSet>
#include <QString>
#include <QVector>

#include <vector>

namespace JobLogic {

// "<application data>/Jobs", created private to its owner when missing.
QString jobsFolder();
bool ensureJobsFolder();
QString jobFilePath(int id);
QString stateFilePath(int id);
QString spillFilePath(int id);

// The smallest id from 1 to 250 that is not in `used`; 0 when all are.
int freeJobId(const QSet<int> &used);

struct JobRow {
    int id = 0;
    int status = orvex::jobs::kQueued;
    qint64 created = 0;
};
// The job to start: none (0) while one is extracting, else the earliest
// created among those queued (status 0) or queued to resume (status 3).
int nextJobToStart(const QVector<JobRow> &jobs);

// The status a job stored as `stored` shows when the program starts again:
// one that was extracting or queued to resume resumes when it recorded a
// file and starts over otherwise; the others keep their status.
int statusAfterLoad(const orvex::jobs::JobState &stored);

struct JobCounts {
    int total = 0, completed = 0, extracting = 0, paused = 0, queued = 0, failed = 0;
    // The main window's badge: jobs not finished yet.
    int unfinished() const { return queued + extracting + paused; }
};
JobCounts countJobs(const QVector<JobRow> &jobs);

// Whole percent of `done` of `total` (0 when the total is unknown).
int percentOf(qint64 done, qint64 total);

// "12.3 MB of 45.6 MB", with " · " and the rate text while the speed is known.
QString progressText(qint64 bytesDone, qint64 bytesTotal, double bytesPerSecond, double secondsLeft);
// "3.2 MB/s · 0:10 left" ("3.2 MB/s" while the time left is unknown); ""
// while the speed is unknown.
QString rateText(double bytesPerSecond, double secondsLeft);

// A job from `source` into `target` with its conflict policy, before its
// items are added.
orvex::jobs::JobDefinition newJob(const QString &source, const QString &password, qint64 estimatedSize,
                                  const QString &target, int policy);

orvex::jobs::JobItem toJobItem(const VeskItemInfo &info);
VeskItemInfo fromJobItem(const orvex::jobs::JobItem &item);
// What the job core restores for `items`: every entry with a name.
std::vector<orvex::jobs::Selection> selectionsOf(const QVector<VeskItemInfo> &items);

// "yyyyMMdd_HHmm": the folder a version lands in on "Extract All".
QString versionFolderName(qint64 timestamp);

// True when `destination` is `source` itself or lies inside it, compared
// path component by component (either separator form), and again with links
// resolved where both exist.
bool isSameOrInside(const QString &destination, const QString &source);

// The destination's file system is read-only, or the folder cannot be written.
bool isUnwritable(const QString &folder);
// Bytes available to the user at `folder`; 0 or less when unknown.
qint64 availableBytes(const QString &folder);

// A catalogue or native path shown to people: control characters escaped.
QString printablePath(const std::string &path);

} // namespace JobLogic
