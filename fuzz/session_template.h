// The small backup folder behind the session harness: written by the test
// kit from a fixed seed, so the harness and the seed corpus agree on the
// vaults while the catalogue and the descriptor are the fuzzed input.
#pragma once

#include "testkit/tempdir.h"
#include "testkit/trellis.h"
#include "testkit/trellis_content.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace orvex::fuzz {

inline constexpr const char *kSessionPassword = "pw";

inline std::filesystem::path session_catalogue(const std::filesystem::path &dir)
{
    return dir / orvex::testkit::trellis::full_name(1);
}

inline std::filesystem::path session_descriptor(const std::filesystem::path &dir)
{
    return orvex::testkit::trellis::descriptor_path(dir, 1);
}

// Rewrites a database with 512-byte pages: small inputs, so that mutations
// land in rows rather than in empty page space.
inline void shrink_database(const std::filesystem::path &file)
{
    sqlite3 *db = nullptr;
    if (sqlite3_open(file.c_str(), &db) == SQLITE_OK)
        sqlite3_exec(db, "PRAGMA journal_mode=DELETE; PRAGMA page_size=512; VACUUM;", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

// Three files over ovt and tvt vaults (every kind of tvt chunk, encrypted
// under kSessionPassword), one descriptor, one catalogue without a
// differential.
inline void write_session_template(const std::filesystem::path &dir)
{
    namespace tt = orvex::testkit::trellis;
    tt::FolderOptions fo;
    fo.password = kSessionPassword;
    fo.versions = 2;
    fo.files = 3;
    fo.seed = 7;
    fo.max_file_size = 30000;
    fo.differential = false;
    tt::ContentOptions co;
    co.min_chunk = 4096;
    co.max_chunk = 8192;
    co.cmp_methods = {0, 5};
    tt::write_folder_with_content(dir, fo, co);
    shrink_database(session_catalogue(dir));
    shrink_database(session_descriptor(dir));
}

// The harness input for a catalogue and a descriptor: the catalogue's
// length (4 bytes, little-endian), the catalogue, the descriptor.
inline std::vector<uint8_t> session_input(const std::vector<uint8_t> &catalogue, const std::vector<uint8_t> &descriptor)
{
    std::vector<uint8_t> in(4 + catalogue.size() + descriptor.size());
    for (int i = 0; i < 4; ++i)
        in[static_cast<size_t>(i)] = static_cast<uint8_t>(catalogue.size() >> (8 * i));
    auto end = std::copy(catalogue.begin(), catalogue.end(), in.begin() + 4);
    std::copy(descriptor.begin(), descriptor.end(), end);
    return in;
}

} // namespace orvex::fuzz
