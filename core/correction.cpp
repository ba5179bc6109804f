#include "core/correction.h"

#include "platform/numbers.h"
#include "platform/text_ops.h"

#include <array>
#include <cmath>
#include <utility>
#include <vector>

namespace tremaro {

const char* const kPercentRefusedMessage =
    "Недопустим процент на корекцията.\r\nДопустими стойности са от 20 до 500.";

namespace {

constexpr const char* kNoFormMessage = "Няма форма за коригиране.";
constexpr const char* kFinishedMessage = "Край на корекцията.";

constexpr std::size_t kWindowWidth = 10;

enum class ValueClass { None, WholeNumber, TwoDecimals };

struct Key {
    std::u16string_view text;
    ValueClass valueClass;
};

constexpr std::array<Key, 5> kKeys = {{
    {u"Top  ", ValueClass::WholeNumber},
    {u"Height  ", ValueClass::WholeNumber},
    {u"Width  ", ValueClass::WholeNumber},
    {u"Left  ", ValueClass::WholeNumber},
    {u"Size  ", ValueClass::TwoDecimals},
}};

// A control on a hidden tab of a tabbed dialog is stored 75000 twips to the left of
// where it stands; it is scaled where it stands and moved back.
constexpr double kHiddenTabOffset = 75000;
constexpr double kHiddenTabThreshold = -60000;

ValueClass ClassifyLine(std::u16string_view line) {
    if (FindText(line, u"=") == 0)
        return ValueClass::None;
    for (const Key& key : kKeys) {
        if (FindText(line, key.text) == 0)
            continue;
        if (key.valueClass == ValueClass::TwoDecimals && FindText(line, u"AutoSize") != 0)
            return ValueClass::None;
        return key.valueClass;
    }
    return ValueClass::None;
}

std::u16string_view TrimBlanks(std::u16string_view text) {
    const auto first = text.find_first_not_of(u" \t");
    if (first == std::u16string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(u" \t") - first + 1);
}

std::optional<std::u16string> ScaleWholeNumber(double value, double factor, bool onHiddenTab) {
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
    if (!rounded)
        return std::nullopt;
    return IntegerToText(*rounded);
}

std::optional<std::u16string> ScaleTwoDecimals(double value, double factor) {
    const double scaled = value * factor;
    const double hundredths = scaled * 100;
    if (!std::isfinite(value) || !std::isfinite(scaled) || !std::isfinite(hundredths))
        return std::nullopt;
    return NumberToText(std::trunc(hundredths) / 100);
}

}  // namespace

std::optional<double> CorrectionFactorOf(std::u16string_view percentText) {
    const double factor = TextToNumber(percentText) / 100;
    if (factor > 5.0 || factor < 0.2)
        return std::nullopt;
    return factor;
}

LineCorrection CorrectLine(const std::u16string& line, double correctionFactor) {
    using Status = LineCorrection::Status;
    const ValueClass valueClass = ClassifyLine(line);
    if (valueClass == ValueClass::None)
        return {};

    const std::size_t start = FindText(line, u"=") + 1;
    if (line.find(u'\'', start - 1) != std::u16string::npos)
        return {};
    const std::u16string_view window = ExtractText(line, start, kWindowWidth);
    const NumberReading reading = ReadNumber(window);
    if (!reading.found)
        return {};

    std::optional<std::u16string> number;
    if (valueClass == ValueClass::WholeNumber) {
        const bool onHiddenTab = TrimBlanks(std::u16string_view(line).substr(0, start - 2)) == u"Left" &&
                                 reading.value <= kHiddenTabThreshold;
        number = ScaleWholeNumber(reading.value, correctionFactor, onHiddenTab);
    } else {
        number = ScaleTwoDecimals(reading.value, correctionFactor);
    }
    if (!number)
        return {Status::OutOfRange, {}};

    std::u16string newWindow = u"  " + *number;
    if (newWindow.size() < window.size())
        newWindow.resize(window.size(), u' ');
    std::u16string corrected = line.substr(0, start - 1);
    corrected += newWindow;
    corrected.append(line, start - 1 + window.size());
    return {Status::Rewritten, std::move(corrected)};
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

    // Work everything out first, so that a refused run leaves every line as it was.
    std::vector<std::pair<int, std::u16string>> rewrites;
    for (int slot = 1; slot <= lineCount; ++slot) {
        auto corrected = CorrectLine(lines.Line(slot), *factor);
        if (corrected.status == LineCorrection::Status::OutOfRange) {
            port.ShowMessage("Стойността на ред " + std::to_string(slot - 1) +
                                 " е извън допустимия обхват.\r\nФормата не е променена.",
                             MessageButtons::Ok);
            return CorrectionOutcome::ValueOutOfRange;
        }
        if (corrected.status == LineCorrection::Status::Rewritten)
            rewrites.emplace_back(slot, std::move(corrected.text));
    }
    for (auto& [slot, text] : rewrites)
        lines.ReplaceLine(slot, std::move(text));

    port.SetViewText(lines.AssembleText());
    port.ShowMessage(kFinishedMessage, MessageButtons::Ok);
    return CorrectionOutcome::Corrected;
}

}  // namespace tremaro
