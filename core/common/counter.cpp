// Counter set: labelled 64-bit statistics and microsecond timestamps.
#include "counter.h"

#include "zlog.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/time.h>

namespace {

struct label_entry {
    counter_opt opt;
    const char *label;
};

// Registration order of the entries.
const label_entry kLabels[] = {
    {COUNTER_G_NUM_FILES, "Number of files"},
    {COUNTER_G_NUM_SUCCESS_FILES, "Number of successful file"},
    {COUNTER_G_FILESIZE, "Accumulated file size (B)"},
    {COUNTER_G_PROC_FILESIZE, "Accumulated processed file size (B)"},
    {COUNTER_G_DESCRIPTOR_SIZE, "Accumulated descriptor size (B)"},
    {COUNTER_G_VAULT_SIZE, "Accumulated vault size (B)"},
    {COUNTER_FILESIZE, "File size (B)"},
    {COUNTER_DESCRIPTOR_SIZE, "Descriptor size (B)"},
    {COUNTER_VAULT_SIZE, "Vault size (B)"},
    {COUNTER_RESTORE_FILESIZE, "Restore file size (B)"},
    {COUNTER_TIME, "Time (us)"},
    {COUNTER_TIMESTAMP_START, "Start time (us)"},
    {COUNTER_TIMESTAMP_END, "End time (us)"},
    {COUNTER_PRESTORE_TIME, "Prestore time (us)"},
    {COUNTER_PRESTORE_TIMESTAMP_START, "Prestore start time (us)"},
    {COUNTER_PRESTORE_TIMESTAMP_END, "Prestore end time (us)"},
    {COUNTER_CACHETREE_TIME, "Cachetree time (us)"},
    {COUNTER_CACHETREE_TIMESTAMP_START, "Cachetree start time (us)"},
    {COUNTER_CACHETREE_TIMESTAMP_END, "Cachetree end time (us)"},
    {COUNTER_RESTORE_ALL_FILES, "Number of all files"},
    {COUNTER_RESTORE_ALL_VAULTS, "Number of all vaults"},
    {COUNTER_RESTORE_USED_VAULTS, "Number of used vaults"},
    {COUNTER_RESTORE_ALL_CHUNKS, "Number of all chunks"},
    {COUNTER_RESTORE_USED_CHUNKS, "Number of used chunks"},
    {COUNTER_MEM_USAGE, "Memory usage (B)"},
    {COUNTER_PROC_FILESIZE, "Processed file size (B)"},
    {COUNTER_PROC_FILESIZE_IN_ROUND, "Processed file size in round (B)"},
    {COUNTER_PROC_THROUGHPUT_IN_ROUND, "Throughput (Bps)"},
    {COUNTER_TOTAL_VAULTS, "Num. total vaults"},
    {COUNTER_VAULTS_CREATED, "Num. vaults created"},
    {COUNTER_PROC_CHUNKS, "Number of proc chunks"},
};

counter_ent *slot(counter_t *counter, char ch)
{
    auto idx = static_cast<unsigned char>(ch);
    return (counter && idx < COUNTER_SLOTS) ? counter->ent[idx] : nullptr;
}

uint64_t now_usec()
{
    struct timeval tv;
    gettimeofday(&tv, nullptr);
    return static_cast<uint64_t>(tv.tv_sec) * 1000000u + static_cast<uint64_t>(tv.tv_usec);
}

// The TIME slot an END slot fills, with its START slot.
bool span_of(int end, int *start, int *time)
{
    switch (end) {
    case COUNTER_TIMESTAMP_END:
        *start = COUNTER_TIMESTAMP_START;
        *time = COUNTER_TIME;
        return true;
    case COUNTER_PRESTORE_TIMESTAMP_END:
        *start = COUNTER_PRESTORE_TIMESTAMP_START;
        *time = COUNTER_PRESTORE_TIME;
        return true;
    case COUNTER_CACHETREE_TIMESTAMP_END:
        *start = COUNTER_CACHETREE_TIMESTAMP_START;
        *time = COUNTER_CACHETREE_TIME;
        return true;
    default:
        return false;
    }
}

uint64_t value_of(counter_t *counter, int opt)
{
    counter_ent *e = counter->ent[opt];
    return e ? e->count : 0;
}

double ratio_of(counter_t *counter, int whole, int part_a, int part_b)
{
    if (!counter)
        return 0.0;
    orvex::MutexLock lock(&counter->mutex);
    double denom = static_cast<double>(value_of(counter, part_a)) + static_cast<double>(value_of(counter, part_b));
    if (denom == 0.0)
        return 0.0;
    return std::ceil(static_cast<double>(value_of(counter, whole)) / denom);
}

void free_entries(counter_t *counter)
{
    for (auto &e : counter->ent) {
        if (e) {
            std::free(e->label);
            std::free(e);
            e = nullptr;
        }
    }
}

} // namespace

extern "C" {

int add_counter_ent(counter_t *counter, enum counter_opt opt, const char *label) noexcept
{
    if (!counter || !label || opt <= COUNTER_ERR_UNSET || opt >= COUNTER_SLOTS) {
        errno = EINVAL;
        return -1;
    }
    auto *e = static_cast<counter_ent *>(std::calloc(1, sizeof(counter_ent)));
    if (!e) {
        OLOG(OLOG_ERROR, "calloc: %s", std::strerror(ENOMEM));
        errno = ENOMEM;
        return -1;
    }
    e->label = strdup(label);
    if (!e->label) {
        OLOG(OLOG_ERROR, "strdup: %s", std::strerror(ENOMEM));
        std::free(e);
        errno = ENOMEM;
        return -1;
    }
    e->opt = opt;
    if (counter->ent[opt]) {
        std::free(counter->ent[opt]->label);
        std::free(counter->ent[opt]);
    }
    counter->ent[opt] = e;
    return 0;
}

int counter_init(counter_t *counter) noexcept
{
    if (!counter) {
        errno = EINVAL;
        return -1;
    }
    for (const auto &l : kLabels)
        if (add_counter_ent(counter, l.opt, l.label) != 0)
            return -1;
    return 0;
}

counter_t *counter_create(void) noexcept
{
    auto *counter = static_cast<counter_t *>(std::calloc(1, sizeof(counter_t)));
    if (!counter) {
        OLOG(OLOG_ERROR, "initialize counter: %s", std::strerror(ENOMEM));
        errno = ENOMEM;
        return nullptr;
    }
    if (counter_init(counter) != 0) {
        OLOG(OLOG_ERROR, "initialize counter: %s", std::strerror(errno));
        free_entries(counter);
        std::free(counter);
        return nullptr;
    }
    orvex_mutex_init(&counter->mutex);
    return counter;
}

void counter_destroy(counter_t *counter) noexcept
{
    if (!counter)
        return;
    free_entries(counter);
    orvex_mutex_destroy(&counter->mutex);
    std::free(counter);
}

uint64_t counter_get_val(counter_t *counter, char ch) noexcept
{
    if (!counter)
        return 0;
    orvex::MutexLock lock(&counter->mutex);
    counter_ent *e = slot(counter, ch);
    return e ? e->count : 0;
}

uint64_t counter_atomic_get_set_val(counter_t *counter, char ch, uint64_t val) noexcept
{
    if (!counter)
        return 0;
    orvex::MutexLock lock(&counter->mutex);
    counter_ent *e = slot(counter, ch);
    if (!e)
        return 0;
    uint64_t before = e->count;
    e->count = before + val; // unsigned: wraps modulo 2^64
    return before;
}

void counter_add_val(counter_t *counter, char ch, uint64_t val) noexcept
{
    counter_atomic_get_set_val(counter, ch, val);
}

void counter_set_val(counter_t *counter, char ch, uint64_t val) noexcept
{
    if (!counter)
        return;
    orvex::MutexLock lock(&counter->mutex);
    if (counter_ent *e = slot(counter, ch))
        e->count = val;
}

void counter_set_timestamp(counter_t *counter, char ch) noexcept
{
    if (!counter)
        return;
    orvex::MutexLock lock(&counter->mutex);
    counter_ent *e = slot(counter, ch);
    if (!e)
        return;
    e->count = now_usec();
    int start, time;
    if (span_of(static_cast<unsigned char>(ch), &start, &time) && counter->ent[time])
        counter->ent[time]->count = e->count - value_of(counter, start);
}

uint64_t counter_get_time(counter_t *counter, char ch) noexcept
{
    counter_ent *e = slot(counter, ch);
    return e ? e->count : 0;
}

double get_g_dedup_ratio(counter_t *counter) noexcept
{
    return ratio_of(counter, COUNTER_G_FILESIZE, COUNTER_G_DESCRIPTOR_SIZE, COUNTER_G_VAULT_SIZE);
}

double get_dedup_ratio(counter_t *counter) noexcept
{
    return ratio_of(counter, COUNTER_FILESIZE, COUNTER_DESCRIPTOR_SIZE, COUNTER_VAULT_SIZE);
}

const char *time_taken(time_t d) noexcept
{
    static char text[32];
    long long total = d < 0 ? 0 : static_cast<long long>(d);
    long long days = total / 86400, hours = (total % 86400) / 3600, minutes = (total % 3600) / 60,
              seconds = total % 60;
    int n = 0;
    if (days > 0)
        n += std::snprintf(text + n, sizeof(text) - static_cast<size_t>(n), "%02lld:", days);
    if (days > 0 || hours != 0)
        n += std::snprintf(text + n, sizeof(text) - static_cast<size_t>(n), "%02lld:", hours);
    std::snprintf(text + n, sizeof(text) - static_cast<size_t>(n), "%02lld:%02lld", minutes, seconds);
    return text;
}

} // extern "C"
