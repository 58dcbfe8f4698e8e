// ArchiveSession: an open backup folder of the archive library, shared by the
// browser and its worker threads. The library serves one caller at a time,
// so every call on the handle goes through one mutex; the session is closed
// when the last owner lets go (or by close()).
#pragma once

#include <QMutex>
#include <QString>

#include <functional>
#include <memory>

struct trellis_vesk_item;

class ArchiveSession {
public:
    ArchiveSession(void *handle, const QString &path, const QString &password);
    ~ArchiveSession();
    ArchiveSession(const ArchiveSession &) = delete;
    ArchiveSession &operator=(const ArchiveSession &) = delete;

    QString path() const { return m_path; }
    QString password() const { return m_password; }

    struct Version {
        int timestamp;
        int versionId;
    };
    struct Entry {
        QString name;
        qint64 size;
        qint64 mtime;
        bool isFolder;
    };
    // An entry found by a search or one step of a file's history.
    struct PathEntry {
        int versionId = -1;
        QString path; // catalogue form: \docs\a.txt
        qint64 size = 0;
        qint64 mtime = 0;
        bool isFolder = false;
    };
    struct Step {
        int change = 0;     // a trellis_vesk_change: 0 added, 1 changed, 2 unchanged, 3 deleted
        qint64 timestamp = 0; // start time of the step's version
        PathEntry entry;    // for a deletion: the state the entry had before it went
    };
    struct Stat {
        qint64 folders = 0;
        qint64 files = 0;
        qint64 bytes = 0;
    };

    // Library results (0 success). A callback returning false stops the listing.
    int listVersions(const std::function<bool(const Version &)> &onVersion);
    int listFolder(int versionId, const QString &path, const std::function<bool(const Entry &)> &onEntry);
    int statSum(int versionId, const QString &path, Stat *out);
    // Names matching the glob `pattern` in one version, or in every finished
    // version with versionId -1 (once per added or changed state).
    int find(int versionId, const QString &pattern, bool ignoreCase, const std::function<bool(const PathEntry &)> &onMatch);
    // Each finished version in which `path` exists, and where it went.
    int history(const QString &path, const std::function<bool(const Step &)> &onStep);
    int close();

private:
    QMutex m_mutex;
    void *m_handle;
    QString m_path;
    QString m_password;
};

using ArchiveSessionPtr = std::shared_ptr<ArchiveSession>;
