// Writer of VESK containers for tests, benchmarks and demos. Every byte goes
// through the container library's own writer-side calls: the container
// kind and its header marshalling, copy_to_vesk (plain, and zstd through
// compress_to_dst_zstd), the export database writer, and the kit's vault
// and descriptor writers.
#pragma once

#include "testkit/descriptor_writer.h"
#include "testkit/exportdb_writer.h"
#include "testkit/file_writer.h"
#include "testkit/tempdir.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace orvex::testkit::vesk {

// Which companions of a deduplicated file's descriptor go into the
// container: none (everything checkpointed into the database), or its
// write-ahead log holding half the rows, with or without the "-shm" index.
enum class Journal { None, WalAndShm, WalOnly };

struct DedupLayout {
    uint32_t min_chunk = 4096;
    uint32_t max_chunk = 16384;
    uint64_t chunk_seed = 1; // files with a common prefix share their first chunks
    int group = 0;           // vault group 0 (hid 1) or 1 (hid 2); both number vaults from 1
    Journal journal = Journal::None;
    int repeat_every = 0;   // every n-th chunk repeats the one before it (0: none)
    int hole_every = 0;     // every n-th chunk is a row in no vault; its bytes come from the sparse part
    uint64_t tail = 0;      // bytes after the chunk rows
    bool tail_in_sparse = false; // the tail's bytes come from the sparse part (else zeros from extension)
    // Changes the rows before the descriptor is written (hostile descriptors).
    std::function<void(std::vector<DescriptorRow> &)> edit_rows;
};

// What restoring one entry must give.
struct Expected {
    std::string path;           // "\\docs\\a.txt"
    int filetype = 1;           // vesk_filetype_t
    int64_t size = 0;           // as listed
    int64_t mtime = 0;
    std::vector<uint8_t> bytes; // a restored file's contents (links and special files: none)
    bool dedup = false;
    bool sparse = false;                // a deduplicated file with a sparse part
    std::vector<DescriptorRow> rows;    // a deduplicated file's chunk rows
};

struct VaultPlace {
    int32_t hid = 0;
    int64_t vid = 0;
    int64_t offset = 0; // in the container
    int64_t size = 0;
};

struct WriterOptions {
    bool keep_bytes = true;      // fill Expected::bytes
    bool interleaved = true;     // chunks spread over two vaults per group, else vaults filled in turn
    uint64_t vault_capacity = 64ull << 20;
};

class ContainerWriter {
public:
    static constexpr int64_t kRoot = ExportDbBuilder::kRootIno;

    explicit ContainerWriter(std::filesystem::path file, WriterOptions options = {});
    ~ContainerWriter();
    ContainerWriter(const ContainerWriter &) = delete;
    ContainerWriter &operator=(const ContainerWriter &) = delete;

    int64_t add_dir(int64_t parent, const std::string &name, int64_t mtime = 0);
    int64_t add_stored(int64_t parent, const std::string &name, const std::vector<uint8_t> &bytes,
                       int64_t mtime = 0);
    int64_t add_dedup(int64_t parent, const std::string &name, const std::vector<uint8_t> &bytes,
                      int64_t mtime = 0, const DedupLayout &layout = {});
    int64_t add_link(int64_t parent, const std::string &name, const std::string &target, int64_t mtime = 0);
    int64_t add_special(int64_t parent, const std::string &name, int filetype, int64_t mtime = 0);
    // The export database row of an entry added above, to change before
    // finish() (hostile rows).
    ExportEntry &row(int64_t ino);
    // A row exactly as given; not listed in expected().
    void add_raw(const ExportEntry &entry);
    // Records vault (hid, vid) with this range instead of where it went
    // (hostile vaults rows).
    void override_vault(int32_t hid, int64_t vid, int64_t offset, int64_t size);
    // Appends bytes as they are and returns their offset.
    int64_t append(const std::vector<uint8_t> &bytes);

    // Embeds the vaults and the export database and writes the header.
    // Throws std::runtime_error when a library call refuses a step.
    void finish();
    const std::vector<Expected> &expected() const { return expected_; }
    const std::vector<VaultPlace> &vaults() const { return vaults_; }
    const std::filesystem::path &path() const { return file_; }

private:
    struct State;
    int64_t add_entry(int64_t parent, const std::string &name, ExportEntry entry, Expected expected);
    std::filesystem::path file_;
    WriterOptions options_;
    std::unique_ptr<State> state_;
    std::vector<Expected> expected_;
    std::vector<VaultPlace> vaults_;
};

// The sample container of the tests and the demo: folders (an empty one,
// nested ones), stored files (an empty one, a non-ASCII name),
// deduplicated files (descriptors with and without their -wal and -shm
// files, chunks shared between files and repeated back to back, two vault
// groups that use the same vault numbers, a sparse part, a tail that comes
// from extending the file), a link and a FIFO.
std::vector<Expected> write_sample(const std::filesystem::path &file, uint64_t seed = 1);

// About `size` bytes in `files` files spread over a few folders, every
// file deduplicated (zstd chunks of 48-80 KiB) or, with `stored`, stored
// whole. Expected::bytes stays empty.
struct BulkOptions {
    uint64_t size = 64ull << 20;
    int files = 16;
    bool stored = false;
    uint64_t seed = 1;
    std::filesystem::path originals; // when set, every file is also written here as a plain file
};
std::vector<Expected> write_bulk(const std::filesystem::path &file, const BulkOptions &options,
                                 std::vector<VaultPlace> *vaults = nullptr);

// The entries as JSON text, in the shape of the Trellis manifest with one
// version 0: {"versions": [{"version": 0, "timestamp": 0, "entries":
// [{"path", "type", "size", "mtime"[, "link" | "special"]}...]}]}.
std::string manifest_json(const std::vector<Expected> &entries);

} // namespace orvex::testkit::vesk
