/* Counter set: named 64-bit statistics and microsecond timestamps under one
 * mutex (counter_get_time reads without it). */
#ifndef ORVEX_COUNTER_H
#define ORVEX_COUNTER_H

#include <stdint.h>
#include <time.h>
#include "orvex_export.h"
#include "util/thread.h"

ORVEX_EXTERN_C_BEGIN

enum counter_opt {
    COUNTER_ERR_UNSET = 0,
    COUNTER_G_NUM_FILES = 1,
    COUNTER_G_NUM_SUCCESS_FILES = 2,
    COUNTER_G_FILESIZE = 3,
    COUNTER_G_PROC_FILESIZE = 4,
    COUNTER_G_DESCRIPTOR_SIZE = 5,
    COUNTER_G_VAULT_SIZE = 6,
    COUNTER_FILESIZE = 7,
    COUNTER_PROC_FILESIZE = 8,
    COUNTER_PROC_FILESIZE_IN_ROUND = 9,
    COUNTER_PROC_THROUGHPUT_IN_ROUND = 10,
    COUNTER_DESCRIPTOR_SIZE = 11,
    COUNTER_VAULT_SIZE = 12,
    COUNTER_RESTORE_FILESIZE = 13,
    COUNTER_TIMESTAMP_START = 14,
    COUNTER_TIMESTAMP_END = 15,
    COUNTER_TIME = 16,
    COUNTER_PRESTORE_TIMESTAMP_START = 17,
    COUNTER_PRESTORE_TIMESTAMP_END = 18,
    COUNTER_PRESTORE_TIME = 19,
    COUNTER_CACHETREE_TIME = 20,
    COUNTER_CACHETREE_TIMESTAMP_START = 21,
    COUNTER_CACHETREE_TIMESTAMP_END = 22,
    COUNTER_RESTORE_ALL_FILES = 23,
    COUNTER_RESTORE_ALL_VAULTS = 24,
    COUNTER_RESTORE_USED_VAULTS = 25,
    COUNTER_RESTORE_ALL_CHUNKS = 26,
    COUNTER_RESTORE_USED_CHUNKS = 27,
    COUNTER_MEM_USAGE = 28,
    COUNTER_TOTAL_VAULTS = 29,
    COUNTER_VAULTS_CREATED = 30,
    COUNTER_PROC_CHUNKS = 31
};

#define COUNTER_SLOTS 64

typedef struct counter_ent {
    enum counter_opt opt;
    char *label; /* owned */
    uint64_t count;
} counter_ent;

typedef struct counter {
    orvex_mutex_t mutex;
    counter_ent *ent[COUNTER_SLOTS]; /* indexed by counter_opt */
} counter_t;

/* A counter set with all 31 labelled entries at 0; NULL on failure. */
ORVEX_COMMON_API counter_t *counter_create(void) ORVEX_NOEXCEPT;
ORVEX_COMMON_API void counter_destroy(counter_t *counter) ORVEX_NOEXCEPT;
ORVEX_COMMON_API int counter_init(counter_t *counter) ORVEX_NOEXCEPT;
ORVEX_COMMON_API int add_counter_ent(counter_t *counter, enum counter_opt opt, const char *label) ORVEX_NOEXCEPT;
/* Slots without an entry read as 0 and ignore writes. */
ORVEX_COMMON_API uint64_t counter_get_val(counter_t *counter, char ch) ORVEX_NOEXCEPT;
/* Adds `val` and returns the value before. */
ORVEX_COMMON_API uint64_t counter_atomic_get_set_val(counter_t *counter, char ch, uint64_t val) ORVEX_NOEXCEPT;
ORVEX_COMMON_API void counter_add_val(counter_t *counter, char ch, uint64_t val) ORVEX_NOEXCEPT;
ORVEX_COMMON_API void counter_set_val(counter_t *counter, char ch, uint64_t val) ORVEX_NOEXCEPT;
/* Stores the wall clock in microseconds; an END slot also stores the 64-bit
 * difference to its START slot in the matching TIME slot. */
ORVEX_COMMON_API void counter_set_timestamp(counter_t *counter, char ch) ORVEX_NOEXCEPT;
ORVEX_COMMON_API uint64_t counter_get_time(counter_t *counter, char ch) ORVEX_NOEXCEPT;
ORVEX_COMMON_API double get_g_dedup_ratio(counter_t *counter) ORVEX_NOEXCEPT;
ORVEX_COMMON_API double get_dedup_ratio(counter_t *counter) ORVEX_NOEXCEPT;
/* "[DD:][HH:]MM:SS" in a buffer shared by all callers (not thread-safe). */
ORVEX_COMMON_API const char *time_taken(time_t d) ORVEX_NOEXCEPT;

ORVEX_EXTERN_C_END

#endif
