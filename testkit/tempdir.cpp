#include "testkit/tempdir.h"

#include <fstream>
#include <random>
#include <stdexcept>
#include <system_error>

namespace fs = std::filesystem;

namespace orvex::testkit {

TempDir::TempDir(const std::string &prefix)
{
    std::random_device rd;
    fs::path base = fs::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        uint64_t r = (static_cast<uint64_t>(rd()) << 32) ^ rd();
        fs::path candidate = base / (prefix + "-" + std::to_string(r));
        std::error_code ec;
        if (fs::create_directory(candidate, ec)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder under " + base.string());
}

TempDir::~TempDir()
{
    if (keep_ || path_.empty())
        return;
    std::error_code ec;
    fs::remove_all(path_, ec); // remove_all removes links as links
}

uint64_t Rng::next()
{
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

uint64_t Rng::range(uint64_t lo, uint64_t hi)
{
    if (hi <= lo)
        return lo;
    uint64_t span = hi - lo + 1;
    return span == 0 ? next() : lo + next() % span;
}

namespace {

void fill_random(Rng &rng, uint8_t *out, size_t n)
{
    size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        uint64_t v = rng.next();
        for (int b = 0; b < 8; ++b)
            out[i + b] = static_cast<uint8_t>(v >> (8 * b));
    }
    if (i < n) {
        uint64_t v = rng.next();
        for (; i < n; ++i, v >>= 8)
            out[i] = static_cast<uint8_t>(v);
    }
}

void fill_text(Rng &rng, uint8_t *out, size_t n)
{
    static const char *words[] = {"backup ", "vault ", "chunk ", "restore ", "catalogue ", "version ",
                                  "folder ",  "file ",  "bytes ", "parity ",  "signature ", "\n"};
    size_t i = 0;
    while (i < n) {
        const char *w = words[rng.next() % (sizeof words / sizeof *words)];
        for (; *w && i < n; ++w)
            out[i++] = static_cast<uint8_t>(*w);
    }
}

} // namespace

std::vector<uint8_t> make_bytes(uint64_t seed, size_t size, Content kind)
{
    std::vector<uint8_t> data(size);
    Rng rng(seed);
    switch (kind) {
    case Content::Random: fill_random(rng, data.data(), size); break;
    case Content::Text: fill_text(rng, data.data(), size); break;
    case Content::Zeros: break;
    case Content::Mixed: {
        const size_t run = 16 * 1024;
        for (size_t off = 0; off < size; off += run) {
            size_t n = std::min(run, size - off);
            if ((off / run) % 2 == 0)
                fill_text(rng, data.data() + off, n);
            else
                fill_random(rng, data.data() + off, n);
        }
        break;
    }
    }
    return data;
}

void write_file(const fs::path &path, const std::vector<uint8_t> &data)
{
    if (path.has_parent_path())
        fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
    out.write(reinterpret_cast<const char *>(data.data()), static_cast<std::streamsize>(data.size()));
    if (!out)
        throw std::runtime_error("short write to " + path.string());
}

std::vector<uint8_t> read_file(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> write_tree(const fs::path &root, uint64_t seed, int files, size_t max_size)
{
    Rng rng(seed);
    std::vector<std::string> written;
    std::vector<std::string> folders{""};
    for (int i = 0; i < files; ++i) {
        if (rng.range(0, 4) == 0 && folders.size() < 64) {
            const std::string &parent = folders[rng.range(0, folders.size() - 1)];
            folders.push_back(parent + (parent.empty() ? "" : "/") + "dir" + std::to_string(folders.size()));
        }
        const std::string &folder = folders[rng.range(0, folders.size() - 1)];
        std::string rel = folder + (folder.empty() ? "" : "/") + "file" + std::to_string(i) + ".bin";
        size_t size = static_cast<size_t>(rng.range(0, max_size));
        write_file(root / rel, make_bytes(rng.next(), size, static_cast<Content>(rng.range(0, 3))));
        written.push_back(rel);
    }
    return written;
}

} // namespace orvex::testkit
