// Export databases (the catalogue of a VESK container) for the test kit,
// written through the library's own export database kind.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orvex::testkit {

// Byte ranges of one entry's pieces inside a container.
struct ExportRanges {
    int64_t store_offset = 0, store_size = 0;
    int64_t sparse_offset = 0, sparse_size = 0;
    int64_t descriptor_offset = 0, descriptor_size = 0;
    int64_t descriptor_shm_offset = 0, descriptor_shm_size = 0;
    int64_t descriptor_wal_offset = 0, descriptor_wal_size = 0;
};

struct ExportEntry {
    int64_t ino = 0;
    int64_t parent_ino = 0;
    std::optional<std::string> title; // the root has none
    int filetype = 1;                 // vesk_filetype_t
    int64_t mtime = 0;
    int64_t size = 0;
    ExportRanges ranges;
    std::string lnk;
};

struct ExportVault {
    int32_t hid = 0;
    int64_t vid = 0;
    int64_t offset = 0;
    int64_t size = 0;
    int64_t refcount = 1;
};

// Builds a tree under a root directory (ino 1, parent 0, no title) with
// numbers handed out in order, then writes it.
class ExportDbBuilder {
public:
    ExportDbBuilder();
    static constexpr int64_t kRootIno = 1;

    int64_t add_dir(int64_t parent, const std::string &title, int64_t mtime = 0);
    int64_t add_file(int64_t parent, const std::string &title, int64_t size, int64_t mtime = 0,
                     const ExportRanges &ranges = {});
    // Any row as given (hostile shapes included).
    void add_raw(const ExportEntry &entry) { entries_.push_back(entry); }
    void add_vault(const ExportVault &vault) { vaults_.push_back(vault); }

    const std::vector<ExportEntry> &entries() const { return entries_; }
    // Writes the database at `path` (parent folders created, an existing file
    // replaced) as one self-contained file. Throws std::runtime_error.
    void write(const std::filesystem::path &path) const;

private:
    int64_t next_ino_ = kRootIno + 1;
    std::vector<ExportEntry> entries_;
    std::vector<ExportVault> vaults_;
};

} // namespace orvex::testkit
