// Framed 128-byte headers (vault and chunk) with their signature and
// parities: the first input byte picks the format and whether the reader
// repairs, the next 128 bytes are the frame. A header that parses is
// marshalled again.
#include "header.h"

#include <algorithm>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    static const int formats[] = {FMT_VAULT, FMT_MEMVAULT, FMT_CHUNK, FMT_DESCRIPTOR};
    const int fmt = formats[data[0] % 4];
    const int do_ecc = (data[0] >> 2) & 1;
    uint8_t frame[HEADER_SIZE] = {};
    std::memcpy(frame, data + 1, std::min<size_t>(size - 1, sizeof frame));
    void *hdr = header_get(fmt, -1, 0, frame, do_ecc);
    if (hdr) {
        str_t *again = get_header_codeword(hdr, fmt, (data[0] >> 3) & 1);
        put_header_codeword(again);
        header_put(hdr, fmt);
    }
    return 0;
}
