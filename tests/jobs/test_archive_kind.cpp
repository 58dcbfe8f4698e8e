// Which library opens what sits at a path: folders and their job
// information file go to the Trellis library, any other regular file is a
// container.
#include "archive.h"
#include "testkit/tempdir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

namespace fs = std::filesystem;
namespace oj = orvex::jobs;

TEST(ArchiveKind, FoldersAndJobInformationFilesAreTrellisOtherFilesContainers)
{
    orvex::testkit::TempDir dir("archive-kind");
    fs::create_directory(dir / "backup");
    for (const char *name : {"backup/HalvernTrellisSync.info", "backup/halverntrellissync.INFO", "c.vesk",
                             "backup/HalvernTrellisSync.info.vesk"})
        std::ofstream(dir / name) << "x";
    std::string backslashed = (dir / "c.vesk").string();
    std::replace(backslashed.begin(), backslashed.end(), '/', '\\');
    struct Case {
        std::string path;
        oj::ArchiveKind kind;
    } cases[] = {
        {(dir / "backup").string(), oj::ArchiveKind::TrellisFolder},
        {(dir / "backup/HalvernTrellisSync.info").string(), oj::ArchiveKind::TrellisFolder},
        {(dir / "backup/halverntrellissync.INFO").string(), oj::ArchiveKind::TrellisFolder},
        {(dir / "missing.vesk").string(), oj::ArchiveKind::TrellisFolder}, // its library says what is missing
        {(dir / "c.vesk").string(), oj::ArchiveKind::Container},
        {(dir / "backup/HalvernTrellisSync.info.vesk").string(), oj::ArchiveKind::Container},
        {backslashed, oj::ArchiveKind::Container},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.kind, oj::archive_kind(c.path)) << c.path;
}
