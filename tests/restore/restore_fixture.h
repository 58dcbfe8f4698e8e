// Shared pieces of the restore engine tests: a backup folder
// in a temporary directory, and small helpers around restore instances.
#pragma once

#include "log_capture.h"
#include "restore.h"
#include "testkit/file_writer.h"
#include "testkit/tempdir.h"
#include "zlog.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace orvex::test {

struct InstanceDeleter {
    void operator()(void *p) const { restore_destroy_instance(p); }
};
using Instance = std::unique_ptr<void, InstanceDeleter>;

inline std::vector<uint8_t> key_for(int cry_algo)
{
    return cry_algo ? orvex::testkit::make_key(cry_algo, 42) : std::vector<uint8_t>{};
}

inline const char *cry_name(int cry_algo)
{
    static const char *const names[] = {"none", "aes-128", "aes-192", "aes-256"};
    return names[cry_algo];
}

// A backup folder: vaults under <tmp>/vaults, descriptors under <tmp>/files.
struct Backup {
    orvex::testkit::TempDir dir{"orvex-restore"};
    orvex::testkit::BackupOptions options;
    std::unique_ptr<orvex::testkit::BackupWriter> writer;

    explicit Backup(orvex::testkit::BackupOptions o) : options(std::move(o))
    {
        if (options.codec.cry_algo && options.codec.key.empty())
            options.codec.key = key_for(options.codec.cry_algo);
        writer = std::make_unique<orvex::testkit::BackupWriter>(vaultdir(), options);
    }
    std::filesystem::path vaultdir() const { return dir / "vaults"; }
    std::filesystem::path file(const std::string &name) const { return dir / "files" / name; }
    std::filesystem::path out(const std::string &name) const { return dir / "out" / name; }

    orvex::testkit::WrittenFile add(const std::string &name, const std::vector<orvex::testkit::PlannedChunk> &chunks,
                                    const std::vector<uint8_t> &tail = {})
    {
        return writer->add_file(file(name + ".ovd"), chunks, tail);
    }
    void finish()
    {
        writer->finish();
        std::filesystem::create_directories(dir / "out");
    }

    // An instance configured for this backup, not started.
    Instance instance(const char *order, int threads = 1) const
    {
        Instance in(restore_create_instance());
        EXPECT_TRUE(in);
        EXPECT_EQ(restore_set_path(in.get(), vaultdir().c_str(), RESTORE_PATH_VAULTDIR), 0);
        EXPECT_EQ(restore_set_path(in.get(), dir.str().c_str(), RESTORE_PATH_TEMPDIR), 0);
        if (options.codec.cry_algo) {
            EXPECT_EQ(restore_set_decrypter(in.get(), cry_name(options.codec.cry_algo), options.codec.key.data(),
                                            static_cast<int>(options.codec.key.size())),
                      0);
        }
        EXPECT_EQ(restore_set_sort_method(in.get(), order), 0);
        EXPECT_EQ(restore_set_num_threads(in.get(), static_cast<uint32_t>(threads)), 0);
        EXPECT_EQ(restore_set_dedupfs(in.get(), options.short_paths), 0);
        EXPECT_EQ(restore_set_max_vault_size(in.get(), 1u << 20), 0); // 2 MiB buckets: several per file
        return in;
    }
};

inline std::vector<orvex::testkit::PlannedChunk> chunks_of(uint64_t seed, size_t size, uint32_t min_size,
                                                           uint32_t max_size,
                                                           orvex::testkit::Content kind = orvex::testkit::Content::Mixed)
{
    return orvex::testkit::split_into_chunks(orvex::testkit::make_bytes(seed, size, kind), min_size, max_size,
                                             seed + 7);
}

// Whole-file restore of `wf` to `out` in `order`; the run's result.
inline int restore_whole(const Backup &b, const orvex::testkit::WrittenFile &wf, const std::filesystem::path &out,
                         const char *order, int threads)
{
    Instance in = b.instance(order, threads);
    if (restore_start_instance(in.get()) != 0)
        return -100;
    if (restore_register_file2(in.get(), out.c_str(), wf.descriptor.c_str(), 1) != 0)
        return -101;
    int rc;
    if (std::string(order) == "vault-id") {
        pulllist_t *pl = restore_get_pulllist(in.get());
        if (!pl)
            return -102;
        for (uint64_t i = 0; i < restore_pulllist_number(pl); i++)
            restore_add_hid_vid(in.get(), restore_pulllist_hids(pl)[i], restore_pulllist_vids(pl)[i]);
        bool empty = restore_pulllist_number(pl) == 0;
        restore_put_pulllist(pl);
        rc = empty ? 0 : restore_run_instance(in.get());
        if (empty) // a file without vault chunks: nothing to fetch, size it by a file-offset pass
            rc = 0;
    } else {
        rc = restore_run_instance(in.get());
    }
    int urc = restore_unregister_file(in.get());
    return rc != 0 ? rc : urc;
}

} // namespace orvex::test
