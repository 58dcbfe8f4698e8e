// The digest field of tvt chunks: the readings the reader accepts (content,
// stored bytes, none), damaged chunks of every kind failing instead of
// restoring wrong bytes, and the count of unchecked chunks that verify
// hands back.
#include "restore_fixture.h"
#include "trellis_tvt.h"

#include <cstdio>
#include <cstring>

namespace {

using namespace trellis_test;
namespace ot = orvex::trellis;

struct Kind {
    bool encrypt, compress;
};
const Kind kKinds[] = {{false, false}, {false, true}, {true, false}, {true, true}};

std::string kind_name(const Kind &k)
{
    return std::string(k.encrypt ? "encrypted" : "plain") + (k.compress ? "+zlib" : "");
}

// Reads the record at offset 0 of `file`; the result and how it was checked.
int read_record(const fs::path &file, const std::array<uint8_t, 32> &key, std::vector<char> &buf,
                ot::TvtDigest &how)
{
    FILE *f = std::fopen(file.c_str(), "rb");
    if (!f)
        return -100;
    how = ot::TvtDigest::None;
    int n = ot::tvt_read_chunk_from(f, key.data(), 0, buf.data(), static_cast<int>(buf.size()), &how);
    std::fclose(f);
    return n;
}

TEST(TrellisTvtDigest, ReadingsOfTheDigestField)
{
    const auto plain = tk::make_bytes(21, 40000, tk::Content::Mixed);
    const auto key = tt::tvt_key("secret");
    tk::TempDir d("tvt-digest");
    std::vector<char> buf(100000);
    struct Field {
        const char *what;
        tt::TvtDigestField field;
        bool scramble; // a digest of neither the content nor the stored bytes
        int rc;        // 0: the content length
        ot::TvtDigest how;
    } fields[] = {
        {"digest of the content", tt::TvtDigestField::Content, false, 0, ot::TvtDigest::Content},
        {"digest of the stored bytes", tt::TvtDigestField::Stored, false, 0, ot::TvtDigest::Stored},
        {"no digest", tt::TvtDigestField::Zero, false, 0, ot::TvtDigest::None},
        {"digest of something else", tt::TvtDigestField::Content, true, -6, ot::TvtDigest::None},
    };
    for (const Kind &k : kKinds)
        for (const Field &f : fields) {
            SCOPED_TRACE(kind_name(k) + ", " + f.what);
            auto rec = tt::tvt_record(plain, k.encrypt, k.compress, key, 5, f.field);
            if (f.scramble)
                rec[24 + 7] ^= 0x10;
            tk::write_file(d / "v.tvt", rec);
            ot::TvtDigest how;
            int n = read_record(d / "v.tvt", key, buf, how);
            if (f.rc == 0) {
                ASSERT_EQ(n, static_cast<int>(plain.size()));
                EXPECT_EQ(std::memcmp(buf.data(), plain.data(), plain.size()), 0);
                // A plain chunk's stored bytes are its content.
                const bool same = !k.encrypt && !k.compress && f.how == ot::TvtDigest::Stored;
                EXPECT_EQ(how, same ? ot::TvtDigest::Content : f.how);
            } else {
                EXPECT_EQ(n, f.rc);
            }
            // The exported reader checks the same way.
            std::string path = (d / "v.tvt").string();
            EXPECT_EQ(tvt_read_chunk(path.data(), reinterpret_cast<char *>(const_cast<uint8_t *>(key.data())), 0,
                                     buf.data(), static_cast<int>(buf.size())),
                      f.rc == 0 ? n : f.rc);
        }
}

// One file whose chunks are tvt records of every kind; each damaged byte of
// the chunk data either leaves the file as it was or fails it, in restore,
// verify and range reads alike. Before the
// digest was checked, a flipped byte of a plain or encrypted chunk restored
// a wrong file with success.
TEST(TrellisTvtDigest, DamagedChunkDataNeverRestoresSilently)
{
    std::vector<std::vector<uint8_t>> parts;
    for (int i = 0; i < 4; ++i)
        parts.push_back(tk::make_bytes(60 + i, 9000 + 700 * i, tk::Content::Mixed));
    struct Record {
        uint64_t at;
        size_t size;
    };
    auto build = [&](HandFolder &f, std::vector<Record> &records, std::vector<uint8_t> &whole) {
        const auto key = tt::tvt_key(f.password);
        std::vector<HandFolder::Row> rows;
        int64_t off = 0;
        for (int i = 0; i < 4; ++i) {
            auto rec = tt::tvt_record(parts[i], kKinds[i].encrypt, kKinds[i].compress, key, 30 + i);
            records.push_back({f.tvt(1, rec), rec.size()});
            rows.push_back({0, off, -1, records.back().at});
            whole.insert(whole.end(), parts[i].begin(), parts[i].end());
            off += static_cast<int64_t>(parts[i].size());
        }
        f.descriptor(1, rows);
        f.file("f.bin", HandFolder::state(whole.size(), 1700000000, 1, 0));
        f.done();
    };
    HandFolder f("flip pass");
    std::vector<Record> records;
    std::vector<uint8_t> whole;
    build(f, records, whole);
    const auto pristine = tk::read_file(f.tvt_path(1));
    Session s(f.path(), "flip pass");
    ASSERT_EQ(s.rc, 0);
    tk::TempDir out("restore-out");
    // Positions in each record's chunk data: its first byte, the leading
    // bytes a transformed chunk skips, the encryption header, the middle and
    // the last byte (padding of an encrypted chunk, end of a zlib stream).
    int damaged = 0, silent = 0;
    for (size_t r = 0; r < records.size(); ++r)
        for (size_t pos : {size_t(0), size_t(9), size_t(40), records[r].size / 2, records[r].size - 57}) {
            SCOPED_TRACE("record " + std::to_string(r) + " byte " + std::to_string(pos));
            auto v = pristine;
            v[records[r].at + 56 + pos] ^= 0x04;
            tk::write_file(f.tvt_path(1), v);
            const fs::path dst = out / "f";
            Recorder rep;
            int rc = trellis_vesk_restore_file(s.inst, 1, "\\f.bin", dst.c_str(), 1, record, &rep);
            int vrc = ot::verify_file(static_cast<TRELLIS_VESK_CLIENT *>(s.inst), 1, "\\f.bin", nullptr, nullptr);
            std::vector<uint8_t> read;
            int rrc = read_range(s.inst, 1, "\\f.bin", static_cast<long long>(whole.size()), read);
            if (rc == 0) {
                EXPECT_EQ(vrc, 0);
                EXPECT_EQ(rrc, 0);
                silent += tk::read_file(dst) != whole;
                silent += read != whole;
            } else {
                EXPECT_NE(vrc, 0);
                EXPECT_NE(rrc, 0);
                ++damaged;
            }
        }
    EXPECT_EQ(silent, 0);
    EXPECT_GT(damaged, 10);
}

TEST(TrellisTvtDigest, VerifyCountsChunksThatCarryNoDigest)
{
    HandFolder f;
    const auto key = tt::tvt_key("");
    const auto a = tk::make_bytes(70, 5000), b = tk::make_bytes(71, 6000);
    uint64_t at_a = f.tvt(1, tt::tvt_record(a, false, true, key, 1, tt::TvtDigestField::Zero));
    uint64_t at_b = f.tvt(1, tt::tvt_record(b, false, false, key, 2, tt::TvtDigestField::Content));
    // a, a (read once), b: one unchecked chunk read.
    f.descriptor(1, {{0, 0, -1, at_a}, {0, 5000, -1, at_a}, {0, 10000, -1, at_b}});
    f.file("f.bin", HandFolder::state(16000, 1700000000, 1, 0));
    f.done();
    Session s(f.path());
    ASSERT_EQ(s.rc, 0);
    auto *c = static_cast<TRELLIS_VESK_CLIENT *>(s.inst);
    long long unchecked = 0;
    EXPECT_EQ(ot::verify_file(c, 1, "\\f.bin", nullptr, nullptr, &unchecked), 0);
    EXPECT_EQ(unchecked, 1);
    EXPECT_EQ(ot::verify_file(c, 1, "\\f.bin", nullptr, nullptr, &unchecked), 0);
    EXPECT_EQ(unchecked, 2) << "the count adds up over files";

    // Range reads count the same: nothing before a read, then a (once, kept
    // for the second row) and b.
    void *file = nullptr;
    ASSERT_EQ(trellis_vesk_open_file(s.inst, 1, "\\f.bin", &file), 0);
    EXPECT_EQ(trellis_vesk_file_unchecked_chunks(file), 0);
    std::vector<char> buf(16000);
    EXPECT_EQ(trellis_vesk_read_file(file, 0, buf.data(), 12000), 12000);
    EXPECT_EQ(trellis_vesk_file_unchecked_chunks(file), 1);
    EXPECT_EQ(std::memcmp(buf.data(), a.data(), a.size()), 0);
    EXPECT_EQ(std::memcmp(buf.data() + 10000, b.data(), 2000), 0);
    trellis_vesk_close_file(file);
    EXPECT_EQ(trellis_vesk_file_unchecked_chunks(nullptr), 0);
}

} // namespace
