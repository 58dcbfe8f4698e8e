// Vault files written by the test kit, read back through the vault kind:
// paths, data-area layout, checks, repair and the inspection functions.
#include "file.h"
#include "header.h"
#include "testkit/tempdir.h"
#include "testkit/vault_writer.h"
#include "vaultfile.h"
#include "log_capture.h"
#include "zlog.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <xxhash.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

using namespace orvex::testkit;
namespace fs = std::filesystem;

struct Vault {
    TempDir dir{"orvex-vault"};
    fs::path path;
    std::vector<VaultChunkRef> refs;
    std::vector<std::vector<uint8_t>> plain;
};

// A vault of chunks with the given plain sizes.
std::unique_ptr<Vault> make_vault(const std::vector<size_t> &sizes, uint64_t seed = 1)
{
    auto v = std::make_unique<Vault>();
    VaultWriter w(5, 0x0123456789ABCDEFull);
    for (size_t i = 0; i < sizes.size(); ++i) {
        v->plain.push_back(make_bytes(seed + i, sizes[i], Content::Random));
        w.add_chunk(v->plain.back());
    }
    v->refs = w.chunks();
    v->path = vault_file_path(v->dir.path(), 5, 0x0123456789ABCDEFull);
    w.write(v->path);
    return v;
}

file_t *open_vault(const fs::path &p, int flags)
{
    return file_open(p.string().c_str(), &vaultfile_operations, OS_O_BINARY, flags, nullptr);
}

void patch(const fs::path &p, uint64_t offset, uint8_t xor_mask)
{
    auto bytes = read_file(p);
    bytes.at(offset) ^= xor_mask;
    write_file(p, bytes);
}

str_t *read_chunk(file_t *f, const VaultChunkRef &r, int do_ecc)
{
    str_t *cp = read_data_and_parities_from_file(f, r.voffset + 128, r.store_chunksize);
    if (!cp)
        return nullptr;
    str_t *data = get_data_from_data_and_parities(cp, static_cast<int>(r.store_chunksize), do_ecc);
    str_put(cp);
    return data;
}

TEST(VaultPath, BothSchemes)
{
    char *old_scheme = vaultfile_get_path("root", 5, 0x0123456789ABCDEFull);
    char *new_scheme = vaultfile_get_path_v2(nullptr, 5, 0x0123456789ABCDEFull);
    EXPECT_STREQ(old_scheme,
                 "root\\u_0000005\\0_01\\1_23\\2_45\\3_67\\4_89\\5_AB\\6_CD\\0000005_0123456789ABCDEF.ovt");
    EXPECT_STREQ(new_scheme, "u_0000005\\0123/456/789/abc\\0000005_0123456789ABCDEF.ovt");
    int hid = 0;
    int64_t vid = 0;
    ASSERT_EQ(get_hid_and_vid_from_filename(old_scheme, &hid, &vid), 0);
    EXPECT_EQ(hid, 5);
    EXPECT_EQ(static_cast<uint64_t>(vid), 0x0123456789ABCDEFull);
    EXPECT_EQ(get_hid_and_vid_from_filename("dir\\notavault.ovt", &hid, &vid), -1);
    std::free(old_scheme);
    std::free(new_scheme);
}

TEST(VaultLayout, DataAreaSizes)
{
    struct Case {
        uint32_t stored;
        uint64_t area;
    };
    for (Case c : {Case{1, 64}, Case{62, 64}, Case{63, 128}, Case{253, 256}, Case{254, 320}, Case{65536, 66112}})
        EXPECT_EQ(vault_data_area_size(c.stored), c.area) << c.stored;
}

TEST(VaultFile, WrittenVaultOpensVerifiesAndReadsBack)
{
    auto v = make_vault({253, 254, 1, 70000});
    file_t *f = open_vault(v->path, FILE_FLAG_VERIFY_CKSUM);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->size, fs::file_size(v->path));
    const auto *hdr = static_cast<const filehdr_t *>(f->hdr);
    EXPECT_EQ(hdr->num_chunks, 4u);
    EXPECT_EQ(v->refs[1].voffset, 128u + 128 + 256);
    EXPECT_EQ(v->refs[2].voffset, v->refs[1].voffset + 128 + 320);
    for (size_t i = 0; i < v->refs.size(); ++i) {
        str_t *data = read_chunk(f, v->refs[i], 0);
        ASSERT_NE(data, nullptr);
        EXPECT_EQ(std::vector<uint8_t>(data->buf, data->buf + data->used), v->plain[i]);
        EXPECT_EQ(XXH64(data->buf, data->used, 0), v->refs[i].sig);
        str_put(data);
    }

    char *json = f->fops->print_hdr(f);
    ASSERT_NE(json, nullptr);
    auto j = nlohmann::json::parse(json);
    EXPECT_EQ(j["number of chunks"], 4);
    EXPECT_EQ(j["vid"], 0x0123456789ABCDEFull);
    EXPECT_EQ(j["compression"], "none");
    EXPECT_EQ(j["hash"], "sha256");
    EXPECT_EQ(j["size"], f->size);
    std::free(json);
    file_close(f);

    EXPECT_EQ(vaultfile_verify_chunks(v->path.string().c_str()), 0);
    EXPECT_EQ(vaultfile_fast_check(v->path.string().c_str()), 0);
    int n = 0;
    vault_chunk_info_t *info = vaultfile_get_chunk_info(v->path.string().c_str(), &n);
    ASSERT_NE(info, nullptr);
    ASSERT_EQ(n, 4);
    EXPECT_EQ(info[3].voffset, v->refs[3].voffset);
    EXPECT_EQ(info[1].length, 128u + 320);
    std::free(info);
    uint32_t *map = vaultfile_get_chunk_map(v->path.string().c_str(), &n);
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(map[2], v->refs[2].voffset);
    std::free(map);
    uint32_t *ext = vaultfile_get_extent_map(v->path.string().c_str(), &n);
    ASSERT_NE(ext, nullptr);
    EXPECT_EQ(n, 1);
    EXPECT_EQ(ext[0], 0u);
    EXPECT_EQ(ext[1], 4u);
    std::free(ext);
}

// One damaged byte in each 253-byte block of stored bytes (or its parities)
// is repaired; two in one block never come back as the original bytes.
TEST(VaultFile, StoredBytesRepairedPerBlock)
{
    auto v = make_vault({1000});
    const auto &r = v->refs[0];
    const uint64_t data = r.voffset + 128;
    // Block i covers data + 253i; its parities sit at data + 1000 + 2i
    // (block 2 is damaged in a parity byte).
    for (uint64_t off : {data + 0, data + 300, data + 1000 + 5, data + 999})
        patch(v->path, off, 0x5C);
    file_t *f = open_vault(v->path, 0);
    ASSERT_NE(f, nullptr);
    str_t *raw = read_chunk(f, r, 0);
    EXPECT_NE(XXH64(raw->buf, raw->used, 0), r.sig);
    str_put(raw);
    str_t *fixed = read_chunk(f, r, 1);
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(std::vector<uint8_t>(fixed->buf, fixed->buf + fixed->used), v->plain[0]);
    str_put(fixed);
    file_close(f);

    patch(v->path, data + 10, 0x01);
    patch(v->path, data + 20, 0x01);
    f = open_vault(v->path, 0);
    str_t *bad = read_chunk(f, r, 1);
    ASSERT_NE(bad, nullptr);
    EXPECT_NE(XXH64(bad->buf, bad->used, 0), r.sig);
    str_put(bad);
    file_close(f);
    EXPECT_EQ(vaultfile_verify_chunks(v->path.string().c_str()), -1);
}

TEST(VaultFile, DamagedVaultsFailCleanly)
{
    struct Case {
        const char *name;
        std::function<void(const fs::path &)> damage;
        int flags;
        const char *message; // expected in the log
    };
    const std::vector<Case> cases = {
        {"truncated by one byte",
         [](const fs::path &p) { fs::resize_file(p, fs::file_size(p) - 1); }, 0, "incorrect vault size"},
        {"content altered",
         [](const fs::path &p) { patch(p, 300, 0x10); }, FILE_FLAG_VERIFY_CKSUM, "corrupted content"},
        {"footer altered",
         [](const fs::path &p) { patch(p, fs::file_size(p) - 1, 0x10); }, FILE_FLAG_VERIFY_CKSUM,
         "mismatched checksum in header and footer"},
        {"shorter than a header",
         [](const fs::path &p) { fs::resize_file(p, 100); }, 0, "header_get"},
    };
    for (const auto &c : cases) {
        auto v = make_vault({500, 600});
        c.damage(v->path);
        orvex::test::LogCapture log;
        errno = 0;
        EXPECT_EQ(open_vault(v->path, c.flags), nullptr) << c.name;
        EXPECT_NE(errno, 0) << c.name;
        EXPECT_NE(log.text().find(c.message), std::string::npos) << c.name;
    }
    // Content damage is not looked for unless asked.
    auto v = make_vault({500});
    patch(v->path, 300, 0x10);
    file_t *f = open_vault(v->path, 0);
    EXPECT_NE(f, nullptr);
    file_close(f);
}

TEST(VaultFile, SizeFieldThatLiesIsRefused)
{
    auto v = make_vault({500});
    auto bytes = read_file(v->path);
    filehdr_t *hdr = static_cast<filehdr_t *>(header_get(FMT_VAULT, -1, 0, bytes.data(), 1));
    hdr->filesize += 64;
    str_t *cw = get_header_codeword(hdr, FMT_VAULT, true);
    std::copy(cw->buf, cw->buf + 128, bytes.begin());
    put_header_codeword(cw);
    header_put(hdr, FMT_VAULT);
    write_file(v->path, bytes);
    errno = 0;
    EXPECT_EQ(open_vault(v->path, 0), nullptr);
    EXPECT_EQ(errno, EINVAL);
    EXPECT_EQ(vaultfile_fast_check(v->path.string().c_str()), -1);
}

TEST(VaultFile, HeaderDumpAndFormatChecker)
{
    auto v = make_vault({100});
    fs::path ovt = v->dir / "copy.ovt";
    fs::copy_file(v->path, ovt);
    char *text = orvex_header_dump(ovt.string().c_str());
    ASSERT_NE(text, nullptr);
    EXPECT_NE(std::string(text).find("\"number of chunks\": 1"), std::string::npos);
    std::free(text);
    EXPECT_EQ(orvex_header_dump((v->dir / "copy.txt").string().c_str()), nullptr);
    EXPECT_EQ(orvex_format_checker(ovt.string().c_str(), 1), 0);
    EXPECT_EQ(orvex_format_checker(ovt.string().c_str(), 7), -1);
    EXPECT_EQ(orvex_format_checker(v->dir.str().c_str(), 1), -1);
}

} // namespace
