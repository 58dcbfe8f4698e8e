// Single-chunk reads: every codec combination through every road, repair of
// damaged blocks, the vault cache, and the failures a caller must see.
#include "restore_fixture.h"

#include "restore-ctx.h"
#include "vaultfile.h"

#include <cerrno>
#include <cstring>
#include <fstream>

using namespace orvex::test;
using namespace orvex::testkit;

namespace {

bool has_line(const std::string &log, const std::string &level, const std::string &text)
{
    std::istringstream in(log);
    for (std::string line; std::getline(in, line);)
        if (line.find(" " + level + " ") != std::string::npos && line.find(text) != std::string::npos)
            return true;
    return false;
}

std::vector<uint8_t> slurp(const std::filesystem::path &p)
{
    return read_file(p);
}

// Flips one byte in every 253-byte block of the stored bytes of the chunk
// whose header is at `voffset`.
void damage_every_block(const std::filesystem::path &vault, uint64_t voffset, uint32_t store_size, int flips = 1)
{
    std::fstream f(vault, std::ios::in | std::ios::out | std::ios::binary);
    for (uint64_t block = 0; block * 253 < store_size; block++)
        for (int k = 0; k < flips; k++) {
            uint64_t at = voffset + 128 + block * 253 + static_cast<uint64_t>(k) * 7;
            if (at >= voffset + 128 + store_size)
                continue;
            f.seekg(static_cast<std::streamoff>(at));
            char c;
            f.read(&c, 1);
            c = static_cast<char>(c ^ 0x5A);
            f.seekp(static_cast<std::streamoff>(at));
            f.write(&c, 1);
        }
}

struct Combo {
    int cmp;
    int cry;
};

class ChunkRoads : public ::testing::TestWithParam<Combo> {};

TEST_P(ChunkRoads, EveryRoadReturnsThePlainChunk)
{
    BackupOptions o;
    o.codec.cmp_algo = GetParam().cmp;
    o.codec.cry_algo = GetParam().cry;
    o.num_vaults = 3;
    Backup b(o);
    auto chunks = chunks_of(11 + GetParam().cmp * 10 + GetParam().cry, 300000, 1, 40000);
    WrittenFile wf = b.add("f", chunks);
    b.finish();

    Instance in = b.instance("read-chunk");
    ASSERT_EQ(restore_start_instance(in.get()), 0);
    auto *inst = static_cast<instance_t *>(in.get());
    std::vector<uint8_t> out(70000);
    for (size_t i = 0; i < wf.rows.size(); i++) {
        const DescriptorRow &r = wf.rows[i];
        const auto &plain = chunks[i].plain;
        std::string vault = b.writer->vault_path(static_cast<uint64_t>(r.vid)).string();

        std::fill(out.begin(), out.end(), 0);
        ASSERT_EQ(restore_read_chunk(in.get(), vault.c_str(), static_cast<uint32_t>(r.voffset), out.data(),
                                     static_cast<uint32_t>(out.size())),
                  static_cast<int>(plain.size()))
            << "chunk " << i;
        EXPECT_TRUE(std::equal(plain.begin(), plain.end(), out.begin()));

        std::fill(out.begin(), out.end(), 0);
        ASSERT_EQ(restore_read_chunk2(in.get(), static_cast<uint32_t>(r.hid), static_cast<uint64_t>(r.vid),
                                      static_cast<uint32_t>(r.voffset), out.data(),
                                      static_cast<uint32_t>(out.size())),
                  static_cast<int>(plain.size()));
        EXPECT_TRUE(std::equal(plain.begin(), plain.end(), out.begin()));

        // The whole record (header and data area) handed over as a buffer.
        auto bytes = slurp(vault);
        uint64_t len = 128 + vault_data_area_size(r.store_size);
        std::vector<uint8_t> rec(bytes.begin() + static_cast<std::ptrdiff_t>(r.voffset),
                                 bytes.begin() + static_cast<std::ptrdiff_t>(r.voffset + len));
        std::vector<uint8_t> exact(plain.size());
        ASSERT_EQ(restore_read_chunk_from_buffer(in.get(), rec.data(), static_cast<uint32_t>(rec.size()),
                                                 exact.data(), static_cast<uint32_t>(exact.size())),
                  static_cast<int>(plain.size()));
        EXPECT_EQ(exact, plain);

        file_t *vf = file_open(vault.c_str(), &vaultfile_operations, OS_O_RDONLY | OS_O_BINARY, 0, nullptr);
        ASSERT_NE(vf, nullptr);
        std::fill(out.begin(), out.end(), 0);
        EXPECT_EQ(do_restore_chunk_from_open_file(inst->ctx, inst->cry, vf, r.voffset, out.data(),
                                                  static_cast<uint32_t>(out.size())),
                  static_cast<int>(plain.size()));
        EXPECT_TRUE(std::equal(plain.begin(), plain.end(), out.begin()));
        file_close(vf);
    }
}

INSTANTIATE_TEST_SUITE_P(Codecs, ChunkRoads,
                         ::testing::Values(Combo{0, 0}, Combo{1, 0}, Combo{2, 0}, Combo{3, 0}, Combo{4, 0},
                                           Combo{5, 0}, Combo{0, 3}, Combo{5, 1}, Combo{1, 2}, Combo{5, 3}),
                         [](const auto &info) {
                             return "cmp" + std::to_string(info.param.cmp) + "_cry" + std::to_string(info.param.cry);
                         });

// One encrypted, compressed file with a few chunks, for the failure cases.
struct Small {
    Backup b;
    std::vector<PlannedChunk> chunks;
    WrittenFile wf;

    explicit Small(int cry = 3, int cmp = 5, int num_vaults = 1)
        : b([&] {
              BackupOptions o;
              o.codec.cmp_algo = cmp;
              o.codec.cry_algo = cry;
              o.num_vaults = num_vaults;
              return o;
          }())
    {
        chunks = chunks_of(5, 60000, 9000, 12000, Content::Text);
        wf = b.add("f", chunks);
        b.finish();
    }
    std::string vault(size_t i) const { return b.writer->vault_path(static_cast<uint64_t>(wf.rows[i].vid)).string(); }
};

TEST(ChunkFetch, DamagedBlocksAreRepairedAndLoggedAsWarning)
{
    Small s;
    const DescriptorRow &r = s.wf.rows[1];
    damage_every_block(s.vault(1), r.voffset, r.store_size);
    LogCapture log;
    Instance in = s.b.instance("read-chunk");
    ASSERT_EQ(restore_start_instance(in.get()), 0);
    std::vector<uint8_t> out(r.chunksize);
    ASSERT_EQ(restore_read_chunk(in.get(), s.vault(1).c_str(), static_cast<uint32_t>(r.voffset), out.data(),
                                 static_cast<uint32_t>(out.size())),
              static_cast<int>(r.chunksize));
    EXPECT_EQ(out, s.chunks[1].plain);
    EXPECT_TRUE(has_line(log.text(), "warning", "data is corrupted and try to repair it from parities"));
}

TEST(ChunkFetch, DamageBeyondRepairOrWithEccOffFails)
{
    for (int ecc : {1, 0}) {
        for (Combo c : {Combo{5, 0}, Combo{0, 3}, Combo{5, 3}}) {
            SCOPED_TRACE("ecc " + std::to_string(ecc) + " cmp " + std::to_string(c.cmp) + " cry " +
                         std::to_string(c.cry));
            Small s(c.cry, c.cmp);
            const DescriptorRow &r = s.wf.rows[0];
            // With ECC on, two flips per block are beyond the code; with ECC
            // off one flip reaches decryption or decompression.
            damage_every_block(s.vault(0), r.voffset, r.store_size, ecc ? 2 : 1);
            Instance in = s.b.instance("read-chunk");
            ASSERT_EQ(restore_start_instance(in.get()), 0);
            auto *inst = static_cast<instance_t *>(in.get());
            file_t *vf = file_open(s.vault(0).c_str(), &vaultfile_operations, OS_O_RDONLY | OS_O_BINARY, 0, nullptr);
            ASSERT_NE(vf, nullptr);
            chunkbase_t e{};
            e.voffset = static_cast<int64_t>(r.voffset);
            uint64_t sig = 0;
            errno = 0;
            uint8_t *got = get_chunk_from_disk(nullptr, vf, &e, ecc, inst->cry, &sig);
            EXPECT_EQ(got, nullptr);
            EXPECT_NE(errno, 0);
            std::free(got);
            // The next chunk of the same open vault reads fine.
            const DescriptorRow &r2 = s.wf.rows[2];
            chunkbase_t e2{};
            e2.voffset = static_cast<int64_t>(r2.voffset);
            e2.chunksize = static_cast<int32_t>(r2.chunksize);
            uint8_t *ok = get_chunk_from_disk(nullptr, vf, &e2, ecc, inst->cry, &sig);
            ASSERT_NE(ok, nullptr);
            EXPECT_TRUE(std::equal(s.chunks[2].plain.begin(), s.chunks[2].plain.end(), ok));
            EXPECT_EQ(sig, ecc ? r2.sig : 0u);
            std::free(ok);
            file_close(vf);
            // The single-chunk calls always repair, and still refuse.
            if (ecc) {
                std::vector<uint8_t> out(r.chunksize, 0xEE);
                EXPECT_EQ(restore_read_chunk(in.get(), s.vault(0).c_str(), static_cast<uint32_t>(r.voffset),
                                             out.data(), static_cast<uint32_t>(out.size())),
                          -1);
            }
        }
    }
}

TEST(ChunkFetch, BufferOneByteTooSmallIsOverflowAndWritesNothing)
{
    Small s;
    const DescriptorRow &r = s.wf.rows[0];
    Instance in = s.b.instance("read-chunk");
    ASSERT_EQ(restore_start_instance(in.get()), 0);
    std::vector<uint8_t> out(r.chunksize - 1, 0xAB);
    errno = 0;
    EXPECT_EQ(restore_read_chunk(in.get(), s.vault(0).c_str(), static_cast<uint32_t>(r.voffset), out.data(),
                                 static_cast<uint32_t>(out.size())),
              -1);
    EXPECT_EQ(errno, EOVERFLOW);
    EXPECT_EQ(out, std::vector<uint8_t>(r.chunksize - 1, 0xAB));
}

TEST(ChunkFetch, WrongKeyOrKeySizeFailsDecryption)
{
    Small s;
    const DescriptorRow &r = s.wf.rows[0];
    struct Case {
        const char *algo;
        std::vector<uint8_t> key;
        const char *message;
    } cases[] = {
        {"aes-128", make_key(1, 42), "mismatched decryption algorithm"},
        {"aes-256", make_key(3, 43), "decrypt_chunk"},
        {nullptr, {}, "mismatched decryption algorithm"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.message);
        LogCapture log;
        Instance in(restore_create_instance());
        ASSERT_EQ(restore_set_sort_method(in.get(), "read-chunk"), 0);
        if (c.algo) {
            ASSERT_EQ(restore_set_decrypter(in.get(), c.algo, c.key.data(), static_cast<int>(c.key.size())), 0);
        }
        ASSERT_EQ(restore_start_instance(in.get()), 0);
        std::vector<uint8_t> out(r.chunksize);
        errno = 0;
        EXPECT_EQ(restore_read_chunk(in.get(), s.vault(0).c_str(), static_cast<uint32_t>(r.voffset), out.data(),
                                     static_cast<uint32_t>(out.size())),
                  -1);
        EXPECT_EQ(errno, EINVAL);
        EXPECT_NE(log.text().find(c.message), std::string::npos);
    }
}

TEST(ChunkFetch, ConsecutiveReadsOfOneVaultOpenItOnce)
{
    Small s(3, 5, 1);
    Instance in = s.b.instance("read-chunk");
    ASSERT_EQ(restore_start_instance(in.get()), 0);
    std::vector<uint8_t> out(20000);
    const DescriptorRow &r0 = s.wf.rows[0];
    ASSERT_GT(restore_read_chunk(in.get(), s.vault(0).c_str(), static_cast<uint32_t>(r0.voffset), out.data(), 20000),
              0);
    ASSERT_GT(restore_read_chunk2(in.get(), static_cast<uint32_t>(r0.hid), static_cast<uint64_t>(r0.vid),
                                  static_cast<uint32_t>(r0.voffset), out.data(), 20000),
              0);
    // Gone from the disk: a second open would fail, the open handle serves.
    std::filesystem::remove(s.vault(0));
    for (size_t i = 1; i < s.wf.rows.size(); i++) {
        const DescriptorRow &r = s.wf.rows[i];
        ASSERT_EQ(restore_read_chunk2(in.get(), static_cast<uint32_t>(r.hid), static_cast<uint64_t>(r.vid),
                                      static_cast<uint32_t>(r.voffset), out.data(), 20000),
                  static_cast<int>(r.chunksize));
        EXPECT_TRUE(std::equal(s.chunks[i].plain.begin(), s.chunks[i].plain.end(), out.begin()));
    }
    // By path the same: a new path text would need an open, which fails.
    errno = 0;
    EXPECT_EQ(restore_read_chunk(in.get(), s.vault(0).c_str(), static_cast<uint32_t>(r0.voffset), out.data(), 20000),
              -1);
    EXPECT_EQ(errno, ENOENT);
}

TEST(ChunkFetch, SeventeenVaultsInACycleEvictTheLeastRecentlyUsed)
{
    BackupOptions o;
    o.codec.cmp_algo = 1;
    o.interleaved = false;
    o.vault_capacity = 1; // one chunk per vault
    Backup b(o);
    auto chunks = chunks_of(3, 17 * 1000, 1000, 1000);
    WrittenFile wf = b.add("f", chunks);
    b.finish();
    ASSERT_EQ(wf.rows.size(), 17u);
    Instance in = b.instance("read-chunk");
    ASSERT_EQ(restore_start_instance(in.get()), 0);
    std::vector<uint8_t> out(1000);
    auto read = [&](size_t i) {
        const DescriptorRow &r = wf.rows[i];
        return restore_read_chunk2(in.get(), static_cast<uint32_t>(r.hid), static_cast<uint64_t>(r.vid),
                                   static_cast<uint32_t>(r.voffset), out.data(), 1000);
    };
    for (size_t i = 0; i < 17; i++)
        ASSERT_EQ(read(i), 1000);
    for (const auto &v : b.writer->vaults())
        std::filesystem::remove(v.second);
    // Sixteen vaults stay open besides the current one; coming back to the
    // first parks the current one and evicts the least recently used (1).
    EXPECT_EQ(read(0), 1000);
    EXPECT_EQ(read(2), 1000);
    EXPECT_EQ(read(16), 1000);
    EXPECT_EQ(read(1), -1);
}

TEST(ChunkFetch, BufferReadChecksSizesAndBounds)
{
    Small s(0, 5);
    const DescriptorRow &r = s.wf.rows[0];
    auto bytes = read_file(s.vault(0));
    uint64_t len = 128 + vault_data_area_size(r.store_size);
    std::vector<uint8_t> rec(bytes.begin() + static_cast<std::ptrdiff_t>(r.voffset),
                             bytes.begin() + static_cast<std::ptrdiff_t>(r.voffset + len));
    Instance in = s.b.instance("read-chunk");
    ASSERT_EQ(restore_start_instance(in.get()), 0);

    LogCapture log;
    std::vector<uint8_t> big(r.chunksize + 1);
    EXPECT_EQ(restore_read_chunk_from_buffer(in.get(), rec.data(), static_cast<uint32_t>(rec.size()), big.data(),
                                             static_cast<uint32_t>(big.size())),
              -1);
    char expect[96];
    std::snprintf(expect, sizeof expect, "mismatched chunksize (got:%u,expect:%u)", r.chunksize, r.chunksize + 1);
    EXPECT_NE(log.text().find(expect), std::string::npos);

    // A buffer cut short inside the header or inside the stored bytes is
    // refused without reading past it (the sanitizer build proves it).
    for (size_t cut : {size_t{100}, size_t{128 + r.store_size / 2}}) {
        std::vector<uint8_t> part(rec.begin(), rec.begin() + static_cast<std::ptrdiff_t>(cut));
        std::vector<uint8_t> o(r.chunksize);
        errno = 0;
        EXPECT_EQ(restore_read_chunk_from_buffer(in.get(), part.data(), static_cast<uint32_t>(part.size()), o.data(),
                                                 static_cast<uint32_t>(o.size())),
                  -1);
        EXPECT_EQ(errno, EINVAL);
    }
}

TEST(ChunkFetch, OffsetPastTheVaultOrAMissingVaultFails)
{
    Small s;
    Instance in = s.b.instance("read-chunk");
    ASSERT_EQ(restore_start_instance(in.get()), 0);
    std::vector<uint8_t> out(20000);
    uint64_t size = std::filesystem::file_size(s.vault(0));
    for (uint64_t off : {size - 64, size + 4096}) {
        errno = 0;
        EXPECT_EQ(restore_read_chunk(in.get(), s.vault(0).c_str(), static_cast<uint32_t>(off), out.data(), 20000), -1);
        EXPECT_EQ(errno, EINVAL);
    }
    errno = 0;
    EXPECT_EQ(restore_read_chunk2(in.get(), 1, 999, 128, out.data(), 20000), -1);
    EXPECT_EQ(errno, ENOENT);
    // An offset that is not a chunk header fails its signature check.
    EXPECT_EQ(restore_read_chunk(in.get(), s.vault(0).c_str(), 130, out.data(), 20000), -1);
}

TEST(VaultCache, LookupAddAndEviction)
{
    Small s;
    vault_cache_t *cache = vault_cache_create(2);
    ASSERT_NE(cache, nullptr);
    auto open = [&] {
        return file_open(s.vault(0).c_str(), &vaultfile_operations, OS_O_RDONLY | OS_O_BINARY, 0, nullptr);
    };
    file_t *a = open(), *b2 = open(), *c = open();
    vault_cache_add(cache, 1, 1, a);
    vault_cache_add(cache, 1, 2, b2);
    EXPECT_EQ(vault_cache_lookup(cache, 1, 1), a); // 1 is now the most recent
    vault_cache_add(cache, 1, 3, c);                // evicts 2
    EXPECT_EQ(vault_cache_lookup(cache, 1, 2), nullptr);
    EXPECT_EQ(vault_cache_lookup(cache, 1, 1), a);
    EXPECT_EQ(vault_cache_lookup(cache, 1, 3), c);
    EXPECT_EQ(cache->cnt, 2);
    vault_cache_add(cache, 1, 3, c); // the same vault again changes nothing
    EXPECT_EQ(cache->cnt, 2);
    EXPECT_EQ(vault_cache_lookup(nullptr, 1, 1), nullptr);
    vault_cache_destroy(cache); // closes a and c (the sanitizer checks for leaks)
}

} // namespace
