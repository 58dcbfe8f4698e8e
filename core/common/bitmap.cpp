// Bitmap with an optional counter per bit (the descriptor's dirty map).
#include "bitmap.h"

#include "zlog.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Largest bitmap we allocate: one bit per chunk row of a descriptor; far
// beyond any file while keeping the byte count representable everywhere.
constexpr uint64_t kMaxBits = uint64_t{1} << 40;

bool has_bits(const bitmap_t *bm)
{
    return bm && bm->ptr && bm->num_bits > 0;
}

} // namespace

extern "C" {

bitmap_t *bitmap_create(uint64_t num_bits, uint8_t mode) noexcept
{
    if (num_bits > kMaxBits) {
        errno = EINVAL;
        return nullptr;
    }
    auto *bm = static_cast<bitmap_t *>(std::calloc(1, sizeof(bitmap_t)));
    if (!bm) {
        errno = ENOMEM;
        return nullptr;
    }
    if (num_bits == 0)
        return bm;
    bm->num_bytes = (num_bits + 7) / 8;
    bm->num_bits = bm->num_bytes * 8;
    bm->num_used_bits = num_bits;
    bm->ptr = static_cast<uint8_t *>(std::calloc(bm->num_bytes, 1));
    if (bm->ptr && mode == BITMAP_REFCOUNT)
        bm->refcount = static_cast<uint32_t *>(std::calloc(bm->num_bits, sizeof(uint32_t)));
    if (!bm->ptr || (mode == BITMAP_REFCOUNT && !bm->refcount)) {
        bitmap_destroy(bm);
        errno = ENOMEM;
        return nullptr;
    }
    return bm;
}

bitmap_t *bitmap_recreate(bitmap_t *bm, uint64_t new_num_bits, uint8_t mode) noexcept
{
    if (new_num_bits == 0) {
        OLOG(OLOG_ERROR, "number of bits is zero");
        errno = EINVAL;
        return nullptr;
    }
    if (!bm || new_num_bits <= bm->num_bits) {
        OLOG(OLOG_ERROR, "new num. bits is equal or smaller than old num. bits");
        errno = EINVAL;
        return nullptr;
    }
    if (new_num_bits > kMaxBits) {
        errno = EINVAL;
        return nullptr;
    }
    uint64_t new_bytes = (new_num_bits + 7) / 8;
    uint64_t new_bits = new_bytes * 8;
    auto *fresh = static_cast<bitmap_t *>(std::calloc(1, sizeof(bitmap_t)));
    auto *ptr = static_cast<uint8_t *>(std::realloc(bm->ptr, new_bytes));
    if (!fresh || !ptr) {
        OLOG(OLOG_ERROR, "realloc: %s", std::strerror(ENOMEM));
        std::free(fresh);
        if (ptr)
            bm->ptr = ptr;
        errno = ENOMEM;
        return nullptr;
    }
    bm->ptr = ptr;
    std::memset(ptr + bm->num_bytes, 0, new_bytes - bm->num_bytes);
    if (mode == BITMAP_REFCOUNT) {
        auto *rc = static_cast<uint32_t *>(std::realloc(bm->refcount, new_bits * sizeof(uint32_t)));
        if (!rc) {
            OLOG(OLOG_ERROR, "realloc: %s", std::strerror(ENOMEM));
            std::free(fresh);
            errno = ENOMEM;
            return nullptr;
        }
        uint64_t old_counters = bm->refcount ? bm->num_bits : 0;
        std::memset(rc + old_counters, 0, (new_bits - old_counters) * sizeof(uint32_t));
        bm->refcount = rc;
    }
    fresh->ptr = bm->ptr;
    fresh->refcount = bm->refcount;
    fresh->num_bytes = new_bytes;
    fresh->num_bits = new_bits;
    fresh->num_used_bits = bm->num_used_bits;
    std::free(bm);
    return fresh;
}

void bitmap_destroy(bitmap_t *bm) noexcept
{
    if (!bm)
        return;
    std::free(bm->ptr);
    std::free(bm->refcount);
    std::free(bm);
}

int mark_bit(bitmap_t *bm, uint64_t ith, uint8_t mode) noexcept
{
    if (!has_bits(bm) || ith >= bm->num_bits) {
        errno = EINVAL;
        return -1;
    }
    bm->ptr[ith / 8] |= static_cast<uint8_t>(1u << (ith % 8));
    if (mode == BITMAP_REFCOUNT && bm->refcount)
        bm->refcount[ith]++;
    return 0;
}

int unmark_bit(bitmap_t *bm, uint64_t ith, uint8_t mode) noexcept
{
    if (!has_bits(bm) || ith >= bm->num_bits) {
        errno = EINVAL;
        return -1;
    }
    bm->ptr[ith / 8] &= static_cast<uint8_t>(~(1u << (ith % 8)));
    // Refcount mode counts every change of the bit, clearing included.
    if (mode == BITMAP_REFCOUNT && bm->refcount)
        bm->refcount[ith]++;
    return 0;
}

int read_bit(bitmap_t *bm, uint64_t ith) noexcept
{
    if (!has_bits(bm)) {
        OLOG(OLOG_ERROR, "bitmap is null");
        errno = EINVAL;
        return -1;
    }
    if (ith / 8 > bm->num_bytes - 1)
        return NO_BIT;
    return (bm->ptr[ith / 8] & (1u << (ith % 8))) ? OCCUPIED_BIT : EMPTY_BIT;
}

int bitmap_print(bitmap_t *bm) noexcept
{
    if (!bm) {
        errno = EINVAL;
        return -1;
    }
    for (uint64_t i = 0; i < bm->num_bytes; i++) {
        for (int b = 0; b < 8; b++)
            std::fputs((bm->ptr[i] & (1u << b)) ? "1 " : "0 ", stdout);
        std::fputc('\n', stdout);
    }
    std::fputc('\n', stdout);
    return 0;
}

} // extern "C"
