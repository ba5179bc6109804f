#pragma once

#include "platform/text_ops.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>

namespace tremaro {

// Which property lines of a form hold a layout value, of which kind, and along which axis:
// one table, read by the correction and by whoever checks it. A property's name is its trimmed text before the
// first "="; it is compared as Visual Basic reads names, without regard to the case of the
// letters A to Z. The rows are tried in order and the first that matches decides, so the
// rows that keep a value come before the ones that would scale it.

enum class ValueKind : std::uint8_t {
    Kept,         // not a layout value
    WholeNumber,  // a position or size in twips, rounded
    FontSize,     // points, cut to two decimals
    SizePair,     // a Forms 2.0 control's size, "W;H" in a quoted text: both whole numbers
};

// Which of a correction's two factors a layout value takes (core/scale_factors.h).
enum class Axis : std::uint8_t {
    Horizontal,
    Vertical,
    WidthThenHeight,  // a "W;H" pair: its first number across, its second down
    Neither,          // the smaller factor: a font size, whose text must still fit its box
};

// Where a property line stands, as far as the names' rules ask.
struct NamePlace {
    bool inGroup = false;               // a property group is the innermost thing open at it
    std::u16string_view groupName;      // that group's name
    bool blockInUserScale = false;      // its innermost block has ScaleMode 0
    bool containerInUserScale = false;  // so has the block around that one
};

struct NameRule {
    enum class Match : std::uint8_t {
        Exact,
        Ending,
        EndingThenDigits,  // the ending followed by one or more digits: Width1, MinHeight2
    };
    enum class Where : std::uint8_t {
        Anywhere,
        InFontGroup,           // in a group whose name ends in Font
        NotInFontGroup,        // anywhere else
        OwnLineOfUserScale,    // in no group, in a block in user scale
        ContainerInUserScale,  // in a block whose container is in user scale
    };
    std::u16string_view name;
    Match match;
    Where where;
    ValueKind kind;
    Axis axis;
};

namespace name_rules {
using M = NameRule::Match;
using W = NameRule::Where;
using K = ValueKind;
using A = Axis;

inline constexpr NameRule kTable[] = {
    // The pixel size of an image list's pictures: scaled, the stored pictures no longer fit it.
    {u"ImageWidth", M::Exact, W::Anywhere, K::Kept, A::Horizontal},
    {u"ImageHeight", M::Exact, W::Anywhere, K::Kept, A::Vertical},
    // A container's own coordinate system: in user scale its code draws in these units.
    {u"ScaleTop", M::Exact, W::OwnLineOfUserScale, K::Kept, A::Vertical},
    {u"ScaleLeft", M::Exact, W::OwnLineOfUserScale, K::Kept, A::Horizontal},
    {u"ScaleWidth", M::Exact, W::OwnLineOfUserScale, K::Kept, A::Horizontal},
    {u"ScaleHeight", M::Exact, W::OwnLineOfUserScale, K::Kept, A::Vertical},
    // The ends of a line are stored in its container's units, and a container in user scale
    // keeps its units (its Scale values stay), so they already move with it.
    {u"X1", M::Exact, W::ContainerInUserScale, K::Kept, A::Horizontal},
    {u"Y1", M::Exact, W::ContainerInUserScale, K::Kept, A::Vertical},
    {u"X2", M::Exact, W::ContainerInUserScale, K::Kept, A::Horizontal},
    {u"Y2", M::Exact, W::ContainerInUserScale, K::Kept, A::Vertical},
    // Positions and sizes: every name ending in one of these words, also with a number after
    // it (a CoolBar's bands: Width1, MinHeight1).
    {u"Top", M::Ending, W::Anywhere, K::WholeNumber, A::Vertical},
    {u"Left", M::Ending, W::Anywhere, K::WholeNumber, A::Horizontal},
    {u"Width", M::Ending, W::Anywhere, K::WholeNumber, A::Horizontal},
    {u"Height", M::Ending, W::Anywhere, K::WholeNumber, A::Vertical},
    {u"Top", M::EndingThenDigits, W::Anywhere, K::WholeNumber, A::Vertical},
    {u"Left", M::EndingThenDigits, W::Anywhere, K::WholeNumber, A::Horizontal},
    {u"Width", M::EndingThenDigits, W::Anywhere, K::WholeNumber, A::Horizontal},
    {u"Height", M::EndingThenDigits, W::Anywhere, K::WholeNumber, A::Vertical},
    // The ends of a Line control move with everything around them.
    {u"X1", M::Exact, W::Anywhere, K::WholeNumber, A::Horizontal},
    {u"Y1", M::Exact, W::Anywhere, K::WholeNumber, A::Vertical},
    {u"X2", M::Exact, W::Anywhere, K::WholeNumber, A::Horizontal},
    {u"Y2", M::Exact, W::Anywhere, K::WholeNumber, A::Vertical},
    // The size an ActiveX control stores of itself must keep agreeing with its Width and
    // Height: _ExtentX, a web browser's ExtentX, a report viewer's _cx.
    {u"ExtentX", M::Ending, W::Anywhere, K::WholeNumber, A::Horizontal},
    {u"ExtentY", M::Ending, W::Anywhere, K::WholeNumber, A::Vertical},
    {u"_cx", M::Exact, W::Anywhere, K::WholeNumber, A::Horizontal},
    {u"_cy", M::Exact, W::Anywhere, K::WholeNumber, A::Vertical},
    // Further lengths in twips: a TreeView's indent, the margins that do not end in Left or
    // Top, a grid's limits on its columns and rows.
    {u"Indentation", M::Exact, W::Anywhere, K::WholeNumber, A::Horizontal},
    {u"MarginRight", M::Exact, W::Anywhere, K::WholeNumber, A::Horizontal},
    {u"MarginBottom", M::Exact, W::Anywhere, K::WholeNumber, A::Vertical},
    {u"ColWidthMin", M::Exact, W::Anywhere, K::WholeNumber, A::Horizontal},
    {u"ColWidthMax", M::Exact, W::Anywhere, K::WholeNumber, A::Horizontal},
    {u"RowHeightMin", M::Exact, W::Anywhere, K::WholeNumber, A::Vertical},
    {u"RowHeightMax", M::Exact, W::Anywhere, K::WholeNumber, A::Vertical},
    // Font sizes. A Size outside a font group is something else: the byte count of an image
    // list's pictures (a plain number, which stays), or a Forms 2.0 control's "W;H".
    {u"FontSize", M::Ending, W::Anywhere, K::FontSize, A::Neither},
    {u"Size", M::Exact, W::InFontGroup, K::FontSize, A::Neither},
    {u"Size", M::Exact, W::NotInFontGroup, K::SizePair, A::WidthThenHeight},
};
}  // namespace name_rules

inline constexpr auto& kNameRules = name_rules::kTable;

// How every reader of a form compares a property's or a group's name with one it knows: as
// Visual Basic reads names, the letters A to Z in either case alike ("left" is Left).
inline bool SameName(std::u16string_view name, std::u16string_view known) {
    return EqualIgnoringAsciiCase(name, known);
}

inline bool NameEndsWith(std::u16string_view name, std::u16string_view ending) {
    return EndsWithIgnoringAsciiCase(name, ending);
}

inline bool NameStartsWith(std::u16string_view name, std::u16string_view start) {
    return name.size() >= start.size() && SameName(name.substr(0, start.size()), start);
}

// The order a table of known names is sorted in for NamedRow: shorter first, then by the
// letters with their case folded.
constexpr bool NameBefore(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size())
        return a.size() < b.size();
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldAsciiCase(a[i]) != FoldAsciiCase(b[i]))
            return FoldAsciiCase(a[i]) < FoldAsciiCase(b[i]);
    return false;
}

// The row of rows (sorted by NameBefore on their .name) whose name is name in any case, or
// nullptr: a binary search, for readers that look up every property line of a form.
template <typename Row, std::size_t N>
const Row* NamedRow(const Row (&rows)[N], std::u16string_view name) {
    const Row* found = std::lower_bound(std::begin(rows), std::end(rows), name,
                                        [](const Row& row, std::u16string_view n) { return NameBefore(row.name, n); });
    return found != std::end(rows) && SameName(found->name, name) ? found : nullptr;
}

// Whether the line stands in a font group: one whose name ends in Font (Font, HeadFont...).
bool InFontGroup(const NamePlace& place);

// The row of the table that decides for a property named name standing at place; nullptr when
// none does and the value is kept.
const NameRule* RuleOf(std::u16string_view name, const NamePlace& place);

// What the table says of a property named name standing at place.
inline ValueKind KindOfValue(std::u16string_view name, const NamePlace& place) {
    const NameRule* rule = RuleOf(name, place);
    return rule ? rule->kind : ValueKind::Kept;
}

}  // namespace tremaro
