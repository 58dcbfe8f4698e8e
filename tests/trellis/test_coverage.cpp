// A file's chunk rows against its recorded size, and its attribute record:
// every edit of a descriptor that would rebuild a different file (a row
// dropped, rows overlapping or swapped, no rows, a row far past the end)
// and every record too short for its fields fail the file in restore,
// verify and range reads alike, and leave nothing at the destination. Before these checks
// each of them restored a wrong file (holes of zeros, an empty file, a huge
// sparse file, a file dated 1970) and reported success.
#include "restore_fixture.h"

namespace {

using namespace trellis_test;
namespace ot = orvex::trellis;

// Three chunks of different lengths in one plain tvt vault.
struct Chunks {
    std::vector<std::vector<uint8_t>> parts{tk::make_bytes(80, 3000), tk::make_bytes(81, 5000),
                                            tk::make_bytes(82, 4000)};
    std::vector<uint64_t> at;
    std::vector<uint8_t> whole;
    explicit Chunks(HandFolder &f)
    {
        for (size_t i = 0; i < parts.size(); ++i) {
            at.push_back(f.tvt(1, tt::tvt_record(parts[i], false, false, tt::tvt_key(""), i)));
            whole.insert(whole.end(), parts[i].begin(), parts[i].end());
        }
    }
    // The rows of the intact file: offsets 0, 3000, 8000.
    std::vector<HandFolder::Row> rows() const
    {
        return {{0, 0, -1, at[0]}, {0, 3000, -1, at[1]}, {0, 8000, -1, at[2]}};
    }
};

// Restores, verifies and reads (one range read of `size` bytes) \f.bin of
// version 1 into `out`, catching what the library says on standard output.
struct Outcome {
    int restore = 0, verify = 0, read = 0;
    std::vector<uint8_t> bytes; // what the range read gave
    std::string said;
};
Outcome restore_and_verify(const std::string &folder, const tk::TempDir &out, long long size)
{
    Outcome o;
    testing::internal::CaptureStdout();
    {
        Session s(folder);
        Recorder r;
        o.restore = s.rc != 0 ? 1000 + s.rc
                              : trellis_vesk_restore_file(s.inst, 1, "\\f.bin", (out / "f").c_str(), 0, record, &r);
        o.verify = s.rc != 0 ? 1000 + s.rc
                             : ot::verify_file(static_cast<TRELLIS_VESK_CLIENT *>(s.inst), 1, "\\f.bin", nullptr,
                                               nullptr);
        o.read = s.rc != 0 ? 1000 + s.rc : read_range(s.inst, 1, "\\f.bin", size, o.bytes);
    }
    o.said = testing::internal::GetCapturedStdout();
    return o;
}

TEST(TrellisCoverage, DescriptorEditsThatRebuildAnotherFileFailIt)
{
    using Rows = std::vector<HandFolder::Row>;
    struct Case {
        const char *what;
        std::function<Rows(const Chunks &)> edit;
        uint64_t size = 12000; // recorded size
        int rc = -999;
    } cases[] = {
        {"intact", [](const Chunks &c) { return c.rows(); }, 12000, 0},
        {"middle row dropped", [](const Chunks &c) { auto r = c.rows(); r.erase(r.begin() + 1); return r; }},
        {"last row dropped", [](const Chunks &c) { auto r = c.rows(); r.pop_back(); return r; }},
        {"first row dropped", [](const Chunks &c) { auto r = c.rows(); r.erase(r.begin()); return r; }},
        {"two rows overlap", [](const Chunks &c) { auto r = c.rows(); r[1].file_offset -= 1; return r; }},
        {"rows swapped", [](const Chunks &c) { auto r = c.rows(); std::swap(r[0].file_offset, r[1].file_offset);
                                               return r; }},
        {"a row repeated", [](const Chunks &c) { auto r = c.rows(); r.push_back(r[1]); return r; }},
        {"no rows for a file with data", [](const Chunks &) { return Rows{}; }},
        {"a row at 1 TiB", [](const Chunks &c) { auto r = c.rows(); r[2].file_offset = 1LL << 40; return r; }},
        {"a row past the recorded size", [](const Chunks &c) { auto r = c.rows(); r.push_back({0, 12000, -1, c.at[0]});
                                                               return r; }},
        {"recorded size shorter than the rows", [](const Chunks &c) { return c.rows(); }, 11999},
        {"recorded size longer than the rows", [](const Chunks &c) { return c.rows(); }, 12001},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        HandFolder f;
        Chunks chunks(f);
        f.descriptor(1, c.edit(chunks));
        f.file("f.bin", HandFolder::state(c.size, 1700000000, 1, 0));
        f.done();
        tk::TempDir out("restore-out");
        Outcome o = restore_and_verify(f.path(), out, static_cast<long long>(c.size));
        EXPECT_EQ(o.restore, c.rc);
        EXPECT_EQ(o.verify, c.rc);
        EXPECT_EQ(o.read, c.rc);
        if (c.rc == 0) {
            EXPECT_EQ(tk::read_file(out / "f"), chunks.whole);
            EXPECT_EQ(o.bytes, chunks.whole);
        } else {
            EXPECT_TRUE(listing(out.path()).empty());
            EXPECT_NE(o.said.find("chunk rows of \\f.bin"), std::string::npos) << o.said;
        }
    }
}

TEST(TrellisCoverage, AttributeRecordsTooShortForTheirFieldsFailTheFile)
{
    struct Case {
        size_t attr_len;
        uint64_t size;
        int rc;
    } cases[] = {
        {0, 12000, -999},  // no record at all
        {10, 12000, -999}, // before the size
        {20, 12000, -999}, // the size, but no time
        {23, 12000, -999},
        {23, 0, -999},     // an empty file needs its time too
        {24, 12000, 0},    // size and a 32-bit time
        {32, 12000, 0},    // size and a 64-bit time
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.attr_len) + " bytes, size " + std::to_string(c.size));
        HandFolder f;
        Chunks chunks(f);
        f.descriptor(1, chunks.rows());
        tt::HistoryRow h = HandFolder::state(c.size, 1700000000, 1, 0, 1, std::max<size_t>(c.attr_len, 24));
        h.attr.resize(c.attr_len);
        f.file("f.bin", h);
        f.done();
        tk::TempDir out("restore-out");
        Outcome o = restore_and_verify(f.path(), out, static_cast<long long>(c.size));
        EXPECT_EQ(o.restore, c.rc);
        EXPECT_EQ(o.verify, c.rc);
        EXPECT_EQ(o.read, c.rc);
        if (c.rc != 0) {
            EXPECT_TRUE(listing(out.path()).empty());
            EXPECT_NE(o.said.find("attribute record of \\f.bin"), std::string::npos) << o.said;
        } else {
            EXPECT_EQ(mtime_of(out / "f"), 1700000000);
        }
    }
}

} // namespace
