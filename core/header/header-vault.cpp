// Vault header: create and the 128-byte framed form. The on-disk fields for
// the vault size and the map offsets are 32 bits wide; values that do not fit
// are refused (EOVERFLOW) rather than truncated.
#include "vaultfile.h"

#include "common/format_internal.h"
#include "header.h"
#include "header/header_internal.h"
#include "zlog.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

using namespace orvex::fmt;

namespace {

enum : int {
    kVerMajor = 0,
    kVerMinor = 1,
    kVerPatch = 2,
    kHashAlgo = 3,
    kCmpAlgo = 4,
    kVid = 5,
    kVaultSize = 13,
    kNumChunks = 17,
    kMinChunksize = 25,
    kMaxChunksize = 29,
    kHash = 33,
    kChunkMapOffset = 41,
    kReserved = 45,
    kExtentMapOffset = 46,
    kNumExtents = 50,
    kVaultAlignment = 54,
};

} // namespace

extern "C" filehdr_t *create_vault_header(uint64_t vid, uint64_t vault_size, uint64_t num_chunks, uint32_t num_extents,
                                          uint32_t min_chunksize, uint32_t max_chunksize, uint8_t cmp_algo,
                                          uint8_t hash_algo, uint64_t hash, uint64_t chunk_map_offset,
                                          uint64_t extent_map_offset, uint8_t vault_alignment) noexcept
{
    auto *hdr = static_cast<filehdr_t *>(std::calloc(1, sizeof(filehdr_t)));
    if (!hdr) {
        OLOG(OLOG_ERROR, "calloc: %s", strerror(ENOMEM));
        errno = ENOMEM;
        return nullptr;
    }
    hdr->app_ver_major = ORVEX_APP_VER_MAJOR;
    hdr->app_ver_minor = ORVEX_APP_VER_MINOR;
    hdr->app_ver_patch = ORVEX_APP_VER_PATCH;
    hdr->vid = vid;
    hdr->filesize = vault_size;
    hdr->num_chunks = num_chunks;
    hdr->num_extents = num_extents;
    hdr->min_chunksize = min_chunksize;
    hdr->max_chunksize = max_chunksize;
    hdr->cmp_algo = cmp_algo;
    hdr->hash_algo = hash_algo;
    hdr->hash = hash;
    hdr->chunk_map_offset = chunk_map_offset;
    hdr->extent_map_offset = extent_map_offset;
    hdr->vault_alignment = vault_alignment;
    return hdr;
}

extern "C" int marshal_vault_header(void *hdrp, str_t *codeword, bool enable_ecc) noexcept
{
    if (!hdrp) {
        OLOG(OLOG_ERROR, "hdr is null");
        errno = EINVAL;
        return -1;
    }
    if (!codeword || !codeword->buf || codeword->size < HEADER_SIZE) {
        OLOG(OLOG_ERROR, "codeword is null");
        errno = EINVAL;
        return -1;
    }
    const auto *hdr = static_cast<const filehdr_t *>(hdrp);
    if (hdr->filesize > UINT32_MAX || hdr->chunk_map_offset > UINT32_MAX || hdr->extent_map_offset > UINT32_MAX) {
        OLOG(OLOG_ERROR, "create flat header: vault size %llu or map offsets (%llu, %llu) exceed 32 bits",
             static_cast<unsigned long long>(hdr->filesize), static_cast<unsigned long long>(hdr->chunk_map_offset),
             static_cast<unsigned long long>(hdr->extent_map_offset));
        errno = EOVERFLOW;
        return -1;
    }
    uint8_t *cw = codeword->buf;
    std::memset(cw, 0, HEADER_SIZE);
    cw[kVerMajor] = hdr->app_ver_major;
    cw[kVerMinor] = hdr->app_ver_minor;
    cw[kVerPatch] = hdr->app_ver_patch;
    cw[kHashAlgo] = hdr->hash_algo;
    cw[kCmpAlgo] = hdr->cmp_algo;
    put_be64(cw + kVid, hdr->vid);
    put_be32(cw + kVaultSize, static_cast<uint32_t>(hdr->filesize));
    put_be64(cw + kNumChunks, hdr->num_chunks);
    put_be32(cw + kMinChunksize, hdr->min_chunksize);
    put_be32(cw + kMaxChunksize, hdr->max_chunksize);
    put_be64(cw + kHash, hdr->hash);
    put_be32(cw + kChunkMapOffset, static_cast<uint32_t>(hdr->chunk_map_offset));
    cw[kReserved] = 0;
    put_be32(cw + kExtentMapOffset, static_cast<uint32_t>(hdr->extent_map_offset));
    put_be32(cw + kNumExtents, hdr->num_extents);
    cw[kVaultAlignment] = hdr->vault_alignment;
    orvex::header::frame_seal(cw, enable_ecc);
    codeword->used = HEADER_SIZE;
    codeword->pos = 0;
    return 0;
}

extern "C" void *unmarshal_vault_header(str_t *codeword, int do_ecc) noexcept
{
    if (!codeword || !codeword->buf || codeword->used < HEADER_SIZE) {
        OLOG(OLOG_ERROR, "codeword is null");
        errno = EINVAL;
        return nullptr;
    }
    uint8_t *cw = codeword->buf;
    orvex::header::frame_open(cw, do_ecc);
    auto *hdr = static_cast<filehdr_t *>(std::calloc(1, sizeof(filehdr_t)));
    if (!hdr) {
        OLOG(OLOG_ERROR, "calloc: %s", strerror(ENOMEM));
        errno = ENOMEM;
        return nullptr;
    }
    hdr->app_ver_major = cw[kVerMajor];
    hdr->app_ver_minor = cw[kVerMinor];
    hdr->app_ver_patch = cw[kVerPatch];
    hdr->hash_algo = cw[kHashAlgo];
    hdr->cmp_algo = cw[kCmpAlgo];
    hdr->vid = get_be64(cw + kVid);
    hdr->filesize = get_be32(cw + kVaultSize);
    hdr->num_chunks = get_be64(cw + kNumChunks);
    hdr->min_chunksize = get_be32(cw + kMinChunksize);
    hdr->max_chunksize = get_be32(cw + kMaxChunksize);
    hdr->hash = get_be64(cw + kHash);
    hdr->chunk_map_offset = get_be32(cw + kChunkMapOffset);
    hdr->extent_map_offset = get_be32(cw + kExtentMapOffset);
    hdr->num_extents = get_be32(cw + kNumExtents);
    hdr->vault_alignment = cw[kVaultAlignment];
    return hdr;
}
