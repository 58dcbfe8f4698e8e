// Whole-file restore through the pipeline: both work orders, thread counts,
// rows in no vault, the vault order's pull list, check-only mode, and runs
// that must fail.
#include "restore_fixture.h"

#include "restore-ctx.h"

#include <sqlite3.h>

#include <cerrno>
#include <fstream>

using namespace orvex::test;
using namespace orvex::testkit;

namespace {

// Chunks with a hole (rows in no vault) in the middle and at the end.
std::vector<PlannedChunk> with_holes(uint64_t seed, size_t size)
{
    auto chunks = chunks_of(seed, size, 2000, 30000);
    chunks[chunks.size() / 2].hole = true;
    chunks.back().hole = true;
    return chunks;
}

struct Order {
    const char *order;
    int threads;
    int num_vaults;
};

class WholeFile : public ::testing::TestWithParam<Order> {};

TEST_P(WholeFile, RestoresEveryByteAndEndsAtTheFileSize)
{
    BackupOptions o;
    o.codec.cmp_algo = 5;
    o.codec.cry_algo = 3;
    o.num_vaults = GetParam().num_vaults;
    Backup b(o);
    WrittenFile wf = b.add("f", with_holes(21, 900000));
    b.finish();
    auto out = b.out("f.bin");
    ASSERT_EQ(restore_whole(b, wf, out, GetParam().order, GetParam().threads), 0);
    EXPECT_EQ(std::filesystem::file_size(out), wf.restored.size());
    EXPECT_TRUE(read_file(out) == wf.restored);
}

INSTANTIATE_TEST_SUITE_P(Orders, WholeFile,
                         ::testing::Values(Order{"file-offset", 1, 1}, Order{"file-offset", 2, 3},
                                           Order{"file-offset", 4, 5}, Order{"vault-id", 1, 3},
                                           Order{"vault-id", 2, 5}, Order{"vault-id", 3, 2}),
                         [](const auto &info) {
                             std::string o = info.param.order;
                             return (o == "vault-id" ? std::string("vault") : std::string("foffset")) + "_t" +
                                    std::to_string(info.param.threads) + "_v" +
                                    std::to_string(info.param.num_vaults);
                         });

TEST(Pipeline, RecordRangesPerThreadTakeTheRemainderLast)
{
    restore_worker_t *w = restore_worker_create(4);
    ASSERT_NE(w, nullptr);
    ASSERT_EQ(set_chunks_for_each_thread(w, 4, 0, 10, nullptr), 0);
    int64_t expect[4][2] = {{0, 1}, {2, 3}, {4, 5}, {6, 9}};
    for (int i = 0; i < 4; i++) {
        EXPECT_EQ(w[i].cstart, expect[i][0]) << i;
        EXPECT_EQ(w[i].cend, expect[i][1]) << i;
        EXPECT_EQ(w[i].clen, expect[i][1] - expect[i][0] + 1) << i;
    }
    // Fewer records than threads: the first workers get none and are not run.
    ASSERT_EQ(set_chunks_for_each_thread(w, 4, 0, 3, nullptr), 0);
    EXPECT_EQ(w[0].clen, 0);
    EXPECT_EQ(w[3].clen, 3);
    EXPECT_EQ(set_chunks_for_each_thread(nullptr, 4, 0, 10, nullptr), -1);
    restore_worker_destroy(w, 4);
}

TEST(Pipeline, WorkingThreadsAreTheVaultCountWhenSmaller)
{
    BackupOptions o;
    o.num_vaults = 2;
    Backup b(o);
    WrittenFile wf = b.add("f", chunks_of(4, 200000, 1000, 9000));
    b.finish();
    for (auto [threads, expect] : {std::pair{8, 2}, std::pair{2, 2}, std::pair{1, 1}}) {
        Instance in = b.instance("file-offset", threads);
        ASSERT_EQ(restore_start_instance(in.get()), 0);
        ASSERT_EQ(restore_register_file2(in.get(), b.out("f").c_str(), wf.descriptor.c_str(), 1), 0);
        EXPECT_EQ(static_cast<instance_t *>(in.get())->num_working_threads, expect) << threads;
        ASSERT_EQ(restore_run_instance(in.get()), 0);
        EXPECT_EQ(restore_unregister_file(in.get()), 0);
        EXPECT_TRUE(read_file(b.out("f")) == wf.restored);
    }
}

std::vector<std::pair<uint32_t, uint64_t>> pull(void *in)
{
    std::vector<std::pair<uint32_t, uint64_t>> v;
    pulllist_t *pl = restore_get_pulllist(in);
    EXPECT_NE(pl, nullptr);
    if (!pl)
        return v;
    for (uint64_t i = 0; i < restore_pulllist_number(pl); i++)
        v.emplace_back(restore_pulllist_hids(pl)[i], restore_pulllist_vids(pl)[i]);
    restore_put_pulllist(pl);
    return v;
}

TEST(Pipeline, VaultOrderRestoresOnlyTheAddedVaultsAndThePullListShrinks)
{
    BackupOptions o;
    o.num_vaults = 3;
    o.first_vid = 10;
    o.codec.cmp_algo = 1;
    Backup b(o);
    WrittenFile wf = b.add("f", chunks_of(6, 400000, 1000, 20000));
    b.finish();
    Instance in = b.instance("vault-id", 2);
    ASSERT_EQ(restore_start_instance(in.get()), 0);
    auto out = b.out("f");
    ASSERT_EQ(restore_register_file(in.get(), out.c_str(), wf.descriptor.c_str()), 0);
    using P = std::pair<uint32_t, uint64_t>;
    EXPECT_EQ(pull(in.get()), (std::vector<P>{{1, 10}, {1, 11}, {1, 12}}));

    errno = 0;
    EXPECT_EQ(restore_run_instance(in.get()), -1); // nothing added yet

    ASSERT_EQ(restore_add_hid_vid(in.get(), 1, 11), 0);
    ASSERT_EQ(restore_run_instance(in.get()), 0);
    EXPECT_EQ(pull(in.get()), (std::vector<P>{{1, 10}, {1, 12}}));
    // Only the chunks of vault 11 are in place so far.
    auto got = read_file(out);
    for (const DescriptorRow &r : wf.rows) {
        if (r.vid != 11 || r.foffset + r.chunksize > got.size())
            continue;
        EXPECT_TRUE(std::equal(got.begin() + static_cast<std::ptrdiff_t>(r.foffset),
                               got.begin() + static_cast<std::ptrdiff_t>(r.foffset + r.chunksize),
                               wf.restored.begin() + static_cast<std::ptrdiff_t>(r.foffset)));
    }
    ASSERT_EQ(restore_add_vid(in.get(), 0), 0); // hid 0: not a vault of this file, nothing to fetch
    ASSERT_EQ(restore_add_hid_vid(in.get(), 1, 10), 0);
    ASSERT_EQ(restore_add_hid_vid(in.get(), 1, 12), 0);
    ASSERT_EQ(restore_run_instance(in.get()), 0);
    EXPECT_TRUE(pull(in.get()).empty());
    EXPECT_EQ(restore_get_progress(in.get()), 100);
    EXPECT_EQ(restore_unregister_file(in.get()), 0);
    EXPECT_TRUE(read_file(out) == wf.restored);
}

void corrupt_descriptor_cksum(const std::filesystem::path &dsc)
{
    sqlite3 *db = nullptr;
    ASSERT_EQ(sqlite3_open(dsc.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "UPDATE header SET CKSUM = CKSUM + 1;", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
}

TEST(Pipeline, CheckOnlyModeWritesNothingAndDetectsAWrongChecksum)
{
    Backup b(BackupOptions{});
    WrittenFile wf = b.add("f", chunks_of(7, 300000, 1000, 20000));
    b.finish();
    auto out = b.out("never");
    for (bool corrupt : {false, true}) {
        SCOPED_TRACE(corrupt);
        if (corrupt)
            corrupt_descriptor_cksum(wf.descriptor);
        LogCapture log;
        Instance in = b.instance("file-offset", 2);
        ASSERT_EQ(restore_set_check_integrity(in.get(), true), 0);
        ASSERT_EQ(restore_start_instance(in.get()), 0);
        ASSERT_EQ(restore_register_file(in.get(), out.c_str(), wf.descriptor.c_str()), 0);
        ASSERT_EQ(restore_run_instance(in.get()), 0);
        EXPECT_EQ(restore_unregister_file(in.get()), corrupt ? -1 : 0);
        EXPECT_FALSE(std::filesystem::exists(out));
        EXPECT_EQ(log.text().find(": corrupted file") != std::string::npos, corrupt);
    }
}

TEST(Pipeline, AFailingChunkFailsTheRunAndLeavesNoOutput)
{
    struct Case {
        const char *what;
        int ecc;
    } cases[] = {{"unrepairable", 1}, {"ecc-off", 0}, {"vault-gone", 1}, {"row-past-end", 1}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        BackupOptions o;
        o.codec.cmp_algo = 5;
        o.codec.cry_algo = 3;
        o.num_vaults = 2;
        Backup b(o);
        WrittenFile wf = b.add("f", chunks_of(8, 600000, 5000, 20000));
        b.finish();
        const DescriptorRow &r = wf.rows[wf.rows.size() / 2];
        auto vault = b.writer->vault_path(static_cast<uint64_t>(r.vid));
        Instance in = b.instance("file-offset", 2);
        ASSERT_EQ(restore_set_ecc(in.get(), static_cast<uint8_t>(c.ecc)), 0);
        ASSERT_EQ(restore_start_instance(in.get()), 0);
        auto out = b.out("f");
        ASSERT_EQ(restore_register_file(in.get(), out.c_str(), wf.descriptor.c_str()), 0);
        if (std::string(c.what) == "vault-gone") {
            std::filesystem::remove(vault);
        } else if (std::string(c.what) == "row-past-end") {
            sqlite3 *db = nullptr;
            ASSERT_EQ(sqlite3_open(wf.descriptor.c_str(), &db), SQLITE_OK);
            std::string sql = "UPDATE mapdb SET VOS = VOS + 100000000 WHERE FOS = " + std::to_string(r.foffset) + ";";
            EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
            sqlite3_close(db);
        } else {
            std::fstream f(vault, std::ios::in | std::ios::out | std::ios::binary);
            for (uint64_t k = 0; k < 2; k++) { // two bytes in one block: beyond repair
                f.seekp(static_cast<std::streamoff>(r.voffset + 128 + 10 + k * 3));
                f.put(static_cast<char>(0x7F));
            }
        }
        errno = 0;
        EXPECT_EQ(restore_run_instance(in.get()), -1);
        EXPECT_EQ(restore_unregister_file(in.get()), -1);
        EXPECT_FALSE(std::filesystem::exists(out));
    }
}

TEST(Pipeline, OverwritingALongerFileLeavesNoOldTail)
{
    Backup b(BackupOptions{});
    WrittenFile wf = b.add("f", chunks_of(9, 100000, 1000, 8000));
    b.finish();
    auto out = b.out("f");
    write_file(out, std::vector<uint8_t>(300000, 0x55));
    ASSERT_EQ(restore_whole(b, wf, out, "file-offset", 2), 0);
    EXPECT_TRUE(read_file(out) == wf.restored);
}

TEST(Pipeline, RunWithoutARegisteredFileFails)
{
    Backup b(BackupOptions{});
    b.finish();
    Instance in = b.instance("file-offset", 2);
    EXPECT_EQ(restore_run_instance(in.get()), -1);
    ASSERT_EQ(restore_start_instance(in.get()), 0);
    errno = 0;
    EXPECT_EQ(restore_run_instance(in.get()), -1);
    EXPECT_EQ(errno, EINVAL);
    EXPECT_EQ(restore_unregister_file(in.get()), 0);
}

} // namespace
