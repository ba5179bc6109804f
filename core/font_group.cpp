#include "core/font_group.h"

#include "core/code_page_choice.h"
#include "core/correction.h"
#include "core/form_model.h"
#include "core/most_frequent.h"
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
        std::transform(name.begin(), name.end(), name.begin(), FoldAsciiCase<char16_t>);
        if (name > u"font") {
            place.afterLine = line - 1;
            return place;
        }
        place.afterLine = line;
    }
    return place;
}

// The Charset value a line directly in a font group gives, when it names a script.
std::optional<long> ScriptCharsetOf(std::u16string_view line) {
    std::u16string_view rest = TrimmedText(line);
    constexpr std::u16string_view kName = u"Charset";
    if (rest.size() < kName.size() || !EqualIgnoringAsciiCase(rest.substr(0, kName.size()), kName))
        return std::nullopt;
    rest = TrimmedText(rest.substr(kName.size()));
    if (rest.empty() || rest.front() != u'=')
        return std::nullopt;
    rest = TrimmedText(rest.substr(1));
    long charset = 0;
    std::size_t digits = 0;
    for (; digits < rest.size() && digits < 6 && IsDigit(rest[digits]); ++digits)
        charset = charset * 10 + (rest[digits] - u'0');
    if (digits == 0 || !NamesAScript(charset))
        return std::nullopt;
    return charset;
}

// The script the form's own font groups name most often, the first in the file on a tie.
std::optional<long> FormsOwnCharset(const FormStructure& structure, const FormLines& lines) {
    std::vector<long> charsets;
    int groupSeen = FormStructure::kNone;  // the group of the line before, and whether it is a font group
    bool inFontGroup = false;
    for (int line = 1; line <= lines.LineCount(); ++line) {
        const FormStructure::LinePlace& place = structure.PlaceOf(line);
        if (place.role != FormStructure::LineRole::Inside || place.group == FormStructure::kNone)
            continue;
        if (place.group != groupSeen) {
            groupSeen = place.group;
            inFontGroup = EndsWithIgnoringAsciiCase(structure.GroupName(lines, place.group), u"Font");
        }
        if (!inFontGroup)
            continue;
        if (const std::optional<long> charset = ScriptCharsetOf(lines.Line(line)))
            charsets.push_back(*charset);
    }
    return MostFrequent(charsets);
}

bool IsEastAsianCharset(long charset) {
    return charset == 128 || charset == 129 || charset == 134 || charset == 136;
}

// The Charset of the group added, or nothing where no group is to be added: none in an East
// Asian form, by its code page or by its fonts. Otherwise what the form's own fonts say comes
// first: a group that contradicted them would draw its text in another
// script. Without them, the code page names the script only where the form's text (or its
// folder's, or the operator) decided it; a fallback would write a script the form never
// used, so the group then takes the system's own, as the inherited font did.
std::optional<long> CharsetForFontGroup(const FormStructure& structure, const FormLines& lines) {
    const CodePageDecision& decided = lines.CodePageDecided();
    if (IsEastAsian(decided.page))
        return std::nullopt;
    if (const std::optional<long> own = FormsOwnCharset(structure, lines))
        return IsEastAsianCharset(*own) ? std::nullopt : own;
    const bool byTheText = decided.basis == CodePageBasis::OwnText || decided.basis == CodePageBasis::Folder ||
                           decided.basis == CodePageBasis::Operator;
    return byTheText ? CharsetOf(decided.page) : kSystemDefaultCharset;
}

std::vector<std::u16string> FontGroupLines(const std::u16string& indentation, std::u16string_view face,
                                           double sizeValue, long charsetValue) {
    const std::u16string size = NumberToText(sizeValue);
    const std::u16string charset = NumberToText(static_cast<double>(charsetValue));
    const std::u16string inner = indentation + u"   ";
    return {
        indentation + u"BeginProperty Font ",
        inner + u"Name            =   \"" + std::u16string(face) + u"\"",
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
                                                    const ScaleFactors& factors, std::u16string_view face) {
    if (factors.ChangeNothing() || !structure.HasBlocks() || !IsFormWithAFont(structure.ClassName(lines, 0)))
        return std::nullopt;
    const int beginLine = structure.BlockAt(0).beginLine;
    if (HasOwnFontGroup(structure, lines, beginLine, lines.LineCount()))
        return std::nullopt;
    const std::optional<long> charset = CharsetForFontGroup(structure, lines);
    if (!charset)
        return std::nullopt;
    const FontGroupPlace place = PlaceForFontGroup(structure, lines, beginLine);
    const double size = *ScaledFontSize(kDefaultFontSize, factors.Smaller());
    return FontGroupInsertion{place.afterLine, FontGroupLines(place.indentation, face, size, *charset), size};
}

}  // namespace tremaro
