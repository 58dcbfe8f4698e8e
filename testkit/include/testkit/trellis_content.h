// File contents of Trellis backup folders for tests, benchmarks and demos:
// chunk descriptor databases ("filedesc"), ovt vaults written through the
// core library's vault writer and chunk codec (every compression method,
// AES-256-GCM under the key the reader derives from the password), and tvt
// vaults (plain, zlib, encrypted, encrypted + zlib). Equal chunks are stored
// once and shared, and some files repeat a chunk back to back.
#pragma once

#include "testkit/tempdir.h"
#include "testkit/trellis.h"
#include "testkit/vault_writer.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace orvex::testkit::trellis {

// What a tvt record's sha256 field holds.
enum class TvtDigestField {
    Content, // SHA-256 of the plain content
    Stored,  // SHA-256 of the chunk data as stored
    Zero,    // all zero: the chunk carries no digest
};

// One tvt chunk record: the 56-byte header and the chunk data. `key` is the
// 32-byte vault key (used only when `encrypt`).
std::vector<uint8_t> tvt_record(const std::vector<uint8_t> &plain, bool encrypt, bool compress,
                                const std::array<uint8_t, 32> &key, uint64_t seed,
                                TvtDigestField digest = TvtDigestField::Content);
// The tvt vault key of a folder: the password repeated to 32 bytes, or 32
// zero bytes without a password.
std::array<uint8_t, 32> tvt_key(const std::string &password);
// "dedup/vault/<first 21>/0000000_%016X.<ext>" below `dir`.
std::filesystem::path vault_path(const std::filesystem::path &dir, uint64_t number, bool tvt);
// "filedesc/<first 12>/%016d.fdv" below `dir`.
std::filesystem::path descriptor_path(const std::filesystem::path &dir, int64_t number);

enum class Placement {
    Ovt,   // every chunk in ovt vaults
    Tvt,   // every chunk in tvt vaults
    Mixed, // per file: ovt, tvt or both interleaved
};

struct ContentOptions {
    std::string password;        // empty: no encryption anywhere
    Placement placement = Placement::Mixed;
    std::vector<int> cmp_methods{0, 1, 2, 3, 4, 5}; // ovt chunks rotate through these
    uint32_t min_chunk = 16 * 1024;
    uint32_t max_chunk = 64 * 1024;
    uint64_t vault_capacity = 16ull << 20; // stored bytes per vault before the next one
    int files_per_descriptor = 16;
    Content content = Content::Mixed;
    // Share of chunks that repeat the chunk before them (read once, written
    // twice by the restore), in percent.
    int repeat_percent = 10;
    // What the digest field of each tvt chunk holds (Zero: chunks read
    // unchecked, as some backups carry them).
    TvtDigestField tvt_digest = TvtDigestField::Content;
    // Told about every chunk stored in an ovt vault (vault number and where
    // it went), for benchmarks that read the vaults on their own.
    std::function<void(uint64_t number, const VaultChunkRef &ref)> on_ovt_chunk;
};

// Writes the contents of every file state a folder generator hands it, and
// remembers how to regenerate each (path, version) for comparisons.
class ContentWriter {
public:
    ContentWriter(std::filesystem::path dir, ContentOptions options);
    ~ContentWriter();
    ContentWriter(const ContentWriter &) = delete;
    ContentWriter &operator=(const ContentWriter &) = delete;

    // The FolderOptions::content hook: stores the file and fills the row's
    // fd_vault_id / fd_vault_index.
    void add(const std::string &path, HistoryRow &row, uint64_t content_seed);
    // Writes the open vaults and commits the descriptors. Called by the
    // destructor too.
    void finish();
    // The bytes of the file at `path` as version `version` recorded them
    // (the state written last at or before that version).
    std::vector<uint8_t> content(const std::string &path, int version) const;
    uint64_t stored_chunks() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// The bytes of a file state: the same for the same seed, size and options.
std::vector<uint8_t> file_bytes(uint64_t seed, uint64_t size, const ContentOptions &options);

// A whole folder with contents: write_folder with the writer as its hook.
struct FolderWithContent {
    FolderManifest manifest;
    std::shared_ptr<ContentWriter> contents;
};
FolderWithContent write_folder_with_content(const std::filesystem::path &dir, FolderOptions folder,
                                            ContentOptions content);

} // namespace orvex::testkit::trellis
