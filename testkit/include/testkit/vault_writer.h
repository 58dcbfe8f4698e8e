// Writer of ovt vault files for tests, benchmarks and sample backups. Every
// byte goes through the library's writer-side calls (header marshalling,
// Reed-Solomon parities), so the files are exactly what a reader expects.
//
// How a chunk is stored (compression, encryption) is decided by a
// ChunkEncoder; the default stores the plain bytes unchanged.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace orvex::testkit {

// The stored form of one chunk and the header fields that describe it.
struct StoredChunk {
    std::vector<uint8_t> stored; // bytes written to the vault (their XXH64 is the signature)
    uint8_t cmp_algo = 0;
    uint8_t cry_algo = 0;
    uint8_t num_paddings = 0;
    bool has_crypto_fields = false; // write iv/tag/aad below (else zeros)
    std::array<uint8_t, 16> iv{};
    std::array<uint8_t, 16> tag{};
    std::array<uint8_t, 16> aad{};
};

using ChunkEncoder = std::function<StoredChunk(const std::vector<uint8_t> &plain)>;

// Where a chunk ended up: what a descriptor row records.
struct VaultChunkRef {
    uint32_t cid = 0;
    uint64_t voffset = 0; // offset of the chunk header in the vault file
    uint32_t chunksize = 0;
    uint32_t store_chunksize = 0;
    uint64_t sig = 0; // XXH64 of the stored bytes
};

class VaultWriter {
public:
    VaultWriter(uint32_t hid, uint64_t vid, ChunkEncoder encoder = {});

    // Adds one chunk (plain bytes, at least one); returns where it went.
    const VaultChunkRef &add_chunk(const std::vector<uint8_t> &plain);
    // Adds a chunk whose stored form the caller made.
    const VaultChunkRef &add_stored(const StoredChunk &chunk, uint32_t chunksize);

    const std::vector<VaultChunkRef> &chunks() const { return refs_; }
    uint32_t hid() const { return hid_; }
    uint64_t vid() const { return vid_; }
    // Compression id recorded in the vault header (default 0).
    void set_cmp_algo(uint8_t algo) { cmp_algo_ = algo; }

    // The complete vault: header, records, chunk map, extent map, footer.
    // Throws std::runtime_error when the library refuses a step (for
    // example a vault of 4 GiB or more).
    std::vector<uint8_t> finish() const;
    // finish() written to `path` (parent folders created).
    void write(const std::filesystem::path &path) const;

private:
    uint32_t hid_;
    uint64_t vid_;
    uint8_t cmp_algo_ = 0;
    ChunkEncoder encoder_;
    std::vector<uint8_t> records_; // chunk records as they follow the header
    std::vector<VaultChunkRef> refs_;
};

// Native path of vault (hid, vid) under `vault_dir` in the old (short =
// false) or new naming scheme, as the library computes it.
std::filesystem::path vault_file_path(const std::filesystem::path &vault_dir, uint32_t hid, uint64_t vid,
                                      bool short_scheme = false);

} // namespace orvex::testkit
