#include "core/form_structure.h"

#include "test_support.h"

#include <gtest/gtest.h>

namespace tremaro {
namespace {

using Role = FormStructure::LineRole;

// What the correction does not show directly: the blocks' nesting, the groups' names and
// where each line stands, as a later reader of the form gets them.
TEST(FormStructure, scan_givesEachLineItsBlockAndGroup) {
    testing::TempFolder folder;
    testing::WriteBytes(folder.Path("form.frm"),
                        "VERSION 5.00\r\n"                      // 1
                        "Begin VB.Form Form1\r\n"               // 2  block 0
                        "   BeginProperty Font {0BE35203}\r\n"  // 3  group 0
                        "      Size = 8\r\n"                    // 4
                        "   Begin VB.PictureBox Picture1\r\n"   // 5  block 1 (in group 0)
                        "      EndProperty\r\n"                 // 6  ignored: a block is innermost
                        "      ScaleMode = 0 'User\r\n"         // 7
                        "   End\r\n"                            // 8  closes block 1
                        "      Name = \"Arial\"\r\n"            // 9  group 0 again
                        "   BeginProperty\t\tHeadFont\t\r\n"    // 10 group 1
                        "End\r\n"                               // 11 closes block 0 and both groups
                        "Begin VB.Label Label1\r\n");           // 12 after the description
    FormLines lines;
    ASSERT_EQ(lines.LoadFormFile(folder.Path("form.frm")), FormLines::LoadStatus::Loaded);
    const FormStructure structure = FormStructure::Scan(lines);

    const Role roles[] = {Role::Outside,    Role::BlockStart, Role::GroupStart, Role::Inside,
                          Role::BlockStart, Role::GroupEnd,   Role::Inside,     Role::BlockEnd,
                          Role::Inside,     Role::GroupStart, Role::BlockEnd,   Role::Outside};
    for (int line = 1; line <= 12; ++line)
        EXPECT_EQ(structure.PlaceOf(line).role, roles[line - 1]) << line;

    EXPECT_EQ(structure.BlockAt(1).parent, 0);
    EXPECT_EQ(structure.BlockAt(1).beginLine, 5);
    EXPECT_TRUE(structure.BlockAt(1).userScale);
    EXPECT_FALSE(structure.BlockAt(0).userScale);

    EXPECT_EQ(structure.GroupName(lines, 0), u"Font");
    EXPECT_EQ(structure.GroupName(lines, 1), u"HeadFont");
    EXPECT_EQ(structure.PlaceOf(4).group, 0);
    EXPECT_EQ(structure.PlaceOf(7).group, FormStructure::kNone);
    EXPECT_EQ(structure.PlaceOf(7).block, 1);
    EXPECT_EQ(structure.PlaceOf(9).group, 0);
    EXPECT_EQ(structure.PlaceOf(9).block, 0);
}

}  // namespace
}  // namespace tremaro
