#include "core/correction.h"

#include "core/font_group.h"
#include "core/form_structure.h"
#include "core/layout_names.h"
#include "core/messages.h"
#include "core/true_type_fonts.h"
#include "core/scale_factors.h"
#include "platform/numbers.h"
#include "platform/text_ops.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

namespace tremaro {

namespace {

constexpr std::size_t kValueFieldWidth = 10;

// A control on a hidden tab of a tabbed dialog is stored 75000 twips to the left of where
// it stands; it is scaled where it stands and moved back.
constexpr double kHiddenTabOffset = 75000;

// A font size is cut to two decimals on its decimal value: 12.37 is 1236.9999... hundredths
// in binary, and must stay 12.37 at 100 %.
constexpr double kSameHundredth = 1e-9;

// What a line's rewriting depends on besides its text: where it stands in the form.
struct LineContext {
    bool inDescription = false;  // an ordinary line inside the description (not Begin, End...)
    NamePlace place;
    int group = FormStructure::kNone;  // the property group the line stands in
    FormStructure::TabPlacement tab = FormStructure::TabPlacement::NotListed;
    bool isLineControl = false;
};

bool IsDigitOrPoint(char16_t c) {
    return IsDigit(c) || c == u'.';
}

// The length of the value field that starts at start: ten characters, and more while a
// number runs on past them, so that a long number is read whole.
std::size_t ValueFieldLength(std::u16string_view line, std::size_t start) {
    std::size_t end = start + std::min(kValueFieldWidth, line.size() - std::min(start, line.size()));
    while (end > start && end < line.size() && IsDigitOrPoint(line[end - 1]) && IsDigitOrPoint(line[end]))
        ++end;
    return end - start;
}

enum class RewriteStatus { Unchanged, Rewritten, OutOfRange };

// The characters [first, end) of a line give way to a new text, which waits in the run's
// buffer of new texts from textStart on: most lines of a form get one, and fresh memory for
// each is what a run on a large form would spend most of its time on.
struct Replacement {
    std::uint32_t first = 0;
    std::uint32_t end = 0;
    std::uint32_t textStart = 0;
    std::uint32_t textLength = 0;
};

// What the correction does to one line: which characters of its value give way to what text,
// whatever the value is (a number, a quoted text, a Forms 2.0 size's two numbers).
struct LinePlan {
    RewriteStatus status = RewriteStatus::Unchanged;
    std::uint32_t count = 0;
    std::array<Replacement, 2> replacements{};
};

// Plans one line's replacements, their texts written to the run's buffer.
class PlanMaker {
public:
    explicit PlanMaker(std::u16string& texts) : texts_(texts) {}

    // The characters [first, end) of the line give way to text.
    void Replace(std::size_t first, std::size_t end, std::u16string_view text) {
        const std::size_t start = texts_.size();
        texts_ += text;
        Add(first, end, start);
    }
    void ReplaceWithInteger(std::size_t first, std::size_t end, std::int32_t value) {
        char digits[12];
        const auto written = std::to_chars(digits, digits + sizeof digits, value);
        const std::size_t start = texts_.size();
        texts_.append(digits, written.ptr);
        Add(first, end, start);
    }
    void OutOfRange() { plan_.status = RewriteStatus::OutOfRange; }
    bool IsOutOfRange() const { return plan_.status == RewriteStatus::OutOfRange; }

    // The plan made, and the maker emptied for the next line.
    LinePlan Take() { return std::exchange(plan_, LinePlan{}); }

private:
    void Add(std::size_t first, std::size_t end, std::size_t start) {
        plan_.status = RewriteStatus::Rewritten;
        plan_.replacements[plan_.count++] = {static_cast<std::uint32_t>(first), static_cast<std::uint32_t>(end),
                                             static_cast<std::uint32_t>(start),
                                             static_cast<std::uint32_t>(texts_.size() - start)};
    }

    std::u16string& texts_;
    LinePlan plan_;
};

std::optional<std::int32_t> ScaleWholeNumber(double value, double factor, bool shiftedByTab) {
    if (!std::isfinite(value))
        return std::nullopt;
    if (shiftedByTab) {
        const double shifted = (value + kHiddenTabOffset) * factor;
        if (!std::isfinite(shifted))
            return std::nullopt;
        return RoundToInteger(std::nearbyint(shifted) - kHiddenTabOffset);
    }
    const auto rounded = RoundToInteger(value * factor);
    // A pen or a border 0 wide is refused when the form loads; 1 twip looks the same as 0.
    if (rounded && value >= 1 && *rounded < 1)
        return 1;
    return rounded;
}

// Whether the line's value is scaled where its control stands on a hidden tab: the Left of
// such a control, and the ends across of a Line on one.
bool ShiftedByTab(std::u16string_view name, double value, const LineContext& context) {
    using Placement = FormStructure::TabPlacement;
    if (EqualIgnoringAsciiCase(name, u"Left")) {
        if (context.tab == Placement::OnHiddenTab)
            return !context.place.inGroup;
        return StandsOnHiddenTab(context.tab, value);
    }
    return context.isLineControl && !context.place.inGroup &&
           (EqualIgnoringAsciiCase(name, u"X1") || EqualIgnoringAsciiCase(name, u"X2")) &&
           StandsOnHiddenTab(context.tab, std::nullopt);
}

// A number as Val reads it from the value field, and where it stands in the line.
struct FieldNumber {
    double value = 0;
    std::size_t first = 0;
    std::size_t end = 0;
    bool decimalComma = false;
};

std::optional<FieldNumber> NumberInField(std::u16string_view line, std::size_t start, std::size_t length) {
    const NumberReading reading = ReadNumber(line.substr(start, length));
    if (!reading.found)
        return std::nullopt;
    return FieldNumber{reading.value, start + reading.first, start + reading.end, false};
}

// A font size written with a decimal comma, as some locales' designers write it: the field
// holds nothing but digits, one comma and digits.
std::optional<FieldNumber> CommaNumberInField(std::u16string_view line, std::size_t start, std::size_t length) {
    const std::u16string_view field = TrimmedText(line.substr(start, length));
    const std::size_t comma = field.find(u',');
    if (comma == std::u16string_view::npos || comma == 0 || comma + 1 == field.size())
        return std::nullopt;
    if (!std::all_of(field.begin(), field.begin() + static_cast<std::ptrdiff_t>(comma), IsDigit) ||
        !std::all_of(field.begin() + static_cast<std::ptrdiff_t>(comma) + 1, field.end(), IsDigit))
        return std::nullopt;
    std::u16string pointed(field);
    pointed[comma] = u'.';
    const std::size_t first = static_cast<std::size_t>(field.data() - line.data());
    return FieldNumber{ReadNumber(pointed).value, first, first + field.size(), true};
}

void PlanWholeNumber(const FieldNumber& number, bool shiftedByTab, double factor, PlanMaker& plan) {
    const auto scaled = ScaleWholeNumber(number.value, factor, shiftedByTab);
    if (!scaled) {
        plan.OutOfRange();
        return;
    }
    if (*scaled != number.value)
        plan.ReplaceWithInteger(number.first, number.end, *scaled);
}

// The size as the correction leaves it, where it can be represented.
std::optional<double> PlanFontSize(const FieldNumber& number, double factor, PlanMaker& plan) {
    const auto scaled = ScaledFontSize(number.value, factor);
    if (!scaled) {
        plan.OutOfRange();
        return std::nullopt;
    }
    if (*scaled == number.value)
        return scaled;
    std::u16string text = NumberToText(*scaled);
    if (number.decimalComma)
        std::replace(text.begin(), text.end(), u'.', u',');
    plan.Replace(number.first, number.end, text);
    return scaled;
}

// A Forms 2.0 control's size, `"W;H"`: the quote stands in the value field after its blanks,
// and the pair may run on past the field to its closing quote. The width takes the factor
// across, the height the one down.
void PlanSizePair(std::u16string_view line, std::size_t start, std::size_t length, const ScaleFactors& factors,
                  PlanMaker& plan) {
    std::size_t at = start;
    while (at < start + length && IsBlank(line[at]))
        ++at;
    if (at == start + length || line[at] != u'"')
        return;
    FieldNumber numbers[2];
    for (int i = 0; i < 2; ++i) {
        const std::size_t first = ++at;
        while (at < line.size() && IsDigit(line[at]))
            ++at;
        const char16_t closing = i == 0 ? u';' : u'"';
        if (at == first || at == line.size() || line[at] != closing)
            return;
        numbers[i] = {ReadNumber(line.substr(first, at - first)).value, first, at, false};
    }
    PlanWholeNumber(numbers[0], false, factors.horizontal, plan);
    if (!plan.IsOutOfRange())
        PlanWholeNumber(numbers[1], false, factors.vertical, plan);
}

// Where the text between a value's quotes stands, when the value is quoted: its opening quote
// is the first character after the blanks past the "=".
struct QuotedText {
    std::size_t first = 0;
    std::size_t end = 0;
};

std::optional<QuotedText> QuotedValue(std::u16string_view line, std::size_t start) {
    std::size_t at = start;
    while (at < line.size() && IsBlank(line[at]))
        ++at;
    if (at == line.size() || line[at] != u'"')
        return std::nullopt;
    const std::size_t closing = FindCharacter(line, u'"', at + 1);
    if (closing == std::u16string_view::npos)
        return std::nullopt;
    return QuotedText{at + 1, closing};
}

bool IsFontsFaceName(std::u16string_view name, const NamePlace& place) {
    return SameName(name, u"Name") && InFontGroup(place);
}

// A font group's face that has a TrueType twin names the twin: the quoted name gives way, the
// quotes and all around them stay.
void PlanTrueTypeFace(std::u16string_view line, std::size_t start, PlanMaker& plan) {
    const std::optional<QuotedText> face = QuotedValue(line, start);
    if (!face)
        return;
    if (const auto twin = TrueTypeTwinOf(line.substr(face->first, face->end - face->first)))
        plan.Replace(face->first, face->end, *twin);
}

// Whether a font group of the form names MS Sans Serif and asks, once corrected, for less than
// the smallest size Windows shows it at: its text is then shown larger than its box was made
// for. Noted as the correction passes each group's Name and Size lines.
class BitmapSansSerifWatch {
public:
    void NoteFace(int group, std::u16string_view line, std::size_t start) {
        const std::optional<QuotedText> quoted = QuotedValue(line, start);
        GroupAt(group).bitmapSansSerif =
            quoted && EqualIgnoringAsciiCase(line.substr(quoted->first, quoted->end - quoted->first), kBitmapSansSerif);
    }
    void NoteSize(int group, std::optional<double> size) { GroupAt(group).size = size; }

    bool AnyUnderTheSmallest() const {
        return std::any_of(groups_.begin(), groups_.end(), [](const GroupFont& font) {
            return font.bitmapSansSerif && font.size && *font.size < kSmallestBitmapSansSerif;
        });
    }

private:
    struct GroupFont {
        bool bitmapSansSerif = false;
        std::optional<double> size;
    };

    GroupFont& GroupAt(int group) {
        const auto at = static_cast<std::size_t>(group);
        if (groups_.size() <= at)
            groups_.resize(at + 1);
        return groups_[at];
    }

    std::vector<GroupFont> groups_;
};

double FactorAlong(Axis axis, const ScaleFactors& factors) {
    switch (axis) {
    case Axis::Horizontal:
        return factors.horizontal;
    case Axis::Vertical:
        return factors.vertical;
    case Axis::WidthThenHeight:
    case Axis::Neither:
        break;
    }
    return factors.Smaller();
}

// watch: where the correction is to say that MS Sans Serif is asked for under its smallest size.
void PlanLine(std::u16string_view line, const LineContext& context, const ScaleFactors& factors,
              const CorrectionChoices& choices, BitmapSansSerifWatch* watch, PlanMaker& plan) {
    if (!context.inDescription)
        return;
    const std::size_t equals = FindCharacter(line, u'=');
    if (equals == std::u16string_view::npos || FindCharacter(line, u'\'', equals) != std::u16string_view::npos)
        return;
    const std::u16string_view name = TrimmedText(line.substr(0, equals));
    if (choices.trueTypeFonts && IsFontsFaceName(name, context.place)) {
        PlanTrueTypeFace(line, equals + 1, plan);
        return;
    }
    if (watch && IsFontsFaceName(name, context.place))
        watch->NoteFace(context.group, line, equals + 1);
    const NameRule* rule = RuleOf(name, context.place);
    if (!rule || rule->kind == ValueKind::Kept)
        return;
    const ValueKind kind = rule->kind;
    const std::size_t start = equals + 1;
    const std::size_t length = ValueFieldLength(line, start);

    if (kind == ValueKind::SizePair) {
        PlanSizePair(line, start, length, factors, plan);
        return;
    }
    auto number = kind == ValueKind::FontSize ? CommaNumberInField(line, start, length) : std::nullopt;
    if (!number)
        number = NumberInField(line, start, length);
    if (!number)
        return;
    const double factor = FactorAlong(rule->axis, factors);
    if (kind == ValueKind::WholeNumber) {
        PlanWholeNumber(*number, ShiftedByTab(name, number->value, context), factor, plan);
        return;
    }
    const std::optional<double> size = PlanFontSize(*number, factor, plan);
    if (watch && SameName(name, u"Size") && InFontGroup(context.place))
        watch->NoteSize(context.group, size);
}

LineContext ContextOf(const FormStructure& structure, const FormLines& lines, int line) {
    const FormStructure::LinePlace& place = structure.PlaceOf(line);
    LineContext context;
    context.inDescription = place.role == FormStructure::LineRole::Inside;
    if (!context.inDescription)
        return context;
    context.place.inGroup = place.group != FormStructure::kNone;
    context.group = place.group;
    if (context.place.inGroup)
        context.place.groupName = structure.GroupName(lines, place.group);
    const FormStructure::Block& block = structure.BlockAt(place.block);
    context.place.blockInUserScale = block.userScale;
    context.place.containerInUserScale = structure.ContainerInUserScale(place.block);
    context.tab = block.tab;
    context.isLineControl = block.isLineControl;
    return context;
}

}  // namespace

std::optional<double> ScaledFontSize(double value, double factor) {
    const double scaled = value * factor;
    const double hundredths = scaled * 100;
    if (!std::isfinite(value) || !std::isfinite(scaled) || !std::isfinite(hundredths))
        return std::nullopt;
    const double nearest = std::nearbyint(hundredths);
    if (std::abs(scaled - nearest / 100) <= kSameHundredth)
        return nearest / 100;
    return std::trunc(hundredths) / 100;
}

namespace {

// The bytes of lines of ASCII, each with its CR LF.
std::size_t BytesOfLines(const std::vector<std::u16string>& asciiLines) {
    std::size_t bytes = 0;
    for (const std::u16string& line : asciiLines)
        bytes += line.size() + 2;
    return bytes;
}

// Whether the form, grown by grownBy bytes of ASCII, would be written larger than a read
// takes: then it could be saved but never read again. Three bytes a character bound every code
// page, so the lines are encoded to count only when that bound is passed.
bool WouldPassTheLargestFile(const FormLines& lines, std::ptrdiff_t grownBy) {
    std::ptrdiff_t characters = 0;
    for (int line = 1; line <= lines.LineCount(); ++line)
        characters += static_cast<std::ptrdiff_t>(lines.Line(line).size() + TextOf(lines.EndingOf(line)).size());
    const auto largest = static_cast<std::ptrdiff_t>(kMaxFileSize);
    if (3 * characters + grownBy <= largest)
        return false;
    std::ptrdiff_t bytes = grownBy;
    std::string encoded;
    for (int line = 1; line <= lines.LineCount(); ++line) {
        encoded.clear();
        AppendEncoded(lines.TextCodePage(), lines.Line(line), encoded);
        bytes += static_cast<std::ptrdiff_t>(encoded.size() + TextOf(lines.EndingOf(line)).size());
    }
    return bytes > largest;
}

struct PlannedLine {
    int line;
    LinePlan plan;
};

// How many characters longer the plan makes its line.
std::ptrdiff_t GrowthOf(const LinePlan& plan) {
    std::ptrdiff_t growth = 0;
    for (std::uint32_t i = 0; i < plan.count; ++i)
        growth += static_cast<std::ptrdiff_t>(plan.replacements[i].textLength) -
                  static_cast<std::ptrdiff_t>(plan.replacements[i].end - plan.replacements[i].first);
    return growth;
}

// The characters the lines' buffer takes on as the plans are applied and the font group is put
// in: a line that grows is written anew, whole, at the buffer's end.
std::size_t CharactersAppended(const std::vector<PlannedLine>& planned, const FormLines& lines,
                               const std::optional<FontGroupInsertion>& fontGroup) {
    std::size_t appended = 0;
    for (const PlannedLine& rewrite : planned)
        if (const std::ptrdiff_t growth = GrowthOf(rewrite.plan); growth > 0)
            appended += lines.Line(rewrite.line).size() + static_cast<std::size_t>(growth);
    if (fontGroup)
        for (const std::u16string& line : fontGroup->lines)
            appended += line.size();
    return appended;
}

void ApplyPlan(int line, const LinePlan& plan, std::u16string_view texts, FormLines& lines) {
    auto textOf = [texts](const Replacement& replacement) {
        return texts.substr(replacement.textStart, replacement.textLength);
    };
    const Replacement& only = plan.replacements[0];
    if (plan.count == 1 && only.textLength == only.end - only.first) {
        lines.OverwriteInLine(line, only.first, textOf(only));
        return;
    }
    const std::u16string_view text = lines.Line(line);
    std::u16string rewritten;
    rewritten.reserve(text.size() + 16);
    std::size_t taken = 0;
    for (std::uint32_t i = 0; i < plan.count; ++i) {
        rewritten += text.substr(taken, plan.replacements[i].first - taken);
        rewritten += textOf(plan.replacements[i]);
        taken = plan.replacements[i].end;
    }
    rewritten += text.substr(taken);
    lines.ReplaceLine(line, rewritten);
}

}  // namespace

CorrectionOutcome RunCorrection(std::u16string_view percentText, FormLines& lines, OperatorPort& port,
                                CorrectionChoices choices) {
    const std::optional<ScaleFactors> factors = ScaleFactorsOf(percentText);
    if (!factors) {
        port.ShowMessage({messages::PercentRefused()}, MessageButtons::Ok);
        return CorrectionOutcome::PercentRefused;
    }
    if (!lines.HasForm()) {
        port.ShowMessage({messages::NoForm()}, MessageButtons::Ok);
        return CorrectionOutcome::NoForm;
    }
    const int lineCount = lines.LineCount();
    const FormStructure structure = FormStructure::Scan(lines);

    // Work everything out first, so that a refused run leaves every line as it was. The new
    // texts wait side by side in one buffer.
    std::vector<PlannedLine> planned;
    planned.reserve(static_cast<std::size_t>(lineCount));
    std::u16string texts;
    texts.reserve(static_cast<std::size_t>(lineCount) * 6);
    PlanMaker maker(texts);
    BitmapSansSerifWatch watch;
    BitmapSansSerifWatch* const watching = choices.trueTypeFonts ? nullptr : &watch;
    for (int line = 1; line <= lineCount; ++line) {
        PlanLine(lines.Line(line), ContextOf(structure, lines, line), *factors, choices, watching, maker);
        const LinePlan plan = maker.Take();
        if (plan.status == RewriteStatus::OutOfRange) {
            port.ShowMessage({messages::ValueOutOfRange(line)}, MessageButtons::Ok);
            return CorrectionOutcome::ValueOutOfRange;
        }
        if (plan.status == RewriteStatus::Rewritten)
            planned.push_back({line, plan});
    }
    const std::optional<FontGroupInsertion> fontGroup = FontGroupToInsert(
        structure, lines, *factors, choices.trueTypeFonts ? *TrueTypeTwinOf(kDefaultFontName) : kDefaultFontName);
    if (fontGroup && lineCount + fontGroup->lines.size() > static_cast<std::size_t>(FormLines::kMaxLineCount)) {
        port.ShowMessage({messages::TooLong(lines.FileName())}, MessageButtons::Ok);
        return CorrectionOutcome::TooLong;
    }
    // What a correction writes is ASCII in every code page: a character each way is a byte.
    std::ptrdiff_t grownBy = fontGroup ? static_cast<std::ptrdiff_t>(BytesOfLines(fontGroup->lines)) : 0;
    for (const PlannedLine& rewrite : planned)
        grownBy += GrowthOf(rewrite.plan);
    if (WouldPassTheLargestFile(lines, grownBy)) {
        port.ShowMessage({messages::TooLarge(lines.FileName())}, MessageButtons::Ok);
        return CorrectionOutcome::TooLarge;
    }
    lines.ReserveRoomToGrow(CharactersAppended(planned, lines, fontGroup));
    for (const PlannedLine& rewrite : planned)
        ApplyPlan(rewrite.line, rewrite.plan, texts, lines);
    const bool bitmapSansSerifTooSmall =
        watching && ((fontGroup && fontGroup->size < kSmallestBitmapSansSerif) || watch.AnyUnderTheSmallest());

    if (fontGroup)
        lines.InsertLines(fontGroup->afterLine, fontGroup->lines);

    if (port.ShowsViewText())
        port.SetViewText(lines.AssembleText());
    MessageLines finished{messages::CorrectionFinished()};
    if (bitmapSansSerifTooSmall)
        finished.push_back(messages::BitmapSansSerifTooSmall());
    port.ShowMessage(finished, MessageButtons::Ok);
    return CorrectionOutcome::Corrected;
}

}  // namespace tremaro
