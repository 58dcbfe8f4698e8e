// find, history, diff and cat over containers written by the test kit: the
// one version (0) of a container explored with the shapes and exit codes of
// a backup folder, cat giving the exact bytes, a damaged chunk failing cat
// loudly with no byte of it on the output.
#include "cli_runner.h"
#include "exportdb.h"
#include "vesk_damage.h"
#include "testkit/tempdir.h"
#include "testkit/vesk_writer.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;
namespace tk = orvex::testkit;
namespace tv = orvex::testkit::vesk;
using nlohmann::json;
using orvex::test::extract;
using orvex::test::Outcome;

namespace {

struct Container {
    tk::TempDir dir{"cli-vesk-explore"};
    fs::path file = dir / "sample.vesk";
    std::vector<tv::Expected> entries = tv::write_sample(file);
    std::string path() const { return file.string(); }
    long long written() const
    {
        struct stat st {};
        EXPECT_EQ(::stat(file.c_str(), &st), 0);
        return st.st_mtime;
    }
};

bool is_dir(const tv::Expected &e)
{
    return e.filetype == VESK_FILETYPE_DIR;
}

std::string name_of(const std::string &path)
{
    return path.substr(path.rfind('\\') + 1);
}

json found(const tv::Expected &e)
{
    return {{"version", 0},
            {"path", e.path},
            {"type", is_dir(e) ? "dir" : "file"},
            {"size", is_dir(e) ? 0 : e.size},
            {"mtime", e.mtime}};
}

// The sample's entries that `keep` selects, as find prints them, in path
// order (depth first, names in byte order): sorted by their names.
template <typename Keep>
json found_where(const std::vector<tv::Expected> &entries, Keep keep)
{
    std::vector<const tv::Expected *> picked;
    for (const auto &e : entries)
        if (keep(e))
            picked.push_back(&e);
    auto names = [](const std::string &p) {
        std::vector<std::string> out;
        for (size_t at = 1, end; at <= p.size(); at = end + 1) {
            end = std::min(p.find('\\', at), p.size());
            out.push_back(p.substr(at, end - at));
        }
        return out;
    };
    std::sort(picked.begin(), picked.end(),
              [&](const tv::Expected *a, const tv::Expected *b) { return names(a->path) < names(b->path); });
    json out = json::array();
    for (const auto *e : picked)
        out.push_back(found(*e));
    return out;
}

} // namespace

TEST(CliVeskExplore, FindHistoryAndDiffInJson)
{
    Container c;
    const auto &all = c.entries;
    const auto ends_txt = [](const tv::Expected &e) {
        const std::string n = name_of(e.path);
        return n.size() >= 4 && n.compare(n.size() - 4, 4, ".txt") == 0;
    };
    const auto below_docs = [](const tv::Expected &e) { return e.path.rfind("\\docs\\", 0) == 0; };
    const auto readme = [](const tv::Expected &e) { return e.path == "\\docs\\readme.txt"; };
    const tv::Expected *file = nullptr;
    for (const auto &e : all)
        if (readme(e))
            file = &e;
    ASSERT_NE(file, nullptr);
    struct Case {
        std::vector<std::string> args;
        json want;
    } cases[] = {
        {{"find", "*.txt"}, found_where(all, ends_txt)},
        {{"find", "*.txt", "--version", "0"}, found_where(all, ends_txt)},
        {{"find", "*", "--all-versions"}, found_where(all, [](const tv::Expected &) { return true; })},
        {{"find", "README.TXT", "-i"}, found_where(all, readme)},
        {{"find", "grüße*✓.txt"}, json::array()},
        {{"find", "GRÜSSE*"}, json::array()},
        {{"find", "grüße*✓.TXT", "-i"},
         found_where(all, [](const tv::Expected &e) { return name_of(e.path).rfind("Grüße", 0) == 0; })},
        {{"find", "/docs/*", "--path"}, found_where(all, below_docs)},
        {{"find", "nothing*"}, json::array()},
        {{"history", "/docs/readme.txt"},
         json::array({{{"version", 0}, {"time", c.written()}, {"state", "added"}, {"type", "file"},
                       {"size", file->size}, {"mtime", file->mtime}}})},
        {{"history", "\\docs\\nested"},
         json::array({{{"version", 0}, {"time", c.written()}, {"state", "added"}, {"type", "dir"}, {"size", 0},
                       {"mtime", found_where(all, [](const tv::Expected &e) {
                                     return e.path == "\\docs\\nested";
                                 })[0]["mtime"]}}})},
        {{"diff", "0", "0"}, {{"added", json::array()}, {"deleted", json::array()}, {"changed", json::array()}}},
    };
    for (const Case &k : cases) {
        std::vector<std::string> args = k.args;
        args.insert(args.begin() + 1, c.path());
        args.push_back("--json");
        SCOPED_TRACE(args[0] + " " + args[2]);
        Outcome r = extract(args);
        ASSERT_EQ(r.code, 0) << r.err;
        EXPECT_TRUE(r.err.empty()) << r.err;
        EXPECT_EQ(json::parse(r.out), k.want);
    }
}

TEST(CliVeskExplore, TextLinesAndExitCodes)
{
    Container c;
    Outcome r = extract({"find", c.path(), "readme.txt"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.find("     0  -          20000  "), 0u) << r.out;
    EXPECT_NE(r.out.find("  \\docs\\readme.txt\n"), std::string::npos) << r.out;
    r = extract({"history", c.path(), "/docs/readme.txt"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find(" UTC  added      -          20000  "), std::string::npos) << r.out;
    r = extract({"diff", c.path(), "0", "0"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "");

    struct Case {
        std::vector<std::string> args;
        int code;
        std::string says;
    } cases[] = {
        {{"find", c.path(), "*", "--version", "1"}, 4, "no version 1"},
        {{"history", c.path(), "/docs/nope.txt"}, 4, "\\docs\\nope.txt: in no finished version"},
        {{"history", c.path(), "/docs/readme.txt/below"}, 4, "in no finished version"},
        {{"diff", c.path(), "0", "1"}, 4, "no version 0 or no version 1"},
        {{"diff", c.path(), "2", "0"}, 4, "no version 2 or no version 0"},
        {{"cat", c.path(), "/docs/nope.txt"}, 4, "\\docs\\nope.txt: not in version 0"},
        {{"cat", c.path(), "/docs/readme.txt", "--version", "1"}, 4, "not in version 1"},
        {{"cat", c.path(), "/docs"}, 1, "\\docs: a folder in version 0"},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(k.args[0] + " " + k.args[2]);
        r = extract(k.args);
        EXPECT_EQ(r.code, k.code) << r.err;
        EXPECT_NE(r.err.find(k.says), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find("backup folders only"), std::string::npos) << r.err;
    }
}

TEST(CliVeskExplore, CatWritesTheExactBytesAndLeavesNoCopyBehind)
{
    Container c;
    tk::TempDir tmp("cli-vesk-cat-tmp");
    const std::string env = "TMPDIR=" + orvex::test::quote(tmp.str());
    for (const auto &e : c.entries) {
        if (is_dir(e))
            continue;
        SCOPED_TRACE(e.path);
        // Links and special files are the empty files a restore makes.
        Outcome r = extract({"cat", c.path(), e.path}, env);
        ASSERT_EQ(r.code, 0) << r.err;
        EXPECT_TRUE(r.out == std::string(e.bytes.begin(), e.bytes.end()));
        // Nothing of the copy stays behind (the library's empty lock files
        // are its own business).
        for (const auto &left : fs::directory_iterator(tmp.path()))
            EXPECT_TRUE(left.is_regular_file() && left.file_size() == 0) << "left " << left.path();
    }
}

TEST(CliVeskExplore, CatOfADamagedChunkFailsLoudlyWithNoByteOfIt)
{
    tk::TempDir dir("cli-vesk-cat-damaged");
    const fs::path file = dir / "d.vesk";
    const auto damaged = orvex::test::write_damaged_container(file);
    Outcome r = extract({"cat", file.string(), "/broken.bin"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "") << "nothing of a file that fails its check";
    EXPECT_NE(r.err.find("\\broken.bin: cannot be read"), std::string::npos) << r.err;
    r = extract({"cat", file.string(), "/intact.txt"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(r.out == std::string(damaged.intact.begin(), damaged.intact.end()));
}
