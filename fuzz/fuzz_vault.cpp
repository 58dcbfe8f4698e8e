// Whole vault files: the framed vault header, the size and footer checks,
// the walk over the chunk records, the chunk and extent maps, and a chunk
// read through the restore engine. The first input byte picks whether the
// harness makes the header's size and checksum and the footer agree with
// the bytes (so the walk behind those checks is reached) and which record
// the engine reads; the rest is the vault.
#include "fuzz_support.h"

#include "header.h"
#include "restore.h"
#include "vaultfile.h"

#include <xxhash.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

void put_be64(uint8_t *p, uint64_t v)
{
    for (int i = 7; i >= 0; --i, v >>= 8)
        p[i] = static_cast<uint8_t>(v);
}

// Sets the header's vault size and content checksum and the footer to what
// the bytes say, then marshals the header again (signature and parities).
void make_consistent(std::vector<uint8_t> &vault)
{
    if (vault.size() < HEADER_SIZE + 8)
        return;
    auto *hdr = static_cast<filehdr_t *>(header_get(FMT_VAULT, -1, 0, vault.data(), 0));
    if (!hdr)
        return;
    const uint64_t sum = XXH64(vault.data() + HEADER_SIZE, vault.size() - HEADER_SIZE - 8, 0);
    hdr->filesize = vault.size();
    hdr->hash = sum;
    if (str_t *cw = get_header_codeword(hdr, FMT_VAULT, true)) {
        std::memcpy(vault.data(), cw->buf, HEADER_SIZE);
        put_header_codeword(cw);
    }
    header_put(hdr, FMT_VAULT);
    put_be64(vault.data() + vault.size() - 8, sum);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1 || size > (1u << 20))
        return 0;
    std::vector<uint8_t> vault(data + 1, data + size);
    if (data[0] & 1)
        make_consistent(vault);
    const std::string path = (orvex::fuzz::scratch() / "0000000_0000000000000001.ovt").string();
    orvex::fuzz::write_bytes(path, vault.data(), vault.size());

    int n = 0;
    if (vault_chunk_info_t *info = vaultfile_get_chunk_info(path.c_str(), &n)) {
        // The engine reads one of the records the walk found (or the first
        // record's place when there are none).
        uint32_t voffset = HEADER_SIZE;
        if (n > 0)
            voffset = static_cast<uint32_t>(info[(data[0] >> 1) % static_cast<unsigned>(n)].voffset);
        std::free(info);
        if (void *in = restore_create_instance()) {
            restore_set_sort_method(in, "read-chunk");
            restore_start_instance(in);
            std::vector<uint8_t> out(1u << 17);
            restore_read_chunk(in, path.c_str(), voffset, out.data(), static_cast<uint32_t>(out.size()));
            restore_destroy_instance(in);
        }
    }
    vaultfile_fast_check(path.c_str());
    vaultfile_verify_chunks(path.c_str());
    std::free(vaultfile_get_chunk_map(path.c_str(), &n));
    std::free(vaultfile_get_extent_map(path.c_str(), &n));
    return 0;
}
