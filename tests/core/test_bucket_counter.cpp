// Counter set: labels, arithmetic, timestamps, ratios and duration text.
#include "counter.h"

#include <gtest/gtest.h>

#include <sys/time.h>

namespace {

TEST(Counter, EveryEntryHasItsLabel)
{
    counter_t *c = counter_create();
    ASSERT_TRUE(c);
    struct Case {
        int opt;
        const char *label;
    } cases[] = {
        {COUNTER_G_NUM_FILES, "Number of files"},
        {COUNTER_G_NUM_SUCCESS_FILES, "Number of successful file"},
        {COUNTER_G_FILESIZE, "Accumulated file size (B)"},
        {COUNTER_PROC_THROUGHPUT_IN_ROUND, "Throughput (Bps)"},
        {COUNTER_TIME, "Time (us)"},
        {COUNTER_PRESTORE_TIME, "Prestore time (us)"},
        {COUNTER_CACHETREE_TIMESTAMP_END, "Cachetree end time (us)"},
        {COUNTER_MEM_USAGE, "Memory usage (B)"},
        {COUNTER_TOTAL_VAULTS, "Num. total vaults"},
        {COUNTER_PROC_CHUNKS, "Number of proc chunks"},
    };
    for (const auto &cs : cases) {
        ASSERT_TRUE(c->ent[cs.opt]) << cs.opt;
        EXPECT_STREQ(c->ent[cs.opt]->label, cs.label);
        EXPECT_EQ(c->ent[cs.opt]->opt, cs.opt);
    }
    int entries = 0;
    for (auto *e : c->ent)
        entries += e != nullptr;
    EXPECT_EQ(entries, 31);
    EXPECT_EQ(c->ent[COUNTER_ERR_UNSET], nullptr);
    counter_destroy(c);
}

TEST(Counter, AddSetAndWrap)
{
    counter_t *c = counter_create();
    counter_set_val(c, COUNTER_FILESIZE, UINT64_MAX);
    EXPECT_EQ(counter_atomic_get_set_val(c, COUNTER_FILESIZE, 2), UINT64_MAX);
    EXPECT_EQ(counter_get_val(c, COUNTER_FILESIZE), 1u) << "wraps modulo 2^64";
    counter_add_val(c, COUNTER_PROC_CHUNKS, 5);
    counter_add_val(c, COUNTER_PROC_CHUNKS, 6);
    EXPECT_EQ(counter_get_val(c, COUNTER_PROC_CHUNKS), 11u);
    EXPECT_EQ(counter_get_val(c, COUNTER_ERR_UNSET), 0u);
    EXPECT_EQ(counter_get_val(c, 63), 0u);
    counter_destroy(c);
}

TEST(Counter, DurationsBeyondThirtySixMinutes)
{
    counter_t *c = counter_create();
    struct timeval tv;
    gettimeofday(&tv, nullptr);
    uint64_t now = static_cast<uint64_t>(tv.tv_sec) * 1000000u + static_cast<uint64_t>(tv.tv_usec);
    const uint64_t forty_minutes = 40ull * 60 * 1000000;
    struct Case {
        int start, end, time;
    } cases[] = {
        {COUNTER_TIMESTAMP_START, COUNTER_TIMESTAMP_END, COUNTER_TIME},
        {COUNTER_PRESTORE_TIMESTAMP_START, COUNTER_PRESTORE_TIMESTAMP_END, COUNTER_PRESTORE_TIME},
        {COUNTER_CACHETREE_TIMESTAMP_START, COUNTER_CACHETREE_TIMESTAMP_END, COUNTER_CACHETREE_TIME},
    };
    for (const auto &cs : cases) {
        counter_set_val(c, static_cast<char>(cs.start), now - forty_minutes);
        counter_set_timestamp(c, static_cast<char>(cs.end));
        uint64_t end = counter_get_time(c, static_cast<char>(cs.end));
        EXPECT_GE(end, now);
        EXPECT_EQ(counter_get_val(c, static_cast<char>(cs.time)), end - (now - forty_minutes));
        EXPECT_GE(counter_get_val(c, static_cast<char>(cs.time)), forty_minutes);
    }
    counter_destroy(c);
}

TEST(Counter, DedupRatiosRoundUp)
{
    counter_t *c = counter_create();
    counter_set_val(c, COUNTER_G_FILESIZE, 1000);
    counter_set_val(c, COUNTER_G_DESCRIPTOR_SIZE, 100);
    counter_set_val(c, COUNTER_G_VAULT_SIZE, 200);
    EXPECT_DOUBLE_EQ(get_g_dedup_ratio(c), 4.0);
    counter_set_val(c, COUNTER_FILESIZE, 600);
    counter_set_val(c, COUNTER_DESCRIPTOR_SIZE, 100);
    counter_set_val(c, COUNTER_VAULT_SIZE, 200);
    EXPECT_DOUBLE_EQ(get_dedup_ratio(c), 2.0);
    counter_destroy(c);
}

TEST(Counter, TimeTakenText)
{
    struct Case {
        time_t seconds;
        const char *text;
    } cases[] = {{3725, "01:02:05"}, {125, "02:05"}, {0, "00:00"}, {90061, "01:01:01:01"}, {86400, "01:00:00:00"}};
    for (const auto &cs : cases)
        EXPECT_STREQ(time_taken(cs.seconds), cs.text) << cs.seconds;
}

} // namespace
