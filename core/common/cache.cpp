// Adaptive replacement cache with ghost lists (recency and frequency sides,
// each with a ghost list of evicted keys that steers the target size p).
#include "arc.h"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdlib>

namespace {

void list_init(arc_list *head)
{
    head->prev = head->next = head;
}

bool list_empty(const arc_list *head)
{
    return head->next == head;
}

void list_remove(arc_list *node)
{
    node->prev->next = node->next;
    node->next->prev = node->prev;
    list_init(node);
}

void list_prepend(arc_list *node, arc_list *head)
{
    node->next = head->next;
    node->prev = head;
    head->next->prev = node;
    head->next = node;
}

arc_object *object_of_head(arc_list *link)
{
    return reinterpret_cast<arc_object *>(reinterpret_cast<char *>(link) - offsetof(arc_object, head));
}

arc_object *object_of_hash(arc_list *link)
{
    return reinterpret_cast<arc_object *>(reinterpret_cast<char *>(link) - offsetof(arc_object, hash));
}

// Least recently used object of a state (its tail), or NULL.
arc_object *lru_of(arc_state *state)
{
    return list_empty(&state->head) ? nullptr : object_of_head(state->head.prev);
}

void move_to(arc *cache, arc_object *obj, arc_state *state);

void balance(arc *cache, unsigned long size)
{
    while (cache->mru.size + cache->mfu.size + size > cache->c) {
        arc_object *victim = nullptr;
        if (cache->mru.size > cache->p)
            victim = lru_of(&cache->mru);
        if (!victim)
            victim = lru_of(&cache->mfu);
        if (!victim)
            victim = lru_of(&cache->mru);
        if (!victim)
            break;
        move_to(cache, victim, victim->state == &cache->mru ? &cache->mrug : &cache->mfug);
    }
    while (cache->mrug.size + cache->mfug.size > cache->c) {
        arc_object *victim = nullptr;
        if (cache->mfug.size > cache->p)
            victim = lru_of(&cache->mfug);
        if (!victim)
            victim = lru_of(&cache->mrug);
        if (!victim)
            victim = lru_of(&cache->mfug);
        if (!victim)
            break;
        move_to(cache, victim, nullptr);
    }
}

// Moves `obj` into `state` (NULL: out of the cache, destroyed). Returns
// false when the fetch of an object entering mru/mfu fails; the object is
// then back where it was (a new object is destroyed).
bool move_to_checked(arc *cache, arc_object *obj, arc_state *state)
{
    arc_state *from = obj->state;
    if (from) {
        from->size -= obj->size;
        list_remove(&obj->head);
        obj->state = nullptr;
    }
    if (!state) {
        list_remove(&obj->hash);
        cache->ops->destroy(obj);
        return true;
    }
    if (state == &cache->mrug || state == &cache->mfug) {
        cache->ops->evict(obj);
    } else if (from != &cache->mru && from != &cache->mfu) {
        balance(cache, obj->size);
        if (cache->ops->fetch(obj) != 0) {
            if (from) {
                obj->state = from;
                from->size += obj->size;
                list_prepend(&obj->head, &from->head);
            } else {
                list_remove(&obj->hash);
                cache->ops->destroy(obj);
            }
            return false;
        }
    }
    obj->state = state;
    state->size += obj->size;
    list_prepend(&obj->head, &state->head);
    return true;
}

void move_to(arc *cache, arc_object *obj, arc_state *state)
{
    move_to_checked(cache, obj, state);
}

arc_object *find(arc *cache, const void *key, unsigned long bucket)
{
    arc_list *head = &cache->hash[bucket];
    for (arc_list *l = head->next; l != head; l = l->next) {
        arc_object *obj = object_of_hash(l);
        if (cache->ops->cmp(obj, key) == 0)
            return obj;
    }
    return nullptr;
}

void destroy_state(arc *cache, arc_state *state)
{
    while (arc_object *obj = lru_of(state))
        move_to(cache, obj, nullptr);
}

} // namespace

extern "C" {

struct arc *arc_create(struct arc_ops *ops, unsigned long c) noexcept
{
    if (!ops || !ops->hash || !ops->cmp || !ops->create || !ops->fetch || !ops->evict || !ops->destroy) {
        errno = EINVAL;
        return nullptr;
    }
    auto *cache = static_cast<struct arc *>(std::calloc(1, sizeof(struct arc)));
    if (!cache) {
        errno = ENOMEM;
        return nullptr;
    }
    cache->hash = static_cast<arc_list *>(std::calloc(ARC_HASH_BUCKETS, sizeof(arc_list)));
    if (!cache->hash) {
        std::free(cache);
        errno = ENOMEM;
        return nullptr;
    }
    for (int i = 0; i < ARC_HASH_BUCKETS; i++)
        list_init(&cache->hash[i]);
    cache->ops = ops;
    cache->c = c;
    cache->p = c / 2;
    for (arc_state *s : {&cache->mrug, &cache->mru, &cache->mfu, &cache->mfug}) {
        list_init(&s->head);
        s->size = 0;
    }
    return cache;
}

void arc_destroy(struct arc *cache) noexcept
{
    if (!cache)
        return;
    for (arc_state *s : {&cache->mrug, &cache->mru, &cache->mfu, &cache->mfug})
        destroy_state(cache, s);
    std::free(cache->hash);
    std::free(cache);
}

void arc_object_init(struct arc_object *obj, unsigned long size) noexcept
{
    if (!obj)
        return;
    obj->state = nullptr;
    obj->size = size;
    list_init(&obj->head);
    list_init(&obj->hash);
}

struct arc_object *arc_lookup(struct arc *cache, const void *key) noexcept
{
    if (!cache) {
        errno = EINVAL;
        return nullptr;
    }
    unsigned long bucket = cache->ops->hash(key) % ARC_HASH_BUCKETS;
    arc_object *obj = find(cache, key, bucket);
    if (obj) {
        if (obj->state == &cache->mrug) {
            unsigned long step = std::max(1ul, cache->mrug.size ? cache->mfug.size / cache->mrug.size : 1ul);
            cache->p = std::min(cache->c, cache->p + step);
        } else if (obj->state == &cache->mfug) {
            unsigned long step = std::max(1ul, cache->mfug.size ? cache->mrug.size / cache->mfug.size : 1ul);
            cache->p = cache->p > step ? cache->p - step : 0;
        }
        return move_to_checked(cache, obj, &cache->mfu) ? obj : nullptr;
    }
    obj = cache->ops->create(key);
    if (!obj)
        return nullptr;
    list_prepend(&obj->hash, &cache->hash[bucket]);
    return move_to_checked(cache, obj, &cache->mru) ? obj : nullptr;
}

} // extern "C"
