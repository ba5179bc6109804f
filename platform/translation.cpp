#include "platform/translation.h"

#include <libintl.h>
#include <unistd.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace tremaro {
namespace {

constexpr const char* kDomain = "tremaro";

// The catalogues lie beside the program: <prefix>/share/locale when it is installed in
// <prefix>/bin, the build's own locale/ when it runs from the build folder.
std::string CatalogueFolder() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return {};
    const std::filesystem::path prefix = program.parent_path().parent_path();
    const std::filesystem::path installed = prefix / "share" / "locale";
    if (std::filesystem::is_directory(prefix / "locale", error))
        return (prefix / "locale").string();
    return installed.string();
}

void BindCatalogue() {
    const std::string folder = CatalogueFolder();
    if (!folder.empty())
        ::bindtextdomain(kDomain, folder.c_str());
    // The window, the terminal and the report files all take UTF-8, whatever the locale's
    // own character set.
    ::bind_textdomain_codeset(kDomain, "UTF-8");
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
    // nothing; the operator who named English still reads English. C.UTF-8 is built into the
    // C library, and there gettext takes the language from LANGUAGE.
    if (const char* locale = NamedLocale())
        UseLanguage(locale);
}

void UseLanguage(const std::string& locale) {
    BindCatalogue();
    std::setlocale(LC_MESSAGES, "C.UTF-8");
    ::setenv("LANGUAGE", locale.c_str(), 1);
    // gettext keeps what it has looked up until the domain is set again.
    ::textdomain(kDomain);
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
