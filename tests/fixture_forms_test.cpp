#include "cli/scale_command.h"
#include "core/code_page_choice.h"
#include "core/messages.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace tremaro {
namespace {

using testing::ReadBytes;

// Forms written for these tests after what public VB6 projects hold, each with the code page
// a reader of its language knows it is in, and the Charset of the Font group a correction to
// 120 % adds (none: no group, as in a form with a font of its own or an East Asian one).
struct Fixture {
    const char* file;
    CodePage page;
    const char* charsetAdded;
};

constexpr Fixture kFixtures[] = {
    {"greek_fonts161_undefined_key.frm", CodePage::Windows1253, "161"},  // a key value of 0xFF, undefined in 1253
    {"greek_fonts0_usercontrol.ctl", CodePage::Windows1253, "0"},        // its fonts say Western: never contradicted
    {"german_no_font.frm", CodePage::Windows1252, "0"},
    {"chinese_gbk_fonts134.frm", CodePage::Gbk, "none"},
    {"japanese_edition_comments.frm", CodePage::ShiftJis, "none"},  // its fonts say Western, its comments Japanese
    {"spanish_utf8.frm", CodePage::Utf8, "none"},                   // it has a font of its own
    {"russian_fonts0.frm", CodePage::Windows1251, "none"},
    {"turkish_fragment.frm", CodePage::Windows1254, "162"},
    {"hungarian_fonts0.frm", CodePage::Windows1250, "none"},
    {"mixed_cyrillic_latin.frm", CodePage::Windows1251, "204"},  // Cyrillic beside a Latin name, № and ©
    {"english_ascii.frm", CodePage::Windows1251, "1"},           // nothing names a script: the system's own
    {"korean_few_words.frm", CodePage::UnifiedHangul, "none"},
};

std::string FixturePath(const std::string& name) {
    return std::string(TREMARO_FIXTURE_FORMS) + "/" + name;
}

// The Charset line of a Font group right after a BeginProperty Font line that the form did
// not have: what the correction added.
std::string CharsetAdded(const std::string& before, const std::string& after) {
    const std::string opening = "   BeginProperty Font \r\n";
    const std::size_t at = after.find(opening);
    if (at == std::string::npos || before.find(opening) == at)
        return "none";
    const std::size_t charset = after.find("Charset         =   ", at) + 20;
    return after.substr(charset, after.find('\r', charset) - charset);
}

TEST(FixtureForms, eachIsReadInItsLanguagesCodePage_andScaledAsExpected) {
    for (const Fixture& fixture : kFixtures) {
        SCOPED_TRACE(fixture.file);
        const std::string form = ReadBytes(FixturePath(fixture.file));
        EXPECT_EQ(LowerCaseName(DecideCodePage(form).page), LowerCaseName(fixture.page));
        std::ostringstream out;
        std::ostringstream err;
        ASSERT_EQ(RunScaleCommand({"--stdout", "120", FixturePath(fixture.file)}, out, err), 0) << err.str();
        EXPECT_EQ(CharsetAdded(form, out.str()), fixture.charsetAdded);
        // Every byte the rules do not change comes back as it was, the undefined ones too.
        const std::string at120 = ReadBytes(FixturePath(std::string("at120/") + fixture.file));
        EXPECT_EQ(out.str(), at120);
        // The same percent for widths and heights is that percent.
        for (const char* twice : {"120x120", "120 \u00D7 120"}) {
            std::ostringstream twiceOut;
            ASSERT_EQ(RunScaleCommand({"--stdout", twice, FixturePath(fixture.file)}, twiceOut, err), 0) << err.str();
            EXPECT_EQ(twiceOut.str(), at120) << twice;
        }
    }
}

// Saved together as one batch, each in a folder of its own (so that each decides its code page
// alone), the forms are written as --stdout prints them, byte for byte; the truetype form's
// LF endings, CR LF lines and last line without an ending among them.
TEST(FixtureForms, savedInOneBatch_writeWhatStandardOutputPrints) {
    testing::TempFolder folder;
    std::vector<std::string> arguments = {"120"};
    std::vector<std::string> expected;
    for (const Fixture& fixture : kFixtures) {
        const std::string copy = folder.Path(std::string(fixture.file) + ".d/" + fixture.file);
        std::filesystem::create_directory(folder.Path(std::string(fixture.file) + ".d"));
        testing::WriteBytes(copy, ReadBytes(FixturePath(fixture.file)));
        arguments.push_back(copy);
        expected.push_back(ReadBytes(FixturePath(std::string("at120/") + fixture.file)));
    }
    const std::string truetype = folder.Path("truetype_fonts.frm");
    testing::WriteBytes(truetype, ReadBytes(FixturePath("truetype_fonts.frm")));
    arguments.push_back(truetype);
    std::ostringstream truetypeOut;
    std::ostringstream err;
    ASSERT_EQ(RunScaleCommand({"--stdout", "120", truetype}, truetypeOut, err), 0) << err.str();
    expected.push_back(truetypeOut.str());
    std::ostringstream out;
    ASSERT_EQ(RunScaleCommand(arguments, out, err), 0) << err.str();
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_TRUE(ReadBytes(arguments[i + 1]) == expected[i]) << arguments[i + 1] << " differs";
}

// A form with fonts of each kind, read with LF endings (CR LF on its Attribute lines, none on
// its last): with --truetype, the font groups' MS Sans Serif and Courier, in any case of
// letters, name their TrueType twins, and nothing else changes: not Arial or Courier New, not
// the same names outside a font group's Name, not the blanks after a name's quote.
TEST(FixtureForms, trueTypeFonts_nameTheTwinsOnly_atOneHundredAndEighty) {
    const std::string path = FixturePath("truetype_fonts.frm");
    for (const char* percent : {"100", "80"}) {
        SCOPED_TRACE(percent);
        std::ostringstream out;
        std::ostringstream err;
        ASSERT_EQ(RunScaleCommand({"--stdout", "--truetype", percent, path}, out, err), 0) << err.str();
        EXPECT_EQ(out.str(), ReadBytes(FixturePath(std::string("at") + percent + "_truetype/truetype_fonts.frm")));
        EXPECT_EQ(err.str(), testing::Printed(messages::CorrectionFinished()));
    }
    // Without the choice, the grid's heading in MS Sans Serif at 7.5 points is said to show
    // larger, at 100 % too, as are the form's 8.25 at 80 %.
    for (const char* percent : {"100", "80"}) {
        std::ostringstream out;
        std::ostringstream err;
        ASSERT_EQ(RunScaleCommand({"--stdout", percent, path}, out, err), 0) << err.str();
        EXPECT_EQ(out.str().find("Microsoft Sans Serif"), std::string::npos);
        EXPECT_EQ(err.str(),
                  testing::Printed(MessageLines{messages::CorrectionFinished(), messages::BitmapSansSerifTooSmall()}));
    }
}

}  // namespace
}  // namespace tremaro
