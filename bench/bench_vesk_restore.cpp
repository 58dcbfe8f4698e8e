// Container restore throughput, as ratios against baselines measured in the
// same run on the same bytes:
//   deduplicated   restoring every entry of a container of deduplicated
//                  files (fs_vesk_restore_file, one session) against a tight
//                  loop over the same chunk rows in file order: pread the
//                  chunk record from the container, XXH64 of the stored
//                  bytes, zstd decompress, write the plain bytes into one
//                  output file (a chunk repeated back to back decoded once)
//   stored whole   restoring every entry of a container of files stored
//                  whole against `cp -r` of the same files
// Each restore and each cp runs as a child process: wall time of the whole
// run (open, listing, restore) and its processor time; a restore also
// reports its peak resident memory (VmHWM). Every measured run starts after
// a sync, into a fresh folder that goes after the run; the four kinds of
// run take turns for five rounds and the best round of each counts.
//
// Usage: bench_vesk_restore [size (1G)] [files (64)] [work folder]
// The containers (and the plain files the stored one was made of) are kept
// in a given work folder and reused by the next run; restored bytes go there
// too, so give a folder on a disk file system.
#include "testkit/tempdir.h"
#include "testkit/vesk_writer.h"
#include "vesk.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xxhash.h>
#include <zstd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace fs = std::filesystem;
namespace tk = orvex::testkit;
namespace tv = orvex::testkit::vesk;

namespace {

using Clock = std::chrono::steady_clock;

// One chunk row in file order: where its record starts in the container.
struct Row {
    uint64_t at;
    uint32_t chunksize;
    uint32_t store_size;
};

struct Run {
    double seconds = 0;
    double cpu = 0;    // user + system seconds
    long peak_kib = 0; // restores only
};

uint64_t parse_size(const std::string &t)
{
    size_t used = 0;
    uint64_t v = std::stoull(t, &used);
    char u = used < t.size() ? t[used] : 0;
    return u == 'G' ? v << 30 : u == 'M' ? v << 20 : u == 'K' ? v << 10 : v;
}

double since(Clock::time_point t0)
{
    return std::chrono::duration<double>(Clock::now() - t0).count();
}

double cpu_of(const struct rusage &ru)
{
    return static_cast<double>(ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) +
           static_cast<double>(ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1e6;
}

// ---- the child: restore every entry of a container ----

struct Child {
    std::vector<std::pair<std::string, char>> entries;
};

int note_entry(void *, int, const char *, fs_vesk_item *item, void *user)
{
    if (item)
        static_cast<Child *>(user)->entries.push_back({item->name, item->type});
    return 0;
}

int quiet(void *, int, const char *, const char *, int, float, void *)
{
    return 0;
}

int restore_tree(void *inst, const std::string &folder, const fs::path &dst)
{
    Child c;
    if (fs_vesk_list_folder(inst, 0, folder.c_str(), note_entry, &c) != 0)
        return 1;
    for (const auto &[name, type] : c.entries) {
        const std::string path = (folder == "\\" ? "" : folder) + "\\" + name;
        const fs::path to = dst / name;
        if (fs_vesk_restore_file(inst, 0, path.c_str(), to.c_str(), 0, quiet, nullptr) != 0) {
            std::fprintf(stderr, "restore of %s failed\n", path.c_str());
            return 1;
        }
        if (type == FS_VESK_DIR && restore_tree(inst, path, to) != 0)
            return 1;
    }
    return 0;
}

// Peak resident memory of this process in KiB. (The rusage of a child that
// was forked from the bench would count the bench's own pages too.)
long peak_kib()
{
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return 0;
}

int child_restore(const char *container, const char *dst, const char *peak_file)
{
    void *inst = nullptr;
    fs::create_directories(dst);
    if (fs_vesk_open(container, nullptr, &inst, dst) != 0) {
        std::fprintf(stderr, "cannot open %s\n", container);
        return 1;
    }
    int rc = restore_tree(inst, "\\", dst);
    fs_vesk_close(inst);
    std::ofstream(peak_file) << peak_kib() << "\n";
    return rc;
}

// ---- the parent ----

Run run_child(const std::vector<std::string> &argv_in)
{
    ::sync(); // no dirty pages of an earlier run are written back during this one
    auto t0 = Clock::now();
    pid_t pid = fork();
    if (pid == 0) {
        std::vector<char *> argv;
        for (const auto &a : argv_in)
            argv.push_back(const_cast<char *>(a.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    struct rusage ru {};
    wait4(pid, &status, 0, &ru);
    Run r;
    r.seconds = since(t0);
    r.cpu = cpu_of(ru);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed\n", argv_in[0].c_str());
        std::exit(1);
    }
    return r;
}

void generate(const fs::path &work, uint64_t size, int files)
{
    auto t0 = Clock::now();
    tv::BulkOptions o;
    o.size = size;
    o.files = files;
    std::vector<tv::VaultPlace> vaults;
    std::vector<tv::Expected> entries = tv::write_bulk(work / "dedup.vesk", o, &vaults);
    std::map<std::pair<int64_t, int64_t>, int64_t> vault_at;
    for (const auto &v : vaults)
        vault_at[{v.hid, v.vid}] = v.offset;
    std::ofstream rows(work / "rows.bin", std::ios::binary | std::ios::trunc);
    for (const auto &e : entries)
        for (const auto &r : e.rows) {
            Row row{static_cast<uint64_t>(vault_at.at({r.hid, r.vid})) + r.voffset, r.chunksize, r.store_size};
            rows.write(reinterpret_cast<const char *>(&row), sizeof row);
        }
    fs::remove_all(work / "originals");
    o.stored = true;
    o.originals = work / "originals";
    tv::write_bulk(work / "stored.vesk", o);
    std::printf("generated the containers in %.1f s\n", since(t0));
}

std::vector<Row> load_rows(const fs::path &work)
{
    std::vector<Row> rows(fs::file_size(work / "rows.bin") / sizeof(Row));
    std::ifstream in(work / "rows.bin", std::ios::binary);
    in.read(reinterpret_cast<char *>(rows.data()), static_cast<std::streamsize>(rows.size() * sizeof(Row)));
    return rows;
}

void warm(const fs::path &p)
{
    std::vector<char> buf(1 << 20);
    auto read_all = [&](const fs::path &f) {
        std::ifstream in(f, std::ios::binary);
        while (in.read(buf.data(), static_cast<std::streamsize>(buf.size())) || in.gcount() > 0) {
        }
    };
    if (fs::is_regular_file(p)) {
        read_all(p);
        return;
    }
    for (const auto &e : fs::recursive_directory_iterator(p))
        if (e.is_regular_file())
            read_all(e.path());
}

// The codecs alone, in this process.
Run baseline(const fs::path &container, const std::vector<Row> &rows, const fs::path &out)
{
    std::vector<uint8_t> rec(1 << 20), plain(1 << 20);
    ::sync();
    int fd = ::open(container.c_str(), O_RDONLY);
    int ofd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    uint64_t last = UINT64_MAX, sink = 0;
    size_t len = 0;
    struct rusage before {}, after {};
    getrusage(RUSAGE_SELF, &before);
    auto t0 = Clock::now();
    for (const Row &r : rows) {
        if (r.at != last) {
            size_t n = 128 + r.store_size;
            if (::pread(fd, rec.data(), n, static_cast<off_t>(r.at)) != static_cast<ssize_t>(n))
                std::abort();
            sink += XXH64(rec.data() + 128, r.store_size, 0);
            uint8_t cmp = rec[13];
            if (cmp == 5) {
                len = ZSTD_decompress(plain.data(), r.chunksize, rec.data() + 128, r.store_size);
                if (len != r.chunksize)
                    std::abort();
            } else {
                std::memcpy(plain.data(), rec.data() + 128, r.store_size);
                len = r.store_size;
            }
            last = r.at;
        }
        if (::write(ofd, plain.data(), len) != static_cast<ssize_t>(len))
            std::abort();
    }
    ::close(ofd); // the restore's time includes closing its files too
    Run run;
    run.seconds = since(t0);
    getrusage(RUSAGE_SELF, &after);
    run.cpu = cpu_of(after) - cpu_of(before);
    ::close(fd);
    fs::remove(out);
    if (sink == 42)
        std::puts("");
    return run;
}

uint64_t tree_bytes(const fs::path &dir)
{
    uint64_t n = 0;
    for (const auto &e : fs::recursive_directory_iterator(dir))
        if (e.is_regular_file())
            n += e.file_size();
    return n;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 5 && std::strcmp(argv[1], "--restore") == 0)
        return child_restore(argv[2], argv[3], argv[4]);
    const uint64_t size = argc > 1 ? parse_size(argv[1]) : (1ull << 30);
    const int files = argc > 2 ? std::atoi(argv[2]) : 64;
    std::unique_ptr<tk::TempDir> temp;
    fs::path work;
    if (argc > 3) {
        work = argv[3];
        fs::create_directories(work);
    } else {
        temp = std::make_unique<tk::TempDir>("bench-vesk-restore");
        work = temp->path();
    }
    const std::string self = fs::canonical("/proc/self/exe").string();
    if (!fs::exists(work / "rows.bin") || !fs::exists(work / "dedup.vesk") || !fs::exists(work / "stored.vesk"))
        generate(work, size, files);
    const std::vector<Row> rows = load_rows(work);
    uint64_t plain = 0;
    for (const Row &r : rows)
        plain += r.chunksize;
    const uint64_t stored_bytes = tree_bytes(work / "originals");
    warm(work / "dedup.vesk");
    warm(work / "stored.vesk");
    warm(work / "originals");
    const fs::path out = work / "out";
    fs::create_directories(out);
    std::printf("work folder %s\n", work.c_str());

    // The four runs take turns, five rounds, so that each meets the same
    // conditions of the machine (other work, the disk's write-back); the
    // best round of each counts.
    int n = 0;
    auto fresh = [&] { return out / ("run-" + std::to_string(n++)); };
    auto restore_run = [&](const char *container) {
        fs::path dst = fresh();
        const fs::path peak = out / "peak";
        Run r = run_child({self, "--restore", (work / container).string(), dst.string(), peak.string()});
        std::ifstream(peak) >> r.peak_kib;
        fs::remove_all(dst);
        return r;
    };
    auto cp_run = [&] {
        fs::path dst = fresh();
        Run r = run_child({"/bin/cp", "-r", (work / "originals").string(), dst.string()});
        fs::remove_all(dst);
        return r;
    };
    Run base, dedup, cp, stored;
    auto keep_best = [](Run &best, const Run &r, int round) {
        if (round == 0 || r.seconds < best.seconds)
            best = r;
    };
    for (int round = 0; round < 5; ++round) {
        keep_best(base, baseline(work / "dedup.vesk", rows, out / "baseline.out"), round);
        keep_best(dedup, restore_run("dedup.vesk"), round);
        keep_best(cp, cp_run(), round);
        keep_best(stored, restore_run("stored.vesk"), round);
    }
    fs::remove_all(out);

    const double mb = 1e6;
    auto rate = [](uint64_t bytes, const Run &r) { return static_cast<double>(bytes) / r.seconds; };
    std::printf("deduplicated: %.0f MiB in %d files, %zu chunk rows (zstd, 48-80 KiB chunks); stored whole: %.0f "
                "MiB in %d files\n",
                plain / 1048576.0, files, rows.size(), stored_bytes / 1048576.0, files);
    std::printf("%-32s %8s %7s %7s %9s\n", "", "MB/s", "ratio", "cpu s", "peak MiB");
    std::printf("%-32s %8.0f %7s %7.2f\n", "baseline: decode loop + write", rate(plain, base) / mb, "1.00", base.cpu);
    std::printf("%-32s %8.0f %7.2f %7.2f %9.1f   (>= 0.80 of the decode loop)\n", "restore, deduplicated files",
                rate(plain, dedup) / mb, rate(plain, dedup) / rate(plain, base), dedup.cpu, dedup.peak_kib / 1024.0);
    std::printf("%-32s %8.0f %7s %7.2f\n", "baseline: cp -r", rate(stored_bytes, cp) / mb, "1.00", cp.cpu);
    std::printf("%-32s %8.0f %7.2f %7.2f %9.1f   (>= 0.80 of cp)\n", "restore, files stored whole",
                rate(stored_bytes, stored) / mb, rate(stored_bytes, stored) / rate(stored_bytes, cp), stored.cpu,
                stored.peak_kib / 1024.0);
    return 0;
}
