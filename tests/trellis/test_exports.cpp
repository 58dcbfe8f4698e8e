// The shared library exports exactly its ten calls, the names of the
// Windows ordinal file.
#include "export_list.h"

#include <gtest/gtest.h>

TEST(TrellisExports, SharedLibraryExportsExactlyTheOrdinalList)
{
    std::set<std::string> want = orvex::test::def_file_names(TRELLIS_DEF_FILE);
    ASSERT_EQ(want.size(), 10u);
    EXPECT_EQ(orvex::test::shared_object_exports(TRELLIS_SHARED_LIB), want);
}
