// The catalogue merge: replace and delete by row id, cancel, limits, and a
// differential catalogue that tries to run statements of its own.
#include "gcc_string_warnings.h"
#include "trellis_fixture.h"
#include "trellis_raii.h"

#include <filesystem>

namespace fs = std::filesystem;
using namespace orvex::trellis;
using namespace trellis_test;

namespace {

ORVEX_GCC_STRING_WARNINGS_OFF
struct MergeCase {
    tk::TempDir dir{"trellis-merge"};
    fs::path target() const { return dir / "target.db"; }
    fs::path source() const { return dir / "source.db"; }
    int merge(cancel_cbk cb = nullptr, void *user = nullptr) const
    {
        const std::string names[2] = {"target.db", "source.db"};
        return merge_db(dir.str(), names, cb, user);
    }
    // Rows of one query on the target as "a|b|c" lines.
    std::vector<std::string> rows(const std::string &sql) const
    {
        std::vector<std::string> out;
        sqlite3 *db = nullptr;
        EXPECT_EQ(sqlite3_open(target().string().c_str(), &db), SQLITE_OK);
        auto cb = [](void *user, int n, char **values, char **) -> int {
            std::string line;
            for (int i = 0; i < n; ++i)
                line += (i ? "|" : "") + std::string(values[i] ? values[i] : "NULL");
            static_cast<std::vector<std::string> *>(user)->push_back(line);
            return 0;
        };
        char *err = nullptr;
        EXPECT_EQ(sqlite3_exec(db, sql.c_str(), cb, &out, &err), SQLITE_OK) << (err ? err : "");
        sqlite3_free(err);
        sqlite3_close(db);
        return out;
    }
};
ORVEX_GCC_STRING_WARNINGS_ON

void three_paths(const fs::path &file)
{
    tt::Catalogue c(file, false);
    add_versions(c, 1);
    c.add_path(std::nullopt, "", 1);
    c.add_path(1, "keep", 2);
    c.add_path(1, "replace-me", 3);
    c.add_path(1, "delete-me", 4);
}

using Strings = std::vector<std::string>;

} // namespace

TEST(TrellisMerge, ReplacesAddsAndDeletesByRowId)
{
    MergeCase m;
    three_paths(m.target());
    {
        tt::Catalogue d(m.source(), true);
        d.add_version(2, 1700000002, 1700000102, 2);
        d.add_path(1, "replaced", 3);
        d.add_path(1, "added", 9);
        d.add_deleted("path", 4);
        d.add_deleted_text("path", "77");      // a row that does not exist
        d.add_deleted("no_such_table", 2);     // a table that does not exist
    }
    ASSERT_EQ(m.merge(), 0);
    EXPECT_EQ(m.rows("SELECT rowid, name FROM path ORDER BY rowid"),
              (Strings{"1|", "2|keep", "3|replaced", "9|added"}));
    EXPECT_EQ(m.rows("SELECT version_no FROM version ORDER BY version_no"), (Strings{"1", "2"}));
}

TEST(TrellisMerge, DeletionsRunBeforeInsertsSoAReinsertedRowStays)
{
    MergeCase m;
    three_paths(m.target());
    {
        tt::Catalogue d(m.source(), true);
        d.add_deleted("path", 4);
        d.add_path(1, "back-again", 4);
    }
    ASSERT_EQ(m.merge(), 0);
    EXPECT_EQ(m.rows("SELECT name FROM path WHERE rowid=4"), (Strings{"back-again"}));
}

TEST(TrellisMerge, HostileDeletionLogRunsNothing)
{
    MergeCase m;
    three_paths(m.target());
    {
        tt::Catalogue d(m.source(), true);
        d.add_deleted_text("path; DROP TABLE history; --", "2");
        d.add_deleted_text("path", "2 OR 1=1");
        d.add_deleted_text("path", "2; DELETE FROM version");
        d.add_deleted_text("path", "");
        d.add_deleted_text("path", "3.0");
        d.add_deleted_text("path", "99999999999999999999999"); // beyond 64 bits
        d.add_deleted_text("sqlite_master", "1");
        d.add_deleted("PATH", 3); // not a table name of the target as written
        d.add_deleted_text("path", "-0"); // an integer, but no such row
    }
    ASSERT_EQ(m.merge(), 0);
    EXPECT_EQ(m.rows("SELECT name FROM sqlite_master WHERE type='table' ORDER BY name"),
              (Strings{"history", "path", "version"}));
    EXPECT_EQ(m.rows("SELECT rowid FROM path ORDER BY rowid"), (Strings{"1", "2", "3", "4"}));
    EXPECT_EQ(m.rows("SELECT count(*) FROM version"), (Strings{"1"}));
}

TEST(TrellisMerge, HostileTableAndColumnNamesAreOnlyIdentifiers)
{
    MergeCase m;
    {
        tt::Catalogue t(m.target(), false);
        t.exec("CREATE TABLE \"odd \"\"name\"\"; DROP TABLE path; --\" (\"a'b\" TEXT, \"c)d\" INTEGER)");
        t.exec("INSERT INTO \"odd \"\"name\"\"; DROP TABLE path; --\" VALUES ('x', 1)");
    }
    {
        tt::Catalogue d(m.source(), true);
        d.exec("CREATE TABLE \"odd \"\"name\"\"; DROP TABLE path; --\" (\"a'b\" TEXT, \"c)d\" INTEGER)");
        d.exec("INSERT INTO \"odd \"\"name\"\"; DROP TABLE path; --\"(rowid, \"a'b\", \"c)d\") VALUES (1, 'y', 2)");
    }
    ASSERT_EQ(m.merge(), 0);
    EXPECT_EQ(m.rows("SELECT count(*) FROM path"), (Strings{"0"}));
    EXPECT_EQ(m.rows("SELECT * FROM \"odd \"\"name\"\"; DROP TABLE path; --\""), (Strings{"y|2"}));
}

TEST(TrellisMerge, ValuesKeepTheirWidthAndTextIsCutAt4096Bytes)
{
    MergeCase m;
    three_paths(m.target());
    const std::string long_name(5000, 'n');
    {
        tt::Catalogue d(m.source(), true);
        d.add_path(1, long_name, 2);
        d.exec("INSERT INTO version(rowid, version_no, start_time, end_time) VALUES (5, 5, 8589934592, 1.5)");
        tt::HistoryRow h = file_row(2, 5, 1ULL << 40, 1LL << 35, 0, 32);
        h.fd_vault_id = 1LL << 33;
        d.add_history(h, 1);
    }
    ASSERT_EQ(m.merge(), 0);
    EXPECT_EQ(m.rows("SELECT length(name) FROM path WHERE rowid=2"), (Strings{"4096"}));
    EXPECT_EQ(m.rows("SELECT start_time, end_time FROM version WHERE rowid=5"), (Strings{"8589934592|1.5"}));
    EXPECT_EQ(m.rows("SELECT fd_vault_id, length(attr), symlink_source FROM history WHERE rowid=1"),
              (Strings{"8589934592|32|NULL"}));
}

ORVEX_GCC_STRING_WARNINGS_OFF
TEST(TrellisMerge, CancelIsPolledEvery1000RowsAndLeavesTheTargetUnchanged)
{
    struct Polls {
        int calls = 0;
    };
    auto always = [](void *user) -> int {
        ++static_cast<Polls *>(user)->calls;
        return 1;
    };
    {
        MergeCase m; // 999 rows: never polled, merged whole
        three_paths(m.target());
        {
            tt::Catalogue d(m.source(), true);
            for (int i = 0; i < 999; ++i)
                d.add_path(1, "p" + std::to_string(i), 100 + i);
        }
        Polls p;
        EXPECT_EQ(m.merge(always, &p), 0);
        EXPECT_EQ(p.calls, 0);
        EXPECT_EQ(m.rows("SELECT count(*) FROM path"), (Strings{"1003"}));
    }
    {
        MergeCase m; // 1000 rows: the poll after the 1000th row cancels
        three_paths(m.target());
        {
            tt::Catalogue d(m.source(), true);
            d.add_deleted("path", 4);
            for (int i = 0; i < 1000; ++i)
                d.add_path(1, "p" + std::to_string(i), 100 + i);
        }
        Polls p;
        EXPECT_EQ(m.merge(always, &p), -2);
        EXPECT_EQ(p.calls, 1);
        EXPECT_EQ(m.rows("SELECT count(*) FROM path"), (Strings{"4"}));
    }
}
ORVEX_GCC_STRING_WARNINGS_ON

TEST(TrellisMerge, Failures)
{
    {
        MergeCase m; // no deletion log
        three_paths(m.target());
        three_paths(m.source());
        EXPECT_EQ(m.merge(), -1);
    }
    {
        MergeCase m; // the source knows the table only by a shorter name
        {
            tt::Catalogue t(m.target(), false);
            t.exec("CREATE TABLE path_extra (x)");
        }
        {
            tt::Catalogue d(m.source(), true);
            d.add_path(1, "new", 10);
        }
        EXPECT_EQ(m.merge(), -1);
    }
    {
        MergeCase m; // a target that is not a database
        tk::write_file(m.target(), tk::make_bytes(3, 5000, tk::Content::Random));
        {
            tt::Catalogue d(m.source(), true);
        }
        EXPECT_EQ(m.merge(), -1);
    }
}

TEST(TrellisMerge, TablesOnlyOneSideHasAreLeftAlone)
{
    MergeCase m;
    three_paths(m.target());
    {
        tt::Catalogue t(m.target(), false); // rewrite with an extra table
        t.add_path(std::nullopt, "", 1);
        t.exec("CREATE TABLE target_only (x)");
        t.exec("INSERT INTO target_only VALUES (1)");
    }
    {
        tt::Catalogue d(m.source(), true);
        d.exec("CREATE TABLE source_only (x)");
        d.exec("INSERT INTO source_only VALUES (1)");
        d.add_path(1, "x", 2);
    }
    ASSERT_EQ(m.merge(), 0);
    EXPECT_EQ(m.rows("SELECT count(*) FROM target_only"), (Strings{"1"}));
    EXPECT_EQ(m.rows("SELECT count(*) FROM sqlite_master WHERE name='source_only'"), (Strings{"0"}));
    EXPECT_EQ(m.rows("SELECT name FROM path ORDER BY rowid"), (Strings{"", "x"}));
}
