// Vault file kind: open (header, size check, optional content checksum),
// the data-area reader with Reed-Solomon repair, and the header as JSON.
#include "vaultfile.h"

#include "common/format_internal.h"
#include "compressor.h"
#include "ecc.h"
#include "file/file_internal.h"
#include "hasher.h"
#include "util/ecc/rs_internal.h"
#include "util/syscall.h"
#include "zlog.h"

#include <nlohmann/json.hpp>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <unistd.h>
#include <vector>
#include <xxhash.h>

using orvex::fmt::ErrnoKeeper;
using orvex::fmt::Fd;
using orvex::fmt::get_be64;
using orvex::fmt::StrPtr;
using namespace orvex::file;

namespace {

// Content is hashed in slices that stay in the CPU cache between the read
// and the hash.
constexpr size_t kVerifySlice = 256 * 1024;

struct XxhStateDeleter {
    void operator()(XXH64_state_t *s) const noexcept { XXH64_freeState(s); }
};

const char *path_of(const file_t *file)
{
    return file->path ? file->path : "";
}

int vault_open(file_t *file, int os_flags, int file_flags, void *priv)
{
    (void)priv;
    if (check_open_args(file, os_flags) != 0)
        return -1;
    const int mode = access_mode(os_flags);
    if (mode != OS_O_RDONLY) {
        // Writers: read-write truncates; neither reads a header.
        int flags = native_open_flags(mode == OS_O_RDWR ? (os_flags | OS_O_TRUNC) : os_flags);
        file->fd = do_open(file->path, flags | O_NOFOLLOW, 0644);
        if (file->fd < 0) {
            ErrnoKeeper keep;
            OLOG(OLOG_ERROR, "%s: open, %s", file->path, strerror(errno));
            return -1;
        }
        fstat(file->fd, &file->st);
        return 0;
    }

    // A vault comes from a backup medium: a FIFO or a device there must not
    // block the reader, and a link is not followed to another file.
    Fd fd(do_open(file->path, native_open_flags(os_flags) | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY, 0));
    if (!fd) {
        ErrnoKeeper keep;
        OLOG(OLOG_ERROR, "%s: open, %s", file->path, strerror(errno));
        return -1;
    }
    if (fstat(fd.get(), &file->st) != 0) {
        ErrnoKeeper keep;
        OLOG(OLOG_ERROR, "%s: stat, %s", file->path, strerror(errno));
        return -1;
    }
    if (!S_ISREG(file->st.st_mode)) {
        OLOG(OLOG_ERROR, "%s: not a regular file", file->path);
        errno = EINVAL;
        return -1;
    }
    auto *hdr = static_cast<filehdr_t *>(header_get(FMT_VAULT, fd.get(), 0, nullptr, 1));
    if (!hdr) {
        ErrnoKeeper keep;
        OLOG(OLOG_ERROR, "%s: header_get, %s", file->path, strerror(errno));
        return -1;
    }
    file->hdr = hdr;
    file->fd = fd.get();
    if (vaultfile_verify(file, (file_flags & FILE_FLAG_VERIFY_CKSUM) != 0) != 0) {
        ErrnoKeeper keep;
        OLOG(OLOG_ERROR, "%s: check vault", file->path);
        file->hdr = nullptr;
        file->fd = -1;
        std::free(hdr);
        return -1;
    }
    fd.release();
    return 0;
}

int vault_close(file_t *file)
{
    int rc = 0;
    if (file->fd >= 0) {
        if ((file->flags & FILE_FLAG_SYNC) && do_fdatasync(file->fd) != 0)
            OLOG(OLOG_ERROR, "%s: fsync, %s", path_of(file), strerror(errno));
        if (::close(file->fd) != 0)
            rc = -1;
    }
    file->fd = -1;
    std::free(file->hdr);
    file->hdr = nullptr;
    return rc;
}

int vault_commit(file_t *file)
{
    if (file->fd < 0) {
        errno = EBADF;
        return -1;
    }
    if (do_fdatasync(file->fd) != 0) {
        ErrnoKeeper keep;
        OLOG(OLOG_ERROR, "%s: flush, %s", path_of(file), strerror(errno));
        return -1;
    }
    return 0;
}

int vault_fallocate(file_t *, uint64_t)
{
    return 0;
}

char *vault_print_hdr(file_t *file)
{
    const auto *hdr = static_cast<const filehdr_t *>(file ? file->hdr : nullptr);
    if (!hdr) {
        errno = EINVAL;
        return nullptr;
    }
    if (hdr->hash_algo > VAULT_HASH_ALGO_MAX || hdr->hash_algo >= HASH_MAX) {
        OLOG(OLOG_ERROR, "invalid hash algo=%u", hdr->hash_algo);
        errno = EINVAL;
        return nullptr;
    }
    if (hdr->cmp_algo > VAULT_CMP_ALGO_MAX || hdr->cmp_algo >= COMPRESSION_MAX) {
        OLOG(OLOG_ERROR, "invalid compression algo=%u", hdr->cmp_algo);
        errno = EINVAL;
        return nullptr;
    }
    return orvex::fmt::c_edge<char *>(nullptr, [&]() -> char * {
        nlohmann::ordered_json j;
        j["version.major"] = hdr->app_ver_major;
        j["version.minor"] = hdr->app_ver_minor;
        j["version.patch"] = hdr->app_ver_patch;
        j["vid"] = hdr->vid;
        j["hash"] = hasher_methods[hdr->hash_algo]->name;
        j["compression"] = compressor_methods[hdr->cmp_algo]->name;
        j["size"] = hdr->filesize;
        j["number of chunks"] = hdr->num_chunks;
        j["minimum chunksize"] = hdr->min_chunksize;
        j["maximum chunksize"] = hdr->max_chunksize;
        j["offset of chunk map"] = hdr->chunk_map_offset;
        j["offset of extent map"] = hdr->extent_map_offset;
        j["enable vault alignment"] = hdr->vault_alignment;
        std::string text = j.dump(4);
        char *out = strdup(text.c_str());
        if (!out)
            errno = ENOMEM;
        return out;
    });
}

} // namespace

extern "C" uint64_t vault_data_area_size(uint32_t store_chunksize) noexcept
{
    uint64_t n = uint64_t{store_chunksize} + NPAR * ((uint64_t{store_chunksize} + ECC_BLOCK_SIZE - 1) / ECC_BLOCK_SIZE);
    return (n + VAULT_DATA_ALIGN - 1) / VAULT_DATA_ALIGN * VAULT_DATA_ALIGN;
}

extern "C" int vaultfile_verify(file_t *vault, bool verify_cksum) noexcept
{
    if (!vault || !vault->hdr || vault->fd < 0) {
        errno = EINVAL;
        return -1;
    }
    const auto *hdr = static_cast<const filehdr_t *>(vault->hdr);
    const uint64_t size = static_cast<uint64_t>(vault->st.st_size);
    if (hdr->filesize != size) {
        OLOG(OLOG_ERROR, "incorrect vault size: got=%llu, exptect=%llu",
             static_cast<unsigned long long>(hdr->filesize), static_cast<unsigned long long>(size));
        errno = EINVAL;
        return -1;
    }
    if (!verify_cksum)
        return 0;
    if (size < VAULT_HDR_SIZE + VAULT_FOOTER_SIZE) {
        OLOG(OLOG_ERROR, "n is 0");
        errno = EINVAL;
        return -1;
    }
    const uint64_t n = size - VAULT_HDR_SIZE - VAULT_FOOTER_SIZE;

    std::unique_ptr<XXH64_state_t, XxhStateDeleter> state(XXH64_createState());
    std::unique_ptr<uint8_t, orvex::fmt::FreeDeleter> slice(static_cast<uint8_t *>(std::malloc(kVerifySlice)));
    if (!state || !slice) {
        OLOG(OLOG_ERROR, "%s: str_get, size=%zu, %s", path_of(vault), kVerifySlice, strerror(ENOMEM));
        errno = ENOMEM;
        return -1;
    }
    XXH64_reset(state.get(), 0);
    for (uint64_t done = 0; done < n;) {
        size_t want = n - done < kVerifySlice ? static_cast<size_t>(n - done) : kVerifySlice;
        if (pread_full(vault->fd, slice.get(), want, VAULT_HDR_SIZE + done) != 0) {
            ErrnoKeeper keep;
            OLOG(OLOG_ERROR, "%s: read content from vault (retval=%zu,expect=%llu), %s", path_of(vault), want,
                 static_cast<unsigned long long>(n), strerror(errno));
            return -1;
        }
        XXH64_update(state.get(), slice.get(), want);
        done += want;
    }
    const uint64_t computed = XXH64_digest(state.get());

    uint8_t footer_raw[VAULT_FOOTER_SIZE];
    if (pread_full(vault->fd, footer_raw, sizeof footer_raw, size - VAULT_FOOTER_SIZE) != 0) {
        ErrnoKeeper keep;
        OLOG(OLOG_ERROR, "%s: read hash in footer (retval=%d,expect=%d), %s", path_of(vault), 0, VAULT_FOOTER_SIZE,
             strerror(errno));
        return -1;
    }
    const uint64_t footer = get_be64(footer_raw);
    if (footer != hdr->hash) {
        OLOG(OLOG_ERROR, "%s: mismatched checksum in header and footer", path_of(vault));
        errno = EINVAL;
        return -1;
    }
    if (footer != computed) {
        OLOG(OLOG_ERROR, "%s: corrupted content", path_of(vault));
        errno = EINVAL;
        return -1;
    }
    return 0;
}

extern "C" str_t *read_data_and_parities_from_file(file_t *file, uint64_t offset, uint32_t size) noexcept
{
    if (!file || file->fd < 0) {
        errno = EINVAL;
        return nullptr;
    }
    const uint64_t len = vault_data_area_size(size);
    if (size == 0 || len > INT_MAX) {
        OLOG(OLOG_ERROR, "unexpected size=%u", size);
        errno = EINVAL;
        return nullptr;
    }
    str_t *cp = str_get(static_cast<int>(len));
    if (!cp) {
        OLOG(OLOG_ERROR, "str_get: size=%d,%s", static_cast<int>(len), strerror(errno));
        return nullptr;
    }
    if (pread_full(file->fd, cp->buf, static_cast<size_t>(len), offset) != 0) {
        ErrnoKeeper keep;
        OLOG(OLOG_ERROR, "%s: read %zu bytes at offset %lld(expect: %u bytes), %s", path_of(file),
             static_cast<size_t>(len), static_cast<long long>(offset), static_cast<unsigned>(len), strerror(errno));
        str_put(cp);
        return nullptr;
    }
    cp->used = static_cast<int>(len);
    return cp;
}

extern "C" str_t *get_data_from_data_and_parities(const str_t *cp, int chunksize, int do_ecc) noexcept
{
    if (!cp || !cp->buf || chunksize <= 0 ||
        static_cast<int64_t>(cp->used) < static_cast<int64_t>(chunksize) + ecc_parity_len(chunksize)) {
        OLOG(OLOG_ERROR, "data_from_cp: %s", strerror(EINVAL));
        errno = EINVAL;
        return nullptr;
    }
    str_t *out = str_get(chunksize);
    if (!out) {
        OLOG(OLOG_ERROR, "str_get: size=%d, %s", chunksize, strerror(errno));
        return nullptr;
    }
    std::memcpy(out->buf, cp->buf, static_cast<size_t>(chunksize));
    out->used = chunksize;
    if (do_ecc) {
        const uint8_t *parities = cp->buf + chunksize;
        for (int off = 0; off < chunksize; off += ECC_BLOCK_SIZE, parities += NPAR) {
            int len = chunksize - off < ECC_BLOCK_SIZE ? chunksize - off : ECC_BLOCK_SIZE;
            int syn[NPAR];
            orvex::ecc::syndromes_split(out->buf + off, len, parities, syn);
            if (check_syndrome(syn)) {
                uint8_t parity[NPAR] = {parities[0], parities[1]};
                orvex::ecc::correct_split(out->buf + off, len, parity, syn);
            }
        }
    }
    return out;
}

extern "C" int marshal_chunk(const uint8_t *data, int data_len, uint8_t *codeword) noexcept
{
    if (generate_codeword(data, data_len, codeword) != 0) {
        ErrnoKeeper keep;
        OLOG(OLOG_ERROR, "generate codeword: %s", strerror(errno));
        return -1;
    }
    return 0;
}

extern "C" const struct file_operations vaultfile_operations = {
    .open = vault_open,
    .close = vault_close,
    .insert = nullptr,
    .count = nullptr,
    .iter = nullptr,
    ._delete = nullptr,
    .search = nullptr,
    .update = nullptr,
    .query = nullptr,
    .reset = nullptr,
    .read = fd_read,
    .seek = fd_seek,
    .write = fd_write,
    ._commit = vault_commit,
    .ftruncate64 = nullptr,
    .fallocate = vault_fallocate,
    .findmax = nullptr,
    .print_hdr = vault_print_hdr,
    .update_cksum = nullptr,
    .iter_zero_refcount_vaults = nullptr,
    .iter_chunks = nullptr,
    .iter_vaults = nullptr,
    .get_mapdb_maxrid = nullptr,
    .getchunk = nullptr,
    .setdirty = nullptr,
    .getdirty = nullptr,
    .update_filesize = nullptr,
    .read_ranged_chunks = nullptr,
    .get_mapdb_filesize = nullptr,
    .get_frag_ratio = nullptr,
    .list = nullptr,
    .getpath = nullptr,
    .uprefcount = nullptr,
    .downrefcount = nullptr,
    .setino = nullptr,
};
