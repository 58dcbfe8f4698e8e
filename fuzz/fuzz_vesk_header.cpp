// The VESK container header: the 128-byte record on its own and the
// container kind's open, which reads it from the file and judges the magic;
// an opened container is read where its header points.
#include "fuzz_support.h"

#include "file.h"
#include "header.h"

#include <algorithm>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > (1u << 16))
        return 0;
    std::vector<uint8_t> raw(data, data + size);
    raw.resize(std::max<size_t>(size, VESK_HDR_SIZE));
    str_t codeword{raw.data(), VESK_HDR_SIZE, VESK_HDR_SIZE, 0, 0};
    vesk_hdr_destroy(vesk_hdr_unmarshal(&codeword));

    const std::string path = (orvex::fuzz::scratch() / "container.vesk").string();
    orvex::fuzz::write_bytes(path, data, size);
    file_t *f = file_open(path.c_str(), &vesk_operations, OS_O_RDONLY | OS_O_BINARY, 0, nullptr);
    if (!f)
        return 0;
    const auto *hdr = static_cast<const vesk_hdr_t *>(f->hdr);
    if (hdr && f->fops->seek && f->fops->read) {
        std::vector<uint8_t> out(4096);
        if (f->fops->seek(f, static_cast<int64_t>(hdr->exportdb_offset & INT64_MAX), SEEK_SET) >= 0)
            f->fops->read(f, out.data(), 1, out.size());
    }
    file_close(f);
    return 0;
}
