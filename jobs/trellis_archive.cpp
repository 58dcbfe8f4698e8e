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
