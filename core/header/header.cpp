// Framed headers: the per-format table, the common frame, and reading a
// header from a file descriptor or a buffer.
#include "header.h"

#include "chunk.h"
#include "common/format_internal.h"
#include "ecc.h"
#include "header/header_internal.h"
#include "vaultfile.h"
#include "zlog.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>
#include <xxhash.h>

using namespace orvex::fmt;

static_assert(sizeof(file_attr_t) == FILE_ATTR_SIZE, "the attribute record is a fixed 48-byte blob");

namespace {

void *unmarshal_chunk_header_any(str_t *codeword, int do_ecc)
{
    return unmarshal_chunk_header(codeword, do_ecc);
}

int marshal_vault_any(void *hdr, str_t *codeword, bool enable_ecc)
{
    return marshal_vault_header(hdr, codeword, enable_ecc);
}

void *unmarshal_vault_any(str_t *codeword, int do_ecc)
{
    return unmarshal_vault_header(codeword, do_ecc);
}

int marshal_chunk_any(void *hdr, str_t *codeword, bool enable_ecc)
{
    return marshal_chunk_header(hdr, codeword, enable_ecc);
}

bool valid_framed_fmt(int fmt)
{
    return fmt > FMT_DESCRIPTOR && fmt < FMT_MAX;
}

// Reads exactly `len` bytes at `offset`, leaving the position after them.
bool read_at(int fd, uint64_t offset, uint8_t *buf, int len)
{
    if (offset > static_cast<uint64_t>(INT64_MAX) ||
        lseek(fd, static_cast<off_t>(offset), SEEK_SET) == static_cast<off_t>(-1)) {
        OLOG(OLOG_ERROR, "seek to %llu", static_cast<unsigned long long>(offset));
        return false;
    }
    int got = 0;
    while (got < len) {
        ssize_t n = ::read(fd, buf + got, static_cast<size_t>(len - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            int err = n < 0 ? errno : EIO;
            OLOG(OLOG_ERROR, "read: expected:%d,read:%u, %s", len, static_cast<unsigned>(got), strerror(err));
            errno = err;
            return false;
        }
        got += static_cast<int>(n);
    }
    return true;
}

} // namespace

extern "C" {
const hdrops_t hdrops[FMT_MAX] = {
    {"descriptor", 0, nullptr, nullptr},
    {"vault", HEADER_SIZE, marshal_vault_any, unmarshal_vault_any},
    {"memvault", HEADER_SIZE, marshal_vault_any, unmarshal_vault_any},
    {"chunk", HEADER_SIZE, marshal_chunk_any, unmarshal_chunk_header_any},
};
}

namespace orvex::header {

void frame_seal(uint8_t *cw, bool ecc) noexcept
{
    put_be64(cw + HEADER_SIG_OFFSET, XXH64(cw, HEADER_BODY_SIZE, 0));
    if (ecc)
        encode_data(cw, HEADER_PARITY_OFFSET, cw, genpoly_2_parity);
    else
        cw[HEADER_PARITY_OFFSET] = cw[HEADER_PARITY_OFFSET + 1] = 0;
}

bool frame_open(uint8_t *cw, int do_ecc) noexcept
{
    if (!do_ecc)
        return true;
    if (XXH64(cw, HEADER_BODY_SIZE, 0) == get_be64(cw + HEADER_SIG_OFFSET))
        return true;
    int syn[NPAR];
    decode_data(cw, HEADER_SIZE, syn);
    if (check_syndrome(syn))
        correct_errors_erasures(cw, HEADER_SIZE, 0, nullptr, syn);
    return XXH64(cw, HEADER_BODY_SIZE, 0) == get_be64(cw + HEADER_SIG_OFFSET);
}

} // namespace orvex::header

extern "C" void *header_get(int fmt, int fd, uint64_t offset, void *buf, int do_ecc) noexcept
{
    if (!valid_framed_fmt(fmt) || (fd < 0 && !buf)) {
        errno = EINVAL;
        return nullptr;
    }
    uint8_t cw[HEADER_SIZE];
    if (fd >= 0) {
        if (!read_at(fd, offset, cw, HEADER_SIZE))
            return nullptr;
    } else {
        std::memcpy(cw, buf, HEADER_SIZE);
    }
    str_t codeword{cw, HEADER_SIZE, HEADER_SIZE, 0, 0};
    return hdrops[fmt].unmarshal_header(&codeword, do_ecc);
}

extern "C" void header_put(void *hdr, int fmt) noexcept
{
    if (!hdr)
        return;
    if (fmt == FMT_CHUNK)
        chunk_hdr_destroy(static_cast<chunk_hdr_t *>(hdr));
    else
        std::free(hdr);
}

extern "C" str_t *get_header_codeword(void *hdr, int fmt, bool enable_ecc) noexcept
{
    if (!hdr || !valid_framed_fmt(fmt)) {
        errno = EINVAL;
        return nullptr;
    }
    StrPtr cw(str_get(hdrops[fmt].size));
    if (!cw) {
        OLOG(OLOG_ERROR, "str_get: size=%d,%s", hdrops[fmt].size, strerror(errno));
        return nullptr;
    }
    if (hdrops[fmt].marshal_header(hdr, cw.get(), enable_ecc) != 0) {
        OLOG(OLOG_ERROR, "marshal header: %s", strerror(errno));
        return nullptr;
    }
    return cw.release();
}

extern "C" void put_header_codeword(str_t *codeword) noexcept
{
    str_put(codeword);
}
