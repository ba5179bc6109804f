#include "core/form_structure.h"

#include "platform/numbers.h"
#include "platform/text_ops.h"

#include <cmath>
#include <optional>

namespace tremaro {
namespace {

enum class Marker { None, Begin, End, BeginProperty, EndProperty };

constexpr double kHiddenTabThreshold = -60000;

// "Begin" must stand alone or be followed by a blank or a tab: "BeginProperty" and
// "Beginning" are not Begin lines.
bool OpensWithWord(std::u16string_view trimmed, std::u16string_view word) {
    return trimmed.starts_with(word) && (trimmed.size() == word.size() || IsBlank(trimmed[word.size()]));
}

Marker MarkerOf(std::u16string_view trimmed) {
    if (trimmed.starts_with(u'B')) {
        if (OpensWithWord(trimmed, u"BeginProperty"))
            return Marker::BeginProperty;
        if (OpensWithWord(trimmed, u"Begin"))
            return Marker::Begin;
    } else if (trimmed.starts_with(u'E')) {
        if (trimmed == u"End")
            return Marker::End;
        if (trimmed == u"EndProperty")
            return Marker::EndProperty;
    }
    return Marker::None;
}

// A property line taken apart: its name and the text after its first "=".
struct Property {
    std::u16string_view name;
    std::u16string_view value;
};

std::optional<Property> PropertyOf(std::u16string_view trimmed) {
    const std::size_t equals = FindCharacter(trimmed, u'=');
    if (equals == std::u16string_view::npos)
        return std::nullopt;
    return Property{TrimmedText(trimmed.substr(0, equals)), trimmed.substr(equals + 1)};
}

// A whole number as Val reads it, or nothing.
std::optional<long> WholeNumberIn(std::u16string_view value) {
    const NumberReading reading = ReadNumber(value);
    if (!reading.found || !std::isfinite(reading.value) || std::abs(reading.value) > 1e9)
        return std::nullopt;
    return static_cast<long>(reading.value);
}

// The designer writes `ScaleMode = 0 'User`; any text that Val reads as a zero with a
// digit means user scale, the comment included or not.
bool SetsUserScale(const Property& property) {
    if (!EqualIgnoringAsciiCase(property.name, u"ScaleMode"))
        return false;
    const NumberReading reading = ReadNumber(property.value);
    return reading.found && reading.value == 0;
}

// Digits from pos on, moved past; nothing when there are none.
std::optional<long> DigitsAt(std::u16string_view text, std::size_t& pos) {
    const std::size_t start = pos;
    long number = 0;
    while (pos < text.size() && IsDigit(text[pos]) && pos - start < 9)
        number = number * 10 + (text[pos++] - u'0');
    if (pos == start)
        return std::nullopt;
    return number;
}

bool TakeWord(std::u16string_view text, std::size_t& pos, std::u16string_view word) {
    if (!EqualIgnoringAsciiCase(text.substr(pos, word.size()), word))
        return false;
    pos += word.size();
    return true;
}

// A control as a tabbed dialog's list names it: "Name", or "Name(i)" for a member of a
// control array.
struct ListedControl {
    long tab = 0;
    std::u16string_view name;
    std::optional<long> index;
};

// `Tab(n).Control(m) = "Name"`; nothing for any other line.
std::optional<ListedControl> ListedControlOf(const Property& property) {
    const std::u16string_view name = property.name;
    std::size_t pos = 0;
    if (!TakeWord(name, pos, u"Tab("))
        return std::nullopt;
    const auto tab = DigitsAt(name, pos);
    if (!tab || !TakeWord(name, pos, u").Control(") || !DigitsAt(name, pos) || !TakeWord(name, pos, u")") ||
        pos != name.size())
        return std::nullopt;
    const std::u16string_view value = TrimmedText(property.value);
    if (value.size() < 2 || value.front() != u'"')
        return std::nullopt;
    const std::size_t closing = value.find(u'"', 1);
    if (closing == std::u16string_view::npos)
        return std::nullopt;
    ListedControl listed{*tab, value.substr(1, closing - 1), std::nullopt};
    const std::size_t open = listed.name.find(u'(');
    if (open != std::u16string_view::npos && listed.name.ends_with(u')')) {
        std::size_t digits = open + 1;
        if (const auto index = DigitsAt(listed.name, digits); index && digits == listed.name.size() - 1) {
            listed.index = index;
            listed.name = listed.name.substr(0, open);
        }
    }
    return listed;
}

// What the scan keeps of each block while it reads, to settle its tab at the end.
struct BlockWords {
    std::u16string_view name;
    std::optional<long> index;
    bool isTabbedDialog = false;
    long shownTab = 0;
    std::vector<ListedControl> listed;  // of a tabbed dialog
};

bool ListedAs(const ListedControl& listed, const BlockWords& block) {
    return EqualIgnoringAsciiCase(listed.name, block.name) && (!listed.index || listed.index == block.index);
}

FormStructure::TabPlacement PlacementIn(const BlockWords& dialog, const BlockWords& block) {
    bool onShownTab = false;
    for (const ListedControl& listed : dialog.listed) {
        if (!ListedAs(listed, block))
            continue;
        if (listed.tab != dialog.shownTab)
            return FormStructure::TabPlacement::OnHiddenTab;
        onShownTab = true;
    }
    return onShownTab ? FormStructure::TabPlacement::OnShownTab : FormStructure::TabPlacement::NotListed;
}

}  // namespace

template <typename LineAt>
FormStructure FormStructure::ScanLines(int lineCount, LineAt lineAt) {
    FormStructure structure;
    structure.places_.resize(static_cast<std::size_t>(lineCount) + 1);
    std::vector<BlockWords> words;

    // What is open, innermost last: a block or a group, by its index.
    struct Open {
        bool group;
        std::int32_t index;
    };
    std::vector<Open> open;
    std::int32_t block = kNone;
    bool started = false;
    for (int line = 1; line <= lineCount; ++line) {
        const std::u16string_view text = lineAt(line);
        // Most lines are told apart by their first character alone, and only the few that
        // may matter are trimmed.
        const std::size_t firstAt = LeadingBlanks(text);
        const char16_t first = firstAt < text.size() ? text[firstAt] : u'\0';
        const Marker marker = first == u'B' || first == u'E' ? MarkerOf(TrimmedText(text)) : Marker::None;
        if (!started && marker != Marker::Begin)
            continue;
        started = true;
        LinePlace& place = structure.places_[static_cast<std::size_t>(line)];
        switch (marker) {
        case Marker::Begin: {
            const auto index = static_cast<std::int32_t>(structure.blocks_.size());
            std::u16string_view rest = TrimmedText(text).substr(5);
            const std::u16string_view className = NextWord(rest);
            structure.blocks_.push_back({line, block, static_cast<std::uint32_t>(className.data() - text.data()),
                                         static_cast<std::uint32_t>(className.size()), false, className == u"VB.Line",
                                         TabPlacement::NotListed});
            words.push_back({NextWord(rest), std::nullopt, className == u"TabDlg.SSTab", 0, {}});
            open.push_back({false, index});
            block = index;
            place = {LineRole::BlockStart, index, kNone};
            break;
        }
        case Marker::End: {
            while (open.back().group)
                open.pop_back();
            open.pop_back();
            place = {LineRole::BlockEnd, block, kNone};
            block = structure.blocks_[static_cast<std::size_t>(block)].parent;
            break;
        }
        case Marker::BeginProperty: {
            const auto index = static_cast<std::int32_t>(structure.groups_.size());
            std::u16string_view name =
                TrimmedText(TrimmedText(text).substr(std::u16string_view(u"BeginProperty").size()));
            std::size_t nameLength = 0;
            while (nameLength < name.size() && !IsBlank(name[nameLength]))
                ++nameLength;
            structure.groups_.push_back({line, static_cast<std::uint32_t>(name.data() - text.data()),
                                         static_cast<std::uint32_t>(nameLength), !open.back().group});
            open.push_back({true, index});
            place = {LineRole::GroupStart, block, index};
            break;
        }
        case Marker::EndProperty:
            if (open.back().group)
                open.pop_back();
            place = {LineRole::GroupEnd, block, kNone};
            break;
        case Marker::None: {
            const std::int32_t group = open.back().group ? open.back().index : kNone;
            place = {LineRole::Inside, block, group};
            // Only a block's own lines (in no group) say anything of the block, and only
            // lines of these first letters say what the scan needs to know.
            if (group != kNone)
                break;
            BlockWords& own = words[static_cast<std::size_t>(block)];
            const char16_t folded = FoldAsciiCase(first);
            if (folded != u's' && folded != u'i' && !(folded == u't' && own.isTabbedDialog))
                break;
            const auto property = PropertyOf(TrimmedText(text));
            if (!property)
                break;
            if (folded == u's') {
                if (SetsUserScale(*property))
                    structure.blocks_[static_cast<std::size_t>(block)].userScale = true;
            } else if (folded == u'i') {
                if (EqualIgnoringAsciiCase(property->name, u"Index"))
                    own.index = WholeNumberIn(property->value);
            } else {
                if (EqualIgnoringAsciiCase(property->name, u"Tab"))
                    own.shownTab = WholeNumberIn(property->value).value_or(0);
                else if (auto listed = ListedControlOf(*property))
                    own.listed.push_back(*listed);
            }
            break;
        }
        }
        if (open.empty())
            break;  // the first block is closed: the rest of the file is code
    }

    for (std::size_t index = 0; index < structure.blocks_.size(); ++index) {
        Block& found = structure.blocks_[index];
        if (found.parent != kNone && words[static_cast<std::size_t>(found.parent)].isTabbedDialog)
            found.tab = PlacementIn(words[static_cast<std::size_t>(found.parent)], words[index]);
    }
    return structure;
}

FormStructure FormStructure::Scan(const FormLines& lines) {
    return ScanLines(lines.LineCount(), [&lines](int line) { return lines.Line(line); });
}

FormStructure FormStructure::Scan(std::span<const std::u16string_view> lines) {
    return ScanLines(static_cast<int>(lines.size()),
                     [lines](int line) { return lines[static_cast<std::size_t>(line - 1)]; });
}

std::u16string_view FormStructure::GroupName(const FormLines& lines, std::int32_t group) const {
    const Group& found = GroupAt(group);
    return lines.Line(found.beginLine).substr(found.nameStart, found.nameLength);
}

std::u16string_view FormStructure::GroupName(std::span<const std::u16string_view> lines, std::int32_t group) const {
    const Group& found = GroupAt(group);
    return lines[static_cast<std::size_t>(found.beginLine - 1)].substr(found.nameStart, found.nameLength);
}

std::u16string_view FormStructure::ClassName(const FormLines& lines, std::int32_t block) const {
    const Block& found = BlockAt(block);
    return lines.Line(found.beginLine).substr(found.classStart, found.classLength);
}

bool FormStructure::ContainerInUserScale(std::int32_t block) const {
    const std::int32_t parent = BlockAt(block).parent;
    return parent != kNone && BlockAt(parent).userScale;
}

bool StandsOnHiddenTab(FormStructure::TabPlacement placement, std::optional<double> left) {
    switch (placement) {
    case FormStructure::TabPlacement::OnHiddenTab:
        return true;
    case FormStructure::TabPlacement::OnShownTab:
        return false;
    case FormStructure::TabPlacement::NotListed:
        break;
    }
    return left && *left <= kHiddenTabThreshold;
}

}  // namespace tremaro
