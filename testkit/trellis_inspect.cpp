#include "testkit/trellis_inspect.h"

#include "testkit/trellis.h"
#include "testkit/trellis_content.h"

#include <sqlite3.h>

#include <fstream>
#include <functional>
#include <stdexcept>

namespace orvex::testkit::trellis {

namespace {

namespace fs = std::filesystem;

class Reader {
public:
    explicit Reader(const fs::path &file)
    {
        if (sqlite3_open_v2(file.string().c_str(), &db_, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
            throw std::runtime_error("cannot open " + file.string());
    }
    ~Reader() { sqlite3_close(db_); }
    Reader(const Reader &) = delete;
    Reader &operator=(const Reader &) = delete;

    // Every row of `sql` with `bind` applied, as integers.
    std::vector<std::vector<int64_t>> rows(const char *sql, const std::function<void(sqlite3_stmt *)> &bind)
    {
        sqlite3_stmt *st = nullptr;
        if (sqlite3_prepare_v2(db_, sql, -1, &st, nullptr) != SQLITE_OK)
            throw std::runtime_error(std::string("cannot prepare ") + sql);
        bind(st);
        std::vector<std::vector<int64_t>> out;
        while (sqlite3_step(st) == SQLITE_ROW) {
            out.emplace_back();
            for (int i = 0; i < sqlite3_column_count(st); ++i)
                out.back().push_back(sqlite3_column_int64(st, i));
        }
        sqlite3_finalize(st);
        return out;
    }
    int64_t one(const char *sql, const std::function<void(sqlite3_stmt *)> &bind)
    {
        auto r = rows(sql, bind);
        if (r.empty())
            throw std::runtime_error(std::string("no row for ") + sql);
        return r[0][0];
    }

private:
    sqlite3 *db_ = nullptr;
};

} // namespace

DescriptorRef file_descriptor(const fs::path &dir, const std::string &path, int version)
{
    Reader cat(dir / full_name(1));
    int64_t id = cat.one("SELECT rowid FROM path WHERE pid IS NULL ORDER BY rowid DESC", [](sqlite3_stmt *) {});
    for (size_t at = 1; at < path.size();) {
        const size_t end = std::min(path.find('\\', at), path.size());
        const std::string name = path.substr(at, end - at);
        id = cat.one("SELECT rowid FROM path WHERE pid=? AND name=?", [&](sqlite3_stmt *st) {
            sqlite3_bind_int64(st, 1, id);
            sqlite3_bind_text(st, 2, name.c_str(), -1, SQLITE_TRANSIENT);
        });
        at = end + 1;
    }
    auto h = cat.rows("SELECT fd_vault_id, fd_vault_index FROM history WHERE path_id=? AND version<=? "
                      "ORDER BY version DESC LIMIT 1",
                      [&](sqlite3_stmt *st) {
                          sqlite3_bind_int64(st, 1, id);
                          sqlite3_bind_int(st, 2, version);
                      });
    if (h.empty())
        throw std::runtime_error("no history row for " + path);
    return {descriptor_path(dir, h[0][0]), h[0][1]};
}

std::vector<ChunkLocation> file_chunks(const fs::path &dir, const std::string &path, int version)
{
    const DescriptorRef d = file_descriptor(dir, path, version);
    Reader desc(d.file);
    std::vector<ChunkLocation> out;
    for (const auto &r : desc.rows("SELECT file_offset, vault_id, vault_offset FROM filedesc WHERE fd_index=? "
                                   "ORDER BY file_offset",
                                   [&](sqlite3_stmt *st) { sqlite3_bind_int64(st, 1, d.index); }))
        out.push_back({r[0], r[1], r[2]});
    return out;
}

void damage_ovt_chunk(const fs::path &dir, const ChunkLocation &chunk)
{
    if (chunk.vault_id < 0)
        throw std::invalid_argument("damage_ovt_chunk: a tvt chunk");
    std::fstream io(vault_path(dir, static_cast<uint64_t>(chunk.vault_id), false),
                    std::ios::in | std::ios::out | std::ios::binary);
    // Past the 128-byte chunk header, 200 bytes of one 253-byte block with
    // two parity bytes: beyond repair.
    io.seekp(chunk.vault_offset + 140);
    const std::string junk(200, '\x5a');
    io.write(junk.data(), static_cast<std::streamsize>(junk.size()));
    if (!io)
        throw std::runtime_error("damage_ovt_chunk: cannot write the vault");
}

} // namespace orvex::testkit::trellis
