#pragma once

#include <algorithm>
#include <optional>
#include <string_view>

namespace tremaro {

// How much a correction scales a form across and down: a percent / 100 for each axis. The
// operator writes one percent for both, or two as "W×H" or "WxH" ("WXH" too; blanks around
// the sign allowed), widths first: a form made for one screen's or page's proportions and
// moved to another's needs its widths scaled more than its heights.
struct ScaleFactors {
    double horizontal = 1.0;
    double vertical = 1.0;

    static constexpr ScaleFactors Both(double factor) { return {factor, factor}; }

    // What a value that belongs to neither axis takes, a font size above all: a text that
    // fitted its box still fits it however the box's sides grow.
    constexpr double Smaller() const { return std::min(horizontal, vertical); }
    constexpr bool ChangeNothing() const { return horizontal == 1.0 && vertical == 1.0; }

    // Two corrections one after the other: the factors of each axis multiplied.
    constexpr ScaleFactors Then(const ScaleFactors& next) const {
        return {horizontal * next.horizontal, vertical * next.vertical};
    }
    constexpr bool operator==(const ScaleFactors&) const = default;
};

// The factors a percent text gives when each of its percents, read as Val reads a number,
// lies from 20 to 500; nothing otherwise, and nothing for a text with more than one sign
// between percents or with nothing on one side of it ("x100", "100x").
std::optional<ScaleFactors> ScaleFactorsOf(std::u16string_view percentText);

}  // namespace tremaro
