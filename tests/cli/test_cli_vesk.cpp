// orvex-extract over containers written by the test kit: every command a
// backup folder takes, with the same shapes and exit codes; restores
// compared byte for byte with the kit's record; damaged and hostile
// containers failing their entries loudly.
#include "cli_runner.h"
#include "chunk.h"
#include "exportdb.h"
#include "testkit/tempdir.h"
#include "testkit/vesk_writer.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>
#include <set>
#include <stdexcept>

namespace fs = std::filesystem;
namespace tk = orvex::testkit;
namespace tv = orvex::testkit::vesk;
using nlohmann::json;

namespace {

using orvex::test::extract;
using orvex::test::Outcome;

struct Container {
    tk::TempDir dir{"cli-vesk"};
    fs::path file = dir / "sample.vesk";
    std::vector<tv::Expected> entries = tv::write_sample(file);
    std::string path() const { return file.string(); }
    const tv::Expected &at(const std::string &p) const
    {
        for (const auto &e : entries)
            if (e.path == p)
                return e;
        throw std::invalid_argument("not in the sample: " + p);
    }
};

std::string parent_of(const std::string &path)
{
    size_t cut = path.rfind('\\');
    return cut == 0 ? "\\" : path.substr(0, cut);
}

std::string name_of(const std::string &path)
{
    return path.substr(path.rfind('\\') + 1);
}

// Container path to a native path below `root`.
fs::path native(const fs::path &root, const std::string &path)
{
    fs::path out = root;
    size_t from = 1;
    while (from <= path.size()) {
        size_t to = path.find('\\', from);
        if (to == std::string::npos)
            to = path.size();
        out /= path.substr(from, to - from);
        from = to + 1;
    }
    return out;
}

// Folder path -> its entries as `ls --json` prints them, sorted by name
// (the order itself is the library's business).
std::map<std::string, json> folders_of(const std::vector<tv::Expected> &entries)
{
    std::map<std::string, json> out{{"\\", json::array()}};
    for (const auto &e : entries)
        if (e.filetype == VESK_FILETYPE_DIR)
            out[e.path] = json::array();
    for (const auto &e : entries)
        out[parent_of(e.path)].push_back({{"name", name_of(e.path)},
                                          {"type", e.filetype == VESK_FILETYPE_DIR ? "dir" : "file"},
                                          {"size", e.size},
                                          {"mtime", e.mtime}});
    for (auto &[path, list] : out)
        std::sort(list.begin(), list.end(), [](const json &a, const json &b) { return a["name"] < b["name"]; });
    return out;
}

std::map<std::string, json> folders_of(const json &listing)
{
    std::map<std::string, json> out;
    for (const auto &f : listing) {
        EXPECT_EQ(f["version"], 0);
        json list = f["entries"];
        std::sort(list.begin(), list.end(), [](const json &a, const json &b) { return a["name"] < b["name"]; });
        out[f["path"].get<std::string>()] = list;
    }
    return out;
}

long long mtime_of(const fs::path &p)
{
    struct stat st {};
    EXPECT_EQ(::lstat(p.c_str(), &st), 0) << p;
    return st.st_mtime;
}

// Every path below `root`, relative to it.
std::set<std::string> tree_of(const fs::path &root)
{
    std::set<std::string> out;
    for (const auto &e : fs::recursive_directory_iterator(root))
        out.insert(fs::relative(e.path(), root).string());
    return out;
}

std::set<std::string> failed_paths(const json &summary)
{
    std::set<std::string> out;
    for (const auto &f : summary["failures"])
        out.insert(f["path"].get<std::string>());
    return out;
}

} // namespace

TEST(CliVesk, VersionsListingsAndSumsMatchTheKitRecord)
{
    Container c;
    Outcome r = extract({"versions", c.path(), "--json"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(json::parse(r.out), (json::array({{{"version", 0}, {"timestamp", mtime_of(c.file)}}})));

    const auto want = folders_of(c.entries);
    // The version may be left out; 0 is the only one.
    for (std::vector<std::string> version : {std::vector<std::string>{}, {"--version", "0"}}) {
        std::vector<std::string> args{"ls", c.path(), "-R", "--json"};
        args.insert(args.end(), version.begin(), version.end());
        r = extract(args);
        ASSERT_EQ(r.code, 0) << r.err;
        EXPECT_TRUE(r.err.empty()) << r.err;
        EXPECT_EQ(folders_of(json::parse(r.out)), want);
    }
    // One folder, named with '/' as a separator.
    r = extract({"ls", c.path(), "docs/nested", "--json"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(folders_of(json::array({json::parse(r.out)})), (std::map<std::string, json>{
                                                                 {"\\docs\\nested", want.at("\\docs\\nested")}}));

    for (const std::string folder : {"\\", "\\data", "\\empty folder"}) {
        long long dirs = 0, files = 0, bytes = 0;
        const std::string prefix = folder == "\\" ? folder : folder + "\\";
        for (const auto &e : c.entries)
            if (e.path.compare(0, prefix.size(), prefix) == 0) {
                (e.filetype == VESK_FILETYPE_DIR ? dirs : files) += 1;
                bytes += e.size;
            }
        r = extract({"stat", c.path(), folder, "--json"});
        ASSERT_EQ(r.code, 0) << r.err;
        EXPECT_EQ(json::parse(r.out),
                  (json{{"path", folder}, {"folder_count", dirs}, {"file_count", files}, {"total_size", bytes}}));
    }

    // Plain text too.
    r = extract({"versions", c.path()});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.find("     0  "), 0u) << r.out;
    r = extract({"ls", c.path(), "-R"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("\\docs\\nested\\deeper:"), std::string::npos) << r.out;
}

TEST(CliVesk, OpenFailuresAndExitCodes)
{
    Container c;
    tk::TempDir dir("cli-vesk-bad");
    const std::vector<uint8_t> whole = tk::read_file(c.file);
    tk::write_file(dir / "notes.txt", std::vector<uint8_t>(300, 'a'));
    tk::write_file(dir / "header cut.vesk", std::vector<uint8_t>(whole.begin(), whole.begin() + 20));
    tk::write_file(dir / "database cut.vesk", std::vector<uint8_t>(whole.begin(), whole.end() - 100));
    tk::write_file(dir / "pw", std::vector<uint8_t>{'x', '\n'});
    const std::string out = (dir / "out").string();
    struct Case {
        std::vector<std::string> args;
        int code;
        std::string says;
    } cases[] = {
        {{"versions", (dir / "none.vesk").string()}, 4, "no such folder or file"},
        {{"ls", (dir / "notes.txt").string()}, 4, "notes.txt: not a VESK container"},
        {{"restore", (dir / "notes.txt").string(), "--to", out}, 4, "not a VESK container"},
        {{"ls", (dir / "header cut.vesk").string()}, 1, "header cut.vesk: the container is truncated or damaged"},
        {{"verify", (dir / "database cut.vesk").string()}, 1, "database cut.vesk: the container is truncated or damaged"},
        {{"ls", c.path(), "\\nope"}, 4, "\\nope: no such folder in version 0"},
        {{"stat", c.path(), "\\nope"}, 4, "\\nope: no such folder"},
        {{"ls", c.path(), "--version", "1"}, 4, "no version 1"},
        {{"stat", c.path(), "--version", "1"}, 4, "no version 1"},
        {{"restore", c.path(), "--version", "2", "--to", out}, 4, "no version 2"},
        {{"verify", c.path(), "--version", "3"}, 4, "no version 3"},
        {{"verify", c.path(), "\\nope"}, 1, "\\nope"},
        // A container has no password; one given is not used, and said so.
        {{"ls", c.path(), "--password-file", (dir / "pw").string()}, 0, "not encrypted"},
    };
    // Sessions work in private folders under the temporary folder: none
    // may stay behind, after a failed open either.
    tk::TempDir tmp("cli-vesk-tmp");
    for (const auto &k : cases) {
        Outcome r = extract(k.args, "TMPDIR=" + orvex::test::quote(tmp.str()));
        const std::string what = k.args[0] + " " + k.args[1];
        EXPECT_EQ(r.code, k.code) << what << ": " << r.err;
        EXPECT_NE((r.err + r.out).find(k.says), std::string::npos) << what << ": " << r.err << r.out;
        EXPECT_EQ(r.err.find("HalvernTrellisSync"), std::string::npos) << what << ": " << r.err;
        for (const auto &e : fs::directory_iterator(tmp.path()))
            EXPECT_FALSE(e.is_directory()) << what << " left " << e.path();
    }
    EXPECT_FALSE(fs::exists(out));
}

TEST(CliVesk, RestoreGivesBackEveryEntryAndFollowsThePolicy)
{
    Container c;
    tk::TempDir dir("cli-vesk-out");
    const fs::path out = dir / "out";
    long long files = 0, folders = 0;
    for (const auto &e : c.entries)
        (e.filetype == VESK_FILETYPE_DIR ? folders : files) += 1;

    Outcome r = extract({"restore", c.path(), "--to", out.string(), "--json"});
    ASSERT_EQ(r.code, 0) << r.err;
    json sum = json::parse(r.out);
    EXPECT_EQ(sum["version"], 0);
    EXPECT_EQ(sum["files"], files);
    EXPECT_EQ(sum["folders"], folders);
    EXPECT_EQ(sum["failed"], 0);
    std::set<std::string> want_tree;
    for (const auto &e : c.entries) {
        const fs::path p = native(out, e.path);
        want_tree.insert(fs::relative(p, out).string());
        EXPECT_EQ(mtime_of(p), e.mtime) << e.path;
        if (e.filetype == VESK_FILETYPE_DIR) {
            EXPECT_TRUE(fs::is_directory(fs::symlink_status(p))) << e.path;
        } else {
            // Links and special files come back as empty regular files.
            EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(p))) << e.path;
            EXPECT_EQ(tk::read_file(p), e.filetype == VESK_FILETYPE_REG ? e.bytes : std::vector<uint8_t>{})
                << e.path;
        }
    }
    EXPECT_EQ(tree_of(out), want_tree) << "nothing else, no working files";

    // Again over the restored tree, with each policy; one file changed since.
    const fs::path readme = out / "docs" / "readme.txt";
    const std::vector<uint8_t> changed{'c', 'h', 'a', 'n', 'g', 'e', 'd'};
    tk::write_file(readme, changed);
    struct Case {
        const char *policy;
        const char *counter;
        bool readme_back;
        size_t tree_size;
    } cases[] = {
        {"skip", "skipped", false, want_tree.size()},
        {"replace", "replaced", true, want_tree.size()},
        {"rename", "renamed", true, want_tree.size() + static_cast<size_t>(files)},
    };
    for (const auto &k : cases) {
        r = extract({"restore", c.path(), "--to", out.string(), "--policy", k.policy, "--json"});
        ASSERT_EQ(r.code, 0) << k.policy << ": " << r.err;
        sum = json::parse(r.out);
        EXPECT_EQ(sum[k.counter], files) << k.policy;
        EXPECT_EQ(sum["failed"], 0) << k.policy;
        EXPECT_EQ(tk::read_file(readme) == changed, !k.readme_back) << k.policy;
        EXPECT_EQ(tree_of(out).size(), k.tree_size) << k.policy;
    }
    EXPECT_EQ(tk::read_file(out / "docs" / "readme_1.txt"), c.at("\\docs\\readme.txt").bytes);

    // A selection: one deduplicated file and one folder, each under its own name.
    const fs::path some = dir / "some";
    r = extract({"restore", c.path(), "\\data\\sparse.bin", "docs/nested", "--to", some.string()});
    ASSERT_EQ(r.code, 0) << r.err;
    std::set<std::string> want_some{"sparse.bin", "nested", "nested/deeper"};
    for (const auto &e : c.entries)
        if (e.path.rfind("\\docs\\nested\\deeper\\", 0) == 0)
            want_some.insert("nested/deeper/" + name_of(e.path));
    EXPECT_EQ(tree_of(some), want_some);
    EXPECT_EQ(tk::read_file(some / "sparse.bin"), c.at("\\data\\sparse.bin").bytes);
}

TEST(CliVesk, DamagedChunksFailVerifyAndRestoreLoudly)
{
    Container c;
    Outcome r = extract({"verify", c.path(), "--json"});
    ASSERT_EQ(r.code, 0) << r.err;
    json sum = json::parse(r.out);
    EXPECT_EQ(sum["failed"], 0);
    EXPECT_EQ(sum["unchecked_chunks"], 0);

    // A run of damaged bytes in the first chunk of one deduplicated file,
    // too long for its parities to repair.
    tk::TempDir dir("cli-vesk-damaged");
    const fs::path file = dir / "d.vesk";
    const std::vector<uint8_t> stored = tk::make_bytes(3, 5000, tk::Content::Text);
    int64_t at = -1;
    {
        tv::ContainerWriter w(file);
        w.add_dedup(tv::ContainerWriter::kRoot, "broken.bin", tk::make_bytes(2, 60000, tk::Content::Mixed));
        w.add_stored(tv::ContainerWriter::kRoot, "intact.txt", stored);
        w.finish();
        const tk::DescriptorRow &first = w.expected()[0].rows[0];
        for (const auto &v : w.vaults())
            if (v.hid == first.hid && v.vid == first.vid)
                at = v.offset + static_cast<int64_t>(first.voffset) + CHUNK_HDR_SIZE + 10;
    }
    ASSERT_GE(at, 0);
    std::vector<uint8_t> raw = tk::read_file(file);
    for (int i = 0; i < 40; ++i)
        raw[static_cast<size_t>(at + i)] ^= 0x5A;
    tk::write_file(file, raw);

    r = extract({"verify", file.string(), "--json"});
    EXPECT_EQ(r.code, 1) << r.err;
    sum = json::parse(r.out);
    EXPECT_EQ(sum["failed"], 1);
    EXPECT_EQ(failed_paths(sum), std::set<std::string>{"\\broken.bin"});
    r = extract({"verify", file.string()});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.out.find("FAILED \\broken.bin"), std::string::npos) << r.out;

    const fs::path out = dir / "out";
    r = extract({"restore", file.string(), "--to", out.string(), "--json"});
    EXPECT_EQ(r.code, 1) << r.err;
    sum = json::parse(r.out);
    EXPECT_EQ(sum["files"], 1);
    EXPECT_EQ(failed_paths(sum), std::set<std::string>{"\\broken.bin"});
    EXPECT_EQ(tree_of(out), std::set<std::string>{"intact.txt"}) << "no partial file";
    EXPECT_EQ(tk::read_file(out / "intact.txt"), stored);

    // A file that is already there stays as it was when the new one fails.
    const std::vector<uint8_t> old{'o', 'l', 'd'};
    tk::write_file(out / "broken.bin", old);
    r = extract({"restore", file.string(), "broken.bin", "--to", out.string(), "--policy", "replace"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(tk::read_file(out / "broken.bin"), old);
    EXPECT_EQ(tree_of(out), (std::set<std::string>{"broken.bin", "intact.txt"}));
}

TEST(CliVesk, HostileNamesFailTheirEntryOnly)
{
    tk::TempDir dir("cli-vesk-hostile");
    const fs::path file = dir / "h.vesk";
    const std::vector<uint8_t> bytes = tk::make_bytes(4, 3000, tk::Content::Text);
    {
        tv::ContainerWriter w(file);
        for (const char *name : {"..", ".", "../escape.txt", "a/b", ""})
            w.add_stored(tv::ContainerWriter::kRoot, name, bytes);
        int64_t up = w.add_dir(tv::ContainerWriter::kRoot, "..");
        w.add_stored(up, "inner.txt", bytes);
        w.add_stored(tv::ContainerWriter::kRoot, "fine.txt", bytes);
        // Too long for a listing record: never cut down to another name.
        w.add_stored(tv::ContainerWriter::kRoot, std::string(300, 'n'), bytes);
        w.finish();
    }
    const fs::path out = dir / "inside" / "out";
    Outcome r = extract({"restore", file.string(), "--to", out.string(), "--json"});
    EXPECT_EQ(r.code, 1) << r.err;
    json sum = json::parse(r.out);
    EXPECT_EQ(sum["files"], 1) << r.out;
    EXPECT_GE(sum["failed"].get<int>(), 6) << r.out;
    bool listing_failed = false;
    for (const auto &f : sum["failures"])
        listing_failed |= f["path"] == "\\" && f["error"].get<std::string>().find("cannot list") != std::string::npos;
    EXPECT_TRUE(listing_failed) << "the listing that met the long name: " << r.out;
    EXPECT_EQ(tree_of(dir / "inside"), (std::set<std::string>{"out", "out/fine.txt"}));
    EXPECT_EQ(tk::read_file(out / "fine.txt"), bytes);
    EXPECT_EQ(tree_of(dir.path()).count("escape.txt"), 0u);
}
