// The restore-job core's view of a backup: a small interface that every
// archive library (Trellis backup folders, single-file containers) is
// adapted to, so the job rules never depend on one library's calls.
//
// Results are the archive libraries' own codes (see Result). An Archive is
// one open session: it serves one thread at a time, and is closed when the
// object goes away.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace orvex::jobs {

// The archive libraries' result codes.
enum Result : int {
    kOk = 0,
    kNoVersion = -1,   // no such version (a folder that does not exist, at open)
    kNotFound = -2,    // no such path, or the backup cannot be opened
    kBadPassword = -3, // password missing or wrong
    kDiskFull = -4,    // the destination (or working folder) is full
    kCancelled = -5,   // a callback asked to stop
    kFailure = -999,   // anything else: damaged data, I/O error, ...
};

struct Entry {
    std::string name;
    bool is_dir = false;
    long long size = 0;
    long long mtime = 0; // seconds since 1970
};

struct Totals {
    long long folders = 0;
    long long files = 0;
    long long bytes = 0;
};

// What a verify saw besides success or failure.
struct VerifyInfo {
    long long unchecked_chunks = 0; // chunks the archive carries no digest for
};

// Per-file progress of a restore or verify: `status` 0 running (percent of
// the file done), 1 done, -1 the destination exists and was not
// overwritten. Returning true stops the file (the call then fails).
using FileProgress = std::function<bool(int status, float percent)>;

// One entry of a version as find, history and diff report it.
struct Found {
    int version = 0;
    std::string path; // catalogue form ("\\docs\\a.txt")
    bool is_dir = false;
    bool is_link = false; // restored (and read) as an empty file
    long long size = 0;
    long long mtime = 0;
};

// What happened to an entry from one version to another.
enum class Change { Added, Changed, Unchanged, Deleted };

// One step of a history or one difference. A Deleted step carries the state
// the entry had before it went; its version is the one that lacks it (in a
// difference: the older version).
struct Step {
    Change change = Change::Added;
    long long time = 0; // start time of entry.version (0 in differences)
    Found entry;
};

// Pass as the version to Archive::find: every finished version.
inline constexpr int kAllVersions = -1;

struct FindQuery {
    std::string pattern; // glob: '*', '?', "[a-z]", "[!a-z]"; no escape character
    bool nocase = false;     // letters match in either case
    bool whole_path = false; // match the whole path; '*' and '?' match '\\' too
};

// Byte ranges of one file of a version, every byte checked as a restore
// checks it. A reader needs nothing more of its session: it may be read on
// another thread than the session's, one thread at a time; destroy every
// reader before its archive.
class FileReader {
public:
    virtual ~FileReader() = default;
    // Up to `size` bytes at `offset` into `buf`: their number, fewer only
    // where the file ends, 0 at or past the end; kFailure when a chunk is
    // damaged or unreadable (nothing of it reaches `buf` as data).
    virtual int read(long long offset, char *buf, int size) = 0;
    // Chunks the reads so far decoded that carry no digest: their bytes
    // could not be checked against the original ones.
    virtual long long unchecked_chunks() const { return 0; }
};

class Archive {
public:
    virtual ~Archive() = default;

    // Finished versions, oldest first as the library lists them.
    virtual int list_versions(const std::function<bool(int version, long long time)> &on_version) = 0;
    // Entries of one folder of a version; on_entry returning false stops
    // the listing (the call still succeeds).
    virtual int list_folder(int version, const std::string &path,
                            const std::function<bool(const Entry &)> &on_entry) = 0;
    // Everything below `path` (not the folder itself).
    virtual int stat_sum(int version, const std::string &path, Totals &out) = 0;
    // Restores one file to the native path `dst` (its folder exists). The
    // file appears under `dst` only when complete; with `overwrite` false an
    // existing `dst` is reported through status -1 and the call fails.
    virtual int restore_file(int version, const std::string &path, const std::string &dst, bool overwrite,
                             const FileProgress &progress) = 0;
    // Reads and checks every chunk of one file, writing nothing.
    virtual int verify_file(int version, const std::string &path, const FileProgress &progress,
                            VerifyInfo &info) = 0;

    // ---- Exploring. The archive libraries that have a call of their own
    // for these use it; otherwise the generic forms below, built on the
    // calls above, answer (explore.cpp).

    // The entry at `path` ("\\" the root, a folder dated with its version).
    // kOk, kNoVersion, kNotFound, or another result.
    virtual int get_entry(int version, const std::string &path, Found &out);
    // Entries of `version` (or kAllVersions: each state once, in the version
    // where it was added or changed) whose name, or whole path, matches.
    // on_match returning false stops the search (still kOk). kOk,
    // kNoVersion, or kFailure (also for a tree deeper than any path a file
    // system takes, as a cycle in a damaged archive makes it).
    virtual int find(int version, const FindQuery &query, const std::function<bool(const Found &)> &on_match);
    // For each version, ascending, from the first that has the entry: added,
    // changed or unchanged with its state there, or deleted once where it
    // went. kOk, kNotFound (in no version), or another result.
    virtual int history(const std::string &path, const std::function<bool(const Step &)> &on_step);
    // Added, deleted and changed entries from the tree of `from` to that of
    // `to`, in path order (depth first, names in byte order). kOk,
    // kNoVersion (either version missing), or another result.
    virtual int diff(int from, int to, const std::function<bool(const Step &)> &on_step);
    // A reader of one file. kOk with `out` set, kNoVersion, kNotFound, or
    // kFailure (a folder: errno EISDIR; damaged data). The generic form
    // cannot read ranges and answers kFailure with errno ENOTSUP.
    virtual int open_reader(int version, const std::string &path, std::unique_ptr<FileReader> &out);

protected:
    // The generic reader: the file restored once, as a restore checks it,
    // into a private folder made under `work_folder`; the copy is unlinked
    // at once and read through its descriptor, so nothing stays behind.
    // `cancelled` (may be empty) answering true stops the restore, which
    // then fails.
    int open_restored_reader(int version, const std::string &path, const std::string &work_folder,
                             const std::function<bool()> &cancelled, std::unique_ptr<FileReader> &out);
};

// Same recorded state: kind, size, time and link.
bool same_state(const Found &a, const Found &b);

// How to open a backup: the folder (or container file), its password when
// it has one, the folder for working copies, and a cancel poll (true stops
// the open with kCancelled).
struct OpenRequest {
    std::string path;
    std::optional<std::string> password;
    std::string temp_folder;
    std::function<bool()> cancelled;
};

// Which library reads what sits at a path.
enum class ArchiveKind {
    // A Trellis backup folder, its job information file, or nothing at all
    // (the Trellis library reports what is missing).
    TrellisFolder,
    // Any other regular file: a container.
    Container,
};
ArchiveKind archive_kind(const std::string &path);

// Opens a session of the archive at `req.path` with the library that
// archive_kind names. kOk with `out` set, or the library's result; after a
// failure errno is the library's, for a more precise message.
int open_archive(const OpenRequest &req, std::unique_ptr<Archive> &out);

// Catalogue paths: "\\" is the root, names joined by backslashes after one
// leading backslash.
std::string child_path(const std::string &folder, const std::string &name);

} // namespace orvex::jobs
