#include "vesk_archive.h"

#include "names.h"
#include "vesk.h"

#include <sys/stat.h>

#include <cerrno>
#include <filesystem>

namespace orvex::jobs {

namespace {

// The one version a container holds.
constexpr int kOnlyVersion = 0;

// Carries a job's per-file progress into the library's reports.
//
// The library reports "the destination exists" (and "the entry failed")
// with status -1 and, when that report is answered 0, calls an existing
// destination a success (skipped). The job must hear an existing
// destination as a failure after a status -1 report, as from every archive,
// so the report is held back here and the outcome decided once the call
// has returned.
struct ProgressRelay {
    const FileProgress *progress;
    bool held_failure = false; // a status -1 report arrived
    bool cancelled = false;    // the job answered "stop"

    static int report(void *, int, const char *, const char *, int status, float percent, void *user)
    {
        auto *r = static_cast<ProgressRelay *>(user);
        if (status == FS_VESK_STATUS_FAILED) {
            r->held_failure = true;
            return 0;
        }
        const FileProgress &p = *r->progress;
        if (p && p(status, percent) && status == FS_VESK_STATUS_RUNNING) {
            r->cancelled = true;
            return 1;
        }
        return 0;
    }
};

int after_call(int rc, const ProgressRelay &relay)
{
    if (rc != kOk && relay.cancelled)
        return kCancelled;
    return rc;
}

} // namespace

VeskArchive::~VeskArchive()
{
    fs_vesk_close(inst_);
}

int VeskArchive::list_versions(const std::function<bool(int, long long)> &on_version)
{
    on_version(kOnlyVersion, written_);
    return kOk;
}

int VeskArchive::list_folder(int version, const std::string &path,
                             const std::function<bool(const Entry &)> &on_entry)
{
    if (version != kOnlyVersion)
        return kNoVersion;
    struct Ctx {
        const std::function<bool(const Entry &)> *fn;
        Entry e;
        bool stopped = false;
    } ctx{&on_entry, {}};
    auto cb = [](void *, int, const char *, fs_vesk_item *it, void *user) -> int {
        auto *c = static_cast<Ctx *>(user);
        if (!it) // the end of the listing
            return 0;
        c->e.name = it->name;
        c->e.is_dir = it->type == FS_VESK_DIR;
        c->e.size = it->size;
        c->e.mtime = it->mtime;
        if ((*c->fn)(c->e))
            return 0;
        c->stopped = true;
        return 1;
    };
    int rc = fs_vesk_list_folder(inst_, kOnlyVersion, path.c_str(), cb, &ctx);
    // The library fails a listing its callback stopped; the job asked for it.
    return ctx.stopped ? kOk : rc;
}

int VeskArchive::stat_sum(int version, const std::string &path, Totals &out)
{
    if (version != kOnlyVersion)
        return kNoVersion;
    fs_vesk_stat st{};
    int rc = fs_vesk_get_stat_sum(inst_, kOnlyVersion, path.c_str(), &st);
    if (rc == kOk)
        out = Totals{st.folder_count, st.file_count, st.total_size};
    return rc;
}

int VeskArchive::restore_file(int version, const std::string &path, const std::string &dst, bool overwrite,
                              const FileProgress &progress)
{
    if (version != kOnlyVersion)
        return kNoVersion;
    ProgressRelay relay{&progress};
    int rc = fs_vesk_restore_file(inst_, kOnlyVersion, path.c_str(), dst.c_str(), overwrite ? 1 : 0,
                                  &ProgressRelay::report, &relay);
    if (rc == kOk && relay.held_failure) {
        // Nothing was written: the destination exists, or could not be
        // looked at. Only an existing one, without overwrite, is a conflict
        // for the job's policy to decide; the rest is a failure.
        struct stat st {};
        if (!overwrite && ::lstat(dst.c_str(), &st) == 0 && progress)
            progress(-1, 0.0f);
        return kFailure;
    }
    return after_call(rc, relay);
}

int VeskArchive::verify_file(int version, const std::string &path, const FileProgress &progress, VerifyInfo &info)
{
    info.unchecked_chunks = 0;
    if (version != kOnlyVersion)
        return kNoVersion;
    ProgressRelay relay{&progress};
    int rc = fs_vesk_verify_file(inst_, kOnlyVersion, path.c_str(), &ProgressRelay::report, &relay);
    return after_call(rc, relay);
}

int VeskArchive::open_reader(int version, const std::string &path, std::unique_ptr<FileReader> &out)
{
    if (version != kOnlyVersion)
        return kNoVersion;
    return open_restored_reader(version, path, work_folder_, cancelled_, out);
}

int open_vesk(const OpenRequest &req, std::unique_ptr<Archive> &out)
{
    if (req.cancelled && req.cancelled())
        return kCancelled;
    std::string temp = req.temp_folder;
    if (temp.empty()) {
        std::error_code ec;
        temp = std::filesystem::temp_directory_path(ec).string();
        if (ec) {
            errno = ec.value();
            return kFailure;
        }
    }
    void *inst = nullptr;
    // The library takes no password: a container is not encrypted.
    int rc = fs_vesk_open(req.path.c_str(), nullptr, &inst, temp.c_str());
    if (rc != kOk)
        return rc; // errno is the library's
    struct stat st {};
    long long written = ::stat(native_path(req.path).c_str(), &st) == 0 ? static_cast<long long>(st.st_mtime) : 0;
    out = std::make_unique<VeskArchive>(inst, written, temp, req.cancelled);
    return kOk;
}

} // namespace orvex::jobs
