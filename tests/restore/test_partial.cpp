// Partial range reads: byte ranges from vault chunks, dirty rows of a sparse
// file, rows in no vault and the tail beyond the chunk table.
#include "restore_fixture.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

using namespace orvex::test;
using namespace orvex::testkit;

namespace {

struct PartialFile {
    Backup b;
    std::vector<PlannedChunk> chunks;
    WrittenFile wf;
    void *in = nullptr;
    int sfd = -1;

    explicit PartialFile(int cry = 0)
        : b([cry] {
              BackupOptions o;
              o.codec.cmp_algo = 5;
              o.codec.cry_algo = cry;
              o.num_vaults = 2;
              o.short_paths = true;
              return o;
          }())
    {
        chunks = chunks_of(31, 40000, 1500, 4000);
        chunks[3].dirty = true;
        chunks[3].current = make_bytes(77, chunks[3].plain.size(), Content::Random);
        chunks[5].hole = true;
        chunks[5].dirty = false;
        wf = b.add("f", chunks, make_bytes(78, 700, Content::Text));
        b.finish();
        if (cry == 0) {
            in = restore_open_file(wf.descriptor.c_str(), b.vaultdir().c_str(), b.dir.str().c_str(), 1, 1);
        } else {
            // restore_open_file takes no key: an encrypted file is opened
            // by hand with a decrypter.
            in = b.instance("partial").release();
            EXPECT_EQ(restore_start_instance(in), 0);
            EXPECT_EQ(restore_register_file(in, nullptr, wf.descriptor.c_str()), 0);
        }
        sfd = ::open(wf.sparse.c_str(), O_RDONLY);
    }
    ~PartialFile()
    {
        if (sfd >= 0)
            ::close(sfd);
        if (in)
            restore_close_file(in);
    }
    readin_t request(int64_t offset, int64_t size, int fd) const
    {
        readin_t r{};
        r.offset = offset;
        r.size = size;
        r.filesize = static_cast<int64_t>(wf.current.size());
        r.mapdb_filesize = static_cast<int64_t>(wf.mapdb_filesize);
        r.sfd = fd;
        return r;
    }
    std::vector<uint8_t> expect(int64_t offset, int64_t size) const
    {
        auto end = std::min<int64_t>(offset + size, static_cast<int64_t>(wf.current.size()));
        return {wf.current.begin() + offset, wf.current.begin() + end};
    }
    // Reads into a caller's buffer of exactly `size` bytes.
    std::vector<uint8_t> read(int64_t offset, int64_t size, int fd) const
    {
        std::vector<uint8_t> buf(static_cast<size_t>(size), 0xCC);
        readout_t out{buf.data(), 0, size};
        readin_t r = request(offset, size, fd);
        readout_t *got = restore_from_descriptor_and_sparse(static_cast<instance_t *>(in), &r, &out);
        EXPECT_EQ(got, &out);
        if (!got)
            return {};
        EXPECT_EQ(out.readoffset, offset);
        buf.resize(static_cast<size_t>(out.readsize));
        return buf;
    }
};

TEST(Partial, TenBytesInTheMiddleOfAChunkFromTheVaultAndFromTheSparseFile)
{
    PartialFile p(3);
    ASSERT_NE(p.in, nullptr);
    ASSERT_GE(p.sfd, 0);
    const DescriptorRow &clean = p.wf.rows[2];
    const DescriptorRow &dirty = p.wf.rows[3];
    int64_t a = static_cast<int64_t>(clean.foffset + clean.chunksize / 2);
    int64_t d = static_cast<int64_t>(dirty.foffset + dirty.chunksize / 2);
    EXPECT_EQ(p.read(a, 10, p.sfd), p.expect(a, 10));
    EXPECT_EQ(p.read(d, 10, p.sfd), p.expect(d, 10));
    // The dirty bytes are the local ones, not the vault's.
    EXPECT_FALSE(std::equal(p.chunks[3].plain.begin() + static_cast<std::ptrdiff_t>(dirty.chunksize / 2),
                            p.chunks[3].plain.begin() + static_cast<std::ptrdiff_t>(dirty.chunksize / 2 + 10),
                            p.wf.current.begin() + d));
    // Without a sparse file a dirty row reads as zeros.
    EXPECT_EQ(p.read(d, 10, -1), std::vector<uint8_t>(10, 0));
}

TEST(Partial, RangesAcrossChunksHolesAndTheTail)
{
    PartialFile p;
    ASSERT_NE(p.in, nullptr);
    const int64_t size = static_cast<int64_t>(p.wf.current.size());
    const int64_t mapdb = static_cast<int64_t>(p.wf.mapdb_filesize);
    struct Range {
        int64_t offset, size;
    } ranges[] = {{0, size},           {0, 1},
                  {1, 5000},           {static_cast<int64_t>(p.wf.rows[5].foffset) - 3, 20},
                  {mapdb - 50, 100},   {mapdb + 10, 200},
                  {size - 1, 1},       {static_cast<int64_t>(p.wf.rows[2].foffset),
                                        static_cast<int64_t>(p.wf.rows[2].chunksize)}};
    for (const Range &r : ranges) {
        SCOPED_TRACE(std::to_string(r.offset) + "+" + std::to_string(r.size));
        EXPECT_EQ(p.read(r.offset, r.size, p.sfd), p.expect(r.offset, r.size));
    }
    // A range running past the end stops at the end.
    EXPECT_EQ(p.read(size - 5, 50, p.sfd), p.expect(size - 5, 5));
}

TEST(Partial, AllocatedBufferAndCountOnlyTail)
{
    PartialFile p;
    ASSERT_NE(p.in, nullptr);
    const int64_t mapdb = static_cast<int64_t>(p.wf.mapdb_filesize);
    readin_t r = p.request(100, 3000, p.sfd);
    readout_t *out = restore_from_descriptor_and_sparse(static_cast<instance_t *>(p.in), &r, nullptr);
    ASSERT_NE(out, nullptr);
    ASSERT_EQ(out->readsize, 3000);
    EXPECT_TRUE(std::equal(out->readbuf, out->readbuf + 3000, p.wf.current.begin() + 100));
    std::free(out->readbuf);
    std::free(out);

    // With do_write the tail is counted but not read.
    readin_t w = p.request(mapdb - 10, 60, p.sfd);
    w.do_write = 1;
    std::vector<uint8_t> buf(60, 0xCC);
    readout_t o{buf.data(), 0, 60};
    ASSERT_EQ(restore_from_descriptor_and_sparse(static_cast<instance_t *>(p.in), &w, &o), &o);
    EXPECT_EQ(o.readsize, 60);
    EXPECT_TRUE(std::equal(buf.begin(), buf.begin() + 10, p.wf.current.begin() + (mapdb - 10)));

    EXPECT_EQ(readbuf_get_required_size(&r, 65536), std::min<int64_t>(3000 + 2 * 65536 + 1048576, r.filesize));
}

TEST(Partial, BadRequestsFail)
{
    PartialFile p;
    {
        // An encrypted file needs the key the instance lacks.
        PartialFile enc(3);
        EXPECT_EQ(restore_open_file(enc.wf.descriptor.c_str(), enc.b.vaultdir().c_str(), enc.b.dir.str().c_str(), 1,
                                    1),
                  nullptr);
    }
    ASSERT_NE(p.in, nullptr);
    readin_t r = p.request(-1, 10, -1);
    errno = 0;
    EXPECT_EQ(restore_from_descriptor_and_sparse(static_cast<instance_t *>(p.in), &r, nullptr), nullptr);
    EXPECT_EQ(errno, EINVAL);
    EXPECT_EQ(restore_from_descriptor_and_sparse(nullptr, &r, nullptr), nullptr);
    EXPECT_EQ(restore_open_file(nullptr, "a", "b", 1, 1), nullptr);
    EXPECT_EQ(restore_open_file(p.wf.descriptor.c_str(), (p.b.dir / "none").c_str(), p.b.dir.str().c_str(), 1, 1),
              nullptr);
}

} // namespace
