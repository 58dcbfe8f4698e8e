// The composed codec pipeline of a restore, the ceiling a restore is measured
// against: for every file of a test-kit folder (ovt chunks only), in file
// order, one pread of the chunk header and its stored bytes, XXH64 of the
// stored bytes against the header's signature, AES-256-GCM decryption when
// the chunk is encrypted, zstd decompression (one kept context per thread),
// and a buffered write into one output file per file. A chunk repeated back
// to back is decoded once and written twice, as a restore does.
//
// Usage: bench_pipeline FOLDER OUT_DIR THREADS [--no-write]
//   The password comes from ORVEX_PASSWORD (none: the folder is not
//   encrypted). Files are dealt to THREADS threads in turn. Prints one line:
//   "pipeline threads=N files=F bytes=B seconds=S" (S: the timed part, after
//   the chunk rows were read from the descriptors).
#include <vaultfile.h>

#include <fcntl.h>
#include <openssl/evp.h>
#include <openssl/sha.h>
#include <sqlite3.h>
#include <unistd.h>
#include <xxhash.h>
#include <zstd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Row {
    uint64_t file_offset;
    uint64_t vault;
    uint64_t voffset;
    uint32_t store_size; // from the vault's chunk records
};

struct File {
    std::vector<Row> rows;
};

[[noreturn]] void die(const std::string &why)
{
    std::fprintf(stderr, "bench_pipeline: %s\n", why.c_str());
    std::exit(1);
}

uint32_t be32(const uint8_t *p)
{
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

uint64_t be64(const uint8_t *p)
{
    return (uint64_t{be32(p)} << 32) | be32(p + 4);
}

std::string vault_file(const fs::path &folder, uint64_t number)
{
    char name[32];
    std::snprintf(name, sizeof name, "0000000_%016llX", static_cast<unsigned long long>(number));
    return (folder / "dedup" / "vault" / std::string(name, 21) / (std::string(name) + ".ovt")).string();
}

// Every file's chunk rows, with each chunk's stored size looked up once per
// vault (not timed).
std::vector<File> load(const fs::path &folder)
{
    std::vector<File> files;
    std::map<uint64_t, std::map<uint64_t, uint32_t>> sizes; // vault -> voffset -> stored size
    std::vector<fs::path> descs;
    for (const auto &e : fs::recursive_directory_iterator(folder / "filedesc"))
        if (e.path().extension() == ".fdv")
            descs.push_back(e.path());
    std::sort(descs.begin(), descs.end());
    for (const fs::path &d : descs) {
        sqlite3 *db = nullptr;
        sqlite3_stmt *st = nullptr;
        if (sqlite3_open_v2(d.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK ||
            sqlite3_prepare_v2(db, "SELECT fd_index, file_offset, vault_id, vault_offset FROM filedesc "
                                   "ORDER BY fd_index, file_offset",
                               -1, &st, nullptr) != SQLITE_OK)
            die("cannot read " + d.string());
        long long index = -1;
        while (sqlite3_step(st) == SQLITE_ROW) {
            if (sqlite3_column_int64(st, 0) != index) {
                index = sqlite3_column_int64(st, 0);
                files.emplace_back();
            }
            long long vid = sqlite3_column_int64(st, 2);
            if (vid < 0)
                die("tvt chunks are not part of this pipeline (write the folder with --vaults ovt)");
            Row r{static_cast<uint64_t>(sqlite3_column_int64(st, 1)), static_cast<uint64_t>(vid),
                  static_cast<uint64_t>(sqlite3_column_int64(st, 3)), 0};
            auto &vault = sizes[r.vault];
            if (vault.empty()) {
                int n = 0;
                vault_chunk_info_t *info = vaultfile_get_chunk_info(vault_file(folder, r.vault).c_str(), &n);
                if (!info)
                    die("cannot walk " + vault_file(folder, r.vault));
                for (int i = 0; i < n; ++i)
                    vault[info[i].voffset] = info[i].store_chunksize;
                std::free(info);
            }
            auto it = vault.find(r.voffset);
            if (it == vault.end())
                die("a row names no chunk");
            r.store_size = it->second;
            files.back().rows.push_back(r);
        }
        sqlite3_finalize(st);
        sqlite3_close(db);
    }
    return files;
}

// Collects output and writes it in 1 MiB pieces.
class Writer {
public:
    explicit Writer(int fd) : fd_(fd) { buf_.reserve(kSize); }
    ~Writer()
    {
        flush();
        ::close(fd_);
    }
    void put(const uint8_t *p, size_t n)
    {
        if (buf_.size() + n > kSize)
            flush();
        if (n >= kSize)
            return write_all(p, n);
        buf_.insert(buf_.end(), p, p + n);
    }

private:
    static constexpr size_t kSize = 1 << 20;
    void flush()
    {
        write_all(buf_.data(), buf_.size());
        buf_.clear();
    }
    void write_all(const uint8_t *p, size_t n)
    {
        while (n > 0) {
            ssize_t w = ::write(fd_, p, n);
            if (w <= 0)
                die("write failed");
            p += w;
            n -= static_cast<size_t>(w);
        }
    }
    int fd_;
    std::vector<uint8_t> buf_;
};

struct Worker {
    const std::vector<File> &files;
    const fs::path &folder;
    const fs::path &out;
    const unsigned char *key; // null: no password
    bool write;
    std::atomic<uint64_t> &bytes;

    void run(size_t first, size_t step)
    {
        std::vector<uint8_t> rec, dec, plain;
        EVP_CIPHER_CTX *ctx = EVP_CIPHER_CTX_new();
        ZSTD_DCtx *zctx = ZSTD_createDCtx();
        uint64_t open_vault = UINT64_MAX, total = 0;
        int vfd = -1;
        for (size_t i = first; i < files.size(); i += step) {
            std::unique_ptr<Writer> w;
            if (write) {
                char name[32];
                std::snprintf(name, sizeof name, "f%zu", i);
                int fd = ::open((out / name).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
                if (fd < 0)
                    die("cannot create an output file");
                w = std::make_unique<Writer>(fd);
            }
            const Row *last = nullptr;
            size_t plain_len = 0;
            for (const Row &r : files[i].rows) {
                if (!last || last->vault != r.vault || last->voffset != r.voffset) {
                    if (r.vault != open_vault) {
                        if (vfd >= 0)
                            ::close(vfd);
                        vfd = ::open(vault_file(folder, r.vault).c_str(), O_RDONLY | O_CLOEXEC);
                        open_vault = r.vault;
                    }
                    plain_len = decode(vfd, r, ctx, zctx, rec, dec, plain);
                }
                last = &r;
                if (w)
                    w->put(plain.data(), plain_len);
                total += plain_len;
            }
        }
        if (vfd >= 0)
            ::close(vfd);
        ZSTD_freeDCtx(zctx);
        EVP_CIPHER_CTX_free(ctx);
        bytes += total;
    }

    size_t decode(int vfd, const Row &r, EVP_CIPHER_CTX *ctx, ZSTD_DCtx *zctx, std::vector<uint8_t> &rec,
                  std::vector<uint8_t> &dec, std::vector<uint8_t> &plain) const
    {
        const size_t len = 128 + size_t{r.store_size};
        rec.resize(std::max(rec.size(), len));
        if (::pread(vfd, rec.data(), len, static_cast<off_t>(r.voffset)) != static_cast<ssize_t>(len))
            die("short read");
        const uint8_t *h = rec.data(), *stored = h + 128;
        const uint32_t chunksize = be32(h + 4);
        const uint8_t paddings = h[12], cmp = h[13], cry = h[14];
        if (XXH64(stored, r.store_size, 0) != be64(h + 16))
            die("signature mismatch");
        const uint8_t *data = stored;
        size_t data_len = r.store_size;
        if (cry != 0) {
            if (!key)
                die("an encrypted chunk and no ORVEX_PASSWORD");
            dec.resize(std::max(dec.size(), data_len));
            int outl = 0, finl = 0;
            if (EVP_DecryptInit_ex(ctx, EVP_aes_256_gcm(), nullptr, nullptr, nullptr) != 1 ||
                EVP_CIPHER_CTX_ctrl(ctx, EVP_CTRL_GCM_SET_IVLEN, 12, nullptr) != 1 ||
                EVP_DecryptInit_ex(ctx, nullptr, nullptr, key, h + 24) != 1 ||
                EVP_DecryptUpdate(ctx, nullptr, &outl, h + 56, 16) != 1 ||
                EVP_DecryptUpdate(ctx, dec.data(), &outl, stored, static_cast<int>(data_len)) != 1 ||
                EVP_CIPHER_CTX_ctrl(ctx, EVP_CTRL_GCM_SET_TAG, 16, const_cast<uint8_t *>(h + 40)) != 1 ||
                EVP_DecryptFinal_ex(ctx, dec.data() + outl, &finl) != 1)
                die("authentication failed");
            data = dec.data();
            data_len -= paddings;
        }
        plain.resize(std::max<size_t>(plain.size(), chunksize));
        size_t got = data_len;
        if (cmp == 5)
            got = ZSTD_decompressDCtx(zctx, plain.data(), chunksize, data, data_len);
        else if (cmp == 0)
            std::memcpy(plain.data(), data, data_len);
        else
            die("a compression method this pipeline does not decode (write the folder with --compress zstd)");
        if (got != chunksize)
            die("decoded size mismatch");
        return got;
    }
};

} // namespace

int main(int argc, char **argv)
{
    if (argc < 4)
        die("usage: bench_pipeline FOLDER OUT_DIR THREADS [--no-write]");
    const fs::path folder = argv[1], out = argv[2];
    const int threads = std::max(1, std::atoi(argv[3]));
    const bool write = !(argc > 4 && std::strcmp(argv[4], "--no-write") == 0);
    unsigned char key[SHA256_DIGEST_LENGTH];
    const char *pw = std::getenv("ORVEX_PASSWORD");
    if (pw && *pw)
        SHA256(reinterpret_cast<const unsigned char *>(pw), std::strlen(pw), key);
    const std::vector<File> files = load(folder);
    if (write)
        fs::create_directories(out);

    std::atomic<uint64_t> bytes{0};
    Worker w{files, folder, out, pw && *pw ? key : nullptr, write, bytes};
    auto t0 = std::chrono::steady_clock::now();
    std::vector<std::thread> pool;
    for (int t = 0; t < threads; ++t)
        pool.emplace_back([&w, t, threads] { w.run(static_cast<size_t>(t), static_cast<size_t>(threads)); });
    for (auto &t : pool)
        t.join();
    double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::printf("pipeline threads=%d files=%zu bytes=%llu seconds=%.4f\n", threads, files.size(),
                static_cast<unsigned long long>(bytes.load()), s);
    return 0;
}
