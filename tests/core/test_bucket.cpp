// Buckets and the bucket pool, vault lists and extent info.
#include "bucket.h"
#include "ecc.h"
#include "extent.h"
#include "vaultlist.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <endian.h>
#include <vector>

namespace {

TEST(Bucket, ChunksAndTheirMapGoIn)
{
    bucket_t *b = bucket_get(1024, 256);
    ASSERT_TRUE(b);
    std::vector<uint8_t> a(300, 0x11), c(200, 0x22);
    ASSERT_EQ(bucket_copy_chunk_in(b, a.data(), 300, true), 0);
    ASSERT_EQ(bucket_copy_chunk_in(b, c.data(), 200, true), 0);
    ASSERT_EQ(bucket_copy_chunk_in(b, nullptr, 24, false), 0); // reserves only
    EXPECT_EQ(b->cnt->buf_use, 524);
    EXPECT_EQ(b->cnt->num_chunks, 3);
    ASSERT_EQ(b->cnt->chunk_map->used, 8);
    uint32_t offsets[2];
    std::memcpy(offsets, b->cnt->chunk_map->buf, 8);
    EXPECT_EQ(be32toh(offsets[0]), 0u);
    EXPECT_EQ(be32toh(offsets[1]), 300u);
    EXPECT_EQ(b->cnt->buf[300], 0x22);

    EXPECT_EQ(is_bucket_full(b->cnt, __func__), 0); // 500 bytes left, limit 256
    ASSERT_EQ(bucket_copy_chunk_in(b, a.data(), 300, false), 0);
    EXPECT_EQ(is_bucket_full(b->cnt, __func__), 1);
    // The copy never grows the buffer, and never writes past it.
    errno = 0;
    EXPECT_EQ(bucket_copy_chunk_in(b, a.data(), 300, false), -1);
    EXPECT_EQ(errno, ENOSPC);
    EXPECT_EQ(b->cnt->buf_use, 824);

    ASSERT_EQ(bucket_reset(b), 0);
    EXPECT_EQ(b->cnt->buf_use, 0);
    EXPECT_EQ(b->cnt->num_chunks, 0);
    bucket_put(b);
    EXPECT_EQ(is_bucket_full(nullptr, "caller"), -1);
}

TEST(Bucket, MapsGoInWithTwoParitiesPerBlock)
{
    struct Case {
        int map_bytes, added;
    } cases[] = {{0, 0}, {253, 255}, {254, 258}, {506, 510}, {4, 6}};
    for (const auto &c : cases) {
        bucketcnt_t *cnt = bucketcnt_get(16, 0);
        ASSERT_TRUE(cnt);
        std::vector<uint8_t> map(static_cast<size_t>(c.map_bytes));
        for (size_t i = 0; i < map.size(); i++)
            map[i] = static_cast<uint8_t>(i * 13 + 1);
        if (!map.empty()) {
            ASSERT_EQ(str_add_data(cnt->chunk_map, map.data(), c.map_bytes), 0);
        }
        cnt->buf_use = 10;
        ASSERT_EQ(bucket_copy_map_in(cnt, BUCKET_CHUNK_MAP), 0) << c.map_bytes;
        EXPECT_EQ(cnt->buf_use, 10 + c.added) << c.map_bytes;
        if (c.map_bytes > 0) {
            EXPECT_EQ(std::memcmp(cnt->buf + 10, map.data(), map.size()), 0) << "data first, parities after";
            EXPECT_GE(cnt->total, cnt->buf_use);
        }
        bucketcnt_put(cnt);
    }
    bucketcnt_t *cnt = bucketcnt_get(16, 0);
    EXPECT_EQ(bucket_copy_map_in(cnt, 2), -1);
    EXPECT_EQ(errno, EINVAL);
    bucketcnt_put(cnt);
}

TEST(Bucket, HashesAndExtents)
{
    bucket_t *b = bucket_get(8, 0);
    ASSERT_EQ(bucket_copy_hash_in(b->cnt, 0x0102030405060708ull), 0);
    ASSERT_EQ(bucket_copy_hash_in(b->cnt, 42), 0); // grows to exactly 16
    EXPECT_EQ(b->cnt->total, 16);
    uint64_t second;
    std::memcpy(&second, b->cnt->buf + 8, 8);
    EXPECT_EQ(second, 42u);
    ASSERT_EQ(bucket_copy_extent_info_in(b, 7, 3), 0);
    EXPECT_EQ(b->cnt->num_extents, 1);
    ASSERT_EQ(b->cnt->extent_map->used, 8);
    uint32_t ext[2];
    std::memcpy(ext, b->cnt->extent_map->buf, 8);
    EXPECT_EQ(be32toh(ext[0]), 7u);
    EXPECT_EQ(be32toh(ext[1]), 3u);
    bucket_put(b);

    bucket_t *many = buckets_get(3);
    ASSERT_TRUE(many);
    EXPECT_EQ(many[1].cnt, nullptr);
    EXPECT_EQ(bucket_reset(&many[1]), -1);
    buckets_put(many, 3);
    EXPECT_EQ(buckets_get(0), nullptr);
}

TEST(BucketPool, HandsOutPoolBucketsThenFreshOnes)
{
    EXPECT_EQ(bucketpool_create(0, 100), nullptr);
    bucketpool_t *pool = bucketpool_create(2, 4096);
    ASSERT_TRUE(pool);
    bucketcnt_t *a = get_bucket_from_pool(pool, 4096, 100);
    bucketcnt_t *b = get_bucket_from_pool(pool, 1024, 100);
    bucketcnt_t *c = get_bucket_from_pool(pool, 4096, 100); // pool exhausted: fresh
    ASSERT_TRUE(a && b && c);
    EXPECT_TRUE(a == pool->buckets[0] || a == pool->buckets[1]);
    EXPECT_TRUE(b == pool->buckets[0] || b == pool->buckets[1]);
    EXPECT_NE(c, pool->buckets[0]);
    EXPECT_NE(c, pool->buckets[1]);
    EXPECT_EQ(a->limit, 100);
    ASSERT_TRUE(a->chunk_map && a->extent_map);
    put_bucket_into_pool(pool, a);
    EXPECT_EQ(a->chunk_map, nullptr);
    put_bucket_into_pool(pool, c); // not the pool's: freed (ASan checks)

    // Larger than any pool bucket: fresh contents, freed when put back.
    bucketcnt_t *big = get_bucket_from_pool(pool, 8192, 0);
    ASSERT_TRUE(big);
    EXPECT_NE(big, pool->buckets[0]);
    EXPECT_NE(big, pool->buckets[1]);
    EXPECT_EQ(big->total, 8192);
    put_bucket_into_pool(pool, big);

    bucketcnt_t *again = get_bucket_from_pool(pool, 4096, 0);
    EXPECT_EQ(again, a) << "a returned bucket is handed out again";
    put_bucket_into_pool(pool, again);
    put_bucket_into_pool(pool, b);
    bucketpool_destroy(pool);
}

TEST(VaultList, GrowsByOneAndStartsZeroed)
{
    vlist_t *list = vlist_get(3);
    ASSERT_TRUE(list);
    ASSERT_EQ(vlist_add_hid_and_vid(list, 7, 0x123456789ull), 0);
    EXPECT_EQ(vlist_get_num_vaults(list), 4);
    for (int i = 0; i < 3; i++) {
        EXPECT_EQ(vlist_get_hids(list)[i], 0u);
        EXPECT_EQ(vlist_get_vids(list)[i], 0u);
    }
    EXPECT_EQ(vlist_get_hids(list)[3], 7u);
    EXPECT_EQ(vlist_get_vids(list)[3], 0x123456789ull);
    ASSERT_EQ(vlist_reset(list), 0);
    EXPECT_EQ(vlist_get_num_vaults(list), 0);
    ASSERT_EQ(vlist_add_hid_and_vid(list, 1, 2), 0);
    EXPECT_EQ(vlist_get_num_vaults(list), 1);
    vlist_put(list);
    EXPECT_EQ(vlist_get_num_vaults(nullptr), -1);
    vlist_t *empty = vlist_get(0);
    EXPECT_EQ(empty->vids, nullptr);
    vlist_put(empty);
}

TEST(ExtentInfo, CopiesTheKey)
{
    uint8_t key[5] = {1, 2, 3, 4, 5};
    extent_info_t *info = get_extent_info(key, 5);
    ASSERT_TRUE(info);
    key[0] = 9;
    EXPECT_EQ(info->key->size, 5);
    EXPECT_EQ(info->key->buf[0], 1);
    EXPECT_EQ(info->val, nullptr);
    put_extent_info(info);
    EXPECT_EQ(get_extent_info(nullptr, 3), nullptr);
    put_extent_info(nullptr);
}

} // namespace
