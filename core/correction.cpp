#include "core/correction.h"

#include "platform/numbers.h"
#include "platform/text_ops.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <vector>

namespace tremaro {

const char* const kPercentRefusedMessage =
    "Недопустим процент на корекцията.\r\nДопустими стойности са от 20 до 500.";

namespace {

constexpr const char* kNoFormMessage = "Няма форма за коригиране.";
constexpr const char* kFinishedMessage = "Край на корекцията.";

constexpr std::size_t kWindowWidth = 10;

enum class ValueClass { None, WholeNumber, TwoDecimals };

// A property name that ends in one of these words and is padded with blanks to the "="
// column, as the designer writes them.
constexpr std::u16string_view kWholeNumberNames[] = {u"Top", u"Height", u"Width", u"Left"};
constexpr std::u16string_view kTwoDecimalName = u"Size";
constexpr std::u16string_view kAutoSize = u"AutoSize";

// A control on a hidden tab of a tabbed dialog is stored 75000 twips to the left of
// where it stands; it is scaled where it stands and moved back.
constexpr double kHiddenTabOffset = 75000;
constexpr double kHiddenTabThreshold = -60000;

// Every key is a name followed by two blanks, so one pass over the line's blank pairs
// finds them all: a line holds the key "Top  " exactly when some pair of blanks in it
// comes right after "Top".
ValueClass ClassifyLine(std::u16string_view line) {
    bool size = false;
    for (std::size_t i = 1; i + 1 < line.size(); ++i) {
        if (line[i] != u' ' || line[i + 1] != u' ')
            continue;
        const char16_t last = line[i - 1];  // the last letter of Top, Height, Width, Left, Size
        if (last != u'p' && last != u't' && last != u'h' && last != u'e')
            continue;
        const std::u16string_view before = line.substr(0, i);
        for (const std::u16string_view name : kWholeNumberNames)
            if (before.ends_with(name))
                return ValueClass::WholeNumber;
        size = size || before.ends_with(kTwoDecimalName);
    }
    return size && line.find(kAutoSize) == std::u16string_view::npos ? ValueClass::TwoDecimals : ValueClass::None;
}

std::u16string_view TrimBlanks(std::u16string_view text) {
    const auto first = text.find_first_not_of(u" \t");
    if (first == std::u16string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(u" \t") - first + 1);
}

// The new window: two blanks and the number, padded with blanks to the old window's
// width. Held in place, since the correction makes one for most lines of a form; the
// longest number text ("-1.79769313486232E+308") still fits with room to spare.
class NewWindow {
public:
    void Append(char16_t c) {
        if (size_ < characters_.size())
            characters_[size_++] = c;
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
    void PadTo(std::size_t width) {
        while (size_ < width)
            Append(u' ');
    }
    std::u16string_view View() const { return {characters_.data(), size_}; }

private:
    std::array<char16_t, 32> characters_{};
    std::size_t size_ = 0;
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
    return RoundToInteger(scaled);
}

std::optional<std::u16string> ScaleTwoDecimals(double value, double factor) {
    const double scaled = value * factor;
    const double hundredths = scaled * 100;
    if (!std::isfinite(value) || !std::isfinite(scaled) || !std::isfinite(hundredths))
        return std::nullopt;
    return NumberToText(std::trunc(hundredths) / 100);
}

// What the correction does to one line: the window's place and what replaces it.
struct WindowRewrite {
    LineCorrection::Status status = LineCorrection::Status::Unchanged;
    std::size_t start = 0;   // 0-based index of the window's first character
    std::size_t length = 0;  // the window's length
    NewWindow text;          // at least as long as the old window
};

WindowRewrite PlanLine(std::u16string_view line, double correctionFactor) {
    using Status = LineCorrection::Status;
    const std::size_t equals = FindCharacter(line, u'=');
    if (equals == std::u16string_view::npos || FindCharacter(line, u'\'', equals) != std::u16string_view::npos)
        return {};
    const ValueClass valueClass = ClassifyLine(line);
    if (valueClass == ValueClass::None)
        return {};
    const std::size_t start = equals + 1;
    const std::u16string_view window = ExtractText(line, start + 1, kWindowWidth);
    const NumberReading reading = ReadNumber(window);
    if (!reading.found)
        return {};

    WindowRewrite rewrite{Status::Rewritten, start, window.size(), {}};
    rewrite.text.Append(u"  ");
    if (valueClass == ValueClass::WholeNumber) {
        const bool onHiddenTab =
            reading.value <= kHiddenTabThreshold && TrimBlanks(line.substr(0, equals)) == u"Left";
        const auto number = ScaleWholeNumber(reading.value, correctionFactor, onHiddenTab);
        if (!number)
            return {Status::OutOfRange, 0, 0, {}};
        rewrite.text.AppendInteger(*number);
    } else {
        const auto number = ScaleTwoDecimals(reading.value, correctionFactor);
        if (!number)
            return {Status::OutOfRange, 0, 0, {}};
        rewrite.text.Append(*number);
    }
    rewrite.text.PadTo(window.size());
    return rewrite;
}

// The line with its window, length characters from start, replaced by newWindow.
std::u16string ReplaceWindow(std::u16string_view line, std::size_t start, std::size_t length,
                             std::u16string_view newWindow) {
    std::u16string corrected(line.substr(0, start));
    corrected += newWindow;
    corrected += line.substr(start + length);
    return corrected;
}

}  // namespace

std::optional<double> CorrectionFactorOf(std::u16string_view percentText) {
    const double factor = TextToNumber(percentText) / 100;
    if (factor > 5.0 || factor < 0.2)
        return std::nullopt;
    return factor;
}

LineCorrection CorrectLine(std::u16string_view line, double correctionFactor) {
    const WindowRewrite rewrite = PlanLine(line, correctionFactor);
    if (rewrite.status != LineCorrection::Status::Rewritten)
        return {rewrite.status, {}};
    return {LineCorrection::Status::Rewritten, ReplaceWindow(line, rewrite.start, rewrite.length, rewrite.text.View())};
}

CorrectionOutcome RunCorrection(std::u16string_view percentText, FormLines& lines, OperatorPort& port) {
    const auto factor = CorrectionFactorOf(percentText);
    if (!factor) {
        port.ShowMessage(kPercentRefusedMessage, MessageButtons::Ok);
        return CorrectionOutcome::PercentRefused;
    }
    const int lineCount = lines.LineCount();
    if (lineCount == 0) {
        port.ShowMessage(kNoFormMessage, MessageButtons::Ok);
        return CorrectionOutcome::NoForm;
    }

    // Work everything out first, so that a refused run leaves every line as it was. The new
    // windows wait side by side in one buffer: most lines of a form get one, and fresh
    // memory is what a run on a large form spends most of its time on.
    struct PlannedRewrite {
        int slot;
        std::uint32_t start;
        std::uint32_t length;
        std::uint32_t textStart;
        std::uint32_t textLength;
    };
    std::vector<PlannedRewrite> rewrites;
    rewrites.reserve(static_cast<std::size_t>(lineCount));
    std::u16string newWindows;
    newWindows.reserve(static_cast<std::size_t>(lineCount) * kWindowWidth);
    for (int slot = 1; slot <= lineCount; ++slot) {
        const WindowRewrite rewrite = PlanLine(lines.Line(slot), *factor);
        if (rewrite.status == LineCorrection::Status::OutOfRange) {
            port.ShowMessage("Стойността на ред " + std::to_string(slot - 1) +
                                 " е извън допустимия обхват.\r\nФормата не е променена.",
                             MessageButtons::Ok);
            return CorrectionOutcome::ValueOutOfRange;
        }
        if (rewrite.status != LineCorrection::Status::Rewritten)
            continue;
        const std::u16string_view text = rewrite.text.View();
        rewrites.push_back({slot, static_cast<std::uint32_t>(rewrite.start), static_cast<std::uint32_t>(rewrite.length),
                            static_cast<std::uint32_t>(newWindows.size()), static_cast<std::uint32_t>(text.size())});
        newWindows += text;
    }
    for (const PlannedRewrite& rewrite : rewrites) {
        const std::u16string_view text = std::u16string_view(newWindows).substr(rewrite.textStart, rewrite.textLength);
        if (text.size() == rewrite.length) {
            lines.OverwriteInLine(rewrite.slot, rewrite.start, text);
        } else {
            lines.ReplaceLine(rewrite.slot, ReplaceWindow(lines.Line(rewrite.slot), rewrite.start, rewrite.length, text));
        }
    }

    port.SetViewText(lines.AssembleText());
    port.ShowMessage(kFinishedMessage, MessageButtons::Ok);
    return CorrectionOutcome::Corrected;
}

}  // namespace tremaro
