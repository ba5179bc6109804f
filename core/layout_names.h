#pragma once

#include <cstdint>
#include <string_view>

namespace tremaro {

// Which property lines of a form hold a layout value, and of which kind: one table, read by
// the correction and by whoever checks it. A property's name is its trimmed text before the
// first "="; it is compared exactly, case included. The rows are tried in order and the
// first that matches decides, so the rows that keep a value come before the endings that
// would scale it.

enum class ValueKind : std::uint8_t {
    Kept,         // not a layout value
    WholeNumber,  // a position or size in twips, rounded
    FontSize,     // points, cut to two decimals
};

// Where a property line stands, as far as the names' rules ask.
struct NamePlace {
    bool inGroup = false;           // a property group is the innermost thing open at it
    std::u16string_view groupName;  // that group's name
    bool blockInUserScale = false;  // its innermost block has ScaleMode 0
};

struct NameRule {
    enum class Match : std::uint8_t { Exact, Ending };
    enum class Where : std::uint8_t {
        Anywhere,
        InFontGroup,          // in a group whose name ends in Font
        OwnLineOfUserScale,   // in no group, in a block in user scale
    };
    std::u16string_view name;
    Match match;
    Where where;
    ValueKind kind;
};

inline constexpr NameRule kNameRules[] = {
    // The pixel size of an image list's pictures: scaled, the stored pictures no longer fit it.
    {u"ImageWidth", NameRule::Match::Exact, NameRule::Where::Anywhere, ValueKind::Kept},
    {u"ImageHeight", NameRule::Match::Exact, NameRule::Where::Anywhere, ValueKind::Kept},
    // A container's own coordinate system: in user scale its code draws in these units.
    {u"ScaleTop", NameRule::Match::Exact, NameRule::Where::OwnLineOfUserScale, ValueKind::Kept},
    {u"ScaleLeft", NameRule::Match::Exact, NameRule::Where::OwnLineOfUserScale, ValueKind::Kept},
    {u"ScaleWidth", NameRule::Match::Exact, NameRule::Where::OwnLineOfUserScale, ValueKind::Kept},
    {u"ScaleHeight", NameRule::Match::Exact, NameRule::Where::OwnLineOfUserScale, ValueKind::Kept},
    // Positions and sizes: every name ending in one of these words.
    {u"Top", NameRule::Match::Ending, NameRule::Where::Anywhere, ValueKind::WholeNumber},
    {u"Left", NameRule::Match::Ending, NameRule::Where::Anywhere, ValueKind::WholeNumber},
    {u"Width", NameRule::Match::Ending, NameRule::Where::Anywhere, ValueKind::WholeNumber},
    {u"Height", NameRule::Match::Ending, NameRule::Where::Anywhere, ValueKind::WholeNumber},
    // The ends of a Line control move with everything around them.
    {u"X1", NameRule::Match::Exact, NameRule::Where::Anywhere, ValueKind::WholeNumber},
    {u"Y1", NameRule::Match::Exact, NameRule::Where::Anywhere, ValueKind::WholeNumber},
    {u"X2", NameRule::Match::Exact, NameRule::Where::Anywhere, ValueKind::WholeNumber},
    {u"Y2", NameRule::Match::Exact, NameRule::Where::Anywhere, ValueKind::WholeNumber},
    // The size an ActiveX control stores of itself must keep agreeing with its Width and Height.
    {u"_ExtentX", NameRule::Match::Exact, NameRule::Where::Anywhere, ValueKind::WholeNumber},
    {u"_ExtentY", NameRule::Match::Exact, NameRule::Where::Anywhere, ValueKind::WholeNumber},
    // Font sizes. A Size outside a font group is something else: the byte count of an image
    // list's pictures, a toolbar's button size.
    {u"FontSize", NameRule::Match::Ending, NameRule::Where::Anywhere, ValueKind::FontSize},
    {u"Size", NameRule::Match::Exact, NameRule::Where::InFontGroup, ValueKind::FontSize},
};

// What the table says of a property named name standing at place.
ValueKind KindOfValue(std::u16string_view name, const NamePlace& place);

}  // namespace tremaro
