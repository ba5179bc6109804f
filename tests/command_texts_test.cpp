#include "cli/command_texts.h"

#include "platform/translation.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace tremaro {
namespace {

// Every text of the command lines, made with arguments that can be told apart (and that
// carry placeholders of their own, which must come out as they went in), listed in the
// order the Bulgarian sentence names them.
struct Sample {
    std::string name;
    std::function<std::string()> text;
    std::vector<std::string> arguments;
    bool sameInEnglish = false;  // a pattern of placeholders alone
};

std::vector<Sample> Samples() {
    using namespace command_texts;
    return {
        {"ScaleUsage", [] { return std::string(ScaleUsage()); }, {}},
        {"PreviewUsage", [] { return std::string(PreviewUsage()); }, {}},
        {"WindowUsage", [] { return std::string(WindowUsage()); }, {}},
        {"WrongCommandLine", [] { return std::string(WrongCommandLine()); }, {}},
        {"OutputNotWritten", [] { return std::string(OutputNotWritten()); }, {}},
        {"PictureNotDrawn", [] { return std::string(PictureNotDrawn()); }, {}},
        {"PictureNotWritten", [] { return PictureNotWritten("/f/%2a.png"); }, {"/f/%2a.png"}},
        {"UnknownCodePage", [] { return UnknownCodePage("koi8-%1"); }, {"koi8-%1"}},
        {"ReportTitle", [] { return ReportTitle("1%2"); }, {"1%2"}},
        {"ReportCount of one", [] { return ReportCount(0, 1); }, {"0", "1"}},
        {"ReportCount", [] { return ReportCount(2, 5); }, {"2", "5"}},
        {"ReportNoNewProblems", [] { return std::string(ReportNoNewProblems()); }, {}},
        {"ReportNotWritten", [] { return ReportNotWritten("r%1/index.html"); }, {"r%1/index.html"}},
        {"InForm", [] { return InForm("a%2.frm", "said %1"); }, {"a%2.frm", "said %1"}, true},
        {"DesignerNotScaled", [] { return DesignerNotScaled("Data%1.Dsr"); }, {"Data%1.Dsr"}},
        {"ProjectNotSaved", [] { return ProjectNotSaved("App%2.vbp"); }, {"App%2.vbp"}},
        {"ProjectPartlySaved of one", [] { return ProjectPartlySaved("A%3%2.vbp", 1, 4); }, {"A%3%2.vbp", "1", "4"}},
        {"ProjectPartlySaved", [] { return ProjectPartlySaved("A%3%2.vbp", 7, 9); }, {"A%3%2.vbp", "7", "9"}},
    };
}

// The language for as long as it lives; Bulgarian, the program's own, afterwards.
class InLanguage {
public:
    explicit InLanguage(const std::string& locale) { UseLanguage(locale); }
    ~InLanguage() { UseLanguage("bg"); }
    InLanguage(const InLanguage&) = delete;
    InLanguage& operator=(const InLanguage&) = delete;
};

std::string TextIn(const std::string& locale, const Sample& sample) {
    const InLanguage language(locale);
    return sample.text();
}

bool HasCyrillic(const std::string& text) {
    // Cyrillic letters are two bytes in UTF-8, led by 0xD0 … 0xD3.
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0xD0 && byte <= 0xD3)
            return true;
    }
    return false;
}

bool HasPlaceholder(const std::string& text) {
    for (std::size_t at = 0; at + 1 < text.size(); ++at)
        if (text[at] == '%' && text[at + 1] >= '1' && text[at + 1] <= '9')
            return true;
    return false;
}

TEST(CommandTexts, bulgarian_namesEachArgument_asItIs_inTheOrderOfItsSentence) {
    for (const Sample& sample : Samples()) {
        SCOPED_TRACE(sample.name);
        const std::string text = TextIn("bg", sample);
        EXPECT_TRUE(HasCyrillic(text) || sample.sameInEnglish) << text;
        std::size_t after = 0;
        for (const std::string& argument : sample.arguments) {
            const std::size_t at = text.find(argument, after);
            ASSERT_NE(at, std::string::npos) << "no " << argument << " after position " << after << " in " << text;
            after = at + argument.size();
        }
    }
}

TEST(CommandTexts, english_translatesEveryText_andKeepsEachArgument) {
    for (const Sample& sample : Samples()) {
        SCOPED_TRACE(sample.name);
        const std::string bulgarian = TextIn("bg", sample);
        const std::string english = TextIn("en_US.UTF-8", sample);
        if (!sample.sameInEnglish) {
            EXPECT_NE(english, bulgarian);
        }
        EXPECT_FALSE(HasCyrillic(english)) << english;
        std::string rest = english;
        for (const std::string& argument : sample.arguments) {
            const std::size_t at = rest.find(argument);
            ASSERT_NE(at, std::string::npos) << "no " << argument << " in " << english;
            rest.erase(at, argument.size());
        }
        // Nothing the catalogue left unfilled: the arguments' own placeholders are gone with them.
        EXPECT_FALSE(HasPlaceholder(rest)) << english;
    }
    // The language is Bulgarian again when the English has gone.
    EXPECT_TRUE(HasCyrillic(command_texts::WrongCommandLine()));
}

}  // namespace
}  // namespace tremaro
