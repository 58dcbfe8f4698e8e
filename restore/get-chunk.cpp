// Reading one chunk: header, stored bytes with signature check and parity
// repair, decryption, decompression. Every restored byte passes here.
#include "compressor.h"
#include "header.h"
#include "restore_internal.h"
#include "vaultfile.h"

#include <sys/stat.h>
#include <unistd.h>
#include <xxhash.h>

#include <vector>

using namespace orvex::restore;

namespace {

// Bytes of parity that follow `s` stored bytes (two per 253-byte block).
uint64_t parity_len(uint64_t s)
{
    return 2 * ((s + 252) / 253);
}

// Where the chunk's bytes come from: an open file or a caller's buffer.
struct Source {
    file_t *file = nullptr;
    const uint8_t *buf = nullptr;
    uint64_t bufsize = 0;

    bool is_file() const { return file != nullptr; }
    const char *name() const { return file && file->path ? file->path : "(buffer)"; }
};

// Per-thread working buffers for the stored and the decrypted bytes. Reused
// from chunk to chunk: allocating and freeing two chunk-sized buffers per
// chunk makes the allocator hand memory back to the system and fault it in
// again, which with several threads also costs cross-core TLB flushes.
// A buffer that grew past kKeepScratch is released after the chunk.
constexpr size_t kKeepScratch = 4u << 20;

struct Scratch {
    std::vector<uint8_t> stored;
    std::vector<uint8_t> plain;
};

Scratch &scratch()
{
    static thread_local Scratch s;
    return s;
}

void trim_scratch()
{
    Scratch &s = scratch();
    if (s.stored.capacity() > kKeepScratch)
        std::vector<uint8_t>().swap(s.stored);
    if (s.plain.capacity() > kKeepScratch)
        std::vector<uint8_t>().swap(s.plain);
}

// Stored bytes of one chunk: in the thread's scratch buffer, or in `owner`
// after a repair.
struct StoredBytes {
    const uint8_t *data = nullptr;
    uint64_t size = 0;
    StrPtr owner;
};

bool is_aligned_vault(file_t *file)
{
    if (!file || file->fops != &vaultfile_operations || !file->hdr)
        return false;
    return static_cast<const filehdr_t *>(file->hdr)->vault_alignment != 0;
}

// Raw chunk of an aligned vault: exactly e->chunksize bytes at e->voffset,
// no header, no checks, no transformation.
int read_aligned_chunk(file_t *file, chunkbase_t *e, uint8_t *dst, uint64_t cap, uint8_t **out)
{
    if (e->chunksize <= 0) {
        OLOG(OLOG_ERROR, "%s: an aligned vault stores no chunk header, the chunk size must be given",
             file->path ? file->path : "");
        return fail_errno(EINVAL);
    }
    OLOG(OLOG_DEBUG, "read from file: %s, file_fd: %d, %u. voffset=%lld, chunksize=%d", file->path ? file->path : "",
         file->fd, 0u, static_cast<long long>(e->voffset), e->chunksize);
    uint64_t size = static_cast<uint64_t>(e->chunksize);
    if (dst && size > cap)
        return fail_errno(EOVERFLOW);
    MallocPtr<uint8_t> own;
    uint8_t *target = dst;
    if (!target) {
        own.reset(static_cast<uint8_t *>(std::malloc(size)));
        if (!own)
            return fail_errno(ENOMEM);
        target = own.get();
    }
    if (read_at(file, target, size, static_cast<uint64_t>(e->voffset)) != 0) {
        int err = errno;
        OLOG(OLOG_ERROR, "%s: read, %s[%10d, %15llu, %15u]", file->path ? file->path : "", errtext(err), e->hid,
             static_cast<unsigned long long>(e->vid), static_cast<unsigned>(size));
        OLOG(OLOG_ERROR, "get_store_chunk_from_file_or_buffer: %s", errtext(err));
        return fail_errno(err);
    }
    if (out)
        *out = own.release();
    return 0;
}

// The chunk header at e->voffset of the file or at the start of the buffer.
chunk_hdr_t *read_chunk_header(const Source &src, chunkbase_t *e, int do_ecc)
{
    uint8_t cw[CHUNK_HDR_SIZE];
    if (src.is_file()) {
        int64_t fsize = file_bytes(src.file);
        if (e->voffset < 0 || fsize < 0 || static_cast<uint64_t>(e->voffset) + CHUNK_HDR_SIZE >
                                               static_cast<uint64_t>(fsize)) {
            OLOG(OLOG_ERROR, "get_chunk_header_from_file: vid=%lld, voffset=%lld, errno=%d",
                 static_cast<long long>(e->vid), static_cast<long long>(e->voffset), EINVAL);
            OLOG(OLOG_ERROR, "%s: chunk offset %lld lies past the end (%lld bytes)", src.name(),
                 static_cast<long long>(e->voffset), static_cast<long long>(fsize));
            errno = EINVAL;
            return nullptr;
        }
        if (read_at(src.file, cw, CHUNK_HDR_SIZE, static_cast<uint64_t>(e->voffset)) != 0) {
            int err = errno;
            OLOG(OLOG_ERROR, "get_chunk_header_from_file: vid=%lld, voffset=%lld, errno=%d",
                 static_cast<long long>(e->vid), static_cast<long long>(e->voffset), err);
            errno = err;
            return nullptr;
        }
    } else {
        if (src.bufsize < CHUNK_HDR_SIZE) {
            OLOG(OLOG_ERROR, "get_chunk_header_from_buffer: %s (buffer of %llu bytes)", errtext(EINVAL),
                 static_cast<unsigned long long>(src.bufsize));
            errno = EINVAL;
            return nullptr;
        }
        std::memcpy(cw, src.buf, CHUNK_HDR_SIZE);
    }
    auto *hdr = static_cast<chunk_hdr_t *>(header_get(FMT_CHUNK, -1, 0, cw, do_ecc));
    if (!hdr) {
        int err = errno ? errno : EINVAL;
        if (src.is_file())
            OLOG(OLOG_ERROR, "get_chunk_header_from_file: vid=%lld, voffset=%lld, errno=%d",
                 static_cast<long long>(e->vid), static_cast<long long>(e->voffset), err);
        else
            OLOG(OLOG_ERROR, "get_chunk_header_from_buffer: %s", errtext(err));
        errno = err;
    }
    return hdr;
}

// The s stored bytes, verified against the header's signature and repaired
// from their parities when ECC is on and the chunk carries them.
bool read_stored_bytes(const Source &src, chunkbase_t *e, const chunk_hdr_t *hdr, int do_ecc, uint64_t *sig,
                       StoredBytes &out)
{
    const uint64_t s = hdr->store_chunksize;
    const uint64_t base = src.is_file() ? static_cast<uint64_t>(e->voffset) + CHUNK_HDR_SIZE : CHUNK_HDR_SIZE;
    const bool with_ecc = do_ecc && hdr->ecc;
    // Only what the call will read has to be there: the data area (stored
    // bytes and parities) with ECC, the stored bytes without.
    const uint64_t need = with_ecc ? s + parity_len(s) : s;
    const uint64_t avail = src.is_file() ? static_cast<uint64_t>(std::max<int64_t>(file_bytes(src.file), 0))
                                         : src.bufsize;
    if (base > avail || need > avail - base) {
        OLOG(OLOG_ERROR, "%s: stored bytes of chunk %u run past the end (%llu + %llu > %llu)", src.name(), hdr->cid,
             static_cast<unsigned long long>(base), static_cast<unsigned long long>(need),
             static_cast<unsigned long long>(avail));
        errno = EINVAL;
        return false;
    }
    // Read the rounded data area from a vault when the file holds it, so the
    // parities are at hand without a second read.
    uint64_t len = need;
    if (with_ecc && src.is_file()) {
        uint64_t area = vault_data_area_size(static_cast<uint32_t>(s));
        if (area <= avail - base)
            len = area;
    }
    std::vector<uint8_t> &buf = scratch().stored;
    if (buf.size() < len)
        buf.resize(len);
    if (src.is_file()) {
        if (read_at(src.file, buf.data(), len, base) != 0) {
            int err = errno;
            OLOG(OLOG_ERROR, "%s: read, %s[%10d, %15llu, %15d, %15d, %15u, %15u]", src.name(), errtext(err), e->hid,
                 static_cast<unsigned long long>(e->vid), static_cast<int>(hdr->cid),
                 static_cast<int>(hdr->chunksize), hdr->store_chunksize, static_cast<unsigned>(len));
            errno = err;
            return false;
        }
    } else {
        std::memcpy(buf.data(), src.buf + base, len);
    }
    out.data = buf.data();
    out.size = s;
    if (!with_ecc)
        return true;
    uint64_t got = XXH64(buf.data(), s, 0);
    if (got != hdr->sig) {
        OLOG(OLOG_WARN, "data is corrupted and try to repair it from parities");
        str_t view{buf.data(), static_cast<int>(len), static_cast<int>(len), 0, 0};
        StrPtr fixed(get_data_from_data_and_parities(&view, static_cast<int>(s), 1));
        if (!fixed) {
            int err = errno ? errno : EIO;
            OLOG(OLOG_ERROR, "get_data_from_data_and_parities: %s", errtext(err));
            errno = err;
            return false;
        }
        got = XXH64(fixed->buf, s, 0);
        if (got != hdr->sig) {
            OLOG(OLOG_ERROR, "data is corrupted");
            OLOG(OLOG_ERROR, "%s: chunk %u at voffset %lld cannot be repaired", src.name(), hdr->cid,
                 static_cast<long long>(e->voffset));
            errno = EIO;
            return false;
        }
        out.data = fixed->buf;
        out.owner = std::move(fixed);
    }
    if (sig)
        *sig = got;
    return true;
}

// Authenticates and decrypts `n` stored bytes into the thread's plain
// buffer through the crypter's worker for this chunk (the worker the IV
// selects, under its mutex, as every user of the crypter does); the
// result is `n - num_paddings` bytes.
bool decrypt_stored(crypter_t *cry, const chunk_hdr_t *hdr, const uint8_t *in, uint64_t n, const uint8_t **plain,
                    uint64_t *plain_len)
{
    if (cry->num_workers <= 0 || !cry->workers || !cry->key || !cry->decrypter || !hdr->iv || !hdr->aad ||
        !hdr->tag || hdr->num_paddings > n || n > INT32_MAX) {
        OLOG(OLOG_ERROR, "decrypt_chunk: %s", "crypter not initialised or chunk parameters missing");
        errno = EINVAL;
        return false;
    }
    std::vector<uint8_t> &out = scratch().plain;
    if (out.size() < std::max<uint64_t>(n, 1))
        out.resize(std::max<uint64_t>(n, 1));
    crypter_worker_t &w = cry->workers[hdr->iv[0] % static_cast<unsigned>(cry->num_workers)];
    int rc;
    {
        orvex::MutexLock lock(&w.mutex);
        rc = cry->decrypter(w.ctx, w.gdata, cry->key, cry->key_len, hdr->iv, CRYPTER_IV_LEN, hdr->aad,
                            CRYPTER_AAD_LEN, hdr->tag, CRYPTER_TAG_LEN, in, static_cast<int>(n), out.data());
    }
    if (rc != 0) {
        OLOG(OLOG_ERROR, "decrypt_chunk: %s", "authentication failed (wrong key or changed bytes)");
        errno = EINVAL;
        return false;
    }
    *plain = out.data();
    *plain_len = n - hdr->num_paddings;
    return true;
}

int fetch(const Source &src, chunkbase_t *e, int do_ecc, crypter_t *cry, uint64_t *sig, uint8_t *dst, uint64_t cap,
          uint8_t **out)
{
    if (src.is_file() && is_aligned_vault(src.file))
        return read_aligned_chunk(src.file, e, dst, cap, out);

    ChunkHdrPtr hdr(read_chunk_header(src, e, do_ecc));
    if (!hdr)
        return -1;
    if (hdr->store_chunksize == 0) {
        OLOG(OLOG_ERROR, "unexpected store_chunksize '0' recorded in chunk header");
        return fail_errno(EINVAL);
    }
    if (e->chunksize <= 0) {
        if (hdr->chunksize == 0) {
            OLOG(OLOG_ERROR, "unexpected chunksize '0' recorded in chunk header ");
            return fail_errno(EINVAL);
        }
    } else if (hdr->chunksize != static_cast<uint32_t>(e->chunksize)) {
        OLOG(OLOG_ERROR, "mismatched chunksize (got:%d,expect:%d)", static_cast<int>(hdr->chunksize), e->chunksize);
        return fail_errno(EINVAL);
    }
    // Sizes read from disk are bounded before anything is allocated.
    if (hdr->chunksize > COMPRESSOR_MAX_CHUNKSIZE || hdr->store_chunksize > 2 * COMPRESSOR_MAX_CHUNKSIZE) {
        OLOG(OLOG_ERROR, "%s: chunk %u claims %u plain and %u stored bytes", src.name(), hdr->cid, hdr->chunksize,
             hdr->store_chunksize);
        return fail_errno(EINVAL);
    }
    const uint32_t plain = hdr->chunksize;
    if (dst && plain > cap) {
        // Nothing is written into a buffer the chunk does not fit.
        return fail_errno(EOVERFLOW);
    }
    if (e->chunksize <= 0)
        e->chunksize = static_cast<int32_t>(plain);

    StoredBytes stored;
    if (!read_stored_bytes(src, e, hdr.get(), do_ecc, sig, stored)) {
        int err = errno;
        OLOG(OLOG_ERROR, "get_store_chunk_from_file_or_buffer: %s", errtext(err));
        return fail_errno(err);
    }

    const uint8_t *plainish = stored.data;
    uint64_t plainish_len = stored.size;
    if (hdr->cry_algo != CRYPTION_NONE) {
        const char *why = nullptr;
        if (!cry)
            why = "cry is null";
        else if (cry->algo != hdr->cry_algo)
            why = "mismatched decryption algorithm";
        if (why) {
            OLOG(OLOG_ERROR, "%s", why);
            OLOG(OLOG_ERROR, "decrypt_chunk: %s", why);
            return fail_errno(EINVAL);
        }
        if (!decrypt_stored(cry, hdr.get(), stored.data, stored.size, &plainish, &plainish_len))
            return -1;
    }

    MallocPtr<uint8_t> own;
    uint8_t *target = dst;
    if (!target) {
        own.reset(static_cast<uint8_t *>(std::malloc(plain ? plain : 1)));
        if (!own)
            return fail_errno(ENOMEM);
        target = own.get();
    }
    if (hdr->cmp_algo == COMPRESSION_NONE) {
        if (plainish_len != plain) {
            OLOG(OLOG_ERROR, "%s: chunk %u holds %llu bytes, its header says %u", src.name(), hdr->cid,
                 static_cast<unsigned long long>(plainish_len), plain);
            return fail_errno(EIO);
        }
        std::memcpy(target, plainish, plain);
    } else {
        // Straight into the destination: the method table's entry, with the
        // same exact-size rule as do_decompress.
        static const uint8_t empty = 0;
        int got = compressor_methods[hdr->cmp_algo]->decompress(plainish_len ? plainish : &empty, target,
                                                                static_cast<int>(plainish_len),
                                                                static_cast<int>(plain), nullptr);
        if (got < 0 || static_cast<uint32_t>(got) != plain) {
            OLOG(OLOG_ERROR, "decompress_chunk: %s (got %d bytes, expect %u)", errtext(EIO), got, plain);
            return fail_errno(EIO);
        }
    }
    if (out)
        *out = own.release();
    return 0;
}

} // namespace

namespace orvex::restore {

int read_at(file_t *file, void *buf, uint64_t len, uint64_t offset) noexcept
{
    if (!file)
        return fail_errno(EINVAL);
    if (offset > static_cast<uint64_t>(INT64_MAX) || len > static_cast<uint64_t>(INT64_MAX) - offset)
        return fail_errno(EOVERFLOW);
    auto *p = static_cast<uint8_t *>(buf);
    if (file->fd >= 0) {
        uint64_t done = 0;
        while (done < len) {
            ssize_t n = ::pread(file->fd, p + done, static_cast<size_t>(len - done),
                                static_cast<off_t>(offset + done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return -1;
            if (n == 0)
                return fail_errno(EIO);
            done += static_cast<uint64_t>(n);
        }
        return 0;
    }
    if (!file->fops || !file->fops->seek || !file->fops->read)
        return fail_errno(EINVAL);
    if (file->fops->seek(file, static_cast<int64_t>(offset), SEEK_SET) < 0)
        return fail_errno(errno ? errno : EIO);
    ssize_t n = file->fops->read(file, p, 1, static_cast<size_t>(len));
    if (n < 0)
        return fail_errno(errno ? errno : EIO);
    if (static_cast<uint64_t>(n) != len)
        return fail_errno(EIO);
    return 0;
}

int64_t file_bytes(file_t *file) noexcept
{
    if (!file)
        return -1;
    if (file->size > 0)
        return static_cast<int64_t>(file->size);
    if (file->fd >= 0) {
        struct stat st {};
        if (fstat(file->fd, &st) == 0)
            return static_cast<int64_t>(st.st_size);
    }
    return static_cast<int64_t>(file->st.st_size);
}

int fetch_chunk(file_t *file, const uint8_t *buffer, uint64_t bufsize, chunkbase_t *e, int do_ecc, crypter_t *cry,
                uint64_t *sig, uint8_t *dst, uint64_t dst_capacity, uint8_t **out) noexcept
{
    if (!e || (!file && !buffer))
        return fail_errno(EINVAL);
    Source src;
    src.file = file;
    src.buf = buffer;
    src.bufsize = bufsize;
    int rc;
    try {
        rc = fetch(src, e, do_ecc, cry, sig, dst, dst_capacity, out);
    } catch (...) {
        rc = fail_errno(ENOMEM);
    }
    ErrnoKeeper keep;
    trim_scratch();
    return rc;
}

} // namespace orvex::restore

extern "C" {

uint8_t *get_chunk_from_disk(void *arc, file_t *file, chunkbase_t *e, int do_ecc, crypter_t *cry,
                             uint64_t *sig) noexcept
{
    (void)arc;
    if (!file || !e) {
        OLOG(OLOG_ERROR, "file or chunk is null");
        errno = EINVAL;
        return nullptr;
    }
    uint8_t *out = nullptr;
    if (fetch_chunk(file, nullptr, 0, e, do_ecc, cry, sig, nullptr, 0, &out) != 0)
        return nullptr;
    return out;
}

uint8_t *get_chunk_from_buffer(void *buffer, uint64_t bufsize, chunkbase_t *e, int do_ecc, crypter_t *cry,
                               uint64_t *sig) noexcept
{
    (void)do_ecc; // a buffer is always read with ECC on
    if (!buffer || !e) {
        OLOG(OLOG_ERROR, "buffer or chunk is null");
        errno = EINVAL;
        return nullptr;
    }
    uint8_t *out = nullptr;
    if (fetch_chunk(nullptr, static_cast<const uint8_t *>(buffer), bufsize, e, 1, cry, sig, nullptr, 0, &out) != 0)
        return nullptr;
    return out;
}

} // extern "C"
