#include "core/layout_names.h"

#include <array>

namespace tremaro {
namespace {

// Most names of a form are ruled out by their last character alone; the set is worked out
// from the table itself, so that no row can be passed over.
constexpr std::array<bool, 128> LastCharactersOfTheTable() {
    std::array<bool, 128> last{};
    for (const NameRule& rule : kNameRules)
        last[static_cast<std::size_t>(rule.name.back())] = true;
    return last;
}

constexpr auto kLastCharacters = LastCharactersOfTheTable();

bool MayBeInTheTable(std::u16string_view name) {
    return !name.empty() && name.back() < kLastCharacters.size() && kLastCharacters[name.back()];
}

bool NameMatches(std::u16string_view name, const NameRule& rule) {
    return rule.match == NameRule::Match::Exact ? name == rule.name : name.ends_with(rule.name);
}

bool PlaceMatches(const NamePlace& place, NameRule::Where where) {
    switch (where) {
    case NameRule::Where::Anywhere:
        return true;
    case NameRule::Where::InFontGroup:
        return place.inGroup && place.groupName.ends_with(u"Font");
    case NameRule::Where::OwnLineOfUserScale:
        return !place.inGroup && place.blockInUserScale;
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
