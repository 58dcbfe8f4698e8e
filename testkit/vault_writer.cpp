// ovt vault writer of the test kit, built on the library's writer-side calls.
#include "testkit/vault_writer.h"
#include "testkit/tempdir.h"

#include "chunk.h"
#include "ecc.h"
#include "header.h"
#include "util/str.h"
#include "vaultfile.h"

#include <xxhash.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <stdexcept>

namespace orvex::testkit {

namespace {

struct StrDel {
    void operator()(str_t *s) const { str_put(s); }
};
using Str = std::unique_ptr<str_t, StrDel>;

void append_be32(std::vector<uint8_t> &out, uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(v >> shift));
}

// Appends by resize and copy (vector::insert trips a false -Warray-bounds
// in GCC 12 release builds).
void append(std::vector<uint8_t> &out, const uint8_t *data, size_t len)
{
    if (len == 0)
        return;
    size_t at = out.size();
    out.resize(at + len);
    std::memcpy(out.data() + at, data, len);
}

void append(std::vector<uint8_t> &out, const std::vector<uint8_t> &more)
{
    append(out, more.data(), more.size());
}

// `data` followed by its Reed-Solomon parities.
std::vector<uint8_t> with_parities(const std::vector<uint8_t> &data)
{
    Str src(str_copy_from_data(data.data(), static_cast<int>(data.size())));
    Str dst(str_get(0));
    if (!src || !dst || add_ecc_parities(src.get(), dst.get()) != 0)
        throw std::runtime_error("add_ecc_parities failed");
    return std::vector<uint8_t>(dst->buf, dst->buf + dst->used);
}

uint8_t *dup16(const std::array<uint8_t, 16> &a)
{
    auto *p = static_cast<uint8_t *>(std::malloc(16));
    if (!p)
        throw std::bad_alloc();
    std::memcpy(p, a.data(), 16);
    return p;
}

} // namespace

VaultWriter::VaultWriter(uint32_t hid, uint64_t vid, ChunkEncoder encoder)
    : hid_(hid), vid_(vid), encoder_(std::move(encoder))
{
}

const VaultChunkRef &VaultWriter::add_chunk(const std::vector<uint8_t> &plain)
{
    if (plain.empty())
        throw std::invalid_argument("empty chunk");
    StoredChunk stored;
    if (encoder_)
        stored = encoder_(plain);
    else
        stored.stored = plain;
    return add_stored(stored, static_cast<uint32_t>(plain.size()));
}

const VaultChunkRef &VaultWriter::add_stored(const StoredChunk &c, uint32_t chunksize)
{
    if (c.stored.empty())
        throw std::invalid_argument("empty stored chunk");
    VaultChunkRef ref;
    ref.cid = static_cast<uint32_t>(refs_.size());
    ref.voffset = VAULT_HDR_SIZE + records_.size();
    ref.chunksize = chunksize;
    ref.store_chunksize = static_cast<uint32_t>(c.stored.size());
    ref.sig = XXH64(c.stored.data(), c.stored.size(), 0);

    chunk_hdr_t *hdr = chunk_hdr_create(ref.cid, chunksize, ref.store_chunksize, c.num_paddings, c.cmp_algo,
                                        c.cry_algo, 1, c.has_crypto_fields ? dup16(c.iv) : nullptr,
                                        c.has_crypto_fields ? dup16(c.aad) : nullptr,
                                        c.has_crypto_fields ? dup16(c.tag) : nullptr, ref.sig);
    if (!hdr)
        throw std::bad_alloc();
    str_t *cw = get_header_codeword(hdr, FMT_CHUNK, true);
    header_put(hdr, FMT_CHUNK);
    if (!cw)
        throw std::runtime_error("chunk header marshalling failed");
    append(records_, cw->buf, static_cast<size_t>(cw->used));
    put_header_codeword(cw);

    std::vector<uint8_t> area = with_parities(c.stored);
    area.resize(vault_data_area_size(ref.store_chunksize), 0);
    append(records_, area);
    refs_.push_back(ref);
    return refs_.back();
}

std::vector<uint8_t> VaultWriter::finish() const
{
    std::vector<uint8_t> out(VAULT_HDR_SIZE, 0);
    append(out, records_);

    const uint64_t chunk_map_offset = out.size();
    std::vector<uint8_t> chunk_map;
    for (const auto &r : refs_) {
        if (r.voffset > UINT32_MAX)
            throw std::runtime_error("chunk offset beyond 4 GiB");
        append_be32(chunk_map, static_cast<uint32_t>(r.voffset));
    }
    if (!chunk_map.empty()) {
        auto protected_map = with_parities(chunk_map);
        append(out, protected_map);
    }

    const uint64_t extent_map_offset = out.size();
    uint32_t num_extents = 0;
    if (!refs_.empty()) {
        std::vector<uint8_t> extents;
        append_be32(extents, 0);
        append_be32(extents, static_cast<uint32_t>(refs_.size()));
        num_extents = 1;
        auto protected_extents = with_parities(extents);
        append(out, protected_extents);
    }

    const uint64_t total = out.size() + VAULT_FOOTER_SIZE;
    const uint64_t hash = XXH64(out.data() + VAULT_HDR_SIZE, out.size() - VAULT_HDR_SIZE, 0);
    uint32_t min_cs = UINT32_MAX, max_cs = 0;
    for (const auto &r : refs_) {
        min_cs = std::min(min_cs, r.chunksize);
        max_cs = std::max(max_cs, r.chunksize);
    }
    if (refs_.empty())
        min_cs = 0;

    filehdr_t *hdr = create_vault_header(vid_, total, refs_.size(), num_extents, min_cs, max_cs, cmp_algo_, 0, hash,
                                         chunk_map_offset, extent_map_offset, 0);
    if (!hdr)
        throw std::bad_alloc();
    str_t *cw = get_header_codeword(hdr, FMT_VAULT, true);
    header_put(hdr, FMT_VAULT);
    if (!cw)
        throw std::runtime_error("vault header marshalling failed (vault too large?)");
    std::memcpy(out.data(), cw->buf, VAULT_HDR_SIZE);
    put_header_codeword(cw);

    for (int shift = 56; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(hash >> shift));
    return out;
}

void VaultWriter::write(const std::filesystem::path &path) const
{
    write_file(path, finish());
}

std::filesystem::path vault_file_path(const std::filesystem::path &vault_dir, uint32_t hid, uint64_t vid,
                                      bool short_scheme)
{
    char *rel = short_scheme ? vaultfile_get_path_v2(nullptr, hid, vid) : vaultfile_get_path(nullptr, hid, vid);
    if (!rel)
        throw std::runtime_error("vault path");
    std::string native(rel);
    std::free(rel);
    for (auto &ch : native)
        if (ch == '\\')
            ch = '/';
    return vault_dir / native;
}

} // namespace orvex::testkit
