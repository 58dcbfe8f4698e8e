// Where vault (hid, vid) lives under a vault directory, in the two naming
// schemes, and the reverse parse of a vault file name.
#include "vaultfile.h"

#include "zlog.h"

#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The file name "%07X_%016llX.ovt".
bool vault_name(uint32_t hid, uint64_t vid, char *out, size_t len)
{
    int n = std::snprintf(out, len, "%07X_%016llX.ovt", hid, static_cast<unsigned long long>(vid));
    return n > 0 && static_cast<size_t>(n) < len;
}

// Joins the group directory (already holding the chain) and the file name
// under `dir` with the logger's path helper.
char *join(const char *dir, const std::string &fulldir, const char *name, uint32_t hid, uint64_t vid)
{
    char *base = dir ? prepend_s(dir, fulldir.c_str()) : strdup(fulldir.c_str());
    if (!base) {
        OLOG(OLOG_ERROR, "get_fulldir failed: dir=%s,hid=%u,viddir=%s", dir ? dir : "", hid, fulldir.c_str());
        errno = ENOMEM;
        return nullptr;
    }
    char *path = prepend_s(base, name);
    std::free(base);
    if (!path) {
        OLOG(OLOG_ERROR, "prepend_s: (hid,vid)=(%u, %llu)", hid, static_cast<unsigned long long>(vid));
        errno = ENOMEM;
    }
    return path;
}

} // namespace

extern "C" char *vaultfile_get_path(const char *dir, uint32_t hid, uint64_t vid) noexcept
{
    try {
        char v[17];
        std::snprintf(v, sizeof v, "%016llX", static_cast<unsigned long long>(vid));
        char group[32];
        std::snprintf(group, sizeof group, "u_%07X", hid);
        std::string fulldir = group;
        // Seven levels of two digits each; the last two digits are not used.
        for (int level = 0; level < 7; ++level) {
            fulldir += '\\';
            fulldir += static_cast<char>('0' + level);
            fulldir += '_';
            fulldir.append(v + 2 * level, 2);
        }
        char name[64];
        if (!vault_name(hid, vid, name, sizeof name)) {
            OLOG(OLOG_ERROR, "get_name: hid=%u,vid=%llu", hid, static_cast<unsigned long long>(vid));
            errno = EINVAL;
            return nullptr;
        }
        return join(dir, fulldir, name, hid, vid);
    } catch (...) {
        OLOG(OLOG_ERROR, "malloc: %s", strerror(ENOMEM));
        errno = ENOMEM;
        return nullptr;
    }
}

extern "C" char *vaultfile_get_path_v2(const char *dir, uint32_t hid, uint64_t vid) noexcept
{
    try {
        char v[17];
        std::snprintf(v, sizeof v, "%016llx", static_cast<unsigned long long>(vid));
        char chain[32];
        std::snprintf(chain, sizeof chain, "%.4s/%.3s/%.3s/%.3s", v, v + 4, v + 7, v + 10);
        char group[32];
        std::snprintf(group, sizeof group, "u_%07X", hid);
        std::string fulldir = std::string(group) + '\\' + chain;
        char name[64];
        if (!vault_name(hid, vid, name, sizeof name)) {
            OLOG(OLOG_ERROR, "get_name failed: hid=%u,vid=%llu", hid, static_cast<unsigned long long>(vid));
            errno = EINVAL;
            return nullptr;
        }
        return join(dir, fulldir, name, hid, vid);
    } catch (...) {
        OLOG(OLOG_ERROR, "malloc: %s", strerror(ENOMEM));
        errno = ENOMEM;
        return nullptr;
    }
}

extern "C" int get_hid_and_vid_from_filename(const char *path, int *hid, int64_t *vid) noexcept
{
    if (!path || !hid || !vid) {
        errno = EINVAL;
        return -1;
    }
    const char *name = path;
    for (const char *p = path; *p; ++p)
        if (*p == '\\' || *p == '/')
            name = p + 1;
    unsigned int h = 0;
    unsigned long long v = 0;
    if (std::sscanf(name, "%7X_%16llX.ovt", &h, &v) != 2) {
        OLOG(OLOG_ERROR, "parse: %s", path);
        errno = EINVAL;
        return -1;
    }
    *hid = static_cast<int>(h);
    *vid = static_cast<int64_t>(v);
    return 0;
}
