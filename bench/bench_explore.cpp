// Finding, histories, differences and single-file reads at scale, with ratios
// against baselines measured in the same run:
//   find      trellis_vesk_find over a catalogue of 1,000,000 path rows (three
//             versions) vs the bare SQLite query doing the same match (name
//             GLOB, or LIKE for -i, joined with each entry's latest state);
//             best of three each
//   history   of one path, and diff of two versions: times
//   mount cat `cat` of a 1 GiB file through `orvex-extract mount` (to
//             /dev/null, a fresh mount each run) vs `orvex-extract restore`
//             of the same file (to a disk folder); best of three each
//   random    4 KiB reads at random offsets through the mount, per second,
//             vs the same reads through trellis_vesk_read_file in this process
// Usage: bench_explore [entries (1000000)] [file size (1G)] [work folder]
// The work folder must be on a disk (not /dev/shm); by default a fresh folder
// under the system's temporary folder. orvex-extract must be built next to
// this program. The mount figures need a FUSE device.
#include "testkit/tempdir.h"
#include "testkit/trellis.h"
#include "testkit/trellis_content.h"
#include "trellis_vesk.h"

#include <fcntl.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;
namespace tk = orvex::testkit;
namespace tt = orvex::testkit::trellis;

namespace {

using Clock = std::chrono::steady_clock;

double since(Clock::time_point t0)
{
    return std::chrono::duration<double>(Clock::now() - t0).count();
}

double best_of(int n, const std::function<void()> &fn)
{
    double best = 1e30;
    for (int i = 0; i < n; ++i) {
        auto t0 = Clock::now();
        fn();
        best = std::min(best, since(t0));
    }
    return best;
}

void die(const std::string &what)
{
    std::fprintf(stderr, "bench_explore: %s\n", what.c_str());
    std::exit(1);
}

uint64_t parse_size(const std::string &t)
{
    size_t used = 0;
    uint64_t v = std::stoull(t, &used);
    char u = used < t.size() ? t[used] : 0;
    return u == 'G' ? v << 30 : u == 'M' ? v << 20 : u == 'K' ? v << 10 : v;
}

std::string name_of(const char *fmt, long long a)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, fmt, a);
    return buf;
}

// ---- the catalogue ----------------------------------------------------------

// Folders of 1,000 entries below the root until `total` path rows exist; all
// in version 1; version 2 changes 5 % of the files and deletes 1 %, version 3
// changes another 5 % and adds 1 % new files.
void build_catalogue(const fs::path &dir, long long total)
{
    tt::write_job_info(dir, tt::make_job_id(4), "", tt::InfoForm::KeyValue);
    tt::Catalogue c(dir / tt::full_name(1), false, true);
    for (int v = 1; v <= 3; ++v)
        c.add_version(v, 1700000000 + 86400LL * v, 1700000600 + 86400LL * v, v);
    long long next = 1;
    auto path = [&](std::optional<int64_t> pid, const std::string &name) { return c.add_path(pid, name, next++); };
    auto state = [&](int64_t id, int version, bool dir, uint64_t size, int deleted = 0) {
        tt::HistoryRow h;
        h.path_id = id;
        h.version = version;
        h.is_dir = dir;
        h.deleted = deleted;
        h.attr = tt::make_attr(size, 1600000000 + id + version, 24);
        c.add_history(h);
    };
    const char *ext[] = {".txt", ".jpg", ".doc"};
    const int64_t root = path(std::nullopt, "");
    state(root, 1, true, 0);
    tk::Rng rng(77);
    std::vector<int64_t> files;
    int64_t folder = root;
    long long in_folder = 1000;
    const long long first = total - total / 100; // the rest comes in version 3
    while (next <= first) {
        if (in_folder == 1000) {
            folder = path(root, name_of("folder%05lld", next));
            state(folder, 1, true, 0);
            in_folder = 0;
        }
        const int64_t id = path(folder, name_of("file%07lld", next) + ext[next % 3]);
        state(id, 1, false, rng.range(0, 1 << 20));
        files.push_back(id);
        ++in_folder;
    }
    for (int64_t id : files) {
        const uint64_t roll = rng.range(0, 99);
        if (roll < 5)
            state(id, 2, false, rng.range(0, 1 << 20));
        else if (roll < 6)
            state(id, 2, false, 0, 1);
        else if (roll < 11)
            state(id, 3, false, rng.range(0, 1 << 20));
    }
    while (next <= total) {
        const int64_t id = path(folder, name_of("new%07lld.txt", next));
        state(id, 3, false, 100);
    }
}

struct Session {
    void *inst = nullptr;
    Session(const fs::path &folder, const fs::path &temp, const char *password = nullptr)
    {
        if (trellis_vesk_open(folder.c_str(), password, &inst, temp.c_str()) != 0)
            die("cannot open " + folder.string());
    }
    ~Session() { trellis_vesk_close(inst); }
};

long long find_count(void *inst, int version, const char *pattern, int flags)
{
    long long n = 0;
    auto cb = [](void *, const trellis_vesk_entry *, void *user) -> int {
        ++*static_cast<long long *>(user);
        return 0;
    };
    if (trellis_vesk_find(inst, version, pattern, flags, cb, &n) != 0)
        die("find failed");
    return n;
}

// The same match as bare SQLite: every matching name below the root with its
// latest state at or before the version, read column by column.
long long sqlite_count(sqlite3 *db, int version, const char *op, const char *pattern)
{
    const std::string sql =
        std::string("SELECT p.rowid, p.pid, p.name, h.is_dir, h.attr FROM path p, history h WHERE p.name ") + op +
        " ?1 AND p.pid IS NOT NULL AND h.rowid=(SELECT rowid FROM history WHERE path_id=p.rowid AND version<=?2 ORDER BY version DESC "
        "LIMIT 1) AND h.deleted=0";
    sqlite3_stmt *st = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) != SQLITE_OK)
        die(sqlite3_errmsg(db));
    sqlite3_bind_text(st, 1, pattern, -1, SQLITE_STATIC);
    sqlite3_bind_int(st, 2, version);
    long long n = 0, sink = 0;
    while (sqlite3_step(st) == SQLITE_ROW) {
        sink += sqlite3_column_int64(st, 0) + sqlite3_column_int64(st, 1) + sqlite3_column_bytes(st, 2) +
                sqlite3_column_int64(st, 3) + sqlite3_column_bytes(st, 4);
        ++n;
    }
    sqlite3_finalize(st);
    return sink == -1 ? 0 : n;
}

void catalogue_figures(const fs::path &work, long long entries)
{
    const fs::path folder = work / "catalogue";
    fs::remove_all(folder);
    fs::create_directories(folder);
    auto t0 = Clock::now();
    build_catalogue(folder, entries);
    std::printf("catalogue of %lld path rows written in %.1f s\n", entries, since(t0));
    tk::TempDir temp("bench-explore-session");
    t0 = Clock::now();
    Session s(folder, temp.path());
    std::printf("session opened in %.2f s\n\n", since(t0));
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2((folder / tt::full_name(1)).c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
        die("cannot open the catalogue");

    struct Case {
        const char *what, *pattern, *sql_op, *sql_pattern;
        int flags;
    } cases[] = {
        {"selective", "*1234?.txt", "GLOB", "*1234?.txt", 0},
        {"a third", "*.txt", "GLOB", "*.txt", 0},
        {"everything", "*", "GLOB", "*", 0},
        {"-i selective", "*1234?.TXT", "LIKE", "%1234_.TXT", TRELLIS_VESK_FIND_NOCASE},
    };
    std::printf("%-14s %-12s %9s %10s %10s %7s\n", "find (v3)", "pattern", "matches", "ours s", "sqlite s", "ratio");
    for (const Case &c : cases) {
        long long ours_n = 0, base_n = 0;
        const double ours = best_of(3, [&] { ours_n = find_count(s.inst, 3, c.pattern, c.flags); });
        const double base = best_of(3, [&] { base_n = sqlite_count(db, 3, c.sql_op, c.sql_pattern); });
        std::printf("%-14s %-12s %9lld %10.3f %10.3f %6.2fx%s\n", c.what, c.pattern, ours_n, ours, base, ours / base,
                    ours_n == base_n ? "" : "  (counts differ!)");
    }
    const double all = best_of(1, [&] { find_count(s.inst, TRELLIS_VESK_ALL_VERSIONS, "*1234?.txt", 0); });
    std::printf("find *1234?.txt across all versions: %.3f s\n\n", all);
    sqlite3_close(db);

    // The first file of the first folder (path rows are numbered from 1:
    // the root, the folder, then its files).
    const std::string one = "\\folder00002\\file0000003.txt";
    int steps = 0;
    auto count = [](void *, const trellis_vesk_change_item *, void *user) -> int {
        ++*static_cast<int *>(user);
        return 0;
    };
    const double hist = best_of(5, [&] {
        steps = 0;
        if (trellis_vesk_history(s.inst, one.c_str(), count, &steps) != 0)
            die("history failed");
    });
    std::printf("history of %s: %d steps in %.2f ms\n", one.c_str(), steps, hist * 1000);
    for (auto [from, to] : {std::pair{1, 3}, std::pair{2, 3}, std::pair{3, 1}}) {
        int n = 0;
        const double d = best_of(3, [&] {
            n = 0;
            if (trellis_vesk_diff(s.inst, from, to, count, &n) != 0)
                die("diff failed");
        });
        std::printf("diff %d -> %d: %d differences in %.3f s\n", from, to, n, d);
    }
    std::printf("\n");
}

// ---- one large file -----------------------------------------------------------

const char *kPassword = "bench password";
const char *kBig = "\\big.bin";

void build_big(const fs::path &dir, uint64_t size)
{
    if (fs::exists(dir / tt::kInfoName))
        return; // kept from an earlier run
    auto t0 = Clock::now();
    fs::create_directories(dir);
    tt::ContentOptions co;
    co.password = kPassword;
    co.placement = tt::Placement::Ovt;
    co.cmp_methods = {5};
    co.min_chunk = 48 * 1024;
    co.max_chunk = 80 * 1024;
    co.vault_capacity = 64ull << 20;
    {
        tt::ContentWriter content(dir, co);
        tt::Catalogue c(dir / tt::full_name(1), false, true);
        c.add_version(1, 1700000000, 1700000600, 1);
        const int64_t root = c.add_path(std::nullopt, "", 1);
        tt::HistoryRow h;
        h.path_id = root;
        h.is_dir = true;
        h.attr = tt::make_attr(0, 1700000000, 24);
        c.add_history(h);
        h = tt::HistoryRow{};
        h.path_id = c.add_path(root, "big.bin");
        h.attr = tt::make_attr(size, 1700000000, 24);
        content.add(kBig, h, 99);
        c.add_history(h);
        content.finish();
    }
    tt::write_job_info(dir, tt::make_job_id(5), tt::make_signature(kPassword, tt::make_job_id(5), 5),
                       tt::InfoForm::KeyValue);
    std::printf("folder with one file of %.0f MiB written in %.1f s\n", size / 1048576.0, since(t0));
}

pid_t spawn(const std::vector<std::string> &argv_in, const fs::path &out, const fs::path &log)
{
    pid_t pid = fork();
    if (pid == 0) {
        setenv("ORVEX_PASSWORD", kPassword, 1);
        int o = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        int l = open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
        dup2(o, 1);
        dup2(l, 2);
        std::vector<char *> argv;
        for (const auto &a : argv_in)
            argv.push_back(const_cast<char *>(a.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    return pid;
}

int finish(pid_t pid)
{
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

bool is_mounted(const fs::path &at)
{
    std::ifstream in("/proc/self/mountinfo");
    std::string id, parent, dev, root, point, rest;
    while (in >> id >> parent >> dev >> root >> point) {
        std::getline(in, rest);
        if (point == at.string())
            return true;
    }
    return false;
}

// A foreground mount for the length of one measurement.
struct Mount {
    pid_t pid;
    fs::path point;
    Mount(const std::string &exe, const fs::path &folder, const fs::path &at, const fs::path &log) : point(at)
    {
        pid = spawn({exe, "mount", folder.string(), at.string(), "--foreground"}, "/dev/null", log);
        const auto limit = Clock::now() + std::chrono::seconds(60);
        while (!is_mounted(at)) {
            if (Clock::now() > limit)
                die("the mount did not come up (see " + log.string() + ")");
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    ~Mount()
    {
        kill(pid, SIGTERM);
        if (finish(pid) != 0)
            std::fprintf(stderr, "bench_explore: the mount ended with an error\n");
    }
};

double random_reads(int fd, uint64_t size, int count)
{
    tk::Rng rng(5);
    std::vector<char> buf(4096);
    auto t0 = Clock::now();
    for (int i = 0; i < count; ++i) {
        const off_t at = static_cast<off_t>(rng.range(0, size / 4096 - 1) * 4096);
        if (pread(fd, buf.data(), buf.size(), at) != 4096)
            die("random read failed");
    }
    return count / since(t0);
}

double library_random_reads(const fs::path &folder, const fs::path &temp, uint64_t size, int count)
{
    Session s(folder, temp, kPassword);
    void *f = nullptr;
    if (trellis_vesk_open_file(s.inst, 1, kBig, &f) != 0)
        die("cannot open the file");
    tk::Rng rng(5);
    std::vector<char> buf(4096);
    auto t0 = Clock::now();
    for (int i = 0; i < count; ++i)
        if (trellis_vesk_read_file(f, static_cast<long long>(rng.range(0, size / 4096 - 1) * 4096), buf.data(),
                                   4096) != 4096)
            die("random read failed");
    const double per_second = count / since(t0);
    trellis_vesk_close_file(f);
    return per_second;
}

void file_figures(const fs::path &work, uint64_t size)
{
    if (access("/dev/fuse", R_OK | W_OK) != 0) {
        std::printf("mount figures skipped: no usable FUSE device (/dev/fuse)\n");
        return;
    }
    const std::string exe = (fs::canonical("/proc/self/exe").parent_path() / "orvex-extract").string();
    if (!fs::exists(exe))
        die("build orvex-extract first (" + exe + ")");
    const fs::path folder = work / "big";
    build_big(folder, size);
    const fs::path log = work / "orvex-extract.log", mnt = work / "mnt", out = work / "restored";
    fs::create_directories(mnt);
    int run = 0;
    const double restore = best_of(3, [&] {
        const fs::path dest = out / std::to_string(run++);
        fs::remove_all(dest);
        sync();
        if (finish(spawn({exe, "restore", folder.string(), kBig, "--to", dest.string(), "--threads", "1"},
                         "/dev/null", log)) != 0)
            die("restore failed (see " + log.string() + ")");
    });
    fs::remove_all(out);
    // A fresh mount for every run, so no page of the file is cached yet;
    // the time is the cat's alone (the restore's includes opening).
    double cat = 1e30, mount = 1e30;
    for (int i = 0; i < 3; ++i) {
        auto t0 = Clock::now();
        Mount m(exe, folder, mnt, log);
        mount = std::min(mount, since(t0));
        t0 = Clock::now();
        if (finish(spawn({"/bin/cat", (mnt / "big.bin").string()}, "/dev/null", log)) != 0)
            die("cat through the mount failed (see " + log.string() + ")");
        cat = std::min(cat, since(t0));
    }
    const double mib = size / 1048576.0;
    std::printf("%-40s %8.2f s %8.0f MiB/s\n", "orvex-extract restore (to a disk folder)", restore, mib / restore);
    std::printf("%-40s %8.2f s %8.0f MiB/s   (mounting took %.2f s)\n", "cat through the mount (to /dev/null)", cat,
                mib / cat, mount);
    std::printf("cat / restore throughput: %.2fx\n\n", restore / cat);

    const int count = 20000;
    double through_mount;
    {
        Mount m(exe, folder, mnt, log);
        int fd = open((mnt / "big.bin").c_str(), O_RDONLY);
        if (fd < 0)
            die("cannot open the file through the mount");
        posix_fadvise(fd, 0, 0, POSIX_FADV_RANDOM);
        through_mount = random_reads(fd, size, count);
        close(fd);
    }
    tk::TempDir temp("bench-explore-lib");
    const double in_process = library_random_reads(folder, temp.path(), size, count);
    std::printf("random 4 KiB reads: %.0f/s through the mount, %.0f/s through trellis_vesk_read_file (%.2fx)\n",
                through_mount, in_process, through_mount / in_process);
}

} // namespace

int main(int argc, char **argv)
{
    const long long entries = argc > 1 ? std::atoll(argv[1]) : 1000000;
    const uint64_t size = argc > 2 ? parse_size(argv[2]) : (1ull << 30);
    std::unique_ptr<tk::TempDir> temp;
    fs::path work;
    if (argc > 3) {
        work = fs::absolute(argv[3]);
        fs::create_directories(work);
    } else {
        temp = std::make_unique<tk::TempDir>("bench-explore");
        work = temp->path();
    }
    if (work.string().rfind("/dev/shm", 0) == 0)
        die("the work folder must be on a disk, not /dev/shm");
    std::printf("work folder %s\n", work.c_str());
    catalogue_figures(work, entries);
    file_figures(work, size);
    return 0;
}
