// Block-level Reed-Solomon primitives shared by the encoder, the decoder and
// the vault reader (which keeps data and parities apart in one data area).
#pragma once

#include <cstdint>

namespace orvex::ecc {

// Two parity bytes of one block of at most 253 bytes.
void encode_block(const uint8_t *msg, int nbytes, uint8_t *parity) noexcept;
// The two syndromes of a contiguous codeword.
void syndromes(const uint8_t *data, int nbytes, int *syn) noexcept;
// The two syndromes of the codeword made of `nbytes` data bytes followed by
// the two bytes at `parity`, without assembling it.
void syndromes_split(const uint8_t *data, int nbytes, const uint8_t *parity, int *syn) noexcept;
// Single-error repair of a codeword split the same way: 0 when one byte
// (data or parity) was corrected, -1 otherwise (nothing changed).
int correct_split(uint8_t *data, int nbytes, uint8_t *parity, const int *syn) noexcept;

} // namespace orvex::ecc
