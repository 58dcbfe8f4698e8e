// Whole backed-up files for the test kit: a descriptor plus the vaults that
// hold its chunks, in every combination the restore engine must handle
// (compression methods, encryption, several vaults per file, chunks shared
// between files, rows in no vault, dirty rows with a sparse file).
//
// Chunks with equal plain bytes are stored once and shared by every row and
// every file that uses them, as a deduplicating backup would.
#pragma once

#include "testkit/chunk_codec.h"
#include "testkit/descriptor_writer.h"
#include "testkit/tempdir.h"
#include "testkit/vault_writer.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace orvex::testkit {

struct BackupOptions {
    CodecOptions codec;         // compression and encryption of every chunk
    uint32_t hid = 1;           // vault group id
    uint64_t first_vid = 1;     // vids count up from here
    int num_vaults = 1;         // vaults the chunks are spread over
    // Spread: chunks go to a random vault (interleaved) or fill vaults one
    // after the other (sequential, vault_capacity stored bytes each; a full
    // vault is written out at once so that large files need little memory).
    bool interleaved = true;
    uint64_t vault_capacity = 64ull << 20;
    bool short_paths = false;   // vault paths in the short scheme
    uint64_t seed = 1;          // placement and row choices
};

// Plain layout of one file: its chunks in file order. A chunk with `hole`
// set is a row in no vault (VID -1): its bytes are zeros in the restored
// file. A chunk with `dirty` set was changed locally: its row is marked
// dirty and its current bytes (`current`) sit in the sparse file.
struct PlannedChunk {
    std::vector<uint8_t> plain;
    bool hole = false;
    bool dirty = false;
    std::vector<uint8_t> current; // dirty only: the local bytes (same size)
};

struct WrittenFile {
    std::filesystem::path descriptor;
    std::filesystem::path sparse;     // empty when the file has no sparse file
    std::vector<uint8_t> restored;    // what a whole-file restore yields
    std::vector<uint8_t> current;     // what a partial read yields (local changes and tail)
    uint64_t mapdb_filesize = 0;      // bytes the chunk table covers
    uint32_t max_chunksize = 0;
    std::vector<DescriptorRow> rows;
};

// Splits `size` bytes of `data` into chunks of random sizes in
// [min_size, max_size] (the last may be shorter).
std::vector<PlannedChunk> split_into_chunks(const std::vector<uint8_t> &data, uint32_t min_size, uint32_t max_size,
                                            uint64_t seed);

class BackupWriter {
public:
    BackupWriter(std::filesystem::path vault_dir, BackupOptions options);
    ~BackupWriter();
    BackupWriter(const BackupWriter &) = delete;
    BackupWriter &operator=(const BackupWriter &) = delete;

    // Stores the chunks (sharing equal ones), writes the descriptor at
    // `descriptor` and, when a chunk is dirty or `tail` is not empty, a
    // sparse file next to it holding the local bytes and the tail (bytes
    // beyond the chunk table). Vaults are written by finish().
    WrittenFile add_file(const std::filesystem::path &descriptor, const std::vector<PlannedChunk> &chunks,
                         const std::vector<uint8_t> &tail = {});
    // The same one chunk at a time, for files too large to hold in memory:
    // begin_file, add_chunk for each chunk in file order, end_file. With
    // keep_bytes false the returned WrittenFile carries no byte images.
    void begin_file(const std::filesystem::path &descriptor, bool keep_bytes = true);
    void add_chunk(const PlannedChunk &chunk);
    WrittenFile end_file(const std::vector<uint8_t> &tail = {});

    // Writes every vault not written yet. Called by the destructor too.
    void finish();

    const std::filesystem::path &vault_dir() const { return vault_dir_; }
    const BackupOptions &options() const { return options_; }
    // Every vault as (hid, vid) and its path, once finish() ran.
    std::vector<std::pair<std::pair<uint32_t, uint64_t>, std::filesystem::path>> vaults() const;
    std::filesystem::path vault_path(uint64_t vid) const;

private:
    struct Stored {
        uint64_t vid;
        VaultChunkRef ref;
    };
    VaultWriter &vault_for_next_chunk();
    void flush(uint64_t vid);

    std::filesystem::path vault_dir_;
    BackupOptions options_;
    Rng rng_;
    std::shared_ptr<ChunkCodec> codec_;
    std::map<uint64_t, std::unique_ptr<VaultWriter>> open_;   // vaults being filled
    std::map<uint64_t, uint64_t> stored_bytes_;               // per vault
    std::vector<uint64_t> written_;                           // vaults on disk
    // Plain XXH64 and size -> where the chunk was stored (64 bits and the
    // size are plenty for fixtures the kit makes itself).
    std::map<std::pair<uint64_t, size_t>, Stored> by_hash_;
    uint64_t next_vid_;
    uint64_t sequential_vid_ = 0;
    // The file being added.
    struct Pending {
        WrittenFile wf;
        DescriptorHeader hdr;
        bool keep = true;
        uint64_t foffset = 0;
        uint64_t cksum = 0;
        std::vector<std::pair<uint64_t, std::vector<uint8_t>>> dirty; // offset, local bytes
    };
    std::unique_ptr<Pending> pending_;
};

} // namespace orvex::testkit
