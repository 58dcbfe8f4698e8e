// Temporary folders and deterministic content for tests, benchmarks and the
// sample backup folders. Everything is reproducible from a seed.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace orvex::testkit {

// A fresh folder under the system's temporary folder, removed (without
// following links) when the owner goes away unless keep() was called.
class TempDir {
public:
    explicit TempDir(const std::string &prefix = "orvex-test");
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    const std::filesystem::path &path() const { return path_; }
    std::string str() const { return path_.string(); }
    std::filesystem::path operator/(const std::string &name) const { return path_ / name; }
    void keep() { keep_ = true; }

private:
    std::filesystem::path path_;
    bool keep_ = false;
};

// splitmix64: small, fast, and the same sequence on every platform.
class Rng {
public:
    explicit Rng(uint64_t seed) : state_(seed) {}
    uint64_t next();
    // Uniform in [lo, hi] (inclusive).
    uint64_t range(uint64_t lo, uint64_t hi);
    double unit() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }

private:
    uint64_t state_;
};

enum class Content { Random, Text, Zeros, Mixed };

// `size` bytes of the given kind, reproducible from `seed`. Text compresses
// well, Random not at all, Mixed alternates 16 KiB runs of both.
std::vector<uint8_t> make_bytes(uint64_t seed, size_t size, Content kind = Content::Mixed);

// Writes `data` to `path`, creating parent folders.
void write_file(const std::filesystem::path &path, const std::vector<uint8_t> &data);
std::vector<uint8_t> read_file(const std::filesystem::path &path);

// A plain tree of `files` files (sizes up to `max_size`) spread over a few
// levels of folders; returns the relative paths written, in creation order.
std::vector<std::string> write_tree(const std::filesystem::path &root, uint64_t seed, int files, size_t max_size);

} // namespace orvex::testkit
