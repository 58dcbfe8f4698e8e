// Random names and identifiers, extension tests, string ownership helpers.
#include "util/syscall.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <regex>
#include <set>
#include <string>

namespace {

struct FreeDeleter {
    void operator()(char *p) const { std::free(p); }
};
using CStr = std::unique_ptr<char, FreeDeleter>;

TEST(DotRandomString, FormatAndNoRepeatWithinOneSecond)
{
    const std::regex format(R"(\.[A-Za-z0-9]{15})");
    std::set<std::string> seen;
    std::set<char> chars;
    // Far fewer than a second's worth of calls: a time-seeded generator would
    // hand out the same name again.
    for (int i = 0; i < 2000; ++i) {
        CStr s(dot_random_string());
        ASSERT_TRUE(s);
        ASSERT_TRUE(std::regex_match(s.get(), format)) << s.get();
        EXPECT_TRUE(seen.insert(s.get()).second) << "repeated " << s.get();
        chars.insert(s.get() + 1, s.get() + 16);
    }
    EXPECT_EQ(chars.size(), 62u); // the whole alphabet is in use
}

TEST(UuidGet, Version4WithVariantBits)
{
    const std::regex format(R"([0-9a-f]{8}-[0-9a-f]{4}-4[0-9a-f]{3}-[89ab][0-9a-f]{3}-[0-9a-f]{12})");
    std::set<std::string> seen;
    std::set<char> variants;
    for (int i = 0; i < 1000; ++i) {
        CStr u(uuid_get());
        ASSERT_TRUE(u);
        ASSERT_EQ(std::strlen(u.get()), 36u);
        ASSERT_TRUE(std::regex_match(u.get(), format)) << u.get();
        EXPECT_TRUE(seen.insert(u.get()).second) << "repeated " << u.get();
        variants.insert(u.get()[19]);
    }
    EXPECT_EQ(variants, (std::set<char>{'8', '9', 'a', 'b'}));
}

TEST(Extension, CheckAndRemove)
{
    struct Case {
        const char *path, *ext;
        int check;
        const char *removed; // NULL: remove_extension gives NULL
    } cases[] = {
        {"a.ovt", "ovt", 0, "a"},
        {"x#b48c.ovd", "#b48c.ovd", 0, "x"},
        {"a.b.ovt", "ovt", 0, "a.b"},
        {"a..ovt", "ovt", 1, nullptr},
        {"a.ovt", "ovd", 1, nullptr},
        {"a.ovt", "", 1, nullptr},
        {".ovt", "ovt", 1, nullptr},        // a hidden name has no extension
        {"dir\\.ovt", "ovt", 1, nullptr},   // nor in a folder
        {"d.ovt\\file", "ovt", 1, nullptr}, // only the last component counts
        {"d\\v\\1.tvt", "tvt", 0, "d\\v\\1"},
        {"d/v/1.tvt", "tvt", 0, "d/v/1"},
        {"#b48c.ovd", "#b48c.ovd", 0, nullptr}, // nothing would remain
        {"x#b48c.ovd-shm", "#b48c.ovd", 1, nullptr},
        {"noext", "noext", 1, nullptr},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(check_extension(c.path, c.ext), c.check) << c.path << " / " << c.ext;
        std::string buf(c.path);
        char *r = remove_extension(buf.data(), c.ext);
        if (c.removed) {
            ASSERT_EQ(r, buf.data()) << c.path;
            EXPECT_STREQ(r, c.removed);
        } else {
            EXPECT_EQ(r, nullptr) << c.path << " / " << c.ext;
        }
    }
    EXPECT_EQ(check_extension(nullptr, "ovt"), 1);
    EXPECT_EQ(remove_extension(nullptr, "ovt"), nullptr);
}

TEST(Strings, AssignAndMoveOwnership)
{
    char *s = nullptr;
    ASSERT_EQ(assign_string(&s, "first"), 0);
    EXPECT_STREQ(s, "first");
    ASSERT_EQ(assign_string(&s, "second"), 0); // the old copy is released (ASan reports a leak otherwise)
    EXPECT_STREQ(s, "second");
    ASSERT_EQ(assign_string(&s, nullptr), 0);
    EXPECT_EQ(s, nullptr);
    EXPECT_EQ(assign_string(nullptr, "x"), -1);

    char *src = strdup("moved");
    char *dest = strdup("replaced");
    move_string(&dest, &src);
    EXPECT_STREQ(dest, "moved");
    EXPECT_EQ(src, nullptr);
    move_string(&dest, &dest); // moving onto itself keeps the string
    EXPECT_STREQ(dest, "moved");
    std::free(dest);
}

} // namespace
