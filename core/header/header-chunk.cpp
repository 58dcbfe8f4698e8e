// Chunk header: create/destroy and the 128-byte framed form. On disk the
// three 16-byte buffers come in the order iv, tag, aad.
#include "chunk.h"

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
    kCid = 0,
    kChunksize = 4,
    kStoreChunksize = 8,
    kNumPaddings = 12,
    kCmpAlgo = 13,
    kCryAlgo = 14,
    kEcc = 15,
    kSig = 16,
    kIv = 24,
    kTag = 40,
    kAad = 56,
};

void put_buffer(uint8_t *dst, const uint8_t *src, size_t len)
{
    if (src)
        std::memcpy(dst, src, len);
    else
        std::memset(dst, 0, len);
}

} // namespace

extern "C" chunk_hdr_t *chunk_hdr_create(uint32_t cid, uint32_t chunksize, uint32_t store_chunksize,
                                         uint8_t num_paddings, uint8_t cmp_algo, uint8_t cry_algo, uint8_t ecc,
                                         uint8_t *iv, uint8_t *aad, uint8_t *tag, uint64_t sig) noexcept
{
    auto *hdr = static_cast<chunk_hdr_t *>(std::calloc(1, sizeof(chunk_hdr_t)));
    if (!hdr) {
        OLOG(OLOG_ERROR, "calloc: %s", strerror(ENOMEM));
        std::free(iv);
        std::free(aad);
        std::free(tag);
        errno = ENOMEM;
        return nullptr;
    }
    hdr->cid = cid;
    hdr->chunksize = chunksize;
    hdr->store_chunksize = store_chunksize;
    hdr->num_paddings = num_paddings;
    hdr->cmp_algo = cmp_algo;
    hdr->cry_algo = cry_algo;
    hdr->ecc = ecc;
    hdr->sig = sig;
    hdr->iv = iv;
    hdr->aad = aad;
    hdr->tag = tag;
    return hdr;
}

extern "C" void chunk_hdr_destroy(chunk_hdr_t *hdr) noexcept
{
    if (!hdr)
        return;
    std::free(hdr->iv);
    std::free(hdr->aad);
    std::free(hdr->tag);
    std::free(hdr);
}

extern "C" int marshal_chunk_header(void *hdrp, str_t *codeword, bool enable_ecc) noexcept
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
    const auto *hdr = static_cast<const chunk_hdr_t *>(hdrp);
    uint8_t *cw = codeword->buf;
    std::memset(cw, 0, HEADER_SIZE);
    put_be32(cw + kCid, hdr->cid);
    put_be32(cw + kChunksize, hdr->chunksize);
    put_be32(cw + kStoreChunksize, hdr->store_chunksize);
    cw[kNumPaddings] = hdr->num_paddings;
    cw[kCmpAlgo] = hdr->cmp_algo;
    cw[kCryAlgo] = hdr->cry_algo;
    cw[kEcc] = hdr->ecc;
    put_be64(cw + kSig, hdr->sig);
    put_buffer(cw + kIv, hdr->iv, CHUNK_IV_LEN);
    put_buffer(cw + kTag, hdr->tag, CHUNK_TAG_LEN);
    put_buffer(cw + kAad, hdr->aad, CHUNK_AAD_LEN);
    orvex::header::frame_seal(cw, enable_ecc);
    codeword->used = HEADER_SIZE;
    codeword->pos = 0;
    return 0;
}

extern "C" chunk_hdr_t *unmarshal_chunk_header(str_t *codeword, int do_ecc) noexcept
{
    if (!codeword || !codeword->buf || codeword->used < HEADER_SIZE) {
        OLOG(OLOG_ERROR, "codeword is null");
        errno = EINVAL;
        return nullptr;
    }
    uint8_t *cw = codeword->buf;
    orvex::header::frame_open(cw, do_ecc);

    // Range checks come first so that a rejected header allocates nothing.
    if (cw[kCmpAlgo] > CHUNK_MAX_CMP_ALGO || cw[kCryAlgo] > CHUNK_MAX_CRY_ALGO ||
        cw[kNumPaddings] > CHUNK_MAX_PADDINGS) {
        errno = EINVAL;
        return nullptr;
    }
    MallocPtr<uint8_t> iv(static_cast<uint8_t *>(std::malloc(CHUNK_IV_LEN)));
    MallocPtr<uint8_t> tag(static_cast<uint8_t *>(std::malloc(CHUNK_TAG_LEN)));
    MallocPtr<uint8_t> aad(static_cast<uint8_t *>(std::malloc(CHUNK_AAD_LEN)));
    if (!iv || !tag || !aad) {
        OLOG(OLOG_ERROR, "malloc: %s", strerror(ENOMEM));
        errno = ENOMEM;
        return nullptr;
    }
    std::memcpy(iv.get(), cw + kIv, CHUNK_IV_LEN);
    std::memcpy(tag.get(), cw + kTag, CHUNK_TAG_LEN);
    std::memcpy(aad.get(), cw + kAad, CHUNK_AAD_LEN);
    return chunk_hdr_create(get_be32(cw + kCid), get_be32(cw + kChunksize), get_be32(cw + kStoreChunksize),
                            cw[kNumPaddings], cw[kCmpAlgo], cw[kCryAlgo], cw[kEcc], iv.release(), aad.release(),
                            tag.release(), get_be64(cw + kSig));
}
