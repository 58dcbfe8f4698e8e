// Vault throughput, as ratios against XXH64 over the same bytes measured in
// the same run:
//  1. vaultfile_verify with the content checksum on a 256 MiB vault whose
//     file is in the page cache, against (a) reading the same cached file and
//     hashing it with XXH64 and (b) XXH64 over the bytes already in memory;
//  2. reading every chunk's stored bytes on the common path (signature
//     matches, no decoder), and with one damaged byte in every 253-byte block
//     so that the Reed-Solomon repair runs on every block.
// Usage: bench_vault [MiB]   (default 256)
#include "file.h"
#include "testkit/tempdir.h"
#include "testkit/vault_writer.h"
#include "vaultfile.h"

#include <xxhash.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <unistd.h>
#include <vector>

using namespace orvex::testkit;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kRuns = 5;
constexpr size_t kChunk = 64 * 1024;

// Best of kRuns, in seconds.
double best_of(const std::function<void()> &fn)
{
    double best = 1e30;
    for (int i = 0; i < kRuns; ++i) {
        auto t0 = Clock::now();
        fn();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - t0).count());
    }
    return best;
}

uint64_t hash_cached_file(const std::string &path, uint64_t from, uint64_t len)
{
    int fd = ::open(path.c_str(), O_RDONLY);
    std::vector<uint8_t> buf(256 * 1024);
    XXH64_state_t *st = XXH64_createState();
    XXH64_reset(st, 0);
    for (uint64_t done = 0; done < len;) {
        size_t want = static_cast<size_t>(std::min<uint64_t>(buf.size(), len - done));
        ssize_t n = ::pread(fd, buf.data(), want, static_cast<off_t>(from + done));
        if (n <= 0)
            break;
        XXH64_update(st, buf.data(), static_cast<size_t>(n));
        done += static_cast<uint64_t>(n);
    }
    uint64_t h = XXH64_digest(st);
    XXH64_freeState(st);
    ::close(fd);
    return h;
}

// Reads every chunk's stored bytes and checks their signature; returns the
// number of chunks whose signature matched.
size_t read_all_chunks(const std::string &path, const std::vector<VaultChunkRef> &refs, int do_ecc)
{
    file_t *f = file_open(path.c_str(), &vaultfile_operations, OS_O_BINARY, 0, nullptr);
    if (!f) {
        std::perror("open vault");
        std::exit(1);
    }
    size_t good = 0;
    for (const auto &r : refs) {
        str_t *cp = read_data_and_parities_from_file(f, r.voffset + 128, r.store_chunksize);
        str_t *data = get_data_from_data_and_parities(cp, static_cast<int>(r.store_chunksize), do_ecc);
        good += XXH64(data->buf, static_cast<size_t>(data->used), 0) == r.sig;
        str_put(data);
        str_put(cp);
    }
    file_close(f);
    return good;
}

} // namespace

int main(int argc, char **argv)
{
    const size_t mib = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 256;
    TempDir dir("orvex-bench-vault");
    const size_t num_chunks = mib * 1024 * 1024 / (kChunk + 128 + 1024);

    VaultWriter w(1, 0x42);
    {
        Rng rng(7);
        std::vector<uint8_t> chunk(kChunk);
        for (size_t i = 0; i < num_chunks; ++i) {
            for (size_t j = 0; j < kChunk; j += 8) {
                uint64_t v = rng.next();
                std::memcpy(&chunk[j], &v, 8);
            }
            w.add_chunk(chunk);
        }
    }
    std::vector<uint8_t> bytes = w.finish();
    const std::string path = (dir / "vault.ovt").string();
    write_file(path, bytes);
    const auto &refs = w.chunks();
    const double mb = static_cast<double>(bytes.size()) / (1024.0 * 1024.0);
    const uint64_t content = bytes.size() - 136;

    // Same vault with one damaged byte in every block of stored bytes.
    std::vector<uint8_t> damaged = bytes;
    for (const auto &r : refs)
        for (uint32_t off = 0; off < r.store_chunksize; off += 253) {
            uint32_t len = std::min<uint32_t>(253, r.store_chunksize - off);
            damaged[r.voffset + 128 + off + (off / 253) % len] ^= 0x5A;
        }
    const std::string damaged_path = (dir / "damaged.ovt").string();
    write_file(damaged_path, damaged);

    // Warm the page cache.
    hash_cached_file(path, 0, bytes.size());
    hash_cached_file(damaged_path, 0, damaged.size());

    volatile uint64_t sink = 0;
    const double t_mem = best_of([&] { sink = sink + XXH64(bytes.data() + 128, content, 0); });
    const double t_file = best_of([&] { sink = sink + hash_cached_file(path, 128, content); });
    const double t_verify = best_of([&] {
        file_t *f = file_open(path.c_str(), &vaultfile_operations, OS_O_BINARY, FILE_FLAG_VERIFY_CKSUM, nullptr);
        if (!f) {
            std::perror("verify");
            std::exit(1);
        }
        file_close(f);
    });
    size_t ok_plain = 0, ok_ecc = 0, ok_damaged_plain = 0;
    const double t_read = best_of([&] { ok_plain = read_all_chunks(path, refs, 0); });
    const double t_ecc = best_of([&] { ok_ecc = read_all_chunks(damaged_path, refs, 1); });
    ok_damaged_plain = read_all_chunks(damaged_path, refs, 0);

    std::printf("vault: %.1f MiB, %zu chunks of %zu KiB\n", mb, refs.size(), kChunk / 1024);
    std::printf("baseline XXH64 in memory:         %8.1f MiB/s\n", mb / t_mem);
    std::printf("baseline read cached file + XXH64: %8.1f MiB/s\n", mb / t_file);
    std::printf("vaultfile_verify (checksum):      %8.1f MiB/s  ratio %.2fx vs cached file, %.2fx vs memory\n",
                mb / t_verify, t_file / t_verify, t_mem / t_verify);
    std::printf("chunk reads, signature path:      %8.1f MiB/s  ratio %.2fx vs cached file (%zu/%zu good)\n",
                mb / t_read, t_file / t_read, ok_plain, refs.size());
    std::printf("chunk reads, ECC repair per block:%8.1f MiB/s  ratio %.2fx vs cached file (%zu/%zu repaired; "
                "%zu good without ECC)\n",
                mb / t_ecc, t_file / t_ecc, ok_ecc, refs.size(), ok_damaged_plain);
    return (ok_plain == refs.size() && ok_ecc == refs.size() && ok_damaged_plain == 0) ? 0 : 1;
}
