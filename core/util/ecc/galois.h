// GF(2^8) arithmetic with the primitive polynomial 0x11D, generator 2.
// Tables are built at compile time; everything here is branch-light and
// usable from any thread.
#pragma once

#include <array>
#include <cstdint>

namespace orvex::ecc {

struct GfTables {
    std::array<uint8_t, 512> exp{}; // exp[i] = alpha^i, doubled so exp[a+b] needs no modulo
    std::array<int, 256> log{};     // log[0] is unused
};

constexpr GfTables make_tables()
{
    GfTables t{};
    int x = 1;
    for (int i = 0; i < 255; ++i) {
        t.exp[i] = static_cast<uint8_t>(x);
        t.log[x] = i;
        x <<= 1;
        if (x & 0x100)
            x ^= 0x11D;
    }
    for (int i = 255; i < 512; ++i)
        t.exp[i] = t.exp[i - 255];
    return t;
}

inline constexpr GfTables kGf = make_tables();

constexpr int gf_mul(int a, int b)
{
    if (a == 0 || b == 0)
        return 0;
    return kGf.exp[kGf.log[a] + kGf.log[b]];
}

constexpr int gf_inv(int a)
{
    if (a == 0)
        return 0;
    return kGf.exp[255 - kGf.log[a]];
}

// alpha^n for any n >= 0.
constexpr int gf_pow_alpha(int n) { return kGf.exp[n % 255]; }

// Table of the products k*x for one constant k.
constexpr std::array<uint8_t, 256> make_mul_table(int k)
{
    std::array<uint8_t, 256> t{};
    for (int x = 0; x < 256; ++x)
        t[x] = static_cast<uint8_t>(gf_mul(k, x));
    return t;
}

} // namespace orvex::ecc
