// orvex-extract restore and verify over test-kit folders: every version
// restored and compared byte for byte and time for time, the conflict
// policies, a selected path landing under its own name, hostile names and
// links at the destination, dry runs, and verify over an intact and a
// damaged folder.
#include "cli_runner.h"
#include "testkit/tempdir.h"
#include "testkit/trellis.h"
#include "testkit/trellis_content.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace tk = orvex::testkit;
namespace tt = orvex::testkit::trellis;
namespace fs = std::filesystem;
using nlohmann::json;

namespace {

using orvex::test::extract;
using orvex::test::Outcome;
using orvex::test::quote;
using orvex::test::slurp;

json summary(const Outcome &o)
{
    try {
        return json::parse(o.out);
    } catch (...) {
        ADD_FAILURE() << "not JSON: " << o.out << "\nstderr: " << o.err;
        return json::object();
    }
}

int64_t mtime_of(const fs::path &p)
{
    struct stat sb;
    return ::lstat(p.c_str(), &sb) == 0 ? static_cast<int64_t>(sb.st_mtime) : -1;
}

// "\\a\\b" -> DEST/a/b
fs::path local(const fs::path &dest, const std::string &catalogue_path)
{
    fs::path p = dest;
    std::string name;
    for (char c : catalogue_path.substr(1) + "\\") {
        if (c == '\\') {
            p /= name;
            name.clear();
        } else {
            name += c;
        }
    }
    return p;
}

struct KitFolder {
    tk::TempDir dir{"cli-kit"};
    tt::FolderWithContent kit;
    KitFolder(const std::string &password, bool differential, uint64_t seed = 21)
    {
        tt::FolderOptions fo;
        fo.password = password;
        fo.versions = 3;
        fo.files = 18;
        fo.seed = seed;
        fo.max_file_size = 200000;
        fo.links = true;
        fo.differential = differential;
        tt::ContentOptions co;
        co.files_per_descriptor = 6;
        co.vault_capacity = 300000;
        kit = tt::write_folder_with_content(dir.path(), fo, co);
    }
    std::string env() const { return kit.manifest.password.empty() ? "" : "ORVEX_PASSWORD=" + quote(kit.manifest.password); }
};

TEST(CliRestore, EveryVersionMatchesWhatTheKitWrote)
{
    struct Case {
        std::string password;
        bool differential;
        std::string threads;
    } cases[] = {{"", true, "1"}, {"open sesame", true, "2"}, {"open sesame", false, "2"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.password + (c.differential ? " diff" : " full") + " threads " + c.threads);
        KitFolder f(c.password, c.differential);
        for (const auto &v : f.kit.manifest.versions) {
            tk::TempDir dest("cli-dest");
            auto o = extract({"restore", f.dir.str(), "--version", std::to_string(v.version), "--to", dest.str(),
                              "--json", "--threads", c.threads},
                             f.env());
            ASSERT_EQ(o.code, 0) << o.err;
            json s = summary(o);
            long long files = 0, folders = 0;
            for (const auto &e : v.entries) {
                fs::path p = local(dest.path(), e.path);
                if (e.is_dir) {
                    ++folders;
                    EXPECT_TRUE(fs::is_directory(fs::symlink_status(p))) << e.path;
                    continue;
                }
                ++files;
                auto want = e.is_link ? std::vector<uint8_t>{} : f.kit.contents->content(e.path, v.version);
                ASSERT_TRUE(fs::is_regular_file(fs::symlink_status(p))) << e.path;
                EXPECT_TRUE(tk::read_file(p) == want) << e.path << " v" << v.version;
                EXPECT_EQ(mtime_of(p), e.mtime) << e.path;
            }
            EXPECT_EQ(s["files"], files);
            EXPECT_EQ(s["folders"], folders);
            EXPECT_EQ(s["failed"], 0);
            EXPECT_EQ(s["version"], v.version);
        }
    }
}

TEST(CliRestore, ConflictPoliciesAndSelectedPaths)
{
    KitFolder f("", true, 33);
    const auto &v = f.kit.manifest.versions.back();
    const tt::ManifestEntry *file = nullptr;
    for (const auto &e : v.entries)
        if (!e.is_dir && !e.is_link && e.size > 0 && e.path.rfind('\\') > 0)
            file = &e;
    ASSERT_NE(file, nullptr);
    tk::TempDir dest("cli-dest");
    const std::string name = tt::base_name(file->path);
    auto run = [&](const std::string &policy, std::vector<std::string> extra = {}) {
        std::vector<std::string> args{"restore", f.dir.str(), file->path, "--to", dest.str(), "--json",
                                      "--policy", policy};
        args.insert(args.end(), extra.begin(), extra.end());
        return extract(args);
    };
    // A selected file lands in DEST under its own name.
    auto o = run("skip");
    ASSERT_EQ(o.code, 0) << o.err;
    const auto want = f.kit.contents->content(file->path, v.version);
    EXPECT_TRUE(tk::read_file(dest / name) == want);

    tk::write_file(dest / name, {'o', 'l', 'd'});
    o = run("skip");
    EXPECT_EQ(o.code, 0);
    EXPECT_EQ(summary(o)["skipped"], 1);
    EXPECT_EQ(slurp(dest / name), "old");

    o = run("rename");
    EXPECT_EQ(o.code, 0);
    EXPECT_EQ(summary(o)["renamed"], 1);
    o = run("rename");
    EXPECT_EQ(summary(o)["renamed"], 1);
    const size_t dot = name.rfind('.');
    auto renamed = [&](int n) {
        return dot == std::string::npos || dot == 0
                   ? name + "_" + std::to_string(n)
                   : name.substr(0, dot) + "_" + std::to_string(n) + name.substr(dot);
    };
    EXPECT_TRUE(tk::read_file(dest / renamed(1)) == want);
    EXPECT_TRUE(tk::read_file(dest / renamed(2)) == want);
    EXPECT_EQ(slurp(dest / name), "old");

    o = run("replace", {"--dry-run"});
    EXPECT_EQ(o.code, 0);
    EXPECT_EQ(summary(o)["replaced"], 1);
    EXPECT_EQ(slurp(dest / name), "old");
    o = run("replace");
    EXPECT_EQ(o.code, 0);
    EXPECT_EQ(summary(o)["replaced"], 1);
    EXPECT_TRUE(tk::read_file(dest / name) == want);

    // A selected folder lands under its own name too; a missing path fails.
    std::string folder = file->path.substr(0, file->path.rfind('\\'));
    o = extract({"restore", f.dir.str(), folder, "\\no\\such", "--to", dest.str(), "--json"});
    EXPECT_EQ(o.code, 1);
    json s = summary(o);
    EXPECT_EQ(s["failed"], 1);
    EXPECT_TRUE(fs::is_directory(dest / tt::base_name(folder)));
}

TEST(CliRestore, HostileNamesAndLinksStayInsideTheDestination)
{
    tk::TempDir dir("cli-hostile");
    tt::write_job_info(dir.path(), tt::make_job_id(1), "", tt::InfoForm::KeyValue);
    {
        tt::Catalogue c(dir / tt::full_name(1), false);
        c.add_version(1, 1700000000, 1700000100, 1);
        int64_t root = c.add_path(std::nullopt, "", 1);
        auto row = [](int64_t id, bool is_dir) {
            tt::HistoryRow h;
            h.path_id = id;
            h.version = 1;
            h.is_dir = is_dir;
            h.attr = tt::make_attr(0, 1600000000);
            return h;
        };
        c.add_history(row(root, true));
        for (const char *bad : {"..", ".", "a/b", "x\\y"})
            c.add_history(row(c.add_path(root, bad), false));
        int64_t up = c.add_path(root, "..");
        c.add_history(row(up, true));
        c.add_history(row(c.add_path(up, "escaped.txt"), false));
        c.add_history(row(c.add_path(root, "good.txt"), false));
        int64_t sub = c.add_path(root, "sub");
        c.add_history(row(sub, true));
        c.add_history(row(c.add_path(sub, "inner.txt"), false));
    }
    tk::TempDir outside("cli-outside");
    fs::path dest = outside / "dest";
    fs::create_directories(dest);
    // The folder "sub" already exists as a link to somewhere else.
    fs::create_directories(outside / "elsewhere");
    fs::create_directory_symlink(outside / "elsewhere", dest / "sub");
    auto o = extract({"restore", dir.str(), "--to", dest.string(), "--json"});
    EXPECT_EQ(o.code, 1);
    json s = summary(o);
    EXPECT_EQ(s["files"], 1); // good.txt only
    EXPECT_GE(s["failed"], 5);
    EXPECT_TRUE(fs::exists(dest / "good.txt"));
    EXPECT_FALSE(fs::exists(outside / "escaped.txt"));
    EXPECT_TRUE(fs::is_empty(outside / "elsewhere"));
    std::vector<std::string> top;
    for (const auto &e : fs::directory_iterator(outside.path()))
        top.push_back(e.path().filename().string());
    std::sort(top.begin(), top.end());
    EXPECT_EQ(top, (std::vector<std::string>{"dest", "elsewhere"}));
    EXPECT_NE(o.err.find("refused"), std::string::npos) << o.err;
}

TEST(CliVerify, IntactAndDamagedFolders)
{
    KitFolder f("pw", true, 44);
    auto o = extract({"verify", f.dir.str(), "--json"}, f.env());
    ASSERT_EQ(o.code, 0) << o.err;
    json s = summary(o);
    EXPECT_EQ(s["failed"], 0);
    EXPECT_GT(s["files"].get<int>(), 5);

    // Damage the middle of every vault file: some files must fail, and
    // nothing is written anywhere.
    for (const auto &e : fs::recursive_directory_iterator(f.dir / "dedup"))
        if (e.is_regular_file()) {
            auto bytes = tk::read_file(e.path());
            for (size_t i = bytes.size() / 3; i < bytes.size() / 3 + 4000 && i < bytes.size(); ++i)
                bytes[i] ^= 0x5A;
            tk::write_file(e.path(), bytes);
        }
    o = extract({"verify", f.dir.str()}, f.env());
    EXPECT_EQ(o.code, 1);
    EXPECT_NE(o.out.find("FAILED "), std::string::npos) << o.out;
}

} // namespace
