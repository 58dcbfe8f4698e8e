// Catalogue paths, the latest state of an entry at or before a version, the
// folder listing and the recursive statistics.
//
// An entry's state in version V is its history row with the highest version
// not above V; when that row is marked deleted the entry does not exist in V.
#include "trellis_common.h"
#include "trellis_raii.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>
#include <unordered_set>

namespace orvex::trellis {

namespace {

// One row per path under a folder: its latest state at or before the version.
// The sub-select is one seek in the (path_id, version) index of the viewer copy.
const char *kChildrenSql =
    "SELECT p.rowid, p.name, h.is_dir, h.attr, h.deleted FROM path p, history h "
    "WHERE p.pid=?1 AND h.rowid=(SELECT rowid FROM history WHERE path_id=p.rowid AND version<=?2 "
    "ORDER BY version DESC LIMIT 1)";

uint64_t be64(const unsigned char *p)
{
    uint64_t v = 0;
    for (int i = 0; i < 8; ++i)
        v = (v << 8) | p[i];
    return v;
}

uint32_t be32(const unsigned char *p)
{
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | uint32_t(p[3]);
}

bool index_exists(sqlite3 *db, const char *table, const char *first, const char *second)
{
    Stmt st;
    if (st.prepare(db, "SELECT l.name FROM pragma_index_list(?1) l") != SQLITE_OK)
        return false;
    sqlite3_bind_text(st.get(), 1, table, -1, SQLITE_STATIC);
    while (sqlite3_step(st.get()) == SQLITE_ROW) {
        std::string index = reinterpret_cast<const char *>(sqlite3_column_text(st.get(), 0));
        Stmt cols;
        if (cols.prepare(db, "SELECT name FROM pragma_index_info(?1) ORDER BY seqno") != SQLITE_OK)
            return false;
        sqlite3_bind_text(cols.get(), 1, index.c_str(), -1, SQLITE_TRANSIENT);
        std::vector<std::string> names;
        while (sqlite3_step(cols.get()) == SQLITE_ROW) {
            const unsigned char *t = sqlite3_column_text(cols.get(), 0);
            names.emplace_back(t ? reinterpret_cast<const char *>(t) : "");
        }
        if (names.size() >= 2 && names[0] == first && names[1] == second)
            return true;
    }
    return false;
}

struct Entry {
    std::string name;
    long long size;
    long long mtime;
    char type;
};

bool entry_order(const Entry &a, const Entry &b)
{
    if (a.type != b.type)
        return a.type == TRELLIS_VESK_FILE; // files before folders
    return a.name < b.name;                 // plain byte order
}

} // namespace

attr_info parse_attr(const void *blob, int len)
{
    attr_info a{0, 0};
    const auto *p = static_cast<const unsigned char *>(blob);
    if (!p)
        return a;
    // Records too short for a field leave it at zero rather than reading past
    // the blob.
    if (len >= 20)
        a.size = static_cast<long long>(be64(p + 12));
    if (len >= 29)
        a.mtime = static_cast<long long>(be64(p + 20));
    else if (len >= 24)
        a.mtime = static_cast<long long>(be32(p + 20));
    return a;
}

void ensure_viewer_indexes(sqlite3 *db)
{
    // The viewer copy is ours: an index makes each lookup a seek. A catalogue
    // that already carries an equivalent index is left alone.
    if (!index_exists(db, "path", "pid", "name"))
        sqlite3_exec(db, "CREATE INDEX IF NOT EXISTS trellis_viewer_path_pid_name ON path(pid, name)", nullptr,
                     nullptr, nullptr);
    if (!index_exists(db, "history", "path_id", "version"))
        sqlite3_exec(db, "CREATE INDEX IF NOT EXISTS trellis_viewer_history_path_version ON history(path_id, version)",
                     nullptr, nullptr, nullptr);
}

long long get_path_id_cached(sqlite3 *db, const char *path, sqlite3_stmt **root, sqlite3_stmt **step)
{
    if (!db || !path || !root || !step)
        return TV_FAILURE;
    if (!*root && sqlite3_prepare_v2(db, "SELECT rowid FROM path WHERE pid is NULL ORDER BY rowid DESC LIMIT 1", -1,
                                     root, nullptr) != SQLITE_OK)
        return TV_FAILURE;
    int rc = sqlite3_step(*root);
    long long id = rc == SQLITE_ROW ? sqlite3_column_int64(*root, 0) : 0;
    sqlite3_reset(*root);
    if (rc != SQLITE_ROW)
        return TV_FAILURE;
    const char *p = path;
    while (*p) {
        while (*p == '\\')
            ++p;
        const char *end = std::strchr(p, '\\');
        size_t len = end ? static_cast<size_t>(end - p) : std::strlen(p);
        if (len == 0)
            break;
        if (!*step && sqlite3_prepare_v2(db, "SELECT rowid FROM path WHERE pid=? AND name=?", -1, step, nullptr) !=
                          SQLITE_OK)
            return TV_FAILURE;
        sqlite3_bind_int64(*step, 1, id);
        sqlite3_bind_text(*step, 2, p, static_cast<int>(len), SQLITE_STATIC);
        rc = sqlite3_step(*step);
        if (rc == SQLITE_ROW)
            id = sqlite3_column_int64(*step, 0);
        sqlite3_reset(*step);
        sqlite3_clear_bindings(*step);
        if (rc == SQLITE_DONE)
            return -1;
        if (rc != SQLITE_ROW)
            return TV_FAILURE;
        p += len;
    }
    return id;
}

long long get_path_id(sqlite3 *db, const char *path)
{
    sqlite3_stmt *r = nullptr, *s = nullptr;
    long long id = get_path_id_cached(db, path, &r, &s);
    sqlite3_finalize(r);
    sqlite3_finalize(s);
    return id;
}

namespace {

// The paths a session resolved last, as their names joined by one backslash,
// with their row ids. The path table of a session's catalogue does not change
// while the session is open, so an id stays right for the session's life.
// A few entries suffice: a walk of a tree asks for a folder just after its
// parent, and for many files of the same folder in a row.
// It also keeps the listing's statements, prepared once per session: a walk
// lists one folder per call, and preparing them anew each time cost as much
// as reading a small folder.
class PathCache {
public:
    explicit PathCache(sqlite3 *db) : db_(db) {}
    ~PathCache()
    {
        sqlite3_finalize(root_);
        sqlite3_finalize(step_);
    }
    PathCache(const PathCache &) = delete;
    PathCache &operator=(const PathCache &) = delete;

    sqlite3 *db() const { return db_; }

    // The children query (kChildrenSql), bound to `folder` and `version`, or
    // NULL. The caller resets it once its rows are read (see Reset).
    sqlite3_stmt *children(long long folder, int version)
    {
        if (!children_ && children_.prepare(db_, kChildrenSql) != SQLITE_OK)
            return nullptr;
        sqlite3_bind_int64(children_.get(), 1, folder);
        sqlite3_bind_int(children_.get(), 2, version);
        return children_.get();
    }

    // check_version with a kept statement: 0, -1 no such version, TV_FAILURE.
    int has_version(int version)
    {
        if (!version_ && version_.prepare(db_, "SELECT version_no FROM version WHERE version_no=?") != SQLITE_OK)
            return TV_FAILURE;
        sqlite3_bind_int(version_.get(), 1, version);
        int rc = sqlite3_step(version_.get());
        sqlite3_reset(version_.get());
        if (rc == SQLITE_ROW)
            return 0;
        return rc == SQLITE_DONE ? -1 : TV_FAILURE;
    }

    long long resolve(const char *path)
    {
        // The names of the path, and where each ends in the joined form.
        std::string joined;
        std::vector<std::pair<const char *, size_t>> names;
        std::vector<size_t> ends;
        for (const char *p = path; *p;) {
            while (*p == '\\')
                ++p;
            size_t len = std::strcspn(p, "\\");
            if (len == 0)
                break;
            if (!joined.empty())
                joined += '\\';
            joined.append(p, len);
            names.emplace_back(p, len);
            ends.push_back(joined.size());
            p += len;
        }

        // Start from the longest remembered path that is a whole-name
        // prefix of this one, else from the root.
        size_t done = 0;
        long long id = 0;
        for (const Known &k : kept_) {
            if (k.path.size() > joined.size() || k.path.size() <= (done ? ends[done - 1] : 0) ||
                joined.compare(0, k.path.size(), k.path) != 0)
                continue;
            auto at = std::lower_bound(ends.begin(), ends.end(), k.path.size());
            if (at == ends.end() || *at != k.path.size())
                continue; // ends inside a name
            done = static_cast<size_t>(at - ends.begin()) + 1;
            id = k.id;
        }
        if (done == 0) {
            id = root();
            if (id < 0)
                return id;
        }

        long long parent = id;
        for (size_t i = done; i < names.size(); ++i) {
            parent = id;
            id = step(id, names[i].first, names[i].second);
            if (id < 0)
                return id;
        }
        if (names.size() >= 2 && done < names.size())
            remember(joined.substr(0, ends[names.size() - 2]), parent);
        if (!names.empty())
            remember(std::move(joined), id);
        return id;
    }

private:
    static constexpr size_t kKept = 32;
    struct Known {
        std::string path;
        long long id;
    };

    long long root()
    {
        if (root_id_ > 0)
            return root_id_;
        if (!root_ && sqlite3_prepare_v2(db_, "SELECT rowid FROM path WHERE pid is NULL ORDER BY rowid DESC LIMIT 1",
                                         -1, &root_, nullptr) != SQLITE_OK)
            return TV_FAILURE;
        int rc = sqlite3_step(root_);
        long long id = rc == SQLITE_ROW ? sqlite3_column_int64(root_, 0) : 0;
        sqlite3_reset(root_);
        if (rc != SQLITE_ROW)
            return TV_FAILURE;
        if (id > 0)
            root_id_ = id;
        return id;
    }

    // The row id of `name` in folder `parent`; -1 when it is not there.
    long long step(long long parent, const char *name, size_t len)
    {
        if (len > static_cast<size_t>(INT32_MAX))
            return -1;
        if (!step_ && sqlite3_prepare_v2(db_, "SELECT rowid FROM path WHERE pid=? AND name=?", -1, &step_, nullptr) !=
                          SQLITE_OK)
            return TV_FAILURE;
        sqlite3_bind_int64(step_, 1, parent);
        sqlite3_bind_text(step_, 2, name, static_cast<int>(len), SQLITE_STATIC);
        int rc = sqlite3_step(step_);
        long long id = rc == SQLITE_ROW ? sqlite3_column_int64(step_, 0) : 0;
        sqlite3_reset(step_);
        sqlite3_clear_bindings(step_);
        if (rc == SQLITE_DONE)
            return -1;
        return rc == SQLITE_ROW ? id : static_cast<long long>(TV_FAILURE);
    }

    // Keeps `path` as the most recent entry, forgetting the oldest beyond kKept.
    void remember(std::string path, long long id)
    {
        auto same = std::find_if(kept_.begin(), kept_.end(), [&](const Known &k) { return k.path == path; });
        if (same != kept_.end())
            kept_.erase(same);
        else if (kept_.size() >= kKept)
            kept_.erase(kept_.begin());
        kept_.push_back({std::move(path), id});
    }

    sqlite3 *db_;
    sqlite3_stmt *root_ = nullptr, *step_ = nullptr;
    Stmt children_, version_;
    long long root_id_ = 0;
    std::vector<Known> kept_; // oldest first
};

} // namespace

namespace {

PathCache &cache_of(TRELLIS_VESK_CLIENT *c)
{
    auto *cache = static_cast<PathCache *>(c->path_cache);
    if (cache && cache->db() != c->db) {
        release_path_cache(c);
        cache = nullptr;
    }
    if (!cache) {
        cache = new PathCache(c->db);
        c->path_cache = cache;
    }
    return *cache;
}

// Resets a kept statement when the reading of its rows ends, however it
// ends, so it holds no read of the catalogue between calls.
class Reset {
public:
    explicit Reset(sqlite3_stmt *st) : st_(st) {}
    ~Reset()
    {
        if (st_) {
            sqlite3_reset(st_);
            sqlite3_clear_bindings(st_);
        }
    }
    Reset(const Reset &) = delete;
    Reset &operator=(const Reset &) = delete;

private:
    sqlite3_stmt *st_;
};

} // namespace

long long resolve_path(TRELLIS_VESK_CLIENT *c, const char *path)
{
    if (!c || !c->db || !path)
        return TV_FAILURE;
    return cache_of(c).resolve(path);
}

void release_path_cache(TRELLIS_VESK_CLIENT *c)
{
    if (c && c->path_cache) {
        delete static_cast<PathCache *>(c->path_cache);
        c->path_cache = nullptr;
    }
}

namespace {

int list_folder(TRELLIS_VESK_CLIENT *c, int version_id, const char *path, trellis_vesk_list_folder_callback callback,
                void *user_data)
{
    PathCache &cache = cache_of(c);
    int rc = cache.has_version(version_id);
    if (rc != 0)
        return rc == -1 ? TV_NO_VERSION : TV_FAILURE;
    long long id = cache.resolve(path);
    if (id == -1)
        return TV_NOT_FOUND;
    if (id < 0)
        return TV_FAILURE;

    // The rows are read whole and the statement reset before the first
    // callback: a callback may list again through this session.
    std::vector<Entry> entries;
    {
        sqlite3_stmt *st = cache.children(id, version_id);
        if (!st)
            return TV_FAILURE;
        Reset done(st);
        while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
            if (sqlite3_column_int64(st, 4) != 0)
                continue; // deleted in its latest state
            Entry e;
            const unsigned char *name = sqlite3_column_text(st, 1);
            e.name = name ? reinterpret_cast<const char *>(name) : "";
            e.type = sqlite3_column_int64(st, 2) == 1 ? TRELLIS_VESK_DIR : TRELLIS_VESK_FILE;
            attr_info a = parse_attr(sqlite3_column_blob(st, 3), sqlite3_column_bytes(st, 3));
            e.size = a.size;
            e.mtime = a.mtime;
            entries.push_back(std::move(e));
        }
        if (rc != SQLITE_DONE)
            return TV_FAILURE;
    }
    std::sort(entries.begin(), entries.end(), entry_order);
    for (const auto &e : entries) {
        trellis_vesk_item item{};
        size_t n = std::min<size_t>(e.name.size(), sizeof item.name - 1);
        std::memcpy(item.name, e.name.data(), n);
        item.name[n] = '\0';
        item.size = e.size;
        item.mtime = e.mtime;
        item.type = e.type;
        if (callback(c, version_id, path, &item, user_data) != 0)
            break;
    }
    return TV_OK;
}

int stat_sum(TRELLIS_VESK_CLIENT *c, int version_id, const char *path, trellis_vesk_stat *result)
{
    int rc = check_version(c->db, version_id);
    if (rc != 0)
        return rc == -1 ? TV_NO_VERSION : TV_FAILURE;
    *result = trellis_vesk_stat{};
    long long root = resolve_path(c, path);
    if (root < 0)
        return TV_FAILURE;

    Stmt st;
    if (st.prepare(c->db, kChildrenSql) != SQLITE_OK)
        return TV_FAILURE;
    // Folder by folder without recursion; a folder met twice means the
    // catalogue's tree is not a tree, which ends the sum with an error.
    std::vector<long long> pending{root};
    std::unordered_set<long long> seen{root};
    while (!pending.empty()) {
        long long folder = pending.back();
        pending.pop_back();
        sqlite3_bind_int64(st.get(), 1, folder);
        sqlite3_bind_int(st.get(), 2, version_id);
        while ((rc = sqlite3_step(st.get())) == SQLITE_ROW) {
            if (sqlite3_column_int64(st.get(), 4) != 0)
                continue;
            if (sqlite3_column_int64(st.get(), 2) == 1) {
                long long child = sqlite3_column_int64(st.get(), 0);
                if (!seen.insert(child).second)
                    return TV_FAILURE;
                pending.push_back(child);
                result->folder_count += 1;
            } else {
                attr_info a = parse_attr(sqlite3_column_blob(st.get(), 3), sqlite3_column_bytes(st.get(), 3));
                result->file_count += 1;
                result->total_size += a.size;
            }
        }
        if (rc != SQLITE_DONE)
            return TV_FAILURE;
        sqlite3_reset(st.get());
    }
    return TV_OK;
}

} // namespace

} // namespace orvex::trellis

using namespace orvex::trellis;

extern "C" {

TRELLIS_VESK_API int trellis_vesk_list_folder(void *trellis_vesk_inst, int version_id, const char *path,
                                              trellis_vesk_list_folder_callback callback, void *user_data) noexcept
{
    auto *c = static_cast<TRELLIS_VESK_CLIENT *>(trellis_vesk_inst);
    if (!c || !c->db || !path || !callback)
        return TV_FAILURE;
    try {
        return list_folder(c, version_id, path, callback, user_data);
    } catch (...) {
        return TV_FAILURE;
    }
}

TRELLIS_VESK_API int trellis_vesk_get_stat_sum(void *trellis_vesk_inst, int version_id, const char *path,
                                               trellis_vesk_stat *result) noexcept
{
    auto *c = static_cast<TRELLIS_VESK_CLIENT *>(trellis_vesk_inst);
    if (!c || !c->db || !path || !result)
        return TV_FAILURE;
    try {
        return stat_sum(c, version_id, path, result);
    } catch (...) {
        return TV_FAILURE;
    }
}

} // extern "C"
