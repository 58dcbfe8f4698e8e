// Listing folders and summing statistics of the sample container against
// what the test kit wrote.
#include "vesk_fixture.h"

#include <map>

namespace {

using namespace vesk_test;

std::string parent_of(const std::string &path)
{
    size_t cut = path.rfind('\\');
    return cut == 0 ? "\\" : path.substr(0, cut);
}

// The expected listing of `folder`: by kind (folders first, then files,
// links, special files), each kind in byte order of the full path.
std::vector<Listed> expected_children(const Sample &sample, const std::string &folder)
{
    std::vector<const tv::Expected *> kids;
    for (const auto &e : sample.entries)
        if (parent_of(e.path) == folder)
            kids.push_back(&e);
    std::sort(kids.begin(), kids.end(), [](const tv::Expected *a, const tv::Expected *b) {
        return a->filetype != b->filetype ? a->filetype < b->filetype : a->path < b->path;
    });
    std::vector<Listed> out;
    for (const auto *e : kids)
        out.push_back({e->path.substr(e->path.rfind('\\') + 1),
                       static_cast<char>(e->filetype == VESK_FILETYPE_DIR ? FS_VESK_DIR : FS_VESK_FILE), e->size,
                       static_cast<int32_t>(e->mtime)});
    return out;
}

TEST(VeskListing, EveryFolderListsAsWritten)
{
    Sample sample;
    Session s(sample.file);
    ASSERT_EQ(s.rc, 0);
    std::vector<std::string> folders{"\\"};
    for (const auto &e : sample.entries)
        if (e.filetype == VESK_FILETYPE_DIR)
            folders.push_back(e.path);
    for (const std::string &folder : folders) {
        Listing got;
        ASSERT_EQ(list(s, folder, got), 0) << folder;
        std::vector<Listed> want = expected_children(sample, folder);
        ASSERT_EQ(got.items.size(), want.size()) << folder;
        for (size_t i = 0; i < want.size(); ++i) {
            EXPECT_EQ(got.items[i].name, want[i].name) << folder;
            EXPECT_EQ(got.items[i].type, want[i].type) << want[i].name;
            EXPECT_EQ(got.items[i].size, want[i].size) << want[i].name;
            EXPECT_EQ(got.items[i].mtime, want[i].mtime) << want[i].name;
        }
        // One closing call with no entry; every call names the folder as given.
        EXPECT_EQ(got.end_calls, 1) << folder;
        EXPECT_EQ(got.paths, std::vector<std::string>(want.size() + 1, folder)) << folder;
    }
}

TEST(VeskListing, MissingPathsAndStoppedListings)
{
    Sample sample;
    Session s(sample.file);
    ASSERT_EQ(s.rc, 0);
    Listing none;
    EXPECT_EQ(list(s, "\\no such folder", none), -2);
    EXPECT_EQ(none.end_calls, 0);
    // A non-zero answer, to the first entry or to the closing call, fails.
    for (int stop_at : {0, 4}) {
        auto cb = [](void *, int, const char *, fs_vesk_item *, void *user) -> int {
            int &left = *static_cast<int *>(user);
            return left-- == 0 ? 1 : 0;
        };
        int left = stop_at;
        EXPECT_EQ(fs_vesk_list_folder(s.inst, 0, "\\", cb, &left), -999) << stop_at; // the root has 4 entries
    }
    EXPECT_EQ(fs_vesk_list_folder(s.inst, 0, "\\", nullptr, nullptr), -999);
    EXPECT_EQ(fs_vesk_list_folder(nullptr, 0, "\\", [](void *, int, const char *, fs_vesk_item *, void *) { return 0; },
                                  nullptr),
              -999);
}

TEST(VeskListing, StatisticsSumEverythingBelow)
{
    Sample sample;
    Session s(sample.file);
    ASSERT_EQ(s.rc, 0);
    auto below = [&](const std::string &folder, int &folders, int &files, int64_t &bytes) {
        folders = files = 0;
        bytes = 0;
        std::string prefix = folder == "\\" ? "\\" : folder + "\\";
        for (const auto &e : sample.entries) {
            if (e.path.compare(0, prefix.size(), prefix) != 0)
                continue;
            (e.filetype == VESK_FILETYPE_DIR ? folders : files)++;
            bytes += e.size;
        }
    };
    for (const char *folder : {"\\", "\\docs", "\\data", "\\empty folder", "\\links"}) {
        fs_vesk_stat st{};
        ASSERT_EQ(fs_vesk_get_stat_sum(s.inst, 7, folder, &st), 0) << folder; // any version
        int folders, files;
        int64_t bytes;
        below(folder, folders, files, bytes);
        EXPECT_EQ(st.folder_count, folders) << folder;
        EXPECT_EQ(st.file_count, files) << folder;
        EXPECT_EQ(st.total_size, bytes) << folder;
        EXPECT_EQ(st.type, FS_VESK_DIR);
    }
    fs_vesk_stat st{};
    ASSERT_EQ(fs_vesk_get_stat_sum(s.inst, 0, "\\data\\tail.bin", &st), 0);
    EXPECT_EQ(st.folder_count, 0);
    EXPECT_EQ(st.file_count, 1);
    EXPECT_EQ(st.total_size, sample.at("\\data\\tail.bin").size);
    EXPECT_EQ(st.type, FS_VESK_FILE);
    EXPECT_EQ(fs_vesk_get_stat_sum(s.inst, 0, "\\nothing", &st), -2);
    EXPECT_EQ(fs_vesk_get_stat_sum(s.inst, 0, "\\", nullptr), -999);
    EXPECT_EQ(fs_vesk_get_stat_sum(nullptr, 0, "\\", &st), -999);
}

} // namespace
