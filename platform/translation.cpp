#include "platform/translation.h"

#include <libintl.h>
#include <unistd.h>

#include <sys/stat.h>

#include <clocale>
#include <cstdlib>

namespace tremaro {
namespace {

constexpr const char* kDomain = "tremaro";

// The catalogues lie beside the program: <prefix>/share/locale when it is installed in
// <prefix>/bin, the build's own locale/ when it runs from the build folder. Plain system calls:
// every run of the command line pays for this, and std::filesystem's path objects cost it a
// quarter of a millisecond more.
std::string CatalogueFolder() {
    char program[4096];
    const ssize_t length = ::readlink("/proc/self/exe", program, sizeof program);
    if (length <= 0 || static_cast<std::size_t>(length) == sizeof program)
        return {};
    std::string prefix(program, static_cast<std::size_t>(length));
    for (int level = 0; level < 2; ++level)
        prefix.resize(prefix.rfind('/') == std::string::npos ? 0 : prefix.rfind('/'));
    const std::string build = prefix + "/locale";
    struct stat info {};
    if (::stat(build.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
        return build;
    return prefix + "/share/locale";
}

void BindCatalogue() {
    const std::string folder = CatalogueFolder();
    if (!folder.empty())
        ::bindtextdomain(kDomain, folder.c_str());
    // The window, the terminal and the report files all take UTF-8, whatever the locale's
    // own character set.
    ::bind_textdomain_codeset(kDomain, "UTF-8");
}

// gettext looks in LANGUAGE's list where the messages' locale is anything but "C"; C.UTF-8 is
// built into the C library, so it is there even where no other locale was generated. An
// operator's own LANGUAGE list is kept: it comes before the locale, as where the locale exists.
void ShowLanguageOf(const std::string& locale, bool keepLanguageList) {
    if (!std::setlocale(LC_MESSAGES, "C.UTF-8"))
        return;  // a C library without it: Bulgarian
    const char* list = std::getenv("LANGUAGE");
    if (!keepLanguageList || !list || !*list)
        ::setenv("LANGUAGE", locale.c_str(), 1);
    // gettext keeps what it has looked up until the domain is set again.
    ::textdomain(kDomain);
}

const char* NamedLocale() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value)
            return value;
    }
    return nullptr;
}

}  // namespace

void UseLanguageOfEnvironment() {
    BindCatalogue();
    if (std::setlocale(LC_MESSAGES, ""))
        return;
    // A locale that has not been generated leaves gettext in "C", where it translates
    // nothing; the operator who named English still reads English.
    if (const char* locale = NamedLocale())
        ShowLanguageOf(locale, true);
}

void UseLanguage(const std::string& locale) {
    BindCatalogue();
    ShowLanguageOf(locale, false);
}

std::string LanguageShown() {
    // The empty text's translation is the catalogue's header, which names its language.
    const std::string_view header = ::dgettext(kDomain, "");
    constexpr std::string_view kField = "Language: ";
    const auto at = header.find(kField);
    if (at == std::string_view::npos)
        return "bg";
    const auto start = at + kField.size();
    return std::string(header.substr(start, header.find('\n', start) - start));
}

const char* Translated(const char* text) {
    return ::dgettext(kDomain, text);
}

const char* TranslatedPlural(const char* one, const char* other, unsigned long count) {
    return ::dngettext(kDomain, one, other, count);
}

std::string Filled(std::string_view pattern, std::span<const std::string> arguments) {
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        const char c = pattern[at];
        const bool placeholder = c == '%' && at + 1 < pattern.size() && pattern[at + 1] >= '1' &&
                                 pattern[at + 1] <= '9' &&
                                 static_cast<std::size_t>(pattern[at + 1] - '1') < arguments.size();
        if (!placeholder) {
            text += c;
            continue;
        }
        text += arguments[pattern[at + 1] - '1'];
        ++at;
    }
    return text;
}

std::string Filled(std::string_view pattern, std::initializer_list<std::string> arguments) {
    return Filled(pattern, std::span<const std::string>(arguments.begin(), arguments.size()));
}

}  // namespace tremaro
