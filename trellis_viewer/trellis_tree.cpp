// The tree of a version (see trellis_tree.h) and the exported entry lookup.
#include "trellis_tree.h"

#include <cstring>

namespace orvex::trellis {

namespace {

// Deeper than any path that fits kMaxPath bytes: a longer chain of parents
// is a cycle.
constexpr size_t kMaxDepth = kMaxPath / 2 + 2;

const char *kStateColumns = "rowid, is_dir, deleted, attr, fd_vault_id, fd_vault_index, symlink_source";
const char *kJoinedStateColumns =
    "h.rowid, h.is_dir, h.deleted, h.attr, h.fd_vault_id, h.fd_vault_index, h.symlink_source";
const char *kJoinedListingColumns = "h.is_dir, h.deleted, h.attr, h.symlink_source";

std::string column_text(sqlite3_stmt *st, int col)
{
    const void *p = sqlite3_column_blob(st, col);
    int n = sqlite3_column_bytes(st, col);
    return p && n > 0 ? std::string(static_cast<const char *>(p), static_cast<size_t>(n)) : std::string();
}

// The same into `out`, whose buffer is reused: readers that fill one State
// per row of a large scan allocate nothing per row.
void assign_column(sqlite3_stmt *st, int col, std::string &out)
{
    const void *p = sqlite3_column_blob(st, col);
    int n = sqlite3_column_bytes(st, col);
    if (p && n > 0)
        out.assign(static_cast<const char *>(p), static_cast<size_t>(n));
    else
        out.clear();
}

} // namespace

bool same_state(const State &a, const State &b)
{
    return a.row == b.row || (a.dir == b.dir && a.attr == b.attr && a.fd_vault_id == b.fd_vault_id &&
                              a.fd_vault_index == b.fd_vault_index && a.link == b.link);
}

bool path_less(const std::string &a, const std::string &b)
{
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (x == y)
            continue;
        if (x == '\\' || y == '\\')
            return x == '\\';
        return x < y;
    }
    return a.size() < b.size();
}

void Tree::read_state(sqlite3_stmt *st, int first, State &out)
{
    out.row = sqlite3_column_int64(st, first);
    out.dir = sqlite3_column_int64(st, first + 1) == 1;
    out.deleted = sqlite3_column_int64(st, first + 2) != 0;
    assign_column(st, first + 3, out.attr);
    attr_info a = parse_attr(out.attr.data(), static_cast<int>(out.attr.size()));
    out.size = a.size;
    out.mtime = a.mtime;
    out.fd_vault_id = sqlite3_column_int64(st, first + 4);
    out.fd_vault_index = sqlite3_column_int64(st, first + 5);
    assign_column(st, first + 6, out.link);
}

int Tree::root(long long &id)
{
    if (root_ < 0) {
        if (!root_st_ &&
            root_st_.prepare(db_, "SELECT rowid FROM path WHERE pid is NULL ORDER BY rowid DESC LIMIT 1") != SQLITE_OK)
            return TV_FAILURE;
        int rc = sqlite3_step(root_st_.get());
        if (rc == SQLITE_ROW)
            root_ = sqlite3_column_int64(root_st_.get(), 0);
        sqlite3_reset(root_st_.get());
        if (rc != SQLITE_ROW)
            return TV_FAILURE;
    }
    id = root_;
    return TV_OK;
}

int Tree::state_at(long long id, int version, State &out)
{
    if (!state_st_) {
        const std::string sql = std::string("SELECT ") + kStateColumns +
                                " FROM history WHERE path_id=?1 AND version<=?2 ORDER BY version DESC, rowid DESC "
                                "LIMIT 1";
        if (state_st_.prepare(db_, sql.c_str()) != SQLITE_OK)
            return TV_FAILURE;
    }
    sqlite3_stmt *st = state_st_.get();
    sqlite3_bind_int64(st, 1, id);
    sqlite3_bind_int(st, 2, version);
    int rc = sqlite3_step(st);
    if (rc == SQLITE_ROW)
        read_state(st, 0, out);
    sqlite3_reset(st);
    if (rc == SQLITE_ROW)
        return 1;
    return rc == SQLITE_DONE ? 0 : TV_FAILURE;
}

int Tree::node(long long id, Node &out)
{
    if (!node_st_ && node_st_.prepare(db_, "SELECT pid, name FROM path WHERE rowid=?") != SQLITE_OK)
        return TV_FAILURE;
    sqlite3_stmt *st = node_st_.get();
    sqlite3_bind_int64(st, 1, id);
    int rc = sqlite3_step(st);
    if (rc == SQLITE_ROW) {
        out.has_pid = sqlite3_column_type(st, 0) != SQLITE_NULL;
        out.pid = sqlite3_column_int64(st, 0);
        out.name = column_text(st, 1);
    }
    sqlite3_reset(st);
    if (rc == SQLITE_ROW)
        return 1;
    return rc == SQLITE_DONE ? 0 : TV_FAILURE;
}

int Tree::folder_in_tree(long long id, int version)
{
    long long root_id = 0;
    if (root(root_id) != TV_OK)
        return TV_FAILURE;
    // Up from `id` until the root, a folder already known, or a row that is
    // not a folder there; every folder on the way shares the answer.
    std::vector<long long> chain;
    int answer = 1;
    for (long long at = id; at != root_id;) {
        auto it = folders_.find({at, version});
        if (it != folders_.end()) {
            answer = it->second ? 1 : 0;
            break;
        }
        if (chain.size() > kMaxDepth) {
            std::printf("parent cycle in the catalogue at path row %lld\n", at);
            return TV_FAILURE;
        }
        Node n;
        State s;
        int rc = node(at, n);
        if (rc == 1 && n.has_pid)
            rc = state_at(at, version, s);
        if (rc < 0)
            return TV_FAILURE;
        // A missing row, a root other than the catalogue's, or no live folder.
        if (rc == 0 || !n.has_pid || s.deleted || !s.dir) {
            folders_[{at, version}] = false;
            answer = 0;
            break;
        }
        chain.push_back(at);
        at = n.pid;
    }
    for (long long f : chain)
        folders_[{f, version}] = answer == 1;
    return answer;
}

int Tree::visible(long long id, long long pid, int version, State &out)
{
    long long root_id = 0;
    if (root(root_id) != TV_OK)
        return TV_FAILURE;
    int rc = state_at(id, version, out);
    if (rc < 0)
        return TV_FAILURE;
    if (id == root_id) {
        if (rc == 0)
            out = State{};
        out.dir = true;
        out.deleted = false;
        return 1;
    }
    if (rc == 0 || out.deleted)
        return 0;
    return folder_in_tree(pid, version);
}

int Tree::visible_read(long long pid, int version, sqlite3_stmt *st, int first, State &out)
{
    read_state(st, first, out);
    if (out.deleted)
        return 0;
    return folder_in_tree(pid, version);
}

const char *Tree::joined_state_columns()
{
    return kJoinedStateColumns;
}

int Tree::visible_listing(long long pid, int version, sqlite3_stmt *st, int first, State &out)
{
    out.dir = sqlite3_column_int64(st, first) == 1;
    out.deleted = sqlite3_column_int64(st, first + 1) != 0;
    if (out.deleted)
        return 0;
    const void *attr = sqlite3_column_blob(st, first + 2);
    const attr_info a = parse_attr(attr, sqlite3_column_bytes(st, first + 2));
    out.size = a.size;
    out.mtime = a.mtime;
    assign_column(st, first + 3, out.link);
    return folder_in_tree(pid, version);
}

const char *Tree::joined_listing_columns()
{
    return kJoinedListingColumns;
}

int Tree::visible(long long id, int version, State &out)
{
    long long root_id = 0;
    if (root(root_id) != TV_OK)
        return TV_FAILURE;
    Node n;
    if (id != root_id) {
        int rc = node(id, n);
        if (rc <= 0 || !n.has_pid)
            return rc < 0 ? TV_FAILURE : 0;
    }
    return visible(id, n.pid, version, out);
}

int Tree::path_of(long long id, std::string &out)
{
    long long root_id = 0;
    if (root(root_id) != TV_OK)
        return TV_FAILURE;
    std::vector<std::pair<long long, std::string>> chain; // from `id` upwards
    std::string base;
    for (long long at = id;;) {
        if (at == root_id)
            break;
        auto it = paths_.find(at);
        if (it != paths_.end()) {
            base = it->second;
            break;
        }
        if (chain.size() > kMaxDepth) {
            std::printf("parent cycle in the catalogue at path row %lld\n", at);
            return TV_FAILURE;
        }
        Node n;
        int rc = node(at, n);
        if (rc < 0)
            return TV_FAILURE;
        if (rc == 0 || !n.has_pid)
            return 0;
        chain.emplace_back(at, std::move(n.name));
        at = n.pid;
    }
    // Paths of the folders on the way are kept for the next entries.
    for (size_t i = chain.size(); i-- > 0;) {
        base += "\\" + chain[i].second;
        if (i > 0)
            paths_.emplace(chain[i].first, base);
    }
    out = base.empty() ? "\\" : base;
    return 1;
}

int Tree::resolve(const char *path, std::vector<long long> &ids)
{
    ids.clear();
    long long root_id = 0;
    if (root(root_id) != TV_OK)
        return TV_FAILURE;
    if (!named_st_ && named_st_.prepare(db_, "SELECT rowid FROM path WHERE pid=? AND name=?") != SQLITE_OK)
        return TV_FAILURE;
    std::vector<long long> level{root_id};
    for (const char *p = path; *p;) {
        while (*p == '\\')
            ++p;
        const char *end = std::strchr(p, '\\');
        const size_t len = end ? static_cast<size_t>(end - p) : std::strlen(p);
        if (len == 0)
            break;
        std::vector<long long> next;
        for (long long parent : level) {
            sqlite3_stmt *st = named_st_.get();
            sqlite3_bind_int64(st, 1, parent);
            sqlite3_bind_text(st, 2, p, static_cast<int>(len), SQLITE_STATIC);
            int rc;
            while ((rc = sqlite3_step(st)) == SQLITE_ROW)
                next.push_back(sqlite3_column_int64(st, 0));
            sqlite3_reset(st);
            sqlite3_clear_bindings(st);
            if (rc != SQLITE_DONE)
                return TV_FAILURE;
        }
        level.swap(next);
        if (level.empty())
            break;
        p += len;
    }
    ids = std::move(level);
    return TV_OK;
}

int Tree::lookup(const char *path, int version, long long &id, State &out)
{
    std::vector<long long> ids;
    if (resolve(path, ids) != TV_OK)
        return TV_FAILURE;
    for (long long candidate : ids) {
        int rc = visible(candidate, version, out);
        if (rc < 0)
            return TV_FAILURE;
        if (rc == 1) {
            id = candidate;
            return TV_OK;
        }
    }
    return TV_NOT_FOUND;
}

int Tree::children(long long folder, int version, std::vector<std::pair<long long, std::string>> &ids,
                   std::vector<State> &states)
{
    ids.clear();
    states.clear();
    if (!children_st_) {
        // One seek per child in the (path_id, version) index of the viewer copy.
        const std::string sql =
            std::string("SELECT p.rowid, p.name, ") + kJoinedStateColumns +
            " FROM path p, history h WHERE p.pid=?1 AND h.rowid=(SELECT rowid FROM history WHERE "
            "path_id=p.rowid AND version<=?2 ORDER BY version DESC, rowid DESC LIMIT 1)";
        if (children_st_.prepare(db_, sql.c_str()) != SQLITE_OK)
            return TV_FAILURE;
    }
    sqlite3_stmt *st = children_st_.get();
    sqlite3_bind_int64(st, 1, folder);
    sqlite3_bind_int(st, 2, version);
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        State s;
        read_state(st, 2, s);
        if (s.deleted)
            continue;
        ids.emplace_back(sqlite3_column_int64(st, 0), column_text(st, 1));
        states.push_back(std::move(s));
    }
    sqlite3_reset(st);
    return rc == SQLITE_DONE ? TV_OK : TV_FAILURE;
}

int Tree::finished_versions(std::vector<Version> &out)
{
    out.clear();
    Stmt st;
    if (st.prepare(db_, "SELECT version_no, min(start_time) FROM version WHERE end_time is not null "
                        "GROUP BY version_no ORDER BY version_no") != SQLITE_OK)
        return TV_FAILURE;
    int rc;
    while ((rc = sqlite3_step(st.get())) == SQLITE_ROW) {
        const long long v = sqlite3_column_int64(st.get(), 0);
        if (v < 0 || v > INT32_MAX)
            continue; // not a version number any call can name
        out.push_back({static_cast<int>(v), sqlite3_column_int64(st.get(), 1)});
    }
    return rc == SQLITE_DONE ? TV_OK : TV_FAILURE;
}

} // namespace orvex::trellis

using namespace orvex::trellis;

extern "C" TRELLIS_VESK_API int trellis_vesk_get_entry(void *trellis_vesk_inst, int version_id, const char *path,
                                                       trellis_vesk_entry *entry) noexcept
{
    auto *c = static_cast<TRELLIS_VESK_CLIENT *>(trellis_vesk_inst);
    if (!c || !c->db || !path || !entry)
        return TV_FAILURE;
    try {
        int rc = check_version(c->db, version_id);
        if (rc != 0)
            return rc == -1 ? TV_NO_VERSION : TV_FAILURE;
        Tree tree(c->db);
        long long id = 0;
        State s;
        rc = tree.lookup(path, version_id, id, s);
        if (rc != TV_OK)
            return rc;
        *entry = trellis_vesk_entry{};
        entry->version_id = version_id;
        entry->path = path;
        entry->size = s.dir ? 0 : s.size;
        entry->mtime = s.mtime;
        entry->type = s.dir ? TRELLIS_VESK_DIR : TRELLIS_VESK_FILE;
        entry->is_link = s.link.empty() ? 0 : 1;
        return TV_OK;
    } catch (...) {
        return TV_FAILURE;
    }
}
