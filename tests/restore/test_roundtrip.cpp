// Randomized round trip: the test kit writes files of random sizes and
// random chunking in every combination (methods, encryption, vaults per
// file, chunks shared between files, rows in no vault, dirty rows with a
// sparse file); every road must give back exactly the bytes written.
#include "gcc_string_warnings.h"
#include "restore_fixture.h"

#include <fcntl.h>
#include <unistd.h>

using namespace orvex::test;
using namespace orvex::testkit;

namespace {

struct Combo {
    int cmp;
    int cry;
    int num_vaults;
    bool short_paths;
};

std::vector<PlannedChunk> random_file(Rng &rng, const std::vector<std::vector<uint8_t>> &shared, uint64_t seed)
{
    const size_t size = static_cast<size_t>(rng.range(0, 3) == 0 ? rng.range(0, 5000) : rng.range(5000, 3u << 20));
    const uint32_t max = static_cast<uint32_t>(rng.range(2000, 65536));
    const uint32_t min = static_cast<uint32_t>(rng.range(1, max));
    auto kind = static_cast<Content>(rng.range(0, 3));
    std::vector<PlannedChunk> chunks = split_into_chunks(make_bytes(seed, size, kind), min, max, seed + 1);
    bool any_stored = false;
    for (auto &c : chunks) {
        uint64_t roll = rng.range(0, 99);
        if (roll < 15 && !shared.empty()) // a chunk that other files hold too
            c.plain = shared[rng.range(0, shared.size() - 1)];
        else if (roll < 22)
            c.hole = true;
        if (rng.range(0, 99) < 10) {
            c.dirty = true;
            c.current = make_bytes(seed ^ rng.next(), c.plain.size(), Content::Random);
        }
        any_stored = any_stored || !c.hole;
    }
    if (!any_stored && !chunks.empty())
        chunks.front().hole = false;
    return chunks;
}

class RoundTrip : public ::testing::TestWithParam<Combo> {};

ORVEX_GCC_STRING_WARNINGS_OFF
TEST_P(RoundTrip, EveryRoadGivesBackTheFile)
{
    const Combo c = GetParam();
    const uint64_t seed = 1000 + static_cast<uint64_t>(c.cmp * 16 + c.cry * 4 + c.num_vaults);
    Rng rng(seed);
    BackupOptions o;
    o.codec.cmp_algo = c.cmp;
    o.codec.cry_algo = c.cry;
    o.num_vaults = c.num_vaults;
    o.short_paths = c.short_paths;
    o.seed = seed;
    Backup b(o);

    std::vector<std::vector<uint8_t>> shared;
    for (int i = 0; i < 6; i++)
        shared.push_back(make_bytes(seed * 31 + static_cast<uint64_t>(i), static_cast<size_t>(rng.range(1, 40000))));
    std::vector<std::pair<WrittenFile, std::vector<PlannedChunk>>> files;
    for (int f = 0; f < 3; f++) {
        auto chunks = random_file(rng, shared, seed * 7 + static_cast<uint64_t>(f));
        std::vector<uint8_t> tail;
        if (rng.range(0, 1))
            tail = make_bytes(seed + 99, static_cast<size_t>(rng.range(1, 3000)));
        WrittenFile wf = b.add("file" + std::to_string(f), chunks, tail);
        files.emplace_back(std::move(wf), std::move(chunks));
    }
    b.finish();

    for (size_t f = 0; f < files.size(); f++) {
        const WrittenFile &wf = files[f].first;
        SCOPED_TRACE("file " + std::to_string(f) + " of " + std::to_string(wf.restored.size()) + " bytes");
        bool has_vault_rows = false;
        for (const auto &r : wf.rows)
            has_vault_rows = has_vault_rows || r.vid >= 0;

        // Whole file, both orders.
        for (auto [order, threads] : {std::pair{"file-offset", 1}, std::pair{"file-offset", 2},
                                      std::pair{"vault-id", 2}}) {
            if (std::string(order) == "vault-id" && !has_vault_rows)
                continue;
            SCOPED_TRACE(std::string(order) + " x" + std::to_string(threads));
            auto out = b.out("f" + std::to_string(f) + order + std::to_string(threads));
            ASSERT_EQ(restore_whole(b, wf, out, order, threads), 0);
            EXPECT_TRUE(read_file(out) == wf.restored);
        }

        // Single chunks by (hid, vid), assembled at their offsets.
        {
            Instance in = b.instance("read-chunk");
            ASSERT_EQ(restore_start_instance(in.get()), 0);
            std::vector<uint8_t> rebuilt(wf.restored.size(), 0);
            std::vector<uint8_t> buf(70000);
            for (const DescriptorRow &r : wf.rows) {
                if (r.vid < 0)
                    continue;
                ASSERT_EQ(restore_read_chunk2(in.get(), static_cast<uint32_t>(r.hid), static_cast<uint64_t>(r.vid),
                                              static_cast<uint32_t>(r.voffset), buf.data(),
                                              static_cast<uint32_t>(buf.size())),
                          static_cast<int>(r.chunksize));
                std::copy(buf.begin(), buf.begin() + r.chunksize,
                          rebuilt.begin() + static_cast<std::ptrdiff_t>(r.foffset));
            }
            EXPECT_TRUE(rebuilt == wf.restored);
        }

        // Partial ranges against the local view (dirty rows and tail).
        {
            Instance in = b.instance("partial");
            ASSERT_EQ(restore_start_instance(in.get()), 0);
            ASSERT_EQ(restore_register_file(in.get(), nullptr, wf.descriptor.c_str()), 0);
            int sfd = wf.sparse.empty() ? -1 : ::open(wf.sparse.c_str(), O_RDONLY);
            const int64_t size = static_cast<int64_t>(wf.current.size());
            for (int k = 0; k < 12 && size > 0; k++) {
                int64_t off = static_cast<int64_t>(rng.range(0, static_cast<uint64_t>(size - 1)));
                int64_t len = k == 0 ? size : static_cast<int64_t>(rng.range(1, 200000));
                if (k == 0)
                    off = 0;
                readin_t rin{off, len, size, static_cast<int64_t>(wf.mapdb_filesize), sfd, 0};
                readout_t *out = restore_from_descriptor_and_sparse(static_cast<instance_t *>(in.get()), &rin,
                                                                    nullptr);
                ASSERT_NE(out, nullptr) << off << "+" << len;
                int64_t want = std::min(len, size - off);
                ASSERT_EQ(out->readsize, want);
                EXPECT_TRUE(std::equal(out->readbuf, out->readbuf + want, wf.current.begin() + off))
                    << off << "+" << len;
                std::free(out->readbuf);
                std::free(out);
            }
            if (sfd >= 0)
                ::close(sfd);
            EXPECT_EQ(restore_unregister_file(in.get()), 0);
        }
    }
}
ORVEX_GCC_STRING_WARNINGS_ON

INSTANTIATE_TEST_SUITE_P(Combinations, RoundTrip,
                         ::testing::Values(Combo{0, 0, 1, false}, Combo{5, 3, 3, true}, Combo{1, 0, 2, false},
                                           Combo{2, 1, 1, true}, Combo{3, 2, 4, false}, Combo{4, 3, 2, true},
                                           Combo{5, 0, 5, false}),
                         [](const auto &info) {
                             const Combo &c = info.param;
                             return "cmp" + std::to_string(c.cmp) + "_cry" + std::to_string(c.cry) + "_v" +
                                    std::to_string(c.num_vaults) + (c.short_paths ? "_short" : "_long");
                         });

} // namespace
