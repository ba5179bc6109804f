#pragma once

#include "core/form_lines.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace tremaro {

// Where each line of a form stands in its description: the part of the file from the first
// "Begin" line (trimmed text "Begin", or "Begin" and a blank or tab) to the "End" that
// closes it, or to the last line when nothing closes it. Inside it, every later Begin line
// opens a block and a line whose trimmed text is exactly "End" closes the innermost block
// together with the property groups still open in it; a "BeginProperty" line opens a
// group named by its first word, and an exact "EndProperty" closes the innermost group
// when a group is the innermost thing open (otherwise it is ignored). Lines before the
// description and after its end are Outside; only Inside lines hold the form's properties.
//
// Property names are read as Visual Basic reads them, without regard to the case of the
// letters A to Z. What the scan settles for a whole block can stand anywhere in it, so it
// is settled before anyone asks about a line:
// - A block is in user scale when one of its own property lines (in no group, not in a
//   nested block) is named ScaleMode and its text after the first "=" reads, as Val reads
//   it, as 0 with at least one digit.
// - A tabbed dialog (a block of the class TabDlg.SSTab) lists the controls on each of its
//   tabs in its own lines `Tab(n).Control(m) = "Name"` (or "Name(i)" for a member of a
//   control array) and names the tab it shows in `Tab = n` (0 without one). A block directly
//   inside it stands on a hidden tab when it is listed, by its name and (where the list
//   gives one) its Index, under a tab other than the shown one; on the shown tab when it is
//   listed only there.
//
// The scan is one linear pass; the result holds line numbers and offsets, never text, so it
// stays valid while lines are rewritten (as long as their structure lines are not).
class FormStructure {
public:
    enum class LineRole : std::uint8_t {
        Outside,     // before the description or after its closing End
        BlockStart,  // a Begin line, the description's first one included
        BlockEnd,    // an End line that closes a block
        GroupStart,  // a BeginProperty line
        GroupEnd,    // an EndProperty line inside the description, whether it closed a group or not
        Inside,      // any other line of the description
    };

    // What the tabbed dialog around a block says of it.
    enum class TabPlacement : std::uint8_t {
        NotListed,  // no tabbed dialog lists it (most blocks: not directly inside one)
        OnShownTab,
        OnHiddenTab,
    };

    static constexpr std::int32_t kNone = -1;

    struct Block {
        int beginLine = 0;
        std::int32_t parent = kNone;
        std::uint32_t classStart = 0;  // the class's place in the Begin line ("VB.Form")
        std::uint32_t classLength = 0;
        bool userScale = false;
        bool isLineControl = false;  // of the class VB.Line
        TabPlacement tab = TabPlacement::NotListed;
    };
    struct Group {
        int beginLine = 0;
        std::uint32_t nameStart = 0;  // the name's place in the BeginProperty line
        std::uint32_t nameLength = 0;
        bool inBlockItself = false;  // opened directly in its block, not in another group
    };
    struct LinePlace {
        LineRole role = LineRole::Outside;
        std::int32_t block = kNone;  // the innermost open block (Inside lines)
        std::int32_t group = kNone;  // the innermost group, when a group is the innermost thing open
    };

    // Of the store's lines, or of lines given one by one (line N is lines[N - 1]).
    static FormStructure Scan(const FormLines& lines);
    static FormStructure Scan(std::span<const std::u16string_view> lines);

    // Lines are numbered as the store numbers them, 1 to LineCount.
    const LinePlace& PlaceOf(int line) const { return places_[static_cast<std::size_t>(line)]; }
    const Block& BlockAt(std::int32_t block) const { return blocks_[static_cast<std::size_t>(block)]; }
    const Group& GroupAt(std::int32_t group) const { return groups_[static_cast<std::size_t>(group)]; }
    std::u16string_view GroupName(const FormLines& lines, std::int32_t group) const;
    std::u16string_view GroupName(std::span<const std::u16string_view> lines, std::int32_t group) const;
    std::u16string_view ClassName(const FormLines& lines, std::int32_t block) const;
    bool HasBlocks() const { return !blocks_.empty(); }

    // Whether the block's container (the block directly around it) is in user scale.
    bool ContainerInUserScale(std::int32_t block) const;

private:
    template <typename LineAt>
    static FormStructure ScanLines(int lineCount, LineAt lineAt);

    std::vector<LinePlace> places_;  // indexed by line number; slot 0 unused
    std::vector<Block> blocks_;
    std::vector<Group> groups_;
};

// A control on a tab that is not shown, which the designer stores 75000 twips to the left of
// where it stands: one its tabbed dialog lists under a hidden tab, or, where no tabbed dialog
// lists it, one whose Left is -60000 or less. A Line has no Left (nothing is given): only a
// list can put it on a hidden tab. The correction and the picture both ask this.
bool StandsOnHiddenTab(FormStructure::TabPlacement placement, std::optional<double> left);

}  // namespace tremaro
