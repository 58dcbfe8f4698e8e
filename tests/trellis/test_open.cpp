// Opening and closing a backup folder: the results table, password forms,
// catalogue choice, working-folder modes, bookkeeping reuse and cancel.
#include "trellis_fixture.h"

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
using namespace trellis_test;

namespace {

void simple_catalogue(const fs::path &file, int versions = 2)
{
    tt::Catalogue c(file, false);
    add_versions(c, versions);
    c.add_path(std::nullopt, "", 1);
    c.add_history(dir_row(1, 1), 1);
    c.add_path(1, "a.txt", 2);
    c.add_history(file_row(2, 1, 5), 2);
}

int open_in(const std::string &folder, const char *password, const std::string &temp, void **inst)
{
    return trellis_vesk_open(folder.c_str(), password, inst, temp.c_str());
}

size_t entries_in(const fs::path &dir)
{
    size_t n = 0;
    for ([[maybe_unused]] auto &e : fs::directory_iterator(dir))
        ++n;
    return n;
}

} // namespace

TEST(TrellisOpen, ResultsTable)
{
    tk::TempDir temp("trellis-work");
    Folder signed_folder;
    simple_catalogue(signed_folder.dir / tt::full_name(1));
    signed_folder.info(tt::make_signature("pw", kJobId, 1));

    Folder json_folder;
    simple_catalogue(json_folder.dir / tt::full_name(1));
    json_folder.info(tt::make_signature("pw", kJobId, 2), tt::InfoForm::Json);

    Folder plain;
    simple_catalogue(plain.dir / tt::full_name(1));
    plain.info();

    Folder no_info;
    simple_catalogue(no_info.dir / tt::full_name(1));

    Folder crlf;
    simple_catalogue(crlf.dir / tt::full_name(1));
    tk::write_file(crlf.dir / tt::kInfoName, tk::make_bytes(0, 0));
    {
        std::ofstream(crlf.dir / tt::kInfoName, std::ios::binary) << "job id: " << kJobId << "\r\n";
    }

    Folder no_catalogue;
    no_catalogue.info();

    struct Case {
        const char *what;
        std::string path;
        const char *password;
        int rc;
    } cases[] = {
        {"signed, right password", signed_folder.path(), "pw", 0},
        {"signed, wrong password", signed_folder.path(), "pW", -3},
        {"signed, no password", signed_folder.path(), nullptr, -3},
        {"signed, empty password is checked", signed_folder.path(), "", -3},
        {"json form, right password", json_folder.path(), "pw", 0},
        {"json form, wrong password", json_folder.path(), "x", -3},
        {"job information file given directly", (signed_folder.dir / tt::kInfoName).string(), "pw", 0},
        {"unsigned, no password", plain.path(), nullptr, 0},
        {"unsigned, any password is not checked", plain.path(), "anything", 0},
        {"path does not exist", plain.path() + "/missing", nullptr, -1},
        {"folder without job information file", no_info.path(), nullptr, -2},
        {"job id ending in CR LF", crlf.path(), nullptr, -999},
        {"no catalogue and no viewer copy", no_catalogue.path(), nullptr, -999},
    };
    for (const auto &c : cases) {
        void *inst = nullptr;
        EXPECT_EQ(open_in(c.path, c.password, temp.str(), &inst), c.rc) << c.what;
        EXPECT_EQ(inst != nullptr, c.rc == 0) << c.what;
        EXPECT_EQ(trellis_vesk_close(inst), 0) << c.what;
        // Every session made a fresh working folder and removed it again,
        // whatever the outcome.
        EXPECT_EQ(entries_in(temp.path()), 0u) << c.what;
    }
    EXPECT_EQ(trellis_vesk_close(nullptr), 0);
}

TEST(TrellisOpen, NewestFullCatalogueWins)
{
    Folder f;
    f.info();
    simple_catalogue(f.dir / tt::full_name(3), 3);
    simple_catalogue(f.dir / tt::full_name(12), 12);
    simple_catalogue(f.dir / "HalvernTrellisSync_full_012.db", 40); // leading zero: not a catalogue name
    // A differential catalogue of number 3 does not belong to 12; a broken
    // file under that name must not even be opened.
    std::ofstream(f.dir / tt::diff_name(3)) << "not a database";

    std::vector<std::string> names;
    EXPECT_EQ(orvex::trellis::get_db_list(f.path(), names), 1);
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(names[0], tt::full_name(12));

    Session s(f.path());
    ASSERT_EQ(s.rc, 0);
    int count = 0;
    auto cb = [](void *, trellis_vesk_version *, void *user) -> int {
        ++*static_cast<int *>(user);
        return 0;
    };
    EXPECT_EQ(trellis_vesk_list_versions(s.inst, cb, &count), 0);
    EXPECT_EQ(count, 12);
}

TEST(TrellisOpen, VersionListSkipsUnfinishedAndStops)
{
    Folder f;
    f.info();
    {
        tt::Catalogue c(f.dir / tt::full_name(1), false);
        c.add_version(1, 1700000001, std::nullopt, 1);
        c.add_path(std::nullopt, "", 1);
    }
    Session only_unfinished(f.path());
    ASSERT_EQ(only_unfinished.rc, 0);
    int count = 0;
    auto cb = [](void *, trellis_vesk_version *, void *user) -> int {
        ++*static_cast<int *>(user);
        return 1; // stop after the first
    };
    EXPECT_EQ(trellis_vesk_list_versions(only_unfinished.inst, cb, &count), 0);
    EXPECT_EQ(count, 0);

    Folder g;
    g.info();
    simple_catalogue(g.dir / tt::full_name(1), 5);
    Session five(g.path());
    ASSERT_EQ(five.rc, 0);
    std::vector<trellis_vesk_version> seen;
    auto keep = [](void *, trellis_vesk_version *v, void *user) -> int {
        static_cast<std::vector<trellis_vesk_version> *>(user)->push_back(*v);
        return static_cast<std::vector<trellis_vesk_version> *>(user)->size() == 2;
    };
    EXPECT_EQ(trellis_vesk_list_versions(five.inst, keep, &seen), 0);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].version_id, 1);
    EXPECT_EQ(seen[0].timestamp, 1700000001);
}

TEST(TrellisOpen, InPlaceModeReusesTheViewerCopyUntilACatalogueChanges)
{
    Folder f;
    f.info();
    simple_catalogue(f.dir / tt::full_name(1));
    const fs::path viewer = f.dir / ".HalvernTrellisSync_viewer.db";

    void *inst = nullptr;
    ASSERT_EQ(trellis_vesk_open(f.path().c_str(), nullptr, &inst, nullptr), 0);
    ASSERT_EQ(trellis_vesk_close(inst), 0);
    ASSERT_TRUE(fs::exists(viewer));
    ASSERT_TRUE(fs::exists(f.dir / ".HalvernTrellisSync_info.db"));

    // Mark the copy: a second open that copies again would lose the mark.
    auto mark = [&] {
        sqlite3 *db = nullptr;
        ASSERT_EQ(sqlite3_open(viewer.string().c_str(), &db), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(db, "CREATE TABLE mark(x)", nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
    };
    auto marked = [&] {
        sqlite3 *db = nullptr;
        EXPECT_EQ(sqlite3_open(viewer.string().c_str(), &db), SQLITE_OK);
        bool has = sqlite3_exec(db, "SELECT * FROM mark", nullptr, nullptr, nullptr) == SQLITE_OK;
        sqlite3_close(db);
        return has;
    };
    mark();
    ASSERT_EQ(trellis_vesk_open(f.path().c_str(), nullptr, &inst, nullptr), 0);
    ASSERT_EQ(trellis_vesk_close(inst), 0);
    EXPECT_TRUE(marked()) << "an unchanged catalogue is not copied again";

    // A changed catalogue (size and time) is copied again.
    {
        tt::Catalogue c(f.dir / tt::full_name(1), false);
        add_versions(c, 4);
        c.add_path(std::nullopt, "", 1);
    }
    fs::last_write_time(f.dir / tt::full_name(1), fs::last_write_time(f.dir / tt::full_name(1)) + std::chrono::hours(1));
    ASSERT_EQ(trellis_vesk_open(f.path().c_str(), nullptr, &inst, nullptr), 0);
    EXPECT_FALSE(marked());
    int count = 0;
    auto cb = [](void *, trellis_vesk_version *, void *user) -> int {
        ++*static_cast<int *>(user);
        return 0;
    };
    EXPECT_EQ(trellis_vesk_list_versions(inst, cb, &count), 0);
    EXPECT_EQ(count, 4);
    ASSERT_EQ(trellis_vesk_close(inst), 0);
    // In-place mode keeps its working files in the backup folder.
    EXPECT_TRUE(fs::exists(viewer));
}

TEST(TrellisOpen, CallerTemporaryFolderIsReusedAndNeverRemoved)
{
    Folder f;
    f.info();
    simple_catalogue(f.dir / tt::full_name(1));
    tk::TempDir temp("trellis-caller");
    tk::write_file(temp / "callers-own-file", tk::make_bytes(1, 10));
    void *inst = nullptr;
    ASSERT_EQ(trellis_vesk_open_v3(f.path().c_str(), nullptr, &inst, temp.str().c_str(), 0, nullptr, nullptr), 0);
    EXPECT_TRUE(fs::exists(temp / ".HalvernTrellisSync_viewer.db"));
    ASSERT_EQ(trellis_vesk_close(inst), 0);
    // Only what the session put there goes.
    EXPECT_TRUE(fs::exists(temp.path()));
    EXPECT_TRUE(fs::exists(temp / "callers-own-file"));
    EXPECT_FALSE(fs::exists(temp / ".HalvernTrellisSync_viewer.db"));
    EXPECT_FALSE(fs::exists(temp / "filedesc"));
}

TEST(TrellisOpen, CancelDuringCopyOrMergeLeavesNoWorkingFolder)
{
    // Big enough for several 4096-byte blocks and more than 1000 merged rows.
    Folder f;
    f.info();
    {
        tt::Catalogue full(f.dir / tt::full_name(1), false);
        add_versions(full, 1);
        full.add_path(std::nullopt, "", 1);
        for (int i = 0; i < 3000; ++i)
            full.add_path(1, "file-" + std::to_string(i));
    }
    {
        tt::Catalogue diff(f.dir / tt::diff_name(1), true);
        diff.add_version(2, 1700000002, 1700000102, 2);
        for (int i = 0; i < 2500; ++i)
            diff.add_path(1, "new-" + std::to_string(i), 10000 + i);
    }
    struct Counter {
        int calls = 0;
        int cancel_at;
    };
    auto cb = [](void *user) -> int {
        auto *c = static_cast<Counter *>(user);
        return ++c->calls >= c->cancel_at;
    };
    // Count the polls of a full open first, then cancel at the first poll
    // (during the copy) and at the last (during the merge).
    tk::TempDir temp("trellis-work");
    Counter all{0, 1 << 30};
    void *inst = nullptr;
    ASSERT_EQ(trellis_vesk_open_v2(f.path().c_str(), nullptr, &inst, temp.str().c_str(), cb, &all), 0);
    ASSERT_EQ(trellis_vesk_close(inst), 0);
    ASSERT_GT(all.calls, 3);
    for (int at : {1, all.calls}) {
        Counter c{0, at};
        EXPECT_EQ(trellis_vesk_open_v2(f.path().c_str(), nullptr, &inst, temp.str().c_str(), cb, &c), -5) << at;
        EXPECT_EQ(inst, nullptr);
        EXPECT_EQ(c.calls, at);
        EXPECT_EQ(entries_in(temp.path()), 0u) << "cancel at poll " << at;
    }
}

TEST(TrellisOpen, PrintVersionIsFortyHexDigits)
{
    testing::internal::CaptureStdout();
    trellis_vesk_print_version();
    std::string out = testing::internal::GetCapturedStdout();
    ASSERT_EQ(out.size(), std::string("version: \n").size() + 40) << out;
    EXPECT_EQ(out.rfind("version: ", 0), 0u);
    EXPECT_EQ(out.find_first_not_of("0123456789abcdef", 9), 49u);
}

TEST(TrellisOpen, BookkeepingNeverMatchesACatalogueOf4GiBOrMore)
{
    Folder f;
    tk::TempDir work("trellis-book");
    const std::string small = tt::full_name(1), big = tt::full_name(2);
    simple_catalogue(f.dir / small);
    // Sparse: 4 GiB + 1 byte on paper, nothing on disk. Only its size and time
    // matter to the bookkeeping; its low 32 bits of size are 1.
    {
        std::ofstream(f.dir / big) << "";
    }
    fs::resize_file(f.dir / big, (1ULL << 32) + 1);
    std::vector<std::string> one{small}, both{small, big};
    ASSERT_EQ(orvex::trellis::save_db_info(work.str(), f.path(), one), 0);
    tk::write_file(work / ".HalvernTrellisSync_viewer.db", tk::make_bytes(1, 1));
    EXPECT_EQ(orvex::trellis::check_db_info(work.str(), f.path(), one), 0);
    EXPECT_EQ(orvex::trellis::check_db_info(work.str(), f.path(), both), -1) << "row count differs";

    ASSERT_EQ(orvex::trellis::save_db_info(work.str(), f.path(), both), 0);
    EXPECT_EQ(orvex::trellis::check_db_info(work.str(), f.path(), both), -1);

    // Without the viewer copy it describes, a bookkeeping row is not current.
    ASSERT_EQ(orvex::trellis::save_db_info(work.str(), f.path(), one), 0);
    fs::remove(work / ".HalvernTrellisSync_viewer.db");
    EXPECT_EQ(orvex::trellis::check_db_info(work.str(), f.path(), one), -1);
}

TEST(TrellisOpen, PasswordsNeverReachTheOutput)
{
    Folder f;
    simple_catalogue(f.dir / tt::full_name(1));
    f.info(tt::make_signature("Secret-Kx7", kJobId, 4));
    for (const char *pw : {"Secret-Kx7", "Wrong-Qz4"}) {
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        Session s(f.path(), pw);
        std::string out = testing::internal::GetCapturedStdout() + testing::internal::GetCapturedStderr();
        EXPECT_EQ(out.find(pw), std::string::npos) << out;
    }
}
