#include "trellis_archive.h"

#include "trellis_vesk.h"

namespace orvex::jobs {

namespace {

struct ProgressRelay {
    const FileProgress *progress;
};

int on_restore_progress(void *, int, const char *, const char *, int status, float progress, void *user)
{
    const FileProgress &p = *static_cast<ProgressRelay *>(user)->progress;
    return p && p(status, progress) ? 1 : 0;
}

int on_verify_progress(void *, int, const char *, float progress, void *user)
{
    const FileProgress &p = *static_cast<ProgressRelay *>(user)->progress;
    return p && p(0, progress) ? 1 : 0;
}

// Whether `name` in `folder` resolves in the catalogue (an entry of any kind).
bool exists(void *inst, int version, const std::string &folder, const std::string &name)
{
    std::string path = folder;
    if (path.empty() || path.back() != '\\')
        path += '\\';
    path += name;
    auto stop = [](void *, int, const char *, trellis_vesk_item *, void *) -> int { return 1; };
    return trellis_vesk_list_folder(inst, version, path.c_str(), stop, nullptr) == 0;
}

// Fills `f` from the library's entry (reusing its path buffer).
void copy_entry(const trellis_vesk_entry &e, Found &f)
{
    f.version = e.version_id;
    f.path.assign(e.path);
    f.is_dir = e.type == TRELLIS_VESK_DIR;
    f.is_link = e.is_link != 0;
    f.size = e.size;
    f.mtime = e.mtime;
}

Change change_of(int change)
{
    switch (change) {
    case TRELLIS_VESK_ADDED:
        return Change::Added;
    case TRELLIS_VESK_CHANGED:
        return Change::Changed;
    case TRELLIS_VESK_UNCHANGED:
        return Change::Unchanged;
    default:
        return Change::Deleted;
    }
}

struct StepRelay {
    const std::function<bool(const Step &)> *fn;
    Step step;

    static int call(void *, const trellis_vesk_change_item *item, void *user)
    {
        auto *r = static_cast<StepRelay *>(user);
        r->step.change = change_of(item->change);
        r->step.time = item->timestamp;
        copy_entry(item->entry, r->step.entry);
        return (*r->fn)(r->step) ? 0 : 1;
    }
};

class TrellisReader final : public FileReader {
public:
    explicit TrellisReader(void *file) : file_(file) {}
    ~TrellisReader() override { trellis_vesk_close_file(file_); }
    TrellisReader(const TrellisReader &) = delete;
    TrellisReader &operator=(const TrellisReader &) = delete;
    int read(long long offset, char *buf, int size) override
    {
        const int n = trellis_vesk_read_file(file_, offset, buf, size);
        return n < 0 ? kFailure : n;
    }
    long long unchecked_chunks() const override { return trellis_vesk_file_unchecked_chunks(file_); }

private:
    void *file_;
};

int poll_cancel(void *user)
{
    const auto *req = static_cast<const OpenRequest *>(user);
    return req->cancelled && req->cancelled() ? 1 : 0;
}

} // namespace

TrellisArchive::~TrellisArchive()
{
    trellis_vesk_close(inst_);
}

int TrellisArchive::list_versions(const std::function<bool(int, long long)> &on_version)
{
    auto cb = [](void *, trellis_vesk_version *v, void *user) -> int {
        return (*static_cast<const std::function<bool(int, long long)> *>(user))(v->version_id, v->timestamp) ? 0
                                                                                                              : 1;
    };
    return trellis_vesk_list_versions(inst_, cb, const_cast<std::function<bool(int, long long)> *>(&on_version));
}

int TrellisArchive::list_folder(int version, const std::string &path,
                                const std::function<bool(const Entry &)> &on_entry)
{
    struct Ctx {
        const std::function<bool(const Entry &)> *fn;
        Entry e;
    } ctx{&on_entry, {}};
    auto cb = [](void *inst, int version, const char *folder, trellis_vesk_item *it, void *user) -> int {
        auto *c = static_cast<Ctx *>(user);
        c->e.name = it->name;
        // The listing cuts names at 255 bytes. A name that long which does
        // not resolve was cut: it is handed on longer than any file system
        // takes, so the job refuses it with that reason instead of asking
        // for a file that does not exist (which would end the whole job).
        if (c->e.name.size() == sizeof it->name - 1 && !exists(inst, version, folder, c->e.name))
            c->e.name += "...";
        c->e.is_dir = it->type == TRELLIS_VESK_DIR;
        c->e.size = it->size;
        c->e.mtime = it->mtime;
        return (*c->fn)(c->e) ? 0 : 1;
    };
    return trellis_vesk_list_folder(inst_, version, path.c_str(), cb, &ctx);
}

int TrellisArchive::stat_sum(int version, const std::string &path, Totals &out)
{
    trellis_vesk_stat st{};
    int rc = trellis_vesk_get_stat_sum(inst_, version, path.c_str(), &st);
    if (rc == kOk)
        out = Totals{st.folder_count, st.file_count, st.total_size};
    return rc;
}

int TrellisArchive::restore_file(int version, const std::string &path, const std::string &dst, bool overwrite,
                                 const FileProgress &progress)
{
    ProgressRelay relay{&progress};
    return trellis_vesk_restore_file(inst_, version, path.c_str(), dst.c_str(), overwrite ? 1 : 0,
                                     on_restore_progress, &relay);
}

int TrellisArchive::verify_file(int version, const std::string &path, const FileProgress &progress,
                                VerifyInfo &info)
{
    ProgressRelay relay{&progress};
    trellis_vesk_verify_info vi{};
    int rc = trellis_vesk_verify_file(inst_, version, path.c_str(), on_verify_progress, &vi, &relay);
    info.unchecked_chunks = vi.unchecked_chunks;
    return rc;
}

int TrellisArchive::get_entry(int version, const std::string &path, Found &out)
{
    trellis_vesk_entry e{};
    int rc = trellis_vesk_get_entry(inst_, version, path.c_str(), &e);
    if (rc == kOk)
        copy_entry(e, out);
    return rc;
}

int TrellisArchive::find(int version, const FindQuery &query, const std::function<bool(const Found &)> &on_match)
{
    struct Relay {
        const std::function<bool(const Found &)> *fn;
        Found found;
    } relay{&on_match, {}};
    auto cb = [](void *, const trellis_vesk_entry *e, void *user) -> int {
        auto *r = static_cast<Relay *>(user);
        copy_entry(*e, r->found);
        return (*r->fn)(r->found) ? 0 : 1;
    };
    const int flags =
        (query.nocase ? TRELLIS_VESK_FIND_NOCASE : 0) | (query.whole_path ? TRELLIS_VESK_FIND_PATH : 0);
    return trellis_vesk_find(inst_, version == kAllVersions ? TRELLIS_VESK_ALL_VERSIONS : version,
                             query.pattern.c_str(), flags, cb, &relay);
}

int TrellisArchive::history(const std::string &path, const std::function<bool(const Step &)> &on_step)
{
    StepRelay relay{&on_step, {}};
    return trellis_vesk_history(inst_, path.c_str(), &StepRelay::call, &relay);
}

int TrellisArchive::diff(int from, int to, const std::function<bool(const Step &)> &on_step)
{
    StepRelay relay{&on_step, {}};
    return trellis_vesk_diff(inst_, from, to, &StepRelay::call, &relay);
}

int TrellisArchive::open_reader(int version, const std::string &path, std::unique_ptr<FileReader> &out)
{
    void *file = nullptr;
    int rc = trellis_vesk_open_file(inst_, version, path.c_str(), &file);
    if (rc != kOk)
        return rc;
    out = std::make_unique<TrellisReader>(file);
    return kOk;
}

int open_trellis(const OpenRequest &req, std::unique_ptr<Archive> &out)
{
    void *inst = nullptr;
    int rc = trellis_vesk_open_v2(req.path.c_str(), req.password ? req.password->c_str() : nullptr, &inst,
                                  req.temp_folder.empty() ? nullptr : req.temp_folder.c_str(), poll_cancel,
                                  const_cast<OpenRequest *>(&req));
    if (rc != kOk)
        return rc;
    out = std::make_unique<TrellisArchive>(inst);
    return kOk;
}

} // namespace orvex::jobs
