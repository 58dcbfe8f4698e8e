// Byte ranges of single files: whole files of kit folders read piece by piece,
// reads at and across chunk boundaries and past the end, damaged chunks and
// chunk maps that do not rebuild the file, and several files read at once.
#include "trellis_fixture.h"

#include "testkit/trellis_content.h"
#include "testkit/trellis_inspect.h"

#include <sqlite3.h>

#include <cstring>
#include <thread>

namespace {

using namespace trellis_test;
namespace fs = std::filesystem;

struct Kit {
    tk::TempDir dir{"trellis-read"};
    tt::FolderWithContent kit;
    explicit Kit(const std::string &password = "", tt::Placement placement = tt::Placement::Mixed)
    {
        tt::FolderOptions fo;
        fo.password = password;
        fo.versions = 3;
        fo.files = 14;
        fo.seed = 5;
        fo.max_file_size = 400000;
        fo.links = true;
        fo.differential = false; // every row in one catalogue, for the helpers below
        tt::ContentOptions co;
        co.placement = placement;
        co.files_per_descriptor = 5;
        co.vault_capacity = 200000;
        kit = tt::write_folder_with_content(dir.path(), fo, co);
    }
    std::string path() const { return dir.str(); }
    std::vector<uint8_t> content(const std::string &p, int v) const { return kit.contents->content(p, v); }
};

struct File {
    void *f = nullptr;
    int rc;
    File(void *inst, int version, const std::string &path)
    {
        rc = trellis_vesk_open_file(inst, version, path.c_str(), &f);
    }
    ~File() { trellis_vesk_close_file(f); }
    std::vector<uint8_t> range(long long offset, int size, int *rc_out = nullptr)
    {
        std::vector<uint8_t> buf(static_cast<size_t>(size));
        int n = trellis_vesk_read_file(f, offset, reinterpret_cast<char *>(buf.data()), size);
        if (rc_out)
            *rc_out = n;
        buf.resize(n > 0 ? static_cast<size_t>(n) : 0);
        return buf;
    }
    std::vector<uint8_t> all(int piece)
    {
        std::vector<uint8_t> out;
        for (;;) {
            int n = 0;
            auto part = range(static_cast<long long>(out.size()), piece, &n);
            if (n <= 0) {
                EXPECT_EQ(n, 0);
                return out;
            }
            out.insert(out.end(), part.begin(), part.end());
        }
    }
};

using Row = tt::ChunkLocation;

std::vector<Row> chunk_rows(const fs::path &dir, const std::string &path, int version)
{
    return tt::file_chunks(dir, path, version);
}

// The largest non-link file of the newest version with at least `chunks` chunks.
const tt::ManifestEntry *pick(const Kit &k, size_t chunks)
{
    const auto &v = k.kit.manifest.versions.back();
    const tt::ManifestEntry *best = nullptr;
    for (const auto &e : v.entries)
        if (!e.is_dir && !e.is_link && (!best || e.size > best->size) &&
            chunk_rows(k.dir.path(), e.path, v.version).size() >= chunks)
            best = &e;
    return best;
}

TEST(TrellisRead, EveryFileOfEveryVersionPieceByPiece)
{
    for (const std::string password : {"", "read pass"}) {
        SCOPED_TRACE(password);
        Kit k(password);
        Session s(k.path(), password.empty() ? nullptr : password.c_str());
        ASSERT_EQ(s.rc, 0);
        int files = 0;
        for (const auto &v : k.kit.manifest.versions)
            for (const auto &e : v.entries) {
                File f(s.inst, v.version, e.path);
                if (e.is_dir) {
                    EXPECT_EQ(f.rc, -999) << e.path;
                    continue;
                }
                ASSERT_EQ(f.rc, 0) << e.path;
                const auto want = e.is_link ? std::vector<uint8_t>{} : k.content(e.path, v.version);
                EXPECT_TRUE(f.all(10007) == want) << e.path << " v" << v.version;
                ++files;
            }
        EXPECT_GT(files, 30);
    }
}

TEST(TrellisRead, RangesAtAndAcrossChunkBoundariesAndPastTheEnd)
{
    Kit k;
    const tt::ManifestEntry *e = pick(k, 4);
    ASSERT_NE(e, nullptr);
    const int version = k.kit.manifest.versions.back().version;
    const auto rows = chunk_rows(k.dir.path(), e->path, version);
    const auto want = k.content(e->path, version);
    const long long size = static_cast<long long>(want.size());
    Session s(k.path());
    ASSERT_EQ(s.rc, 0);
    File f(s.inst, version, e->path);
    ASSERT_EQ(f.rc, 0);

    auto expect = [&](long long offset, int len) {
        const long long from = std::min(offset, size), to = std::max(from, std::min(size, offset + len));
        const std::vector<uint8_t> slice(want.begin() + from, want.begin() + to);
        int n = -1;
        EXPECT_TRUE(f.range(offset, len, &n) == slice) << "offset " << offset << " len " << len;
        EXPECT_EQ(n, static_cast<int>(slice.size())) << "offset " << offset << " len " << len;
    };
    for (size_t i = 1; i < rows.size(); ++i) {
        const long long b = rows[i].file_offset;
        expect(b - 1, 2);                                   // the last byte of one chunk and the first of the next
        expect(b, static_cast<int>(rows[i].file_offset - rows[i - 1].file_offset)); // a whole chunk
        expect(rows[i - 1].file_offset + 1, static_cast<int>(b - rows[i - 1].file_offset - 1)); // up to the boundary
    }
    expect(0, static_cast<int>(rows[3].file_offset + 5)); // across three chunks into a fourth
    expect(size - 3, 10);                            // cut at the end
    expect(size, 10);                                // at the end: nothing
    expect(size + 4096, 10);                         // past it: nothing
    expect(0, 0);
    int n = 0;
    f.range(-1, 10, &n);
    EXPECT_EQ(n, -999);
    // Read backwards, one chunk at a time: the cache never hands back a wrong chunk.
    for (size_t i = rows.size(); i-- > 0;)
        expect(rows[i].file_offset, 3);
}

TEST(TrellisRead, LookupResultsAndEmptyFiles)
{
    Kit k;
    Session s(k.path());
    ASSERT_EQ(s.rc, 0);
    void *f = nullptr;
    EXPECT_EQ(trellis_vesk_open_file(s.inst, 99, "\\x", &f), -1);
    EXPECT_EQ(trellis_vesk_open_file(s.inst, 1, "\\no such file", &f), -2);
    EXPECT_EQ(trellis_vesk_open_file(s.inst, 1, "\\", &f), -999); // the root is a folder
    EXPECT_EQ(f, nullptr);
    EXPECT_EQ(trellis_vesk_read_file(nullptr, 0, nullptr, 0), -999);
    trellis_vesk_close_file(nullptr);
    for (const auto &e : k.kit.manifest.versions.back().entries)
        if (!e.is_dir && (e.is_link || e.size == 0)) {
            File empty(s.inst, k.kit.manifest.versions.back().version, e.path);
            ASSERT_EQ(empty.rc, 0);
            char c;
            EXPECT_EQ(trellis_vesk_read_file(empty.f, 0, &c, 1), 0) << e.path;
        }
}

int restore_to(void *inst, int version, const std::string &path, const fs::path &dst)
{
    auto quiet = [](void *, int, const char *, const char *, int, float, void *) -> int { return 0; };
    return trellis_vesk_restore_file(inst, version, path.c_str(), dst.c_str(), 1, quiet, nullptr);
}

TEST(TrellisRead, ADamagedChunkFailsItsRangesAndLeavesTheOthers)
{
    Kit k("", tt::Placement::Ovt);
    const tt::ManifestEntry *e = pick(k, 6);
    ASSERT_NE(e, nullptr);
    const int version = k.kit.manifest.versions.back().version;
    const auto rows = chunk_rows(k.dir.path(), e->path, version);
    const auto want = k.content(e->path, version);
    // A chunk stored once in this file, with a neighbour on each side.
    auto same = [&](size_t a, size_t b) {
        return rows[a].vault_id == rows[b].vault_id && rows[a].vault_offset == rows[b].vault_offset;
    };
    size_t j = 1;
    while (j + 1 < rows.size() && (same(j, j - 1) || same(j, j + 1) || same(j - 1, j + 1)))
        ++j;
    ASSERT_LT(j + 1, rows.size());
    tt::damage_ovt_chunk(k.dir.path(), rows[j]);
    Session s(k.path());
    ASSERT_EQ(s.rc, 0);
    File f(s.inst, version, e->path);
    ASSERT_EQ(f.rc, 0);
    auto slice = [&](long long at, long long len) {
        return std::vector<uint8_t>(want.begin() + at, want.begin() + at + len);
    };
    int n = 0;
    EXPECT_TRUE(f.range(rows[j - 1].file_offset, 100, &n) == slice(rows[j - 1].file_offset, 100));
    f.range(rows[j].file_offset + 10, 100, &n);
    EXPECT_EQ(n, -999);
    f.range(rows[j].file_offset - 10, 20, &n); // starts in a good chunk
    EXPECT_EQ(n, -999);
    EXPECT_TRUE(f.range(rows[j + 1].file_offset, 10, &n) == slice(rows[j + 1].file_offset, 10));
    // The restore refuses the same file.
    tk::TempDir out("read-restore");
    EXPECT_EQ(restore_to(s.inst, version, e->path, out / "x"), -999);
}

TEST(TrellisRead, ChunkMapsThatDoNotRebuildTheFileAreRefused)
{
    struct Case {
        const char *name;
        const char *sql; // on the file's rows: ?1 its index, ?2 the second row's offset
        bool open_fails;
    } cases[] = {
        {"first row missing", "DELETE FROM filedesc WHERE fd_index=?1 AND file_offset=0", true},
        {"overlap", "UPDATE filedesc SET file_offset=0 WHERE fd_index=?1 AND file_offset=?2", true},
        {"past the end", "UPDATE filedesc SET file_offset=file_offset+100000000 WHERE fd_index=?1 AND file_offset=?2",
         true},
        {"gap", "DELETE FROM filedesc WHERE fd_index=?1 AND file_offset=?2", false},
        {"shifted", "UPDATE filedesc SET file_offset=file_offset+1 WHERE fd_index=?1 AND file_offset=?2", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Kit k;
        const tt::ManifestEntry *e = pick(k, 3);
        ASSERT_NE(e, nullptr);
        const int version = k.kit.manifest.versions.back().version;
        const auto rows = chunk_rows(k.dir.path(), e->path, version);
        const tt::DescriptorRef desc = tt::file_descriptor(k.dir.path(), e->path, version);
        sqlite3 *db = nullptr;
        ASSERT_EQ(sqlite3_open(desc.file.c_str(), &db), SQLITE_OK);
        sqlite3_stmt *st = nullptr;
        ASSERT_EQ(sqlite3_prepare_v2(db, c.sql, -1, &st, nullptr), SQLITE_OK);
        sqlite3_bind_int64(st, 1, desc.index);
        sqlite3_bind_int64(st, 2, rows[1].file_offset);
        ASSERT_EQ(sqlite3_step(st), SQLITE_DONE);
        sqlite3_finalize(st);
        sqlite3_close(db);

        Session s(k.path());
        ASSERT_EQ(s.rc, 0);
        File f(s.inst, version, e->path);
        if (c.open_fails) {
            EXPECT_EQ(f.rc, -999);
            continue;
        }
        ASSERT_EQ(f.rc, 0);
        int n = 0;
        f.range(0, static_cast<int>(e->size), &n); // the first chunk no longer fits its place
        EXPECT_EQ(n, -999);
    }
}

TEST(TrellisRead, OpenFilesAreReadOnSeveralThreadsAtOnce)
{
    Kit k("threads");
    Session s(k.path(), "threads");
    ASSERT_EQ(s.rc, 0);
    const auto &v = k.kit.manifest.versions.back();
    std::vector<const tt::ManifestEntry *> files;
    for (const auto &e : v.entries)
        if (!e.is_dir && !e.is_link && e.size > 100000 && files.size() < 4)
            files.push_back(&e);
    ASSERT_GE(files.size(), 2u);
    std::vector<std::unique_ptr<File>> open;
    for (const auto *e : files) {
        open.push_back(std::make_unique<File>(s.inst, v.version, e->path));
        ASSERT_EQ(open.back()->rc, 0);
    }
    std::vector<std::vector<uint8_t>> got(files.size());
    std::vector<std::thread> threads;
    for (size_t i = 0; i < files.size(); ++i)
        threads.emplace_back([&, i] { got[i] = open[i]->all(4096); });
    for (auto &t : threads)
        t.join();
    for (size_t i = 0; i < files.size(); ++i)
        EXPECT_TRUE(got[i] == k.content(files[i]->path, v.version)) << files[i]->path;
}

} // namespace
