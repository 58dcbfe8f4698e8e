// Attribute records of catalogue history rows: the size and the 32- or
// 64-bit modification time, from blobs of any length.
#include "trellis_common.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 4096)
        return 0;
    // A private copy of exactly `size` bytes: a read past the record shows.
    std::vector<uint8_t> blob(data, data + size);
    orvex::trellis::attr_info a = orvex::trellis::parse_attr(blob.empty() ? nullptr : blob.data(),
                                                             static_cast<int>(blob.size()));
    (void)a;
    return 0;
}
