#include "core/form_structure.h"

#include "platform/numbers.h"
#include "platform/text_ops.h"

namespace tremaro {
namespace {

enum class Marker { None, Begin, End, BeginProperty, EndProperty };

// "Begin" must stand alone or be followed by a blank or a tab: "BeginProperty" and
// "Beginning" are not Begin lines.
bool OpensWithWord(std::u16string_view trimmed, std::u16string_view word) {
    return trimmed.starts_with(word) && (trimmed.size() == word.size() || IsBlank(trimmed[word.size()]));
}

// Only lines whose text starts with B, E or S matter to the structure; most lines of a form
// are told apart by their first character alone.
bool MayMatter(std::u16string_view line) {
    std::size_t first = 0;
    while (first < line.size() && IsBlank(line[first]))
        ++first;
    return first < line.size() && (line[first] == u'B' || line[first] == u'E' || line[first] == u'S');
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

// The designer writes `ScaleMode = 0 'User`; any text that Val reads as a zero with a
// digit means user scale, the comment included or not.
bool SetsUserScale(std::u16string_view trimmed) {
    constexpr std::u16string_view kScaleMode = u"ScaleMode";
    if (!trimmed.starts_with(kScaleMode))
        return false;
    const std::size_t equals = FindCharacter(trimmed, u'=');
    if (equals == std::u16string_view::npos || TrimmedText(trimmed.substr(0, equals)) != kScaleMode)
        return false;
    const NumberReading reading = ReadNumber(trimmed.substr(equals + 1));
    return reading.found && reading.value == 0;
}

}  // namespace

template <typename LineAt>
FormStructure FormStructure::ScanLines(int lineCount, LineAt lineAt) {
    FormStructure structure;
    structure.places_.resize(static_cast<std::size_t>(lineCount) + 1);

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
        const bool mayMatter = MayMatter(text);
        const std::u16string_view trimmed = mayMatter ? TrimmedText(text) : std::u16string_view();
        const Marker marker = mayMatter ? MarkerOf(trimmed) : Marker::None;
        if (!started && marker != Marker::Begin)
            continue;
        started = true;
        LinePlace& place = structure.places_[static_cast<std::size_t>(line)];
        switch (marker) {
        case Marker::Begin: {
            const auto index = static_cast<std::int32_t>(structure.blocks_.size());
            structure.blocks_.push_back({line, block, false});
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
            std::u16string_view name = TrimmedText(trimmed.substr(std::u16string_view(u"BeginProperty").size()));
            std::size_t nameLength = 0;
            while (nameLength < name.size() && !IsBlank(name[nameLength]))
                ++nameLength;
            structure.groups_.push_back(
                {line, static_cast<std::uint32_t>(name.data() - text.data()), static_cast<std::uint32_t>(nameLength)});
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
            if (group == kNone && mayMatter && SetsUserScale(trimmed))
                structure.blocks_[static_cast<std::size_t>(block)].userScale = true;
            break;
        }
        }
        if (open.empty())
            break;  // the first block is closed: the rest of the file is code
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

}  // namespace tremaro
