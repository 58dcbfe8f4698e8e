// Where orvex-extract keeps its working copies: a private folder of its own
// in TMPDIR, never the backup folder, even when TMPDIR cannot serve; and the
// folders of runs that were killed are removed by the next run, while those
// of runs still going, links and foreign names are left alone.
#include "cli_runner.h"
#include "testkit/tempdir.h"
#include "testkit/trellis.h"
#include "testkit/trellis_content.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>

namespace tk = orvex::testkit;
namespace tt = orvex::testkit::trellis;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> tree(const fs::path &dir)
{
    std::vector<std::string> out;
    for (const auto &e : fs::recursive_directory_iterator(dir))
        out.push_back(fs::relative(e.path(), dir).string());
    std::sort(out.begin(), out.end());
    return out;
}

// The id of a process that has ended (and was reaped).
pid_t ended_pid()
{
    pid_t pid = fork();
    if (pid == 0)
        _exit(0);
    int status = 0;
    waitpid(pid, &status, 0);
    return pid;
}

struct Backup {
    tk::TempDir dir{"cli-work-kit"};
    Backup()
    {
        tt::FolderOptions fo;
        fo.versions = 1;
        fo.files = 3;
        fo.max_file_size = 20000;
        tt::write_folder_with_content(dir.path(), fo, tt::ContentOptions{});
    }
};

TEST(CliWorkingFolder, ATemporaryFolderThatCannotServeStopsTheCommand)
{
    Backup b;
    const auto before = tree(b.dir.path());
    tk::TempDir scratch("cli-work-scratch");
    std::ofstream(scratch / "a-file") << "x";
    struct Case {
        const char *what;
        std::string tmpdir;
        const char *says;
    } cases[] = {
        {"missing", (scratch / "missing").string(), "does not exist or is not a folder"},
        {"a file", (scratch / "a-file").string(), "does not exist or is not a folder"},
        {"not writable", "/proc", "cannot create a working folder in the temporary folder /proc"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        tk::TempDir dest("cli-work-dest");
        auto r = orvex::test::extract({"restore", b.dir.str(), "--to", dest.str()},
                                      "TMPDIR=" + orvex::test::quote(c.tmpdir));
        EXPECT_EQ(r.code, 1) << r.err;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
        EXPECT_EQ(tree(b.dir.path()), before) << "nothing may be written into the backup folder";
        EXPECT_TRUE(tree(dest.path()).empty());
    }
}

TEST(CliWorkingFolder, FoldersOfRunsThatNoLongerRunAreRemoved)
{
    Backup b;
    tk::TempDir tmp("cli-work-tmp");
    tk::TempDir elsewhere("cli-work-elsewhere");
    std::ofstream(elsewhere / "precious") << "keep";
    const std::string dead = std::to_string(ended_pid());
    const std::string alive = std::to_string(getpid());
    struct Case {
        std::string name;
        bool link;
        bool removed;
    } cases[] = {
        {"orvex-extract-" + dead + "-a1B2c3", false, true},
        {"orvex-extract-" + alive + "-a1B2c3", false, false}, // its process still runs
        {"orvex-extract-" + dead + "-b1B2c3", true, false},   // a link is not ours to follow
        {"orvex-extract-" + dead + "-toolong", false, false},
        {"orvex-extract-x" + dead + "-a1B2c3", false, false},
        {"trellis-a1B2c3", false, false},
    };
    for (const Case &c : cases) {
        if (c.link) {
            fs::create_directory_symlink(elsewhere.path(), tmp / c.name);
        } else {
            fs::create_directories(tmp / c.name / "filedesc");
            std::ofstream(tmp / c.name / "filedesc" / "copy") << "left behind";
        }
    }
    tk::TempDir dest("cli-work-dest");
    auto r = orvex::test::extract({"restore", b.dir.str(), "--to", dest.str()}, "TMPDIR=" + tmp.str());
    EXPECT_EQ(r.code, 0) << r.err;
    for (const Case &c : cases)
        EXPECT_EQ(fs::exists(fs::symlink_status(tmp / c.name)), !c.removed) << c.name;
    EXPECT_TRUE(fs::exists(elsewhere / "precious"));
    // And its own folder is gone when it ends.
    size_t left = 0;
    for (const auto &e : fs::directory_iterator(tmp.path()))
        left += e.path().filename().string().rfind("orvex-extract-" + std::string(), 0) == 0 ? 1 : 0;
    EXPECT_EQ(left, 4u);
}

} // namespace
