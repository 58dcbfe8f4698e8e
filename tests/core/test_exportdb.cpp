// Export database: listing, statistics, counts, paths and search with the
// root rules, vault rows, hostile parent links, and the vault-id database.
#include "exportdb.h"
#include "log_capture.h"
#include "testkit/exportdb_writer.h"
#include "testkit/tempdir.h"
#include "viddb.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

using orvex::testkit::ExportDbBuilder;
using orvex::testkit::ExportEntry;
using orvex::testkit::TempDir;

struct FileCloser {
    void operator()(file_t *f) const { file_close(f); }
};
using FilePtr = std::unique_ptr<file_t, FileCloser>;

struct Listed {
    std::string path, name;
    int64_t size;
    char type;
};

int collect(void *, int, const char *path, fs_vesk_item *item, void *user)
{
    auto *out = static_cast<std::vector<Listed> *>(user);
    if (!item) {
        out->push_back({"<end>", "", 0, 0});
        return 0;
    }
    out->push_back({path, item->name, item->size, item->type});
    return 0;
}

// root(1): docs(2) [a.txt(4) 100 B, sub(5) [b.bin(6) 50 B]], z.txt(3) 10 B
class ExportDb : public ::testing::Test {
protected:
    void SetUp() override
    {
        ExportDbBuilder b;
        int64_t docs = b.add_dir(ExportDbBuilder::kRootIno, "docs", 1000);
        b.add_file(ExportDbBuilder::kRootIno, "z.txt", 10, 2000);
        orvex::testkit::ExportRanges r;
        r.store_offset = 4096;
        r.store_size = 100;
        r.descriptor_offset = 8192;
        r.descriptor_size = 512;
        r.descriptor_wal_offset = 9000;
        r.descriptor_wal_size = 7;
        b.add_file(docs, "a.txt", 100, 3000, r);
        int64_t sub = b.add_dir(docs, "sub");
        b.add_file(sub, "b.bin", 50);
        b.add_vault({0, 7, 100, 1000, 1});
        b.add_vault({0, 3, 5000, 2000, 1});
        path = (dir / "export.db").string();
        b.write(path);
        db.reset(file_open(path.c_str(), &exportdb_operations, OS_O_RDWR, 0, nullptr));
        ASSERT_TRUE(db);
    }

    int64_t ino_of(const char *p)
    {
        exportdb_data_t d{};
        d.cmd = EXPORTDB_QUERY_INO;
        d.path = p;
        return db->fops->query(db.get(), &d);
    }

    std::vector<Listed> list(int64_t parent, int *rc)
    {
        std::vector<Listed> out;
        exportdb_data_t d{};
        d.cmd = EXPORTDB_LIST;
        d.parent_ino = parent;
        d.list_folder_callback = collect;
        d.user_data = &out;
        *rc = db->fops->list(db.get(), &d);
        return out;
    }

    fs_vesk_stat count(int cmd, const char *p, int64_t ino, int *rc)
    {
        fs_vesk_stat st{};
        exportdb_data_t d{};
        d.cmd = cmd;
        d.path = p;
        d.ino = ino;
        d.result = &st;
        *rc = static_cast<int>(db->fops->count(db.get(), &d));
        return st;
    }

    TempDir dir;
    std::string path;
    FilePtr db;
};

TEST_F(ExportDb, RootIsALoneBackslashAndPathsJoinWithBackslashes)
{
    EXPECT_EQ(ino_of("\\"), 1);
    EXPECT_EQ(ino_of("\\docs"), 2);
    EXPECT_EQ(ino_of("\\docs\\sub\\b.bin"), 6);
    errno = 0;
    EXPECT_EQ(ino_of("\\nope"), 0);
    EXPECT_EQ(errno, ENODATA);
    EXPECT_EQ(ino_of("docs"), 0) << "paths below the root begin with a backslash";
}

TEST_F(ExportDb, ListingGivesDirectoriesFirstThenAnEndCall)
{
    int rc = -1;
    auto root = list(ino_of("\\"), &rc);
    ASSERT_EQ(rc, 0);
    ASSERT_EQ(root.size(), 3u);
    EXPECT_EQ(root[0].name, "docs");
    EXPECT_EQ(root[0].path, "\\docs");
    EXPECT_EQ(root[0].type, FS_VESK_DIR);
    EXPECT_EQ(root[1].name, "z.txt");
    EXPECT_EQ(root[1].size, 10);
    EXPECT_EQ(root[1].type, FS_VESK_FILE);
    EXPECT_EQ(root[2].path, "<end>");

    auto docs = list(2, &rc);
    ASSERT_EQ(rc, 0);
    ASSERT_EQ(docs.size(), 3u);
    EXPECT_EQ(docs[0].name, "sub");
    EXPECT_EQ(docs[1].name, "a.txt");
    EXPECT_EQ(docs[1].path, "\\docs\\a.txt");

    // Parent 0 names the root row itself, whose empty path has no name.
    errno = 0;
    list(0, &rc);
    EXPECT_EQ(rc, -1);
    EXPECT_EQ(errno, EIO);
}

TEST_F(ExportDb, ListingStopsWhenTheCallbackSaysSo)
{
    exportdb_data_t d{};
    d.cmd = EXPORTDB_LIST;
    d.parent_ino = 1;
    int calls = 0;
    d.user_data = &calls;
    d.list_folder_callback = [](void *, int, const char *, fs_vesk_item *, void *user) {
        ++*static_cast<int *>(user);
        return 1;
    };
    errno = 0;
    EXPECT_EQ(db->fops->list(db.get(), &d), -1);
    EXPECT_EQ(errno, EINTR);
    EXPECT_EQ(calls, 1);
}

TEST_F(ExportDb, StatisticsOfFilesDirectoriesAndTrees)
{
    int rc = -1;
    fs_vesk_stat f = count(EXPORTDB_STAT, "\\docs\\a.txt", 0, &rc);
    ASSERT_EQ(rc, 0);
    EXPECT_EQ(f.file_count, 1);
    EXPECT_EQ(f.folder_count, 0);
    EXPECT_EQ(f.total_size, 100);
    EXPECT_EQ(f.type, FS_VESK_FILE);
    EXPECT_EQ(f.ino, 4);
    fs_vesk_stat d = count(EXPORTDB_STAT, "\\docs", 0, &rc);
    EXPECT_EQ(d.folder_count, 1);
    EXPECT_EQ(d.file_count, 0);
    EXPECT_EQ(d.total_size, 0);
    EXPECT_EQ(d.type, FS_VESK_DIR);
    fs_vesk_stat root = count(EXPORTDB_STAT, "\\", 0, &rc);
    EXPECT_EQ(rc, 0);
    EXPECT_EQ(root.ino, 1);
    EXPECT_EQ(root.type, FS_VESK_DIR);
    count(EXPORTDB_STAT, "\\missing", 0, &rc);
    EXPECT_EQ(rc, -1);
    EXPECT_EQ(errno, ENODATA);

    struct Case {
        const char *path;
        int64_t ino;
        int64_t size;
        int folders, files, inos;
    } cases[] = {{"\\docs", 2, 150, 1, 2, 3}, {"\\", 1, 160, 2, 3, 5}, {"\\docs\\sub", 5, 50, 0, 1, 1}};
    for (const auto &c : cases) {
        EXPECT_EQ(count(EXPORTDB_COUNT_SIZE, c.path, c.ino, &rc).total_size, c.size) << c.path;
        EXPECT_EQ(count(EXPORTDB_COUNT_FOLDERS, c.path, c.ino, &rc).folder_count, c.folders) << c.path;
        EXPECT_EQ(count(EXPORTDB_COUNT_FILES, c.path, c.ino, &rc).file_count, c.files) << c.path;
        EXPECT_EQ(count(EXPORTDB_COUNT_INOS, c.path, c.ino, &rc).file_count, c.inos) << c.path;
    }
    count(EXPORTDB_QUERY_INO, "\\", 1, &rc);
    EXPECT_EQ(rc, -1);
    EXPECT_EQ(errno, EINVAL);
}

TEST_F(ExportDb, GetPathJoinsTitlesUnderTheGivenFolder)
{
    struct Case {
        int64_t ino;
        const char *dir;
        const char *expected;
    } cases[] = {{3, "C:\\out", "C:\\out\\z.txt"}, {6, "C:\\out", "C:\\out\\docs\\sub\\b.bin"}, {1, "C:\\out", "\\"}};
    for (const auto &c : cases) {
        exportdb_data_t d{};
        d.cmd = EXPORTDB_GETPATH_DATA;
        d.ino = c.ino;
        d.dir = c.dir;
        char *p = db->fops->getpath(db.get(), &d);
        ASSERT_TRUE(p) << c.ino;
        EXPECT_STREQ(p, c.expected);
        std::free(p);
    }
    exportdb_data_t d{};
    d.cmd = EXPORTDB_GETPATH_DATA;
    d.ino = 99;
    errno = EBADF;
    EXPECT_EQ(db->fops->getpath(db.get(), &d), nullptr);
    EXPECT_EQ(errno, 0) << "no row is not an error";
}

TEST_F(ExportDb, SearchHandsTheEntrysRangesToTheCallback)
{
    struct Seen {
        std::string path;
        exportdb_data_t data;
        int calls = 0;
    } seen;
    exportdb_data_t d{};
    d.cmd = EXPORTDB_SEARCH;
    d.from = "\\docs\\a.txt";
    d.user_data = &seen;
    d.instance = &seen;
    d.callback = [](file_t *, sqlite3_stmt *, void *data) {
        auto *found = static_cast<exportdb_data_t *>(data);
        auto *s = static_cast<Seen *>(found->user_data);
        s->path = found->path;
        s->data = *found;
        s->calls++;
        return 0;
    };
    ASSERT_EQ(db->fops->search(db.get(), &d), 0);
    EXPECT_EQ(seen.calls, 1);
    EXPECT_EQ(seen.path, "\\docs\\a.txt");
    EXPECT_EQ(seen.data.size, 100);
    EXPECT_EQ(seen.data.store_offset, 4096);
    EXPECT_EQ(seen.data.descriptor_offset, 8192);
    EXPECT_EQ(seen.data.descriptor_size, 512);
    EXPECT_EQ(seen.data.descriptor_wal_size, 7);
    EXPECT_EQ(seen.data.mtime, 3000);
    EXPECT_EQ(seen.data.filetype, VESK_FILETYPE_REG);
    EXPECT_EQ(seen.data.instance, &seen);

    d.from = "\\";
    ASSERT_EQ(db->fops->search(db.get(), &d), 0);
    EXPECT_EQ(seen.path, "");
    d.from = "\\docs\\none";
    errno = 0;
    EXPECT_EQ(db->fops->search(db.get(), &d), -1);
    EXPECT_EQ(errno, ENOENT);
}

TEST_F(ExportDb, VaultRowsCountReinsertsAndUpdate)
{
    exportdb_data_t v{};
    v.cmd = EXPORTDB_INSERT_VAULTS;
    v.hid = 0;
    v.vid = 7;
    v.offset = 1;
    v.size = 1;
    v.refcount = 1;
    ASSERT_EQ(db->fops->insert(db.get(), &v), 0);
    ASSERT_EQ(db->fops->insert(db.get(), &v), 0);
    exportdb_data_t u{};
    u.cmd = EXPORTDB_UPDATE_VAULTS;
    u.hid = 0;
    u.vid = 3;
    u.offset = 777;
    u.size = 10;
    ASSERT_EQ(db->fops->update(db.get(), &u), 0);
    u.cmd = EXPORTDB_INSERT_VAULTS;
    EXPECT_EQ(db->fops->update(db.get(), &u), -1);
    EXPECT_EQ(errno, EINVAL);

    struct Row {
        int64_t vid, offset, refcount;
    };
    std::vector<Row> rows;
    exportdb_data_t it{};
    it.cmd = EXPORTDB_ITER_VAULTS;
    it.instance = &rows;
    it.callback = [](file_t *, sqlite3_stmt *stmt, void *data) {
        auto *out = static_cast<std::vector<Row> *>(static_cast<exportdb_data_t *>(data)->instance);
        out->push_back({sqlite3_column_int64(stmt, 1), sqlite3_column_int64(stmt, 2), sqlite3_column_int64(stmt, 4)});
        return 0;
    };
    ASSERT_EQ(db->fops->iter(db.get(), &it), 0);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].vid, 3);
    EXPECT_EQ(rows[0].offset, 777);
    EXPECT_EQ(rows[1].vid, 7);
    EXPECT_EQ(rows[1].offset, 100) << "a re-insert keeps the row";
    EXPECT_EQ(rows[1].refcount, 3) << "each re-insert counts one more reference";

    exportdb_data_t q{};
    q.cmd = EXPORTDB_QUERY_VAULT_OFFSET;
    q.hid = 0;
    q.vid = 3;
    EXPECT_EQ(db->fops->query(db.get(), &q), 777);
}

ExportEntry row(int64_t ino, int64_t parent, const char *title, int filetype)
{
    ExportEntry e;
    e.ino = ino;
    e.parent_ino = parent;
    e.title = title;
    e.filetype = filetype;
    return e;
}

// Shapes a hostile container could carry.
TEST(ExportDbHostile, ParentCyclesAndSharedParentsAreRefused)
{
    struct Case {
        const char *what;
        std::vector<ExportEntry> rows;
    } cases[] = {
        {"two directories that are each other's parent",
         {row(10, 11, "x", 0), row(11, 10, "y", 0), row(12, 10, "f", 1)}},
        {"a loop reachable from the root",
         {row(2, 1, "a", 0), row(2, 3, "a2", 0), row(3, 2, "b", 0)}},
        {"the root as a child of its own child", {row(0, 1, "zero", 0)}},
        {"a directory number held by two rows",
         {row(2, 1, "a", 0), row(2, 1, "b", 0), row(3, 2, "c", 1)}},
    };
    for (const auto &c : cases) {
        TempDir dir;
        ExportDbBuilder b;
        for (const auto &r : c.rows)
            b.add_raw(r);
        std::string path = (dir / "hostile.db").string();
        b.write(path);
        orvex::test::LogCapture log;
        errno = 0;
        EXPECT_EQ(file_open(path.c_str(), &exportdb_operations, OS_O_RDWR, 0, nullptr), nullptr) << c.what;
        EXPECT_EQ(errno, EIO) << c.what;
    }
}

TEST(ExportDbHostile, OverlongNamesFailTheListing)
{
    TempDir dir;
    ExportDbBuilder b;
    b.add_file(ExportDbBuilder::kRootIno, std::string(300, 'n'), 1);
    std::string path = (dir / "long.db").string();
    b.write(path);
    FilePtr db(file_open(path.c_str(), &exportdb_operations, OS_O_RDWR, 0, nullptr));
    ASSERT_TRUE(db);
    std::vector<Listed> out;
    exportdb_data_t d{};
    d.cmd = EXPORTDB_LIST;
    d.parent_ino = 1;
    d.list_folder_callback = collect;
    d.user_data = &out;
    EXPECT_EQ(db->fops->list(db.get(), &d), -1);
    EXPECT_EQ(errno, ENAMETOOLONG);
    EXPECT_TRUE(out.empty());
}

TEST(ExportDbOpen, NeedsAPath)
{
    errno = 0;
    EXPECT_EQ(file_open(nullptr, &exportdb_operations, OS_O_RDWR, 0, nullptr), nullptr);
    EXPECT_EQ(errno, EINVAL);
}

TEST(VaultIdDb, InsertCountSearchAndReferenceCounts)
{
    TempDir dir;
    std::string path = (dir / "vid.db").string();
    FilePtr db(file_open(path.c_str(), &viddb_operations, OS_O_RDWR | OS_O_CREAT, FILE_FLAG_REMOVE, nullptr));
    ASSERT_TRUE(db);
    for (int64_t vid : {5, 1, 9}) {
        viddb_data_t d{};
        d.hid = 0;
        d.vid = vid;
        d.filesize = vid * 100;
        d.refcount = vid == 9 ? 1 : 0;
        ASSERT_EQ(db->fops->insert(db.get(), &d), 0);
    }
    viddb_data_t reserved{};
    reserved.hid = -1;
    reserved.vid = -1;
    ASSERT_EQ(db->fops->insert(db.get(), &reserved), 0);
    EXPECT_EQ(db->fops->count(db.get(), nullptr), 3);
    EXPECT_EQ(db->fops->query(db.get(), nullptr), 1500);

    viddb_data_t key{};
    key.vid = 5;
    EXPECT_EQ(db->fops->search(db.get(), &key), 1);
    key.vid = 6;
    EXPECT_EQ(db->fops->search(db.get(), &key), 0);

    std::vector<int64_t> vids;
    viddb_data_t it{};
    it.rid_offset = 2;
    it.rid_length = 10;
    it.instance = &vids;
    it.callback = [](file_t *, sqlite3_stmt *stmt, void *data) {
        static_cast<std::vector<int64_t> *>(static_cast<viddb_data_t *>(data)->instance)
            ->push_back(sqlite3_column_int64(stmt, 1));
        return 0;
    };
    ASSERT_EQ(db->fops->iter(db.get(), &it), 0);
    EXPECT_EQ(vids, (std::vector<int64_t>{5, 9}));

    key.vid = 5;
    ASSERT_EQ(db->fops->uprefcount(db.get(), &key), 0);
    ASSERT_EQ(db->fops->setino(db.get(), 42), 0);

    // Vaults nobody refers to: vid 1 only (5 now has one reference); a
    // callback result of 0 deletes the row.
    std::vector<int64_t> zero;
    viddb_data_t z{};
    z.instance = &zero;
    z.callback = it.callback;
    ASSERT_EQ(db->fops->iter_zero_refcount_vaults(db.get(), &z), 0);
    EXPECT_EQ(zero, (std::vector<int64_t>{1}));
    EXPECT_EQ(db->fops->count(db.get(), nullptr), 2);
    ASSERT_EQ(db->fops->downrefcount(db.get(), &key), 0);
    ASSERT_EQ(db->fops->_delete(db.get(), &key), 0);
    EXPECT_EQ(db->fops->count(db.get(), nullptr), 1);
    EXPECT_EQ(db->fops->_commit(db.get()), 0);

    sqlite3_stmt *stmt = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(db->sdb, "SELECT refcount FROM items WHERE hid=-1 AND vid=-1;", -1, &stmt, nullptr),
              SQLITE_OK);
    ASSERT_EQ(sqlite3_step(stmt), SQLITE_ROW);
    EXPECT_EQ(sqlite3_column_int64(stmt, 0), 42);
    sqlite3_finalize(stmt);
    db.reset();
    EXPECT_FALSE(std::filesystem::exists(path)) << "removed on close";
}

} // namespace
