// Unique names, string ownership helpers and extension tests.
#include "native_path.h"

#include "util/syscall.h"
#include "zlog.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/random.h>

using orvex::util::keep_errno;

namespace {

// Fills `buf` from the kernel's random source (waits for it to be seeded
// at boot, then never blocks). 0, or -1 with errno.
int random_bytes(void *buf, size_t len) noexcept
{
    auto *p = static_cast<unsigned char *>(buf);
    while (len > 0) {
        ssize_t n = ::getrandom(p, len, 0);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            keep_errno([] { OLOG(OLOG_ERROR, "getrandom: %s", std::strerror(errno)); });
            return -1;
        }
        p += n;
        len -= static_cast<size_t>(n);
    }
    return 0;
}

constexpr char k_alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr unsigned k_alphabet_len = sizeof k_alphabet - 1; // 62

// Dot position of the extension of the last component, or NULL. A dot that
// starts the component (a hidden name) or follows another dot does not
// start an extension.
const char *extension_dot(const char *path)
{
    const char *base = path;
    for (const char *c = path; *c; ++c)
        if (*c == '\\' || *c == '/')
            base = c + 1;
    const char *dot = std::strrchr(base, '.');
    if (!dot || dot == base || dot[-1] == '.')
        return nullptr;
    return dot;
}

// Where a suffix matching `ext` starts (the separating dot, or the '#' that
// begins it), or NULL when neither rule matches.
char *matching_suffix(char *path, const char *ext)
{
    if (const char *dot = extension_dot(path); dot && std::strcmp(dot + 1, ext) == 0)
        return path + (dot - path);
    if (char *hash = std::strrchr(path, '#'); hash && std::strcmp(hash, ext) == 0)
        return hash;
    return nullptr;
}

} // namespace

extern "C" int assign_string(char **string, const char *value) noexcept
{
    if (!string) {
        errno = EINVAL;
        return -1;
    }
    char *copy = nullptr;
    if (value) {
        copy = ::strdup(value);
        if (!copy) {
            OLOG(OLOG_ERROR, "strdup: %s", std::strerror(ENOMEM));
            errno = ENOMEM;
            return -1;
        }
    }
    std::free(*string);
    *string = copy;
    return 0;
}

extern "C" void move_string(char **dest, char **src) noexcept
{
    if (!dest || !src || dest == src)
        return;
    if (*dest != *src)
        std::free(*dest);
    *dest = *src;
    *src = nullptr;
}

// Each character comes from one random byte below 248 (4 * 62), so every
// character of the alphabet is equally likely.
extern "C" char *dot_random_string(void) noexcept
{
    constexpr size_t k_chars = 15;
    char *out = static_cast<char *>(std::malloc(k_chars + 2));
    if (!out) {
        errno = ENOMEM;
        return nullptr;
    }
    out[0] = '.';
    size_t filled = 0;
    unsigned char pool[32];
    while (filled < k_chars) {
        if (random_bytes(pool, sizeof pool) != 0) {
            std::free(out);
            return nullptr;
        }
        for (size_t i = 0; i < sizeof pool && filled < k_chars; ++i)
            if (pool[i] < 4 * k_alphabet_len)
                out[1 + filled++] = k_alphabet[pool[i] % k_alphabet_len];
    }
    out[k_chars + 1] = '\0';
    return out;
}

// Version 4 UUID: 122 random bits from the system's random source in the
// template xxxxxxxx-xxxx-4xxx-yxxx-xxxxxxxxxxxx, y one of 8, 9, a, b.
extern "C" char *uuid_get(void) noexcept
{
    static constexpr char k_template[] = "xxxxxxxx-xxxx-4xxx-yxxx-xxxxxxxxxxxx";
    static constexpr char k_hex[] = "0123456789abcdef";
    unsigned char bytes[16];
    if (random_bytes(bytes, sizeof bytes) != 0)
        return nullptr;
    char *out = static_cast<char *>(std::malloc(sizeof k_template));
    if (!out) {
        errno = ENOMEM;
        return nullptr;
    }
    size_t nibble = 0;
    for (size_t i = 0; i < sizeof k_template; ++i) {
        char t = k_template[i];
        if (t != 'x' && t != 'y') {
            out[i] = t;
            continue;
        }
        unsigned v = (bytes[nibble / 2] >> ((nibble % 2) * 4)) & 0xFu;
        ++nibble;
        out[i] = t == 'x' ? k_hex[v] : k_hex[8 + (v & 3u)];
    }
    return out;
}

extern "C" int check_extension(const char *path, const char *ext) noexcept
{
    if (!path || !ext) {
        errno = EINVAL;
        return 1;
    }
    return matching_suffix(const_cast<char *>(path), ext) ? 0 : 1;
}

extern "C" char *remove_extension(char *path, const char *ext) noexcept
{
    if (!path || !ext) {
        errno = EINVAL;
        return nullptr;
    }
    char *cut = matching_suffix(path, ext);
    if (!cut || cut == path)
        return nullptr;
    *cut = '\0';
    return path;
}
