// Reed-Solomon encoder: the two-parity LFSR, whole-buffer protection and the
// syndrome computation shared with the decoder.
#include "ecc.h"
#include "util/ecc/galois.h"
#include "util/ecc/rs_internal.h"

#include "zlog.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

using namespace orvex::ecc;

extern "C" {
const int genpoly_2_parity[NPAR + 1] = {8, 6, 1};
const int genpoly_4_parity[2 * NPAR + 1] = {116, 231, 216, 30, 1};
}

namespace {

constexpr auto kMul6 = make_mul_table(6);
constexpr auto kMul8 = make_mul_table(8);
constexpr auto kMulAlpha1 = make_mul_table(2);
constexpr auto kMulAlpha2 = make_mul_table(4);

static_assert(gf_mul(2, 4) == 8 && (2 ^ 4) == 6, "g(x) = (x+a)(x+a^2) = x^2 + 6x + 8");

} // namespace

namespace orvex::ecc {

void encode_block(const uint8_t *msg, int nbytes, uint8_t *parity) noexcept
{
    uint8_t r1 = 0, r0 = 0;
    for (int i = 0; i < nbytes; ++i) {
        uint8_t f = msg[i] ^ r1;
        r1 = r0 ^ kMul6[f];
        r0 = kMul8[f];
    }
    parity[0] = r1;
    parity[1] = r0;
}

void syndromes(const uint8_t *data, int nbytes, int *syn) noexcept
{
    uint8_t s0 = 0, s1 = 0;
    for (int i = 0; i < nbytes; ++i) {
        s0 = data[i] ^ kMulAlpha1[s0];
        s1 = data[i] ^ kMulAlpha2[s1];
    }
    syn[0] = s0;
    syn[1] = s1;
}

void syndromes_split(const uint8_t *data, int nbytes, const uint8_t *parity, int *syn) noexcept
{
    uint8_t s0 = 0, s1 = 0;
    for (int i = 0; i < nbytes; ++i) {
        s0 = data[i] ^ kMulAlpha1[s0];
        s1 = data[i] ^ kMulAlpha2[s1];
    }
    for (int i = 0; i < NPAR; ++i) {
        s0 = parity[i] ^ kMulAlpha1[s0];
        s1 = parity[i] ^ kMulAlpha2[s1];
    }
    syn[0] = s0;
    syn[1] = s1;
}

} // namespace orvex::ecc

extern "C" int ecc_parity_len(int n) noexcept
{
    if (n <= 0)
        return 0;
    return NPAR * ((n + ECC_BLOCK_SIZE - 1) / ECC_BLOCK_SIZE);
}

extern "C" void encode_data(const uint8_t *msg, int nbytes, uint8_t *dst, const int *genpoly) noexcept
{
    if (!msg || !dst || nbytes < 0)
        return;
    if (dst != msg)
        std::memmove(dst, msg, static_cast<size_t>(nbytes));
    if (!genpoly || (genpoly[0] == 8 && genpoly[1] == 6)) {
        encode_block(dst, nbytes, dst + nbytes);
        return;
    }
    // Any other two-parity generator: the same register with its coefficients.
    int r1 = 0, r0 = 0;
    for (int i = 0; i < nbytes; ++i) {
        int f = dst[i] ^ r1;
        r1 = r0 ^ gf_mul(genpoly[1], f);
        r0 = gf_mul(genpoly[0], f);
    }
    dst[nbytes] = static_cast<uint8_t>(r1);
    dst[nbytes + 1] = static_cast<uint8_t>(r0);
}

extern "C" int generate_codeword(const uint8_t *data, int data_len, uint8_t *codeword) noexcept
{
    if (!data) {
        OLOG(OLOG_ERROR, "data is null");
        errno = EINVAL;
        return -1;
    }
    if (!codeword || data_len < 0 || data_len > ECC_BLOCK_SIZE) {
        OLOG(OLOG_ERROR, "invalid codeword arguments: data_len=%d", data_len);
        errno = EINVAL;
        return -1;
    }
    encode_data(data, data_len, codeword, genpoly_2_parity);
    return 0;
}

extern "C" int add_ecc_parities(const str_t *src, str_t *dst) noexcept
{
    if (!src || !dst || src->used < 0 || (!src->buf && src->used > 0)) {
        OLOG(OLOG_ERROR, "src or dst is null");
        errno = EINVAL;
        return -1;
    }
    const int n = src->used;
    const int64_t need = static_cast<int64_t>(n) + ecc_parity_len(n);
    if (need > INT32_MAX) {
        OLOG(OLOG_ERROR, "str_get: size=%lld,%s", static_cast<long long>(need), strerror(EOVERFLOW));
        errno = EOVERFLOW;
        return -1;
    }
    if (dst->size < need) {
        auto *nb = static_cast<uint8_t *>(std::realloc(dst->buf, static_cast<size_t>(need)));
        if (!nb) {
            OLOG(OLOG_ERROR, "str_get: size=%d,%s", static_cast<int>(need), strerror(ENOMEM));
            errno = ENOMEM;
            return -1;
        }
        dst->buf = nb;
        dst->size = static_cast<int>(need);
    }
    if (n > 0 && dst->buf != src->buf)
        std::memmove(dst->buf, src->buf, static_cast<size_t>(n));
    uint8_t *parity = dst->buf + n;
    for (int off = 0; off < n; off += ECC_BLOCK_SIZE, parity += NPAR) {
        int len = n - off < ECC_BLOCK_SIZE ? n - off : ECC_BLOCK_SIZE;
        encode_block(dst->buf + off, len, parity);
    }
    dst->used = static_cast<int>(need);
    if (dst->pos > dst->used)
        dst->pos = 0;
    return 0;
}
