// The history of one path across the finished versions, and the differences
// between the trees of two versions.
#include "trellis_tree.h"

#include <map>
#include <optional>

namespace orvex::trellis {

namespace {

trellis_vesk_change_item change_item(int change, int version, long long timestamp, const std::string &path,
                                     const State &s)
{
    trellis_vesk_change_item item{};
    item.change = change;
    item.timestamp = timestamp;
    item.entry.version_id = version;
    item.entry.path = path.c_str();
    item.entry.size = s.dir ? 0 : s.size;
    item.entry.mtime = s.mtime;
    item.entry.type = s.dir ? TRELLIS_VESK_DIR : TRELLIS_VESK_FILE;
    item.entry.is_link = s.link.empty() ? 0 : 1;
    return item;
}

// "\a\b" from any spelling the path lookup accepts ("a\\b\", "\\a\b").
std::string canonical(const char *path)
{
    std::string out;
    for (const char *p = path; *p; ++p) {
        if (*p == '\\')
            continue;
        out += '\\';
        while (*p && *p != '\\')
            out += *p++;
        if (!*p)
            break;
    }
    return out.empty() ? "\\" : out;
}

int history(TRELLIS_VESK_CLIENT *c, const char *path, trellis_vesk_change_callback callback, void *user_data)
{
    ReadTransaction read(c->db);
    Tree tree(c->db);
    std::vector<Version> versions;
    std::vector<long long> ids;
    if (tree.finished_versions(versions) != TV_OK || tree.resolve(path, ids) != TV_OK)
        return TV_FAILURE;
    if (ids.empty())
        return TV_NOT_FOUND;
    const std::string shown = canonical(path);
    std::optional<State> prev;
    bool any = false;
    for (const Version &v : versions) {
        // The first row of that path which is part of this version's tree
        // (a catalogue may hold a name twice in one folder).
        std::optional<State> cur;
        for (long long id : ids) {
            State s;
            int rc = tree.visible(id, v.number, s);
            if (rc < 0)
                return TV_FAILURE;
            if (rc == 1) {
                cur = std::move(s);
                break;
            }
        }
        if (!cur && !prev)
            continue;
        int change = !cur ? TRELLIS_VESK_DELETED
                          : !prev ? TRELLIS_VESK_ADDED
                                  : same_state(*prev, *cur) ? TRELLIS_VESK_UNCHANGED : TRELLIS_VESK_CHANGED;
        const trellis_vesk_change_item item = change_item(change, v.number, v.start_time, shown, cur ? *cur : *prev);
        any = true;
        if (callback(c, &item, user_data) != 0)
            return TV_OK;
        prev = std::move(cur);
    }
    return any ? TV_OK : TV_NOT_FOUND;
}

struct Difference {
    int change;
    int version;
    State state;
};

struct PathLess {
    bool operator()(const std::string &a, const std::string &b) const { return path_less(a, b); }
};

class Differ {
public:
    Differ(sqlite3 *db, int from, int to) : tree_(db), from_(from), to_(to) {}

    // Every entry whose presence or state differs, keyed by path. TV_OK or
    // TV_FAILURE.
    int run(std::map<std::string, Difference, PathLess> &out)
    {
        std::vector<long long> candidates;
        if (changed_rows(candidates) != TV_OK || tree_.root(root_) != TV_OK)
            return TV_FAILURE;
        for (long long id : candidates)
            if (id != root_ && compare(id) != TV_OK)
                return TV_FAILURE;
        for (auto &[id, d] : by_row_) {
            std::string path;
            int rc = tree_.path_of(id, path);
            if (rc < 0)
                return TV_FAILURE;
            if (rc == 1)
                merge(out, std::move(path), std::move(d));
        }
        return TV_OK;
    }

private:
    // Only an entry with a history row between the two versions can differ
    // by itself; everything else that differs hangs below a folder that does.
    int changed_rows(std::vector<long long> &ids)
    {
        Stmt st;
        if (st.prepare(tree_.db(), "SELECT DISTINCT path_id FROM history WHERE version>?1 AND version<=?2") !=
            SQLITE_OK)
            return TV_FAILURE;
        sqlite3_bind_int(st.get(), 1, std::min(from_, to_));
        sqlite3_bind_int(st.get(), 2, std::max(from_, to_));
        int rc;
        while ((rc = sqlite3_step(st.get())) == SQLITE_ROW)
            ids.push_back(sqlite3_column_int64(st.get(), 0));
        return rc == SQLITE_DONE ? TV_OK : TV_FAILURE;
    }

    int compare(long long id)
    {
        State a, b;
        int in_a = tree_.visible(id, from_, a);
        int in_b = tree_.visible(id, to_, b);
        if (in_a < 0 || in_b < 0)
            return TV_FAILURE;
        if (in_a && in_b && !same_state(a, b))
            by_row_[id] = {TRELLIS_VESK_CHANGED, to_, b};
        else if (in_a && !in_b)
            by_row_[id] = {TRELLIS_VESK_DELETED, from_, a};
        else if (!in_a && in_b)
            by_row_[id] = {TRELLIS_VESK_ADDED, to_, b};
        // A folder that went (or became a file) takes its whole tree with it;
        // one that came brings its whole tree.
        const bool dir_a = in_a && a.dir, dir_b = in_b && b.dir;
        if (dir_a && !dir_b && expand(id, from_, TRELLIS_VESK_DELETED) != TV_OK)
            return TV_FAILURE;
        if (dir_b && !dir_a && expand(id, to_, TRELLIS_VESK_ADDED) != TV_OK)
            return TV_FAILURE;
        return TV_OK;
    }

    int expand(long long folder, int version, int change)
    {
        return tree_.walk(folder, version, [&](long long id, const std::string &, const State &s) {
            by_row_[id] = {change, version, s};
            return 0;
        });
    }

    // Two rows of one path (a name the catalogue holds twice in a folder):
    // one went and one came is a change of that path, or nothing.
    static void merge(std::map<std::string, Difference, PathLess> &out, std::string path, Difference d)
    {
        auto [it, fresh] = out.try_emplace(std::move(path), d);
        if (fresh || it->second.change == d.change)
            return;
        if (it->second.change == TRELLIS_VESK_CHANGED || d.change == TRELLIS_VESK_CHANGED)
            return;
        const Difference &added = d.change == TRELLIS_VESK_ADDED ? d : it->second;
        const Difference &gone = d.change == TRELLIS_VESK_ADDED ? it->second : d;
        if (same_state(added.state, gone.state))
            out.erase(it);
        else
            it->second = {TRELLIS_VESK_CHANGED, added.version, added.state};
    }

    Tree tree_;
    int from_, to_;
    long long root_ = 0;
    std::map<long long, Difference> by_row_;
};

int diff(TRELLIS_VESK_CLIENT *c, int from, int to, trellis_vesk_change_callback callback, void *user_data)
{
    ReadTransaction read(c->db);
    for (int v : {from, to}) {
        int rc = check_version(c->db, v);
        if (rc != 0)
            return rc == -1 ? TV_NO_VERSION : TV_FAILURE;
    }
    if (from == to)
        return TV_OK;
    std::map<std::string, Difference, PathLess> all;
    if (Differ(c->db, from, to).run(all) != TV_OK)
        return TV_FAILURE;
    for (const auto &[path, d] : all) {
        const trellis_vesk_change_item item = change_item(d.change, d.version, 0, path, d.state);
        if (callback(c, &item, user_data) != 0)
            break;
    }
    return TV_OK;
}

} // namespace

} // namespace orvex::trellis

using namespace orvex::trellis;

extern "C" {

TRELLIS_VESK_API int trellis_vesk_history(void *trellis_vesk_inst, const char *path,
                                          trellis_vesk_change_callback callback, void *user_data) noexcept
{
    auto *c = static_cast<TRELLIS_VESK_CLIENT *>(trellis_vesk_inst);
    if (!c || !c->db || !path || !callback)
        return TV_FAILURE;
    try {
        return history(c, path, callback, user_data);
    } catch (...) {
        return TV_FAILURE;
    }
}

TRELLIS_VESK_API int trellis_vesk_diff(void *trellis_vesk_inst, int version_from, int version_to,
                                       trellis_vesk_change_callback callback, void *user_data) noexcept
{
    auto *c = static_cast<TRELLIS_VESK_CLIENT *>(trellis_vesk_inst);
    if (!c || !c->db || !callback)
        return TV_FAILURE;
    try {
        return diff(c, version_from, version_to, callback, user_data);
    } catch (...) {
        return TV_FAILURE;
    }
}

} // extern "C"
