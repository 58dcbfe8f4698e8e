// Opening and closing sessions: results for files that are not containers
// or are cut short, the private temporary folders, the message accessor
// and the log set-up.
#include "vesk_fixture.h"

#include "header.h"

#include <fstream>

namespace {

using namespace vesk_test;

std::vector<uint8_t> header_bytes(uint64_t db_offset, uint64_t db_size)
{
    vesk_hdr_t *h = vesk_hdr_create(db_offset, db_size);
    str_t *raw = vesk_hdr_marshal(h);
    std::vector<uint8_t> out(raw->buf, raw->buf + raw->used);
    str_put(raw);
    vesk_hdr_destroy(h);
    return out;
}

TEST(VeskSession, FilesThatAreNotWholeContainers)
{
    Sample sample;
    std::vector<uint8_t> whole = tk::read_file(sample.file);
    tk::TempDir dir("vesk-bad");
    std::vector<uint8_t> wrong_magic = whole;
    wrong_magic[0] ^= 0xFF;
    std::vector<uint8_t> cut_in_database(whole.begin(), whole.end() - 100);
    std::vector<uint8_t> garbage_database = header_bytes(128, 4096);
    garbage_database.resize(128 + 4096, 'x');
    struct Case {
        const char *name;
        std::vector<uint8_t> bytes;
        int want;
    } cases[] = {
        {"wrong magic", wrong_magic, -2},
        {"text", std::vector<uint8_t>(300, 'a'), -2},
        {"shorter than a header", std::vector<uint8_t>(whole.begin(), whole.begin() + 20), -999},
        {"header only", header_bytes(128, 4096), -999},
        {"database cut short", cut_in_database, -999},
        {"database is not one", garbage_database, -999},
        {"empty", {}, -999},
    };
    for (const auto &c : cases) {
        const fs::path file = dir / c.name;
        tk::write_file(file, c.bytes);
        Session s(file);
        EXPECT_EQ(s.rc, c.want) << c.name;
        EXPECT_EQ(s.inst, nullptr) << c.name;
        EXPECT_TRUE(names_in(s.temp.path()).empty()) << c.name << ": a failed open leaves its folder";
    }
    Session missing(dir / "none");
    EXPECT_EQ(missing.rc, -1);
    Session folder(dir.path());
    EXPECT_EQ(folder.rc, -999);
    void *inst = nullptr;
    EXPECT_EQ(fs_vesk_open(sample.file.c_str(), nullptr, &inst, nullptr), -999);
    EXPECT_EQ(fs_vesk_open(nullptr, nullptr, &inst, dir.str().c_str()), -999);
    EXPECT_EQ(inst, nullptr);
}

TEST(VeskSession, SessionsKeepPrivateFoldersThatGoOnClose)
{
    Sample sample;
    tk::TempDir tmp("vesk-tmp");
    struct Close {
        void operator()(void *inst) const { fs_vesk_close(inst); }
    };
    void *a = nullptr, *b = nullptr;
    ASSERT_EQ(fs_vesk_open(sample.file.c_str(), nullptr, &a, tmp.str().c_str()), 0);
    std::unique_ptr<void, Close> own_a(a);
    ASSERT_EQ(fs_vesk_open(sample.file.c_str(), "any password", &b, tmp.str().c_str()), 0);
    std::unique_ptr<void, Close> own_b(b);
    std::vector<std::string> folders = names_in(tmp.path());
    ASSERT_EQ(folders.size(), 2u);
    for (const std::string &name : folders) {
        EXPECT_EQ(name[0], '.') << "hidden";
        struct stat st {};
        ASSERT_EQ(::stat((tmp / name).c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0700u) << name;
        // The export database (and the journal files of its connection).
        std::vector<std::string> inside = names_in(tmp / name);
        ASSERT_FALSE(inside.empty());
        for (const std::string &file : inside) {
            EXPECT_EQ(file.substr(0, inside[0].size()), inside[0]);
            ASSERT_EQ(::stat((tmp / name / file).c_str(), &st), 0);
            EXPECT_EQ(st.st_mode & 0777, 0600u) << file;
        }
    }
    // Both read the same; the password makes no difference.
    fs_vesk_stat sa{}, sb{};
    EXPECT_EQ(fs_vesk_get_stat_sum(a, 0, "\\", &sa), 0);
    EXPECT_EQ(fs_vesk_get_stat_sum(b, 0, "\\", &sb), 0);
    EXPECT_EQ(sa.total_size, sb.total_size);
    own_a.reset();
    EXPECT_EQ(names_in(tmp.path()).size(), 1u);
    own_b.reset();
    EXPECT_TRUE(names_in(tmp.path()).empty());
    EXPECT_EQ(fs_vesk_close(nullptr), -999);
}

TEST(VeskSession, MessageAndLog)
{
    Sample sample;
    tk::TempDir logdir("vesk-log");
    const fs::path log = logdir / "vesk.log";
    ASSERT_EQ(fs_vesk_set_log(log.c_str(), 5, 1 << 20), 0);
    {
        Session s(sample.file);
        ASSERT_EQ(s.rc, 0);
        ASSERT_NE(fs_vesk_get_msg(s.inst), nullptr);
        EXPECT_STREQ(fs_vesk_get_msg(s.inst), "");
    } // the close ends the log
    EXPECT_EQ(fs_vesk_get_msg(nullptr), nullptr);
    std::ifstream in(log);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("extracting export.db from vesk"), std::string::npos);
    EXPECT_NE(text.find("remove "), std::string::npos);
}

} // namespace
