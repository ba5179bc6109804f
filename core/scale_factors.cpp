#include "core/scale_factors.h"

#include "platform/numbers.h"

namespace tremaro {
namespace {

constexpr double kSmallestFactor = 0.2;
constexpr double kLargestFactor = 5.0;

// The sign between the two percents: the multiplication sign, or the letter x that stands in
// for it on a keyboard without one, in either case: read as a number, "133X100" would be 133
// both ways, which no one who typed it meant.
constexpr std::u16string_view kBetweenPercents = u"xX\u00D7";

// The comparison is made on the quotient, so that 20 and 500 are taken and 19.99 and 500.01
// are not; a text without a number is 0, and refused with them.
std::optional<double> FactorOf(std::u16string_view percentText) {
    const double factor = TextToNumber(percentText) / 100;
    if (factor > kLargestFactor || factor < kSmallestFactor)
        return std::nullopt;
    return factor;
}

}  // namespace

std::optional<ScaleFactors> ScaleFactorsOf(std::u16string_view percentText) {
    const std::size_t sign = percentText.find_first_of(kBetweenPercents);
    if (sign == std::u16string_view::npos) {
        const auto factor = FactorOf(percentText);
        return factor ? std::optional(ScaleFactors::Both(*factor)) : std::nullopt;
    }
    const std::u16string_view heights = percentText.substr(sign + 1);
    if (heights.find_first_of(kBetweenPercents) != std::u16string_view::npos)
        return std::nullopt;
    const auto horizontal = FactorOf(percentText.substr(0, sign));
    const auto vertical = FactorOf(heights);
    if (!horizontal || !vertical)
        return std::nullopt;
    return ScaleFactors{*horizontal, *vertical};
}

}  // namespace tremaro
