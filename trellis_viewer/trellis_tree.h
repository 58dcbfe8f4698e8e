// The tree of a version as finding, histories, differences and single-file
// reads see it: an entry belongs to the tree of version V when its latest
// history row at or before V is not a deletion and every folder above it up
// to the root is, in V, a folder of that tree. The listing shows exactly
// these entries, one folder at a time. Internal to libtrellis-vesk.
#pragma once

#include "trellis_common.h"
#include "trellis_raii.h"

#include "glob.h"

#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace orvex::trellis {

// One history row of an entry, as far as these readers need it.
struct State {
    long long row = 0; // history rowid
    bool dir = false;
    bool deleted = false;
    long long size = 0;
    long long mtime = 0;
    long long fd_vault_id = 0;
    long long fd_vault_index = 0;
    std::string attr; // the attribute record's bytes
    std::string link; // link target; empty for anything else
};

// Two states record the same thing (kind, attributes, content, link).
bool same_state(const State &a, const State &b);

struct Version {
    int number;
    long long start_time;
};

// One read transaction over the calls that run a query per entry: the
// catalogue's lock is taken once for the whole call instead of once per
// statement (a lock, an unlock and a check of the file each time). Nothing
// when a transaction is open already (a call made from a callback). Declare
// it before the statements it covers, so they are reset when it ends.
class ReadTransaction {
public:
    explicit ReadTransaction(sqlite3 *db)
        : db_(db && sqlite3_get_autocommit(db) && sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr) == SQLITE_OK
                  ? db
                  : nullptr)
    {
    }
    ~ReadTransaction()
    {
        if (db_ && sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
            sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    }
    ReadTransaction(const ReadTransaction &) = delete;
    ReadTransaction &operator=(const ReadTransaction &) = delete;

private:
    sqlite3 *db_;
};

// The catalogue queries of one call, with their statements prepared once
// and the folders met so far remembered. One thread at a time.
class Tree {
public:
    explicit Tree(sqlite3 *db) : db_(db) {}

    // The root row (the highest row id without a parent). TV_OK or TV_FAILURE.
    int root(long long &id);
    // The latest history row of `id` at or before `version`: 1 found (maybe a
    // deletion), 0 none, TV_FAILURE.
    int state_at(long long id, int version, State &out);
    // The entry `id` (whose parent is `pid`) in the tree of `version`: 1 with
    // its state, 0 not there, TV_FAILURE (also for a parent cycle). The root
    // is always there, as a folder.
    int visible(long long id, long long pid, int version, State &out);
    // The same when the parent is not known yet.
    int visible(long long id, int version, State &out);
    // The same for a state of the entry at `version` read already: the
    // columns of joined_state_columns() from `first` on in `st`.
    int visible_read(long long pid, int version, sqlite3_stmt *st, int first, State &out);
    // The state columns of history alias "h", for a join.
    static const char *joined_state_columns();
    // visible_read for a caller that lists entries only: from the columns
    // of joined_listing_columns(), `out` gets the kind, deletion, size, time
    // and link (its row, descriptor and attribute bytes are left as they
    // were). A large scan reads fewer columns per row this way.
    int visible_listing(long long pid, int version, sqlite3_stmt *st, int first, State &out);
    static const char *joined_listing_columns();
    // The catalogue path of `id`: 1 with the path, 0 when the row does not
    // hang below the root, TV_FAILURE (also for a parent cycle).
    int path_of(long long id, std::string &out);
    // The rows whose path is `path` ("\\" and "" the root); several when the
    // catalogue repeats a name in a folder. TV_OK or TV_FAILURE.
    int resolve(const char *path, std::vector<long long> &ids);
    // The entry at `path` in the tree of `version`: TV_OK with its row and
    // state, TV_NOT_FOUND, TV_FAILURE.
    int lookup(const char *path, int version, long long &id, State &out);
    // Calls fn(id, name, state) for every entry below folder `folder` in the
    // tree of `version`, at any depth, parents before children; a non-zero
    // fn result stops the walk with that result. TV_OK, TV_FAILURE (also for
    // a folder met twice), or fn's result.
    template <typename Fn>
    int walk(long long folder, int version, Fn &&fn);
    // Finished versions, ascending. TV_OK or TV_FAILURE.
    int finished_versions(std::vector<Version> &out);

    sqlite3 *db() const { return db_; }

private:
    struct Node {
        long long pid = 0;
        bool has_pid = false;
        std::string name;
    };
    int node(long long id, Node &out);
    // 1 when `id` is a folder of the tree of `version`, 0 not, TV_FAILURE.
    int folder_in_tree(long long id, int version);
    int children(long long folder, int version, std::vector<std::pair<long long, std::string>> &ids,
                 std::vector<State> &states);
    static void read_state(sqlite3_stmt *st, int first, State &out);

    struct PairHash {
        size_t operator()(const std::pair<long long, int> &p) const
        {
            return std::hash<long long>()(p.first * 1000003LL + p.second);
        }
    };

    sqlite3 *db_;
    long long root_ = -1;
    Stmt root_st_, state_st_, node_st_, named_st_, children_st_;
    std::unordered_map<std::pair<long long, int>, bool, PairHash> folders_;
    std::unordered_map<long long, std::string> paths_;
};

template <typename Fn>
int Tree::walk(long long folder, int version, Fn &&fn)
{
    std::vector<long long> pending{folder};
    std::unordered_map<long long, bool> seen{{folder, true}};
    std::vector<std::pair<long long, std::string>> ids;
    std::vector<State> states;
    while (!pending.empty()) {
        const long long at = pending.back();
        pending.pop_back();
        if (children(at, version, ids, states) != TV_OK)
            return TV_FAILURE;
        for (size_t i = 0; i < ids.size(); ++i) {
            if (int rc = fn(ids[i].first, ids[i].second, states[i]))
                return rc;
            if (states[i].dir) {
                if (!seen.emplace(ids[i].first, true).second)
                    return TV_FAILURE; // the catalogue's tree is not a tree
                pending.push_back(ids[i].first);
            }
        }
    }
    return TV_OK;
}

// Catalogue paths in path order: depth first, names in byte order (the
// separator sorts before every other byte).
bool path_less(const std::string &a, const std::string &b);

// Glob patterns of find (the shared matcher).
using orvex::match::Glob;

} // namespace orvex::trellis
