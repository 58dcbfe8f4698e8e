// Catalogues of hostile or extreme shape through orvex-extract: a chain of
// 2,000 nested folders, a path longer than the file system takes, names
// over 255 bytes, control characters in names, and a rerun after an
// interrupted run setting every folder's time.
#include "cli_runner.h"
#include "testkit/tempdir.h"
#include "testkit/trellis.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/stat.h>

namespace tk = orvex::testkit;
namespace tt = orvex::testkit::trellis;
namespace fs = std::filesystem;
using orvex::test::extract;

namespace {

// A folder of version 1 whose catalogue `build` fills below the root.
struct HandMadeFolder {
    tk::TempDir dir{"cli-shape"};
    explicit HandMadeFolder(const std::function<void(tt::Catalogue &, int64_t root)> &build)
    {
        tt::write_job_info(dir.path(), tt::make_job_id(1), "", tt::InfoForm::KeyValue);
        tt::Catalogue c(dir / tt::full_name(1), false);
        c.add_version(1, 1700000000, 1700000100, 1);
        int64_t root = c.add_path(std::nullopt, "", 1);
        c.add_history(row(root, true));
        build(c, root);
    }
    static tt::HistoryRow row(int64_t id, bool is_dir, uint64_t size = 0, int64_t mtime = 1600000000)
    {
        tt::HistoryRow h;
        h.path_id = id;
        h.version = 1;
        h.is_dir = is_dir;
        h.attr = tt::make_attr(size, mtime);
        return h;
    }
    // A chain of `depth` folders named `name`, ending in an empty file "f".
    static void chain(tt::Catalogue &c, int64_t root, int depth, const std::string &name)
    {
        int64_t parent = root;
        for (int i = 0; i < depth; ++i) {
            int64_t id = c.add_path(parent, name);
            c.add_history(row(id, true, 0, 1500000000 + i));
            parent = id;
        }
        c.add_history(row(c.add_path(parent, "f"), false));
    }
};

nlohmann::json summary(const orvex::test::Outcome &o)
{
    try {
        return nlohmann::json::parse(o.out);
    } catch (...) {
        ADD_FAILURE() << "not JSON: " << o.out << "\nstderr: " << o.err;
        return nlohmann::json::object();
    }
}

TEST(CliShapes, DeepChainsAndLongPaths)
{
    struct Case {
        int depth;
        std::string name;
        int exit_code;
        const char *message; // expected in stderr, or nullptr
    } cases[] = {{2000, "d", 0, nullptr}, {1100, "abcd", 1, "the path is too long for the file system"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.depth);
        HandMadeFolder f([&](tt::Catalogue &cat, int64_t root) { HandMadeFolder::chain(cat, root, c.depth, c.name); });
        tk::TempDir dest("cli-shape-dest");
        auto o = extract({"restore", f.dir.str(), "--to", dest.str(), "--json"});
        EXPECT_EQ(o.code, c.exit_code) << o.err.substr(0, 400);
        if (c.message) {
            EXPECT_NE(o.err.find(c.message), std::string::npos) << o.err.substr(0, 400);
        } else {
            EXPECT_EQ(summary(o)["folders"], c.depth);
        }
        EXPECT_EQ(o.err.find("exists and is not a folder"), std::string::npos);
    }
}

TEST(CliShapes, LongNamesAndControlCharacters)
{
    const std::string long_name(300, 'n');
    HandMadeFolder f([&](tt::Catalogue &c, int64_t root) {
        c.add_history(HandMadeFolder::row(c.add_path(root, long_name), false));
        c.add_history(HandMadeFolder::row(c.add_path(root, "esc\x1b[2J\x07.txt"), false));
        c.add_history(HandMadeFolder::row(c.add_path(root, "plain.txt"), false));
    });
    tk::TempDir dest("cli-shape-dest");
    auto o = extract({"restore", f.dir.str(), "--to", dest.str(), "--json"});
    EXPECT_EQ(o.code, 1);
    auto s = summary(o);
    EXPECT_EQ(s["failed"], 1);
    EXPECT_EQ(s["files"], 2);
    EXPECT_NE(o.err.find("longer than 255 bytes"), std::string::npos) << o.err;
    EXPECT_TRUE(fs::exists(dest / "esc\x1b[2J\x07.txt"));

    // Listings and errors on a terminal show the bytes escaped.
    o = extract({"ls", f.dir.str()});
    EXPECT_EQ(o.code, 0);
    EXPECT_EQ(o.out.find('\x1b'), std::string::npos);
    EXPECT_NE(o.out.find("esc\\x1b[2J\\x07.txt"), std::string::npos) << o.out;
}

TEST(CliShapes, ARerunSetsTheTimeOfEveryFolderOfTheSelection)
{
    HandMadeFolder f([&](tt::Catalogue &c, int64_t root) { HandMadeFolder::chain(c, root, 3, "sub"); });
    tk::TempDir dest("cli-shape-dest");
    // An interrupted run made the folders and left them with today's time.
    fs::create_directories(dest / "sub" / "sub" / "sub");
    auto o = extract({"restore", f.dir.str(), "--to", dest.str()});
    EXPECT_EQ(o.code, 0) << o.err;
    fs::path p = dest.path();
    for (int i = 0; i < 3; ++i) {
        p /= "sub";
        struct stat sb;
        ASSERT_EQ(::lstat(p.c_str(), &sb), 0);
        EXPECT_EQ(sb.st_mtime, 1500000000 + i) << p;
    }
}

} // namespace
