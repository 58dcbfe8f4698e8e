// The spill of expanded folders: entries come back in order and unchanged
// whatever their names hold, reads interleave with appends, the file is
// private and goes away with the spill, and lines that are not entries are
// refused.
#include "spill.h"
#include "testkit/tempdir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <system_error>

#include <sys/stat.h>

namespace oj = orvex::jobs;
namespace fs = std::filesystem;

TEST(JobSpill, EntriesComeBackInOrderWhateverTheirNamesHold)
{
    orvex::testkit::TempDir dir("spill");
    const std::string path = (dir / "Job7.jobi").string();
    std::vector<oj::SpillEntry> want;
    const char *names[] = {"plain", "semi; colon", "new\nline", "per%cent", "%3B literal", "] ends", "日本語"};
    for (int i = 0; i < 700; ++i) {
        oj::SpillEntry e;
        e.version = i % 3;
        e.source = std::string("\\dir\\") + names[i % 7] + std::to_string(i);
        e.destination = "/dest/" + std::string(names[i % 7]);
        e.is_dir = i % 5 == 0;
        e.size = (1LL << 40) + i;
        e.mtime = 4102444800LL + i; // past 2038
        want.push_back(e);
    }
    std::vector<oj::SpillEntry> got, batch;
    {
        oj::Spill spill(path);
        struct stat sb;
        ASSERT_EQ(::stat(path.c_str(), &sb), 0);
        EXPECT_EQ(sb.st_mode & 0777, 0600u);
        // Reads catch up with appends in between.
        for (size_t i = 0; i < want.size(); ++i) {
            spill.append(want[i]);
            if (i % 97 == 0)
                while (spill.read_batch(batch, 13) > 0)
                    got.insert(got.end(), batch.begin(), batch.end());
        }
        while (spill.read_batch(batch, 64) > 0)
            got.insert(got.end(), batch.begin(), batch.end());
        EXPECT_EQ(spill.pending(), 0);
    }
    EXPECT_FALSE(fs::exists(path));
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(got[i].source, want[i].source) << i;
        EXPECT_EQ(got[i].destination, want[i].destination) << i;
        EXPECT_EQ(got[i].version, want[i].version);
        EXPECT_EQ(got[i].is_dir, want[i].is_dir);
        EXPECT_EQ(got[i].size, want[i].size);
        EXPECT_EQ(got[i].mtime, want[i].mtime);
    }
}

TEST(JobSpill, LinesThatAreNotEntries)
{
    oj::SpillEntry e;
    EXPECT_TRUE(oj::Spill::parse("[ source=\\a; destination=/d/a; version=3 ]", e));
    EXPECT_TRUE(e.is_dir) << "a line with three fields names a folder to expand";
    for (const char *bad : {"", "source=\\a; destination=/d; version=1", "[ source=\\a; destination=/d ]",
                            "[ source=\\a; destination=/d; version=x ]", "[ source=\\a; destination=/d; version=-1 ]",
                            "[ source=\\a; destination=/d; version=1; type=2 ]",
                            "[ source=\\a; destination=/d; version=1; size=99999999999999999999 ]"})
        EXPECT_FALSE(oj::Spill::parse(bad, e)) << bad;
}

TEST(JobSpill, AStaleFileOrLinkInItsPlaceIsNotWrittenThrough)
{
    orvex::testkit::TempDir dir("spill-link");
    fs::path target = dir / "target";
    { std::ofstream(target) << "keep"; }
    fs::create_symlink(target, dir / "Job1.jobi");
    {
        oj::Spill spill((dir / "Job1.jobi").string());
        spill.append({1, "\\a", "/d/a", false, 1, 1});
        std::vector<oj::SpillEntry> b;
        EXPECT_EQ(spill.read_batch(b, 10), 1u);
    }
    std::ifstream in(target);
    std::string text;
    std::getline(in, text);
    EXPECT_EQ(text, "keep");
}
