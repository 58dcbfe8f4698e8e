// The shared library exports exactly its ten calls, the names of the
// Windows ordinal file.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <set>
#include <string>

TEST(TrellisExports, SharedLibraryExportsExactlyTheOrdinalList)
{
    std::set<std::string> want;
    std::ifstream def(TRELLIS_DEF_FILE);
    std::string line;
    while (std::getline(def, line)) {
        auto at = line.find('@');
        if (at == std::string::npos)
            continue;
        auto first = line.find_first_not_of(" \t");
        want.insert(line.substr(first, line.find_first_of(" \t", first) - first));
    }
    ASSERT_EQ(want.size(), 10u);

    std::string cmd = std::string("nm -D --defined-only '") + TRELLIS_SHARED_LIB + "' 2>/dev/null";
    FILE *p = popen(cmd.c_str(), "r");
    ASSERT_NE(p, nullptr);
    std::set<std::string> got;
    char buf[1024];
    while (std::fgets(buf, sizeof buf, p)) {
        std::string l(buf);
        // "<address> T <name>": only code and data defined here.
        if (l.size() > 19 && (l[17] == 'T' || l[17] == 'D' || l[17] == 'B')) {
            std::string name = l.substr(19);
            name.erase(name.find_last_not_of("\n") + 1);
            got.insert(name);
        }
    }
    pclose(p);
    EXPECT_EQ(got, want);
}
