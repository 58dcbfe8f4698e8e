// orvex-extract over Trellis backup folders written by the test kit: the JSON
// shapes against the kit's record for every version, the password sources,
// and the exit codes.
#include "cli_runner.h"
#include "testkit/tempdir.h"
#include "testkit/trellis.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sqlite3.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <chunk.h>
#include <compressor.h>
#include <header.h>
#include <vaultfile.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace tk = orvex::testkit;
namespace tt = orvex::testkit::trellis;
using nlohmann::json;

namespace {

using orvex::test::extract;
using orvex::test::Outcome;
using orvex::test::quote;
using orvex::test::slurp;

struct Backup {
    tk::TempDir dir{"cli-trellis"};
    tt::FolderManifest manifest;
    explicit Backup(const std::string &password = "", int versions = 4, uint64_t seed = 5)
    {
        tt::FolderOptions o;
        o.password = password;
        o.versions = versions;
        o.files = 40;
        o.seed = seed;
        manifest = tt::write_folder(dir.path(), o);
    }
    std::string path() const { return dir.str(); }
};

json entry_json(const tt::ManifestEntry &e)
{
    return {{"name", tt::base_name(e.path)}, {"type", e.is_dir ? "dir" : "file"}, {"size", e.size}, {"mtime", e.mtime}};
}

// What `ls -R --json` must print for a version, from the kit's record:
// depth first, children in listing order.
json expected_tree(const tt::VersionManifest &v)
{
    json all = json::array();
    std::vector<std::string> stack{"\\"};
    while (!stack.empty()) {
        std::string folder = stack.back();
        stack.pop_back();
        json entries = json::array();
        auto kids = tt::children(v, folder);
        for (const auto &e : kids)
            entries.push_back(entry_json(e));
        all.push_back({{"path", folder}, {"version", v.version}, {"entries", entries}});
        for (auto it = kids.rbegin(); it != kids.rend(); ++it)
            if (it->is_dir)
                stack.push_back(it->path);
    }
    return all;
}

} // namespace

TEST(CliTrellis, RecursiveListingMatchesTheKitRecordForEveryVersion)
{
    Backup b("s3cret pass", 5, 21);
    tk::TempDir pw("cli-pw");
    tk::write_file(pw / "pw", std::vector<uint8_t>{'s', '3', 'c', 'r', 'e', 't', ' ', 'p', 'a', 's', 's', '\n'});
    for (const auto &v : b.manifest.versions) {
        Outcome r = extract({"ls", b.path(), "-R", "--json", "--version", std::to_string(v.version), "--password-file",
                         (pw / "pw").string()});
        ASSERT_EQ(r.code, 0) << r.err;
        EXPECT_TRUE(r.err.empty()) << r.err;
        EXPECT_EQ(json::parse(r.out), expected_tree(v)) << "version " << v.version;
    }
}

TEST(CliTrellis, ShapesOfVersionsLsAndStat)
{
    Backup b;
    Outcome r = extract({"versions", b.path(), "--json"});
    ASSERT_EQ(r.code, 0) << r.err;
    json want = json::array();
    for (const auto &v : b.manifest.versions)
        want.push_back({{"version", v.version}, {"timestamp", v.timestamp}});
    EXPECT_EQ(json::parse(r.out), want);

    // Without --version: the newest; a path with '/' or extra separators is
    // the same folder.
    const auto &newest = b.manifest.versions.back();
    std::string folder;
    for (const auto &e : newest.entries)
        if (e.is_dir) {
            folder = e.path;
            break;
        }
    ASSERT_FALSE(folder.empty());
    std::string slashed = folder;
    for (char &c : slashed)
        if (c == '\\')
            c = '/';
    r = extract({"ls", b.path(), slashed + "/", "--json"});
    ASSERT_EQ(r.code, 0) << r.err;
    json got = json::parse(r.out);
    EXPECT_EQ(got["path"], folder);
    EXPECT_EQ(got["version"], newest.version);
    json entries = json::array();
    for (const auto &e : tt::children(newest, folder))
        entries.push_back(entry_json(e));
    EXPECT_EQ(got["entries"], entries);

    r = extract({"stat", b.path(), "\\", "--version", "1", "--json"});
    ASSERT_EQ(r.code, 0) << r.err;
    int files = 0, dirs = 0;
    long long bytes = 0;
    for (const auto &e : b.manifest.versions[0].entries) {
        (e.is_dir ? dirs : files) += 1;
        bytes += e.is_dir ? 0 : static_cast<long long>(e.size);
    }
    EXPECT_EQ(json::parse(r.out),
              (json{{"path", "\\"}, {"folder_count", dirs}, {"file_count", files}, {"total_size", bytes}}));

    // Plain text output works too.
    r = extract({"ls", b.path(), "-R"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("\\:"), std::string::npos);
}

TEST(CliTrellis, PasswordSourcesAndExitCodes)
{
    Backup b("hunter-Zq9");
    tk::TempDir files("cli-pw");
    tk::write_file(files / "right", std::vector<uint8_t>{'h', 'u', 'n', 't', 'e', 'r', '-', 'Z', 'q', '9', '\r', '\n'});
    tk::write_file(files / "wrong", std::vector<uint8_t>{'n', 'o', '\n'});
    struct Case {
        const char *what;
        std::vector<std::string> args;
        std::string env;
        int code;
    } cases[] = {
        {"password from a file (CR LF line)", {"versions", b.path(), "--password-file", (files / "right").string()}, "", 0},
        {"password from the environment", {"versions", b.path()}, "ORVEX_PASSWORD=hunter-Zq9", 0},
        {"file wins over the environment", {"versions", b.path(), "--password-file", (files / "right").string()}, "ORVEX_PASSWORD=no", 0},
        {"no password and no terminal", {"versions", b.path()}, "", 3},
        {"wrong password", {"ls", b.path(), "--password-file", (files / "wrong").string()}, "", 3},
        {"unreadable password file", {"ls", b.path(), "--password-file", (files / "none").string()}, "", 1},
        {"no such folder", {"ls", b.path() + "/nope"}, "ORVEX_PASSWORD=hunter-Zq9", 4},
        {"no such path", {"ls", b.path(), "\\no\\such"}, "ORVEX_PASSWORD=hunter-Zq9", 4},
        {"no such version", {"ls", b.path(), "--version", "99"}, "ORVEX_PASSWORD=hunter-Zq9", 4},
        {"stat of a missing path", {"stat", b.path(), "\\nope"}, "ORVEX_PASSWORD=hunter-Zq9", 4},
        {"no password option on the command line", {"ls", b.path(), "--password", "hunter-Zq9"}, "", 2},
        {"unknown command", {"frobnicate"}, "", 2},
        {"missing folder argument", {"ls"}, "", 2},
    };
    for (const auto &c : cases) {
        Outcome r = extract(c.args, c.env);
        EXPECT_EQ(r.code, c.code) << c.what << ": " << r.err;
        if (c.code != 0 && c.code != 2) {
            // One line on stderr, never the password.
            EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << c.what << ": " << r.err;
            EXPECT_EQ(r.err.find("hunter-Zq9"), std::string::npos) << c.what;
        }
    }
}

TEST(CliTrellis, FolderNamesThatCannotBePathsDoNotLoopTheTree)
{
    // A folder with an empty name resolves to its parent again; one with a
    // backslash to somewhere else. -R reports them instead of looping.
    tk::TempDir dir("cli-hostile");
    tt::write_job_info(dir.path(), tt::make_job_id(1), "", tt::InfoForm::KeyValue);
    {
        tt::Catalogue c(dir / tt::full_name(1), false);
        c.add_version(1, 1700000000, 1700000100, 1);
        c.add_path(std::nullopt, "", 1);
        tt::HistoryRow d;
        d.is_dir = true;
        d.attr = tt::make_attr(0, 0);
        for (auto [id, name] : {std::pair<int64_t, std::string>{2, ""}, {3, "a\\b"}, {4, "ok"}}) {
            c.add_path(1, name, id);
            d.path_id = id;
            c.add_history(d);
        }
    }
    Outcome r = extract({"ls", dir.str(), "-R", "--json"});
    EXPECT_EQ(r.code, 1);
    json got = json::parse(r.out);
    ASSERT_EQ(got.size(), 2u); // the root and "ok"
    EXPECT_EQ(got[1]["path"], "\\ok");
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 2) << r.err;
}

TEST(CliTrellis, JsonListingWritesEveryNameAsTheJsonLibraryDoes)
{
    // The listing is written as it goes rather than dumped whole; every
    // name that needs escaping (quotes, control bytes, bytes that are not
    // UTF-8) must still come out byte for byte as the JSON library writes it.
    struct Name {
        std::string name;
        bool dir;
        uint64_t size;
        int64_t mtime;
    };
    const std::vector<Name> names = {
        {"plain.txt", false, 1, 1600000000},   {"say \"hi\"", false, 2, 1600000001},
        {"tab\there", false, 3, 4102444800},   {std::string("ctl\x01\x1f", 5), false, 4, 0},
        {"bad\xff\xfe-utf8", false, 5, 7},     {"r\xc3\xa9sum\xc3\xa9", false, 6, 8},
        {"del\x7f/slash", false, 7, 9},        {"dir \"q\"", true, 0, 10},
        {"\xe6\x97\xa5\xe6\x9c\xac", true, 0, 11},
    };
    tk::TempDir dir("cli-json-names");
    tt::write_job_info(dir.path(), tt::make_job_id(3), "", tt::InfoForm::KeyValue);
    {
        tt::Catalogue c(dir / tt::full_name(1), false);
        c.add_version(1, 1700000000, 1700000100, 1);
        const int64_t root = c.add_path(std::nullopt, "", 1);
        tt::HistoryRow h;
        h.path_id = root;
        h.is_dir = true;
        h.attr = tt::make_attr(0, 0, 32);
        c.add_history(h);
        int64_t id = 2;
        for (const Name &n : names) {
            c.add_path(root, n.name, id);
            h.path_id = id;
            h.is_dir = n.dir;
            h.attr = tt::make_attr(n.size, n.mtime, 32);
            c.add_history(h);
            if (n.dir) { // one file in each folder, named like its folder
                c.add_path(id, n.name, id + 100);
                h.path_id = id + 100;
                h.is_dir = false;
                h.attr = tt::make_attr(1, 1, 32);
                c.add_history(h);
            }
            ++id;
        }
    }

    // Files first, then folders, each in byte order; depth first.
    using ojson = nlohmann::ordered_json;
    auto entry = [](const std::string &name, bool is_dir, uint64_t size, int64_t mtime) {
        ojson e;
        e["name"] = name;
        e["type"] = is_dir ? "dir" : "file";
        e["size"] = size;
        e["mtime"] = mtime;
        return e;
    };
    auto folder = [](const std::string &path, const ojson &entries) {
        ojson f;
        f["path"] = path;
        f["version"] = 1;
        f["entries"] = entries;
        return f;
    };
    std::vector<Name> sorted = names;
    std::sort(sorted.begin(), sorted.end(), [](const Name &a, const Name &b) {
        return a.dir != b.dir ? !a.dir : a.name < b.name;
    });
    ojson root_entries = ojson::array();
    for (const Name &n : sorted)
        root_entries.push_back(entry(n.name, n.dir, n.size, n.mtime));
    ojson tree = ojson::array({folder("\\", root_entries)});
    for (const Name &n : sorted)
        if (n.dir)
            tree.push_back(folder("\\" + n.name, ojson::array({entry(n.name, false, 1, 1)})));
    auto dump = [](const ojson &j) { return j.dump(-1, ' ', false, ojson::error_handler_t::replace) + "\n"; };

    Outcome r = extract({"ls", dir.str(), "--json"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, dump(tree[0]));
    r = extract({"ls", dir.str(), "-R", "--json"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, dump(tree));
}

TEST(CliTrellis, MkbackupWritesAFolderAndItsRecord)
{
    tk::TempDir dir("cli-mk");
    const std::string folder = (dir / "backup").string(), record = (dir / "record.json").string();
    std::string cmd = quote(ORVEX_MKBACKUP_EXE) + " trellis " + quote(folder) +
                      " --password Mk-Pw-3 --versions 3 --files 15 --seed 4 --json-info --manifest " + quote(record) +
                      " >/dev/null";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    json rec = json::parse(slurp(record));
    ASSERT_EQ(rec["versions"].size(), 3u);
    for (const auto &v : rec["versions"]) {
        Outcome r = extract({"stat", folder, "--version", std::to_string(v["version"].get<int>()), "--json"},
                            "ORVEX_PASSWORD=Mk-Pw-3");
        ASSERT_EQ(r.code, 0) << r.err;
        int files = 0, dirs = 0;
        long long bytes = 0;
        for (const auto &e : v["entries"]) {
            bool is_dir = e["type"] == "dir";
            (is_dir ? dirs : files) += 1;
            bytes += is_dir ? 0 : e["size"].get<long long>();
        }
        json got = json::parse(r.out);
        EXPECT_EQ(got["folder_count"], dirs);
        EXPECT_EQ(got["file_count"], files);
        EXPECT_EQ(got["total_size"], bytes);
    }
}

namespace {

// The compression method of a vault's header and of each of its chunks.
struct VaultMethods {
    int vault = -1;
    std::vector<int> chunks;
};

VaultMethods vault_methods(const std::filesystem::path &vault)
{
    VaultMethods got;
    int fd = ::open(vault.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return got;
    if (auto *hdr = static_cast<filehdr_t *>(header_get(FMT_VAULT, fd, 0, nullptr, 0))) {
        got.vault = hdr->cmp_algo;
        header_put(hdr, FMT_VAULT);
    }
    int n = 0;
    vault_chunk_info_t *info = vaultfile_get_chunk_info(vault.c_str(), &n);
    for (int i = 0; info && i < n; ++i)
        if (auto *ch = static_cast<chunk_hdr_t *>(header_get(FMT_CHUNK, fd, info[i].voffset, nullptr, 0))) {
            got.chunks.push_back(ch->cmp_algo);
            header_put(ch, FMT_CHUNK);
        }
    std::free(info);
    ::close(fd);
    return got;
}

} // namespace

// --compress names one method for every ovt chunk and the vault headers (a chunk
// that does not shrink is stored plain, method 0); the folder restores intact.
TEST(CliTrellis, MkbackupCompressStoresEveryOvtChunkWithTheNamedMethod)
{
    struct Case {
        const char *name;
        int method;
    };
    for (Case c : {Case{"zstd", COMPRESSION_ZSTD}, Case{"lz4", COMPRESSION_LZ4}, Case{"none", COMPRESSION_NONE}}) {
        SCOPED_TRACE(c.name);
        tk::TempDir dir("cli-mk-compress");
        const std::string folder = (dir / "backup").string();
        std::string cmd = quote(ORVEX_MKBACKUP_EXE) + " trellis " + quote(folder) +
                          " --password Mk-Pw-4 --versions 1 --no-diff --files 12 --vaults ovt --compress " + c.name +
                          " >/dev/null";
        ASSERT_EQ(std::system(cmd.c_str()), 0);
        int vaults = 0, named = 0;
        for (const auto &e : std::filesystem::recursive_directory_iterator(folder)) {
            if (e.path().extension() != ".ovt")
                continue;
            ++vaults;
            VaultMethods m = vault_methods(e.path());
            EXPECT_EQ(m.vault, c.method) << e.path();
            ASSERT_FALSE(m.chunks.empty()) << e.path();
            for (int got : m.chunks) {
                EXPECT_TRUE(got == c.method || got == COMPRESSION_NONE) << e.path() << ": method " << got;
                named += got == c.method;
            }
        }
        EXPECT_GT(vaults, 0);
        EXPECT_GT(named, 0);
        Outcome r = extract({"verify", folder}, "ORVEX_PASSWORD=Mk-Pw-4");
        EXPECT_EQ(r.code, 0) << r.err;
    }
    std::string bad = quote(ORVEX_MKBACKUP_EXE) + " trellis /nonexistent/never --compress zstd9 >/dev/null 2>&1";
    EXPECT_NE(std::system(bad.c_str()), 0);
}
