// The file object layer: generic open/close, the plain-file kind, the
// container kind and the vault-directory kind.
#include "file.h"
#include "header.h"
#include "testkit/tempdir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <unistd.h>

namespace {

using namespace orvex::testkit;
namespace fs = std::filesystem;

std::string s(const fs::path &p)
{
    return p.string();
}

TEST(FileObject, NullPathAndAccessModeThreeFailForEveryKind)
{
    for (const file_operations *kind : {&rawfile_operations, &vesk_operations, &vaultfile_operations,
                                        &vaultdir_operations}) {
        errno = 0;
        EXPECT_EQ(file_open(nullptr, kind, OS_O_RDONLY, 0, nullptr), nullptr);
        EXPECT_EQ(errno, EINVAL);
        errno = 0;
        EXPECT_EQ(file_open("/tmp/x", kind, 3, 0, nullptr), nullptr);
        EXPECT_EQ(errno, EINVAL);
    }
    errno = 0;
    EXPECT_EQ(file_open("/tmp/x", nullptr, 0, 0, nullptr), nullptr);
    EXPECT_EQ(errno, EINVAL);
    EXPECT_EQ(file_close(nullptr), 0);
}

TEST(FileObject, ExistenceChecks)
{
    TempDir dir;
    write_file(dir / "f", {1, 2, 3});
    fs::create_symlink(dir / "f", dir / "link");
    EXPECT_EQ(is_file_regular(s(dir / "f").c_str()), 1);
    EXPECT_EQ(is_file_regular(dir.str().c_str()), 0);
    EXPECT_EQ(is_file_regular(s(dir / "missing").c_str()), -1);
    EXPECT_EQ(is_dir_exist(dir.str().c_str()), 1);
    EXPECT_EQ(is_dir_exist(s(dir / "f").c_str()), 0);
    EXPECT_EQ(is_file_exist(s(dir / "link").c_str()), 1);
    EXPECT_EQ(is_file_exist(s(dir / "missing").c_str()), 0);
    EXPECT_EQ(is_file_exist(nullptr), -1);
}

TEST(RawFile, WriterCreatesParentsReaderCreatesNothing)
{
    TempDir dir;
    fs::path out = dir / "a" / "b" / "c.bin";
    file_t *f = file_open(s(out).c_str(), &rawfile_operations, 0x8101, 0, nullptr);
    ASSERT_NE(f, nullptr);
    const char text[] = "hello vault";
    EXPECT_EQ(f->fops->write(f, text, 1, sizeof text), static_cast<ssize_t>(sizeof text));
    EXPECT_EQ(f->fops->fallocate(f, 1 << 20), 0);
    f->fops->update_cksum(f, 5);
    f->fops->update_cksum(f, 6);
    EXPECT_EQ(f->cksum, 11u);
    EXPECT_EQ(file_close(f), 0);

    f = file_open(s(out).c_str(), &rawfile_operations, OS_O_BINARY, 0, nullptr);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->size, sizeof text);
    char back[sizeof text] = {};
    EXPECT_EQ(f->fops->seek(f, 6, SEEK_SET), 6);
    EXPECT_EQ(f->fops->read(f, back, 1, 5), 5);
    EXPECT_EQ(std::string(back, 5), "vault");
    EXPECT_EQ(f->fops->ftruncate64(f, 2), -1); // read-only descriptor
    file_close(f);

    errno = 0;
    EXPECT_EQ(file_open(s(dir / "x" / "missing").c_str(), &rawfile_operations, 0, 0, nullptr), nullptr);
    EXPECT_EQ(errno, ENOENT);
    EXPECT_FALSE(fs::exists(dir / "x"));
}

TEST(RawFile, WriterNeverFollowsALinkAtTheDestination)
{
    TempDir dir;
    write_file(dir / "victim", {9, 9});
    fs::create_symlink(dir / "victim", dir / "out");
    EXPECT_EQ(file_open(s(dir / "out").c_str(), &rawfile_operations, 0x8301, 0, nullptr), nullptr);
    EXPECT_EQ(read_file(dir / "victim"), (std::vector<uint8_t>{9, 9}));
}

TEST(RawFile, RemoveOnCloseTakesFileOrWholeTree)
{
    TempDir dir;
    fs::path file = dir / "tmp.db";
    file_t *f = file_open(s(file).c_str(), &rawfile_operations, 0x8102, FILE_FLAG_REMOVE, nullptr);
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(fs::exists(file));
    file_close(f);
    EXPECT_FALSE(fs::exists(file));

    // A tree, with a link inside pointing out of it: the link goes, its
    // target stays.
    fs::path tree = dir / "work";
    write_file(tree / "sub" / "x", {1});
    write_file(dir / "keep", {2});
    fs::create_symlink(dir / "keep", tree / "sub" / "link");
    f = file_open(s(tree).c_str(), &vaultdir_operations, 0, FILE_FLAG_REMOVE, nullptr);
    ASSERT_NE(f, nullptr);
    file_close(f);
    EXPECT_FALSE(fs::exists(tree));
    EXPECT_TRUE(fs::exists(dir / "keep"));

    // Also when the kind's close fails.
    file = dir / "again";
    f = file_open(s(file).c_str(), &rawfile_operations, 0x8102, FILE_FLAG_REMOVE, nullptr);
    ASSERT_NE(f, nullptr);
    ::close(f->fd); // the kind's close() now fails with EBADF
    EXPECT_EQ(file_close(f), -1);
    EXPECT_FALSE(fs::exists(file));
}

TEST(VaultDir, CreatesMissingAcceptsExistingRefusesFiles)
{
    TempDir dir;
    fs::path vaults = dir / "dedup" / "vault";
    file_t *f = file_open(s(vaults).c_str(), &vaultdir_operations, 0, 0, nullptr);
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(fs::is_directory(vaults));
    file_close(f);
    f = file_open(s(vaults).c_str(), &vaultdir_operations, 0, 0, nullptr);
    EXPECT_NE(f, nullptr);
    file_close(f);
    write_file(dir / "plain", {1});
    EXPECT_EQ(file_open(s(dir / "plain").c_str(), &vaultdir_operations, 0, 0, nullptr), nullptr);
}

std::vector<uint8_t> container_bytes(uint64_t db_offset, uint64_t db_size)
{
    vesk_hdr_t *hdr = vesk_hdr_create(db_offset, db_size);
    str_t *raw = vesk_hdr_marshal(hdr);
    std::vector<uint8_t> out(raw->buf, raw->buf + raw->used);
    str_put(raw);
    vesk_hdr_destroy(hdr);
    out.resize(out.size() + 64, 0xAB);
    return out;
}

TEST(VeskContainer, OpensValidAndRefusesShortWrongOrMissing)
{
    TempDir dir;
    write_file(dir / "good.vesk", container_bytes(128, 64));
    file_t *f = file_open(s(dir / "good.vesk").c_str(), &vesk_operations, OS_O_BINARY, 0, nullptr);
    ASSERT_NE(f, nullptr);
    const auto *hdr = static_cast<const vesk_hdr_t *>(f->hdr);
    EXPECT_EQ(hdr->exportdb_offset, 128u);
    EXPECT_EQ(hdr->exportdb_size, 64u);
    EXPECT_EQ(f->size, 192u);
    uint8_t b = 0;
    EXPECT_EQ(f->fops->seek(f, 130, SEEK_SET), 130);
    EXPECT_EQ(f->fops->read(f, &b, 1, 1), 1);
    EXPECT_EQ(b, 0xAB);
    file_close(f);

    auto wrong = container_bytes(128, 64);
    wrong[0] ^= 1;
    write_file(dir / "wrong.vesk", wrong);
    auto shorter = container_bytes(128, 64);
    shorter.resize(127);
    write_file(dir / "short.vesk", shorter);
    struct Case {
        const char *name;
        int err;
    };
    for (Case c : {Case{"wrong.vesk", EPROTO}, Case{"short.vesk", EIO}, Case{"missing.vesk", ENOENT}}) {
        errno = 0;
        EXPECT_EQ(file_open(s(dir / c.name).c_str(), &vesk_operations, OS_O_BINARY, 0, nullptr), nullptr) << c.name;
        EXPECT_EQ(errno, c.err) << c.name;
    }
    EXPECT_EQ(file_open(dir.str().c_str(), &vesk_operations, OS_O_BINARY, 0, nullptr), nullptr);
}

} // namespace
