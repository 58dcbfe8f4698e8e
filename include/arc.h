/* Adaptive replacement cache with ghost lists. The user embeds a struct
 * arc_object in each cached object and supplies the operations. Not locked. */
#ifndef ORVEX_ARC_H
#define ORVEX_ARC_H

#include "orvex_export.h"

ORVEX_EXTERN_C_BEGIN

#define ARC_HASH_BUCKETS 3079

struct arc_list {
    struct arc_list *prev, *next;
};

struct arc_state {
    struct arc_list head; /* most recent first */
    unsigned long size;
};

struct arc_object {
    struct arc_state *state; /* NULL when in no state */
    struct arc_list head;    /* link in its state */
    struct arc_list hash;    /* link in its hash bucket */
    unsigned long size;
};

struct arc_ops {
    unsigned long (*hash)(const void *key);
    int (*cmp)(struct arc_object *obj, const void *key); /* 0 when equal */
    struct arc_object *(*create)(const void *key);
    int (*fetch)(struct arc_object *obj); /* 0 on success */
    void (*evict)(struct arc_object *obj);
    void (*destroy)(struct arc_object *obj);
};

struct arc {
    struct arc_ops *ops;
    struct arc_list *hash; /* ARC_HASH_BUCKETS bucket heads */
    unsigned long c;       /* capacity in size units */
    unsigned long p;       /* target size of the recency side */
    struct arc_state mrug, mru, mfu, mfug;
};

/* NULL with ENOMEM. */
ORVEX_COMMON_API struct arc *arc_create(struct arc_ops *ops, unsigned long c) ORVEX_NOEXCEPT;
/* Destroys every object in all four states, then the cache. */
ORVEX_COMMON_API void arc_destroy(struct arc *cache) ORVEX_NOEXCEPT;
ORVEX_COMMON_API void arc_object_init(struct arc_object *obj, unsigned long size) ORVEX_NOEXCEPT;
/* The object for `key` in mru or mfu, fetched; NULL when create or fetch fails. */
ORVEX_COMMON_API struct arc_object *arc_lookup(struct arc *cache, const void *key) ORVEX_NOEXCEPT;

ORVEX_EXTERN_C_END

#endif
