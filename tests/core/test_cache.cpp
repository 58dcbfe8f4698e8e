// Adaptive replacement cache: misses, hits, demotion to ghost lists, ghost
// hits steering p, fetch failures and clean-up.
#include "arc.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <set>

namespace {

struct Item {
    arc_object obj;
    int key;
};

struct Stats {
    int created = 0, fetched = 0, evicted = 0, destroyed = 0;
    std::set<int> fail_fetch;
    std::set<int> live;
};
Stats *g_stats;

Item *item_of(arc_object *o)
{
    return reinterpret_cast<Item *>(reinterpret_cast<char *>(o) - offsetof(Item, obj));
}

unsigned long hash_fn(const void *key)
{
    return static_cast<unsigned long>(*static_cast<const int *>(key));
}
int cmp_fn(arc_object *o, const void *key)
{
    return item_of(o)->key == *static_cast<const int *>(key) ? 0 : 1;
}
arc_object *create_fn(const void *key)
{
    auto *it = new Item;
    it->key = *static_cast<const int *>(key);
    arc_object_init(&it->obj, 1);
    g_stats->created++;
    g_stats->live.insert(it->key);
    return &it->obj;
}
int fetch_fn(arc_object *o)
{
    g_stats->fetched++;
    return g_stats->fail_fetch.count(item_of(o)->key) ? -1 : 0;
}
void evict_fn(arc_object *)
{
    g_stats->evicted++;
}
void destroy_fn(arc_object *o)
{
    g_stats->destroyed++;
    g_stats->live.erase(item_of(o)->key);
    delete item_of(o);
}

arc_ops ops = {hash_fn, cmp_fn, create_fn, fetch_fn, evict_fn, destroy_fn};

class Arc : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_stats = &stats;
        cache = arc_create(&ops, 4);
        ASSERT_TRUE(cache);
    }
    void TearDown() override
    {
        arc_destroy(cache);
        EXPECT_EQ(stats.destroyed, stats.created) << "every object is destroyed";
        EXPECT_TRUE(stats.live.empty());
    }
    arc_object *get(int key) { return arc_lookup(cache, &key); }

    Stats stats;
    struct arc *cache = nullptr;
};

TEST_F(Arc, MissesFillTheRecencySideAndHitsMoveToFrequency)
{
    EXPECT_EQ(cache->p, 2u);
    for (int k = 1; k <= 4; k++)
        ASSERT_TRUE(get(k));
    EXPECT_EQ(stats.created, 4);
    EXPECT_EQ(stats.fetched, 4);
    EXPECT_EQ(cache->mru.size, 4u);
    arc_object *one = get(1);
    ASSERT_TRUE(one);
    EXPECT_EQ(one->state, &cache->mfu);
    EXPECT_EQ(stats.fetched, 4) << "a hit in the cache fetches nothing";
    EXPECT_EQ(stats.created, 4);
}

TEST_F(Arc, OverflowDemotesToGhostAndGhostHitRaisesP)
{
    for (int k = 1; k <= 4; k++)
        get(k);
    get(1); // mfu: 1; mru: 4 3 2
    ASSERT_TRUE(get(5));
    // mru (3) exceeded p (2): its least recent object went to the ghost list.
    EXPECT_EQ(stats.evicted, 1);
    EXPECT_EQ(cache->mrug.size, 1u);
    EXPECT_EQ(cache->mru.size + cache->mfu.size, 4u);
    EXPECT_EQ(stats.created, 5);

    arc_object *two = get(2); // the ghost
    ASSERT_TRUE(two);
    EXPECT_EQ(stats.created, 5) << "a ghost hit reuses the object";
    EXPECT_EQ(two->state, &cache->mfu);
    EXPECT_EQ(cache->p, 3u);
    EXPECT_EQ(stats.fetched, 6);
    EXPECT_LE(cache->mru.size + cache->mfu.size, 4u);
    EXPECT_LE(cache->mrug.size + cache->mfug.size, 4u);
}

TEST_F(Arc, GhostListsStayWithinCapacity)
{
    for (int k = 1; k <= 40; k++)
        get(k);
    EXPECT_LE(cache->mru.size + cache->mfu.size, 4u);
    EXPECT_LE(cache->mrug.size + cache->mfug.size, 4u);
    EXPECT_GT(stats.destroyed, 0);
}

TEST_F(Arc, FailedFetchGivesNull)
{
    stats.fail_fetch.insert(7);
    EXPECT_EQ(get(7), nullptr);
    EXPECT_EQ(stats.created, 1);
    EXPECT_EQ(stats.destroyed, 1) << "a new object whose fetch fails is not kept";
    stats.fail_fetch.clear();
    EXPECT_TRUE(get(7));
}

} // namespace
