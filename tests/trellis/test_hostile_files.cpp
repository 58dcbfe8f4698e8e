// Files of a backup folder that are not regular files: a FIFO, a device, a
// link (to the genuine file, so following it would work) or a folder where
// the job information file, the catalogue, a descriptor or a vault should
// be. Each is refused by name, never opened blocking and never followed,
// in temporary and in in-place mode. Before, a FIFO hung the open or the
// restore for good, and a link was read through.
#include "restore_fixture.h"

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

using namespace trellis_test;

enum class Where { Info, Catalogue, Descriptor, TvtVault, OvtVault };
enum class What { Fifo, Device, Link, Folder };

// A folder with one file whose chunks sit in a tvt and an ovt vault.
struct Target : HandFolder {
    std::vector<uint8_t> whole;
    Target()
    {
        auto a = tk::make_bytes(90, 7000), b = tk::make_bytes(91, 9000);
        uint64_t ta = tvt(1, tt::tvt_record(a, false, true, tt::tvt_key(""), 1));
        uint64_t ob = ovt(2, b);
        descriptor(1, {{0, 0, -1, ta}, {0, 7000, 2, ob}});
        whole = a;
        whole.insert(whole.end(), b.begin(), b.end());
        file("f.bin", state(whole.size(), 1700000000, 1, 0));
        done();
    }
    fs::path where(Where w) const
    {
        switch (w) {
        case Where::Info:
            return dir / tt::kInfoName;
        case Where::Catalogue:
            return dir / tt::full_name(1);
        case Where::Descriptor:
            return tt::descriptor_path(dir.path(), 1);
        case Where::TvtVault:
            return tt::vault_path(dir.path(), 1, true);
        case Where::OvtVault:
            break;
        }
        return tt::vault_path(dir.path(), 2, false);
    }
};

// Puts `what` at `path`, the genuine file moving to `aside`. False when the
// system does not let this process make it (a device needs privileges).
bool replace_with(const fs::path &path, What what, const fs::path &aside)
{
    fs::rename(path, aside);
    switch (what) {
    case What::Fifo:
        return ::mkfifo(path.c_str(), 0600) == 0;
    case What::Device:
        return ::mknod(path.c_str(), S_IFCHR | 0600, makedev(1, 5)) == 0; // the zero device
    case What::Link:
        fs::create_symlink(aside, path);
        return true;
    case What::Folder:
        fs::create_directory(path);
        return true;
    }
    return false;
}

const char *name_of(What w)
{
    return w == What::Fifo ? "a FIFO" : w == What::Device ? "a character device" : w == What::Link ? "a symbolic link"
                                                                                                     : "a folder";
}

TEST(TrellisHostileFiles, SpecialFilesAreRefusedByNameNeverOpenedBlockingOrFollowed)
{
    struct Case {
        Where where;
        int open_rc;    // the open's result; 0: the open succeeds and the restore fails
        bool named;     // the refusal names the file on standard output
    } cases[] = {
        {Where::Info, -2, true},      {Where::Catalogue, -999, true}, {Where::Descriptor, 0, true},
        {Where::TvtVault, 0, true},   {Where::OvtVault, 0, false}, // the engine's log names it
    };
    bool device_made = false;
    for (const Case &c : cases)
        for (What what : {What::Fifo, What::Device, What::Link, What::Folder})
            for (bool in_place : {false, true}) {
                SCOPED_TRACE(std::to_string(static_cast<int>(c.where)) + " " + name_of(what) +
                             (in_place ? " in place" : " temporary"));
                Target f;
                tk::TempDir aside("hostile-aside");
                const fs::path at = f.where(c.where);
                if (!replace_with(at, what, aside / "genuine")) {
                    ASSERT_EQ(what, What::Device) << "only a device may need privileges";
                    continue;
                }
                device_made |= what == What::Device;
                tk::TempDir temp("trellis-work");
                testing::internal::CaptureStdout();
                void *inst = nullptr;
                int rc = trellis_vesk_open(f.path().c_str(), nullptr, &inst, in_place ? nullptr : temp.str().c_str());
                int restore_rc = 1;
                tk::TempDir out("restore-out");
                if (rc == 0) {
                    Recorder r;
                    restore_rc = trellis_vesk_restore_file(inst, 1, "\\f.bin", (out / "f").c_str(), 0, record, &r);
                    trellis_vesk_close(inst);
                }
                std::string said = testing::internal::GetCapturedStdout();
                EXPECT_EQ(rc, c.open_rc);
                if (c.open_rc == 0) {
                    EXPECT_EQ(restore_rc, -999);
                    EXPECT_TRUE(listing(out.path()).empty());
                }
                // What the folder is refused for is what sits there.
                std::string native = at.string();
                if (c.named) {
                    EXPECT_NE(said.find(native + " is " + name_of(what)), std::string::npos) << said;
                }
                // A FIFO at the catalogue's place makes no copy to work on.
                EXPECT_TRUE(fs::is_empty(temp.path()));
            }
    if (!device_made)
        std::printf("note: no device node could be made here; the FIFO covers the blocking case\n");
}

} // namespace
