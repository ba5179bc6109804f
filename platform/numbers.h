#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tremaro {

// Number reading and writing with the exact behaviour the correction's results depend on.
// Reading follows the classic Val rules: space, tab and line feed are dropped wherever
// they stand, then an optional sign, digits 0-9 with an optional "." and fraction, and an
// optional exponent (E or D, optional sign, digits; ignored when no digit follows), or
// "&H"/"&O" with hexadecimal/octal digits read as an unsigned whole number. The first
// character that cannot continue ends the number. Letters may be in either case.

struct NumberReading {
    double value = 0.0;
    bool found = false;  // whether any digit was read; without one the value is 0
    // Where the number stands in the text read: from its first character (a sign or "&"
    // included) to just after the last one Val took in, blanks inside it included. Both 0
    // when nothing was found.
    std::size_t first = 0;
    std::size_t end = 0;
};

NumberReading ReadNumber(std::u16string_view text);

// The value ReadNumber finds, 0 when there is none; infinity when too large for a double.
double TextToNumber(std::u16string_view text);

// Nearest 32-bit integer, ties to the even neighbour; nothing when the value is not
// finite or its nearest integer lies outside the 32-bit range.
std::optional<std::int32_t> RoundToInteger(double value);

// At most 15 significant digits (rounded to 15 first), no trailing zeros, no trailing
// point, "." as the decimal separator whatever the locale, "0" for zero and negative
// zero, and the exponent form ("1E+15", "4.5E+100") from a magnitude of 1E+15 up.
std::u16string NumberToText(double value);

}  // namespace tremaro
