// The shared library exports exactly the calls of the Windows ordinal file,
// and the first ten keep the ordinals programs bind to.
#include "export_list.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>

namespace {

std::map<int, std::string> names_by_ordinal(const std::string &def)
{
    std::map<int, std::string> by_ordinal;
    std::ifstream in(def);
    std::string line;
    while (std::getline(in, line)) {
        auto at = line.find('@');
        auto first = line.find_first_not_of(" \t");
        if (at == std::string::npos || line[first] == ';')
            continue;
        by_ordinal[std::stoi(line.substr(at + 1))] = line.substr(first, line.find_first_of(" \t", first) - first);
    }
    return by_ordinal;
}

} // namespace

TEST(TrellisExports, SharedLibraryExportsExactlyTheOrdinalList)
{
    std::set<std::string> want = orvex::test::def_file_names(TRELLIS_DEF_FILE);
    std::map<int, std::string> by_ordinal = names_by_ordinal(TRELLIS_DEF_FILE);
    const std::map<int, std::string> fixed{
        {1, "trellis_vesk_close"},         {2, "trellis_vesk_get_stat_sum"}, {3, "trellis_vesk_list_folder"},
        {4, "trellis_vesk_list_versions"}, {5, "trellis_vesk_open"},         {6, "trellis_vesk_open_v2"},
        {7, "trellis_vesk_open_v3"},       {8, "trellis_vesk_print_version"}, {9, "trellis_vesk_restore_file"},
        {10, "tvt_read_chunk"}};
    for (const auto &[ordinal, name] : fixed)
        EXPECT_EQ(by_ordinal[ordinal], name) << "ordinal " << ordinal;
    EXPECT_EQ(by_ordinal.size(), want.size()) << "an ordinal is used twice";
    EXPECT_EQ(orvex::test::shared_object_exports(TRELLIS_SHARED_LIB), want);
}
