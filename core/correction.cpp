#include "core/correction.h"

#include "core/form_structure.h"
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

enum class ValueClass { None, WholeNumber, TwoDecimals };

// Positions and sizes: every name ending in one of these words.
constexpr std::u16string_view kLayoutEndings[] = {u"Top", u"Left", u"Width", u"Height"};
// The ends of a Line control and the size an ActiveX control keeps of itself.
constexpr std::u16string_view kLayoutNames[] = {u"X1", u"Y1", u"X2", u"Y2", u"_ExtentX", u"_ExtentY"};
// The pixel size of an image list's pictures: scaled, the stored pictures no longer fit it.
constexpr std::u16string_view kImageNames[] = {u"ImageWidth", u"ImageHeight"};
// A container's own coordinate system: in user scale its code draws in these units.
constexpr std::u16string_view kUserScaleNames[] = {u"ScaleTop", u"ScaleLeft", u"ScaleWidth", u"ScaleHeight"};

// A control on a hidden tab of a tabbed dialog is stored 75000 twips to the left of
// where it stands; it is scaled where it stands and moved back.
constexpr double kHiddenTabOffset = 75000;
constexpr double kHiddenTabThreshold = -60000;

template <std::size_t N>
bool IsOneOf(std::u16string_view name, const std::u16string_view (&names)[N]) {
    for (const std::u16string_view candidate : names)
        if (name == candidate)
            return true;
    return false;
}

template <std::size_t N>
bool EndsInOneOf(std::u16string_view name, const std::u16string_view (&endings)[N]) {
    for (const std::u16string_view ending : endings)
        if (name.ends_with(ending))
            return true;
    return false;
}

// The last characters of Top, Size, Left, Height, Width, X1, X2, _ExtentX and _ExtentY:
// most names of a form are ruled out by this alone.
bool MayBeLayoutName(std::u16string_view name) {
    constexpr std::u16string_view kLastCharacters = u"pteh12XY";
    return !name.empty() && kLastCharacters.find(name.back()) != std::u16string_view::npos;
}

ValueClass ClassOf(std::u16string_view name, const LineContext& context) {
    if (!MayBeLayoutName(name))
        return ValueClass::None;
    if (EndsInOneOf(name, kLayoutEndings)) {
        if (IsOneOf(name, kImageNames))
            return ValueClass::None;
        if (!context.inGroup && context.blockInUserScale && IsOneOf(name, kUserScaleNames))
            return ValueClass::None;
        return ValueClass::WholeNumber;
    }
    if (IsOneOf(name, kLayoutNames))
        return ValueClass::WholeNumber;
    // A Size outside a font group is something else: the byte count of an image list's
    // pictures, a toolbar's button size.
    if (name.ends_with(u"FontSize") || (name == u"Size" && context.inGroup && context.groupName.ends_with(u"Font")))
        return ValueClass::TwoDecimals;
    return ValueClass::None;
}

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
struct FieldRewrite {
    LineCorrection::Status status = LineCorrection::Status::Unchanged;
    std::size_t start = 0;   // 0-based index of the field's first character
    std::size_t length = 0;  // the field's length
    ValueField field;        // at least as long as the old field
};

FieldRewrite PlanLine(std::u16string_view line, const LineContext& context, double correctionFactor) {
    using Status = LineCorrection::Status;
    if (!context.inDescription)
        return {};
    const std::size_t equals = FindCharacter(line, u'=');
    if (equals == std::u16string_view::npos || FindCharacter(line, u'\'', equals) != std::u16string_view::npos)
        return {};
    const std::u16string_view name = TrimmedText(line.substr(0, equals));
    const ValueClass valueClass = ClassOf(name, context);
    if (valueClass == ValueClass::None)
        return {};
    const std::size_t start = equals + 1;
    const std::size_t length = ValueFieldLength(line, start);
    const NumberReading reading = ReadNumber(line.substr(start, length));
    if (!reading.found)
        return {};

    FieldRewrite rewrite{Status::Rewritten, start, length, ValueField(length)};
    if (valueClass == ValueClass::WholeNumber) {
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
    context.inGroup = place.group != FormStructure::kNone;
    if (context.inGroup)
        context.groupName = structure.GroupName(lines, place.group);
    context.blockInUserScale = structure.BlockAt(place.block).userScale;
    return context;
}

}  // namespace

std::optional<double> CorrectionFactorOf(std::u16string_view percentText) {
    const double factor = TextToNumber(percentText) / 100;
    if (factor > 5.0 || factor < 0.2)
        return std::nullopt;
    return factor;
}

LineCorrection CorrectLine(std::u16string_view line, const LineContext& context, double correctionFactor) {
    const FieldRewrite rewrite = PlanLine(line, context, correctionFactor);
    if (rewrite.status != LineCorrection::Status::Rewritten)
        return {rewrite.status, {}};
    std::u16string field;
    rewrite.field.AppendTo(field);
    return {LineCorrection::Status::Rewritten, ReplaceField(line, rewrite.start, rewrite.length, field)};
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
        if (rewrite.status == LineCorrection::Status::OutOfRange) {
            port.ShowMessage(messages::ValueOutOfRange(line), MessageButtons::Ok);
            return CorrectionOutcome::ValueOutOfRange;
        }
        if (rewrite.status != LineCorrection::Status::Rewritten)
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
