// Finding entries by a glob pattern over their names (or whole paths), in one
// version or across every finished version.
#include "trellis_tree.h"


namespace orvex::trellis {

namespace {

struct Finder {
    TRELLIS_VESK_CLIENT *c;
    Tree tree;
    Glob glob;
    bool whole_path;
    std::vector<Version> versions;
    trellis_vesk_find_callback callback;
    void *user_data;
    std::string path; // of the current row
    long long folder_id = -1; // the folder whose path `folder` holds
    std::string folder;
    // The row's state in a version and in the version before; kept between
    // rows so their buffers are reused.
    State state, prev;

    // Non-zero when the caller stopped the search.
    int emit(int version, const State &s)
    {
        trellis_vesk_entry e{};
        e.version_id = version;
        e.path = path.c_str();
        e.size = s.dir ? 0 : s.size;
        e.mtime = s.mtime;
        e.type = s.dir ? TRELLIS_VESK_DIR : TRELLIS_VESK_FILE;
        e.is_link = s.link.empty() ? 0 : 1;
        return callback(c, &e, user_data);
    }

    // 1 when the row's path is known (composed into `path`), 0 when it does
    // not hang below the root, TV_FAILURE. The rows of a folder mostly come
    // together: its path (with the separator) is looked up once for them.
    int compose(long long pid, const char *name, size_t len)
    {
        if (pid != folder_id) {
            folder_id = -1;
            int rc = tree.path_of(pid, folder);
            if (rc != 1)
                return rc;
            if (folder.size() > 1) // the root's path ends with its separator
                folder += '\\';
            folder_id = pid;
        }
        path.assign(folder).append(name, len);
        return 1;
    }

    // TV_OK, TV_FAILURE, or 1 when the caller stopped. `joined`: the scan
    // carries the entry's state in the one version searched, from column 3.
    int row(long long id, long long pid, const char *name, size_t len, sqlite3_stmt *joined)
    {
        if (whole_path) {
            int rc = compose(pid, name, len);
            if (rc != 1)
                return rc == 0 ? TV_OK : TV_FAILURE;
            if (!glob.match(path.data(), path.size()))
                return TV_OK;
        } else if (!glob.match(name, len)) {
            return TV_OK;
        }
        bool composed = whole_path;
        bool have_prev = false;
        for (const Version &v : versions) {
            State &s = state;
            int rc = joined ? tree.visible_listing(pid, v.number, joined, 3, s) : tree.visible(id, pid, v.number, s);
            if (rc < 0)
                return TV_FAILURE;
            if (rc == 0) {
                have_prev = false;
                continue;
            }
            // Across versions an entry is told once per state it had.
            if (!have_prev || !same_state(prev, s)) {
                if (!composed) {
                    if ((rc = compose(pid, name, len)) != 1)
                        return rc == 0 ? TV_OK : TV_FAILURE;
                    composed = true;
                }
                if (emit(v.number, s) != 0)
                    return 1;
            }
            if (versions.size() > 1) {
                prev = s;
                have_prev = true;
            }
        }
        return TV_OK;
    }
};

int find(TRELLIS_VESK_CLIENT *c, int version, const char *pattern, int flags, trellis_vesk_find_callback callback,
         void *user_data)
{
    ReadTransaction read(c->db);
    Finder f{c, Tree(c->db), Glob(pattern, (flags & TRELLIS_VESK_FIND_NOCASE) != 0),
             (flags & TRELLIS_VESK_FIND_PATH) != 0, {}, callback, user_data, {}, -1, {}, {}, {}};
    if (version == TRELLIS_VESK_ALL_VERSIONS) {
        if (f.tree.finished_versions(f.versions) != TV_OK)
            return TV_FAILURE;
    } else {
        int rc = check_version(c->db, version);
        if (rc != 0)
            return rc == -1 ? TV_NO_VERSION : TV_FAILURE;
        f.versions.push_back({version, 0});
    }
    long long root = 0;
    if (f.tree.root(root) != TV_OK)
        return TV_FAILURE;
    Stmt scan;
    // In the order the catalogue recorded the entries (the table itself, not
    // an index of it). Names are narrowed by SQLite first where the pattern
    // allows it: each row it lets through is still matched here.
    const std::string narrow = f.whole_path ? std::string() : f.glob.prefilter();
    // When SQLite's narrowing is (nearly) the match itself, the state of each
    // name in the one version searched comes with the scan, as a bare query
    // would fetch it, instead of one more statement per match. Otherwise the
    // state is read only for the names that match.
    const bool join = f.versions.size() == 1 && !f.whole_path && f.glob.prefilter_exact();
    std::string sql = "SELECT p.rowid, p.pid, p.name";
    if (join)
        sql += std::string(", ") + Tree::joined_listing_columns() +
               " FROM path p JOIN history h ON h.rowid=(SELECT rowid FROM history WHERE path_id=p.rowid AND "
               "version<=?2 ORDER BY version DESC, rowid DESC LIMIT 1)";
    else
        sql += " FROM path p";
    sql += " WHERE p.pid IS NOT NULL";
    if (!narrow.empty())
        sql += " AND p.name GLOB ?1";
    sql += " ORDER BY p.rowid";
    if (scan.prepare(c->db, sql.c_str()) != SQLITE_OK)
        return TV_FAILURE;
    sqlite3_stmt *st = scan.get();
    if (!narrow.empty())
        sqlite3_bind_text(st, 1, narrow.c_str(), static_cast<int>(narrow.size()), SQLITE_TRANSIENT);
    if (join)
        sqlite3_bind_int(st, 2, f.versions.front().number);
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        const long long id = sqlite3_column_int64(st, 0);
        const char *name = static_cast<const char *>(sqlite3_column_blob(st, 2));
        const size_t len = static_cast<size_t>(sqlite3_column_bytes(st, 2));
        if (id == root)
            continue;
        int r = f.row(id, sqlite3_column_int64(st, 1), name ? name : "", len, join ? st : nullptr);
        if (r == 1)
            return TV_OK;
        if (r != TV_OK)
            return TV_FAILURE;
    }
    return rc == SQLITE_DONE ? TV_OK : TV_FAILURE;
}

} // namespace

} // namespace orvex::trellis

using namespace orvex::trellis;

extern "C" TRELLIS_VESK_API int trellis_vesk_find(void *trellis_vesk_inst, int version_id, const char *pattern,
                                                  int flags, trellis_vesk_find_callback callback,
                                                  void *user_data) noexcept
{
    auto *c = static_cast<TRELLIS_VESK_CLIENT *>(trellis_vesk_inst);
    if (!c || !c->db || !pattern || !callback)
        return TV_FAILURE;
    try {
        return find(c, version_id, pattern, flags, callback, user_data);
    } catch (...) {
        return TV_FAILURE;
    }
}
