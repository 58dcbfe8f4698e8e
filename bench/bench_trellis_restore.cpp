// Trellis restore throughput, as ratios against a baseline measured in the
// same run on the same chunks:
//   baseline        a tight loop over the chunks of every file in file order:
//                   pread the stored bytes from the vault, XXH64, AES-256-GCM
//                   decrypt, zstd decompress, write the plain bytes into one
//                   output file (a chunk repeated back to back is decoded once)
//   baseline -write the same loop without the write
//   restore 1       `orvex-extract restore --threads 1` of the whole version
//   restore 2       the same with --threads 2 (two sessions, files at once)
//   verify 1 / 2    `orvex-extract verify` (reads and checks, writes nothing)
// Each orvex-extract run is a child process: wall time of the whole command
// (open, listing, restore) and its peak resident memory. Every measured run
// starts after a sync, and the best of three counts.
//
// Usage: bench_trellis_restore [size (1G)] [files (2000)] [work folder]
// Restored bytes (and the baseline's output file) go to /dev/shm when it
// exists, or to ORVEX_BENCH_OUT.
// orvex-extract must be built next to this program. The folder (zstd,
// AES-256-GCM, 48-80 KiB chunks, mixed content, repeated and shared chunks)
// is kept in a given work folder and reused by the next run.
#include "testkit/tempdir.h"
#include "testkit/trellis.h"
#include "testkit/trellis_content.h"

#include <fcntl.h>
#include <openssl/evp.h>
#include <openssl/sha.h>
#include <sqlite3.h>
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
namespace tt = orvex::testkit::trellis;

namespace {

using Clock = std::chrono::steady_clock;
const char *kPassword = "bench password";

struct Row {
    uint64_t number;
    uint64_t voffset;
    uint32_t chunksize;
    uint32_t store_size;
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

void generate(const fs::path &work, uint64_t size, int files)
{
    const fs::path folder = work / "folder";
    fs::remove_all(folder);
    std::map<std::pair<uint64_t, uint64_t>, std::pair<uint32_t, uint32_t>> stored;
    tt::FolderOptions fo;
    fo.password = kPassword;
    fo.versions = 1;
    fo.files = files;
    fo.seed = 3;
    fo.max_file_size = std::max<uint64_t>(1, static_cast<uint64_t>(2.5 * static_cast<double>(size) / files));
    tt::ContentOptions co;
    co.placement = tt::Placement::Ovt;
    co.cmp_methods = {5};
    co.min_chunk = 48 * 1024;
    co.max_chunk = 80 * 1024;
    co.vault_capacity = 64ull << 20;
    co.files_per_descriptor = 64;
    co.on_ovt_chunk = [&](uint64_t n, const tk::VaultChunkRef &r) {
        stored[{n, r.voffset}] = {r.chunksize, r.store_chunksize};
    };
    auto t0 = Clock::now();
    auto kit = tt::write_folder_with_content(folder, fo, co);
    // The chunk sequence of every file in file order, from the descriptors.
    std::ofstream rows(work / "rows.bin", std::ios::binary | std::ios::trunc);
    uint64_t bytes = 0, count = 0;
    for (int64_t d = 1;; ++d) {
        fs::path p = tt::descriptor_path(folder, d);
        if (!fs::exists(p))
            break;
        sqlite3 *db = nullptr;
        sqlite3_stmt *st = nullptr;
        sqlite3_open_v2(p.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_prepare_v2(db, "SELECT vault_id, vault_offset FROM filedesc ORDER BY fd_index, file_offset", -1, &st,
                           nullptr);
        while (sqlite3_step(st) == SQLITE_ROW) {
            Row r{static_cast<uint64_t>(sqlite3_column_int64(st, 0)),
                  static_cast<uint64_t>(sqlite3_column_int64(st, 1)), 0, 0};
            auto it = stored.find({r.number, r.voffset});
            if (it == stored.end()) {
                std::fprintf(stderr, "chunk not recorded\n");
                std::exit(1);
            }
            r.chunksize = it->second.first;
            r.store_size = it->second.second;
            rows.write(reinterpret_cast<const char *>(&r), sizeof r);
            bytes += r.chunksize;
            ++count;
        }
        sqlite3_finalize(st);
        sqlite3_close(db);
    }
    std::printf("generated %.0f MiB of files (%zu distinct chunks, %llu rows) in %.1f s\n", bytes / 1048576.0,
                stored.size(), static_cast<unsigned long long>(count), since(t0));
}

std::vector<Row> load_rows(const fs::path &work)
{
    std::vector<Row> rows(fs::file_size(work / "rows.bin") / sizeof(Row));
    std::ifstream in(work / "rows.bin", std::ios::binary);
    in.read(reinterpret_cast<char *>(rows.data()), static_cast<std::streamsize>(rows.size() * sizeof(Row)));
    return rows;
}

void warm(const fs::path &dir)
{
    std::vector<char> buf(1 << 20);
    for (const auto &e : fs::recursive_directory_iterator(dir)) {
        if (!e.is_regular_file())
            continue;
        std::ifstream in(e.path(), std::ios::binary);
        while (in.read(buf.data(), static_cast<std::streamsize>(buf.size())) || in.gcount() > 0) {
        }
    }
}

// The codec libraries alone: returns plain bytes per second.
// Where restored bytes go: a memory file system when there is one, so that
// the figures measure the restore rather than the disk file system's inode
// allocator (ORVEX_BENCH_OUT overrides).
fs::path g_out;

double baseline(const fs::path &work, const std::vector<Row> &rows, bool write)
{
    unsigned char key[32];
    SHA256(reinterpret_cast<const unsigned char *>(kPassword), std::strlen(kPassword), key);
    std::vector<uint8_t> rec(256 * 1024), dec(256 * 1024), out(256 * 1024);
    EVP_CIPHER_CTX *ctx = EVP_CIPHER_CTX_new();
    const fs::path outp = g_out / "baseline.out";
    ::sync();
    int ofd = write ? ::open(outp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644) : -1;
    uint64_t cur = UINT64_MAX, last_off = UINT64_MAX, last_num = UINT64_MAX;
    int fd = -1;
    uint64_t bytes = 0, sink = 0;
    size_t plain_len = 0;
    auto t0 = Clock::now();
    for (const Row &r : rows) {
        if (r.number != last_num || r.voffset != last_off) {
            if (r.number != cur) {
                if (fd >= 0)
                    ::close(fd);
                fd = ::open(tt::vault_path(work / "folder", r.number, false).c_str(), O_RDONLY);
                cur = r.number;
            }
            size_t len = 128 + r.store_size;
            if (::pread(fd, rec.data(), len, static_cast<off_t>(r.voffset)) != static_cast<ssize_t>(len))
                std::abort();
            const uint8_t *h = rec.data();
            const uint8_t *stored = h + 128;
            sink += XXH64(stored, r.store_size, 0);
            uint8_t num_paddings = h[12], cmp = h[13];
            int outl = 0, finl = 0;
            EVP_DecryptInit_ex(ctx, EVP_aes_256_gcm(), nullptr, nullptr, nullptr);
            EVP_CIPHER_CTX_ctrl(ctx, EVP_CTRL_GCM_SET_IVLEN, 12, nullptr);
            EVP_DecryptInit_ex(ctx, nullptr, nullptr, key, h + 24);
            EVP_DecryptUpdate(ctx, nullptr, &outl, h + 56, 16);
            EVP_DecryptUpdate(ctx, dec.data(), &outl, stored, static_cast<int>(r.store_size));
            EVP_CIPHER_CTX_ctrl(ctx, EVP_CTRL_GCM_SET_TAG, 16, const_cast<uint8_t *>(h + 40));
            if (EVP_DecryptFinal_ex(ctx, dec.data() + outl, &finl) != 1)
                std::abort();
            size_t dlen = r.store_size - num_paddings;
            if (cmp == 5) {
                plain_len = ZSTD_decompress(out.data(), r.chunksize, dec.data(), dlen);
                if (plain_len != r.chunksize)
                    std::abort();
            } else {
                std::memcpy(out.data(), dec.data(), dlen);
                plain_len = dlen;
            }
            last_num = r.number;
            last_off = r.voffset;
        }
        if (write && ::write(ofd, out.data(), plain_len) != static_cast<ssize_t>(plain_len))
            std::abort();
        sink += out[0];
        bytes += plain_len;
    }
    double s = since(t0);
    if (fd >= 0)
        ::close(fd);
    if (ofd >= 0)
        ::close(ofd);
    fs::remove(outp);
    EVP_CIPHER_CTX_free(ctx);
    if (sink == 42)
        std::puts("");
    return static_cast<double>(bytes) / s;
}

struct Run {
    double seconds = 0;
    long peak_kib = 0;
    double cpu = 0;
};

Run run_cli(const std::string &exe, const std::vector<std::string> &args, const fs::path &log)
{
    ::sync(); // no dirty pages of an earlier run are written back during this one
    auto t0 = Clock::now();
    pid_t pid = fork();
    if (pid == 0) {
        setenv("ORVEX_PASSWORD", kPassword, 1);
        int fd = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(fd, 1);
        dup2(fd, 2);
        std::vector<char *> argv{const_cast<char *>(exe.c_str())};
        for (const auto &a : args)
            argv.push_back(const_cast<char *>(a.c_str()));
        argv.push_back(nullptr);
        execv(exe.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    struct rusage ru {};
    wait4(pid, &status, 0, &ru);
    Run r;
    r.seconds = since(t0);
    r.peak_kib = ru.ru_maxrss;
    r.cpu = static_cast<double>(ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) +
            static_cast<double>(ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1e6;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "orvex-extract failed (see %s)\n", log.c_str());
        std::exit(1);
    }
    return r;
}

} // namespace

int main(int argc, char **argv)
{
    const uint64_t size = argc > 1 ? parse_size(argv[1]) : (1ull << 30);
    const int files = argc > 2 ? std::atoi(argv[2]) : 2000;
    std::unique_ptr<tk::TempDir> temp;
    fs::path work;
    if (argc > 3) {
        work = argv[3];
        fs::create_directories(work);
    } else {
        temp = std::make_unique<tk::TempDir>("bench-trellis-restore");
        work = temp->path();
    }
    const std::string exe = (fs::canonical("/proc/self/exe").parent_path() / "orvex-extract").string();
    if (!fs::exists(exe)) {
        std::fprintf(stderr, "build orvex-extract first (%s)\n", exe.c_str());
        return 1;
    }
    std::unique_ptr<tk::TempDir> out_temp;
    if (const char *o = std::getenv("ORVEX_BENCH_OUT")) {
        g_out = o;
        fs::create_directories(g_out);
    } else if (fs::is_directory("/dev/shm")) {
        g_out = fs::path("/dev/shm") / ("bench-trellis-restore-" + std::to_string(::getpid()));
        fs::create_directories(g_out);
    } else {
        g_out = work;
    }
    std::printf("restored bytes go to %s\n", g_out.c_str());
    if (!fs::exists(work / "rows.bin") || !fs::exists(work / "folder"))
        generate(work, size, files);
    const std::vector<Row> rows = load_rows(work);
    uint64_t total = 0;
    for (const Row &r : rows)
        total += r.chunksize;
    warm(work / "folder");

    const double base_w = std::max({baseline(work, rows, true), baseline(work, rows, true), baseline(work, rows, true)});
    const double base_r = std::max(baseline(work, rows, false), baseline(work, rows, false));
    const std::string folder = (work / "folder").string();
    // Every run restores into a fresh folder; they are all removed at the
    // end. (Removing a restored tree right before the next run makes the
    // file system's inode allocator skip the freshly freed inodes one by
    // one, which would be measured as restore time.)
    int run_no = 0;
    std::vector<fs::path> dests;
    auto restore = [&](int threads) {
        Run best;
        for (int i = 0; i < 3; ++i) {
            dests.push_back(g_out / ("restored-" + std::to_string(run_no++)));
            fs::remove_all(dests.back());
            Run r = run_cli(exe, {"restore", folder, "--to", dests.back().string(), "--threads",
                                  std::to_string(threads)},
                            work / "restore.log");
            if (i == 0 || r.seconds < best.seconds)
                best = r;
            // On a memory file system the tree goes at once, so every run
            // starts from the same state; on a disk it stays until the end.
            if (g_out != work)
                fs::remove_all(dests.back());
        }
        return best;
    };
    auto verify = [&](int threads) {
        Run best;
        for (int i = 0; i < 3; ++i) {
            Run r = run_cli(exe, {"verify", folder, "--threads", std::to_string(threads)}, work / "verify.log");
            if (i == 0 || r.seconds < best.seconds)
                best = r;
        }
        return best;
    };
    const Run r1 = restore(1), r2 = restore(2), v1 = verify(1), v2 = verify(2);
    for (const auto &d : dests)
        fs::remove_all(d);
    if (g_out != work && !std::getenv("ORVEX_BENCH_OUT"))
        fs::remove_all(g_out);
    const double mb = 1e6;
    auto rate = [&](const Run &r) { return static_cast<double>(total) / r.seconds; };
    std::printf("files: %.0f MiB in %d files, %zu chunk rows, zstd + AES-256-GCM, 48-80 KiB chunks\n",
                total / 1048576.0, files, rows.size());
    std::printf("%-34s %9s %8s %10s %8s\n", "", "MB/s", "ratio", "peak MiB", "cpu s");
    std::printf("%-34s %9.0f %8s\n", "baseline (decode + write, 1 core)", base_w / mb, "1.00");
    std::printf("%-34s %9.0f %8s\n", "baseline without write", base_r / mb, "-");
    std::printf("%-34s %9.0f %8.2f %10.1f %8.1f   (>= 0.80 of baseline)\n", "restore --threads 1", rate(r1) / mb,
                rate(r1) / base_w, r1.peak_kib / 1024.0, r1.cpu);
    std::printf("%-34s %9.0f %8.2f %10.1f %8.1f   (>= 1.50 of restore 1)\n", "restore --threads 2", rate(r2) / mb,
                rate(r2) / rate(r1), r2.peak_kib / 1024.0, r2.cpu);
    std::printf("%-34s %9.0f %8.2f %10.1f %8.1f   (>= 0.90 of baseline without write)\n", "verify --threads 1",
                rate(v1) / mb, rate(v1) / base_r, v1.peak_kib / 1024.0, v1.cpu);
    std::printf("%-34s %9.0f %8.2f %10.1f %8.1f   (vs verify 1)\n", "verify --threads 2", rate(v2) / mb,
                rate(v2) / rate(v1), v2.peak_kib / 1024.0, v2.cpu);
    return 0;
}
