// Reading back where the test kit put a file's chunks, and damaging them, for
// tests and benchmarks of reads that must fail loudly.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace orvex::testkit::trellis {

struct ChunkLocation {
    int64_t file_offset;
    int64_t vault_id; // >= 0 ovt, < 0 tvt of the negated number
    int64_t vault_offset;
};

struct DescriptorRef {
    std::filesystem::path file; // the descriptor database in the backup folder
    int64_t index;              // the file's rows there
};

// The descriptor of `path` ("\\docs\\a.txt") as `version` records it, read
// from the full catalogue (a folder written without a differential one).
DescriptorRef file_descriptor(const std::filesystem::path &dir, const std::string &path, int version);
// Its chunk rows in file order.
std::vector<ChunkLocation> file_chunks(const std::filesystem::path &dir, const std::string &path, int version);
// Overwrites stored bytes of an ovt chunk, more than its parities repair.
void damage_ovt_chunk(const std::filesystem::path &dir, const ChunkLocation &chunk);

} // namespace orvex::testkit::trellis
