#include "core/correction.h"

#include "core/form_structure.h"
#include "core/layout_names.h"
#include "core/messages.h"
#include "platform/numbers.h"
#include "platform/text_ops.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <vector>

namespace tremaro {

namespace {

constexpr std::size_t kValueFieldWidth = 10;

// A control on a hidden tab of a tabbed dialog is stored 75000 twips to the left of
// where it stands; it is scaled where it stands and moved back.
constexpr double kHiddenTabOffset = 75000;
constexpr double kHiddenTabThreshold = -60000;

// What a line's rewriting depends on besides its text: where it stands in the form.
struct LineContext {
    bool inDescription = false;  // an ordinary line inside the description (not Begin, End...)
    NamePlace place;
};

bool IsDigitOrPoint(char16_t c) {
    return (c >= u'0' && c <= u'9') || c == u'.';
}

// The length of the value field that starts at start: ten characters, and more while a
// number runs on past them, so that no old digits are left behind the new value.
std::size_t ValueFieldLength(std::u16string_view line, std::size_t start) {
    std::size_t end = start + std::min(kValueFieldWidth, line.size() - std::min(start, line.size()));
    while (end > start && end < line.size() && IsDigitOrPoint(line[end - 1]) && IsDigitOrPoint(line[end]))
        ++end;
    return end - start;
}

// The new value field: two blanks and the number, then blanks to the old field's width.
// The number is held in place, since the correction makes one for most lines of a form;
// the longest number text ("-1.79769313486232E+308") still fits with room to spare.
class ValueField {
public:
    ValueField() : ValueField(0) {}
    explicit ValueField(std::size_t width) : width_(width) { Append(u"  "); }

    void Append(char16_t c) {
        if (size_ < number_.size())
            number_[size_++] = c;
    }
    void Append(std::u16string_view text) {
        for (const char16_t c : text)
            Append(c);
    }
    void AppendInteger(std::int32_t value) {
        char digits[12];
        const auto written = std::to_chars(digits, digits + sizeof digits, value);
        for (const char* c = digits; c < written.ptr; ++c)
            Append(static_cast<char16_t>(*c));
    }
    // The blanks and the number, without the padding.
    std::u16string_view Number() const { return {number_.data(), size_}; }
    std::size_t Width() const { return std::max(size_, width_); }
    void AppendTo(std::u16string& text) const {
        text += Number();
        text.append(Width() - size_, u' ');
    }

private:
    std::array<char16_t, 32> number_{};
    std::size_t size_ = 0;
    std::size_t width_;
};

std::optional<std::int32_t> ScaleWholeNumber(double value, double factor, bool onHiddenTab) {
    if (!std::isfinite(value))
        return std::nullopt;
    double scaled = 0;
    if (onHiddenTab) {
        const double shifted = (value + kHiddenTabOffset) * factor;
        if (!std::isfinite(shifted))
            return std::nullopt;
        scaled = std::nearbyint(shifted) - kHiddenTabOffset;
    } else {
        scaled = value * factor;
    }
    const auto rounded = RoundToInteger(scaled);
    // A pen or a border 0 wide is refused when the form loads; 1 twip looks the same as 0.
    if (rounded && value >= 1 && *rounded < 1)
        return 1;
    return rounded;
}

std::optional<std::u16string> ScaleTwoDecimals(double value, double factor) {
    const double scaled = value * factor;
    const double hundredths = scaled * 100;
    if (!std::isfinite(value) || !std::isfinite(scaled) || !std::isfinite(hundredths))
        return std::nullopt;
    return NumberToText(std::trunc(hundredths) / 100);
}

// What the correction does to one line: the value field's place and what replaces it.
enum class RewriteStatus { Unchanged, Rewritten, OutOfRange };

struct FieldRewrite {
    RewriteStatus status = RewriteStatus::Unchanged;
    std::size_t start = 0;   // 0-based index of the field's first character
    std::size_t length = 0;  // the field's length
    ValueField field;        // at least as long as the old field
};

FieldRewrite PlanLine(std::u16string_view line, const LineContext& context, double correctionFactor) {
    using Status = RewriteStatus;
    if (!context.inDescription)
        return {};
    const std::size_t equals = FindCharacter(line, u'=');
    if (equals == std::u16string_view::npos || FindCharacter(line, u'\'', equals) != std::u16string_view::npos)
        return {};
    const std::u16string_view name = TrimmedText(line.substr(0, equals));
    const ValueKind kind = KindOfValue(name, context.place);
    if (kind == ValueKind::Kept)
        return {};
    const std::size_t start = equals + 1;
    const std::size_t length = ValueFieldLength(line, start);
    const NumberReading reading = ReadNumber(line.substr(start, length));
    if (!reading.found)
        return {};

    FieldRewrite rewrite{Status::Rewritten, start, length, ValueField(length)};
    if (kind == ValueKind::WholeNumber) {
        const bool onHiddenTab = reading.value <= kHiddenTabThreshold && name == u"Left";
        const auto number = ScaleWholeNumber(reading.value, correctionFactor, onHiddenTab);
        if (!number)
            return {Status::OutOfRange, 0, 0, {}};
        rewrite.field.AppendInteger(*number);
    } else {
        const auto number = ScaleTwoDecimals(reading.value, correctionFactor);
        if (!number)
            return {Status::OutOfRange, 0, 0, {}};
        rewrite.field.Append(*number);
    }
    return rewrite;
}

// The line with its value field, length characters from start, replaced by newField.
std::u16string ReplaceField(std::u16string_view line, std::size_t start, std::size_t length,
                            std::u16string_view newField) {
    std::u16string corrected(line.substr(0, start));
    corrected += newField;
    corrected += line.substr(start + length);
    return corrected;
}

LineContext ContextOf(const FormStructure& structure, const FormLines& lines, int line) {
    const FormStructure::LinePlace& place = structure.PlaceOf(line);
    LineContext context;
    context.inDescription = place.role == FormStructure::LineRole::Inside;
    if (!context.inDescription)
        return context;
    context.place.inGroup = place.group != FormStructure::kNone;
    if (context.place.inGroup)
        context.place.groupName = structure.GroupName(lines, place.group);
    context.place.blockInUserScale = structure.BlockAt(place.block).userScale;
    return context;
}

}  // namespace

std::optional<double> CorrectionFactorOf(std::u16string_view percentText) {
    const double factor = TextToNumber(percentText) / 100;
    if (factor > 5.0 || factor < 0.2)
        return std::nullopt;
    return factor;
}

CorrectionOutcome RunCorrection(std::u16string_view percentText, FormLines& lines, OperatorPort& port) {
    const auto factor = CorrectionFactorOf(percentText);
    if (!factor) {
        port.ShowMessage(messages::kPercentRefused, MessageButtons::Ok);
        return CorrectionOutcome::PercentRefused;
    }
    if (!lines.HasForm()) {
        port.ShowMessage(messages::kNoForm, MessageButtons::Ok);
        return CorrectionOutcome::NoForm;
    }
    const int lineCount = lines.LineCount();
    const FormStructure structure = FormStructure::Scan(lines);

    // Work everything out first, so that a refused run leaves every line as it was. The new
    // fields wait side by side in one buffer: most lines of a form get one, and fresh
    // memory is what a run on a large form spends most of its time on.
    struct PlannedRewrite {
        int line;
        std::uint32_t start;
        std::uint32_t length;
        std::uint32_t fieldStart;
        std::uint32_t fieldLength;
    };
    std::vector<PlannedRewrite> rewrites;
    rewrites.reserve(static_cast<std::size_t>(lineCount));
    std::u16string newFields;
    newFields.reserve(static_cast<std::size_t>(lineCount) * kValueFieldWidth);
    for (int line = 1; line <= lineCount; ++line) {
        const FieldRewrite rewrite = PlanLine(lines.Line(line), ContextOf(structure, lines, line), *factor);
        if (rewrite.status == RewriteStatus::OutOfRange) {
            port.ShowMessage(messages::ValueOutOfRange(line), MessageButtons::Ok);
            return CorrectionOutcome::ValueOutOfRange;
        }
        if (rewrite.status != RewriteStatus::Rewritten)
            continue;
        const std::size_t fieldStart = newFields.size();
        rewrite.field.AppendTo(newFields);
        rewrites.push_back({line, static_cast<std::uint32_t>(rewrite.start), static_cast<std::uint32_t>(rewrite.length),
                            static_cast<std::uint32_t>(fieldStart),
                            static_cast<std::uint32_t>(newFields.size() - fieldStart)});
    }
    for (const PlannedRewrite& rewrite : rewrites) {
        const std::u16string_view field =
            std::u16string_view(newFields).substr(rewrite.fieldStart, rewrite.fieldLength);
        if (field.size() == rewrite.length) {
            lines.OverwriteInLine(rewrite.line, rewrite.start, field);
        } else {
            lines.ReplaceLine(rewrite.line,
                              ReplaceField(lines.Line(rewrite.line), rewrite.start, rewrite.length, field));
        }
    }

    port.SetViewText(lines.AssembleText());
    port.ShowMessage(messages::kCorrectionFinished, MessageButtons::Ok);
    return CorrectionOutcome::Corrected;
}

}  // namespace tremaro
