// File restore: the session's restore-engine instance, the walk over a file's
// chunk descriptor (ovt chunks through the restore engine, tvt chunks through
// the library's own reader), the destination file and its time, and the
// check-only walk behind verify_file.
//
// The destination is a pending file (util/pending_file.h) named `dst_path`
// only once every byte and the time are in place: a failed or cancelled
// restore never leaves a partial file under the real name, an existing file
// that is being replaced survives a failure, and a link that sits at the
// destination is replaced, never written through.
#include "trellis_chunk.h"
#include "trellis_common.h"
#include "trellis_raii.h"
#include "trellis_tvt.h"

#include "restore.h"
#include "util/pending_file.h"

#include <openssl/crypto.h>
#include <openssl/sha.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#if !defined(_WIN32)
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace orvex::trellis {

namespace {

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
    int attr_len = 0; // bytes of the attribute record
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
    out.attr_len = sqlite3_column_bytes(*st, 2);
    attr_info a = parse_attr(sqlite3_column_blob(*st, 2), out.attr_len);
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
            if (int rc = copy_file(source, local_dir, nullptr, part); rc != 0) {
                // A full working folder is a full disk, not a damaged backup.
                const bool full = rc == -1 && (errno == ENOSPC || errno == EDQUOT);
                if (full)
                    std::printf("cannot copy %s into the working folder: the disk is full\n", source.c_str());
                std::error_code ec;
                std::filesystem::remove(native_path(join(local_dir, part)), ec);
                return full ? TV_SHORT_WRITE : TV_FAILURE;
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

int ChunkReader::read(long long vid, long long voff, char *buf, int cap, long long *unchecked)
{
    if (voff < 0 || vid < INT32_MIN || vid > INT32_MAX) {
        std::printf("chunk location out of range (vault %lld, offset %lld)\n", vid, voff);
        return -1;
    }
    const long long number = vid >= 0 ? vid : -vid;
    const std::string name = vault_name(static_cast<uint64_t>(number));
    int n;
    std::string vault;
    if (vid >= 0) {
        vault = db_home_ + "/dedup/vault/" + name.substr(0, 21) + "/" + name + ".ovt";
        // The engine takes 32-bit vault offsets: a larger one would read
        // another chunk, so it is refused instead.
        if (voff > static_cast<long long>(UINT32_MAX)) {
            std::printf("vault offset %lld beyond what the restore engine can address\n", voff);
            return -1;
        }
        n = engine_ ? restore_read_chunk(engine_, vault.c_str(), static_cast<uint32_t>(voff), buf,
                                         static_cast<uint32_t>(cap))
                    : -1;
    } else {
        vault = join(join(join(join(db_home_, "dedup"), "vault"), name.substr(0, 21)), name + ".tvt");
        if (number != tvt_number_ || !tvt_) {
            tvt_.reset(fopen_backup_file(vault));
            tvt_number_ = tvt_ ? number : -1;
        }
        TvtDigest how = TvtDigest::None;
        n = tvt_ ? tvt_read_chunk_from(tvt_.get(), key_, voff, buf, cap, &how) : TVT_OPEN;
        if (n >= 0 && how == TvtDigest::None && unchecked)
            ++*unchecked;
    }
    if (n < 0) {
        std::printf("failed to read chunk, chunksize %d\n", n);
        std::printf("chunk at offset %lld of %s: %s\n", voff, native_path(vault).c_str(),
                    vid < 0 ? tvt_result_text(n) : "unreadable, damaged beyond repair, or wrong password");
        return -1;
    }
    return n;
}

namespace {

// The destination under construction (util/pending_file.h): it gets its
// name only when complete.
struct PendingDiscard {
    void operator()(pending_file_t *f) const { pending_file_discard(f); }
};
using Destination = std::unique_ptr<pending_file_t, PendingDiscard>;

struct FreeDeleter {
    void operator()(char *p) const { std::free(p); }
};

// One chunk row of a descriptor.
struct ChunkRow {
    long long fd_index, file_offset, vault_id, vault_offset;
};

// The rows of a descriptor database, read whole and in order.
struct HeldDescriptor {
    long long number = -1;
    std::vector<ChunkRow> rows; // by fd_index, then file_offset
    unsigned long long used = 0;
};

// A restore walks folders, and the files of one folder come from many
// descriptors (numbered as the backup met them), so a descriptor opened per
// file costs an open, locks, journal probes and a schema parse nearly every
// file. Descriptors are small: their rows are read once and held, up to
// kHeldRows rows (32 bytes each) over all held descriptors, the ones used
// longest ago dropped first. A descriptor of more than kHeldRowsEach rows is
// not held but kept open and queried per file, as its files are large.
constexpr size_t kHeldRows = 256 * 1024;
constexpr size_t kHeldRowsEach = kHeldRows / 4;

struct HoldLimits {
    size_t total = kHeldRows;
    size_t each = kHeldRowsEach;
};

// Kept by the session between restores: the descriptors files share, and
// the 60 MiB buffer need not be mapped anew for every file (its pages are
// touched only as far as chunks reach).
struct RestoreState {
    // Statements on the session's catalogue, prepared once.
    sqlite3_stmt *version_st = nullptr, *history_st = nullptr;
    std::optional<int> known_version; // found in the catalogue
    HoldLimits limits;
    std::vector<HeldDescriptor> held;
    size_t held_rows = 0;
    unsigned long long clock = 0;
    // The descriptor too large to hold that was used last, with its query.
    long long open_number = -1;
    Db open_db;
    Stmt open_chunks;
    std::unique_ptr<char, FreeDeleter> buf;

    ~RestoreState()
    {
        close_open();
        for (sqlite3_stmt *st : {version_st, history_st})
            sqlite3_finalize(st);
    }
    void close_open()
    {
        open_chunks.reset(); // before its connection
        open_db.reset();
        open_number = -1;
    }
    HeldDescriptor *find(long long number)
    {
        for (HeldDescriptor &d : held)
            if (d.number == number) {
                d.used = ++clock;
                return &d;
            }
        return nullptr;
    }
    HeldDescriptor &hold(long long number, std::vector<ChunkRow> rows)
    {
        while (!held.empty() && held_rows + rows.size() > limits.total) {
            auto oldest = std::min_element(held.begin(), held.end(), [](const HeldDescriptor &a,
                                                                         const HeldDescriptor &b) {
                return a.used < b.used;
            });
            held_rows -= oldest->rows.size();
            std::swap(*oldest, held.back());
            held.pop_back();
        }
        held_rows += rows.size();
        return held.emplace_back(HeldDescriptor{number, std::move(rows), ++clock});
    }
};

// The chunk rows of one file: a slice of a held descriptor, or the rows a
// query on a descriptor too large to hold steps through.
class FileRows {
public:
    FileRows(const ChunkRow *first, const ChunkRow *last) : p_(first), end_(last) {}
    explicit FileRows(sqlite3_stmt *st) : st_(st) {}
    ~FileRows()
    {
        if (st_)
            sqlite3_reset(st_);
    }
    FileRows(const FileRows &) = delete;
    FileRows &operator=(const FileRows &) = delete;
    // 1 with the next row, 0 after the last, -1 when the query failed.
    int next(ChunkRow &r)
    {
        if (!st_) {
            if (p_ == end_)
                return 0;
            r = *p_++;
            return 1;
        }
        int rc = sqlite3_step(st_);
        if (rc != SQLITE_ROW)
            return rc == SQLITE_DONE ? 0 : -1;
        r = {0, sqlite3_column_int64(st_, 0), sqlite3_column_int64(st_, 1), sqlite3_column_int64(st_, 2)};
        return 1;
    }

private:
    const ChunkRow *p_ = nullptr, *end_ = nullptr;
    sqlite3_stmt *st_ = nullptr;
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

// Where the rows of a file stand against its recorded size: each row must
// start where the one before it ended, and the last must end at the size.
// There is no way to mark a hole in a descriptor, so every byte needs a row.
class Coverage {
public:
    Coverage(const char *path, long long size) : path_(path), size_(size) {}
    // Before reading the chunk of a row at `offset`.
    bool starts_at(long long offset) const
    {
        if (offset == end_)
            return true;
        std::printf("chunk rows of %s %s at offset %lld (expected %lld)\n", path_,
                    offset < end_ ? "overlap" : "leave a gap", offset, end_);
        return false;
    }
    // After reading it: `len` bytes from the row's offset.
    bool takes(long long len)
    {
        if (len > size_ - end_) {
            std::printf("chunk rows of %s pass its end: %lld bytes at offset %lld of %lld\n", path_, len, end_,
                        size_);
            return false;
        }
        end_ += len;
        return true;
    }
    // After the last row.
    bool complete() const
    {
        if (end_ == size_)
            return true;
        std::printf("chunk rows of %s cover %lld of its %lld bytes\n", path_, end_, size_);
        return false;
    }

private:
    const char *path_;
    long long size_;
    long long end_ = 0;
};

// Reads every row of descriptor `number` into `rows`; TV_OK, or TV_OK with
// `d` kept open and `rows` cleared when the descriptor has more rows than
// are held, or the failure.
int read_descriptor(TRELLIS_VESK_CLIENT *c, long long number, size_t most, Db &d, std::vector<ChunkRow> &rows)
{
    if (int rc = open_descriptor(c, number, d); rc != TV_OK)
        return rc;
    // Read-only: the shared lock is kept while the descriptor is open,
    // instead of being taken again for every query.
    sqlite3_exec(d.get(), "PRAGMA locking_mode=EXCLUSIVE", nullptr, nullptr, nullptr);
    Stmt all;
    if (all.prepare(d.get(), "SELECT fd_index, file_offset, vault_id, vault_offset FROM filedesc "
                             "ORDER BY fd_index, file_offset") != SQLITE_OK) {
        std::printf("descriptor %lld cannot be read: %s\n", number, sqlite3_errmsg(d.get()));
        return TV_FAILURE;
    }
    int rc;
    while ((rc = sqlite3_step(all.get())) == SQLITE_ROW) {
        if (rows.size() == most) {
            rows.clear();
            return TV_OK;
        }
        rows.push_back({sqlite3_column_int64(all.get(), 0), sqlite3_column_int64(all.get(), 1),
                        sqlite3_column_int64(all.get(), 2), sqlite3_column_int64(all.get(), 3)});
    }
    if (rc != SQLITE_DONE) {
        std::printf("descriptor %lld cannot be read: %s\n", number, sqlite3_errmsg(d.get()));
        return TV_FAILURE;
    }
    d.reset();
    return TV_OK;
}

// The rows of the file `e` names, from a held descriptor, or read now.
int file_rows(TRELLIS_VESK_CLIENT *c, RestoreState &rs, const EntryState &e, std::optional<FileRows> &out)
{
    HeldDescriptor *held = rs.find(e.fd_vault_id);
    if (!held && rs.open_number != e.fd_vault_id) {
        Db d;
        std::vector<ChunkRow> rows;
        if (int rc = read_descriptor(c, e.fd_vault_id, rs.limits.each, d, rows); rc != TV_OK)
            return rc;
        if (!d) {
            held = &rs.hold(e.fd_vault_id, std::move(rows));
        } else {
            rs.close_open();
            rs.open_db = std::move(d);
            if (rs.open_chunks.prepare(rs.open_db.get(), "SELECT file_offset, vault_id, vault_offset FROM filedesc "
                                                         "WHERE fd_index=? ORDER BY file_offset ASC") != SQLITE_OK) {
                std::printf("descriptor %lld cannot be read: %s\n", e.fd_vault_id, sqlite3_errmsg(rs.open_db.get()));
                rs.close_open();
                return TV_FAILURE;
            }
            rs.open_number = e.fd_vault_id;
        }
    }
    if (held) {
        auto range = std::equal_range(held->rows.begin(), held->rows.end(), ChunkRow{e.fd_vault_index, 0, 0, 0},
                                      [](const ChunkRow &a, const ChunkRow &b) { return a.fd_index < b.fd_index; });
        const ChunkRow *base = held->rows.data();
        out.emplace(base + (range.first - held->rows.begin()), base + (range.second - held->rows.begin()));
        return TV_OK;
    }
    sqlite3_bind_int64(rs.open_chunks.get(), 1, e.fd_vault_index);
    out.emplace(rs.open_chunks.get());
    return TV_OK;
}

// The chunk walk shared by restore and verify: every chunk read is checked
// (ovt chunks by the restore engine, tvt chunks against their digest), and
// the rows must rebuild exactly the recorded size. `fd` < 0: read and check
// only. `report(progress)` returns non-zero to cancel. `unchecked` (may be
// null) counts tvt chunks read that carry no digest.
template <typename Report>
int walk_chunks(TRELLIS_VESK_CLIENT *c, const char *path, const EntryState &e, int fd, long long *unchecked,
                Report &&report)
{
    RestoreState &rs = state_of(c);
    std::optional<FileRows> rows;
    if (int rc = file_rows(c, rs, e, rows); rc != TV_OK)
        return rc;
    if (!rs.buf)
        rs.buf.reset(static_cast<char *>(std::malloc(kRestoreBufferSize)));
    if (!rs.buf)
        return TV_FAILURE;
    char *const buf = rs.buf.get();

    ChunkReader reader(c->dedup_restore_instance, c->db_home, c->decrypt_password);
    bool have_last = false;
    long long last_vid = 0, last_voff = 0;
    int last_len = 0;
    Coverage cover(path, e.size);
    ChunkRow row;
    int rc;
    while ((rc = rows->next(row)) == 1) {
        const long long file_offset = row.file_offset;
        const long long vid = row.vault_id;
        const long long voff = row.vault_offset;
        if (file_offset < 0) {
            std::printf("descriptor row out of range (file offset %lld)\n", file_offset);
            return TV_FAILURE;
        }
        if (!cover.starts_at(file_offset))
            return TV_FAILURE;
        // A row that repeats the chunk read last is written from the buffer.
        if (!have_last || vid != last_vid || voff != last_voff) {
            last_len = reader.read(vid, voff, buf, kRestoreBufferSize, unchecked);
            if (last_len < 0)
                return TV_FAILURE;
            have_last = true;
            last_vid = vid;
            last_voff = voff;
        }
        if (!cover.takes(last_len))
            return TV_FAILURE;
        if (fd >= 0 && last_len > 0 && write_all_at(fd, buf, static_cast<size_t>(last_len), file_offset) < 0) {
            int err = errno;
            std::printf("write failed, errno %d\n", err);
            return err == ENOSPC ? TV_SHORT_WRITE : TV_FAILURE;
        }
        float progress = static_cast<float>(file_offset + last_len) / static_cast<float>(e.size) * 100.0f;
        if (report(progress) != 0)
            return TV_FAILURE;
    }
    if (rc != 0)
        return TV_FAILURE;
    return cover.complete() ? TV_OK : TV_FAILURE;
}

// The version and the path's row id; TV_OK with `id`, or the call's result.
int find_path(TRELLIS_VESK_CLIENT *c, int version, const char *path, long long &id)
{
    RestoreState &rs = state_of(c);
    // The session's catalogue does not change: a version found once is
    // there for every later file of it.
    if (version != rs.known_version) {
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
        rs.known_version = version;
    }
    id = resolve_path(c, path);
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
    // A record too short for its size and time would restore a file with
    // data as an empty file dated 1970.
    if (e.attr_len < kAttrMinBytes) {
        std::printf("attribute record of %s is %d bytes, too short for its size and time\n", path, e.attr_len);
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
    Destination dst(pending_file_create(dst_path));
    if (!dst) {
        std::printf("open %s failed, errno %d\n", dst_path, errno);
        return TV_FAILURE;
    }

    // Links and empty files carry no data.
    if (!e.is_link && e.size != 0) {
        rc = walk_chunks(c, path, e, pending_file_fd(dst.get()), nullptr, [&](float progress) {
            return cbk(c, version, path, dst_path, 0, progress, user_data);
        });
        if (rc != TV_OK)
            return rc; // the temporary file goes with `dst`
    }
    // Name the file, set its time, report completion.
    if (pending_file_commit(dst.release(), e.mtime, 1, overwrite != 0) != 0) {
        int err = errno;
        std::printf("cannot put %s in place, errno %d\n", dst_path, err);
        return err == ENOSPC ? TV_SHORT_WRITE : TV_FAILURE;
    }
    if (cbk(c, version, path, dst_path, 1, 100.0f, user_data) != 0) {
        ::unlink(native_dst.c_str());
        return TV_FAILURE;
    }
    return TV_OK;
}

} // namespace

void set_held_descriptor_rows(TRELLIS_VESK_CLIENT *client, size_t total, size_t each)
{
    RestoreState &rs = state_of(client);
    rs.held.clear();
    rs.held_rows = 0;
    rs.close_open();
    rs.limits = HoldLimits{total, each};
}

void release_restore_state(TRELLIS_VESK_CLIENT *client)
{
    if (client && client->restore_state) {
        delete static_cast<RestoreState *>(client->restore_state);
        client->restore_state = nullptr;
    }
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

int verify_file(TRELLIS_VESK_CLIENT *c, int version, const char *path, verify_progress_fn progress, void *user_data,
                long long *unchecked_chunks)
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
        return walk_chunks(c, path, e, -1, unchecked_chunks,
                           [&](float p) { return progress ? progress(p, user_data) : 0; });
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

namespace {

struct VerifyReport {
    void *inst;
    int version;
    const char *path;
    trellis_vesk_verify_progress_cbk cbk;
    void *user_data;
};

int report_verify(float progress, void *user)
{
    auto *r = static_cast<VerifyReport *>(user);
    return r->cbk ? r->cbk(r->inst, r->version, r->path, progress, r->user_data) : 0;
}

} // namespace

extern "C" TRELLIS_VESK_API int trellis_vesk_verify_file(void *trellis_vesk_inst, int version_id, const char *path,
                                                         trellis_vesk_verify_progress_cbk progress_cbk,
                                                         trellis_vesk_verify_info *info, void *user_data) noexcept
{
    if (info)
        *info = trellis_vesk_verify_info{0};
    try {
        VerifyReport r{trellis_vesk_inst, version_id, path, progress_cbk, user_data};
        return verify_file(static_cast<TRELLIS_VESK_CLIENT *>(trellis_vesk_inst), version_id, path, report_verify,
                           &r, info ? &info->unchecked_chunks : nullptr);
    } catch (...) {
        return TV_FAILURE;
    }
}
