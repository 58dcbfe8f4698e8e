// The common 128-byte frame of vault and chunk headers: body, XXH64
// signature at 118, two Reed-Solomon parity bytes at 126.
#pragma once

#include <cstdint>

namespace orvex::header {

// Writes the signature of bytes 0..117 at 118 and, with `ecc`, the parity
// of bytes 0..125 at 126 (zero otherwise). The body must already be in
// bytes 0..117.
void frame_seal(uint8_t *cw, bool ecc) noexcept;

// With `do_ecc`: when the signature does not match and the syndromes are not
// both zero, repairs one byte of the 128 in place. Returns true when the
// signature matches afterwards (or do_ecc is off); callers parse the fields
// either way, as the framing leaves range checks to each format.
bool frame_open(uint8_t *cw, int do_ecc) noexcept;

} // namespace orvex::header
