// Glob patterns, and finding entries in one version or across versions of the
// test kit's history folder (see testkit/trellis_history.h).
#include "trellis_fixture.h"
#include "trellis_tree.h"

#include "testkit/trellis_history.h"

#include <sqlite3.h>

#include <cstring>
#include <set>

namespace {

using namespace trellis_test;

// SQLite's GLOB of `pattern` against `text`, as the search narrows names.
bool sqlite_glob(const std::string &pattern, const char *text)
{
    sqlite3 *db = nullptr;
    sqlite3_open(":memory:", &db);
    sqlite3_stmt *st = nullptr;
    sqlite3_prepare_v2(db, "SELECT ?2 GLOB ?1", -1, &st, nullptr);
    sqlite3_bind_text(st, 1, pattern.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(st, 2, text, -1, SQLITE_TRANSIENT);
    const bool hit = sqlite3_step(st) == SQLITE_ROW && sqlite3_column_int(st, 0) == 1;
    sqlite3_finalize(st);
    sqlite3_close(db);
    return hit;
}

// Each case also checks the narrowing SQLite does before the match: it may
// let more names through, never fewer.
TEST(TrellisGlob, MatchesAsTheShellMatchesNames)
{
    struct Case {
        const char *pattern, *text;
        bool nocase, want;
    } cases[] = {
        {"*", "", false, true},
        {"?", "", false, false},
        {"a*b", "ab", false, true},
        {"a*b", "aXYb", false, true},
        {"a*b", "aXbY", false, false},
        {"*.txt", "a.txt.bak", false, false},
        {"*.txt", "a.TXT", false, false},
        {"*.txt", "a.TXT", true, true},
        {"[a-c]x", "bx", false, true},
        {"[!a-c]x", "bx", false, false},
        {"[^a-c]x", "dx", false, true},
        {"[]]", "]", false, true},
        {"[!]]", "a", false, true},
        {"[abc", "[abc", false, true}, // no closing bracket: an ordinary '['
        {"[*]", "*", false, true},     // no escape character; a set instead
        {"[*]", "x", false, false},
        {"[A-Z]", "q", true, true},
        {"?", "é", false, true}, // one code point, two bytes
        {"??", "é", false, false},
        {"RÉSUMÉ.txt", "résumé.TXT", true, true},
        {"RÉSUMÉ.txt", "résumé.TXT", false, false},
        {"*本*", "日本語", false, true},
        {"?", "\xff", false, true}, // a byte that is not UTF-8 is one character
        {"*a*a*a*b", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", false, false},
        {"*k.txt", "\u212a.txt", true, true},         // the Kelvin sign folds to 'k'
        {"*é?.txt", "é\x80.txt", false, true},        // damaged UTF-8 after a non-ASCII letter
        {"a?c", "a\xc3" "c", false, true},
        {"[?]*", "?x", false, true},
        {"x[*]y*", "x*yz", false, true},
    };
    for (const Case &c : cases) {
        orvex::trellis::Glob g(c.pattern, c.nocase);
        EXPECT_EQ(g.match(c.text, std::strlen(c.text)), c.want) << c.pattern << " ~ " << c.text << " nocase "
                                                                 << c.nocase;
        const std::string narrow = g.prefilter();
        if (c.want && !narrow.empty()) {
            EXPECT_TRUE(sqlite_glob(narrow, c.text)) << c.pattern << " narrowed to " << narrow << " loses " << c.text;
        }
    }
    EXPECT_EQ(orvex::trellis::Glob("*1234?.txt", false).prefilter(), "*1234*.txt");
    EXPECT_EQ(orvex::trellis::Glob("*1234?.TXT", true).prefilter(), "*1234*.*");
    EXPECT_EQ(orvex::trellis::Glob("*", false).prefilter(), "");
}

struct Found {
    int version;
    std::string path;
    bool operator<(const Found &o) const { return std::tie(version, path) < std::tie(o.version, o.path); }
    bool operator==(const Found &o) const { return version == o.version && path == o.path; }
};

std::ostream &operator<<(std::ostream &os, const Found &f)
{
    return os << f.version << ":" << f.path;
}

struct HistoryFolder : Folder {
    HistoryFolder() { tt::write_history_folder(dir.path()); }
};

int find(void *inst, int version, const char *pattern, int flags, std::set<Found> &out,
         std::vector<trellis_vesk_entry> *entries = nullptr)
{
    struct Sink {
        std::set<Found> *found;
        std::vector<trellis_vesk_entry> *entries;
    } sink{&out, entries};
    out.clear();
    auto cb = [](void *, const trellis_vesk_entry *e, void *user) -> int {
        auto *s = static_cast<Sink *>(user);
        EXPECT_TRUE(s->found->insert({e->version_id, e->path}).second) << "reported twice: " << e->path;
        if (s->entries)
            s->entries->push_back(*e);
        return 0;
    };
    return trellis_vesk_find(inst, version, pattern, flags, cb, &sink);
}

TEST(TrellisFind, MatchesTheTreeOfOneVersionOrEveryStateAcrossVersions)
{
    HistoryFolder f;
    Session s(f.path());
    ASSERT_EQ(s.rc, 0);
    const int all = TRELLIS_VESK_ALL_VERSIONS, nocase = TRELLIS_VESK_FIND_NOCASE, path = TRELLIS_VESK_FIND_PATH;
    struct Case {
        int version;
        const char *pattern;
        int flags;
        std::set<Found> want;
    } cases[] = {
        {1, "*.txt", 0, {{1, "\\docs\\a.txt"}, {1, "\\docs\\keep.txt"}, {1, "\\thing\\inner.txt"}, {1, "\\dup.txt"}}},
        {1,
         "*.txt",
         nocase,
         {{1, "\\docs\\a.txt"},
          {1, "\\docs\\keep.txt"},
          {1, "\\thing\\inner.txt"},
          {1, "\\dup.txt"},
          {1, "\\日本語\\résumé.TXT"}}},
        {1, "RÉSUMÉ.txt", nocase, {{1, "\\日本語\\résumé.TXT"}}},
        {1, "r?sum?.TXT", 0, {{1, "\\日本語\\résumé.TXT"}}},
        {1, "*本*", 0, {{1, "\\日本語"}}},
        {1, "zzz*", 0, {}},
        {1, "[ak]*.txt", 0, {{1, "\\docs\\a.txt"}, {1, "\\docs\\keep.txt"}}},
        {1, "[!ak]*.txt", 0, {{1, "\\thing\\inner.txt"}, {1, "\\dup.txt"}}},
        // A folder that became a file takes its entries out of the tree; so
        // does a deleted folder.
        {3, "*.txt", 0, {{3, "\\docs\\a.txt"}, {3, "\\docs\\keep.txt"}, {3, "\\dup.txt"}}},
        {2, "x.bin", 0, {}},
        {4, "a.txt", 0, {}},
        // Whole paths: '*' crosses folders.
        {1, "\\docs\\*", path, {{1, "\\docs\\a.txt"}, {1, "\\docs\\keep.txt"}}},
        {1, "*\\a.txt", path, {{1, "\\docs\\a.txt"}}},
        {1, "\\DOCS\\A.TXT", path | nocase, {{1, "\\docs\\a.txt"}}},
        // Across versions: once per state; the unfinished version 6 is left out.
        {all, "a.txt", 0, {{1, "\\docs\\a.txt"}, {2, "\\docs\\a.txt"}, {5, "\\docs\\a.txt"}}},
        {all, "keep.txt", 0, {{1, "\\docs\\keep.txt"}}},
        {all, "dup.txt", 0, {{1, "\\dup.txt"}, {3, "\\dup.txt"}}},
        {all, "thing", 0, {{1, "\\thing"}, {3, "\\thing"}}},
        {all, "inner.txt", 0, {{1, "\\thing\\inner.txt"}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.version) + " " + c.pattern + " flags " + std::to_string(c.flags));
        std::set<Found> got;
        ASSERT_EQ(find(s.inst, c.version, c.pattern, c.flags, got), 0);
        EXPECT_EQ(got, c.want);
    }
}

TEST(TrellisFind, ReportsKindSizeAndTimeAndStopsWhenAsked)
{
    HistoryFolder f;
    Session s(f.path());
    ASSERT_EQ(s.rc, 0);
    std::set<Found> got;
    std::vector<trellis_vesk_entry> entries;
    ASSERT_EQ(find(s.inst, TRELLIS_VESK_ALL_VERSIONS, "thing", 0, got, &entries), 0);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].type, TRELLIS_VESK_DIR);
    EXPECT_EQ(entries[0].size, 0);
    EXPECT_EQ(entries[1].type, TRELLIS_VESK_FILE);
    EXPECT_EQ(entries[1].size, 7);
    EXPECT_EQ(entries[1].mtime, tt::history_mtime(3));

    int calls = 0;
    auto stop = [](void *, const trellis_vesk_entry *, void *user) -> int { return ++*static_cast<int *>(user); };
    EXPECT_EQ(trellis_vesk_find(s.inst, 1, "*", 0, stop, &calls), 0);
    EXPECT_EQ(calls, 1);

    EXPECT_EQ(find(s.inst, 99, "*", 0, got), -1);
    EXPECT_EQ(find(s.inst, -5, "*", 0, got), -1);
    EXPECT_EQ(trellis_vesk_find(nullptr, 1, "*", 0, stop, &calls), -999);
    EXPECT_EQ(trellis_vesk_find(s.inst, 1, nullptr, 0, stop, &calls), -999);
}

// Every entry of every version of a generated folder, found with "*",
// against the test kit's record of what each version holds.
TEST(TrellisFind, StarFindsExactlyWhatEachVersionHolds)
{
    Folder f;
    tt::FolderOptions opt;
    opt.versions = 4;
    opt.files = 60;
    opt.seed = 11;
    const tt::FolderManifest m = tt::write_folder(f.dir.path(), opt);
    Session s(f.path());
    ASSERT_EQ(s.rc, 0);
    for (const auto &v : m.versions) {
        std::set<Found> want, got;
        for (const auto &e : v.entries)
            want.insert({v.version, e.path});
        ASSERT_EQ(find(s.inst, v.version, "*", 0, got), 0);
        EXPECT_EQ(got, want) << "version " << v.version;
    }
}

TEST(TrellisFind, AParentCycleEndsWithAnError)
{
    Folder f;
    f.info();
    {
        tt::Catalogue c(f.dir / tt::full_name(1), false);
        add_versions(c, 1);
        c.add_path(std::nullopt, "", 1);
        c.add_path(3, "a", 2); // a and b are each other's parent
        c.add_path(2, "b", 3);
        c.add_history(dir_row(2, 1));
        c.add_history(dir_row(3, 1));
    }
    Session s(f.path());
    ASSERT_EQ(s.rc, 0);
    std::set<Found> got;
    EXPECT_EQ(find(s.inst, 1, "*", TRELLIS_VESK_FIND_PATH, got), -999);
    // By name too: the folders above a match lead round in a circle.
    EXPECT_EQ(find(s.inst, 1, "*", 0, got), -999);
}

} // namespace
