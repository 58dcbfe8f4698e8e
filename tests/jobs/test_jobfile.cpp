// The program's job files: a definition and a state come back unchanged
// whatever their names and password hold, files are private and replaced
// whole, either separator form reads back as the platform's own, and every
// kind of damage is refused with a reason instead of half a job.
#include "jobfile.h"
#include "testkit/tempdir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <sys/stat.h>

namespace oj = orvex::jobs;
namespace fs = std::filesystem;

namespace {

oj::JobDefinition sample()
{
    oj::JobDefinition j;
    j.id = 250;
    j.source = "/backups/Photos; 2024";
    j.password = "pässwörd=;%\n";
    j.estimated_size = 5LL << 40;
    j.target = "/home/u/restored";
    j.created = 4102444800LL; // past 2038
    j.extract_all = true;
    j.policy = 2;
    const char *names[] = {"plain.txt", "semi; colon", "two\nlines", "100%25 literal", "] [ brackets", "日本語.doc"};
    for (int i = 0; i < 6; ++i) {
        oj::JobItem it;
        it.name = names[i];
        it.parent = i % 2 ? "\\" : "\\docs\\sub; dir";
        it.size = i == 3 ? -1 : (1LL << 33) + i;
        it.mtime = -5 + i;
        it.is_dir = i % 3 == 0;
        it.version = 7 + i;
        it.check_state = 2;
        it.overwrite = i == 1;
        it.dest_folder = "/home/u/restored/Photos; 2024/20240102_0304";
        it.open_file = i == 2;
        it.folder_count = i * 10;
        it.file_count = i * 100;
        j.items.push_back(it);
    }
    return j;
}

std::string slurp(const fs::path &p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// `text` with the first occurrence of `from` replaced by `to`.
std::string replaced(std::string text, const std::string &from, const std::string &to)
{
    size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
    return text;
}

} // namespace

TEST(JobFiles, DefinitionAndStateComeBackUnchanged)
{
    orvex::testkit::TempDir dir("jobfile");
    const oj::JobDefinition want = sample();
    const fs::path path = dir / oj::job_file_name(want.id);
    std::string error;
    ASSERT_TRUE(oj::write_private_file(path.string(), oj::format_job(want), true, error)) << error;
    struct stat sb;
    ASSERT_EQ(::stat(path.c_str(), &sb), 0);
    EXPECT_EQ(sb.st_mode & 0777, 0600u) << "the file holds the password";

    std::string text;
    ASSERT_TRUE(oj::read_job_text(path.string(), text, error)) << error;
    EXPECT_NE(text.find("Job ID=250\nVESK File=/backups/Photos%3B 2024\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("pässwörd"), std::string::npos) << "the password is stored as Base64";
    oj::JobDefinition got;
    ASSERT_TRUE(oj::parse_job(text, got, error)) << error;
    EXPECT_EQ(got, want);

    const oj::JobState state{oj::kExtracting, 12, "\\docs\\semi; colon\nline"};
    oj::JobState back;
    ASSERT_TRUE(oj::parse_state(oj::format_state(state), back, error)) << error;
    EXPECT_EQ(back, state);

    // Written by a program of the other separator form.
    std::string windows = replaced(text, "VESK File=/backups/Photos", "VESK File=\\backups\\Photos");
    windows = replaced(windows, "Target Path=/home/u/restored", "Target Path=\\home\\u\\restored\\");
    ASSERT_TRUE(oj::parse_job(windows, got, error)) << error;
    EXPECT_EQ(got.source, "/backups/Photos; 2024");
    EXPECT_EQ(got.target, "/home/u/restored");
}

TEST(JobFiles, DamagedFilesAreRefusedWithAReason)
{
    const std::string good = oj::format_job(sample());
    std::string no_count = good.substr(0, good.rfind('\n', good.size() - 2) + 1); // the last item line gone
    struct Case {
        const char *what;
        std::string text;
    } cases[] = {
        {"empty", ""},
        {"missing key", replaced(good, "Conflict Policy=2\n", "")},
        {"repeated key", replaced(good, "Extract All=1\n", "Extract All=1\nExtract All=0\n")},
        {"id 0", replaced(good, "Job ID=250", "Job ID=0")},
        {"id 251", replaced(good, "Job ID=250", "Job ID=251")},
        {"id not a number", replaced(good, "Job ID=250", "Job ID=25O")},
        {"size not a number", replaced(good, "Estimated Size=", "Estimated Size=x")},
        {"negative size", replaced(good, "Estimated Size=", "Estimated Size=-")},
        {"policy 3", replaced(good, "Conflict Policy=2", "Conflict Policy=3")},
        {"huge number", replaced(good, "Creation Time=", "Creation Time=99999999999999999999")},
        {"password not Base64", replaced(good, "Decrypt Password=", "Decrypt Password=*")},
        {"too few item lines", no_count},
        {"too many item lines", good + good.substr(good.find("[ "))},
        {"item line cut short", replaced(good, "; fileCount=0 ]", "; fileCount=0")},
        {"item field missing", replaced(good, "; openfile=0", "")},
        {"item type 2", replaced(good, "type=1", "type=2")},
        {"item name empty", replaced(good, "filename=plain.txt", "filename=")},
        {"stray line", replaced(good, "Extract All=1\n", "Extract All=1\nno equals sign\n")},
    };
    for (const Case &c : cases) {
        oj::JobDefinition out;
        std::string error;
        EXPECT_FALSE(oj::parse_job(c.text, out, error)) << c.what;
        EXPECT_FALSE(error.empty()) << c.what;
    }

    struct StateCase {
        const char *what;
        std::string text;
    } states[] = {
        {"empty", ""},
        {"status missing", "Version ID=1\nRestoring File=\\a\n"},
        {"file missing", "Status=1\nVersion ID=1\n"},
        {"status 4 is never stored", "Status=4\nVersion ID=1\nRestoring File=\n"},
        {"status 7", "Status=7\nVersion ID=1\nRestoring File=\n"},
        {"version not a number", "Status=1\nVersion ID=one\nRestoring File=\\a\n"},
    };
    for (const StateCase &c : states) {
        oj::JobState out;
        std::string error;
        EXPECT_FALSE(oj::parse_state(c.text, out, error)) << c.what;
    }
}

TEST(JobFiles, Base64IsStrict)
{
    struct Case {
        std::string plain, coded;
    } cases[] = {{"", ""}, {"f", "Zg=="}, {"fo", "Zm8="}, {"foo", "Zm9v"}, {std::string("\xff\x00\x10", 3), "/wAQ"}};
    for (const Case &c : cases) {
        EXPECT_EQ(oj::base64_encode(c.plain), c.coded);
        std::string back;
        EXPECT_TRUE(oj::base64_decode(c.coded, back));
        EXPECT_EQ(back, c.plain);
    }
    for (const char *bad : {"Zg=", "Zg=a", "Z===", "Zh==", "Zm9=", "Zm 9", "Zg==Zg==", "===="}) {
        std::string out;
        EXPECT_FALSE(oj::base64_decode(bad, out)) << bad;
    }
}

TEST(JobFiles, StateFileKeepsTheLatestOfStatusAndResumePoint)
{
    orvex::testkit::TempDir dir("jobstate");
    const fs::path path = dir / oj::state_file_name(3);
    // A link planted at the name is replaced, never written through.
    std::ofstream(dir / "elsewhere") << "untouched";
    fs::create_symlink(dir / "elsewhere", path);
    oj::JobStateFile file(path.string(), oj::JobState{});
    ASSERT_TRUE(file.save()) << file.last_error();
    ASSERT_TRUE(file.set_resume_point(2, "\\a\\b.txt"));
    ASSERT_TRUE(file.set_status(oj::kPaused));
    EXPECT_EQ(slurp(dir / "elsewhere"), "untouched");
    EXPECT_FALSE(fs::is_symlink(path));
    oj::JobState back;
    std::string error;
    ASSERT_TRUE(oj::parse_state(slurp(path), back, error)) << error;
    EXPECT_EQ(back, (oj::JobState{oj::kPaused, 2, "\\a\\b.txt"}));
    std::vector<std::string> left;
    for (const auto &e : fs::directory_iterator(dir.path()))
        left.push_back(e.path().filename().string());
    EXPECT_EQ(left.size(), 2u) << "no temporary file stays behind";

    // A folder that cannot be written: the failure is reported, not hidden.
    oj::JobStateFile lost((dir / "missing" / "Job1.jobs").string(), oj::JobState{});
    EXPECT_FALSE(lost.set_status(oj::kExtracting));
    EXPECT_NE(lost.last_error().find("missing"), std::string::npos) << lost.last_error();
}
