// File restore: the session's restore-engine instance, the walk over a file's
// chunk descriptor (ovt chunks through the restore engine, tvt chunks through
// the library's own reader), the destination file and its time, and the
// check-only walk behind verify_file.
//
// The destination is written under a fresh temporary name in its folder and
// renamed over `dst_path` only once every byte and the time are in place: a
// failed or cancelled restore never leaves a partial file under the real
// name, an existing file that is being replaced survives a failure, and a
// link that sits at the destination is replaced, never written through.
#include "trellis_chunk.h"
#include "trellis_common.h"
#include "trellis_raii.h"
#include "trellis_tvt.h"

#include "restore.h"

#include <openssl/crypto.h>
#include <openssl/sha.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>

#if !defined(_WIN32)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace orvex::trellis {

namespace {

std::atomic<chunk_write_fn> g_write{nullptr};

ssize_t write_at(int fd, const char *data, size_t len, int64_t offset)
{
    chunk_write_fn hook = g_write.load(std::memory_order_relaxed);
    size_t done = 0;
    while (done < len) {
        ssize_t n = hook ? hook(fd, data + done, len - done, offset + static_cast<int64_t>(done))
                         : ::pwrite(fd, data + done, len - done, static_cast<off_t>(offset + done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return -1;
        }
        if (n == 0) {
            errno = ENOSPC; // no progress: the medium took nothing more
            return -1;
        }
        done += static_cast<size_t>(n);
    }
    return static_cast<ssize_t>(done);
}

std::string fmt016(long long v)
{
    char b[32];
    std::snprintf(b, sizeof b, "%016lld", v);
    return b;
}

// "0000000_%016X" of a vault number and its folder (the first 21 characters).
std::string vault_name(uint64_t number)
{
    char b[32];
    std::snprintf(b, sizeof b, "0000000_%016llX", static_cast<unsigned long long>(number));
    return b;
}

// The history state of an entry at or before a version.
struct EntryState {
    long long fd_vault_id = 0;
    long long fd_vault_index = 0;
    long long size = 0;
    long long mtime = 0;
    bool is_link = false;
    bool is_dir = false;
    bool deleted = false;
};

// 0 with the state, -1 no row, -999 failure. `*st` is kept by the caller.
int read_entry_state(sqlite3 *db, sqlite3_stmt **st, long long path_id, int version, EntryState &out)
{
    if (!*st && sqlite3_prepare_v2(db,
                                   "SELECT fd_vault_id, fd_vault_index, attr, symlink_source, is_dir, deleted "
                                   "FROM history WHERE path_id=? AND version<=? ORDER BY version DESC limit 1",
                                   -1, st, nullptr) != SQLITE_OK)
        return TV_FAILURE;
    struct Reset {
        sqlite3_stmt *s;
        ~Reset() { sqlite3_reset(s); }
    } reset{*st};
    sqlite3_bind_int64(*st, 1, path_id);
    sqlite3_bind_int(*st, 2, version);
    int rc = sqlite3_step(*st);
    if (rc == SQLITE_DONE)
        return -1;
    if (rc != SQLITE_ROW)
        return TV_FAILURE;
    out.fd_vault_id = sqlite3_column_int64(*st, 0);
    out.fd_vault_index = sqlite3_column_int64(*st, 1);
    attr_info a = parse_attr(sqlite3_column_blob(*st, 2), sqlite3_column_bytes(*st, 2));
    out.size = a.size;
    out.mtime = a.mtime; // the full 64-bit value, never cut to 32 bits
    const unsigned char *link = sqlite3_column_text(*st, 3);
    out.is_link = link && *link;
    out.is_dir = sqlite3_column_int(*st, 4) == 1;
    out.deleted = sqlite3_column_int64(*st, 5) != 0;
    return 0;
}

} // namespace

int open_descriptor(const TRELLIS_VESK_CLIENT *c, long long fd_vault_id, Db &db)
{
    if (fd_vault_id < 0 || fd_vault_id > 9999999999999999LL) {
        std::printf("descriptor number %lld out of range\n", fd_vault_id);
        return TV_FAILURE;
    }
    const std::string number = fmt016(fd_vault_id);
    const std::string folder = number.substr(0, 12);
    const std::string file = number + ".fdv";
    const std::string source = join(join(join(c->db_home, "filedesc"), folder), file);
    std::string path = source;
    if (c->use_temp) {
        const std::string local_dir = join(join(c->working_folder, "filedesc"), folder);
        if (is_folder_exist(local_dir) != 1)
            trellis_mkdir(local_dir);
        path = join(local_dir, file);
        if (is_file_exist(path) != 1) {
            // Copied under a private name and renamed: a copy cut short is
            // never taken for the descriptor by a later restore.
            std::string part = file + ".part";
            if (copy_file(source, local_dir, nullptr, part) != 0) {
                std::error_code ec;
                std::filesystem::remove(native_path(join(local_dir, part)), ec);
                return TV_FAILURE;
            }
            std::error_code ec;
            std::filesystem::rename(native_path(join(local_dir, part)), native_path(path), ec);
            if (ec)
                return TV_FAILURE;
        }
    }
    if (open_catalogue(path, SQLITE_OPEN_READONLY, db.out()) != 0)
        return TV_FAILURE;
    return TV_OK;
}

ChunkReader::ChunkReader(void *engine, const std::string &db_home, const char *password)
    : engine_(engine), db_home_(db_home)
{
    if (password && *password)
        make_32bits_key(password, key_);
}

ChunkReader::~ChunkReader()
{
    OPENSSL_cleanse(key_, sizeof key_);
}

int ChunkReader::read(long long vid, long long voff, char *buf, int cap)
{
    if (voff < 0 || vid < INT32_MIN || vid > INT32_MAX) {
        std::printf("chunk location out of range (vault %lld, offset %lld)\n", vid, voff);
        return -1;
    }
    int n;
    if (vid >= 0) {
        // The engine takes 32-bit vault offsets: a larger one would read
        // another chunk, so it is refused instead.
        if (voff > static_cast<long long>(UINT32_MAX)) {
            std::printf("vault offset %lld beyond what the restore engine can address\n", voff);
            return -1;
        }
        const std::string name = vault_name(static_cast<uint64_t>(vid));
        const std::string path = db_home_ + "/dedup/vault/" + name.substr(0, 21) + "/" + name + ".ovt";
        n = restore_read_chunk(engine_, path.c_str(), static_cast<uint32_t>(voff), buf, static_cast<uint32_t>(cap));
    } else {
        const long long number = -vid;
        if (number != tvt_number_ || !tvt_) {
            const std::string name = vault_name(static_cast<uint64_t>(number));
            const std::string path =
                join(join(join(join(db_home_, "dedup"), "vault"), name.substr(0, 21)), name + ".tvt");
            tvt_.reset(trellis_fopen(path, "rb"));
            tvt_number_ = tvt_ ? number : -1;
        }
        n = tvt_ ? tvt_read_chunk_from(tvt_.get(), key_, voff, buf, cap) : TVT_OPEN;
    }
    if (n < 0)
        std::printf("failed to read chunk, chunksize %d\n", n);
    return n;
}

namespace {

// The destination under construction: an unnamed file in the destination's
// folder (O_TMPFILE) that gets its name only when complete, or, where the
// file system cannot do that, a file under a fresh temporary name beside it.
class Destination {
public:
    ~Destination() { discard(); }

    // 0, or -999 when no file can be made in the folder.
    int create(const std::string &dst)
    {
        dst_ = native_path(dst).string();
        shown_ = dst;
        // The folder part: "." without a separator, "/" for a file at the root.
        std::vector<char> dir(kMaxPath + 2, '\0');
        if (trellis_vesk_dirname(dst_.c_str(), dir.data(), dir.size()) != 0) {
            dir[0] = '.';
            dir[1] = '\0';
        } else if (dir[0] == '\0') {
            dir[0] = '/';
            dir[1] = '\0';
        }
        folder_.assign(dir.data());
#if defined(O_TMPFILE)
        // Naming the file later goes through /proc; without it, use a name.
        static const bool proc = ::access("/proc/self/fd", X_OK) == 0;
        if (proc) {
            fd_ = ::open(folder_.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0644);
            if (fd_ >= 0) {
                anonymous_ = true;
                return TV_OK;
            }
        }
#endif
        for (int attempt = 0; attempt < 32; ++attempt) {
            tmp_ = fresh_name();
            // O_EXCL never follows a link, and the name is fresh.
            fd_ = ::open(tmp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
            if (fd_ >= 0)
                return TV_OK;
            if (errno != EEXIST)
                break;
        }
        std::printf("open %s failed, errno %d\n", shown_.c_str(), errno);
        tmp_.clear();
        return TV_FAILURE;
    }
    int fd() const { return fd_; }

    // Sets the time, closes the file and puts it in place under dst_path.
    // With `replace` 0 an entry that appeared there meanwhile is kept and
    // the restore fails. 0, -4 when the disk is full, -999.
    int complete(long long mtime, bool replace)
    {
        timespec ts[2];
        ts[0].tv_sec = static_cast<time_t>(mtime);
        ts[0].tv_nsec = 0;
        ts[1] = ts[0];
        if (::futimens(fd_, ts) != 0)
            std::printf("cannot set the time of %s, errno %d\n", shown_.c_str(), errno);
        if (anonymous_) {
            std::string proc = "/proc/self/fd/" + std::to_string(fd_);
            if (::linkat(AT_FDCWD, proc.c_str(), AT_FDCWD, dst_.c_str(), AT_SYMLINK_FOLLOW) == 0) {
                if (close_fd() == 0)
                    return TV_OK;
                int err = errno; // a late write error: the file is not whole
                ::unlink(dst_.c_str());
                return err == ENOSPC ? TV_SHORT_WRITE : TV_FAILURE;
            }
            if (errno != EEXIST || !replace) {
                std::printf("cannot put %s in place, errno %d\n", shown_.c_str(), errno);
                return TV_FAILURE;
            }
            // Replacing: a private name first, then one rename over the old
            // entry (a link there is replaced, not followed).
            for (int attempt = 0; attempt < 32 && tmp_.empty(); ++attempt) {
                std::string name = fresh_name();
                if (::linkat(AT_FDCWD, proc.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
                    tmp_ = name;
                else if (errno != EEXIST)
                    break;
            }
            if (close_fd() != 0) {
                int err = errno;
                discard();
                return err == ENOSPC ? TV_SHORT_WRITE : TV_FAILURE;
            }
            if (tmp_.empty()) {
                std::printf("cannot put %s in place, errno %d\n", shown_.c_str(), errno);
                return TV_FAILURE;
            }
            return rename_into_place(true);
        }
        int rc = close_fd();
        if (rc != 0)
            return errno == ENOSPC ? TV_SHORT_WRITE : TV_FAILURE;
        return rename_into_place(replace);
    }

    void discard()
    {
        close_fd(); // an unnamed file vanishes with its descriptor
        if (!tmp_.empty())
            ::unlink(tmp_.c_str());
        tmp_.clear();
    }

private:
    std::string fresh_name() const
    {
        static const char chars[] = "abcdefghijklmnopqrstuvwxyz0123456789";
        std::random_device rd;
        std::string name = folder_ + "/.orvex-restore-";
        for (int i = 0; i < 8; ++i)
            name += chars[rd() % (sizeof chars - 1)];
        return name;
    }

    int close_fd()
    {
        int rc = 0;
        if (fd_ >= 0)
            rc = ::close(fd_);
        fd_ = -1;
        return rc;
    }

    int rename_into_place(bool replace)
    {
        int rc;
#if defined(RENAME_NOREPLACE)
        if (!replace) {
            rc = ::renameat2(AT_FDCWD, tmp_.c_str(), AT_FDCWD, dst_.c_str(), RENAME_NOREPLACE);
            if (rc != 0 && errno == EINVAL) // file system without the flag
                rc = ::rename(tmp_.c_str(), dst_.c_str());
        } else
#endif
        {
            (void)replace;
            rc = ::rename(tmp_.c_str(), dst_.c_str());
        }
        if (rc != 0) {
            std::printf("cannot put %s in place, errno %d\n", shown_.c_str(), errno);
            return TV_FAILURE;
        }
        tmp_.clear();
        return TV_OK;
    }

    std::string dst_, shown_, folder_, tmp_;
    int fd_ = -1;
    bool anonymous_ = false;
};

struct FreeDeleter {
    void operator()(char *p) const { std::free(p); }
};

// Kept by the session between restores: files of one folder share their
// descriptor databases, and the 60 MiB buffer need not be mapped anew for
// every file (its pages are touched only as far as chunks reach).
struct RestoreState {
    // Statements on the session's catalogue, prepared once.
    sqlite3_stmt *version_st = nullptr, *root_st = nullptr, *step_st = nullptr, *history_st = nullptr;
    long long desc_number = -1;
    Db desc;
    sqlite3_stmt *chunks_st = nullptr; // on `desc`
    std::unique_ptr<char, FreeDeleter> buf;

    ~RestoreState()
    {
        drop_descriptor();
        for (sqlite3_stmt *st : {version_st, root_st, step_st, history_st})
            sqlite3_finalize(st);
    }
    void drop_descriptor()
    {
        sqlite3_finalize(chunks_st);
        chunks_st = nullptr;
        desc.reset();
        desc_number = -1;
    }
};

RestoreState &state_of(TRELLIS_VESK_CLIENT *c)
{
    if (!c->restore_state) {
        c->restore_state = new RestoreState;
        // A working copy of our own (temporary mode) is read by this session
        // alone: keeping its lock spares a lock, unlock and header read for
        // every statement of every restore.
        if (c->use_temp)
            sqlite3_exec(c->db, "PRAGMA locking_mode=EXCLUSIVE", nullptr, nullptr, nullptr);
    }
    return *static_cast<RestoreState *>(c->restore_state);
}

// The chunk walk shared by restore and verify. `fd` < 0: read and check
// only. `report(progress)` returns non-zero to cancel.
template <typename Report>
int walk_chunks(TRELLIS_VESK_CLIENT *c, const EntryState &e, int fd, Report &&report)
{
    RestoreState &rs = state_of(c);
    if (rs.desc_number != e.fd_vault_id || !rs.desc) {
        rs.drop_descriptor();
        if (open_descriptor(c, e.fd_vault_id, rs.desc) != TV_OK)
            return TV_FAILURE;
        // Read-only: the shared lock is kept while the descriptor serves
        // consecutive files, instead of being taken again for every query.
        sqlite3_exec(rs.desc.get(), "PRAGMA locking_mode=EXCLUSIVE", nullptr, nullptr, nullptr);
        if (sqlite3_prepare_v2(rs.desc.get(),
                               "SELECT file_offset, vault_id, vault_offset FROM filedesc WHERE fd_index=? "
                               "ORDER BY file_offset ASC",
                               -1, &rs.chunks_st, nullptr) != SQLITE_OK) {
            rs.drop_descriptor();
            return TV_FAILURE;
        }
        rs.desc_number = e.fd_vault_id;
    }
    sqlite3_stmt *const st = rs.chunks_st;
    struct Reset {
        sqlite3_stmt *s;
        ~Reset() { sqlite3_reset(s); }
    } reset{st};
    sqlite3_bind_int64(st, 1, e.fd_vault_index);
    if (!rs.buf)
        rs.buf.reset(static_cast<char *>(std::malloc(kRestoreBufferSize)));
    if (!rs.buf)
        return TV_FAILURE;
    char *const buf = rs.buf.get();

    ChunkReader reader(c->dedup_restore_instance, c->db_home, c->decrypt_password);
    bool have_last = false;
    long long last_vid = 0, last_voff = 0;
    int last_len = 0;
    long long written = 0;
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        const long long file_offset = sqlite3_column_int64(st, 0);
        const long long vid = sqlite3_column_int64(st, 1);
        const long long voff = sqlite3_column_int64(st, 2);
        if (file_offset < 0) {
            std::printf("descriptor row out of range (file offset %lld)\n", file_offset);
            return TV_FAILURE;
        }
        if (!have_last || vid != last_vid || voff != last_voff) {
            const int n = reader.read(vid, voff, buf, kRestoreBufferSize);
            if (n < 0)
                return TV_FAILURE;
            have_last = true;
            last_vid = vid;
            last_voff = voff;
            last_len = n;
        }
        if (fd >= 0 && last_len > 0 && write_at(fd, buf, static_cast<size_t>(last_len), file_offset) < 0) {
            int err = errno;
            std::printf("write failed, errno %d\n", err);
            return err == ENOSPC ? TV_SHORT_WRITE : TV_FAILURE;
        }
        written += last_len;
        float progress = static_cast<float>(written) / static_cast<float>(e.size) * 100.0f;
        if (report(progress) != 0)
            return TV_FAILURE;
    }
    return rc == SQLITE_DONE ? TV_OK : TV_FAILURE;
}

// The version and the path's row id; TV_OK with `id`, or the call's result.
int find_path(TRELLIS_VESK_CLIENT *c, int version, const char *path, long long &id)
{
    RestoreState &rs = state_of(c);
    if (!rs.version_st && sqlite3_prepare_v2(c->db, "SELECT version_no FROM version WHERE version_no=?", -1,
                                             &rs.version_st, nullptr) != SQLITE_OK)
        return TV_FAILURE;
    sqlite3_bind_int(rs.version_st, 1, version);
    int rc = sqlite3_step(rs.version_st);
    sqlite3_reset(rs.version_st);
    if (rc == SQLITE_DONE)
        return TV_NO_VERSION;
    if (rc != SQLITE_ROW)
        return TV_FAILURE;
    id = get_path_id_cached(c->db, path, &rs.root_st, &rs.step_st);
    if (id == -1)
        return TV_NOT_FOUND;
    return id < 0 ? TV_FAILURE : TV_OK;
}

// The state of path row `id` in `version`: TV_OK for a file that exists there.
int entry_state(TRELLIS_VESK_CLIENT *c, long long id, int version, const char *path, EntryState &e)
{
    int rc = read_entry_state(c->db, &state_of(c).history_st, id, version, e);
    if (rc == -1) {
        std::printf("unknown error, cannot get vault id, vault index\n");
        return TV_FAILURE;
    }
    if (rc != 0)
        return TV_FAILURE;
    // A path deleted in this version does not exist there: restoring its
    // last recorded state would hand back a file the version does not hold.
    if (e.deleted)
        return TV_NOT_FOUND;
    if (e.is_dir) {
        std::printf("%s is a folder in version %d\n", path, version);
        return TV_FAILURE;
    }
    return TV_OK;
}

// The version, the path and the entry's state.
int find_entry(TRELLIS_VESK_CLIENT *c, int version, const char *path, EntryState &e)
{
    long long id = 0;
    int rc = find_path(c, version, path, id);
    if (rc != TV_OK)
        return rc;
    return entry_state(c, id, version, path, e);
}

int restore_file(TRELLIS_VESK_CLIENT *c, int version, const char *path, const char *dst_path, int overwrite,
                 trellis_vesk_restore_file_progress_cbk cbk, void *user_data)
{
    if (!c || !c->db || !path || !dst_path || !*dst_path || !cbk)
        return TV_FAILURE;
    long long id = 0;
    int rc = find_path(c, version, path, id);
    if (rc != TV_OK)
        return rc;

    // The destination, looked at without following a final link.
    struct stat sb;
    const std::string native_dst = native_path(dst_path).string();
    bool exists = true;
    if (::lstat(native_dst.c_str(), &sb) != 0) {
        if (errno != ENOENT)
            return TV_FAILURE;
        exists = false;
    }
    if (exists && S_ISDIR(sb.st_mode))
        return TV_FAILURE;
    if (exists && !overwrite) {
        cbk(c, version, path, dst_path, -1, 0.0f, user_data);
        return TV_FAILURE;
    }

    EntryState e;
    rc = entry_state(c, id, version, path, e);
    if (rc != TV_OK)
        return rc;

    // Start report, then a temporary destination that is named only when complete.
    if (cbk(c, version, path, dst_path, 0, 0.0f, user_data) != 0)
        return TV_FAILURE;
    Destination dst;
    if (dst.create(dst_path) != TV_OK)
        return TV_FAILURE;

    // Links and empty files carry no data.
    if (!e.is_link && e.size != 0) {
        rc = walk_chunks(c, e, dst.fd(), [&](float progress) {
            return cbk(c, version, path, dst_path, 0, progress, user_data);
        });
        if (rc != TV_OK)
            return rc; // the temporary file goes with `dst`
    }
    // Name the file, set its time, report completion.
    if ((rc = dst.complete(e.mtime, overwrite != 0)) != TV_OK)
        return rc;
    if (cbk(c, version, path, dst_path, 1, 100.0f, user_data) != 0) {
        ::unlink(native_dst.c_str());
        return TV_FAILURE;
    }
    return TV_OK;
}

} // namespace

void release_restore_state(TRELLIS_VESK_CLIENT *client)
{
    if (client && client->restore_state) {
        delete static_cast<RestoreState *>(client->restore_state);
        client->restore_state = nullptr;
    }
}

void set_chunk_write_hook(chunk_write_fn fn)
{
    g_write.store(fn, std::memory_order_relaxed);
}

void *make_restore_engine(const TRELLIS_VESK_CLIENT *client)
{
    const std::string vault_dir = join(join(client->db_home, "dedup"), "vault");
    void *inst = restore_create_instance();
    if (!inst) {
        std::printf("failed to create restore instance\n");
        return nullptr;
    }
    // A folder whose files all live in tvt vaults (or that has no data at
    // all) has no vault folder: the set-up goes on without it, quietly, as
    // there is nothing to point the engine at.
    if (is_folder_exist(vault_dir) == 1 && restore_set_path(inst, vault_dir.c_str(), RESTORE_PATH_VAULTDIR) != 0)
        std::printf("failed to set vault dir\n");
    bool ok = true;
    if (client->decrypt_password[0]) {
        unsigned char key[SHA256_DIGEST_LENGTH];
        SHA256(reinterpret_cast<const unsigned char *>(client->decrypt_password),
               std::strlen(client->decrypt_password), key);
        int rc = restore_set_decrypter(inst, "aes-256", key, sizeof key);
        OPENSSL_cleanse(key, sizeof key);
        if (rc != 0) {
            std::printf("failed to set decrypter\n");
            ok = false;
        }
    }
    if (ok && restore_set_sort_method(inst, "read-chunk") != 0) {
        std::printf("failed to set sort method\n");
        ok = false;
    }
    if (ok && restore_start_instance(inst) != 0) {
        std::printf("failed to start instance\n");
        ok = false;
    }
    if (!ok) {
        restore_destroy_instance(inst);
        return nullptr;
    }
    return inst;
}

int initialize_dedup_restore_instance(TRELLIS_VESK_CLIENT *client)
{
    void *inst = client ? make_restore_engine(client) : nullptr;
    if (!inst)
        return -1;
    client->dedup_restore_instance = inst;
    return 0;
}

int verify_file(TRELLIS_VESK_CLIENT *c, int version, const char *path, verify_progress_fn progress, void *user_data)
{
    if (!c || !c->db || !path)
        return TV_FAILURE;
    try {
        EntryState e;
        int rc = find_entry(c, version, path, e);
        if (rc != TV_OK)
            return rc;
        if (e.is_link || e.size == 0)
            return TV_OK;
        return walk_chunks(c, e, -1, [&](float p) { return progress ? progress(p, user_data) : 0; });
    } catch (...) {
        return TV_FAILURE;
    }
}

} // namespace orvex::trellis

using namespace orvex::trellis;

extern "C" TRELLIS_VESK_API int trellis_vesk_restore_file(void *trellis_vesk_inst, int version_id, const char *path,
                                                          const char *dst_path, int overwrite,
                                                          trellis_vesk_restore_file_progress_cbk progress_cbk,
                                                          void *user_data) noexcept
{
    try {
        return restore_file(static_cast<TRELLIS_VESK_CLIENT *>(trellis_vesk_inst), version_id, path, dst_path,
                            overwrite, progress_cbk, user_data);
    } catch (...) {
        return TV_FAILURE;
    }
}
