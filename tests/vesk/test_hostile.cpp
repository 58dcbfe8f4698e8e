// Containers that lie: names that would leave the destination, byte ranges
// outside the container, descriptors whose rows do not rebuild their file,
// sparse parts larger than their file, damaged chunks. Each fails only its
// entry, clearly, and writes nothing.
#include "vesk_fixture.h"

namespace {

using namespace vesk_test;

std::vector<uint8_t> some_bytes(uint64_t seed, size_t n)
{
    return tk::make_bytes(seed, n, tk::Content::Mixed);
}

// Restores `path` into a fresh folder inside a fresh parent: the entry
// must fail, and nothing may appear in the parent or the folder.
void expect_refused(const Session &s, const std::string &path, const std::string &dst_name)
{
    tk::TempDir parent("vesk-parent");
    const fs::path out = parent / "out";
    fs::create_directory(out);
    Reports r;
    errno = 0;
    int rc = restore(s, path, out / dst_name, 0, r);
    EXPECT_EQ(rc, -999) << path;
    EXPECT_EQ(names_in(parent.path()), std::vector<std::string>{"out"}) << path;
    EXPECT_TRUE(names_in(out).empty()) << path;
    EXPECT_EQ(fs_vesk_verify_file(s.inst, 0, path.c_str(), nullptr, nullptr), -999) << path;
}

TEST(VeskHostile, NamesThatCouldLeaveTheDestinationAreRefused)
{
    tk::TempDir dir("vesk-hostile");
    const fs::path file = dir / "c.vesk";
    const char *titles[] = {"..", ".", "../escape.txt", "a/b", "..\\x"};
    {
        tv::ContainerWriter w(file);
        for (const char *t : titles)
            w.add_stored(tv::ContainerWriter::kRoot, t, some_bytes(1, 100));
        int64_t up = w.add_dir(tv::ContainerWriter::kRoot, "..");
        w.add_stored(up, "inner.txt", some_bytes(2, 100));
        int64_t f = w.add_dir(tv::ContainerWriter::kRoot, "f");
        w.add_stored(f, "", some_bytes(3, 100));
        w.add_stored(f, "fine.txt", some_bytes(4, 100));
        w.finish();
    }
    Session s(file);
    ASSERT_EQ(s.rc, 0);
    // Whether the caller composed the destination from the name or made it
    // safe, the entry is refused.
    for (const char *t : {"..", ".", "../escape.txt", "a/b"})
        expect_refused(s, std::string("\\") + t, "x");
    for (const char *t : {"../escape.txt", "a/b"})
        expect_refused(s, std::string("\\") + t, t);
    expect_refused(s, "\\..\\inner.txt", "../inner.txt");
    expect_refused(s, "\\..\\x", "../x");
    expect_refused(s, "\\f\\", "f");
    // Their neighbour is fine.
    tk::TempDir out("vesk-out");
    Reports r;
    EXPECT_EQ(restore(s, "\\f\\fine.txt", out / "fine.txt", 0, r), 0);
}

TEST(VeskHostile, RangesOutsideTheContainerFailTheirEntryOnly)
{
    tk::TempDir dir("vesk-hostile");
    const fs::path file = dir / "c.vesk";
    const int64_t far = int64_t{1} << 40;
    std::map<std::string, std::function<void(tk::ExportEntry &)>> edits = {
        {"store past the end", [&](tk::ExportEntry &e) { e.ranges.store_offset = far; }},
        {"store size too big", [&](tk::ExportEntry &e) { e.ranges.store_size = far; }},
        {"store size differs", [&](tk::ExportEntry &e) { e.ranges.store_size -= 1; }},
        {"descriptor past the end", [&](tk::ExportEntry &e) { e.ranges.descriptor_offset = far; }},
        {"descriptor not a database", [&](tk::ExportEntry &e) {
             e.ranges.descriptor_offset = 0;
             e.ranges.descriptor_wal_offset = e.ranges.descriptor_shm_offset = -1;
         }},
        {"no descriptor", [&](tk::ExportEntry &e) { e.ranges.descriptor_offset = -1; }},
        {"wal past the end", [&](tk::ExportEntry &e) { e.ranges.descriptor_wal_offset = far; }},
        {"shm past the end", [&](tk::ExportEntry &e) { e.ranges.descriptor_shm_size = far; }},
        {"sparse past the end", [&](tk::ExportEntry &e) { e.ranges.sparse_size = far; }},
        {"unknown kind", [&](tk::ExportEntry &e) { e.filetype = 9; }},
        {"negative size", [&](tk::ExportEntry &e) { e.size = -5; }},
    };
    {
        tv::ContainerWriter w(file);
        tv::DedupLayout journal;
        journal.journal = tv::Journal::WalAndShm;
        journal.hole_every = 3;
        for (const auto &[name, edit] : edits) {
            bool stored = name.rfind("store", 0) == 0;
            int64_t ino = stored ? w.add_stored(tv::ContainerWriter::kRoot, name, some_bytes(5, 3000))
                                 : w.add_dedup(tv::ContainerWriter::kRoot, name, some_bytes(6, 30000), 0, journal);
            edit(w.row(ino));
        }
        // A vault whose range lies outside fails every file with chunks there.
        tv::DedupLayout other;
        other.group = 1;
        w.add_dedup(tv::ContainerWriter::kRoot, "in a vault past the end", some_bytes(7, 30000), 0, other);
        w.override_vault(2, 1, far, 4096);
        w.override_vault(2, 2, far, 4096);
        w.add_dedup(tv::ContainerWriter::kRoot, "fine", some_bytes(8, 30000));
        w.finish();
    }
    Session s(file);
    ASSERT_EQ(s.rc, 0);
    for (const auto &[name, edit] : edits)
        expect_refused(s, "\\" + name, "x");
    expect_refused(s, "\\in a vault past the end", "x");
    tk::TempDir out("vesk-out");
    Reports r;
    EXPECT_EQ(restore(s, "\\fine", out / "fine", 0, r), 0);
    EXPECT_EQ(bytes_of(out / "fine"), some_bytes(8, 30000));
}

TEST(VeskHostile, DescriptorRowsMustRebuildTheFileExactly)
{
    tk::TempDir dir("vesk-hostile");
    const fs::path file = dir / "c.vesk";
    using Rows = std::vector<tk::DescriptorRow>;
    std::map<std::string, std::function<void(Rows &)>> edits = {
        {"overlap", [](Rows &r) { r[1].foffset -= 1; }},
        {"gap", [](Rows &r) { r[1].foffset += 1; }},
        {"not from the start", [](Rows &r) { r[0].foffset = 1; }},
        {"past the end", [](Rows &r) { r.back().chunksize += 1; }},
        {"row smaller than its chunk", [](Rows &r) { r.back().chunksize -= 1; }},
        {"row larger than its chunk", [](Rows &r) {
             r[0].chunksize += 1;
             for (size_t i = 1; i < r.size(); ++i)
                 r[i].foffset += 1;
         }},
        {"empty row", [](Rows &r) { r[0].chunksize = 0; }},
        {"unknown vault", [](Rows &r) { r[0].vid = 99; }},
        {"other group's vault", [](Rows &r) { r[0].hid = 2; }},
        {"outside its vault", [](Rows &r) { r[0].voffset = uint64_t{1} << 40; }},
        {"at another chunk", [](Rows &r) {
             for (size_t j = 1; j < r.size(); ++j)
                 if (r[j].vid == r[0].vid && r[j].voffset != r[0].voffset && r[j].chunksize != r[0].chunksize) {
                     r[0].voffset = r[j].voffset;
                     return;
                 }
             FAIL() << "no other chunk in the vault";
         }},
    };
    {
        tv::ContainerWriter w(file);
        // Group 1 shares the vault numbers of group 0: a row that names the
        // wrong group must not be served by the other's vault.
        tv::DedupLayout other;
        other.group = 1;
        other.chunk_seed = 5; // chunks of other sizes
        w.add_dedup(tv::ContainerWriter::kRoot, "other group", some_bytes(9, 30000), 0, other);
        for (const auto &[name, edit] : edits) {
            tv::DedupLayout layout;
            layout.edit_rows = edit;
            w.add_dedup(tv::ContainerWriter::kRoot, name, some_bytes(10, 40000), 0, layout);
        }
        w.finish();
    }
    Session s(file);
    ASSERT_EQ(s.rc, 0);
    for (const auto &[name, edit] : edits)
        expect_refused(s, "\\" + name, "x");
}

TEST(VeskHostile, ASparsePartLargerThanItsFileFails)
{
    tk::TempDir dir("vesk-hostile");
    const fs::path file = dir / "c.vesk";
    {
        tv::ContainerWriter w(file);
        tv::DedupLayout layout;
        layout.tail = 5000;
        layout.tail_in_sparse = true;
        int64_t ino = w.add_dedup(tv::ContainerWriter::kRoot, "sparse", some_bytes(11, 30000), 0, layout);
        w.row(ino).size -= 5000; // the rows still fit, the sparse part does not
        w.finish();
    }
    Session s(file);
    ASSERT_EQ(s.rc, 0);
    expect_refused(s, "\\sparse", "x");
}

// One damaged byte in a chunk is repaired from its parities; a damaged run
// is not, and fails every file that uses the chunk.
TEST(VeskHostile, DamagedChunks)
{
    tk::TempDir dir("vesk-hostile");
    const fs::path file = dir / "c.vesk";
    const std::vector<uint8_t> bytes = some_bytes(12, 40000);
    tv::ContainerWriter w(file);
    w.add_dedup(tv::ContainerWriter::kRoot, "a", bytes);
    w.finish();
    const tk::DescriptorRow &first = w.expected()[0].rows[0];
    int64_t at = -1;
    for (const auto &v : w.vaults())
        if (v.hid == first.hid && v.vid == first.vid)
            at = v.offset + static_cast<int64_t>(first.voffset) + CHUNK_HDR_SIZE + 10;
    ASSERT_GE(at, 0);
    std::vector<uint8_t> raw = tk::read_file(file);
    for (int run : {1, 40}) {
        std::vector<uint8_t> damaged = raw;
        for (int i = 0; i < run; ++i)
            damaged[static_cast<size_t>(at + i)] ^= 0x5A;
        tk::write_file(file, damaged);
        Session s(file);
        ASSERT_EQ(s.rc, 0);
        if (run == 1) {
            EXPECT_EQ(fs_vesk_verify_file(s.inst, 0, "\\a", nullptr, nullptr), 0);
            tk::TempDir out("vesk-out");
            Reports r;
            ASSERT_EQ(restore(s, "\\a", out / "a", 0, r), 0);
            EXPECT_EQ(bytes_of(out / "a"), bytes);
        } else {
            expect_refused(s, "\\a", "a");
        }
    }
}

} // namespace
