// Rebuilding a deduplicated file: its descriptor (and the descriptor's
// "-shm" and "-wal" files) copied out to the session's temporary folder, its
// zstd sparse part written at the start of the destination, then every
// chunk row in file order, each chunk decoded by the restore engine straight
// out of the container and written at its file offset.
//
// The rows must rebuild the entry exactly: they follow each other from
// offset 0 without gap or overlap and end within the entry's size (the rest
// comes from the sparse part or is zeros), and every chunk decodes to
// exactly its row's size.
#include "vesk_internal.h"

#include "compressor.h"
#include "descriptor.h"
#include "restore.h"
#include "util/syscall.h"

#include <sqlite3.h>
#include <unistd.h>

namespace orvex::vesk {

namespace {

// The descriptor, its shared-memory file and its write-ahead log under the
// names SQLite expects beside each other; removed when the owner goes.
struct WorkFiles {
    std::string descriptor, shm, wal;

    explicit WorkFiles(const std::string &prefix)
        : descriptor(prefix + "#b48c.ovd"), shm(prefix + "#b48c.ovd-shm"), wal(descriptor + "-wal")
    {
    }
    ~WorkFiles()
    {
        int saved = errno;
        for (const std::string *p : {&descriptor, &shm, &wal})
            do_unlink(p->c_str());
        errno = saved;
    }
    WorkFiles(const WorkFiles &) = delete;
    WorkFiles &operator=(const WorkFiles &) = delete;
};

// The session's restore-engine instance for the duration of one file.
class Engine {
public:
    explicit Engine(fs_vesk_instance *s) : s_(s) {}
    ~Engine()
    {
        int saved = errno;
        restore_destroy_instance(s_->rc);
        s_->rc = nullptr;
        errno = saved;
    }
    Engine(const Engine &) = delete;
    Engine &operator=(const Engine &) = delete;

    int start()
    {
        OLOG(OLOG_DEBUG, "restore file");
        s_->rc = restore_create_instance();
        if (!s_->rc) {
            OLOG(OLOG_ERROR, "restore_create_instance failed");
            return -1;
        }
        if (restore_set_sort_method(s_->rc, "read-chunk") != 0) {
            OLOG(OLOG_ERROR, "setting sort method failed");
            return -1;
        }
        if (restore_start_instance(s_->rc) != 0) {
            OLOG(OLOG_ERROR, "restore_start_instance failed");
            return -1;
        }
        return 0;
    }
    instance_t *get() const { return static_cast<instance_t *>(s_->rc); }

private:
    fs_vesk_instance *s_;
};

// The session's temporary folder (made again if something removed it) and
// the prefix of this session's temporary descriptor files.
int prepare_work_prefix(fs_vesk_instance *s)
{
    if (make_private_dir(s->tmp_dir) != 0) {
        OLOG(OLOG_ERROR, "%s: do_mkdir, %s", s->tmp_dir, errtext(errno));
        return -1;
    }
    if (do_set_hidden_flag(s->tmp_dir, 1) != 0)
        OLOG(OLOG_ERROR, "%s: set hidden flag failed, %s", s->tmp_dir, errtext(errno));
    if (!s->work_prefix.empty())
        return 0;
    // One prefix per session: the files go after every restore, and one name
    // keeps the database opener's lock file from multiplying.
    CharPtr uuid(uuid_get());
    if (!uuid) {
        OLOG(OLOG_ERROR, "failed to generate uuid, %s", errtext(errno));
        return -1;
    }
    CharPtr prefix(prepend_s(s->tmp_dir, uuid.get()));
    if (!prefix) {
        OLOG(OLOG_ERROR, "%s: preprend_s, %s", s->tmp_dir, errtext(ENOMEM));
        return fail(ENOMEM);
    }
    s->work_prefix = prefix.get();
    return 0;
}

// Copies one range of the container into a private file of the temporary
// folder.
int extract(fs_vesk_instance *s, const Range &r, const std::string &path, const Progress &progress)
{
    Fd out(create_private_file(path.c_str()));
    if (!out || copy_range_to_fd(s->vesk->fd, r.offset, r.size, out.get(), VESK_COMPRESS_NONE, progress) != 0 ||
        out.close() != 0) {
        OLOG(OLOG_ERROR, "%s: copy_from_vesk failed", path.c_str());
        return -1;
    }
    return 0;
}

int take_vault(file_t *, sqlite3_stmt *stmt, void *data)
{
    auto *s = static_cast<fs_vesk_instance *>(static_cast<exportdb_data_t *>(data)->instance);
    s->vaults[{sqlite3_column_int64(stmt, 0), sqlite3_column_int64(stmt, 1)}] = {sqlite3_column_int64(stmt, 2),
                                                                                 sqlite3_column_int64(stmt, 3)};
    return 0;
}

// The vaults table, read once per session.
int load_vaults(fs_vesk_instance *s)
{
    if (s->vaults_loaded)
        return 0;
    exportdb_data_t d{};
    d.cmd = EXPORTDB_ITER_VAULTS;
    d.instance = s;
    d.callback = take_vault;
    if (s->exportdb->fops->iter(s->exportdb, &d) != 0) {
        s->vaults.clear();
        return -1;
    }
    s->vaults_loaded = true;
    return 0;
}

// The rows of one descriptor, in file order.
struct ChunkWalk {
    fs_vesk_instance *s;
    const Entry *e;
    const Target *t;
    instance_t *engine;
    Progress progress;
    uint64_t total_rows = 1;
    uint64_t rows = 0;
    int64_t end = 0; // where the next row must start
    // The chunk in the buffer, so that a chunk repeated back to back is
    // decoded once.
    bool have_last = false;
    int64_t last_hid = 0, last_vid = 0, last_vos = 0, last_len = 0;
};

// The container offset of the chunk record at `vos` of vault (hid, vid).
int chunk_offset(ChunkWalk &w, int64_t hid, int64_t vid, int64_t vos, int64_t &at)
{
    auto it = w.s->vaults.find({hid, vid});
    const char *path = w.e->path.c_str();
    if (it == w.s->vaults.end())
        return VESK_CORRUPT("%s: vault (hid,vid)=(%lld,%lld) is not in the container", path,
                            static_cast<long long>(hid), static_cast<long long>(vid));
    Range vault{it->second.first, it->second.second};
    if (check_range(w.s, vault, "vault", path) != 0)
        return -1;
    if (vos < 0 || vault.size < CHUNK_HDR_SIZE || vos > vault.size - CHUNK_HDR_SIZE)
        return VESK_CORRUPT("%s: chunk at %lld lies outside vault (hid,vid)=(%lld,%lld) of %lld bytes", path,
                            static_cast<long long>(vos), static_cast<long long>(hid), static_cast<long long>(vid),
                            static_cast<long long>(vault.size));
    at = vault.offset + vos;
    return 0;
}

// Decodes the chunk into the session's buffer unless it is already there.
int decode_chunk(ChunkWalk &w, int64_t hid, int64_t vid, int64_t vos, int64_t cks)
{
    if (w.have_last && w.last_hid == hid && w.last_vid == vid && w.last_vos == vos && w.last_len == cks)
        return 0;
    w.have_last = false;
    int64_t at = 0;
    if (chunk_offset(w, hid, vid, vos, at) != 0)
        return -1;
    std::vector<uint8_t> &buf = w.s->chunk_buf;
    if (buf.size() < static_cast<size_t>(cks))
        buf.resize(static_cast<size_t>(cks));
    int n = do_restore_chunk_from_open_file(w.engine->ctx, w.engine->cry, w.s->vesk, static_cast<uint64_t>(at),
                                            buf.data(), static_cast<uint32_t>(cks));
    if (n < 0) {
        int err = errno ? errno : EIO;
        OLOG(OLOG_ERROR, "%s: do_restore_chunk_from_open_file failed", w.e->path.c_str());
        return fail(err == EOVERFLOW ? EIO : err);
    }
    if (n != cks)
        return VESK_CORRUPT("%s: chunk at %lld decodes to %d bytes, its row says %lld", w.e->path.c_str(),
                            static_cast<long long>(at), n, static_cast<long long>(cks));
    w.have_last = true;
    w.last_hid = hid;
    w.last_vid = vid;
    w.last_vos = vos;
    w.last_len = cks;
    return 0;
}

// One row: RID, VID, HID, VOS, FOS, CKS.
int restore_row(file_t *, sqlite3_stmt *stmt, void *data)
{
    ChunkWalk &w = *static_cast<ChunkWalk *>(static_cast<descriptor_data_t *>(data)->ctx);
    const int64_t rid = sqlite3_column_int64(stmt, 0), vid = sqlite3_column_int64(stmt, 1),
                  hid = sqlite3_column_int64(stmt, 2), vos = sqlite3_column_int64(stmt, 3),
                  fos = sqlite3_column_int64(stmt, 4), cks = sqlite3_column_int64(stmt, 5);
    const char *path = w.e->path.c_str();
    OLOG(OLOG_INFO, "#chunk %llu: rid=%lld,voffset=%lld,foffset=%lld,chunksize=%lld",
         static_cast<unsigned long long>(w.rows), static_cast<long long>(rid), static_cast<long long>(vos),
         static_cast<long long>(fos), static_cast<long long>(cks));
    if (cks <= 0) {
        OLOG(OLOG_ERROR, "Chunksize is smaller than 0.");
        return fail(EINVAL);
    }
    if (cks > COMPRESSOR_MAX_CHUNKSIZE)
        return VESK_CORRUPT("%s: chunk of %lld bytes", path, static_cast<long long>(cks));
    if (fos != w.end)
        return VESK_CORRUPT("%s: chunk rows do not rebuild the file: a row at %lld, the previous one ends at %lld",
                            path, static_cast<long long>(fos), static_cast<long long>(w.end));
    if (cks > w.e->size - fos)
        return VESK_CORRUPT("%s: chunk at %lld (%lld bytes) runs past the end (%lld bytes)", path,
                            static_cast<long long>(fos), static_cast<long long>(cks),
                            static_cast<long long>(w.e->size));
    w.end = fos + cks;
    ++w.rows;
    if (vid < 0)
        return 0; // in no vault: zeros, or bytes of the sparse part
    if (decode_chunk(w, hid, vid, vos, cks) != 0)
        return -1;
    if (w.t->fd >= 0 && write_all(w.t->fd, w.s->chunk_buf.data(), static_cast<size_t>(cks), fos) != 0) {
        int err = errno;
        OLOG(OLOG_ERROR, "%s: restore.write, %s", w.t->to, errtext(err));
        return fail(err);
    }
    uint64_t done = std::min(w.rows, w.total_rows);
    if (w.progress.report(static_cast<double>(done), static_cast<double>(w.total_rows)) != 0)
        return fail(EINTR);
    return 0;
}

// Every range the entry names, checked against the container.
int check_ranges(const fs_vesk_instance *s, const Entry &e)
{
    const char *path = e.path.c_str();
    if (!e.descriptor.present())
        return VESK_CORRUPT("%s: a deduplicated file without a descriptor", path);
    if (e.size < 0)
        return VESK_CORRUPT("%s: size %lld", path, static_cast<long long>(e.size));
    if (check_range(s, e.descriptor, "descriptor", path) != 0)
        return -1;
    if (e.shm.present() && check_range(s, e.shm, "descriptor-shm", path) != 0)
        return -1;
    if (e.wal.present() && check_range(s, e.wal, "descriptor-wal", path) != 0)
        return -1;
    if (e.sparse.present() && check_range(s, e.sparse, "sparse part", path) != 0)
        return -1;
    return 0;
}

// The descriptor and its companions into the work files; progress 0-20.
int extract_descriptor(fs_vesk_instance *s, const Entry &e, const Target &t, const WorkFiles &files)
{
    OLOG(OLOG_DEBUG, "%s: restore descriptor file (descriptor offset=%lld, size=%lld)", e.path.c_str(),
         static_cast<long long>(e.descriptor.offset), static_cast<long long>(e.descriptor.size));
    Progress p;
    p.cbk = t.cbk;
    p.record = &t.record;
    p.offset = 0;
    p.size = 20;
    if (extract(s, e.descriptor, files.descriptor, p) != 0)
        return -1;
    if (e.shm.present()) {
        OLOG(OLOG_DEBUG, "%s: restore descriptor-shm file", e.path.c_str());
        if (extract(s, e.shm, files.shm, Progress{}) != 0)
            return -1;
    }
    if (e.wal.present()) {
        OLOG(OLOG_DEBUG, "%s: restore descriptor-wal file", e.path.c_str());
        if (extract(s, e.wal, files.wal, Progress{}) != 0)
            return -1;
    }
    return 0;
}

// The sparse part at the start of the destination; never more bytes than
// the entry holds.
int write_sparse(fs_vesk_instance *s, const Entry &e, const Target &t)
{
    OLOG(OLOG_DEBUG, "%s: restore sparse file", e.path.c_str());
    if (::lseek(s->vesk->fd, static_cast<off_t>(e.sparse.offset), SEEK_SET) < 0 ||
        (t.fd >= 0 && ::lseek(t.fd, 0, SEEK_SET) < 0) || zstd_decode(s->vesk->fd, e.sparse.size, t.fd, e.size) < 0) {
        int err = errno;
        OLOG(OLOG_ERROR, "%s: copy_from_vesk failed", e.path.c_str());
        return fail(err);
    }
    return 0;
}

int walk_chunks(fs_vesk_instance *s, const Entry &e, const Target &t, file_t *descriptor, instance_t *engine)
{
    ChunkWalk w{s, &e, &t, engine, Progress{}};
    w.progress.cbk = t.cbk;
    w.progress.record = &t.record;
    w.progress.offset = e.sparse.present() ? 60 : 20;
    w.progress.size = e.sparse.present() ? 40 : 80;
    const auto *hdr = static_cast<const filehdr_t *>(descriptor->hdr);
    w.total_rows = hdr && hdr->num_chunks > 0 ? hdr->num_chunks : std::max<int64_t>(descriptor->num_blobs, 1);
    descriptor_data_t d{};
    d.lbound = 0;
    d.ubound = INT64_MAX;
    d.callback = restore_row;
    d.ctx = &w;
    OLOG(OLOG_DEBUG, "%s: restore file from descriptor", e.path.c_str());
    if (descriptor->fops->read_ranged_chunks(descriptor, &d) < 0) {
        int err = errno ? errno : EIO;
        OLOG(OLOG_ERROR, "%s: restore from vault, %s", e.path.c_str(), errtext(err));
        return fail(err);
    }
    return 0;
}

} // namespace

int rebuild_dedup(fs_vesk_instance *s, const Entry &e, const Target &t)
{
    OLOG(OLOG_DEBUG, "restore dedup file");
    if (check_ranges(s, e) != 0 || prepare_work_prefix(s) != 0 || load_vaults(s) != 0)
        return -1;
    OLOG(OLOG_DEBUG, "create empty file: size=%lld", static_cast<long long>(e.size));
    WorkFiles files(s->work_prefix);
    if (extract_descriptor(s, e, t, files) != 0)
        return -1;
    if (e.sparse.present() && write_sparse(s, e, t) != 0)
        return -1;
    // The tail beyond the rows (and the sparse part) reads as zeros.
    if (t.fd >= 0 && ::ftruncate(t.fd, static_cast<off_t>(e.size)) != 0) {
        int err = errno;
        OLOG(OLOG_ERROR, "%s: fallocate %llu, %s", t.to, static_cast<unsigned long long>(e.size), errtext(err));
        return fail(err);
    }
    Engine engine(s);
    if (engine.start() != 0)
        return fail(errno ? errno : EIO);
    FilePtr descriptor(file_open(files.descriptor.c_str(), &descriptor_operations, OS_O_RDWR, 0, nullptr));
    if (!descriptor) {
        int err = errno;
        OLOG(OLOG_ERROR, "%s: open failed, %s", files.descriptor.c_str(), errtext(err));
        return fail(err ? err : EIO);
    }
    return walk_chunks(s, e, t, descriptor.get(), engine.get());
}

} // namespace orvex::vesk
