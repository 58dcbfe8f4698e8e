// Growable byte buffer: the one place that grows and bounds-checks buffers
// for the marshallers and codecs.
#include "util/str.h"

#include "zlog.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <endian.h>

namespace {

bool invariant_ok(const str_t *s)
{
    if (!s->buf && s->size != 0) {
        OLOG(OLOG_ERROR, "str error: buf is null");
        return false;
    }
    if (s->used > s->size || s->used < 0) {
        OLOG(OLOG_ERROR, "str error: allocated %u, used %u", s->size, s->used);
        return false;
    }
    if (s->pos > s->used || s->pos < 0) {
        OLOG(OLOG_ERROR, "str error : position %u, used %u", s->pos, s->used);
        return false;
    }
    return true;
}

// Smallest power of two not below `need`; 0 when it would not fit an int.
int grow_capacity(int64_t need)
{
    int64_t cap = 1;
    while (cap < need)
        cap <<= 1;
    return cap > INT_MAX ? 0 : static_cast<int>(cap);
}

bool can_read(const str_t *s, int len)
{
    return s && s->buf && len >= 0 && s->pos >= 0 && s->pos <= s->used && s->used - s->pos >= len;
}

} // namespace

extern "C" str_t *str_get(int size) noexcept
{
    if (size < 0) {
        errno = EINVAL;
        return nullptr;
    }
    auto *s = static_cast<str_t *>(std::calloc(1, sizeof(str_t)));
    if (!s) {
        errno = ENOMEM;
        return nullptr;
    }
    if (size > 0) {
        s->buf = static_cast<uint8_t *>(std::malloc(static_cast<size_t>(size)));
        if (!s->buf) {
            std::free(s);
            errno = ENOMEM;
            return nullptr;
        }
    }
    s->size = size;
    return s;
}

extern "C" void str_put(str_t *s) noexcept
{
    if (!s)
        return;
    std::free(s->buf);
    std::free(s);
}

extern "C" void str_reset(str_t *s) noexcept
{
    if (!s)
        return;
    std::free(s->buf);
    s->buf = nullptr;
    s->size = s->used = s->pos = s->padding = 0;
}

extern "C" str_t *str_from_data(void *buf, int size) noexcept
{
    if (size < 0 || (!buf && size > 0)) {
        errno = EINVAL;
        return nullptr;
    }
    auto *s = static_cast<str_t *>(std::calloc(1, sizeof(str_t)));
    if (!s) {
        errno = ENOMEM;
        return nullptr;
    }
    s->buf = static_cast<uint8_t *>(buf);
    s->size = s->used = size;
    return s;
}

extern "C" str_t *str_copy_from_data(const void *buf, int size) noexcept
{
    if (size < 0 || (!buf && size > 0)) {
        errno = EINVAL;
        return nullptr;
    }
    str_t *s = str_get(size);
    if (!s)
        return nullptr;
    if (size > 0)
        std::memcpy(s->buf, buf, static_cast<size_t>(size));
    s->used = size;
    return s;
}

extern "C" int str_add_data(str_t *s, const void *data, int len) noexcept
{
    if (!s || len < 0 || (!data && len > 0)) {
        errno = EINVAL;
        return -1;
    }
    if (!invariant_ok(s)) {
        errno = EINVAL;
        return -1;
    }
    int64_t need = static_cast<int64_t>(s->used) + len;
    if (need > s->size) {
        int cap = grow_capacity(need);
        if (cap == 0) {
            errno = EOVERFLOW;
            return -1;
        }
        auto *nb = static_cast<uint8_t *>(std::realloc(s->buf, static_cast<size_t>(cap)));
        if (!nb) {
            errno = ENOMEM;
            return -1;
        }
        s->buf = nb;
        s->size = cap;
    }
    if (len > 0)
        std::memcpy(s->buf + s->used, data, static_cast<size_t>(len));
    s->used += len;
    return 0;
}

extern "C" int str_add_u8(str_t *s, uint8_t v) noexcept { return str_add_data(s, &v, sizeof v); }
extern "C" int str_add_u16(str_t *s, uint16_t v) noexcept { return str_add_data(s, &v, sizeof v); }
extern "C" int str_add_u32(str_t *s, uint32_t v) noexcept { return str_add_data(s, &v, sizeof v); }
extern "C" int str_add_u64(str_t *s, uint64_t v) noexcept { return str_add_data(s, &v, sizeof v); }

extern "C" int str_get_data(str_t *s, void *data, int len) noexcept
{
    if (!can_read(s, len) || (!data && len > 0))
        return 0;
    if (len > 0)
        std::memcpy(data, s->buf + s->pos, static_cast<size_t>(len));
    s->pos += len;
    return len;
}

extern "C" int str_get_u8(str_t *s, uint8_t *out) noexcept { return str_get_data(s, out, sizeof *out); }
extern "C" int str_get_u32(str_t *s, uint32_t *out) noexcept { return str_get_data(s, out, sizeof *out); }
extern "C" int str_get_u64(str_t *s, uint64_t *out) noexcept { return str_get_data(s, out, sizeof *out); }

extern "C" int str_get_be32toh(str_t *s, uint32_t *out) noexcept
{
    uint32_t v = 0;
    int n = str_get_data(s, &v, sizeof v);
    if (n && out)
        *out = be32toh(v);
    return n;
}

extern "C" int str_get_be64toh(str_t *s, uint64_t *out) noexcept
{
    uint64_t v = 0;
    int n = str_get_data(s, &v, sizeof v);
    if (n && out)
        *out = be64toh(v);
    return n;
}

extern "C" int str_jump(str_t *s, int offset) noexcept
{
    if (!s || offset < 0 || offset > s->size)
        return -1;
    s->used = offset;
    if (s->pos > s->used)
        s->pos = s->used;
    return 0;
}

extern "C" int read_str(FILE *fp, str_t *s) noexcept
{
    if (!fp || !s || s->size < 0 || (!s->buf && s->size > 0)) {
        errno = EINVAL;
        return -1;
    }
    size_t want = static_cast<size_t>(s->size);
    if (want > 0 && std::fread(s->buf, 1, want, fp) != want)
        return -1;
    s->used = s->size;
    s->pos = 0;
    return 0;
}
