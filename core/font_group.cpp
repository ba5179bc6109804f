#include "core/font_group.h"

#include "core/code_page_choice.h"
#include "core/correction.h"
#include "platform/numbers.h"
#include "platform/text_ops.h"

#include <algorithm>

namespace tremaro {
namespace {

struct FontGroupPlace {
    int afterLine = 0;
    std::u16string indentation;
};

bool IsFormWithAFont(std::u16string_view className) {
    return className == u"VB.Form" || className == u"VB.UserControl" || className == u"VB.PropertyPage" ||
           className == u"VB.UserDocument";
}

bool HasOwnFontGroup(const FormStructure& structure, const FormLines& lines, int beginLine, int endLine) {
    for (int line = beginLine + 1; line <= endLine; ++line) {
        const FormStructure::LinePlace& place = structure.PlaceOf(line);
        if (place.role == FormStructure::LineRole::GroupStart && place.block == 0 &&
            structure.GroupAt(place.group).inBlockItself &&
            EqualIgnoringAsciiCase(structure.GroupName(lines, place.group), u"Font"))
            return true;
    }
    return false;
}

std::u16string LeadingBlanks(std::u16string_view line) {
    std::size_t count = 0;
    while (count < line.size() && IsBlank(line[count]))
        ++count;
    return std::u16string(line.substr(0, count));
}

// The designer keeps a form's properties in alphabetical order: the group goes before the
// first of them that sorts after "font", after the last when none does, and right after the
// Begin line when there are none. They stand before the first nested block.
FontGroupPlace PlaceForFontGroup(const FormStructure& structure, const FormLines& lines, int beginLine) {
    FontGroupPlace place{beginLine, LeadingBlanks(lines.Line(beginLine)) + u"   "};
    bool indentationFound = false;
    for (int line = beginLine + 1; line <= lines.LineCount(); ++line) {
        const FormStructure::LinePlace& at = structure.PlaceOf(line);
        if (at.role == FormStructure::LineRole::BlockStart || at.role == FormStructure::LineRole::BlockEnd ||
            at.role == FormStructure::LineRole::Outside)
            break;
        const std::u16string_view text = lines.Line(line);
        const std::size_t equals = FindCharacter(text, u'=');
        if (at.role != FormStructure::LineRole::Inside || at.group != FormStructure::kNone ||
            equals == std::u16string_view::npos)
            continue;
        if (!indentationFound) {
            place.indentation = LeadingBlanks(text);
            indentationFound = true;
        }
        std::u16string name(TrimmedText(text.substr(0, equals)));
        std::transform(name.begin(), name.end(), name.begin(), FoldAsciiCase);
        if (name > u"font") {
            place.afterLine = line - 1;
            return place;
        }
        place.afterLine = line;
    }
    return place;
}

std::vector<std::u16string> FontGroupLines(const std::u16string& indentation, double factor, CodePage codePage) {
    const std::u16string size = NumberToText(*ScaledFontSize(8.25, factor));
    const std::u16string charset = NumberToText(CharsetOf(codePage));
    const std::u16string inner = indentation + u"   ";
    return {
        indentation + u"BeginProperty Font ",
        inner + u"Name            =   \"MS Sans Serif\"",
        inner + u"Size            =   " + size,
        inner + u"Charset         =   " + charset,
        inner + u"Weight          =   400",
        inner + u"Underline       =   0   'False",
        inner + u"Italic          =   0   'False",
        inner + u"Strikethrough   =   0   'False",
        indentation + u"EndProperty",
    };
}

}  // namespace

std::optional<FontGroupInsertion> FontGroupToInsert(const FormStructure& structure, const FormLines& lines,
                                                    double factor) {
    if (factor == 1.0 || !structure.HasBlocks() || IsEastAsian(lines.TextCodePage()) ||
        !IsFormWithAFont(structure.ClassName(lines, 0)))
        return std::nullopt;
    const int beginLine = structure.BlockAt(0).beginLine;
    if (HasOwnFontGroup(structure, lines, beginLine, lines.LineCount()))
        return std::nullopt;
    const FontGroupPlace place = PlaceForFontGroup(structure, lines, beginLine);
    return FontGroupInsertion{place.afterLine, FontGroupLines(place.indentation, factor, lines.TextCodePage())};
}

}  // namespace tremaro
