// The growable buffer: growth rule, bounds on reads, big-endian helpers.
#include "util/str.h"

#include <gtest/gtest.h>

#include <cstring>
#include <endian.h>

namespace {

struct StrDeleter {
    void operator()(str_t *s) const { str_put(s); }
};
using StrPtr = std::unique_ptr<str_t, StrDeleter>;

TEST(Str, AddGrowsToSmallestPowerOfTwo)
{
    struct Case {
        int capacity, filled, add, expected_capacity;
    } cases[] = {
        {126, 126, 1, 128}, // a full 126-byte buffer grows to 128 for one more byte
        {0, 0, 1, 1},       {4, 4, 5, 16}, {128, 100, 28, 128}, {128, 100, 29, 256},
    };
    for (const auto &c : cases) {
        StrPtr s(str_get(c.capacity));
        ASSERT_TRUE(s);
        std::vector<uint8_t> fill(static_cast<size_t>(c.filled), 0xAB), more(static_cast<size_t>(c.add), 0xCD);
        if (c.filled) {
            ASSERT_EQ(str_add_data(s.get(), fill.data(), c.filled), 0);
        }
        ASSERT_EQ(str_add_data(s.get(), more.data(), c.add), 0);
        EXPECT_EQ(s->size, c.expected_capacity) << c.capacity << "+" << c.add;
        EXPECT_EQ(s->used, c.filled + c.add);
        EXPECT_EQ(s->buf[s->used - 1], 0xCD);
    }
}

TEST(Str, ReadsNeedTheBytesAndLeavePosOnShortRead)
{
    StrPtr s(str_get(0));
    ASSERT_EQ(str_add_u32(s.get(), htobe32(0x01020304u)), 0);
    ASSERT_EQ(str_add_u64(s.get(), htobe64(0x1122334455667788ull)), 0);
    uint32_t v32 = 0;
    uint64_t v64 = 0;
    EXPECT_EQ(str_get_be32toh(s.get(), &v32), 4);
    EXPECT_EQ(v32, 0x01020304u);
    EXPECT_EQ(str_get_be64toh(s.get(), &v64), 8);
    EXPECT_EQ(v64, 0x1122334455667788ull);
    uint8_t b = 0;
    EXPECT_EQ(str_get_u8(s.get(), &b), 0);
    EXPECT_EQ(s->pos, 12);
}

TEST(Str, JumpAndCopies)
{
    const char text[] = "abcdef";
    StrPtr s(str_copy_from_data(text, 6));
    ASSERT_TRUE(s);
    EXPECT_EQ(s->size, 6);
    EXPECT_EQ(s->used, 6);
    EXPECT_EQ(str_jump(s.get(), 7), -1);
    EXPECT_EQ(str_jump(s.get(), 2), 0);
    EXPECT_EQ(s->used, 2);
    str_reset(s.get());
    EXPECT_EQ(s->buf, nullptr);
    EXPECT_EQ(s->size + s->used + s->pos, 0);
}

} // namespace
