// The working folder: private to its owner (folders 0700, copies 0600 even
// under a permissive umask); a temporary folder that cannot serve is an
// error that writes nothing into the backup folder; a full temporary folder
// is a full disk (-4), not a damaged chunk.
#include "restore_fixture.h"

#include <sys/stat.h>

#include <cerrno>

namespace {

using namespace trellis_test;
namespace ot = orvex::trellis;

unsigned mode_of(const fs::path &p)
{
    struct stat sb;
    if (::lstat(p.c_str(), &sb) != 0)
        return 0;
    return sb.st_mode & 07777;
}

// Every entry below `dir`, relative, sorted.
std::vector<std::string> tree(const fs::path &dir)
{
    std::vector<std::string> out;
    for (const auto &e : fs::recursive_directory_iterator(dir))
        out.push_back(fs::relative(e.path(), dir).string());
    std::sort(out.begin(), out.end());
    return out;
}

struct Umask {
    mode_t old;
    explicit Umask(mode_t m) : old(::umask(m)) {}
    ~Umask() { ::umask(old); }
};

// A kit folder with a differential catalogue and files in tvt vaults.
struct KitFolder {
    tk::TempDir dir{"trellis-kit"};
    tt::FolderWithContent kit;
    KitFolder()
    {
        tt::FolderOptions fo;
        fo.versions = 2;
        fo.files = 4;
        fo.max_file_size = 50000;
        tt::ContentOptions co;
        co.placement = tt::Placement::Tvt;
        kit = tt::write_folder_with_content(dir.path(), fo, co);
    }
    std::string first_file() const
    {
        for (const auto &e : kit.manifest.versions[0].entries)
            if (!e.is_dir && e.size > 0)
                return e.path;
        return {};
    }
};

TEST(TrellisWorkingFolder, FoldersAndCopiesAreTheOwnersAlone)
{
    Umask permissive(0);
    KitFolder f;
    tk::TempDir temp("trellis-work");
    void *inst = nullptr;
    ASSERT_EQ(trellis_vesk_open(f.dir.str().c_str(), nullptr, &inst, temp.str().c_str()), 0);
    const std::string file = f.first_file();
    ASSERT_FALSE(file.empty());
    tk::TempDir out("restore-out");
    Recorder r;
    ASSERT_EQ(trellis_vesk_restore_file(inst, 1, file.c_str(), (out / "f").c_str(), 0, record, &r), 0);
    std::vector<std::string> entries = tree(temp.path());
    ASSERT_FALSE(entries.empty());
    int folders = 0, copies = 0;
    for (const std::string &e : entries) {
        SCOPED_TRACE(e);
        const fs::path p = temp / e;
        if (fs::is_directory(fs::symlink_status(p))) {
            EXPECT_EQ(mode_of(p), 0700u);
            ++folders;
        } else if (e.find("-journal") == std::string::npos && e.find("_info.db") == std::string::npos) {
            EXPECT_EQ(mode_of(p), 0600u);
            ++copies;
        }
    }
    EXPECT_GE(folders, 3) << "working folder, filedesc and a descriptor folder";
    EXPECT_GE(copies, 3) << "viewer catalogue, differential catalogue and a descriptor";
    trellis_vesk_close(inst);
}

TEST(TrellisWorkingFolder, ATemporaryFolderThatCannotServeIsAnError)
{
    KitFolder f;
    const auto before = tree(f.dir.path());
    tk::TempDir scratch("trellis-scratch");
    tk::write_file(scratch / "a-file", bytes("x"));
    const std::string missing = "does not exist or is not a folder";
    struct Case {
        const char *what;
        std::string temp;
        char random_folder;
        std::string says;
    } cases[] = {
        {"missing", (scratch / "missing").string(), 1, missing},
        {"missing, used as it is", (scratch / "missing").string(), 0, missing},
        {"a file", (scratch / "a-file").string(), 1, missing},
        // Not writable even for an administrator.
        {"not writable", "/proc", 1, "cannot create a working folder in /proc"},
        {"not writable, used as it is", "/proc", 0, "cannot write in the temporary folder /proc"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        testing::internal::CaptureStdout();
        void *inst = nullptr;
        int rc = trellis_vesk_open_v3(f.dir.str().c_str(), nullptr, &inst, c.temp.c_str(), c.random_folder, nullptr,
                                      nullptr);
        std::string said = testing::internal::GetCapturedStdout();
        EXPECT_EQ(rc, -999);
        EXPECT_EQ(inst, nullptr);
        EXPECT_NE(said.find(c.says), std::string::npos) << said;
        // Nothing fell back into the backup folder.
        EXPECT_EQ(tree(f.dir.path()), before);
    }
}

ssize_t always_full(int, const void *, size_t, int64_t)
{
    errno = ENOSPC;
    return -1;
}

TEST(TrellisWorkingFolder, AFullTemporaryFolderIsAFullDisk)
{
    KitFolder f;
    Session s(f.dir.str());
    ASSERT_EQ(s.rc, 0);
    const std::string file = f.first_file();
    tk::TempDir out("restore-out");
    Recorder r;
    testing::internal::CaptureStdout();
    // The descriptor copy into the working folder is the first write.
    ot::set_chunk_write_hook(always_full);
    int rc = trellis_vesk_restore_file(s.inst, 1, file.c_str(), (out / "f").c_str(), 0, record, &r);
    ot::set_chunk_write_hook(nullptr);
    std::string said = testing::internal::GetCapturedStdout();
    EXPECT_EQ(rc, -4);
    EXPECT_NE(said.find("into the working folder: the disk is full"), std::string::npos) << said;
    EXPECT_TRUE(listing(out.path()).empty());
    // With room again the same session restores the file.
    EXPECT_EQ(trellis_vesk_restore_file(s.inst, 1, file.c_str(), (out / "f").c_str(), 0, record, &r), 0);
    EXPECT_EQ(tk::read_file(out / "f"), f.kit.contents->content(file, 1));
}

TEST(TrellisWorkingFolder, SessionsOfOneProcessEachKeepTheirOwnCopy)
{
    // A session keeps the lock of the catalogue copy in the folder it made;
    // another session of the same process, under the same temporary folder,
    // must have a copy of its own and read it while the first is busy, and
    // after the first closed.
    KitFolder f;
    tk::TempDir temp("trellis-work");
    void *a = nullptr, *b = nullptr;
    ASSERT_EQ(trellis_vesk_open(f.dir.str().c_str(), nullptr, &a, temp.str().c_str()), 0);
    ASSERT_EQ(trellis_vesk_open(f.dir.str().c_str(), nullptr, &b, temp.str().c_str()), 0);
    EXPECT_STRNE(static_cast<TRELLIS_VESK_CLIENT *>(a)->working_folder,
                 static_cast<TRELLIS_VESK_CLIENT *>(b)->working_folder);

    // b lists the whole root while a is in the middle of its own listing.
    struct Nested {
        void *other;
        std::vector<Listed> outer, inner;
        int inner_rc = -1;
    } n{b, {}, {}};
    auto cb = [](void *, int, const char *, trellis_vesk_item *it, void *user) -> int {
        auto *s = static_cast<Nested *>(user);
        s->outer.push_back({it->name, it->type, it->size, it->mtime});
        if (s->outer.size() == 1)
            s->inner_rc = list(s->other, 2, "\\", s->inner);
        return 0;
    };
    ASSERT_EQ(trellis_vesk_list_folder(a, 2, "\\", cb, &n), 0);
    EXPECT_EQ(n.inner_rc, 0);
    EXPECT_FALSE(n.outer.empty());
    EXPECT_EQ(names(n.outer), names(n.inner));

    const std::string file = f.first_file();
    tk::TempDir out("restore-out");
    Recorder r;
    EXPECT_EQ(trellis_vesk_restore_file(a, 1, file.c_str(), (out / "a").c_str(), 0, record, &r), 0);
    EXPECT_EQ(trellis_vesk_close(a), 0);
    std::vector<Listed> again;
    EXPECT_EQ(list(b, 2, "\\", again), 0);
    EXPECT_EQ(names(again), names(n.outer));
    EXPECT_EQ(trellis_vesk_restore_file(b, 1, file.c_str(), (out / "b").c_str(), 0, record, &r), 0);
    EXPECT_EQ(tk::read_file(out / "a"), f.kit.contents->content(file, 1));
    EXPECT_EQ(tk::read_file(out / "b"), f.kit.contents->content(file, 1));
    EXPECT_EQ(trellis_vesk_close(b), 0);
}

} // namespace
