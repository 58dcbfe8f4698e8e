// tvt chunk records: the 56-byte header, the encryption header, AES-CBC
// with its padding, the zlib stream and the digest check. The first input
// byte picks the vault key (zeros, as for a folder without a password, or
// the key of the password "secret") and the size of the output buffer; the
// record follows.
#include "trellis_tvt.h"

#include <cstdio>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1 || size > (1u << 20))
        return 0;
    unsigned char key[32] = {};
    if (data[0] & 1)
        for (int i = 0; i < 32; ++i)
            key[i] = static_cast<unsigned char>("secret"[i % 6]);
    static const int caps[] = {1, 4096, 65536, 1 << 20};
    std::vector<char> out(static_cast<size_t>(caps[(data[0] >> 1) & 3]));
        if (size == 1)
        return 0;
    FILE *f = fmemopen(const_cast<uint8_t *>(data + 1), size - 1, "rb");
    if (!f)
        return 0;
    orvex::trellis::TvtDigest how;
    orvex::trellis::tvt_read_chunk_from(f, key, 0, out.data(), static_cast<int>(out.size()), &how);
    std::fclose(f);
    return 0;
}
