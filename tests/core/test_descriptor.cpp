// Descriptor database: opening (header, row count, indexes, dirty map),
// chunk lookups, restore queries that skip rows in no vault, truncation,
// fragmentation, header JSON, and damaged descriptors.
#include "descriptor.h"
#include "log_capture.h"
#include "restore-ctx.h"
#include "sqldb.h"
#include "testkit/descriptor_writer.h"
#include "testkit/tempdir.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

using orvex::testkit::DescriptorHeader;
using orvex::testkit::DescriptorRow;
using orvex::testkit::TempDir;
using orvex::testkit::write_descriptor;

struct FileCloser {
    void operator()(file_t *f) const { file_close(f); }
};
using FilePtr = std::unique_ptr<file_t, FileCloser>;

DescriptorRow row(int64_t vid, uint64_t fos, uint32_t cks, int dirty = 0)
{
    DescriptorRow r;
    r.hid = 0;
    r.vid = vid;
    r.foffset = fos;
    r.chunksize = cks;
    r.store_size = cks;
    r.voffset = 4096 + fos;
    r.cid = static_cast<uint32_t>(fos / 10);
    r.dirty = dirty;
    return r;
}

int64_t rows_of(file_t *f, int cmd)
{
    sqlite3_stmt *stmt = f->stmts[cmd];
    int64_t n = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW)
        n++;
    sqlite3_reset(stmt);
    return n;
}

// Chunks at 0 (vault 1), 100 (vault 2), 200 (no vault), 250 (vault 1, dirty).
class Descriptor : public ::testing::Test {
protected:
    void SetUp() override
    {
        DescriptorHeader h;
        h.cmp_algo = 5;
        h.cry_algo = 3;
        h.filesize = 350;
        h.vaultsize = 5000000000ull; // beyond 32 bits
        h.max_chunksize = 65536;
        h.mtime = 1700000000;
        path = (dir / "file.ovd").string();
        write_descriptor(path, h, {row(1, 0, 100), row(2, 100, 100), row(-1, 200, 50), row(1, 250, 100, 1)});
    }
    FilePtr open(int flags = 0) { return FilePtr(file_open(path.c_str(), &descriptor_operations, OS_O_RDWR, flags, nullptr)); }

    TempDir dir;
    std::string path;
};

TEST_F(Descriptor, OpenReadsHeaderAndRowCount)
{
    FilePtr f = open();
    ASSERT_TRUE(f);
    EXPECT_EQ(f->num_blobs, 4);
    EXPECT_EQ(f->size, 350u);
    auto *h = static_cast<filehdr_t *>(f->hdr);
    EXPECT_EQ(h->cmp_algo, 5);
    EXPECT_EQ(h->cry_algo, 3);
    EXPECT_EQ(h->num_chunks, 4u);
    EXPECT_EQ(h->num_data_chunks, 3u);
    EXPECT_EQ(h->num_vaults, 2u);
    EXPECT_EQ(h->vaultsize, 5000000000ull) << "no 32-bit truncation";
    EXPECT_EQ(h->attr.mtime, 1700000000);
    EXPECT_EQ(f->fops->get_mapdb_maxrid(f.get()), 3);
    EXPECT_EQ(f->fops->get_mapdb_filesize(f.get()), 350);
}

TEST_F(Descriptor, RowsInNoVaultAreSkippedByVaultQueries)
{
    FilePtr f = open();
    ASSERT_TRUE(f);
    EXPECT_EQ(rows_of(f.get(), DSC_GET_MAPDB_ALL_CHUNKS), 4);

    restore_worker_t worker{};
    worker.cstart = 0;
    worker.cend = 3;
    struct Seen {
        std::vector<int64_t> fos;
        int end_calls = 0;
        restore_worker_t *worker;
    } seen{{}, 0, &worker};
    descriptor_data_t d{};
    d.cmd = DSC_RESTORE_BY_FOFFSET;
    d.scheme = RESTORE_BY_FOFFSET;
    d.worker = &worker;
    d.user_data = &seen;
    d.callback = [](file_t *, sqlite3_stmt *stmt, void *data) {
        auto *s = static_cast<Seen *>(static_cast<descriptor_data_t *>(data)->user_data);
        if (s->worker->restore_lastchunk)
            s->end_calls++;
        else
            s->fos.push_back(sqlite3_column_int64(stmt, 3));
        return 0;
    };
    ASSERT_EQ(f->fops->search(f.get(), &d), 0);
    EXPECT_EQ(seen.fos, (std::vector<int64_t>{0, 100, 250}));
    EXPECT_EQ(seen.end_calls, 1) << "one more call after the last row";

    seen = {{}, 0, &worker};
    worker.restore_lastchunk = false;
    worker.hid = 0;
    worker.vid = 1;
    d.cmd = DSC_RESTORE_BY_VID;
    d.scheme = RESTORE_BY_VID;
    ASSERT_EQ(f->fops->search(f.get(), &d), 0);
    EXPECT_EQ(seen.fos, (std::vector<int64_t>{0, 250}));

    descriptor_data_t c{};
    c.cmd = DSC_COUNT_CHUNKS;
    c.hid = 0;
    c.vid = 1;
    EXPECT_EQ(f->fops->count(f.get(), &c), 2);
    c.cmd = DSC_COUNT_VAULTS;
    EXPECT_EQ(f->fops->count(f.get(), &c), 3);
    c.cmd = DSC_GETCHUNK;
    EXPECT_EQ(f->fops->count(f.get(), &c), -1);
    EXPECT_EQ(errno, EINVAL);

    std::vector<int64_t> vaults;
    descriptor_data_t v{};
    v.user_data = &vaults;
    v.callback = [](file_t *, sqlite3_stmt *stmt, void *data) {
        static_cast<std::vector<int64_t> *>(static_cast<descriptor_data_t *>(data)->user_data)
            ->push_back(sqlite3_column_int64(stmt, 1));
        return 0;
    };
    ASSERT_EQ(f->fops->iter_vaults(f.get(), &v), 0);
    std::sort(vaults.begin(), vaults.end());
    EXPECT_EQ(vaults, (std::vector<int64_t>{1, 2}));
}

TEST_F(Descriptor, GetChunkFindsTheChunkCoveringAnOffset)
{
    FilePtr f = open();
    ASSERT_TRUE(f);
    struct Case {
        int64_t offset, foffset, vid;
    } cases[] = {{0, 0, 1}, {99, 0, 1}, {100, 100, 2}, {249, 200, -1}, {349, 250, 1}};
    for (const auto &c : cases) {
        chunkbase_t *base = f->fops->getchunk(f.get(), c.offset);
        ASSERT_TRUE(base) << c.offset;
        EXPECT_EQ(base->foffset, c.foffset) << c.offset;
        EXPECT_EQ(base->vid, c.vid) << c.offset;
        EXPECT_EQ(base->voffset, 4096 + c.foffset);
        std::free(base);
    }
    chunkbase_t *last = f->fops->getchunk(f.get(), 250);
    ASSERT_TRUE(last);
    EXPECT_EQ(last->dirty, 1);
    EXPECT_EQ(last->chunksize, 100);
    std::free(last);
    errno = 0;
    EXPECT_EQ(f->fops->getchunk(f.get(), 350), nullptr) << "the file size is past every chunk";
    EXPECT_EQ(errno, ENODATA);
}

TEST_F(Descriptor, TruncateKeepsChunksStartingBeforeTheSize)
{
    FilePtr f = open();
    ASSERT_TRUE(f);
    ASSERT_EQ(f->fops->ftruncate64(f.get(), 251), 0);
    EXPECT_EQ(rows_of(f.get(), DSC_GET_MAPDB_ALL_CHUNKS), 4) << "FOS 250 = size - 1 stays";
    ASSERT_EQ(f->fops->ftruncate64(f.get(), 250), 0);
    EXPECT_EQ(rows_of(f.get(), DSC_GET_MAPDB_ALL_CHUNKS), 3) << "FOS 250 = size goes";
    EXPECT_EQ(f->fops->get_mapdb_filesize(f.get()), 250);
}

TEST_F(Descriptor, FragmentationCountsVaultChangesInFileOrder)
{
    FilePtr f = open();
    uint64_t chunks = 0, trans = 0;
    double ratio = -1;
    ASSERT_EQ(f->fops->get_frag_ratio(f.get(), &chunks, &trans, &ratio), 0);
    EXPECT_EQ(chunks, 4u);
    EXPECT_EQ(trans, 3u);
    EXPECT_DOUBLE_EQ(ratio, 75.0);
}

TEST_F(Descriptor, DirtyMapFollowsTheDirtyColumnAndCommitWritesItBack)
{
    {
        FilePtr f = open(FILE_FLAG_DIRTYMAP);
        ASSERT_TRUE(f);
        ASSERT_TRUE(f->dirtymap);
        EXPECT_EQ(f->dirtymap->num_used_bits, 4u);
        EXPECT_EQ(read_bit(f->dirtymap, 3), OCCUPIED_BIT);
        EXPECT_EQ(read_bit(f->dirtymap, 0), EMPTY_BIT);
        mark_bit(f->dirtymap, 1, BITMAP_SIMPLE);
        f->size = 333;
        ASSERT_EQ(f->fops->_commit(f.get()), 0);
    }
    FilePtr f = open();
    EXPECT_EQ(f->size, 333u);
    std::vector<std::pair<int64_t, int64_t>> dirty;
    descriptor_data_t d{};
    d.user_data = &dirty;
    d.callback = [](file_t *, sqlite3_stmt *stmt, void *data) {
        static_cast<std::vector<std::pair<int64_t, int64_t>> *>(static_cast<descriptor_data_t *>(data)->user_data)
            ->push_back({sqlite3_column_int64(stmt, 0), sqlite3_column_int64(stmt, 1)});
        return 0;
    };
    ASSERT_EQ(f->fops->getdirty(f.get(), &d), 0);
    ASSERT_EQ(dirty.size(), 4u);
    EXPECT_EQ(dirty[1].second, 1);
    EXPECT_EQ(dirty[3].second, 1);
    EXPECT_EQ(dirty[0].second, 0);
}

TEST_F(Descriptor, HeaderAsJson)
{
    FilePtr f = open();
    char *json = f->fops->print_hdr(f.get());
    ASSERT_TRUE(json);
    std::string text(json);
    std::free(json);
    for (const char *key : {"\"checksum\"", "\"size\": 350", "\"vault size\": 5000000000", "\"number of chunks\": 4",
                            "\"chunker\"", "\"maximum chunksize\": 65536", "\"window size\"", "\"crypter\"",
                            "\"algorithm\": \"aes-256\""})
        EXPECT_NE(text.find(key), std::string::npos) << key << "\n" << text;
}

TEST_F(Descriptor, ChunkInfoListsEveryRow)
{
    testing::internal::CaptureStdout();
    ASSERT_EQ(descriptor_get_chunk_info(path.c_str()), 0);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("[     cid, hid,             vid,    voffset,      csize,         foffset]"), std::string::npos)
        << out;
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 5);
}

TEST(DescriptorEdges, EmptyAndSingleRowDescriptors)
{
    TempDir dir;
    std::string empty = (dir / "empty.ovd").string();
    write_descriptor(empty, DescriptorHeader{}, {});
    FilePtr f(file_open(empty.c_str(), &descriptor_operations, OS_O_RDWR, 0, nullptr));
    ASSERT_TRUE(f);
    EXPECT_EQ(f->num_blobs, 0);
    errno = 0;
    EXPECT_EQ(f->fops->get_mapdb_maxrid(f.get()), 0);
    EXPECT_EQ(errno, ENODATA);
    uint64_t chunks = 9, trans = 9;
    double ratio = -1;
    ASSERT_EQ(f->fops->get_frag_ratio(f.get(), &chunks, &trans, &ratio), 0);
    EXPECT_EQ(chunks, 0u);
    EXPECT_DOUBLE_EQ(ratio, 0.0);
    EXPECT_EQ(f->fops->get_mapdb_filesize(f.get()), 0);
    f.reset();

    std::string one = (dir / "one.ovd").string();
    write_descriptor(one, DescriptorHeader{}, {row(1, 0, 10)});
    FilePtr g(file_open(one.c_str(), &descriptor_operations, OS_O_RDWR, 0, nullptr));
    ASSERT_TRUE(g);
    EXPECT_EQ(g->num_blobs, 1) << "rows but the largest row id is 0";
    errno = EBADF;
    EXPECT_EQ(g->fops->get_mapdb_maxrid(g.get()), 0);
    EXPECT_EQ(errno, 0);
}

TEST(DescriptorEdges, InsertCountsRowsAndEncodesHashes)
{
    TempDir dir;
    std::string p = (dir / "new.ovd").string();
    FilePtr f(file_open(p.c_str(), &descriptor_operations, OS_O_RDWR | OS_O_CREAT, 0, nullptr));
    ASSERT_TRUE(f);
    EXPECT_EQ(f->num_blobs, 0);
    uint8_t hash[3] = {'a', 'b', 'c'};
    for (int i = 0; i < 3; i++) {
        descriptor_data_t d{};
        d.cmd = DSC_INSERT_MAPDB;
        d.vid = i == 1 ? -1 : 4;
        d.foffset = i * 10;
        d.chunksize = 10;
        d.hash = i == 0 ? hash : nullptr;
        d.hash_len = 3;
        ASSERT_EQ(f->fops->insert(f.get(), &d), 0);
    }
    EXPECT_EQ(f->num_blobs, 3);
    EXPECT_EQ(f->num_data_blobs, 2);
    descriptor_data_t bad{};
    bad.cmd = DSC_GETCHUNK;
    EXPECT_EQ(f->fops->insert(f.get(), &bad), -1);
    EXPECT_EQ(errno, EINVAL);
    sqlite3_stmt *stmt = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(f->sdb, "SELECT RID, HASH, FOS_CKS FROM mapdb ORDER BY RID;", -1, &stmt, nullptr),
              SQLITE_OK);
    ASSERT_EQ(sqlite3_step(stmt), SQLITE_ROW);
    EXPECT_EQ(sqlite3_column_int64(stmt, 0), 0);
    EXPECT_STREQ(reinterpret_cast<const char *>(sqlite3_column_text(stmt, 1)), "YWJj");
    EXPECT_EQ(sqlite3_column_int64(stmt, 2), 10);
    ASSERT_EQ(sqlite3_step(stmt), SQLITE_ROW);
    EXPECT_EQ(sqlite3_column_type(stmt, 1), SQLITE_NULL);
    sqlite3_finalize(stmt);
}

TEST(DescriptorEdges, DamagedOrMissingDescriptorsFailCleanly)
{
    TempDir dir;
    // A database without a header row.
    std::string nohdr = (dir / "nohdr.ovd").string();
    {
        sqlite3 *db = sqldb_open(nohdr.c_str(), OS_O_RDWR | OS_O_CREAT, 0);
        ASSERT_TRUE(db);
        sqldb_close(db, 1);
    }
    {
        orvex::test::LogCapture log;
        errno = 0;
        EXPECT_EQ(file_open(nohdr.c_str(), &descriptor_operations, OS_O_RDWR, 0, nullptr), nullptr);
        EXPECT_EQ(errno, EIO);
        EXPECT_NE(log.text().find("read_header_from_file"), std::string::npos);
    }
    // Header values no writer produces.
    struct Case {
        const char *column;
        const char *value;
    } cases[] = {{"COMPRESS", "9"}, {"CRYPT", "4"}, {"MAX_CHUNKSIZE", "1000000000"}, {"FILE_SIZE", "-5"}};
    for (const auto &c : cases) {
        std::string p = (dir / (std::string(c.column) + ".ovd")).string();
        write_descriptor(p, DescriptorHeader{}, {row(1, 0, 10)});
        sqlite3 *db = nullptr;
        ASSERT_EQ(sqlite3_open(p.c_str(), &db), SQLITE_OK);
        std::string sql = std::string("UPDATE header SET ") + c.column + "=" + c.value + ";";
        ASSERT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
        errno = 0;
        EXPECT_EQ(file_open(p.c_str(), &descriptor_operations, OS_O_RDWR, 0, nullptr), nullptr) << c.column;
        EXPECT_EQ(errno, EIO) << c.column;
    }
    // A reader never creates what is missing.
    std::string missing = (dir / "missing.ovd").string();
    EXPECT_EQ(file_open(missing.c_str(), &descriptor_operations, OS_O_RDONLY, 0, nullptr), nullptr);
    EXPECT_FALSE(std::filesystem::exists(missing));
    EXPECT_EQ(file_open(nullptr, &descriptor_operations, OS_O_RDWR, 0, nullptr), nullptr);
    EXPECT_EQ(errno, EINVAL);
}

} // namespace
