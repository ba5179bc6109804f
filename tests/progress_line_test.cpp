#include "cli/progress_line.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tremaro {
namespace {

TEST(ProgressLine, showsTheFormARunIsAtOnlyAfterItsQuietTime_andWipesItselfAtTheEnd) {
    std::ostringstream terminal;
    {
        ProgressLine quick(&terminal, 3, std::chrono::hours(1));
        quick.At(1, "one/form1.frm");
    }
    EXPECT_EQ(terminal.str(), "");
    {
        ProgressLine noTerminal(nullptr, 3, std::chrono::seconds(0));
        noTerminal.At(1, "one/form1.frm");
    }
    {
        ProgressLine slow(&terminal, 60, std::chrono::seconds(0));
        slow.At(11, "/work/App/frmAbout.frm");
        slow.At(12, "/work/App/Dialogs/frmMain.frm");
        EXPECT_EQ(terminal.str(), "\r\x1b[K[11/60] frmAbout.frm\r\x1b[K[12/60] frmMain.frm");
    }
    EXPECT_EQ(terminal.str(), "\r\x1b[K[11/60] frmAbout.frm\r\x1b[K[12/60] frmMain.frm\r\x1b[K");
}

}  // namespace
}  // namespace tremaro
