// Listing and statistics by version: path lookup, the latest-state rule,
// sort order, attribute records, name truncation, sums, and a whole
// test-kit folder checked against the kit's own record.
#include "trellis_fixture.h"

#include <map>

using namespace trellis_test;

namespace {

// root(1)
//   b (file), a (file), A (folder, 4) { inner.txt (file, 5) }, gone (file,
//   deleted in 5, recorded again in 7), empty (folder, 7), holder (folder, 8)
//   { sub (folder, 9) }, wide (file, 32-byte record), long (file, 300-byte name)
struct ListingFolder {
    Folder f;
    std::string long_name = std::string(300, 'L');
    ListingFolder()
    {
        f.info();
        tt::Catalogue c(f.dir / tt::full_name(1), false);
        add_versions(c, 8);
        c.add_path(std::nullopt, "", 1);
        c.add_history(dir_row(1, 1));
        c.add_path(1, "b", 2);
        c.add_history(file_row(2, 1, 20, 1600000002));
        c.add_path(1, "a", 3);
        c.add_history(file_row(3, 1, 10, 1600000001));
        c.add_history(file_row(3, 3, 11, 1600000011)); // changed in 3
        c.add_path(1, "A", 4);
        c.add_history(dir_row(4, 1));
        c.add_path(4, "inner.txt", 5);
        c.add_history(file_row(5, 1, 100));
        c.add_path(1, "gone", 6);
        c.add_history(file_row(6, 1, 6));
        c.add_history(file_row(6, 5, 6, 0, 1)); // deleted in 5
        c.add_history(file_row(6, 7, 66));      // back in 7
        c.add_path(1, "empty", 7);
        c.add_history(dir_row(7, 1));
        c.add_path(1, "holder", 8);
        c.add_history(dir_row(8, 1));
        c.add_path(8, "sub", 9);
        c.add_history(dir_row(9, 1));
        c.add_path(1, "wide", 10);
        c.add_history(file_row(10, 2, 1ULL << 33, 7258118400LL, 0, 32)); // from version 2
        c.add_path(1, long_name, 11);
        c.add_history(file_row(11, 1, 1));
    }
};

} // namespace

TEST(TrellisListing, PathLookup)
{
    ListingFolder lf;
    Session s(lf.f.path());
    ASSERT_EQ(s.rc, 0);
    sqlite3 *db = static_cast<TRELLIS_VESK_CLIENT *>(s.inst)->db;
    struct Case {
        const char *path;
        long long id;
    } cases[] = {
        {"\\", 1}, {"", 1}, {"\\\\", 1}, {"\\A", 4}, {"A", 4}, {"\\A\\inner.txt", 5}, {"\\\\A\\\\inner.txt\\", 5},
        {"\\a", 3}, {"\\missing", -1}, {"\\A\\missing", -1}, {"\\a\\inner.txt", -1}, {"/A", -1},
        {"\\holder\\sub", 9}, {"\\holder\\sub\\", 9}, {"holder\\\\sub", 9}, {"\\holder\\sub\\sub", -1},
        {"\\holde", -1}, {"\\holderx\\sub", -1}, {"\\holder", 8}, {"\\A\\inner.txt\\x", -1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(orvex::trellis::get_path_id(db, c.path), c.id) << c.path;
    // The session's lookup starts from folders it resolved before: in either
    // order, after any mix of hits and misses, the answers stay the same.
    auto *client = static_cast<TRELLIS_VESK_CLIENT *>(s.inst);
    for (int pass = 0; pass < 2; ++pass) {
        for (const auto &c : cases)
            EXPECT_EQ(orvex::trellis::resolve_path(client, c.path), c.id) << c.path;
        for (auto c = std::rbegin(cases); c != std::rend(cases); ++c)
            EXPECT_EQ(orvex::trellis::resolve_path(client, c->path), c->id) << c->path;
    }
}

TEST(TrellisListing, FilesFirstThenFoldersInByteOrder)
{
    ListingFolder lf;
    Session s(lf.f.path());
    ASSERT_EQ(s.rc, 0);
    std::vector<Listed> l;
    ASSERT_EQ(list(s.inst, 1, "\\", l), 0);
    // 'L' sorts before 'a' in byte order; a folder 'A' still comes after every file.
    EXPECT_EQ(names(l), (std::vector<std::string>{lf.long_name.substr(0, 255), "a", "b", "gone", "A", "empty", "holder"}));
    EXPECT_EQ(l[0].type, TRELLIS_VESK_FILE);
    EXPECT_EQ(l[4].type, TRELLIS_VESK_DIR);
}

TEST(TrellisListing, LatestStateAcrossChangeDeleteAndReadd)
{
    ListingFolder lf;
    Session s(lf.f.path());
    ASSERT_EQ(s.rc, 0);
    auto find = [&](int version, const std::string &name) -> std::optional<Listed> {
        std::vector<Listed> l;
        EXPECT_EQ(list(s.inst, version, "\\", l), 0);
        for (const auto &e : l)
            if (e.name == name)
                return e;
        return std::nullopt;
    };
    EXPECT_EQ(find(2, "a")->size, 10);
    EXPECT_EQ(find(3, "a")->size, 11);
    EXPECT_EQ(find(8, "a")->mtime, 1600000011);
    EXPECT_TRUE(find(4, "gone"));
    EXPECT_FALSE(find(5, "gone"));
    EXPECT_FALSE(find(6, "gone"));
    ASSERT_TRUE(find(7, "gone"));
    EXPECT_EQ(find(8, "gone")->size, 66);
    EXPECT_FALSE(find(1, "wide")); // not yet recorded
}

TEST(TrellisListing, AttributeRecordsOf24And32Bytes)
{
    ListingFolder lf;
    Session s(lf.f.path());
    ASSERT_EQ(s.rc, 0);
    std::vector<Listed> l;
    ASSERT_EQ(list(s.inst, 2, "\\", l), 0);
    std::map<std::string, Listed> by;
    for (auto &e : l)
        by[e.name] = e;
    EXPECT_EQ(by["b"].size, 20);
    EXPECT_EQ(by["b"].mtime, 1600000002);
    EXPECT_EQ(by["wide"].size, 1LL << 33);
    EXPECT_EQ(by["wide"].mtime, 7258118400LL); // past 2106: only a 64-bit field holds it

    using orvex::trellis::parse_attr;
    auto rec = tt::make_attr(5, 0x7fffffff, 28);
    EXPECT_EQ(parse_attr(rec.data(), 28).mtime, 0x7fffffff); // 28 bytes: still 32-bit
    EXPECT_EQ(parse_attr(rec.data(), 16).size, 0);          // too short: no field read
    EXPECT_EQ(parse_attr(nullptr, 0).size, 0);
}

TEST(TrellisListing, ResultsAndEarlyStop)
{
    ListingFolder lf;
    Session s(lf.f.path());
    ASSERT_EQ(s.rc, 0);
    std::vector<Listed> l;
    EXPECT_EQ(list(s.inst, 9, "\\", l), -1);
    EXPECT_EQ(list(s.inst, -1, "\\", l), -1);
    EXPECT_EQ(list(s.inst, 1, "\\nothing", l), -2);
    EXPECT_EQ(list(s.inst, 1, "\\A", l), 0);
    EXPECT_EQ(names(l), (std::vector<std::string>{"inner.txt"}));
    int calls = 0;
    auto stop = [](void *, int, const char *, trellis_vesk_item *, void *user) -> int {
        ++*static_cast<int *>(user);
        return 1;
    };
    EXPECT_EQ(trellis_vesk_list_folder(s.inst, 1, "\\", stop, &calls), 0);
    EXPECT_EQ(calls, 1);
}

TEST(TrellisListing, Statistics)
{
    ListingFolder lf;
    Session s(lf.f.path());
    ASSERT_EQ(s.rc, 0);
    struct Case {
        int version;
        const char *path;
        int rc, folders, files;
        long long bytes;
    } cases[] = {
        {1, "\\", 0, 4, 5, 10 + 20 + 100 + 6 + 1},
        {7, "\\", 0, 4, 6, 11 + 20 + 100 + 66 + (1LL << 33) + 1},
        {5, "\\", 0, 4, 5, 11 + 20 + 100 + (1LL << 33) + 1},
        {1, "\\A", 0, 0, 1, 100},
        {1, "\\empty", 0, 0, 0, 0},
        {1, "\\holder", 0, 1, 0, 0},
        {1, "\\missing", -999, 0, 0, 0},
        {42, "\\", -1, 0, 0, 0},
    };
    for (const auto &c : cases) {
        trellis_vesk_stat st{7, 7, 7};
        EXPECT_EQ(trellis_vesk_get_stat_sum(s.inst, c.version, c.path, &st), c.rc) << c.path << " v" << c.version;
        if (c.rc != 0)
            continue;
        EXPECT_EQ(st.folder_count, c.folders) << c.path << " v" << c.version;
        EXPECT_EQ(st.file_count, c.files) << c.path << " v" << c.version;
        EXPECT_EQ(st.total_size, c.bytes) << c.path << " v" << c.version;
    }
}

TEST(TrellisListing, SelfParentedRowsNeverLoop)
{
    // Row 3 names itself as its parent and row 4 hangs below it; neither is
    // reachable from the root, and nothing may loop over them.
    Folder f;
    f.info();
    {
        tt::Catalogue c(f.dir / tt::full_name(1), false);
        add_versions(c, 1);
        c.add_path(std::nullopt, "", 1);
        c.add_path(1, "d", 2);
        c.add_history(dir_row(2, 1));
        c.add_path(3, "loop", 3);
        c.add_history(dir_row(3, 1));
        c.add_path(3, "f", 4);
        c.add_history(file_row(4, 1, 9));
    }
    Session s(f.path());
    ASSERT_EQ(s.rc, 0);
    trellis_vesk_stat st{};
    EXPECT_EQ(trellis_vesk_get_stat_sum(s.inst, 1, "\\", &st), 0);
    EXPECT_EQ(st.folder_count, 1);
    EXPECT_EQ(st.file_count, 0);
    std::vector<Listed> l;
    EXPECT_EQ(list(s.inst, 1, "\\loop", l), -2);
}

TEST(TrellisListing, TestKitFolderMatchesItsRecordInEveryVersion)
{
    for (bool json : {false, true}) {
        tk::TempDir dir("trellis-kit");
        tt::FolderOptions o;
        o.versions = 6;
        o.files = 60;
        o.seed = json ? 11 : 12;
        o.password = json ? "kit password" : "";
        o.form = json ? tt::InfoForm::Json : tt::InfoForm::KeyValue;
        o.indexes = !json; // the library adds its own indexes when missing
        tt::FolderManifest m = tt::write_folder(dir.path(), o);
        Session s(dir.str(), json ? "kit password" : nullptr);
        ASSERT_EQ(s.rc, 0);
        for (const auto &v : m.versions) {
            std::vector<std::string> folders{"\\"};
            for (const auto &e : v.entries)
                if (e.is_dir)
                    folders.push_back(e.path);
            for (const auto &folder : folders) {
                std::vector<Listed> got;
                ASSERT_EQ(list(s.inst, v.version, folder.c_str(), got), 0) << folder;
                auto want = tt::children(v, folder);
                ASSERT_EQ(got.size(), want.size()) << folder << " v" << v.version;
                for (size_t i = 0; i < got.size(); ++i) {
                    EXPECT_EQ(got[i].name, tt::base_name(want[i].path));
                    EXPECT_EQ(got[i].type == TRELLIS_VESK_DIR, want[i].is_dir);
                    EXPECT_EQ(got[i].size, static_cast<long long>(want[i].size));
                    EXPECT_EQ(got[i].mtime, want[i].mtime);
                }
            }
            trellis_vesk_stat st{};
            ASSERT_EQ(trellis_vesk_get_stat_sum(s.inst, v.version, "\\", &st), 0);
            int files = 0, dirs = 0;
            long long bytes = 0;
            for (const auto &e : v.entries) {
                (e.is_dir ? dirs : files) += 1;
                bytes += e.is_dir ? 0 : static_cast<long long>(e.size);
            }
            EXPECT_EQ(st.folder_count, dirs);
            EXPECT_EQ(st.file_count, files);
            EXPECT_EQ(st.total_size, bytes);
        }
    }
}

TEST(TrellisListing, TestKitSplitsVersionsSoTheMergeMatters)
{
    // The kit's full catalogue alone must differ from the merged one: the
    // last version unfinished, a corrected row, rows to delete.
    tk::TempDir dir("trellis-kit");
    tt::FolderOptions o;
    o.versions = 3;
    o.files = 30;
    tt::write_folder(dir.path(), o);
    auto count = [](const std::filesystem::path &db, const char *sql) {
        sqlite3 *h = nullptr;
        EXPECT_EQ(sqlite3_open(db.string().c_str(), &h), SQLITE_OK);
        sqlite3_stmt *st = nullptr;
        EXPECT_EQ(sqlite3_prepare_v2(h, sql, -1, &st, nullptr), SQLITE_OK);
        EXPECT_EQ(sqlite3_step(st), SQLITE_ROW);
        long long n = sqlite3_column_int64(st, 0);
        sqlite3_finalize(st);
        sqlite3_close(h);
        return n;
    };
    EXPECT_EQ(count(dir / tt::full_name(1), "SELECT count(*) FROM version WHERE end_time IS NOT NULL"), 2);
    EXPECT_EQ(count(dir / tt::diff_name(1), "SELECT count(*) FROM version WHERE end_time IS NOT NULL"), 1);
    EXPECT_EQ(count(dir / tt::diff_name(1), "SELECT count(*) FROM history WHERE version < 3"), 1);
    EXPECT_EQ(count(dir / tt::diff_name(1), "SELECT count(*) FROM _sqlite_backup_deleted"), 3);
    EXPECT_EQ(count(dir / tt::full_name(1), "SELECT count(*) FROM path WHERE name='~aborted.tmp'"), 1);

    Session s(dir.str());
    ASSERT_EQ(s.rc, 0);
    std::vector<Listed> l;
    ASSERT_EQ(list(s.inst, 3, "\\", l), 0);
    for (const auto &e : l)
        EXPECT_NE(e.name, "~aborted.tmp");
}
