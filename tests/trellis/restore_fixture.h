// A hand-made Trellis folder whose chunks a test places in ovt and tvt
// vaults itself, and a recorder of restore progress reports.
#pragma once

#include "trellis_fixture.h"

#include "testkit/chunk_codec.h"
#include "testkit/trellis_content.h"
#include "testkit/vault_writer.h"

#include <openssl/sha.h>
#include <sqlite3.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>

namespace trellis_test {

namespace fs = std::filesystem;

inline std::vector<uint8_t> bytes(const std::string &s)
{
    return std::vector<uint8_t>(s.begin(), s.end());
}

// A folder built by hand: one full catalogue (versions 1 and 2), a root, and
// files whose chunks the test places in ovt and tvt vaults itself.
struct HandFolder {
    tk::TempDir dir{"trellis-restore"};
    std::string password;
    std::unique_ptr<tt::Catalogue> cat;
    int64_t root = 0;
    std::map<uint64_t, std::unique_ptr<tk::VaultWriter>> ovts;
    std::map<uint64_t, std::vector<uint8_t>> tvts;
    std::shared_ptr<tk::ChunkCodec> codec;

    // `sign`: the job information file carries a signature of `pw`; `pw` is
    // also the key of encrypted chunks.
    explicit HandFolder(const std::string &pw = "", bool sign = true) : password(pw)
    {
        std::string sig = pw.empty() || !sign ? "" : tt::make_signature(pw, kJobId, 7);
        tt::write_job_info(dir.path(), kJobId, sig, tt::InfoForm::KeyValue);
        cat = std::make_unique<tt::Catalogue>(dir / tt::full_name(1), false);
        add_versions(*cat, 2);
        root = cat->add_path(std::nullopt, "", 1);
        cat->add_history(dir_row(root, 1));
        tk::CodecOptions co;
        co.cmp_algo = 5;
        if (!pw.empty()) {
            co.cry_algo = 3;
            co.key.resize(32);
            SHA256(reinterpret_cast<const unsigned char *>(pw.data()), pw.size(), co.key.data());
        }
        codec = std::make_shared<tk::ChunkCodec>(co);
    }
    int64_t file(const std::string &name, tt::HistoryRow h)
    {
        int64_t id = cat->add_path(root, name);
        h.path_id = id;
        cat->add_history(h);
        return id;
    }
    static tt::HistoryRow state(uint64_t size, int64_t mtime, int64_t fd_id, int64_t fd_index, int version = 1,
                                size_t attr_len = 32)
    {
        tt::HistoryRow h = file_row(0, version, size, mtime, 0, attr_len);
        h.fd_vault_id = fd_id;
        h.fd_vault_index = fd_index;
        return h;
    }
    uint64_t ovt(uint64_t number, const std::vector<uint8_t> &plain)
    {
        auto &w = ovts[number];
        if (!w)
            w = std::make_unique<tk::VaultWriter>(0, number, tk::make_chunk_encoder(codec));
        return w->add_chunk(plain).voffset;
    }
    uint64_t tvt(uint64_t number, const std::vector<uint8_t> &record)
    {
        auto &v = tvts[number];
        uint64_t at = v.size();
        v.insert(v.end(), record.begin(), record.end());
        return at;
    }
    struct Row {
        int64_t index, file_offset, vault_id;
        uint64_t vault_offset;
    };
    void descriptor(int64_t number, const std::vector<Row> &rows)
    {
        fs::path p = tt::descriptor_path(dir.path(), number);
        fs::create_directories(p.parent_path());
        sqlite3 *db = nullptr;
        ASSERT_EQ(sqlite3_open(p.string().c_str(), &db), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(db,
                               "CREATE TABLE filedesc (fd_index INTEGER, file_offset INTEGER, vault_id INTEGER, "
                               "vault_offset INTEGER)",
                               nullptr, nullptr, nullptr),
                  SQLITE_OK);
        for (const Row &r : rows) {
            std::string sql = "INSERT INTO filedesc VALUES (" + std::to_string(r.index) + "," +
                              std::to_string(r.file_offset) + "," + std::to_string(r.vault_id) + "," +
                              std::to_string(r.vault_offset) + ")";
            ASSERT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
        }
        sqlite3_close(db);
    }
    void done()
    {
        cat->finish();
        for (auto &[n, w] : ovts)
            w->write(tt::vault_path(dir.path(), n, false));
        for (auto &[n, v] : tvts) {
            fs::create_directories(tt::vault_path(dir.path(), n, true).parent_path());
            tk::write_file(tt::vault_path(dir.path(), n, true), v);
        }
    }
    std::string path() const { return dir.str(); }
    fs::path tvt_path(uint64_t n) const { return tt::vault_path(dir.path(), n, true); }
};

struct Report {
    int status;
    float progress;
};

struct Recorder {
    std::vector<Report> reports;
    std::function<int(const Report &)> answer;
};

inline int record(void *, int, const char *, const char *, int status, float progress, void *user)
{
    auto *r = static_cast<Recorder *>(user);
    r->reports.push_back({status, progress});
    return r->answer ? r->answer(r->reports.back()) : 0;
}

inline int64_t mtime_of(const fs::path &p)
{
    struct stat sb;
    if (::lstat(p.c_str(), &sb) != 0)
        return -1;
    return static_cast<int64_t>(sb.st_mtime);
}

// The whole of `path` in `version` through one range read (open, one read
// of `size` bytes, close): 0 with `out`, or the first failing result.
inline int read_range(void *inst, int version, const char *path, long long size, std::vector<uint8_t> &out)
{
    out.clear();
    void *f = nullptr;
    int rc = trellis_vesk_open_file(inst, version, path, &f);
    if (rc != 0)
        return rc;
    out.resize(static_cast<size_t>(size));
    rc = trellis_vesk_read_file(f, 0, reinterpret_cast<char *>(out.data()), static_cast<int>(size));
    trellis_vesk_close_file(f);
    if (rc < 0)
        return rc;
    out.resize(static_cast<size_t>(rc));
    return 0;
}

// Nothing but the expected entries in the destination folder: no partial
// or temporary file left behind.
inline std::vector<std::string> listing(const fs::path &dir)
{
    std::vector<std::string> out;
    for (const auto &e : fs::directory_iterator(dir))
        out.push_back(e.path().filename().string());
    std::sort(out.begin(), out.end());
    return out;
}

} // namespace trellis_test
