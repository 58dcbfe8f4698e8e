// Bitmap capacity rules, bit layout and growth.
#include "bitmap.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace {

TEST(Bitmap, CapacityIsWholeBytes)
{
    bitmap_t *bm = bitmap_create(9, BITMAP_SIMPLE);
    ASSERT_TRUE(bm);
    EXPECT_EQ(bm->num_bytes, 2u);
    EXPECT_EQ(bm->num_bits, 16u);
    EXPECT_EQ(bm->num_used_bits, 9u);
    EXPECT_EQ(read_bit(bm, 3), EMPTY_BIT);
    EXPECT_EQ(read_bit(bm, 15), EMPTY_BIT);
    EXPECT_EQ(read_bit(bm, 16), NO_BIT) << "index 8 x num_bytes is beyond the bitmap";
    bitmap_destroy(bm);

    bitmap_t *none = bitmap_create(0, BITMAP_SIMPLE);
    ASSERT_TRUE(none);
    EXPECT_EQ(none->ptr, nullptr);
    EXPECT_EQ(read_bit(none, 0), -1);
    EXPECT_EQ(mark_bit(none, 0, BITMAP_SIMPLE), -1);
    EXPECT_EQ(errno, EINVAL);
    bitmap_destroy(none);
}

TEST(Bitmap, BitsLiveLeastSignificantFirst)
{
    bitmap_t *bm = bitmap_create(24, BITMAP_SIMPLE);
    ASSERT_EQ(mark_bit(bm, 10, BITMAP_SIMPLE), 0);
    EXPECT_EQ(bm->ptr[1], 0x04);
    EXPECT_EQ(read_bit(bm, 10), OCCUPIED_BIT);
    EXPECT_EQ(read_bit(bm, 11), EMPTY_BIT);
    ASSERT_EQ(unmark_bit(bm, 10, BITMAP_SIMPLE), 0);
    EXPECT_EQ(read_bit(bm, 10), EMPTY_BIT);
    EXPECT_EQ(mark_bit(bm, 24, BITMAP_SIMPLE), -1) << "never writes past the capacity";
    EXPECT_EQ(mark_bit(nullptr, 0, BITMAP_SIMPLE), -1);
    bitmap_destroy(bm);
}

TEST(Bitmap, RefcountModeCountsMarks)
{
    bitmap_t *bm = bitmap_create(8, BITMAP_REFCOUNT);
    ASSERT_TRUE(bm && bm->refcount);
    mark_bit(bm, 2, BITMAP_REFCOUNT);
    mark_bit(bm, 2, BITMAP_REFCOUNT);
    EXPECT_EQ(bm->refcount[2], 2u);
    EXPECT_EQ(bm->refcount[3], 0u);
    bitmap_destroy(bm);
}

TEST(Bitmap, RecreateOnlyGrows)
{
    bitmap_t *bm = bitmap_create(9, BITMAP_SIMPLE);
    mark_bit(bm, 0, BITMAP_SIMPLE);
    mark_bit(bm, 15, BITMAP_SIMPLE);
    EXPECT_EQ(bitmap_recreate(bm, 16, BITMAP_SIMPLE), nullptr) << "not larger than the capacity";
    EXPECT_EQ(bitmap_recreate(bm, 0, BITMAP_SIMPLE), nullptr);
    EXPECT_EQ(errno, EINVAL);
    bitmap_t *grown = bitmap_recreate(bm, 17, BITMAP_SIMPLE); // bm is freed
    ASSERT_TRUE(grown);
    EXPECT_EQ(grown->num_bytes, 3u);
    EXPECT_EQ(grown->num_bits, 24u);
    EXPECT_EQ(grown->num_used_bits, 9u);
    EXPECT_EQ(read_bit(grown, 0), OCCUPIED_BIT);
    EXPECT_EQ(read_bit(grown, 15), OCCUPIED_BIT);
    for (uint64_t i = 16; i < 24; i++)
        EXPECT_EQ(read_bit(grown, i), EMPTY_BIT) << i;
    bitmap_destroy(grown);

    bitmap_t *rc = bitmap_create(8, BITMAP_REFCOUNT);
    mark_bit(rc, 1, BITMAP_REFCOUNT);
    bitmap_t *rc2 = bitmap_recreate(rc, 40, BITMAP_REFCOUNT);
    ASSERT_TRUE(rc2);
    EXPECT_EQ(rc2->refcount[1], 1u);
    EXPECT_EQ(rc2->refcount[39], 0u);
    bitmap_destroy(rc2);
}

} // namespace
