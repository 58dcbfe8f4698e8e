// Trellis folder at scale: 1,000,000 path rows with one history row each
// (folders of 10 to 100,000 entries) and a differential catalogue of 100,000
// changed rows. Each figure is a ratio against a baseline measured in this run:
//   open   (copy + merge + first open)   vs `cp` of the two catalogue files
//          (and, for reference, vs `cp` plus the same merge done by SQLite
//          itself with one INSERT ... SELECT per table)
//   list   of the 100,000-entry folder   vs the bare listing query in SQLite
//   stat   of the root                   vs one recursive query in SQLite
//   orvex-extract ls -R, ls -R --json and stat of the root, each run as a
//          child (output to /dev/null), vs the recursive query reading the
//          listing's columns; with the peak RSS of each child and, for
//          reference, the time of `orvex-extract versions` (opening alone)
// Usage: bench_trellis [path_rows] (default 1000000); ORVEX_BENCH_KEEP=1 keeps
// the generated folder. orvex-extract is taken from beside this program
// (ORVEX_EXTRACT names another); without it the command figures are skipped.
#include "testkit/tempdir.h"
#include "testkit/trellis.h"
#include "trellis_vesk.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace fs = std::filesystem;
namespace tk = orvex::testkit;
namespace tt = orvex::testkit::trellis;

namespace {

double seconds(const std::function<void()> &fn, int repeat = 3)
{
    double best = 1e30;
    for (int i = 0; i < repeat; ++i) {
        auto t0 = std::chrono::steady_clock::now();
        fn();
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
    }
    return best;
}

void die(const std::string &what)
{
    std::fprintf(stderr, "bench_trellis: %s\n", what.c_str());
    std::exit(1);
}

// snprintf rather than string concatenation: GCC 12 warns falsely (-Wrestrict)
// on the latter at -O2.
std::string name_of(const char *fmt, long long a, long long b = 0)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, fmt, a, b);
    return buf;
}

struct Built {
    int64_t big_folder_id = 0;
    long long rows = 0;
};

// Folders of 10..100,000 entries (one of exactly 100,000, "\big"), nested at
// random, until `total` path rows exist; version 1 in the full catalogue,
// version 2 (100,000 changed files, a few deletions) in the differential one.
Built build(const fs::path &dir, long long total)
{
    tk::Rng rng(2024);
    Built b;
    tt::write_job_info(dir, tt::make_job_id(9), "", tt::InfoForm::KeyValue);
    std::vector<int64_t> files;
    files.reserve(static_cast<size_t>(total));
    {
        tt::Catalogue full(dir / tt::full_name(1), false, true);
        full.add_version(1, 1700000000, 1700000600, 1);
        full.add_version(2, 1700086400, std::nullopt, 2);
        int64_t next = 1;
        auto path = [&](std::optional<int64_t> pid, const std::string &name, bool dir) {
            int64_t id = next++;
            full.add_path(pid, name, id);
            tt::HistoryRow h;
            h.path_id = id;
            h.version = 1;
            h.is_dir = dir;
            h.attr = tt::make_attr(dir ? 0 : rng.range(0, 1 << 24), 1600000000 + static_cast<int64_t>(rng.range(0, 1 << 26)),
                                   rng.range(0, 1) ? 24 : 32);
            full.add_history(h, id);
            if (!dir)
                files.push_back(id);
            return id;
        };
        int64_t root = path(std::nullopt, "", true);
        std::vector<int64_t> folders{root};
        b.big_folder_id = path(root, "big", true);
        for (int i = 0; i < 100000; ++i)
            path(b.big_folder_id, name_of("file-%lld-%lld", static_cast<long long>(rng.next() % 1000000000), i), false);
        long long serial = 0;
        while (next <= total) {
            int64_t parent = folders[rng.range(0, folders.size() - 1)];
            int64_t f = path(parent, name_of("dir-%lld", serial++), true);
            folders.push_back(f);
            // Log-uniform between 10 and 10,000 entries.
            long long n = static_cast<long long>(std::pow(10.0, 1.0 + 3.0 * rng.unit()));
            for (long long i = 0; i < n && next <= total; ++i)
                path(f, name_of("f%lld.dat", i), false);
        }
        b.rows = next - 1;
    }
    {
        tt::Catalogue diff(dir / tt::diff_name(1), true, true);
        diff.add_version(2, 1700086400, 1700087000, 2);
        int64_t hist = b.rows + 1;
        for (int i = 0; i < 100000; ++i) {
            tt::HistoryRow h;
            h.path_id = files[rng.range(0, files.size() - 1)];
            h.version = 2;
            h.attr = tt::make_attr(rng.range(0, 1 << 24), 1700086000, 24);
            h.deleted = i % 100 == 0;
            diff.add_history(h, hist++);
        }
        for (int i = 0; i < 1000; ++i)
            diff.add_deleted("history", static_cast<int64_t>(rng.range(2, b.rows)));
    }
    return b;
}

long long list_count(void *inst, const char *path)
{
    long long n = 0;
    auto cb = [](void *, int, const char *, trellis_vesk_item *, void *user) -> int {
        ++*static_cast<long long *>(user);
        return 0;
    };
    if (trellis_vesk_list_folder(inst, 2, path, cb, &n) != 0)
        die("listing failed");
    return n;
}

uint64_t be64(const unsigned char *p)
{
    uint64_t v = 0;
    for (int i = 0; i < 8; ++i)
        v = (v << 8) | p[i];
    return v;
}

// The recursive query below `version`'s root: every entry of the tree with
// the listing's columns, read one by one. `rows` receives the count.
const char *kTreeSql =
    "WITH RECURSIVE tree(id, name, is_dir, attr) AS ("
    " SELECT rowid, name, 1, NULL FROM path WHERE pid IS NULL AND rowid=(SELECT max(rowid) FROM path WHERE pid IS NULL)"
    " UNION ALL"
    " SELECT p.rowid, p.name, h.is_dir, h.attr FROM tree t JOIN path p ON p.pid=t.id"
    " JOIN history h ON h.rowid=(SELECT rowid FROM history WHERE path_id=p.rowid AND version<=?1"
    "  ORDER BY version DESC LIMIT 1)"
    " WHERE t.is_dir=1 AND h.deleted=0)"
    " SELECT name, is_dir, attr FROM tree";

double tree_query(sqlite3 *db, int version, long long &rows)
{
    return seconds([&] {
        sqlite3_stmt *st = nullptr;
        if (sqlite3_prepare_v2(db, kTreeSql, -1, &st, nullptr) != SQLITE_OK)
            die(sqlite3_errmsg(db));
        sqlite3_bind_int(st, 1, version);
        long long n = 0, sink = 0;
        while (sqlite3_step(st) == SQLITE_ROW) {
            sink += sqlite3_column_bytes(st, 0) + sqlite3_column_int(st, 1) + sqlite3_column_bytes(st, 2);
            if (sqlite3_column_bytes(st, 2) >= 29)
                sink += static_cast<long long>(be64(static_cast<const unsigned char *>(sqlite3_column_blob(st, 2)) + 20));
            ++n;
        }
        sqlite3_finalize(st);
        rows = sink == -1 ? 0 : n - 1; // the root itself is not listed
    });
}

struct ChildRun {
    double seconds = 1e30; // best of the runs
    long peak_kib = 0;     // largest peak RSS of the runs
};

// Runs `argv` `repeat` times with its output to /dev/null; dies when it fails.
ChildRun run_child(const std::vector<std::string> &argv_in, int repeat = 3)
{
    ChildRun r;
    for (int i = 0; i < repeat; ++i) {
        auto t0 = std::chrono::steady_clock::now();
        pid_t pid = fork();
        if (pid < 0)
            die("fork failed");
        if (pid == 0) {
            int null = open("/dev/null", O_WRONLY);
            dup2(null, 1);
            dup2(null, 2);
            std::vector<char *> argv;
            for (const auto &a : argv_in)
                argv.push_back(const_cast<char *>(a.c_str()));
            argv.push_back(nullptr);
            execv(argv[0], argv.data());
            _exit(127);
        }
        int status = 0;
        rusage ru{};
        if (wait4(pid, &status, 0, &ru) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
            die(argv_in[1] + " failed");
        r.seconds = std::min(r.seconds, std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
        r.peak_kib = std::max(r.peak_kib, ru.ru_maxrss);
    }
    return r;
}

std::string extract_exe()
{
    if (const char *e = std::getenv("ORVEX_EXTRACT"))
        return e;
    const fs::path beside = fs::canonical("/proc/self/exe").parent_path() / "orvex-extract";
    return fs::exists(beside) ? beside.string() : std::string();
}

// The commands against the recursive query over the same rows.
void command_figures(const fs::path &backup, sqlite3 *db)
{
    const std::string exe = extract_exe();
    if (exe.empty()) {
        std::printf("\ncommand figures skipped: build orvex-extract beside this program\n");
        return;
    }
    long long rows = 0;
    const double t_tree = tree_query(db, 2, rows);
    const std::string folder = backup.string();
    struct Case {
        const char *what;
        std::vector<std::string> args;
    } cases[] = {
        {"orvex-extract versions (opening alone)", {exe, "versions", folder}},
        {"orvex-extract ls -R", {exe, "ls", folder, "-R"}},
        {"orvex-extract ls -R --json", {exe, "ls", folder, "-R", "--json"}},
        {"orvex-extract stat (the root)", {exe, "stat", folder}},
    };
    std::printf("\n%-44s %10s %10s %8s %8s %10s\n", "command (best of 3) vs recursive query", "ours (s)", "base (s)",
                "ratio", "target", "peak MiB");
    for (const Case &c : cases) {
        const ChildRun r = run_child(c.args);
        std::printf("%-44s %10.3f %10.3f %7.2fx %8s %10.1f\n", c.what, r.seconds, t_tree, r.seconds / t_tree,
                    c.args[1] == "versions" ? "-" : "<=2x", r.peak_kib / 1024.0);
    }
    std::printf("recursive query: %lld entries below the root\n", rows);
}

} // namespace

int main(int argc, char **argv)
{
    long long total = argc > 1 ? std::atoll(argv[1]) : 1000000;
    tk::TempDir work("bench-trellis");
    if (std::getenv("ORVEX_BENCH_KEEP")) { // keep the generated folder for profiling
        work.keep();
        std::printf("keeping %s\n", work.str().c_str());
    }
    fs::path backup = work / "backup";
    std::printf("building %lld path rows...\n", total);
    std::fflush(stdout);
    auto t0 = std::chrono::steady_clock::now();
    Built b = build(backup, total);
    std::printf("built %lld path rows in %.1f s (full %.1f MB, differential %.1f MB)\n", b.rows,
                std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count(),
                fs::file_size(backup / tt::full_name(1)) / 1e6, fs::file_size(backup / tt::diff_name(1)) / 1e6);

    // ---- open vs cp ---------------------------------------------------------
    fs::path cpdir = work / "cp";
    fs::create_directories(cpdir);
    std::string cp = "cp '" + (backup / tt::full_name(1)).string() + "' '" + (backup / tt::diff_name(1)).string() +
                     "' '" + cpdir.string() + "/'";
    if (std::system(cp.c_str()) != 0) // warms the page cache as well
        die("cp failed");
    double t_cp = seconds([&] {
        if (std::system(cp.c_str()) != 0)
            die("cp failed");
    });
    // A second baseline: the same copy and merge done by `cp` and SQLite
    // itself (one INSERT ... SELECT per table, same journal and cache
    // settings), to show what part of the open is the merge's own floor.
    fs::path sqldir = work / "sql";
    fs::create_directories(sqldir);
    std::string cp_sql = "cp '" + (backup / tt::full_name(1)).string() + "' '" + (sqldir / "viewer.db").string() +
                         "' && cp '" + (backup / tt::diff_name(1)).string() + "' '" + (sqldir / "diff.db").string() + "'";
    double t_sql_merge = seconds([&] {
        if (std::system(cp_sql.c_str()) != 0)
            die("cp failed");
        sqlite3 *m = nullptr;
        if (sqlite3_open((sqldir / "viewer.db").string().c_str(), &m) != SQLITE_OK)
            die("viewer copy not openable");
        std::string sql = "PRAGMA synchronous=OFF; PRAGMA journal_mode=MEMORY; PRAGMA cache_size=-131072;"
                          "ATTACH '" + (sqldir / "diff.db").string() + "' AS d; BEGIN;";
        for (const char *t : {"version", "path", "history"})
            sql += std::string("DELETE FROM ") + t + " WHERE rowid IN (SELECT CAST(deleted_rowid AS INTEGER) FROM "
                   "d._sqlite_backup_deleted WHERE table_id='" + t + "');";
        sql += "INSERT OR REPLACE INTO version(rowid, version_no, start_time, end_time, file_count) "
               "SELECT rowid, version_no, start_time, end_time, file_count FROM d.version;"
               "INSERT OR REPLACE INTO path(rowid, pid, name) SELECT rowid, pid, name FROM d.path;"
               "INSERT OR REPLACE INTO history(rowid, path_id, version, is_dir, attr, deleted, fd_vault_id, "
               "fd_vault_index, symlink_source) SELECT rowid, path_id, version, is_dir, attr, deleted, fd_vault_id, "
               "fd_vault_index, symlink_source FROM d.history; COMMIT;";
        char *err = nullptr;
        if (sqlite3_exec(m, sql.c_str(), nullptr, nullptr, &err) != SQLITE_OK)
            die(err ? err : "merge in SQLite failed");
        sqlite3_close(m);
    });

    fs::path temp = work / "temp";
    fs::create_directories(temp);
    // Closing (removing the working folder) is not part of the open.
    double t_open = 1e30;
    for (int i = 0; i < 3; ++i) {
        void *inst = nullptr;
        auto t = std::chrono::steady_clock::now();
        if (trellis_vesk_open_v2(backup.string().c_str(), nullptr, &inst, temp.string().c_str(), nullptr, nullptr) != 0)
            die("open failed");
        t_open = std::min(t_open, std::chrono::duration<double>(std::chrono::steady_clock::now() - t).count());
        trellis_vesk_close(inst);
    }

    // A session whose working folder is known, for the SQLite baselines.
    fs::path fixed = work / "fixed";
    fs::create_directories(fixed);
    void *inst = nullptr;
    if (trellis_vesk_open_v3(backup.string().c_str(), nullptr, &inst, fixed.string().c_str(), 0, nullptr, nullptr) != 0)
        die("open failed");
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2((fixed / ".HalvernTrellisSync_viewer.db").string().c_str(), &db, SQLITE_OPEN_READONLY, nullptr) !=
        SQLITE_OK)
        die("viewer copy not openable");

    // ---- listing vs bare query -----------------------------------------------
    long long listed = 0;
    double t_list = seconds([&] { listed = list_count(inst, "\\big"); });
    long long bare_rows = 0;
    double t_bare = seconds([&] {
        std::string sql = "SELECT h.path_id, p.name, is_dir, attr, deleted FROM history h, path p "
                          "WHERE h.path_id=p.rowid AND p.pid=" + std::to_string(b.big_folder_id) +
                          " AND version<=2 ORDER BY p.name ASC, h.version DESC";
        sqlite3_stmt *st = nullptr;
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) != SQLITE_OK)
            die(sqlite3_errmsg(db));
        bare_rows = 0;
        while (sqlite3_step(st) == SQLITE_ROW) {
            (void)sqlite3_column_text(st, 1);
            (void)sqlite3_column_blob(st, 3);
            ++bare_rows;
        }
        sqlite3_finalize(st);
    });

    // ---- statistics vs one recursive query ----------------------------------
    trellis_vesk_stat stat{};
    double t_stat = seconds([&] {
        if (trellis_vesk_get_stat_sum(inst, 2, "\\", &stat) != 0)
            die("statistics failed");
    });
    long long q_files = 0, q_dirs = 0, q_bytes = 0;
    double t_rec = seconds([&] {
        const char *sql =
            "WITH RECURSIVE tree(id, is_dir, attr) AS ("
            " SELECT rowid, 1, NULL FROM path WHERE pid IS NULL AND rowid=(SELECT max(rowid) FROM path WHERE pid IS NULL)"
            " UNION ALL"
            " SELECT p.rowid, h.is_dir, h.attr FROM tree t JOIN path p ON p.pid=t.id"
            " JOIN history h ON h.rowid=(SELECT rowid FROM history WHERE path_id=p.rowid AND version<=2"
            "  ORDER BY version DESC LIMIT 1)"
            " WHERE t.is_dir=1 AND h.deleted=0)"
            " SELECT is_dir, attr FROM tree";
        sqlite3_stmt *st = nullptr;
        if (sqlite3_prepare_v2(db, sql, -1, &st, nullptr) != SQLITE_OK)
            die(sqlite3_errmsg(db));
        q_files = q_dirs = q_bytes = 0;
        while (sqlite3_step(st) == SQLITE_ROW) {
            if (sqlite3_column_int(st, 0) == 1) {
                ++q_dirs;
            } else {
                ++q_files;
                if (sqlite3_column_bytes(st, 1) >= 20)
                    q_bytes += static_cast<long long>(
                        be64(static_cast<const unsigned char *>(sqlite3_column_blob(st, 1)) + 12));
            }
        }
        sqlite3_finalize(st);
        --q_dirs; // the root itself
    });

    if (stat.file_count != q_files || stat.folder_count != q_dirs || stat.total_size != q_bytes)
        die("statistics differ from the recursive query");

    std::printf("\n%-44s %10s %10s %8s %8s\n", "measurement", "ours (s)", "base (s)", "ratio", "target");
    std::printf("%-44s %10.3f %10.3f %7.2fx %8s\n", "open: copy+merge+first open vs cp", t_open, t_cp, t_open / t_cp,
                "<=3x");
    std::printf("%-44s %10.3f %10.3f %7.2fx %8s\n", "open vs cp + the merge as INSERT..SELECT", t_open,
                t_sql_merge, t_open / t_sql_merge, "-");
    std::printf("%-44s %10.3f %10.3f %7.2fx %8s\n", "list \\big (100,000 entries) vs bare query", t_list, t_bare,
                t_list / t_bare, "<=2x");
    std::printf("%-44s %10.3f %10.3f %7.2fx %8s\n", "stat of the root vs recursive query", t_stat, t_rec,
                t_stat / t_rec, "<=2x");
    std::printf("\nlisted %lld entries (bare query %lld rows); root: %d folders, %d files, %lld bytes\n", listed,
                bare_rows, stat.folder_count, stat.file_count, stat.total_size);
    command_figures(backup, db);
    sqlite3_close(db);
    trellis_vesk_close(inst);
    return 0;
}
