// orvex-extract find, history, diff and cat over the test kit's history folder
// (see testkit/trellis_history.h) and over content folders: JSON shapes, text
// lines, exit codes, escaped names, exact bytes, damaged chunks and the
// refusal to write bytes to a terminal.
#include "cli_runner.h"
#include "testkit/tempdir.h"
#include "testkit/trellis.h"
#include "testkit/trellis_content.h"
#include "testkit/trellis_history.h"
#include "testkit/trellis_inspect.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>

#include <pty.h>
#include <termios.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tk = orvex::testkit;
namespace tt = orvex::testkit::trellis;
using nlohmann::json;
using orvex::test::extract;
using orvex::test::Outcome;

namespace {

// The history folder with contents, so that cat has bytes to show.
struct HistoryBackup {
    tk::TempDir dir{"cli-history"};
    std::unique_ptr<tt::ContentWriter> content;
    HistoryBackup()
    {
        tt::ContentOptions co;
        co.min_chunk = 4;
        co.max_chunk = 16;
        content = std::make_unique<tt::ContentWriter>(dir.path(), co);
        tt::write_history_folder(dir.path(),
                                 [&](const std::string &p, tt::HistoryRow &r, uint64_t s) { content->add(p, r, s); });
        content->finish();
    }
    std::string path() const { return dir.str(); }
};

json parse(const Outcome &r)
{
    return json::parse(r.out, nullptr, false);
}

TEST(CliExplore, FindHistoryAndDiffInJson)
{
    HistoryBackup b;
    const json file_a1 = {{"version", 1}, {"path", "\\docs\\a.txt"}, {"type", "file"}, {"size", 10},
                          {"mtime", tt::history_mtime(1)}};
    struct Case {
        std::vector<std::string> args;
        json want;
    } cases[] = {
        {{"find", "a.txt", "--version", "1"}, json::array({file_a1})},
        {{"find", "*.txt", "--version", "3"},
         json::array({{{"version", 3}, {"path", "\\docs\\a.txt"}, {"type", "file"}, {"size", 20},
                       {"mtime", tt::history_mtime(2)}},
                      {{"version", 3}, {"path", "\\docs\\keep.txt"}, {"type", "file"}, {"size", 1},
                       {"mtime", tt::history_mtime(1)}},
                      {{"version", 3}, {"path", "\\dup.txt"}, {"type", "file"}, {"size", 6},
                       {"mtime", tt::history_mtime(3)}}})},
        {{"find", "RÉSUMÉ.txt", "-i"}, // the newest version by default
         json::array({{{"version", 5}, {"path", "\\日本語\\résumé.TXT"}, {"type", "file"}, {"size", 3},
                       {"mtime", tt::history_mtime(1)}}})},
        {{"find", "/docs/a*", "--path", "--version", "1"}, json::array({file_a1})},
        {{"find", "nothing*"}, json::array()},
        {{"find", "thing", "--all-versions"},
         json::array({{{"version", 1}, {"path", "\\thing"}, {"type", "dir"}, {"size", 0},
                       {"mtime", tt::history_mtime(1)}},
                      {{"version", 3}, {"path", "\\thing"}, {"type", "file"}, {"size", 7},
                       {"mtime", tt::history_mtime(3)}}})},
        {{"history", "/docs/a.txt"},
         json::array({
             {{"version", 1}, {"time", 1700086400}, {"state", "added"}, {"type", "file"}, {"size", 10},
              {"mtime", tt::history_mtime(1)}},
             {{"version", 2}, {"time", 1700172800}, {"state", "changed"}, {"type", "file"}, {"size", 20},
              {"mtime", tt::history_mtime(2)}},
             {{"version", 3}, {"time", 1700259200}, {"state", "unchanged"}, {"type", "file"}, {"size", 20},
              {"mtime", tt::history_mtime(2)}},
             {{"version", 4}, {"time", 1700345600}, {"state", "deleted"}},
             {{"version", 5}, {"time", 1700432000}, {"state", "added"}, {"type", "file"}, {"size", 30},
              {"mtime", tt::history_mtime(5)}},
         })},
        {{"diff", "1", "3"},
         {{"added", json::array()},
          {"deleted", {"\\gone", "\\gone\\x.bin", "\\thing\\inner.txt"}},
          {"changed", {"\\docs\\a.txt", "\\dup.txt", "\\thing"}}}},
        {{"diff", "2", "2"}, {{"added", json::array()}, {"deleted", json::array()}, {"changed", json::array()}}},
    };
    for (const Case &c : cases) {
        std::vector<std::string> args = c.args;
        args.insert(args.begin() + 1, b.path());
        args.push_back("--json");
        SCOPED_TRACE(args[0] + " " + args[2]);
        Outcome r = extract(args);
        ASSERT_EQ(r.code, 0) << r.err;
        EXPECT_EQ(parse(r), c.want) << r.out;
    }
}

TEST(CliExplore, TextLinesAndExitCodes)
{
    HistoryBackup b;
    struct Case {
        std::vector<std::string> args;
        int code;
        std::string out; // exact standard output (when `code` is 0)
    } cases[] = {
        {{"diff", "3", "1"},
         0,
         "M \\docs\\a.txt\nM \\dup.txt\n+ \\gone\n+ \\gone\\x.bin\nM \\thing\n+ \\thing\\inner.txt\n"},
        {{"history", "\\gone\\x.bin"},
         0,
         "     1  2023-11-15 22:13:20 UTC  added      -              4  2020-09-13 12:26:41\n"
         "     2  2023-11-16 22:13:20 UTC  deleted\n"},
        {{"find", "x.bin", "--version", "1"}, 0, "     1  -              4  2020-09-13 12:26:41  \\gone\\x.bin\n"},
        {{"find", "*", "--version", "99"}, 4, ""},
        {{"find", "*", "--version", "1", "--all-versions"}, 2, ""},
        {{"history", "\\no\\such"}, 4, ""},
        {{"diff", "1", "99"}, 4, ""},
        {{"cat", "\\no\\such"}, 4, ""},
        {{"cat", "\\docs"}, 1, ""},
        {{"cat", "\\docs\\a.txt", "--version", "4"}, 4, ""}, // deleted there
    };
    for (const Case &c : cases) {
        std::vector<std::string> args = c.args;
        args.insert(args.begin() + 1, b.path());
        SCOPED_TRACE(args[0] + " " + args[2]);
        Outcome r = extract(args);
        EXPECT_EQ(r.code, c.code) << r.err;
        if (c.code == 0)
            EXPECT_EQ(r.out, c.out);
        else
            EXPECT_FALSE(r.err.empty());
    }
}

TEST(CliExplore, ControlCharactersOfNamesAreShownEscaped)
{
    tk::TempDir dir("cli-hostile");
    {
        tt::Catalogue c(dir / tt::full_name(1), false);
        c.add_version(1, 1700000000, 1700000600, 1);
        const int64_t root = c.add_path(std::nullopt, "", 1);
        tt::HistoryRow h;
        h.path_id = c.add_path(root, "evil\x1b[2J\x07\xc2\x9b.txt");
        h.attr = tt::make_attr(0, 1600000000, 24);
        c.add_history(h);
    }
    tt::write_job_info(dir.path(), tt::make_job_id(3), "", tt::InfoForm::KeyValue);
    Outcome r = extract({"find", dir.str(), "evil*"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("\\evil\\x1b[2J\\x07\\u009b.txt\n"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find('\x1b'), std::string::npos);
    r = extract({"find", dir.str(), "evil*", "--json"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(parse(r)[0]["path"], "\\evil\x1b[2J\x07\xc2\x9b.txt");
}

TEST(CliExplore, CatWritesTheExactBytesOfEachVersion)
{
    HistoryBackup b;
    struct Case {
        const char *path;
        int version;
    } cases[] = {{"\\docs\\a.txt", 1}, {"\\docs\\a.txt", 2}, {"\\docs\\a.txt", 5}, {"/thing", 3},
                 {"\\日本語\\résumé.TXT", 5}, {"\\dup.txt", 1}, {"\\dup.txt", 3}};
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.path) + " v" + std::to_string(c.version));
        Outcome r = extract({"cat", b.path(), c.path, "--version", std::to_string(c.version)});
        ASSERT_EQ(r.code, 0) << r.err;
        std::string want_path = c.path;
        std::replace(want_path.begin(), want_path.end(), '/', '\\');
        const auto want = b.content->content(want_path, c.version);
        EXPECT_EQ(r.out, std::string(want.begin(), want.end()));
        EXPECT_TRUE(r.err.empty()) << r.err;
    }
}

TEST(CliExplore, CatOfADamagedChunkFailsLoudlyAfterTheGoodBytes)
{
    tk::TempDir dir("cli-damaged");
    tt::FolderOptions fo;
    fo.versions = 1;
    fo.files = 6;
    fo.max_file_size = 300000;
    fo.differential = false;
    tt::ContentOptions co;
    co.placement = tt::Placement::Ovt;
    co.repeat_percent = 0;
    auto kit = tt::write_folder_with_content(dir.path(), fo, co);
    const tt::ManifestEntry *file = nullptr;
    for (const auto &e : kit.manifest.versions[0].entries)
        if (!e.is_dir && (!file || e.size > file->size))
            file = &e;
    ASSERT_NE(file, nullptr);
    const auto chunks = tt::file_chunks(dir.path(), file->path, 1);
    ASSERT_GE(chunks.size(), 3u);
    tt::damage_ovt_chunk(dir.path(), chunks.back());

    Outcome r = extract({"cat", dir.str(), file->path});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("damaged"), std::string::npos) << r.err;
    // Never a wrong byte: what came out is the start of the file, short of
    // the damaged chunk.
    const auto want = kit.contents->content(file->path, 1);
    EXPECT_LE(r.out.size(), static_cast<size_t>(chunks.back().file_offset));
    EXPECT_EQ(r.out, std::string(want.begin(), want.begin() + static_cast<long>(r.out.size())));
}

// Chunks whose digest field is all zero are read unchecked: cat gives their
// bytes and says how many could not be checked, as verify does.
TEST(CliExplore, CatNotesChunksThatCarryNoDigest)
{
    tk::TempDir dir("cli-unchecked");
    tt::FolderOptions fo;
    fo.versions = 1;
    fo.files = 4;
    fo.max_file_size = 200000;
    fo.differential = false;
    tt::ContentOptions co;
    co.placement = tt::Placement::Tvt;
    co.tvt_digest = tt::TvtDigestField::Zero;
    co.repeat_percent = 0; // every chunk read once
    auto kit = tt::write_folder_with_content(dir.path(), fo, co);
    const tt::ManifestEntry *file = nullptr;
    for (const auto &e : kit.manifest.versions[0].entries)
        if (!e.is_dir && !e.is_link && (!file || e.size > file->size))
            file = &e;
    ASSERT_NE(file, nullptr);
    const auto chunks = tt::file_chunks(dir.path(), file->path, 1);
    ASSERT_GE(chunks.size(), 2u);

    Outcome r = extract({"cat", dir.str(), file->path});
    ASSERT_EQ(r.code, 0) << r.err;
    const auto want = kit.contents->content(file->path, 1);
    EXPECT_EQ(r.out, std::string(want.begin(), want.end()));
    EXPECT_NE(r.err.find("note: " + std::to_string(chunks.size()) + " chunks carry no digest"), std::string::npos)
        << r.err;
}

// Runs orvex-extract with its standard output on a terminal; the exit code.
int on_terminal(const std::vector<std::string> &args, std::string &seen)
{
    int master = -1;
    termios raw{};
    cfmakeraw(&raw); // bytes as they are, no line-ending translation
    pid_t pid = forkpty(&master, nullptr, &raw, nullptr);
    if (pid == 0) {
        std::vector<char *> argv{const_cast<char *>(ORVEX_EXTRACT_EXE)};
        for (const auto &a : args)
            argv.push_back(const_cast<char *>(a.c_str()));
        argv.push_back(nullptr);
        execv(ORVEX_EXTRACT_EXE, argv.data());
        _exit(127);
    }
    char buf[4096];
    ssize_t n;
    while ((n = read(master, buf, sizeof buf)) > 0)
        seen.append(buf, static_cast<size_t>(n));
    int status = 0;
    waitpid(pid, &status, 0);
    close(master);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(CliExplore, CatRefusesATerminalUnlessForced)
{
    HistoryBackup b;
    std::string seen;
    EXPECT_EQ(on_terminal({"cat", b.path(), "\\docs\\keep.txt"}, seen), 2);
    EXPECT_NE(seen.find("terminal"), std::string::npos) << seen;
    seen.clear();
    EXPECT_EQ(on_terminal({"cat", b.path(), "\\docs\\keep.txt", "--force"}, seen), 0);
    const auto want = b.content->content("\\docs\\keep.txt", 1);
    EXPECT_EQ(seen, std::string(want.begin(), want.end()));
}

} // namespace
