// Vault inspection: the chunk and extent maps, a walk over the chunk
// records, and a check of every chunk against its signature.
#include "vaultfile.h"

#include "chunk.h"
#include "common/format_internal.h"
#include "file/file_internal.h"
#include "zlog.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>
#include <xxhash.h>

using orvex::fmt::ErrnoKeeper;
using orvex::fmt::get_be32;
using orvex::fmt::StrPtr;
using namespace orvex::file;

namespace {

struct FileCloser {
    void operator()(file_t *f) const noexcept
    {
        ErrnoKeeper keep;
        file_close(f);
    }
};
using FilePtr = std::unique_ptr<file_t, FileCloser>;

struct ChunkHdrDeleter {
    void operator()(chunk_hdr_t *h) const noexcept { chunk_hdr_destroy(h); }
};

FilePtr open_vault(const char *path, int file_flags)
{
    if (!path) {
        errno = EINVAL;
        return nullptr;
    }
    return FilePtr(file_open(path, &vaultfile_operations, OS_O_BINARY, file_flags, nullptr));
}

const filehdr_t *hdr_of(const file_t *f)
{
    return static_cast<const filehdr_t *>(f->hdr);
}

// End of the chunk records: the chunk map when there is one, else the footer.
uint64_t records_end(const file_t *f)
{
    const filehdr_t *h = hdr_of(f);
    if (h->chunk_map_offset >= VAULT_HDR_SIZE && h->chunk_map_offset <= f->size - VAULT_FOOTER_SIZE)
        return h->chunk_map_offset;
    return f->size - VAULT_FOOTER_SIZE;
}

// Reads `count` big-endian uint32 values at `offset` into a new array.
uint32_t *read_u32s(const file_t *f, uint64_t offset, uint64_t count, const char *what)
{
    const uint64_t bytes = count * 4;
    if (count == 0 || count > INT_MAX / 4 || offset < VAULT_HDR_SIZE || offset > f->size ||
        bytes > f->size - VAULT_FOOTER_SIZE - offset) {
        OLOG(OLOG_ERROR, "%s: %s of %llu values at offset %llu does not fit the vault", f->path, what,
             static_cast<unsigned long long>(count), static_cast<unsigned long long>(offset));
        errno = EINVAL;
        return nullptr;
    }
    auto *out = static_cast<uint32_t *>(std::malloc(static_cast<size_t>(bytes)));
    if (!out) {
        errno = ENOMEM;
        return nullptr;
    }
    if (pread_full(f->fd, out, static_cast<size_t>(bytes), offset) != 0) {
        ErrnoKeeper keep;
        OLOG(OLOG_ERROR, "%s: read %s (read=%zd,expect=%zd), %s", f->path, what, static_cast<ssize_t>(0),
             static_cast<ssize_t>(bytes), strerror(errno));
        std::free(out);
        return nullptr;
    }
    for (uint64_t i = 0; i < count; ++i)
        out[i] = get_be32(reinterpret_cast<const uint8_t *>(&out[i]));
    return out;
}

// Walks the chunk records from offset 128, bounded by the end of the
// records. false with errno on a record that cannot be read or runs past it.
bool walk_chunks(const file_t *f, std::vector<vault_chunk_info_t> &out)
{
    const filehdr_t *h = hdr_of(f);
    if (h->num_chunks == 0) {
        OLOG(OLOG_ERROR, "number of chunks is 0");
        errno = EINVAL;
        return false;
    }
    const uint64_t end = records_end(f);
    if (h->num_chunks > (end - VAULT_HDR_SIZE) / (CHUNK_HDR_SIZE + VAULT_DATA_ALIGN)) {
        OLOG(OLOG_ERROR, "%s: %llu chunks cannot fit the vault", f->path,
             static_cast<unsigned long long>(h->num_chunks));
        errno = EINVAL;
        return false;
    }
    out.reserve(static_cast<size_t>(h->num_chunks));
    uint64_t offset = VAULT_HDR_SIZE;
    for (uint64_t i = 0; i < h->num_chunks; ++i) {
        if (offset + CHUNK_HDR_SIZE > end) {
            OLOG(OLOG_ERROR, "%s: chunk %llu at offset %llu runs past the chunk records", f->path,
                 static_cast<unsigned long long>(i), static_cast<unsigned long long>(offset));
            errno = EINVAL;
            return false;
        }
        std::unique_ptr<chunk_hdr_t, ChunkHdrDeleter> ch(
            static_cast<chunk_hdr_t *>(header_get(FMT_CHUNK, f->fd, offset, nullptr, 1)));
        if (!ch) {
            if (errno == 0)
                errno = EINVAL;
            ErrnoKeeper keep;
            OLOG(OLOG_ERROR, "%s: read header from offset %llu, %s", f->path, static_cast<unsigned long long>(offset),
                 strerror(errno));
            return false;
        }
        const uint64_t length = CHUNK_HDR_SIZE + vault_data_area_size(ch->store_chunksize);
        if (length > end - offset) {
            OLOG(OLOG_ERROR, "%s: CID %u at offset %llu runs past the chunk records", f->path, ch->cid,
                 static_cast<unsigned long long>(offset));
            errno = EINVAL;
            return false;
        }
        out.push_back({ch->cid, offset, length, ch->chunksize, ch->store_chunksize});
        offset += length;
    }
    return true;
}

template <class T> T *copy_out(const std::vector<T> &v)
{
    auto *out = static_cast<T *>(std::malloc(v.size() * sizeof(T)));
    if (!out) {
        errno = ENOMEM;
        return nullptr;
    }
    std::memcpy(out, v.data(), v.size() * sizeof(T));
    return out;
}

} // namespace

extern "C" uint32_t *vaultfile_get_chunk_map(const char *path, int *num_chunks) noexcept
{
    if (!num_chunks) {
        errno = EINVAL;
        return nullptr;
    }
    FilePtr f = open_vault(path, FILE_FLAG_VERIFY_CKSUM);
    if (!f)
        return nullptr;
    const filehdr_t *h = hdr_of(f.get());
    if (h->num_chunks == 0) {
        OLOG(OLOG_ERROR, "%s: unexpected number of chunks=0", path);
        errno = EINVAL;
        return nullptr;
    }
    uint32_t *map = read_u32s(f.get(), h->chunk_map_offset, h->num_chunks, "chunk map");
    if (map)
        *num_chunks = static_cast<int>(h->num_chunks);
    return map;
}

extern "C" uint32_t *vaultfile_get_extent_map(const char *path, int *num_extents) noexcept
{
    if (!num_extents) {
        errno = EINVAL;
        return nullptr;
    }
    FilePtr f = open_vault(path, FILE_FLAG_VERIFY_CKSUM);
    if (!f)
        return nullptr;
    const filehdr_t *h = hdr_of(f.get());
    uint32_t *map = read_u32s(f.get(), h->extent_map_offset, uint64_t{h->num_extents} * 2, "extent map");
    if (map)
        *num_extents = static_cast<int>(h->num_extents);
    return map;
}

extern "C" vault_chunk_info_t *vaultfile_get_chunk_info(const char *path, int *num_chunks) noexcept
{
    return orvex::fmt::c_edge<vault_chunk_info_t *>(nullptr, [&]() -> vault_chunk_info_t * {
        if (!num_chunks) {
            errno = EINVAL;
            return nullptr;
        }
        FilePtr f = open_vault(path, 0);
        if (!f)
            return nullptr;
        std::vector<vault_chunk_info_t> info;
        if (!walk_chunks(f.get(), info))
            return nullptr;
        vault_chunk_info_t *out = copy_out(info);
        if (out)
            *num_chunks = static_cast<int>(info.size());
        return out;
    });
}

extern "C" int vaultfile_fast_check(const char *path) noexcept
{
    return orvex::fmt::c_edge<int>(-1, [&]() -> int {
        FilePtr f = open_vault(path, 0);
        if (!f)
            return -1;
        std::vector<vault_chunk_info_t> info;
        return walk_chunks(f.get(), info) ? 0 : -1;
    });
}

extern "C" int vaultfile_verify_chunks(const char *path) noexcept
{
    return orvex::fmt::c_edge<int>(-1, [&]() -> int {
        FilePtr f = open_vault(path, 0);
        if (!f)
            return -1;
        std::vector<vault_chunk_info_t> info;
        if (!walk_chunks(f.get(), info))
            return -1;
        bool all_good = true;
        for (const auto &c : info) {
            std::unique_ptr<chunk_hdr_t, ChunkHdrDeleter> ch(
                static_cast<chunk_hdr_t *>(header_get(FMT_CHUNK, f->fd, c.voffset, nullptr, 1)));
            if (!ch)
                return -1;
            StrPtr cp(read_data_and_parities_from_file(f.get(), c.voffset + CHUNK_HDR_SIZE, c.store_chunksize));
            if (!cp) {
                ErrnoKeeper keep;
                OLOG(OLOG_ERROR, "%s: CID %u, read_data_and_parities_from_file, %s", path, c.cid, strerror(errno));
                return -1;
            }
            StrPtr data(get_data_from_data_and_parities(cp.get(), static_cast<int>(c.store_chunksize), 1));
            if (!data) {
                ErrnoKeeper keep;
                OLOG(OLOG_ERROR, "%s: CID %u, get_data_from_data_and_parities, %s", path, c.cid, strerror(errno));
                return -1;
            }
            const uint64_t got = XXH64(data->buf, static_cast<size_t>(data->used), 0);
            if (got != ch->sig) {
                OLOG(OLOG_ERROR, "%s: CID %u is a corrupted chunk (got %llu,expect %llu)", path, c.cid,
                     static_cast<unsigned long long>(got), static_cast<unsigned long long>(ch->sig));
                all_good = false;
            }
        }
        if (!all_good)
            errno = EIO;
        return all_good ? 0 : -1;
    });
}
