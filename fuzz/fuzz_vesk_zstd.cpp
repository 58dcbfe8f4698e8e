// libFuzzer harness of the container's zstd stream reader (the sparse parts
// of deduplicated files): the input is the stored range. Decoding must stop
// at the end of the frame or of the range and never crash.
#include "vesk.h"

#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FILE *in = std::tmpfile();
    if (!in)
        return 0;
    std::fwrite(data, 1, size, in);
    std::fflush(in);
    int src = fileno(in);
    ::lseek(src, 0, SEEK_SET);
    int dst = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (dst >= 0) {
        decompress_to_dst_zstd(src, static_cast<int64_t>(size), dst, nullptr, 0, 0, nullptr, nullptr, nullptr);
        ::close(dst);
    }
    std::fclose(in);
    return 0;
}
