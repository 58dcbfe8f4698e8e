// Job information file: job id and signature in both text forms, the base64
// decoder, and the password check against a signature made by the test kit.
#include "trellis_fixture.h"

#include <cstring>

using namespace orvex::trellis;
using namespace trellis_test;

TEST(TrellisJobInfo, JobIdForms)
{
    const std::string id = kJobId;
    struct Case {
        const char *what;
        std::string text;
        int rc;
    } cases[] = {
        {"key/value", "job id: " + id + "\nname: x\n", 0},
        {"key/value without final line feed", "job id: " + id, 0},
        {"json", "{\"job_id\": \"" + id + "\", \"x\": 1}", 0},
        {"key/value wins over json", "job id: " + id + "\n{\"job_id\": \"short\"}", 0},
        {"carriage return makes 37 characters", "job id: " + id + "\r\n", -1},
        {"json without closing quote", "{\"job_id\": \"" + id, -1},
        {"too short", "job id: 1234\n", -1},
        {"absent", "name: x\n", -1},
        {"json key without blank", "{\"job_id\":\"" + id + "\"}", -1},
    };
    for (const auto &c : cases) {
        std::string got;
        EXPECT_EQ(get_job_id(c.text, got), c.rc) << c.what;
        if (c.rc == 0) {
            EXPECT_EQ(got, id) << c.what;
        }
    }
}

TEST(TrellisJobInfo, SignatureForms)
{
    struct Case {
        const char *what;
        std::string text;
        int rc;
        std::string sig;
    } cases[] = {
        {"key/value", "job id: x\nsignature: QUJD\n", 0, "QUJD"},
        {"json", "{\"signature\": \"QUJD\"}", 0, "QUJD"},
        {"json null counts as none", "{\"signature\": null, \"x\": 1}\nsignature: QUJD\n", 0, ""},
        {"json wins over key/value", "signature: AAAA\n{\"signature\": \"QUJD\"}", 0, "QUJD"},
        {"empty value is none", "signature: \n", 0, ""},
        {"absent is none", "job id: x\n", 0, ""},
        {"json without closing quote", "{\"signature\": \"QUJD", -1, ""},
        {"key/value without line feed", "signature: QUJD", -1, ""},
    };
    for (const auto &c : cases) {
        std::string got = "junk";
        EXPECT_EQ(get_signature(c.text, got), c.rc) << c.what;
        if (c.rc == 0) {
            EXPECT_EQ(got, c.sig) << c.what;
        }
    }
    std::string huge = "signature: " + std::string(5000, 'A') + "\n", got;
    ASSERT_EQ(get_signature(huge, got), 0);
    EXPECT_EQ(got.size(), 4095u);
}

TEST(TrellisJobInfo, Base64Decoder)
{
    struct Case {
        const char *in;
        std::string out;
    } cases[] = {
        {"", ""},
        {"TWFu", "Man"},
        {"TWE=", "Ma"},
        {"TQ==", "M"},
        {"TWFuTWE=", "ManMa"},
        {"=AAA", ""},           // padding first: the group gives nothing
        {"T=AA", ""},           // padding second: nothing either
        {"TW*u", "M"},          // a stranger ends its group where it stands
        {"TW*uTWFu", "MMan"},   // ... and decoding goes on with the next group
        {"TWF", "Ma"},          // a short last group
    };
    for (const auto &c : cases) {
        unsigned char buf[64];
        size_t n = b64_Decode_Ex(c.in, std::strlen(c.in), buf, sizeof buf);
        EXPECT_EQ(std::string(reinterpret_cast<char *>(buf), n), c.out) << c.in;
        EXPECT_EQ(buf[n], 0) << c.in;
    }
    // The destination bounds the output, keeping one byte for the NUL.
    unsigned char small[3];
    EXPECT_EQ(b64_Decode_Ex("TWFuTWFu", 8, small, sizeof small), 2u);
    EXPECT_EQ(small[2], 0);
}

TEST(TrellisJobInfo, PasswordCheck)
{
    const std::string sig = tt::make_signature("correct horse", kJobId, 7);
    EXPECT_EQ(check_password(kJobId, sig, "correct horse"), 0);
    EXPECT_EQ(check_password(kJobId, sig, "correct hors"), -1);
    EXPECT_EQ(check_password(kJobId, sig, ""), -1);
    // Another job's signature does not verify this job.
    EXPECT_EQ(check_password(kJobId, tt::make_signature("correct horse", tt::make_job_id(3), 7), "correct horse"), -1);
    // An empty password is a password like any other.
    EXPECT_EQ(check_password(kJobId, tt::make_signature("", kJobId, 1), ""), 0);
    // Too short to hold a job id, or not base64 at all.
    EXPECT_EQ(check_password(kJobId, "QUJD", "x"), -1);
    EXPECT_EQ(check_password(kJobId, "!!!!", "x"), -1);
}

TEST(TrellisJobInfo, Key32RepeatsThePassword)
{
    unsigned char key[32];
    make_32bits_key("abcde", key);
    std::string expect = "abcdeabcdeabcdeabcdeabcdeabcdeab";
    EXPECT_EQ(std::string(reinterpret_cast<char *>(key), 32), expect);
}
