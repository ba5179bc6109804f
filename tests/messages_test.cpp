#include "core/messages.h"
#include "platform/translation.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace tremaro {
namespace {

// The core's messages are tested by what they are and what fills them; their words live in
// the sources (Bulgarian) and in the catalogues, never again here.
class MessagesTest : public ::testing::Test {
protected:
    void TearDown() override { UseLanguage("bg"); }

    static std::string In(const std::string& language, const Message& message) {
        UseLanguage(language);
        return TextOf(message);
    }
};

std::size_t Occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

// The languages the build made a catalogue for, besides Bulgarian.
std::vector<std::string> TranslatedLanguages() {
    std::vector<std::string> languages;
    std::istringstream list(TREMARO_TRANSLATED_LANGUAGES);
    for (std::string language; std::getline(list, language, ';');)
        languages.push_back(language);
    return languages;
}

// The locale's variables as they were, put back when the test ends.
class KeptEnvironment {
public:
    KeptEnvironment() {
        for (const char* name : kNames)
            if (const char* value = std::getenv(name))
                values_[name] = value;
    }
    ~KeptEnvironment() {
        for (const char* name : kNames)
            ::unsetenv(name);
        for (const auto& [name, value] : values_)
            ::setenv(name.c_str(), value.c_str(), 1);
    }
    KeptEnvironment(const KeptEnvironment&) = delete;
    KeptEnvironment& operator=(const KeptEnvironment&) = delete;

private:
    static constexpr const char* kNames[] = {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"};
    std::map<std::string, std::string> values_;
};

// As many marked arguments as the Bulgarian sentence has places.
Message Marked(MessageId id) {
    const std::string pattern = PatternOf(id);
    Message message{id, {}, 2};
    for (char number = '1'; number <= '9' && pattern.find(std::string("%") + number) != std::string::npos; ++number)
        message.arguments.push_back(std::string("<arg") + number + ">");
    return message;
}

TEST_F(MessagesTest, everyMessageHasATextInEachLanguageThatNamesEachArgumentOnce) {
    ASSERT_FALSE(TranslatedLanguages().empty());
    for (const std::string& language : TranslatedLanguages()) {
        for (int i = 0; i < kMessageIdCount; ++i) {
            const Message message = Marked(static_cast<MessageId>(i));
            SCOPED_TRACE(language + ": " + PatternOf(message.id));
            const std::string bulgarian = In("bg", message);
            const std::string translated = In(language, message);
            EXPECT_NE(translated, bulgarian);
            for (const std::string& argument : message.arguments) {
                EXPECT_EQ(Occurrences(bulgarian, argument), 1u) << argument;
                EXPECT_EQ(Occurrences(translated, argument), 1u) << argument;
            }
            EXPECT_EQ(translated.find('%'), std::string::npos) << "a place left unfilled";
        }
    }
}

// A file may be named like a placeholder, or hold a line break; its name goes in as it is,
// and the sentence's own places are filled in the order the language needs.
TEST_F(MessagesTest, argumentsGoInAsTheyAre) {
    const Message message = messages::BackupRefused("/f/100%2\n.frm", "/f/%1.bak");
    for (const char* language : {"bg", "en"}) {
        const std::string text = In(language, message);
        const auto form = text.find("/f/100%2\n.frm");
        const auto backup = text.find("/f/%1.bak");
        ASSERT_NE(form, std::string::npos) << language;
        ASSERT_NE(backup, std::string::npos) << language;
        EXPECT_LT(form, backup) << language;
    }
}

// A message box breaks lines with CR LF, in every language; the lines of a report are joined
// the same way.
TEST_F(MessagesTest, linesBreakWithCarriageReturnAndLineFeed) {
    for (const char* language : {"bg", "en"}) {
        const std::string text = In(language, messages::PercentRefused());
        EXPECT_EQ(Occurrences(text, "\r\n"), 1u) << language;
        EXPECT_EQ(Occurrences(text, "\n"), 1u) << language;
        const std::string report = TextOf(MessageLines{messages::Saved("a.frm"), messages::OriginalKeptAs("a.bak")});
        EXPECT_EQ(report, TextOf(messages::Saved("a.frm")) + "\r\n" + TextOf(messages::OriginalKeptAs("a.bak")));
    }
}

TEST_F(MessagesTest, countsTakeTheirLanguagesPluralForm) {
    EXPECT_TRUE(In("en", messages::UnlistedProblems(1, false)).ends_with(" 1 more problem."));
    EXPECT_TRUE(In("en", messages::UnlistedProblems(235, false)).ends_with(" 235 more problems."));
    EXPECT_TRUE(In("en", messages::UnlistedProblems(1, true)).ends_with(" 1 more problem."));
    EXPECT_TRUE(In("bg", messages::UnlistedProblems(1, false)).ends_with(" 1 проблем."));
    EXPECT_TRUE(In("bg", messages::UnlistedProblems(235, false)).ends_with(" 235 проблема."));
    // "at least one" is many in Bulgarian.
    EXPECT_TRUE(In("bg", messages::UnlistedProblems(1, true)).ends_with(" 1 проблема."));
}

// The locale's variables as gettext reads them, whether or not the machine has generated the
// locale they name; Bulgarian where no catalogue answers.
TEST_F(MessagesTest, theLanguageIsTheLocalesWhereACatalogueHasIt) {
    const std::map<std::string, std::string> variables[] = {
        {{"LANG", "en_US.UTF-8"}},
        {{"LANG", "bg_BG.UTF-8"}},
        {},
        {{"LANG", "C"}},
        {{"LANG", "POSIX"}},
        {{"LANG", "de_DE.UTF-8"}},
        {{"LANG", "bg_BG.UTF-8"}, {"LC_MESSAGES", "en_GB.UTF-8"}},
        {{"LANG", "bg_BG.UTF-8"}, {"LC_ALL", "en_US"}},
        {{"LANG", "en_US.UTF-8"}, {"LC_ALL", "C"}},
        // The operator's own list of languages comes first, whether the locale was generated
        // or not.
        {{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "bg"}},
        {{"LANG", "bg_BG.UTF-8"}, {"LANGUAGE", "en"}},
    };
    const char* expected[] = {"en", "bg", "bg", "bg", "bg", "bg", "en", "en", "bg", "bg", "en"};
    const KeptEnvironment kept;
    for (std::size_t i = 0; i < std::size(variables); ++i) {
        for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"})
            ::unsetenv(name);
        for (const auto& [name, value] : variables[i])
            ::setenv(name.c_str(), value.c_str(), 1);
        UseLanguageOfEnvironment();
        EXPECT_EQ(LanguageShown(), expected[i]) << "case " << i;
    }
}

}  // namespace
}  // namespace tremaro
