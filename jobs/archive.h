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
};

// How to open a backup: the folder (or container file), its password when
// it has one, the folder for working copies, and a cancel poll (true stops
// the open with kCancelled).
struct OpenRequest {
    std::string path;
    std::optional<std::string> password;
    std::string temp_folder;
    std::function<bool()> cancelled;
};

// Opens a session of the archive at `req.path`, choosing the library by
// what is there. kOk with `out` set, or the library's result.
int open_archive(const OpenRequest &req, std::unique_ptr<Archive> &out);

// Catalogue paths: "\\" is the root, names joined by backslashes after one
// leading backslash.
std::string child_path(const std::string &folder, const std::string &name);

} // namespace orvex::jobs
