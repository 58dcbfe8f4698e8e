// Single-error Reed-Solomon decoder: syndromes, the Berlekamp-Massey error
// locator, the Chien search and the Forney error value, plus the small
// polynomial helpers they are built from.
#include "ecc.h"
#include "util/ecc/galois.h"
#include "util/ecc/rs_internal.h"

#include "zlog.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

using namespace orvex::ecc;

namespace {

// Polynomials of the decoder: ECC_MAXDEG coefficients, low first.
using Poly = int[ECC_MAXDEG];

int eval_poly(const int *p, int deg, int x) noexcept
{
    // Horner from the highest coefficient.
    int acc = 0;
    for (int i = deg; i >= 0; --i)
        acc = gf_mul(acc, x) ^ p[i];
    return acc;
}

// Error locator of the syndromes by Berlekamp-Massey, starting from the
// erasure locator 1 (no erasures). Returns the locator's degree L.
int berlekamp_massey(const int *syn, int *lambda) noexcept
{
    Poly b{}, t{}, xb{};
    std::memset(lambda, 0, sizeof(Poly));
    lambda[0] = 1;
    b[0] = 1;
    int len = 0;
    for (int n = 0; n < NPAR; ++n) {
        int d = syn[n];
        for (int i = 1; i <= len && i <= n; ++i)
            d ^= gf_mul(lambda[i], syn[n - i]);
        std::memcpy(xb, b, sizeof(Poly));
        mul_z_poly(xb);
        if (d == 0) {
            std::memcpy(b, xb, sizeof(Poly));
            continue;
        }
        std::memcpy(t, xb, sizeof(Poly));
        scale_poly(d, t);
        add_polys(t, lambda); // t = lambda - d*x*b (characteristic 2)
        if (2 * len <= n) {
            std::memcpy(b, lambda, sizeof(Poly));
            scale_poly(gf_inv(d), b);
            len = n + 1 - len;
        } else {
            std::memcpy(b, xb, sizeof(Poly));
        }
        std::memcpy(lambda, t, sizeof(Poly));
    }
    return len;
}

// Finds the single error of a codeword of csize bytes. On success stores its
// byte index (from the start) and value and returns 0; -1 when the syndromes
// do not describe exactly one correctable byte.
int locate_single_error(const int *syn, int csize, int *index, int *value) noexcept
{
    if (syn[0] == 0 && syn[1] == 0)
        return -1;
    Poly lambda;
    int deg = berlekamp_massey(syn, lambda);
    while (deg > 0 && lambda[deg] == 0)
        --deg;
    if (deg == 0)
        return -1;

    // Omega = lambda * S, keeping the two lowest coefficients.
    int omega[NPAR] = {syn[0], syn[1] ^ gf_mul(lambda[1], syn[0])};

    int loc = -1;
    if (deg == 1) {
        // The one root of 1 + l1*x is 1/l1 = alpha^-loc: loc = log(l1).
        loc = kGf.log[lambda[1]];
    } else {
        // Chien search: lambda(alpha^r) == 0 marks an error 255 - r bytes
        // from the end of the codeword.
        int roots = 0;
        for (int r = 1; r <= 255; ++r) {
            if (eval_poly(lambda, deg, gf_pow_alpha(r)) == 0) {
                ++roots;
                loc = 255 - r;
            }
        }
        if (roots >= 2) {
            OLOG(OLOG_ERROR, "uncorrectable codeword\n");
            return -1;
        }
        if (roots == 0)
            return -1;
    }
    if (loc >= csize)
        return -1;

    // Forney: e = omega(X^-1) / lambda'(X^-1), lambda' = l1 + l3*x^2.
    int xinv = gf_pow_alpha(255 - loc);
    int num = omega[0] ^ gf_mul(omega[1], xinv);
    int den = lambda[1] ^ gf_mul(lambda[3], gf_mul(xinv, xinv));
    if (den == 0 || num == 0)
        return -1; // a repeated root: not a single error
    *index = csize - loc - 1;
    *value = gf_mul(num, gf_inv(den));
    return 0;
}

} // namespace

namespace orvex::ecc {

int correct_split(uint8_t *data, int nbytes, uint8_t *parity, const int *syn) noexcept
{
    int index = 0, value = 0;
    if (locate_single_error(syn, nbytes + NPAR, &index, &value) != 0)
        return -1;
    if (index < nbytes)
        data[index] ^= static_cast<uint8_t>(value);
    else
        parity[index - nbytes] ^= static_cast<uint8_t>(value);
    return 0;
}

} // namespace orvex::ecc

extern "C" void decode_data(const uint8_t *data, int nbytes, int *synbytes) noexcept
{
    if (!synbytes)
        return;
    if (!data || nbytes <= 0) {
        synbytes[0] = synbytes[1] = 0;
        return;
    }
    syndromes(data, nbytes, synbytes);
}

extern "C" int check_syndrome(const int *synbytes) noexcept
{
    if (!synbytes)
        return 0;
    for (int i = 0; i < NPAR; ++i)
        if (synbytes[i] != 0)
            return 1;
    return 0;
}

extern "C" int correct_errors_erasures(uint8_t *codeword, int csize, int num_erasures, int *erasure_locs,
                                       const int *synbytes) noexcept
{
    (void)erasure_locs;
    if (!codeword || !synbytes || csize <= NPAR || csize > ECC_MAX_CODEWORD || num_erasures != 0) {
        errno = EINVAL;
        return -1;
    }
    int index = 0, value = 0;
    if (locate_single_error(synbytes, csize, &index, &value) != 0)
        return -1;
    codeword[index] ^= static_cast<uint8_t>(value);
    return 0;
}

extern "C" int add_polys(int *dst, const int *src) noexcept
{
    if (!dst || !src) {
        std::fputs("Error: null dst or src\n", stderr);
        return -1;
    }
    for (int i = 0; i < ECC_MAXDEG; ++i)
        dst[i] ^= src[i];
    return 0;
}

extern "C" int scale_poly(int k, int *poly) noexcept
{
    if (!poly) {
        std::fputs("Error: null poly\n", stderr);
        return -1;
    }
    for (int i = 0; i < ECC_MAXDEG; ++i)
        poly[i] = gf_mul(k, poly[i]);
    return 0;
}

extern "C" int mul_z_poly(int *src) noexcept
{
    if (!src) {
        std::fputs("Error: null src\n", stderr);
        return -1;
    }
    for (int i = ECC_MAXDEG - 1; i > 0; --i)
        src[i] = src[i - 1];
    src[0] = 0;
    return 0;
}

extern "C" int mult_polys(int *dst, const int *p1, const int *p2) noexcept
{
    if (!dst || !p1 || !p2) {
        std::fputs("Error: null inputs\n", stderr);
        return -1;
    }
    int out[2 * ECC_MAXDEG] = {};
    for (int i = 0; i < ECC_MAXDEG; ++i)
        for (int j = 0; j < ECC_MAXDEG; ++j)
            out[i + j] ^= gf_mul(p1[i], p2[j]);
    std::memcpy(dst, out, sizeof out);
    return 0;
}

extern "C" int compute_genpoly(int nbytes, int *genpoly) noexcept
{
    if (!genpoly) {
        std::fputs("Error: null genpoly\n", stderr);
        return -1;
    }
    if (nbytes < 1 || nbytes > ECC_MAXDEG) {
        errno = EINVAL;
        return -1;
    }
    int g[ECC_MAXDEG + 1] = {1};
    for (int i = 1; i <= nbytes; ++i) {
        // g = g * (x + alpha^i)
        int a = gf_pow_alpha(i);
        for (int j = i; j > 0; --j)
            g[j] = g[j - 1] ^ gf_mul(g[j], a);
        g[0] = gf_mul(g[0], a);
    }
    std::memcpy(genpoly, g, sizeof(int) * static_cast<size_t>(nbytes + 1));
    return 0;
}
