// The shared library exports exactly the calls of its Windows ordinal file:
// the fourteen of the ordinal table and the verify call after them.
#include "export_list.h"

#include <gtest/gtest.h>

TEST(VeskExports, SharedLibraryExportsExactlyTheOrdinalList)
{
    std::set<std::string> want = orvex::test::def_file_names(VESK_DEF_FILE);
    ASSERT_EQ(want.size(), 15u);
    EXPECT_EQ(want.count("fs_vesk_verify_file"), 1u);
    EXPECT_EQ(orvex::test::shared_object_exports(VESK_SHARED_LIB), want);
}
