// The generic forms of find, history, diff, entry lookup and range reads,
// over an in-memory archive of several versions (the container adapter uses
// them with its one version; here every path of them is taken).
#include "fake_archive.h"
#include "testkit/tempdir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace jobs = orvex::jobs;
using orvex::test::FakeArchive;
using orvex::test::FakeTree;

namespace {

// Versions of fake trees; every call answers from the tree of its version.
class Versions : public jobs::Archive {
public:
    std::map<int, FakeTree> trees;

    FakeTree &at(int v)
    {
        trees[v].version = v;
        return trees[v];
    }
    int list_versions(const std::function<bool(int, long long)> &on_version) override
    {
        for (const auto &[v, t] : trees)
            if (!on_version(v, 1700000000 + v))
                break;
        return jobs::kOk;
    }
    int list_folder(int v, const std::string &path, const std::function<bool(const jobs::Entry &)> &fn) override
    {
        return with(v, [&](FakeArchive &a) { return a.list_folder(v, path, fn); });
    }
    int stat_sum(int v, const std::string &path, jobs::Totals &out) override
    {
        return with(v, [&](FakeArchive &a) { return a.stat_sum(v, path, out); });
    }
    int restore_file(int v, const std::string &path, const std::string &dst, bool overwrite,
                     const jobs::FileProgress &progress) override
    {
        return with(v, [&](FakeArchive &a) { return a.restore_file(v, path, dst, overwrite, progress); });
    }
    int verify_file(int v, const std::string &path, const jobs::FileProgress &progress,
                    jobs::VerifyInfo &info) override
    {
        return with(v, [&](FakeArchive &a) { return a.verify_file(v, path, progress, info); });
    }
    int open_reader(int v, const std::string &path, std::unique_ptr<jobs::FileReader> &out) override
    {
        return open_restored_reader(v, path, work, {}, out);
    }
    std::string work;

private:
    template <typename Fn>
    int with(int v, Fn &&fn)
    {
        auto it = trees.find(v);
        if (it == trees.end())
            return jobs::kNoVersion;
        FakeArchive a(it->second);
        return fn(a);
    }
};

// Version 1: \docs\a.txt, \docs\b.txt, \old\x.bin, \thing (a folder).
// Version 2: a.txt unchanged, b.txt changed, \old gone, \thing a file.
// Version 3: a.txt gone, \new.txt added.
// Version 4: a.txt back.
void fill(Versions &a)
{
    FakeTree &v1 = a.at(1);
    v1.folder("\\docs");
    v1.file("\\docs\\a.txt", "aaa");
    v1.file("\\docs\\b.txt", "b");
    v1.folder("\\old");
    v1.file("\\old\\x.bin", "x");
    v1.folder("\\thing");
    FakeTree &v2 = a.at(2);
    v2.folder("\\docs");
    v2.file("\\docs\\a.txt", "aaa");
    v2.file("\\docs\\b.txt", "bb");
    v2.file("\\thing", "now a file");
    FakeTree &v3 = a.at(3);
    v3.folder("\\docs");
    v3.file("\\docs\\b.txt", "bb");
    v3.file("\\new.txt", "new");
    v3.file("\\thing", "now a file");
    FakeTree &v4 = a.at(4);
    v4.entries = v3.entries;
    v4.file("\\docs\\a.txt", "aaaa", 1600000004);
}

std::vector<std::string> find(jobs::Archive &a, int version, const jobs::FindQuery &q, int *rc = nullptr)
{
    std::vector<std::string> out;
    int r = a.find(version, q, [&](const jobs::Found &f) {
        out.push_back(std::to_string(f.version) + (f.is_dir ? " d " : " - ") + f.path);
        return true;
    });
    if (rc)
        *rc = r;
    else
        EXPECT_EQ(r, jobs::kOk);
    return out;
}

std::string change_name(jobs::Change c)
{
    switch (c) {
    case jobs::Change::Added:
        return "added";
    case jobs::Change::Changed:
        return "changed";
    case jobs::Change::Unchanged:
        return "unchanged";
    default:
        return "deleted";
    }
}

std::vector<std::string> steps(int rc_want, const std::function<int(const std::function<bool(const jobs::Step &)> &)> &call)
{
    std::vector<std::string> out;
    EXPECT_EQ(call([&](const jobs::Step &s) {
                  out.push_back(std::to_string(s.entry.version) + " " + change_name(s.change) + " " + s.entry.path +
                                " " + std::to_string(s.entry.size));
                  return true;
              }),
              rc_want);
    return out;
}

} // namespace

TEST(GenericExplore, FindMatchesNamesOrPathsInPathOrderAndEachStateOnce)
{
    Versions a;
    fill(a);
    using V = std::vector<std::string>;
    EXPECT_EQ(find(a, 1, {"*", false, false}),
              (V{"1 d \\docs", "1 - \\docs\\a.txt", "1 - \\docs\\b.txt", "1 d \\old", "1 - \\old\\x.bin", "1 d \\thing"}));
    EXPECT_EQ(find(a, 3, {"*.TXT", true, false}), (V{"3 - \\docs\\b.txt", "3 - \\new.txt"}));
    EXPECT_EQ(find(a, 3, {"*.TXT", false, false}), V{});
    EXPECT_EQ(find(a, 1, {"\\docs\\*", false, true}), (V{"1 - \\docs\\a.txt", "1 - \\docs\\b.txt"}));
    EXPECT_EQ(find(a, 1, {"docs*", false, false}), (V{"1 d \\docs"}));
    // Across versions: where each state first appears (a.txt again after
    // its absence in version 3, changed in 4).
    EXPECT_EQ(find(a, jobs::kAllVersions, {"[at]*", false, false}),
              (V{"1 - \\docs\\a.txt", "1 d \\thing", "2 - \\thing", "4 - \\docs\\a.txt"}));
    int rc = 0;
    EXPECT_EQ(find(a, 7, {"*", false, false}, &rc), V{});
    EXPECT_EQ(rc, jobs::kNoVersion);
    // A stop from the caller ends the search with success.
    int seen = 0;
    EXPECT_EQ(a.find(1, {"*", false, false}, [&](const jobs::Found &) { return ++seen < 2; }), jobs::kOk);
    EXPECT_EQ(seen, 2);
}

TEST(GenericExplore, EntriesAndHistoryOfAPath)
{
    Versions a;
    fill(a);
    jobs::Found f;
    ASSERT_EQ(a.get_entry(2, "\\", f), jobs::kOk);
    EXPECT_TRUE(f.is_dir);
    EXPECT_EQ(f.mtime, 1700000002);
    ASSERT_EQ(a.get_entry(2, "\\docs\\b.txt", f), jobs::kOk);
    EXPECT_EQ(f.path, "\\docs\\b.txt");
    EXPECT_FALSE(f.is_dir);
    EXPECT_EQ(f.size, 2);
    EXPECT_EQ(a.get_entry(2, "\\docs\\nope", f), jobs::kNotFound);
    EXPECT_EQ(a.get_entry(2, "\\thing\\below", f), jobs::kNotFound); // below a file
    EXPECT_EQ(a.get_entry(2, "docs", f), jobs::kNotFound);
    EXPECT_EQ(a.get_entry(9, "\\docs", f), jobs::kNoVersion);
    EXPECT_EQ(a.get_entry(9, "\\", f), jobs::kNoVersion);

    using V = std::vector<std::string>;
    EXPECT_EQ(steps(jobs::kOk, [&](auto &fn) { return a.history("\\docs\\a.txt", fn); }),
              (V{"1 added \\docs\\a.txt 3", "2 unchanged \\docs\\a.txt 3", "3 deleted \\docs\\a.txt 3",
                 "4 added \\docs\\a.txt 4"}));
    EXPECT_EQ(steps(jobs::kOk, [&](auto &fn) { return a.history("\\thing", fn); }),
              (V{"1 added \\thing 0", "2 changed \\thing 10", "3 unchanged \\thing 10", "4 unchanged \\thing 10"}));
    EXPECT_EQ(steps(jobs::kNotFound, [&](auto &fn) { return a.history("\\never", fn); }), V{});
}

TEST(GenericExplore, DiffInPathOrderWithEverythingBelowAFolderThatWent)
{
    Versions a;
    fill(a);
    using V = std::vector<std::string>;
    EXPECT_EQ(steps(jobs::kOk, [&](auto &fn) { return a.diff(1, 3, fn); }),
              (V{"1 deleted \\docs\\a.txt 3", "3 changed \\docs\\b.txt 2", "3 added \\new.txt 3", "1 deleted \\old 0",
                 "1 deleted \\old\\x.bin 1", "3 changed \\thing 10"}));
    EXPECT_EQ(steps(jobs::kOk, [&](auto &fn) { return a.diff(3, 1, fn); }),
              (V{"1 added \\docs\\a.txt 3", "1 changed \\docs\\b.txt 1", "3 deleted \\new.txt 3", "1 added \\old 0",
                 "1 added \\old\\x.bin 1", "1 changed \\thing 0"}));
    EXPECT_EQ(steps(jobs::kOk, [&](auto &fn) { return a.diff(2, 2, fn); }), V{});
    EXPECT_EQ(steps(jobs::kNoVersion, [&](auto &fn) { return a.diff(2, 8, fn); }), V{});
    EXPECT_EQ(steps(jobs::kNoVersion, [&](auto &fn) { return a.diff(8, 2, fn); }), V{});
}

TEST(GenericExplore, RestoredReaderServesRangesAndLeavesNothingBehind)
{
    orvex::testkit::TempDir work("explore-reader");
    Versions a;
    fill(a);
    a.work = work.str();
    std::unique_ptr<jobs::FileReader> r;
    ASSERT_EQ(a.open_reader(2, "\\thing", r), jobs::kOk);
    EXPECT_TRUE(std::filesystem::is_empty(work.path())) << "the copy is unlinked once open";
    char buf[16] = {};
    EXPECT_EQ(r->read(4, buf, 3), 3);
    EXPECT_EQ(std::string(buf, 3), "a f");
    EXPECT_EQ(r->read(8, buf, 16), 2);
    EXPECT_EQ(std::string(buf, 2), "le");
    EXPECT_EQ(r->read(10, buf, 16), 0);
    EXPECT_EQ(r->read(-1, buf, 1), jobs::kFailure);

    errno = 0;
    EXPECT_EQ(a.open_reader(1, "\\thing", r), jobs::kFailure);
    EXPECT_EQ(errno, EISDIR);
    EXPECT_EQ(a.open_reader(1, "\\nope", r), jobs::kNotFound);
    EXPECT_EQ(a.open_reader(5, "\\docs\\a.txt", r), jobs::kNoVersion);
    a.at(2).fail_with["\\docs\\b.txt"] = jobs::kFailure;
    EXPECT_EQ(a.open_reader(2, "\\docs\\b.txt", r), jobs::kFailure);
    EXPECT_TRUE(std::filesystem::is_empty(work.path()));
}

TEST(GenericExplore, ATreeDeeperThanAnyPathFailsInsteadOfLooping)
{
    // Every folder lists itself again inside, as a cycle in a damaged
    // archive would.
    struct Endless final : public Versions {
        int list_folder(int, const std::string &, const std::function<bool(const jobs::Entry &)> &fn) override
        {
            fn({"loop", true, 0, 0});
            return jobs::kOk;
        }
    } a;
    a.at(1);
    errno = 0;
    EXPECT_EQ(a.find(1, {"nothing", false, false}, [](const jobs::Found &) { return true; }), jobs::kFailure);
    EXPECT_EQ(errno, ELOOP);
    EXPECT_EQ(a.diff(1, 1, [](const jobs::Step &) { return true; }), jobs::kOk);
}
