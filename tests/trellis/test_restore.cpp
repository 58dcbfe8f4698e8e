// File restore and the tvt reader: every kind of tvt chunk and its failures,
// the edge cases of a restore (empty files, links, existing destinations,
// repeated chunks, cancel, full disk, wrong key, hostile destinations) on
// small hand-made folders, and whole test-kit folders restored file by file.
#include "gcc_string_warnings.h"
#include "restore_fixture.h"
#include "trellis_tvt.h"

#include <sys/stat.h>

#include <algorithm>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <map>
#include <memory>

namespace {

using namespace trellis_test;
namespace fs = std::filesystem;
namespace ot = orvex::trellis;

// ---- tvt reader -----------------------------------------------------------

TEST(TrellisTvt, EveryKindReadsBackWithTheRightKeyAndFailsWithTheWrongOne)
{
    const auto plain = tk::make_bytes(3, 70000, tk::Content::Mixed);
    const auto key = tt::tvt_key("secret");
    const auto zero = tt::tvt_key("");
    tk::TempDir d("tvt");
    struct Case {
        bool encrypt, compress;
    } cases[] = {{false, false}, {false, true}, {true, false}, {true, true}};
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.encrypt) + std::to_string(c.compress));
        auto rec = tt::tvt_record(plain, c.encrypt, c.compress, key, 9);
        std::vector<uint8_t> file(100 + rec.size(), 0xEE); // the record sits at an offset
        std::copy(rec.begin(), rec.end(), file.begin() + 100);
        tk::write_file(d / "v.tvt", file);
        std::vector<char> buf(200000);
        std::string path = (d / "v.tvt").string();
        int n = tvt_read_chunk(path.data(), reinterpret_cast<char *>(const_cast<uint8_t *>(key.data())), 100,
                               buf.data(), static_cast<int>(buf.size()));
        ASSERT_EQ(n, static_cast<int>(plain.size()));
        EXPECT_EQ(std::memcmp(buf.data(), plain.data(), plain.size()), 0);
        // A wrong (zero) key is told by the encryption header's magic.
        n = tvt_read_chunk(path.data(), reinterpret_cast<char *>(const_cast<uint8_t *>(zero.data())), 100,
                           buf.data(), static_cast<int>(buf.size()));
        EXPECT_EQ(n, c.encrypt ? -4 : static_cast<int>(plain.size()));
        // Output that does not fit the buffer never passes it.
        if (c.compress) {
            std::vector<char> small(60000 + 56 + 200);
            n = tvt_read_chunk(path.data(), reinterpret_cast<char *>(const_cast<uint8_t *>(key.data())), 100,
                               small.data(), 60000);
            EXPECT_LT(n, 0);
        }
    }
}

TEST(TrellisTvt, DamagedRecordsGiveTheirResults)
{
    const auto key = tt::tvt_key("secret");
    const auto plain = tk::make_bytes(4, 5000, tk::Content::Text);
    tk::TempDir d("tvt");
    std::string path = (d / "v.tvt").string();
    auto read = [&](const std::vector<uint8_t> &file, int cap = 100000) {
        tk::write_file(d / "v.tvt", file);
        std::vector<char> buf(static_cast<size_t>(std::max(cap, 1)));
        return tvt_read_chunk(path.data(), reinterpret_cast<char *>(const_cast<uint8_t *>(key.data())), 0,
                              buf.data(), cap);
    };
    auto rec = tt::tvt_record(plain, false, false, key, 1);
    auto set_size = [](std::vector<uint8_t> r, int64_t size) {
        for (int i = 0; i < 8; ++i)
            r[16 + i] = static_cast<uint8_t>(static_cast<uint64_t>(size) >> (8 * i));
        return r;
    };
    auto bad_magic = rec;
    bad_magic[3] ^= 1;
    EXPECT_EQ(read(bad_magic), -4);
    EXPECT_EQ(read(std::vector<uint8_t>(rec.begin(), rec.begin() + 30)), -1);   // header cut short
    EXPECT_EQ(read(std::vector<uint8_t>(rec.begin(), rec.end() - 1)), -3);      // data cut short
    EXPECT_EQ(read(set_size(rec, 0)), -2);
    EXPECT_EQ(read(set_size(rec, -5)), -2);
    EXPECT_EQ(read(rec, 4999), -2);                                            // larger than the buffer
    EXPECT_EQ(read(set_size(rec, ot::kRestoreBufferSize + 1LL), ot::kRestoreBufferSize), -2);
    // A damaged zlib stream.
    auto z = tt::tvt_record(plain, false, true, key, 1);
    z[56 + 16 + 5] ^= 0xFF;
    EXPECT_EQ(read(z), -1);
    // Padding that claims more than a block is refused instead of cutting
    // the content at a wild length: without its padding block the plain
    // text ends in the byte 0x40 (or 0).
    for (uint8_t last : {uint8_t(0x40), uint8_t(0)}) {
        std::vector<uint8_t> p(31, 'a');
        p.push_back(last);
        auto enc = tt::tvt_record(p, true, false, key, 1);
        enc.resize(enc.size() - 16);
        EXPECT_EQ(read(set_size(enc, static_cast<int64_t>(enc.size() - 56))), -4);
    }
    std::vector<char> none(1);
    std::string missing = (d / "missing.tvt").string();
    EXPECT_EQ(tvt_read_chunk(missing.data(), reinterpret_cast<char *>(const_cast<uint8_t *>(key.data())), 0,
                             none.data(), 1),
              -5);
}

// ---- restore edge cases ---------------------------------------------------

TEST(TrellisRestore, EmptyFilesLinksAndSixtyFourBitTimes)
{
    HandFolder f;
    const int64_t far_future = 7258118400LL + 12345; // past 2106: needs 64 bits
    f.file("empty.txt", HandFolder::state(0, far_future, 0, 0)); // no descriptor anywhere
    tt::HistoryRow link = HandFolder::state(17, 1600000123, 0, 0, 1, 24);
    link.symlink_source = "../elsewhere";
    f.file("link", link);
    f.done();
    ASSERT_FALSE(fs::exists(f.dir / "filedesc"));
    Session s(f.path());
    ASSERT_EQ(s.rc, 0);
    tk::TempDir out("restore-out");
    Recorder r;
    ASSERT_EQ(trellis_vesk_restore_file(s.inst, 1, "\\empty.txt", (out / "e").c_str(), 0, record, &r), 0);
    EXPECT_EQ(fs::file_size(out / "e"), 0u);
    EXPECT_EQ(mtime_of(out / "e"), far_future);
    ASSERT_EQ(r.reports.size(), 2u);
    EXPECT_EQ(r.reports[0].status, 0);
    EXPECT_EQ(r.reports[1].status, 1);
    EXPECT_EQ(r.reports[1].progress, 100.0f);

    ASSERT_EQ(trellis_vesk_restore_file(s.inst, 1, "\\link", (out / "l").c_str(), 0, record, &r), 0);
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(out / "l")));
    EXPECT_EQ(fs::file_size(out / "l"), 0u);
    EXPECT_EQ(mtime_of(out / "l"), 1600000123);
    EXPECT_EQ(listing(out.path()), (std::vector<std::string>{"e", "l"}));
}

TEST(TrellisRestore, VersionPathAndDestinationChecks)
{
    HandFolder f;
    f.file("a.txt", HandFolder::state(0, 1600000000, 0, 0));
    tt::HistoryRow gone = HandFolder::state(0, 1600000000, 0, 0, 2);
    gone.deleted = 1;
    int64_t b = f.file("b.txt", HandFolder::state(0, 1600000000, 0, 0));
    gone.path_id = b;
    f.cat->add_history(gone);
    f.done();
    Session s(f.path());
    ASSERT_EQ(s.rc, 0);
    tk::TempDir out("restore-out");
    Recorder r;
    const std::string dst = (out / "x").string();
    EXPECT_EQ(trellis_vesk_restore_file(s.inst, 9, "\\a.txt", dst.c_str(), 0, record, &r), -1);
    EXPECT_EQ(trellis_vesk_restore_file(s.inst, 1, "\\nope", dst.c_str(), 0, record, &r), -2);
    // Deleted in version 2: it is not there to restore.
    EXPECT_EQ(trellis_vesk_restore_file(s.inst, 2, "\\b.txt", dst.c_str(), 0, record, &r), -2);
    EXPECT_EQ(trellis_vesk_restore_file(s.inst, 1, "\\b.txt", dst.c_str(), 0, record, &r), 0);
    EXPECT_TRUE(r.reports.size() == 2);
    EXPECT_EQ(trellis_vesk_restore_file(s.inst, 1, "\\a.txt", dst.c_str(), 0, nullptr, nullptr), -999);

    // A folder at the destination: -999 without any report.
    r.reports.clear();
    fs::create_directory(out / "dir");
    EXPECT_EQ(trellis_vesk_restore_file(s.inst, 1, "\\a.txt", (out / "dir").c_str(), 1, record, &r), -999);
    EXPECT_TRUE(r.reports.empty());

    // An existing file without overwrite: one -1 report, the file unchanged.
    tk::write_file(out / "keep", bytes("old"));
    EXPECT_EQ(trellis_vesk_restore_file(s.inst, 1, "\\a.txt", (out / "keep").c_str(), 0, record, &r), -999);
    ASSERT_EQ(r.reports.size(), 1u);
    EXPECT_EQ(r.reports[0].status, -1);
    EXPECT_EQ(r.reports[0].progress, 0.0f);
    EXPECT_EQ(tk::read_file(out / "keep"), bytes("old"));
    // With overwrite it is replaced.
    EXPECT_EQ(trellis_vesk_restore_file(s.inst, 1, "\\a.txt", (out / "keep").c_str(), 1, record, &r), 0);
    EXPECT_EQ(fs::file_size(out / "keep"), 0u);

    // A link at the destination is replaced, never written through.
    tk::write_file(out / "target", bytes("precious"));
    fs::create_symlink(out / "target", out / "ln");
    EXPECT_EQ(trellis_vesk_restore_file(s.inst, 1, "\\a.txt", (out / "ln").c_str(), 0, record, &r), -999);
    EXPECT_EQ(trellis_vesk_restore_file(s.inst, 1, "\\a.txt", (out / "ln").c_str(), 1, record, &r), 0);
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(out / "ln")));
    EXPECT_EQ(tk::read_file(out / "target"), bytes("precious"));
    EXPECT_EQ(listing(out.path()), (std::vector<std::string>{"dir", "keep", "ln", "target", "x"}));
}

// Chunks of one file in ovt vault 5 and tvt vault 5 (vault_id 5 and -5),
// with a repeated chunk, restored in file-offset order whatever the row
// order of the descriptor.
struct ChunkedFolder : HandFolder {
    std::vector<std::vector<uint8_t>> parts;
    std::vector<uint8_t> whole;
    explicit ChunkedFolder(const std::string &pw = "", bool sign = true, bool encrypted_tvt = false)
        : HandFolder(pw, sign)
    {
        for (int i = 0; i < 4; ++i)
            parts.push_back(tk::make_bytes(100 + i, 30000 + 1000 * i, tk::Content::Mixed));
        const auto key = tt::tvt_key(pw);
        uint64_t o0 = ovt(5, parts[0]);
        uint64_t t1 = tvt(5, tt::tvt_record(parts[1], encrypted_tvt, true, key, 1));
        uint64_t o2 = ovt(5, parts[2]);
        // parts[1] twice in a row: one read, two writes.
        std::vector<uint8_t> order[] = {parts[0], parts[1], parts[1], parts[2]};
        int64_t off = 0;
        std::vector<Row> rows;
        int64_t vids[] = {5, -5, -5, 5};
        uint64_t voffs[] = {o0, t1, t1, o2};
        for (int i = 0; i < 4; ++i) {
            rows.push_back({3, off, vids[i], voffs[i]});
            whole.insert(whole.end(), order[i].begin(), order[i].end());
            off += static_cast<int64_t>(order[i].size());
        }
        rows.push_back({4, 0, 5, o2}); // another file's row in the same descriptor
        std::swap(rows[0], rows[3]);    // row order is not file order
        descriptor(12, rows);
        file("f.bin", state(whole.size(), 1700000000, 12, 3));
        done();
    }
};

TEST(TrellisRestore, OvtAndTvtChunksRepeatedChunkReadOnce)
{
    ChunkedFolder f;
    Session s(f.path());
    ASSERT_EQ(s.rc, 0);
    tk::TempDir out("restore-out");
    Recorder r;
    // After the second chunk the tvt vault is damaged: the repeated third
    // row must come from the buffer, not from a second read.
    r.answer = [&](const Report &rep) {
        if (rep.status == 0 && r.reports.size() == 3)
            tk::write_file(f.tvt_path(5), bytes("gone"));
        return 0;
    };
    ASSERT_EQ(trellis_vesk_restore_file(s.inst, 1, "\\f.bin", (out / "f").c_str(), 0, record, &r), 0);
    EXPECT_EQ(tk::read_file(out / "f"), f.whole);
    EXPECT_EQ(mtime_of(out / "f"), 1700000000);
    // 0, four chunks rising to 100, then done.
    ASSERT_EQ(r.reports.size(), 6u);
    for (size_t i = 1; i < 5; ++i)
        EXPECT_GT(r.reports[i].progress, r.reports[i - 1].progress);
    EXPECT_FLOAT_EQ(r.reports[4].progress, 100.0f);
    EXPECT_EQ(r.reports[5].status, 1);
    // A restore that has to read the damaged vault fails.
    EXPECT_EQ(trellis_vesk_restore_file(s.inst, 1, "\\f.bin", (out / "g").c_str(), 0, record, &r), -999);
}

TEST(TrellisRestore, CancelAfterSecondChunkRemovesThePartialFile)
{
    ChunkedFolder f;
    Session s(f.path());
    ASSERT_EQ(s.rc, 0);
    tk::TempDir out("restore-out");
    Recorder r;
    r.answer = [&](const Report &rep) { return rep.status == 0 && r.reports.size() == 3 ? 1 : 0; };
    EXPECT_EQ(trellis_vesk_restore_file(s.inst, 1, "\\f.bin", (out / "f").c_str(), 0, record, &r), -999);
    EXPECT_EQ(r.reports.size(), 3u);
    EXPECT_TRUE(listing(out.path()).empty());
    // A non-zero answer to the final report removes the restored file too.
    r.reports.clear();
    r.answer = [](const Report &rep) { return rep.status == 1 ? 1 : 0; };
    EXPECT_EQ(trellis_vesk_restore_file(s.inst, 1, "\\f.bin", (out / "f").c_str(), 0, record, &r), -999);
    EXPECT_TRUE(listing(out.path()).empty());
}

ssize_t disk_full(int fd, const void *data, size_t len, int64_t offset)
{
    if (offset > 0) { // the first chunk fits, the next one does not
        errno = ENOSPC;
        return -1;
    }
    return ::pwrite(fd, data, len, static_cast<off_t>(offset));
}

TEST(TrellisRestore, FullDiskGivesMinusFourAndKeepsTheOldFile)
{
    ChunkedFolder f;
    Session s(f.path());
    ASSERT_EQ(s.rc, 0);
    tk::TempDir out("restore-out");
    tk::write_file(out / "f", bytes("the old content"));
    Recorder r;
    ot::set_chunk_write_hook(disk_full);
    int rc = trellis_vesk_restore_file(s.inst, 1, "\\f.bin", (out / "f").c_str(), 1, record, &r);
    ot::set_chunk_write_hook(nullptr);
    EXPECT_EQ(rc, -4);
    EXPECT_EQ(listing(out.path()), std::vector<std::string>{"f"});
    EXPECT_EQ(tk::read_file(out / "f"), bytes("the old content"));
}

TEST(TrellisRestore, WrongKeysAndOversizedChunksFailWithoutLeavingAFile)
{
    tk::TempDir out("restore-out");
    {
        // Unsigned folder whose chunks are encrypted: the zero key (no
        // password) cannot read the encrypted tvt chunk, and a wrong
        // password cannot read the ovt chunks.
        ChunkedFolder f("right", false, true);
        Session none(f.path());
        ASSERT_EQ(none.rc, 0);
        Recorder r;
        EXPECT_EQ(trellis_vesk_restore_file(none.inst, 1, "\\f.bin", (out / "a").c_str(), 0, record, &r), -999);
        Session wrong(f.path(), "wrong");
        ASSERT_EQ(wrong.rc, 0);
        EXPECT_EQ(trellis_vesk_restore_file(wrong.inst, 1, "\\f.bin", (out / "b").c_str(), 0, record, &r), -999);
        Session right(f.path(), "right");
        ASSERT_EQ(right.rc, 0);
        EXPECT_EQ(trellis_vesk_restore_file(right.inst, 1, "\\f.bin", (out / "c").c_str(), 0, record, &r), 0);
        EXPECT_EQ(tk::read_file(out / "c"), f.whole);
        fs::remove(out / "c");
    }
    {
        HandFolder f;
        auto rec = tt::tvt_record(bytes("x"), false, false, tt::tvt_key(""), 1);
        for (int i = 0; i < 8; ++i)
            rec[16 + i] = static_cast<uint8_t>(static_cast<uint64_t>(ot::kRestoreBufferSize + 1LL) >> (8 * i));
        uint64_t at = f.tvt(1, rec);
        f.descriptor(1, {{0, 0, -1, at}});
        f.file("big", HandFolder::state(100, 1600000000, 1, 0));
        f.done();
        Session s(f.path());
        ASSERT_EQ(s.rc, 0);
        Recorder r;
        EXPECT_EQ(trellis_vesk_restore_file(s.inst, 1, "\\big", (out / "big").c_str(), 0, record, &r), -999);
    }
    EXPECT_TRUE(listing(out.path()).empty());
}

TEST(TrellisRestore, VerifyReadsEveryChunkAndWritesNothing)
{
    ChunkedFolder f;
    Session s(f.path());
    ASSERT_EQ(s.rc, 0);
    auto *c = static_cast<TRELLIS_VESK_CLIENT *>(s.inst);
    EXPECT_EQ(ot::verify_file(c, 1, "\\f.bin", nullptr, nullptr), 0);
    EXPECT_EQ(ot::verify_file(c, 1, "\\missing", nullptr, nullptr), -2);
    auto v = tk::read_file(f.tvt_path(5));
    v[v.size() - 3] ^= 0xFF; // inside the zlib stream of the tvt chunk
    tk::write_file(f.tvt_path(5), v);
    EXPECT_EQ(ot::verify_file(c, 1, "\\f.bin", nullptr, nullptr), -999);
}

// ---- whole test-kit folders -------------------------------------------------

ORVEX_GCC_STRING_WARNINGS_OFF
TEST(TrellisRestore, EveryFileOfEveryVersionOfKitFolders)
{
    struct Case {
        std::string password;
        tt::Placement placement;
        bool differential;
        // Descriptor rows the session holds in all and for one (0: as built).
        size_t held_total = 0, held_each = 0;
    } cases[] = {{"", tt::Placement::Mixed, true},
                 {"kit pass", tt::Placement::Mixed, true},
                 {"kit pass", tt::Placement::Tvt, false},
                 // Descriptors dropped and read again between files.
                 {"", tt::Placement::Mixed, true, 60, 60},
                 // Descriptors too large to hold, queried per file, one after the other.
                 {"kit pass", tt::Placement::Ovt, false, 12, 3}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.password + (c.differential ? " diff" : " full"));
        tk::TempDir dir("trellis-kit");
        tt::FolderOptions fo;
        fo.password = c.password;
        fo.versions = 3;
        fo.files = 14;
        fo.seed = 11;
        fo.max_file_size = 300000;
        fo.links = true;
        fo.differential = c.differential;
        tt::ContentOptions co;
        co.placement = c.placement;
        co.files_per_descriptor = 5;
        co.vault_capacity = 200000;
        auto kit = tt::write_folder_with_content(dir.path(), fo, co);
        Session s(dir.str(), c.password.empty() ? nullptr : c.password.c_str());
        ASSERT_EQ(s.rc, 0);
        if (c.held_total > 0)
            ot::set_held_descriptor_rows(static_cast<TRELLIS_VESK_CLIENT *>(s.inst), c.held_total, c.held_each);
        tk::TempDir out("restore-out");
        int n = 0;
        for (const auto &v : kit.manifest.versions)
            for (const auto &e : v.entries) {
                if (e.is_dir)
                    continue;
                const fs::path dst = out / ("f" + std::to_string(n++));
                Recorder r;
                ASSERT_EQ(trellis_vesk_restore_file(s.inst, v.version, e.path.c_str(), dst.c_str(), 0, record, &r),
                          0)
                    << e.path << " v" << v.version;
                auto want = e.is_link ? std::vector<uint8_t>{} : kit.contents->content(e.path, v.version);
                EXPECT_EQ(want.size(), e.is_link ? 0 : e.size) << e.path;
                EXPECT_TRUE(tk::read_file(dst) == want) << e.path << " v" << v.version;
                EXPECT_EQ(mtime_of(dst), e.mtime) << e.path;
            }
        EXPECT_GT(n, 20);
    }
}
ORVEX_GCC_STRING_WARNINGS_ON

} // namespace
