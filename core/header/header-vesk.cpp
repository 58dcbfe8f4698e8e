// VESK container header: 128 bytes at the start of a container, big-endian,
// no signature and no parity.
#include "header.h"

#include "common/format_internal.h"
#include "zlog.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

using namespace orvex::fmt;

namespace {

enum : int {
    kMagic = 0,
    kVerMajor = 4,
    kVerMinor = 5,
    kVerPatch = 6,
    kExportdbOffset = 7,
    kExportdbSize = 15,
};

} // namespace

extern "C" vesk_hdr_t *vesk_hdr_create(uint64_t exportdb_offset, uint64_t exportdb_size) noexcept
{
    auto *hdr = static_cast<vesk_hdr_t *>(std::calloc(1, sizeof(vesk_hdr_t)));
    if (!hdr) {
        OLOG(OLOG_ERROR, "calloc: %s", strerror(ENOMEM));
        errno = ENOMEM;
        return nullptr;
    }
    hdr->magic = VESK_MAGIC;
    hdr->app_ver_major = ORVEX_APP_VER_MAJOR;
    hdr->app_ver_minor = ORVEX_APP_VER_MINOR;
    hdr->app_ver_patch = ORVEX_APP_VER_PATCH;
    hdr->exportdb_offset = exportdb_offset;
    hdr->exportdb_size = exportdb_size;
    OLOG(OLOG_DEBUG, "vesk: v%u.%u.%u, exportdb.offset=%llu, exportdb.size=%llu", hdr->app_ver_major,
         hdr->app_ver_minor, hdr->app_ver_patch, static_cast<unsigned long long>(exportdb_offset),
         static_cast<unsigned long long>(exportdb_size));
    return hdr;
}

extern "C" void vesk_hdr_destroy(vesk_hdr_t *hdr) noexcept
{
    std::free(hdr);
}

extern "C" str_t *vesk_hdr_marshal(const vesk_hdr_t *hdr) noexcept
{
    if (!hdr) {
        errno = EINVAL;
        return nullptr;
    }
    str_t *cw = str_get(VESK_HDR_SIZE);
    if (!cw) {
        OLOG(OLOG_ERROR, "str_get: size=%d,%s", VESK_HDR_SIZE, strerror(errno));
        return nullptr;
    }
    std::memset(cw->buf, 0, VESK_HDR_SIZE);
    put_be32(cw->buf + kMagic, hdr->magic);
    cw->buf[kVerMajor] = hdr->app_ver_major;
    cw->buf[kVerMinor] = hdr->app_ver_minor;
    cw->buf[kVerPatch] = hdr->app_ver_patch;
    put_be64(cw->buf + kExportdbOffset, hdr->exportdb_offset);
    put_be64(cw->buf + kExportdbSize, hdr->exportdb_size);
    cw->used = VESK_HDR_SIZE;
    return cw;
}

extern "C" vesk_hdr_t *vesk_hdr_unmarshal(const str_t *codeword) noexcept
{
    if (!codeword || !codeword->buf || codeword->used < VESK_HDR_SIZE) {
        errno = EINVAL;
        return nullptr;
    }
    auto *hdr = static_cast<vesk_hdr_t *>(std::calloc(1, sizeof(vesk_hdr_t)));
    if (!hdr) {
        OLOG(OLOG_ERROR, "calloc: %s", strerror(ENOMEM));
        errno = ENOMEM;
        return nullptr;
    }
    const uint8_t *p = codeword->buf;
    hdr->magic = get_be32(p + kMagic);
    hdr->app_ver_major = p[kVerMajor];
    hdr->app_ver_minor = p[kVerMinor];
    hdr->app_ver_patch = p[kVerPatch];
    hdr->exportdb_offset = get_be64(p + kExportdbOffset);
    hdr->exportdb_size = get_be64(p + kExportdbSize);
    return hdr;
}
