#include "core/vb_project.h"
#include "core/project_forms.h"

#include "test_support.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace tremaro {
namespace {

using testing::TempFolder;
using testing::WriteBytes;

TEST(ProjectFileRole, isTakenFromTheFirstLineNotTheName) {
    EXPECT_EQ(RoleOfFile("Type=Exe\r\nForm=frmMain.frm\r\n"), FileRole::Project);
    EXPECT_EQ(RoleOfFile("\xEF\xBB\xBF\r\n  type = OleDll\r\n"), FileRole::Project);
    EXPECT_EQ(RoleOfFile("VBGROUP 5.0\r\nStartupProject=App.vbp\r\n"), FileRole::Group);
    EXPECT_EQ(RoleOfFile("VERSION 5.00\r\nBegin VB.Form Form1\r\nEnd\r\nType=Exe\r\n"), FileRole::Form);
    EXPECT_EQ(RoleOfFile(""), FileRole::Form);
}

TEST(ProjectListingTest, namesFormsAndDesignersButNotModulesClassesOrReferences) {
    const ProjectListing listing = ReadProjectListing(
        "Type=Exe\r\n"
        "Reference=*\\G{00020430-0000-0000-C000-000000000046}#2.0#0#..\\stdole2.tlb#OLE Automation\r\n"
        "Form=frmMain.frm\r\n"
        "Module=modMain; modMain.bas\r\n"
        "Class=clsData; clsData.cls\r\n"
        "UserControl=Controls\\Gauge.ctl\r\n"
        "PropertyPage = \"Pages\\Colors.pag\" \r\n"
        "UserDocument=Doc.dob\n"
        "Designer=DataEnvironment1.Dsr\r\n"
        "Object={831FDD16-0C5C-11D2-A9FC-0000F8754DA1}#2.0#0; MSCOMCTL.OCX\r\n"
        "Startup=\"frmMain\"\r\n");
    EXPECT_EQ(listing.forms,
              (std::vector<std::string>{"frmMain.frm", "Controls\\Gauge.ctl", "Pages\\Colors.pag", "Doc.dob"}));
    EXPECT_EQ(listing.designers, std::vector<std::string>{"DataEnvironment1.Dsr"});
    EXPECT_TRUE(listing.projects.empty());
}

class ProjectMembersTest : public ::testing::Test {
protected:
    std::string Make(const std::string& path, const std::string& bytes = "VERSION 5.00\r\n") {
        std::filesystem::create_directories(std::filesystem::path(folder_.Path(path)).parent_path());
        WriteBytes(folder_.Path(path), bytes);
        return folder_.Path(path);
    }
    std::string At(const std::string& path) const { return folder_.Path(path); }

    TempFolder folder_;
};

TEST_F(ProjectMembersTest, aProjectWrittenOnWindows_findsItsFormsInTwoFoldersWhateverTheirCase) {
    Make("app/frmMain.frm");
    Make("app/Dialogs/frmAbout.frm");
    Make("shared/Gauge.ctl");
    const std::string project = Make("app/App.vbp",
                                     "Type=Exe\r\n"
                                     "Form=frmMain.frm\r\n"
                                     "Form=DIALOGS\\FRMABOUT.FRM\r\n"
                                     "UserControl=..\\Shared\\gauge.ctl\r\n"
                                     "Form=FrmMain.frm\r\n"
                                     "Designer=DataEnvironment1.Dsr\r\n");
    const ProjectMembers members = MembersOfProjects(std::vector{project});
    EXPECT_EQ(members.forms, (std::vector<std::string>{At("app/frmMain.frm"), At("app/Dialogs/frmAbout.frm"),
                                                       At("app/../shared/Gauge.ctl")}));
    EXPECT_EQ(members.designers, std::vector<std::string>{At("app/DataEnvironment1.Dsr")});
    EXPECT_TRUE(members.unreadableListings.empty());
}

TEST_F(ProjectMembersTest, aGroupOfTwoProjectsSharingAForm_listsTheFormOnce) {
    Make("one/Main.frm");
    Make("common/Login.frm");
    Make("two/Report.frm");
    Make("one/One.vbp", "Type=Exe\r\nForm=Main.frm\r\nForm=..\\common\\Login.frm\r\n");
    Make("two/Two.vbp", "Type=Exe\r\nForm=Report.frm\r\nForm=..\\COMMON\\login.frm\r\n");
    const std::string group = Make(
        "All.vbg", "VBGROUP 5.0\r\nStartupProject=one\\One.vbp\r\nProject=two\\Two.vbp\r\nProject=One\\ONE.VBP\r\n");
    EXPECT_EQ(MembersOfProjects(std::vector{group}).forms,
              (std::vector<std::string>{At("one/Main.frm"), At("one/../common/Login.frm"), At("two/Report.frm")}));
}

TEST_F(ProjectMembersTest, aFormFoundNowhereOrInTwoSpellings_staysAsWritten_andAnUnreadableProjectIsNamed) {
    Make("app/Main.frm");
    Make("app/MAIN.FRM");
    const std::string project = Make("app/App.vbp", "Type=Exe\r\nForm=main.frm\r\nForm=Gone.frm\r\n");
    const ProjectMembers members = MembersOfProjects(std::vector{project, At("app/Missing.vbp")});
    EXPECT_EQ(members.forms, (std::vector<std::string>{At("app/main.frm"), At("app/Gone.frm")}));
    EXPECT_EQ(members.unreadableListings, std::vector<std::string>{At("app/Missing.vbp")});
}

// The window lists a project's forms by their own captions, read in the code page the
// project's forms decide together: the Greek form's fonts decide it for the ASCII one in
// another folder too. A control's caption is not the form's; a form not there is listed.
TEST_F(ProjectMembersTest, formsOfProject_giveTheFormsOwnCaptionInTheProjectsCodePage) {
    Make("app/Customers.frm",
         "VERSION 5.00\r\nBegin VB.Form frmCustomers\r\n   BeginProperty Font\r\n      Charset = 161\r\n"
         "   EndProperty\r\n   Caption = \"\xD0\xE5\xEB\xDC\xF4\xE5\xF2\"\r\n   Begin VB.CommandButton cmdOk\r\n"
         "      Caption = \"OK\"\r\n   End\r\nEnd\r\n");
    Make("app/Dialogs/About.frm", "Begin VB.Form frmAbout\r\n   Caption = \"About \"\"Tremaro\"\"\"\r\nEnd\r\n");
    Make("app/Dialogs/Splash.frm", "Begin VB.Form frmSplash\r\n   Begin VB.Label lbl\r\n      Caption = \"Wait\"\r\n");
    const std::string project = Make("app/App.vbp",
                                     "Type=Exe\r\nForm=Customers.frm\r\nForm=dialogs\\about.FRM\r\nForm=Gone.frm\r\n"
                                     "Form=Dialogs\\Splash.frm\r\n");
    const std::vector<ProjectForm> forms = FormsOfProject(project);
    ASSERT_EQ(forms.size(), 4u);
    EXPECT_EQ(forms[0].path, At("app/Customers.frm"));
    EXPECT_EQ(forms[0].caption, u"Πελάτες");
    EXPECT_EQ(forms[1].path, At("app/Dialogs/About.frm"));
    EXPECT_EQ(forms[1].caption, u"About \"Tremaro\"");
    EXPECT_EQ(forms[1].codePage.page, CodePage::Windows1253);
    EXPECT_EQ(forms[1].codePage.basis, CodePageBasis::Folder);
    EXPECT_EQ(forms[2].path, At("app/Gone.frm"));
    EXPECT_FALSE(forms[2].found);
    EXPECT_TRUE(forms[2].caption.empty());
    EXPECT_TRUE(forms[0].found && forms[1].found && forms[3].found);
    EXPECT_TRUE(forms[3].caption.empty());
}

}  // namespace
}  // namespace tremaro
