// The shared library exports exactly the names of the Windows ordinal file,
// and the ten calls programs bind by ordinal keep their numbers.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <string>

TEST(TrellisExports, SharedLibraryExportsExactlyTheOrdinalList)
{
    std::set<std::string> want;
    std::map<int, std::string> ordinals;
    std::ifstream def(TRELLIS_DEF_FILE);
    std::string line;
    while (std::getline(def, line)) {
        auto at = line.find('@');
        if (at == std::string::npos)
            continue;
        auto first = line.find_first_not_of(" \t");
        std::string name = line.substr(first, line.find_first_of(" \t", first) - first);
        want.insert(name);
        ordinals[std::stoi(line.substr(at + 1))] = name;
    }
    const std::map<int, std::string> fixed{
        {1, "trellis_vesk_close"},         {2, "trellis_vesk_get_stat_sum"}, {3, "trellis_vesk_list_folder"},
        {4, "trellis_vesk_list_versions"}, {5, "trellis_vesk_open"},         {6, "trellis_vesk_open_v2"},
        {7, "trellis_vesk_open_v3"},       {8, "trellis_vesk_print_version"}, {9, "trellis_vesk_restore_file"},
        {10, "tvt_read_chunk"}};
    for (const auto &[n, name] : fixed)
        EXPECT_EQ(ordinals[n], name) << "ordinal " << n;

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
