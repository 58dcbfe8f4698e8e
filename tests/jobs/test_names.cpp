// The rename policy's names, the check that a catalogue name can become a
// file name, and names made safe for a terminal.
#include "names.h"

#include <gtest/gtest.h>

#include <set>

namespace ot = orvex::jobs;

TEST(JobNames, RenamedNames)
{
    struct Case {
        const char *name;
        unsigned n;
        const char *want;
    } cases[] = {{"a.txt", 1, "a_1.txt"},         {"a.txt", 12, "a_12.txt"},   {"README", 1, "README_1"},
                 {".profile", 2, ".profile_2"},   {"x.tar.gz", 1, "x.tar_1.gz"}, {"trailing.", 1, "trailing_1."}};
    for (const auto &c : cases)
        EXPECT_EQ(ot::conflict_name(c.name, c.n), c.want) << c.name;
    std::set<std::string> taken{"a.txt", "a_1.txt", "a_2.txt"};
    EXPECT_EQ(ot::next_free_name("a.txt", [&](const std::string &s) { return taken.count(s) > 0; }), "a_3.txt");
    EXPECT_EQ(ot::next_free_name("a.txt", [](const std::string &) { return true; }, 5), "");
}

TEST(JobNames, SafeEntryNames)
{
    for (const char *bad : {"", ".", "..", "a/b", "a\\b", "/abs", "\\abs"})
        EXPECT_FALSE(ot::is_safe_entry_name(bad)) << bad;
    for (const char *good : {"a", "...", ".hidden", "日本語", "a b", "..x"})
        EXPECT_TRUE(ot::is_safe_entry_name(good)) << good;
    EXPECT_FALSE(ot::is_safe_entry_name(std::string("a\0b", 3)));
    // A name no file system takes fails clearly instead of at the write.
    EXPECT_TRUE(ot::is_safe_entry_name(std::string(255, 'n')));
    EXPECT_NE(ot::unsafe_name_reason(std::string(256, 'n')).find("255 bytes"), std::string::npos);
}

TEST(JobNames, PrintableEscapesControlCharacters)
{
    EXPECT_EQ(ot::printable("a\x1b[2Jb\nc\x7f"), "a\\x1b[2Jb\\x0ac\\x7f");
    EXPECT_EQ(ot::printable("日本語 ok"), "日本語 ok");
    // C1 controls (CSI is U+009B) and bytes that are not UTF-8.
    EXPECT_EQ(ot::printable("a\xc2\x9b" "2Jb\xc2\xa0"), "a\\u009b2Jb\xc2\xa0");
    EXPECT_EQ(ot::printable("x\xff\xc3(\xed\xa0\x80"), "x\\xff\\xc3(\\xed\\xa0\\x80");
}
