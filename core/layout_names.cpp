#include "core/layout_names.h"

#include "platform/text_ops.h"

#include <array>

namespace tremaro {
namespace {

// Most names of a form are ruled out by their last character alone, and the others need
// only the rows whose names end in it: the rows are grouped by that character once, from the
// table itself, so that no row can be passed over. Rows that end in digits are looked at for
// a name that ends in a digit.
constexpr std::size_t kRowCount = std::size(kNameRules);

struct RowsByLastCharacter {
    std::array<std::array<std::uint8_t, kRowCount>, 128> rows{};
    std::array<std::uint8_t, 128> count{};
};

constexpr RowsByLastCharacter GroupRows() {
    RowsByLastCharacter grouped;
    for (std::size_t row = 0; row < kRowCount; ++row) {
        const NameRule& rule = kNameRules[row];
        auto add = [&grouped, row](char16_t last) {
            grouped.rows[last][grouped.count[last]++] = static_cast<std::uint8_t>(row);
        };
        if (rule.match == NameRule::Match::EndingThenDigits) {
            for (char16_t digit = u'0'; digit <= u'9'; ++digit)
                add(digit);
        } else {
            add(FoldAsciiCase(rule.name.back()));
        }
    }
    return grouped;
}

constexpr RowsByLastCharacter kRowsByLastCharacter = GroupRows();

bool NameMatches(std::u16string_view name, const NameRule& rule) {
    switch (rule.match) {
    case NameRule::Match::Exact:
        return SameName(name, rule.name);
    case NameRule::Match::Ending:
        return NameEndsWith(name, rule.name);
    case NameRule::Match::EndingThenDigits: {
        std::size_t digits = name.size();
        while (digits > 0 && IsDigit(name[digits - 1]))
            --digits;
        return digits < name.size() && NameEndsWith(name.substr(0, digits), rule.name);
    }
    }
    return false;
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

bool InFontGroup(const NamePlace& place) {
    return place.inGroup && EndsWithIgnoringAsciiCase(place.groupName, u"Font");
}

const NameRule* RuleOf(std::u16string_view name, const NamePlace& place) {
    if (name.empty())
        return nullptr;
    const char16_t last = FoldAsciiCase(name.back());
    if (last >= kRowsByLastCharacter.count.size())
        return nullptr;
    // In the table's order: the rows of one character keep the order they have in it.
    for (std::size_t i = 0; i < kRowsByLastCharacter.count[last]; ++i) {
        const NameRule& rule = kNameRules[kRowsByLastCharacter.rows[last][i]];
        if (NameMatches(name, rule) && PlaceMatches(place, rule.where))
            return &rule;
    }
    return nullptr;
}

}  // namespace tremaro
