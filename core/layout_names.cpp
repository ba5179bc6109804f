#include "core/layout_names.h"

#include "platform/text_ops.h"

#include <array>

namespace tremaro {
namespace {

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// Most names of a form are ruled out by their last character alone; the set is worked out
// from the table itself, so that no row can be passed over.
constexpr std::array<bool, 128> LastCharactersOfTheTable() {
    std::array<bool, 128> last{};
    for (const NameRule& rule : kNameRules) {
        if (rule.match == NameRule::Match::EndingThenDigits) {
            for (char16_t digit = u'0'; digit <= u'9'; ++digit)
                last[digit] = true;
        } else {
            last[FoldAsciiCase(rule.name.back())] = true;
        }
    }
    return last;
}

constexpr auto kLastCharacters = LastCharactersOfTheTable();

bool MayBeInTheTable(std::u16string_view name) {
    if (name.empty())
        return false;
    const char16_t last = FoldAsciiCase(name.back());
    return last < kLastCharacters.size() && kLastCharacters[last];
}

bool NameMatches(std::u16string_view name, const NameRule& rule) {
    switch (rule.match) {
    case NameRule::Match::Exact:
        return EqualIgnoringAsciiCase(name, rule.name);
    case NameRule::Match::Ending:
        return EndsWithIgnoringAsciiCase(name, rule.name);
    case NameRule::Match::EndingThenDigits: {
        std::size_t digits = name.size();
        while (digits > 0 && IsDigit(name[digits - 1]))
            --digits;
        return digits < name.size() && EndsWithIgnoringAsciiCase(name.substr(0, digits), rule.name);
    }
    }
    return false;
}

bool InFontGroup(const NamePlace& place) {
    return place.inGroup && EndsWithIgnoringAsciiCase(place.groupName, u"Font");
}

bool PlaceMatches(const NamePlace& place, NameRule::Where where) {
    switch (where) {
    case NameRule::Where::Anywhere:
        return true;
    case NameRule::Where::InFontGroup:
        return InFontGroup(place);
    case NameRule::Where::NotInFontGroup:
        return !InFontGroup(place);
    case NameRule::Where::OwnLineOfUserScale:
        return !place.inGroup && place.blockInUserScale;
    case NameRule::Where::ContainerInUserScale:
        return place.containerInUserScale;
    }
    return false;
}

}  // namespace

ValueKind KindOfValue(std::u16string_view name, const NamePlace& place) {
    if (!MayBeInTheTable(name))
        return ValueKind::Kept;
    for (const NameRule& rule : kNameRules)
        if (NameMatches(name, rule) && PlaceMatches(place, rule.where))
            return rule.kind;
    return ValueKind::Kept;
}

}  // namespace tremaro
