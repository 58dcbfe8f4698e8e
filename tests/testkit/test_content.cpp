// The test kit's content must be reproducible from a seed, or fixtures drift.
#include "testkit/tempdir.h"

#include <gtest/gtest.h>

using namespace orvex::testkit;

TEST(TestkitContent, SameSeedSameBytesOtherSeedOtherBytes)
{
    for (Content kind : {Content::Random, Content::Text, Content::Mixed}) {
        auto a = make_bytes(42, 70000, kind);
        EXPECT_EQ(a, make_bytes(42, 70000, kind));
        EXPECT_NE(a, make_bytes(43, 70000, kind));
    }
    EXPECT_EQ(make_bytes(1, 10, Content::Zeros), std::vector<uint8_t>(10, 0));
}

TEST(TestkitContent, TreeIsWrittenAndRemovedWithItsFolder)
{
    std::filesystem::path kept;
    {
        TempDir dir;
        kept = dir.path();
        auto files = write_tree(dir.path(), 7, 30, 4096);
        ASSERT_EQ(files.size(), 30u);
        for (const auto &f : files)
            EXPECT_TRUE(std::filesystem::is_regular_file(dir / f)) << f;
    }
    EXPECT_FALSE(std::filesystem::exists(kept));
}
