// Restore engine throughput, as ratios against baselines measured in the
// same run:
//   - single-chunk reads (the road both archive libraries take), one thread,
//     against a codec-only loop over the same chunks (read the stored bytes,
//     XXH64, AES-256-GCM decrypt, zstd decompress);
//   - whole-file restore in file-offset order with 2 threads against 1
//     thread and against the single-chunk reads;
//   - peak memory of the 2-thread restore (a child process of its own).
//
// Usage: bench_restore [size_MiB (default 1024)] [work folder]
// ORVEX_BENCH_BUCKET_MIB=n sets the restore bucket size (default 20 MiB).
// The test kit writes one file of that size (64 KiB average chunks, zstd,
// AES-256-GCM, ECC on) into several vaults; the page cache is warmed first.
#include "restore.h"
#include "testkit/file_writer.h"
#include "testkit/tempdir.h"

#include <openssl/evp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>
#include <xxhash.h>
#include <zstd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

using namespace orvex::testkit;
namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

struct Layout {
    fs::path dir;
    fs::path vaultdir() const { return dir / "vaults"; }
    fs::path descriptor() const { return dir / "file.ovd"; }
    fs::path rows() const { return dir / "rows.bin"; }
    fs::path out() const { return dir / "out.bin"; }
};

struct Row {
    uint32_t hid;
    uint64_t vid;
    uint64_t voffset;
    uint32_t chunksize;
    uint32_t store_size;
};

std::vector<uint8_t> bench_key()
{
    return make_key(3, 42);
}

double seconds_since(Clock::time_point t0)
{
    return std::chrono::duration<double>(Clock::now() - t0).count();
}

void generate(const Layout &l, uint64_t size)
{
    BackupOptions o;
    o.codec.cmp_algo = 5;
    o.codec.cry_algo = 3;
    o.codec.key = bench_key();
    o.codec.max_chunksize = 96 * 1024;
    o.interleaved = false;
    o.vault_capacity = std::max<uint64_t>(size / 8, 4u << 20); // several vaults
    BackupWriter w(l.vaultdir(), o);
    w.begin_file(l.descriptor(), false);
    Rng rng(7);
    uint64_t done = 0;
    uint64_t seed = 1;
    while (done < size) {
        size_t len = static_cast<size_t>(std::min<uint64_t>(rng.range(32 * 1024, 96 * 1024), size - done));
        PlannedChunk c;
        c.plain = make_bytes(seed++, len, Content::Mixed);
        w.add_chunk(c);
        done += len;
    }
    WrittenFile wf = w.end_file();
    w.finish();
    std::ofstream rows(l.rows(), std::ios::binary);
    for (const DescriptorRow &r : wf.rows) {
        Row x{static_cast<uint32_t>(r.hid), static_cast<uint64_t>(r.vid), r.voffset, r.chunksize, r.store_size};
        rows.write(reinterpret_cast<const char *>(&x), sizeof x);
    }
    std::printf("generated %llu bytes in %zu chunks over %zu vaults\n", static_cast<unsigned long long>(size),
                wf.rows.size(), w.vaults().size());
}

std::vector<Row> load_rows(const Layout &l)
{
    std::vector<Row> rows(fs::file_size(l.rows()) / sizeof(Row));
    std::ifstream in(l.rows(), std::ios::binary);
    in.read(reinterpret_cast<char *>(rows.data()), static_cast<std::streamsize>(rows.size() * sizeof(Row)));
    return rows;
}

fs::path vault_path(const Layout &l, const Row &r)
{
    return vault_file_path(l.vaultdir(), r.hid, r.vid, false);
}

void warm(const Layout &l)
{
    std::vector<char> buf(1 << 20);
    for (const auto &e : fs::recursive_directory_iterator(l.dir)) {
        if (!e.is_regular_file())
            continue;
        std::ifstream in(e.path(), std::ios::binary);
        while (in.read(buf.data(), static_cast<std::streamsize>(buf.size())) || in.gcount() > 0) {
        }
    }
}

// The codec libraries alone on the same chunks: read header and stored
// bytes, XXH64, GCM decrypt, zstd decompress. Returns plain bytes per second.
double codec_only(const Layout &l, const std::vector<Row> &rows)
{
    std::vector<uint8_t> key = bench_key();
    std::vector<uint8_t> rec(256 * 1024), dec(256 * 1024), out(256 * 1024);
    EVP_CIPHER_CTX *ctx = EVP_CIPHER_CTX_new();
    uint64_t cur_vid = UINT64_MAX;
    int fd = -1;
    uint64_t bytes = 0, sink = 0;
    auto t0 = Clock::now();
    for (const Row &r : rows) {
        if (r.vid != cur_vid) {
            if (fd >= 0)
                ::close(fd);
            fd = ::open(vault_path(l, r).c_str(), O_RDONLY);
            cur_vid = r.vid;
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
        EVP_DecryptInit_ex(ctx, nullptr, nullptr, key.data(), h + 24);
        EVP_DecryptUpdate(ctx, nullptr, &outl, h + 56, 16);
        EVP_DecryptUpdate(ctx, dec.data(), &outl, stored, static_cast<int>(r.store_size));
        EVP_CIPHER_CTX_ctrl(ctx, EVP_CTRL_GCM_SET_TAG, 16, const_cast<uint8_t *>(h + 40));
        if (EVP_DecryptFinal_ex(ctx, dec.data() + outl, &finl) != 1)
            std::abort();
        size_t plain_len = r.store_size - num_paddings;
        if (cmp == 5) {
            size_t got = ZSTD_decompress(out.data(), r.chunksize, dec.data(), plain_len);
            if (got != r.chunksize)
                std::abort();
            sink += out[0];
        } else {
            sink += dec[0];
        }
        bytes += r.chunksize;
    }
    double s = seconds_since(t0);
    if (fd >= 0)
        ::close(fd);
    EVP_CIPHER_CTX_free(ctx);
    if (sink == 42)
        std::puts("");
    return static_cast<double>(bytes) / s;
}

double single_chunks(const Layout &l, const std::vector<Row> &rows)
{
    void *in = restore_create_instance();
    std::vector<uint8_t> key = bench_key();
    restore_set_path(in, l.vaultdir().c_str(), RESTORE_PATH_VAULTDIR);
    restore_set_decrypter(in, "aes-256", key.data(), static_cast<int>(key.size()));
    restore_set_sort_method(in, "read-chunk");
    if (restore_start_instance(in) != 0)
        std::abort();
    std::vector<uint8_t> out(256 * 1024);
    uint64_t bytes = 0;
    auto t0 = Clock::now();
    for (const Row &r : rows) {
        int n = restore_read_chunk2(in, r.hid, r.vid, static_cast<uint32_t>(r.voffset), out.data(),
                                    static_cast<uint32_t>(out.size()));
        if (n != static_cast<int>(r.chunksize))
            std::abort();
        bytes += static_cast<uint64_t>(n);
    }
    double s = seconds_since(t0);
    restore_destroy_instance(in);
    return static_cast<double>(bytes) / s;
}

// Bucket size for the whole-file restores (0: the instance's default).
uint32_t g_bucket_mib = 0;
// CPU seconds (all threads) per GiB of the last whole-file run.
double g_last_cpu_per_gib = 0;

double tv_seconds(const timeval &tv)
{
    return static_cast<double>(tv.tv_sec) + static_cast<double>(tv.tv_usec) / 1e6;
}

double whole_file(const Layout &l, int threads)
{
    fs::remove(l.out());
    void *in = restore_create_instance();
    std::vector<uint8_t> key = bench_key();
    restore_set_path(in, l.vaultdir().c_str(), RESTORE_PATH_VAULTDIR);
    restore_set_path(in, l.dir.c_str(), RESTORE_PATH_TEMPDIR);
    restore_set_decrypter(in, "aes-256", key.data(), static_cast<int>(key.size()));
    restore_set_sort_method(in, "file-offset");
    restore_set_num_threads(in, static_cast<uint32_t>(threads));
    if (g_bucket_mib)
        restore_set_max_vault_size(in, g_bucket_mib << 19); // buckets are twice the vault size
    if (restore_start_instance(in) != 0 || restore_register_file(in, l.out().c_str(), l.descriptor().c_str()) != 0)
        std::abort();
    struct rusage r0 {}, r1 {};
    getrusage(RUSAGE_SELF, &r0);
    auto t0 = Clock::now();
    if (restore_run_instance(in) != 0)
        std::abort();
    if (restore_unregister_file(in) != 0)
        std::abort();
    double s = seconds_since(t0);
    getrusage(RUSAGE_SELF, &r1);
    double cpu = tv_seconds(r1.ru_utime) + tv_seconds(r1.ru_stime) - tv_seconds(r0.ru_utime) - tv_seconds(r0.ru_stime);
    g_last_cpu_per_gib = cpu / (static_cast<double>(fs::file_size(l.out())) / (1u << 30));
    restore_destroy_instance(in);
    return static_cast<double>(fs::file_size(l.out())) / s;
}

struct ChildUsage {
    long peak_kib = -1;
    double cpu_s = 0; // user + system time of the whole child
};

// Peak resident memory and CPU time of a child that runs only the restore.
ChildUsage child_usage(const char *self, const Layout &l, int threads)
{
    pid_t pid = fork();
    if (pid == 0) {
        std::string t = std::to_string(threads);
        execl(self, self, "--restore-only", l.dir.c_str(), t.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    int status = 0;
    struct rusage ru {};
    wait4(pid, &status, 0, &ru);
    ChildUsage u;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return u;
    u.peak_kib = ru.ru_maxrss;
    u.cpu_s = tv_seconds(ru.ru_utime) + tv_seconds(ru.ru_stime);
    return u;
}

template <class F> double best_of(int n, F f)
{
    double best = 0;
    for (int i = 0; i < n; i++)
        best = std::max(best, f());
    return best;
}

} // namespace

int main(int argc, char **argv)
{
    if (const char *b = std::getenv("ORVEX_BENCH_BUCKET_MIB"))
        g_bucket_mib = static_cast<uint32_t>(std::strtoul(b, nullptr, 10));
    if (argc == 4 && std::strcmp(argv[1], "--restore-only") == 0) {
        Layout l{argv[2]};
        whole_file(l, std::atoi(argv[3]));
        return 0;
    }
    uint64_t mib = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1024;
    std::unique_ptr<TempDir> tmp;
    Layout l;
    if (argc > 2) {
        l.dir = argv[2];
        fs::create_directories(l.dir);
    } else {
        tmp = std::make_unique<TempDir>("orvex-bench-restore");
        l.dir = tmp->path();
    }
    if (!fs::exists(l.descriptor())) {
        auto t0 = Clock::now();
        generate(l, mib << 20);
        std::printf("generation took %.1f s\n", seconds_since(t0));
    }
    std::vector<Row> rows = load_rows(l);
    warm(l);

    const int reps = 3;
    double codec = best_of(reps, [&] { return codec_only(l, rows); });
    double single = best_of(reps, [&] { return single_chunks(l, rows); });
    double one = best_of(reps, [&] { return whole_file(l, 1); });
    double cpu1 = g_last_cpu_per_gib;
    double two = best_of(reps, [&] { return whole_file(l, 2); });
    double cpu2 = g_last_cpu_per_gib;
    ChildUsage u2 = child_usage(argv[0], l, 2);
    ChildUsage u1 = child_usage(argv[0], l, 1);
    fs::remove(l.out());

    const double MB = 1e6;
    std::printf("file: %llu MiB, %zu chunks (64 KiB average), zstd, AES-256-GCM, ECC on; best of %d\n",
                static_cast<unsigned long long>(mib), rows.size(), reps);
    std::printf("codec-only loop (read, XXH64, GCM, zstd), 1 thread : %8.1f MB/s\n", codec / MB);
    std::printf("single-chunk reads (restore_read_chunk2), 1 thread : %8.1f MB/s  ratio %.2f x codec-only\n",
                single / MB, single / codec);
    std::printf("whole-file restore, file-offset order, 1 thread    : %8.1f MB/s\n", one / MB);
    std::printf("whole-file restore, file-offset order, 2 threads   : %8.1f MB/s  ratio %.2f x 1 thread, %.2f x "
                "single-chunk reads\n",
                two / MB, two / one, two / single);
    std::printf("peak resident memory of a restore process: 2 threads %ld MiB, 1 thread %ld MiB\n",
                u2.peak_kib / 1024, u1.peak_kib / 1024);
    // CPU seconds do not depend on what else the machine runs: on two idle
    // cores a 2-thread run takes about max(cpu/2, restorer time).
    std::printf("CPU time of a restore process (user+system): 2 threads %.2f s, 1 thread %.2f s\n", u2.cpu_s,
                u1.cpu_s);
    std::printf("CPU seconds per GiB inside the run (all threads): 2 threads %.2f, 1 thread %.2f\n", cpu2, cpu1);
    double load[3] = {0, 0, 0};
    if (getloadavg(load, 3) > 0)
        std::printf("machine load average during the run: %.2f (on %ld cores)\n", load[0], sysconf(_SC_NPROCESSORS_ONLN));
    return 0;
}
