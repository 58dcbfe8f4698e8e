// A container whose deduplicated "broken.bin" has a run of damaged bytes in
// its first chunk, too long for the chunk's parities to repair, beside an
// intact stored "intact.txt".
#pragma once

#include "chunk.h"
#include "testkit/tempdir.h"
#include "testkit/vesk_writer.h"

#include <filesystem>
#include <stdexcept>
#include <vector>

namespace orvex::test {

struct DamagedContainer {
    std::vector<uint8_t> intact; // the bytes of \intact.txt
};

inline DamagedContainer write_damaged_container(const std::filesystem::path &file)
{
    namespace tk = orvex::testkit;
    namespace tv = orvex::testkit::vesk;
    DamagedContainer d{tk::make_bytes(3, 5000, tk::Content::Text)};
    int64_t at = -1;
    {
        tv::ContainerWriter w(file);
        w.add_dedup(tv::ContainerWriter::kRoot, "broken.bin", tk::make_bytes(2, 60000, tk::Content::Mixed));
        w.add_stored(tv::ContainerWriter::kRoot, "intact.txt", d.intact);
        w.finish();
        const tk::DescriptorRow &first = w.expected()[0].rows[0];
        for (const auto &v : w.vaults())
            if (v.hid == first.hid && v.vid == first.vid)
                at = v.offset + static_cast<int64_t>(first.voffset) + CHUNK_HDR_SIZE + 10;
    }
    if (at < 0)
        throw std::logic_error("the first chunk of broken.bin is in no vault");
    std::vector<uint8_t> raw = tk::read_file(file);
    for (int i = 0; i < 40; ++i)
        raw[static_cast<size_t>(at + i)] ^= 0x5A;
    tk::write_file(file, raw);
    return d;
}

} // namespace orvex::test
