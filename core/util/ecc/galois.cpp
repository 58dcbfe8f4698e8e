// Exported GF(2^8) helpers over the compile-time tables.
#include "ecc.h"
#include "util/ecc/galois.h"

static_assert(orvex::ecc::kGf.exp[8] == 0x1D, "antilog[8] of the 0x11D field");
static_assert(orvex::ecc::kGf.exp[7] == 128, "antilog[7]");

extern "C" int gmult(int a, int b) noexcept
{
    return orvex::ecc::gf_mul(a & 0xFF, b & 0xFF);
}

extern "C" int ginv(int elt) noexcept
{
    return orvex::ecc::gf_inv(elt & 0xFF);
}
