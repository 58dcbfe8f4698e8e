// Merge of a differential catalogue into the viewer copy of its full
// catalogue: rows the differential logged as deleted go, then every row of
// every shared table is copied over by row id (insert or replace).
//
// The differential catalogue is untrusted input: table names and row ids read
// from it never become SQL text of their own. Identifiers are quoted, row ids
// bound as integers, and deletion entries naming no table of the target or
// carrying no integer row id are ignored. Values pass through with their full
// width.
#include "trellis_common.h"
#include "trellis_raii.h"

#include <cerrno>
#include <cstdlib>
#include <map>

namespace orvex::trellis {

namespace {

constexpr int kTextMax = 4096;  // text values are cut here, as the viewer always did
constexpr int kCancelEvery = 1000;

// An integer row id from an INTEGER value, or from TEXT that is exactly a
// decimal 64-bit integer; anything else is refused.
bool read_rowid(sqlite3_value *v, sqlite3_int64 &out)
{
    switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER:
        out = sqlite3_value_int64(v);
        return true;
    case SQLITE_TEXT: {
        const char *t = reinterpret_cast<const char *>(sqlite3_value_text(v));
        if (!t || !*t)
            return false;
        const char *p = t;
        if (*p == '-' || *p == '+')
            ++p;
        if (!*p)
            return false;
        for (const char *q = p; *q; ++q)
            if (*q < '0' || *q > '9')
                return false;
        errno = 0;
        char *end = nullptr;
        long long n = std::strtoll(t, &end, 10);
        if (errno == ERANGE || !end || *end)
            return false;
        out = n;
        return true;
    }
    default:
        return false;
    }
}

int apply_deletions(sqlite3 *diff_db, sqlite3 *full_db, const std::vector<std::string> &target_tables)
{
    Stmt sel;
    if (sel.prepare(diff_db, "SELECT table_id, deleted_rowid FROM _sqlite_backup_deleted") != SQLITE_OK)
        return -1;
    std::map<std::string, Stmt> deletes;
    int rc;
    while ((rc = sqlite3_step(sel.get())) == SQLITE_ROW) {
        const unsigned char *t = sqlite3_column_text(sel.get(), 0);
        if (!t)
            continue;
        std::string table = reinterpret_cast<const char *>(t);
        bool known = false;
        for (const auto &name : target_tables)
            if (name == table)
                known = true;
        sqlite3_int64 rowid;
        if (!known || !read_rowid(sqlite3_column_value(sel.get(), 1), rowid))
            continue;
        Stmt &del = deletes[table];
        if (!del) {
            std::string sql = "DELETE FROM main." + quote_identifier(table) + " WHERE rowid=?";
            if (del.prepare(full_db, sql.c_str()) != SQLITE_OK)
                continue; // e.g. a table without row ids: nothing to delete by row id
        }
        sqlite3_bind_int64(del.get(), 1, rowid);
        sqlite3_step(del.get()); // a row already absent is no error
        sqlite3_reset(del.get());
    }
    if (rc != SQLITE_DONE)
        return -1;
    return sel.finalize() == SQLITE_OK ? 0 : -1;
}

constexpr const char *kSourceSchema = "trellis_merge_source";

// One column of the source as copied: text longer than kTextMax bytes is cut
// there (by bytes, not characters); every other value passes unchanged, at
// its full width.
std::string column_expr(const std::string &column)
{
    const std::string c = quote_identifier(column);
    const std::string max = std::to_string(kTextMax);
    return "CASE WHEN typeof(" + c + ")='text' AND length(CAST(" + c + " AS BLOB))>" + max + " THEN CAST(substr(CAST(" +
           c + " AS BLOB),1," + max + ") AS TEXT) ELSE " + c + " END";
}

// Copies every row of the attached source table into the target table by row
// id (insert or replace), in chunks of kCancelEvery rows in row id order, so
// the cancel is polled after every 1000 copied rows.
int copy_table(sqlite3 *full_db, const std::string &table, cancel_cbk callback, void *user_data)
{
    std::vector<std::string> columns;
    Stmt cols;
    if (cols.prepare(full_db, "SELECT name FROM pragma_table_info(?1, ?2) ORDER BY cid") != SQLITE_OK)
        return -1;
    sqlite3_bind_text(cols.get(), 1, table.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(cols.get(), 2, kSourceSchema, -1, SQLITE_STATIC);
    while (sqlite3_step(cols.get()) == SQLITE_ROW) {
        const unsigned char *t = sqlite3_column_text(cols.get(), 0);
        columns.emplace_back(t ? reinterpret_cast<const char *>(t) : "");
    }
    // No column in the source: the table is only known there by a shorter
    // name, so there is nothing sound to copy.
    if (columns.empty())
        return -1;
    // Cutting long text costs an expression per value; look first whether
    // any text of the table needs it.
    const std::string from = std::string(kSourceSchema) + "." + quote_identifier(table);
    std::string long_text;
    for (const auto &c : columns) {
        const std::string q = quote_identifier(c);
        long_text += (long_text.empty() ? "" : " OR ") + std::string("(typeof(") + q + ")='text' AND length(CAST(" + q +
                     " AS BLOB))>" + std::to_string(kTextMax) + ")";
    }
    Stmt probe;
    if (probe.prepare(full_db, ("SELECT 1 FROM " + from + " WHERE " + long_text + " LIMIT 1").c_str()) != SQLITE_OK)
        return -1;
    int found = sqlite3_step(probe.get());
    if (found != SQLITE_ROW && found != SQLITE_DONE)
        return -1;
    const bool cut = found == SQLITE_ROW;
    std::string keys = "rowid", values = "rowid";
    for (const auto &c : columns) {
        keys += ", " + quote_identifier(c);
        values += ", " + (cut ? column_expr(c) : quote_identifier(c));
    }
    const std::string sql = "INSERT OR REPLACE INTO main." + quote_identifier(table) + " (" + keys + ") SELECT " +
                            values + " FROM " + from + " WHERE rowid > ?1 ORDER BY rowid LIMIT " + std::to_string(kCancelEvery);
    Stmt ins;
    if (ins.prepare(full_db, sql.c_str()) != SQLITE_OK)
        return -1;
    sqlite3_int64 after = INT64_MIN;
    for (;;) {
        sqlite3_bind_int64(ins.get(), 1, after);
        int step = sqlite3_step(ins.get());
        if (step != SQLITE_DONE) {
            std::printf("update failed %d %s\n", step, sqlite3_errmsg(full_db));
            return -1;
        }
        int copied = sqlite3_changes(full_db);
        after = sqlite3_last_insert_rowid(full_db);
        if (sqlite3_reset(ins.get()) != SQLITE_OK)
            return -1;
        if (copied < kCancelEvery)
            return 0;
        if (callback && callback(user_data) != 0)
            return -2;
    }
}

} // namespace

std::string quote_identifier(const std::string &name)
{
    std::string out = "\"";
    for (char c : name) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
    return out;
}

int list_tables(sqlite3 *db, std::vector<std::string> &names)
{
    names.clear();
    Stmt st;
    if (st.prepare(db, "SELECT name FROM sqlite_master WHERE type='table'") != SQLITE_OK)
        return -1;
    while (sqlite3_step(st.get()) == SQLITE_ROW) {
        const unsigned char *t = sqlite3_column_text(st.get(), 0);
        if (t)
            names.emplace_back(reinterpret_cast<const char *>(t));
    }
    return static_cast<int>(names.size());
}

int get_column_names(sqlite3 *db, const std::string &table, std::vector<std::string> &names)
{
    names.clear();
    Stmt st;
    // The table name is bound, never spliced into the statement.
    if (st.prepare(db, "SELECT name FROM pragma_table_info(?) ORDER BY cid") != SQLITE_OK)
        return -1;
    sqlite3_bind_text(st.get(), 1, table.c_str(), -1, SQLITE_TRANSIENT);
    while (sqlite3_step(st.get()) == SQLITE_ROW) {
        const unsigned char *t = sqlite3_column_text(st.get(), 0);
        names.emplace_back(t ? reinterpret_cast<const char *>(t) : "");
    }
    return static_cast<int>(names.size());
}

int is_string_in_array(const std::vector<std::string> &names, const std::string &query)
{
    for (const auto &n : names)
        if (query.compare(0, n.size(), n) == 0)
            return 0;
    return -1;
}

int copy_db(sqlite3 *diff_db, sqlite3 *full_db, cancel_cbk callback, void *user_data)
{
    std::vector<std::string> target_tables, source_tables;
    int have_target = list_tables(full_db, target_tables);
    // The rows are copied by SQLite itself from the source attached to the
    // target connection; the source is named by its file.
    const char *source_file = sqlite3_db_filename(diff_db, "main");
    if (!source_file || !*source_file)
        return -1;
    {
        Stmt attach;
        if (attach.prepare(full_db, (std::string("ATTACH ?1 AS ") + kSourceSchema).c_str()) != SQLITE_OK)
            return -1;
        sqlite3_bind_text(attach.get(), 1, source_file, -1, SQLITE_TRANSIENT);
        if (sqlite3_step(attach.get()) != SQLITE_DONE)
            return -1;
    }
    // One transaction: the merge is fast, and a failed or cancelled merge
    // leaves the viewer copy as it was instead of half-merged.
    auto finish = [&](int rc) {
        if (rc == 0 && sqlite3_exec(full_db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
            rc = -1;
        if (rc != 0)
            sqlite3_exec(full_db, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_exec(full_db, (std::string("DETACH ") + kSourceSchema).c_str(), nullptr, nullptr, nullptr);
        return rc;
    };
    if (sqlite3_exec(full_db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK)
        return finish(-1);
    if (apply_deletions(diff_db, full_db, target_tables) != 0)
        return finish(-1);
    if (have_target <= 0)
        return finish(0);
    if (list_tables(diff_db, source_tables) < 0)
        source_tables.clear();
    for (const auto &table : target_tables) {
        if (is_string_in_array(source_tables, table) != 0)
            continue;
        int rc = copy_table(full_db, table, callback, user_data);
        if (rc != 0)
            return finish(rc);
    }
    return finish(0);
}

int merge_db(const std::string &dir, const std::string db_names[2], cancel_cbk callback, void *user_data)
{
    Db target, source;
    if (open_catalogue(join(dir, db_names[0]), SQLITE_OPEN_READWRITE, target.out()) != 0)
        return -1;
    if (sqlite3_exec(target.get(), "PRAGMA synchronous = OFF", nullptr, nullptr, nullptr) != SQLITE_OK)
        return -1;
    // The target is a scratch copy: a journal in memory still lets a cancel
    // roll back, and a larger page cache keeps the index updates of the
    // changed rows (scattered over the whole catalogue) from re-reading pages.
    sqlite3_exec(target.get(), "PRAGMA journal_mode = MEMORY", nullptr, nullptr, nullptr);
    sqlite3_exec(target.get(), "PRAGMA cache_size = -131072", nullptr, nullptr, nullptr);
    if (open_catalogue(join(dir, db_names[1]), SQLITE_OPEN_READONLY, source.out()) != 0)
        return -1;
    return copy_db(source.get(), target.get(), callback, user_data);
}

} // namespace orvex::trellis
