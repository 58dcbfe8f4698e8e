/* Reed-Solomon protection of headers and stored chunk bytes.
 *
 * Code over GF(2^8) with the primitive polynomial x^8+x^4+x^3+x^2+1 (0x11D)
 * and generator alpha = 2, two parity bytes per block (generator polynomial
 * (x+alpha)(x+alpha^2) = x^2 + 6x + 8). A codeword is up to 253 data bytes
 * followed by their two parity bytes; byte 0 is the coefficient of the
 * highest power of x. One damaged byte per codeword can be repaired.
 *
 * Protected buffers (add_ecc_parities): all n data bytes unchanged, then the
 * two parity bytes of block 0, block 1, ... (blocks of 253 bytes, the last
 * one shorter): parities of block i at offset n + 2i. */
#ifndef ORVEX_ECC_H
#define ORVEX_ECC_H

#include <stdint.h>
#include "orvex_export.h"
#include "util/str.h"

ORVEX_EXTERN_C_BEGIN

#define NPAR 2
#define ECC_MAX_CODEWORD 255
#define ECC_BLOCK_SIZE 253 /* data bytes per codeword */
/* Polynomials of the decoder hold 2*NPAR coefficients, products twice that. */
#define ECC_MAXDEG (2 * NPAR)

/* Generator polynomials, low coefficient first. Only the two-parity one is used. */
ORVEX_COMMON_API extern const int genpoly_2_parity[NPAR + 1];
ORVEX_COMMON_API extern const int genpoly_4_parity[2 * NPAR + 1];

/* Number of parity bytes protecting `n` data bytes: 2 * ceil(n / 253). */
ORVEX_COMMON_API int ecc_parity_len(int n) ORVEX_NOEXCEPT;

/* Copies msg[0..nbytes-1] to dst and writes the two parity bytes at
 * dst[nbytes], dst[nbytes+1]. nbytes <= 253; msg and dst may be equal. */
ORVEX_COMMON_API void encode_data(const uint8_t *msg, int nbytes, uint8_t *dst, const int *genpoly) ORVEX_NOEXCEPT;
/* The two syndromes of a codeword of nbytes bytes into synbytes[0..1]. */
ORVEX_COMMON_API void decode_data(const uint8_t *data, int nbytes, int *synbytes) ORVEX_NOEXCEPT;
/* 1 when either syndrome is non-zero, else 0. */
ORVEX_COMMON_API int check_syndrome(const int *synbytes) ORVEX_NOEXCEPT;
/* Repairs one byte of `codeword` (csize bytes, <= 255) in place from its
 * syndromes: 0 when a byte was corrected, -1 otherwise (nothing changed).
 * Only num_erasures == 0 is supported (anything else: -1, EINVAL). */
ORVEX_COMMON_API int correct_errors_erasures(uint8_t *codeword, int csize, int num_erasures, int *erasure_locs,
                                             const int *synbytes) ORVEX_NOEXCEPT;

/* One codeword (data followed by two parities) for at most 253 bytes of
 * data into `codeword` (data_len + 2 bytes). 0, or -1 with EINVAL. */
ORVEX_COMMON_API int generate_codeword(const uint8_t *data, int data_len, uint8_t *codeword) ORVEX_NOEXCEPT;
/* Writes src's `used` bytes and their parities (layout above) to dst at
 * offset 0; dst grows when needed and its `used` becomes
 * n + ecc_parity_len(n). 0, or -1 with errno. */
ORVEX_COMMON_API int add_ecc_parities(const str_t *src, str_t *dst) ORVEX_NOEXCEPT;

/* Polynomial helpers on arrays of ECC_MAXDEG coefficients (products: twice
 * that). NULL arguments print a line to standard error and return -1. */
ORVEX_COMMON_API int add_polys(int *dst, const int *src) ORVEX_NOEXCEPT;
ORVEX_COMMON_API int scale_poly(int k, int *poly) ORVEX_NOEXCEPT;
ORVEX_COMMON_API int mul_z_poly(int *src) ORVEX_NOEXCEPT;
ORVEX_COMMON_API int mult_polys(int *dst, const int *p1, const int *p2) ORVEX_NOEXCEPT;
/* (x + alpha^1)...(x + alpha^nbytes) into genpoly (nbytes + 1 coefficients). */
ORVEX_COMMON_API int compute_genpoly(int nbytes, int *genpoly) ORVEX_NOEXCEPT;

/* GF(2^8) arithmetic. ginv(0) is 0. */
ORVEX_COMMON_API int gmult(int a, int b) ORVEX_NOEXCEPT;
ORVEX_COMMON_API int ginv(int elt) ORVEX_NOEXCEPT;

ORVEX_EXTERN_C_END

#endif
