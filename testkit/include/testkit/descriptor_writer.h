// Descriptor databases for the test kit, written through the library's own
// descriptor kind (header row and one mapdb row per chunk).
#pragma once

#include "testkit/vault_writer.h"

#include <cstdint>
#include <filesystem>
#include <vector>

struct file; // file_t of the core library

namespace orvex::testkit {

struct DescriptorHeader {
    uint8_t hash_algo = 0; // sha256
    uint8_t cmp_algo = 0;
    uint8_t cry_algo = 0;
    uint8_t chk_algo = 0;
    uint32_t x = 0;
    uint32_t winsize = 48;
    uint32_t min_chunksize = 4096;
    uint32_t max_chunksize = 65536;
    uint32_t primemod = 0;
    uint64_t filesize = 0;
    uint64_t vaultsize = 0;
    uint64_t cksum = 0;
    uint32_t mode = 0100644; // attribute record of the source file
    int64_t mtime = 0;
};

// One chunk row. vid < 0: a chunk that lives in no vault.
struct DescriptorRow {
    int32_t hid = 0;
    int64_t vid = 0;
    uint32_t cid = 0;
    uint64_t voffset = 0; // offset of the chunk header in the vault file
    uint64_t foffset = 0; // offset of the chunk in the file
    uint32_t chunksize = 0;
    uint32_t store_size = 0;
    uint64_t sig = 0;
    int dirty = 0;
    std::vector<uint8_t> hash; // stored as base64; empty: NULL
};

// The rows of every chunk of `vault` in order, placed one after the other
// in the file starting at `foffset`.
std::vector<DescriptorRow> rows_for_vault(const VaultWriter &vault, uint64_t foffset = 0);

// Writes a complete descriptor at `path` (parent folders created; an
// existing file is replaced). num_vaults, num_chunks and num_data_chunks
// of the header are counted from the rows. Throws std::runtime_error.
void write_descriptor(const std::filesystem::path &path, const DescriptorHeader &header,
                      const std::vector<DescriptorRow> &rows);

// A descriptor kept open as a live database whose rows from `wal_from` on,
// and the header that counts them, are still in its write-ahead log ("-wal",
// indexed by "-shm"): what an exporter sees when it copies a descriptor in
// use. Copy the three files while the object lives; closing it checkpoints.
class LiveDescriptor {
public:
    LiveDescriptor(const std::filesystem::path &path, const DescriptorHeader &header,
                   const std::vector<DescriptorRow> &rows, size_t wal_from);
    ~LiveDescriptor();
    LiveDescriptor(const LiveDescriptor &) = delete;
    LiveDescriptor &operator=(const LiveDescriptor &) = delete;

private:
    ::file *file_ = nullptr;
};

} // namespace orvex::testkit
