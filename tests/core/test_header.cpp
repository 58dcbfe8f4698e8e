// Framed headers (vault format) and the VESK container header.
#include "header.h"
#include "vaultfile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

struct HdrDel {
    void operator()(void *p) const { header_put(p, FMT_VAULT); }
};
using VaultHdr = std::unique_ptr<filehdr_t, HdrDel>;

VaultHdr sample_header()
{
    return VaultHdr(create_vault_header(0x0123456789ABCDEFull, 4096, 7, 1, 100, 65536, 5, 2, 0x1122334455667788ull,
                                        3000, 3100, 1));
}

void expect_same(const filehdr_t &a, const filehdr_t &b)
{
    EXPECT_EQ(a.app_ver_major, b.app_ver_major);
    EXPECT_EQ(a.app_ver_minor, b.app_ver_minor);
    EXPECT_EQ(a.app_ver_patch, b.app_ver_patch);
    EXPECT_EQ(a.vid, b.vid);
    EXPECT_EQ(a.filesize, b.filesize);
    EXPECT_EQ(a.num_chunks, b.num_chunks);
    EXPECT_EQ(a.num_extents, b.num_extents);
    EXPECT_EQ(a.min_chunksize, b.min_chunksize);
    EXPECT_EQ(a.max_chunksize, b.max_chunksize);
    EXPECT_EQ(a.cmp_algo, b.cmp_algo);
    EXPECT_EQ(a.hash_algo, b.hash_algo);
    EXPECT_EQ(a.hash, b.hash);
    EXPECT_EQ(a.chunk_map_offset, b.chunk_map_offset);
    EXPECT_EQ(a.extent_map_offset, b.extent_map_offset);
    EXPECT_EQ(a.vault_alignment, b.vault_alignment);
}

TEST(Header, VaultHeaderLayoutAndRoundTrip)
{
    auto hdr = sample_header();
    ASSERT_TRUE(hdr);
    str_t *cw = get_header_codeword(hdr.get(), FMT_VAULT, true);
    ASSERT_NE(cw, nullptr);
    ASSERT_EQ(cw->used, 128);
    const uint8_t *b = cw->buf;
    EXPECT_EQ(b[0], 1);
    EXPECT_EQ(b[1], 2);
    EXPECT_EQ(b[2], 1);
    EXPECT_EQ(b[3], 2); // hash algo
    EXPECT_EQ(b[4], 5); // compression
    EXPECT_EQ(b[5], 0x01);
    EXPECT_EQ(b[12], 0xEF); // vid big-endian at 5..12
    EXPECT_EQ(b[16], 0x00);
    EXPECT_EQ(b[15], 0x10); // vault size 4096 at 13..16
    EXPECT_EQ(b[24], 7);    // num_chunks at 17..24
    EXPECT_EQ(b[54], 1);    // alignment
    for (int i = 55; i < 118; ++i)
        ASSERT_EQ(b[i], 0) << i;

    VaultHdr back(static_cast<filehdr_t *>(header_get(FMT_VAULT, -1, 0, cw->buf, 1)));
    ASSERT_TRUE(back);
    expect_same(*hdr, *back);
    put_header_codeword(cw);
}

// Any one damaged byte of the 128 is repaired when asked to.
TEST(Header, AnySingleDamagedByteIsRepaired)
{
    auto hdr = sample_header();
    str_t *cw = get_header_codeword(hdr.get(), FMT_VAULT, true);
    ASSERT_NE(cw, nullptr);
    for (int pos = 0; pos < 128; ++pos) {
        uint8_t copy[128];
        std::memcpy(copy, cw->buf, 128);
        copy[pos] ^= 0xA5;
        VaultHdr back(static_cast<filehdr_t *>(header_get(FMT_VAULT, -1, 0, copy, 1)));
        ASSERT_TRUE(back) << pos;
        expect_same(*hdr, *back);
    }
    // Without ECC the damage is parsed as is.
    uint8_t copy[128];
    std::memcpy(copy, cw->buf, 128);
    copy[5] ^= 0xFF;
    VaultHdr raw(static_cast<filehdr_t *>(header_get(FMT_VAULT, -1, 0, copy, 0)));
    ASSERT_TRUE(raw);
    EXPECT_NE(raw->vid, hdr->vid);
    put_header_codeword(cw);
}

TEST(Header, OversizedVaultIsRefusedNotTruncated)
{
    VaultHdr hdr(create_vault_header(1, 5ull << 30, 1, 1, 1, 1, 0, 0, 0, 200, 300, 0));
    str_t *cw = str_get(128);
    errno = 0;
    EXPECT_EQ(marshal_vault_header(hdr.get(), cw, true), -1);
    EXPECT_EQ(errno, EOVERFLOW);
    str_put(cw);
}

TEST(Header, BadArguments)
{
    EXPECT_EQ(header_get(FMT_DESCRIPTOR, -1, 0, nullptr, 1), nullptr);
    EXPECT_EQ(header_get(FMT_MAX, -1, 0, nullptr, 1), nullptr);
    EXPECT_EQ(get_header_codeword(nullptr, FMT_VAULT, true), nullptr);
    str_t *cw = str_get(128);
    EXPECT_EQ(marshal_vault_header(nullptr, cw, true), -1);
    str_put(cw);
    header_put(nullptr, FMT_CHUNK);
    EXPECT_STREQ(hdrops[FMT_MEMVAULT].name, "memvault");
    EXPECT_EQ(hdrops[FMT_DESCRIPTOR].size, 0);
}

TEST(VeskHeader, LayoutAndRoundTrip)
{
    vesk_hdr_t *hdr = vesk_hdr_create(0x0102030405060708ull, 0x1000);
    ASSERT_NE(hdr, nullptr);
    str_t *raw = vesk_hdr_marshal(hdr);
    ASSERT_NE(raw, nullptr);
    ASSERT_EQ(raw->used, 128);
    const uint8_t expect[] = {0x2A, 0x6F, 0x73, 0x55, 1, 2, 1, 1, 2, 3, 4, 5, 6, 7, 8, 0, 0, 0, 0, 0, 0, 0x10, 0};
    EXPECT_EQ(0, std::memcmp(raw->buf, expect, sizeof expect));
    // Reserved bytes are ignored when reading.
    std::memset(raw->buf + 23, 0xEE, 105);
    vesk_hdr_t *back = vesk_hdr_unmarshal(raw);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->magic, VESK_MAGIC);
    EXPECT_EQ(back->exportdb_offset, hdr->exportdb_offset);
    EXPECT_EQ(back->exportdb_size, hdr->exportdb_size);
    EXPECT_EQ(vesk_hdr_marshal(nullptr), nullptr);
    EXPECT_EQ(vesk_hdr_unmarshal(nullptr), nullptr);
    vesk_hdr_destroy(back);
    vesk_hdr_destroy(hdr);
    str_put(raw);
}

} // namespace
