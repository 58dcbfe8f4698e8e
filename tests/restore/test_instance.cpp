// The restore_* instance calls: defaults, settings and their checks,
// registration rules, progress and statistics, the reserved calls.
#include "restore_fixture.h"

#include <cerrno>

using namespace orvex::test;
using namespace orvex::testkit;

namespace {

TEST(Instance, DefaultsShowInTheConfiguration)
{
    LogCapture log;
    Instance in(restore_create_instance());
    ASSERT_TRUE(in);
    EXPECT_EQ(restore_get_sort_method(in.get()), 0);
    ASSERT_EQ(restore_get_config(in.get()), 0);
    std::string text = log.text();
    EXPECT_NE(text.find("number of threads : 1\n"), std::string::npos) << text;
    EXPECT_NE(text.find("optimized bucket size : 20 MB"), std::string::npos);
    EXPECT_NE(text.find("decryption : not assigned"), std::string::npos);
    auto *inst = static_cast<instance_t *>(in.get());
    EXPECT_EQ(inst->do_ecc, 1);
    EXPECT_EQ(inst->readonly, 1);
    EXPECT_EQ(inst->max_bucketsize, 0x1400000u);
}

TEST(Instance, SortMethodsByExactName)
{
    Instance in(restore_create_instance());
    struct Case {
        const char *name;
        int rc;
        int order; // order afterwards
    } cases[] = {
        {"vault-id", 0, 1},     {"partial", 0, 2},     {"read-chunk", 0, 3}, {"file-offset", 0, 0},
        {"File-offset", -1, 0}, {"VAULT-ID", -1, 0},   {"", -1, 0},          {nullptr, 0, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name ? c.name : "(null)");
        LogCapture log;
        EXPECT_EQ(restore_set_sort_method(in.get(), c.name), c.rc);
        EXPECT_EQ(restore_get_sort_method(in.get()), c.order);
        if (c.rc != 0) {
            EXPECT_NE(log.text().find(std::string("no such sort-method: ") + c.name), std::string::npos);
        }
    }
}

TEST(Instance, SettingsRejectBadValuesAndKeepTheOldOnes)
{
    TempDir dir;
    Instance in(restore_create_instance());
    ASSERT_EQ(restore_set_path(in.get(), dir.str().c_str(), RESTORE_PATH_VAULTDIR), 0);
    errno = 0;
    EXPECT_EQ(restore_set_path(in.get(), (dir / "missing").c_str(), RESTORE_PATH_VAULTDIR), -1);
    EXPECT_EQ(errno, ENOENT);
    EXPECT_STREQ(static_cast<instance_t *>(in.get())->vaultdir_path, dir.str().c_str());
    EXPECT_EQ(restore_set_path(in.get(), dir.str().c_str(), 3), -1);
    EXPECT_EQ(restore_set_path(in.get(), nullptr, RESTORE_PATH_TEMPDIR), -1);

    EXPECT_EQ(restore_set_num_threads(in.get(), 0), -1);
    EXPECT_EQ(restore_set_ecc(in.get(), 2), -1);
    EXPECT_EQ(restore_set_ecc(in.get(), 0), 0);
    EXPECT_EQ(restore_set_decrypter(in.get(), "aes-512", "k", 1), -1);
    EXPECT_EQ(restore_set_max_vault_size(in.get(), 0), 0);
    EXPECT_EQ(static_cast<instance_t *>(in.get())->max_bucketsize, 0x2800000u);
    EXPECT_EQ(restore_set_max_vault_size(in.get(), 1u << 20), 0);
    EXPECT_EQ(static_cast<instance_t *>(in.get())->max_bucketsize, 2u << 20);

    for (auto *fn : {+[] { return restore_set_num_threads(nullptr, 1); }, +[] { return restore_set_ecc(nullptr, 1); },
                     +[] { return restore_get_sort_method(nullptr); }, +[] { return restore_start_instance(nullptr); },
                     +[] { return restore_unregister_file(nullptr); }, +[] { return restore_run_instance(nullptr); }}) {
        errno = 0;
        EXPECT_EQ(fn(), -1);
        EXPECT_EQ(errno, EINVAL);
    }
    LogCapture log;
    EXPECT_EQ(restore_get_stats(in.get(), 1), static_cast<uint64_t>(-1));
    EXPECT_NE(log.text().find("no such option: 1"), std::string::npos);
}

TEST(Instance, RegistrationRules)
{
    Backup b(BackupOptions{});
    WrittenFile wf = b.add("f", chunks_of(1, 50000, 1000, 9000));
    b.finish();
    auto out = b.out("exists");
    write_file(out, {1, 2, 3});
    Instance in = b.instance("file-offset", 2);
    ASSERT_EQ(restore_start_instance(in.get()), 0);

    errno = 0;
    EXPECT_EQ(restore_register_file(in.get(), out.c_str(), wf.descriptor.c_str()), -1);
    EXPECT_EQ(errno, EEXIST);
    EXPECT_EQ(read_file(out), (std::vector<uint8_t>{1, 2, 3}));

    errno = 0;
    EXPECT_EQ(restore_register_file(in.get(), wf.descriptor.c_str(), wf.descriptor.c_str()), -1);
    EXPECT_EQ(errno, EINVAL);
    EXPECT_EQ(restore_register_file(in.get(), nullptr, wf.descriptor.c_str()), -1);
    EXPECT_EQ(restore_register_file(in.get(), b.out("x").c_str(), (b.dir / "nope.ovd").c_str()), -1);
    EXPECT_FALSE(std::filesystem::exists(b.out("x")));

    ASSERT_EQ(restore_register_file2(in.get(), out.c_str(), wf.descriptor.c_str(), 1), 0);
    EXPECT_EQ(restore_get_progress(in.get()), 0);
    ASSERT_EQ(restore_run_instance(in.get()), 0);
    EXPECT_EQ(restore_get_progress(in.get()), 100);
    EXPECT_NE(restore_get_stats(in.get(), RESTORE_STAT_TIME), static_cast<uint64_t>(-1));
    EXPECT_EQ(restore_unregister_file(in.get()), 0);
    EXPECT_TRUE(read_file(out) == wf.restored);
}

TEST(Instance, ReadChunkArgumentChecks)
{
    Instance in(restore_create_instance());
    ASSERT_EQ(restore_set_sort_method(in.get(), "read-chunk"), 0);
    ASSERT_EQ(restore_start_instance(in.get()), 0);
    uint8_t buf[16];
    LogCapture log;
    EXPECT_EQ(restore_read_chunk(in.get(), "v.ovt", 128, buf, 0), -1);
    EXPECT_EQ(restore_read_chunk(in.get(), "v.ovt", 128, nullptr, 16), -1);
    EXPECT_EQ(restore_read_chunk2(in.get(), 1, 1, 128, nullptr, 16), -1);
    EXPECT_EQ(restore_read_chunk_from_buffer(in.get(), nullptr, 16, buf, 16), -1);
    std::string text = log.text();
    EXPECT_NE(text.find("outbufsize is 0"), std::string::npos);
    EXPECT_NE(text.find("outbuf is null"), std::string::npos);
    EXPECT_NE(text.find("inbuf or outbuf is null"), std::string::npos);
    // No vault folder was set for reads by (hid, vid).
    EXPECT_EQ(restore_read_chunk2(in.get(), 1, 1, 128, buf, 16), -1);
    // Read-chunk instances take no registration; unregistering is a no-op.
    EXPECT_EQ(restore_register_file(in.get(), "a", "b"), -1);
    EXPECT_EQ(restore_unregister_file(in.get()), 0);
}

TEST(Instance, ReservedCallsAndPathConversion)
{
    EXPECT_EQ(restore_read(nullptr, nullptr, nullptr), nullptr);
    EXPECT_EQ(restore_descriptor_read_stat("x", nullptr), -1);
    EXPECT_EQ(restore_descriptor_read_filesize("x"), -1);
    EXPECT_EQ(restore_descriptor_read_mapdb_filesize("x"), -1);
    EXPECT_EQ(restore_descriptor_ftruncate("x", 0), -1);
    EXPECT_EQ(restore_descriptor_truncate("x", 0), -1);
    EXPECT_EQ(restore_descriptor_flush("x"), -1);
    EXPECT_EQ(ftruncate_descriptor("x", 0), -1);
    EXPECT_EQ(truncate_descriptor("x", 0), -1);
    char *p = restore_convert_vid_to_path(5, 0x0123456789ABCDEFull);
    ASSERT_NE(p, nullptr);
    EXPECT_STREQ(p, "u_0000005\\0_01\\1_23\\2_45\\3_67\\4_89\\5_AB\\6_CD\\0000005_0123456789ABCDEF.ovt");
    std::free(p);
    EXPECT_EQ(restore_pulllist_number(nullptr), 0u);
    EXPECT_EQ(restore_pulllist_vids(nullptr), nullptr);
    restore_destroy_instance(nullptr);
}

} // namespace
