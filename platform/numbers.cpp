#include "platform/numbers.h"

#include "platform/text_ops.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <vector>

namespace tremaro {
namespace {

// Val drops line feeds inside a number as it drops blanks and tabs.
bool IsDroppedByVal(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n';
}

// Digit value in the given base, or -1.
int DigitValue(char c, int base) {
    int digit = -1;
    if (c >= '0' && c <= '9')
        digit = c - '0';
    else if (c >= 'a' && c <= 'f')
        digit = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        digit = c - 'A' + 10;
    return digit < base ? digit : -1;
}

// The text without its blanks, narrowed to ASCII; any other character becomes a byte
// that no number can contain, so it ends the number where it stands. Each character kept
// remembers where it stood, so that a number found in it can be found again in the text.
struct CompactText {
    std::string characters;
    std::vector<std::size_t> places;
};

CompactText CompactAscii(std::u16string_view text) {
    CompactText compact;
    compact.characters.reserve(text.size());
    compact.places.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsDroppedByVal(text[i]))
            continue;
        compact.characters.push_back(text[i] < 0x80 ? static_cast<char>(text[i]) : '\x01');
        compact.places.push_back(i);
    }
    return compact;
}

// A reading of the compact text: its value and how many of its characters it took.
struct CompactReading {
    double value = 0.0;
    std::size_t taken = 0;  // 0 when no number was found
};

CompactReading ReadRadixNumber(std::string_view digits, int base) {
    CompactReading reading;
    for (const char c : digits) {
        const int digit = DigitValue(c, base);
        if (digit < 0)
            break;
        reading.value = reading.value * base + digit;
        ++reading.taken;
    }
    return reading;
}

std::size_t SkipDigits(std::string_view text, std::size_t pos) {
    while (pos < text.size() && IsDigit(text[pos]))
        ++pos;
    return pos;
}

double ParseDecimal(const std::string& normalized) {
    // The C locale keeps "." the decimal point whatever the operator's locale says.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    return strtod_l(normalized.c_str(), nullptr, cLocale);
}

CompactReading ReadDecimalNumber(std::string_view text) {
    std::size_t pos = 0;
    std::string normalized;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        normalized.push_back(text[pos++]);

    const std::size_t intStart = pos;
    pos = SkipDigits(text, pos);
    normalized.append(text.substr(intStart, pos - intStart));
    bool found = pos > intStart;

    if (pos < text.size() && text[pos] == '.') {
        const std::size_t fracStart = pos + 1;
        const std::size_t fracEnd = SkipDigits(text, fracStart);
        normalized.push_back('.');
        normalized.append(text.substr(fracStart, fracEnd - fracStart));
        found = found || fracEnd > fracStart;
        pos = fracEnd;
    }
    if (!found)
        return {};

    if (pos < text.size() && (text[pos] == 'E' || text[pos] == 'e' || text[pos] == 'D' || text[pos] == 'd')) {
        std::size_t expPos = pos + 1;
        std::string exponent = "e";
        if (expPos < text.size() && (text[expPos] == '+' || text[expPos] == '-'))
            exponent.push_back(text[expPos++]);
        const std::size_t expEnd = SkipDigits(text, expPos);
        if (expEnd > expPos) {
            normalized += exponent.append(text.substr(expPos, expEnd - expPos));
            pos = expEnd;
        }
    }
    return {ParseDecimal(normalized), pos};
}

CompactReading ReadCompactNumber(std::string_view text) {
    if (text.size() >= 2 && text[0] == '&') {
        const int base = text[1] == 'H' || text[1] == 'h' ? 16 : text[1] == 'O' || text[1] == 'o' ? 8 : 0;
        if (base == 0)
            return {};
        CompactReading reading = ReadRadixNumber(text.substr(2), base);
        if (reading.taken > 0)
            reading.taken += 2;
        return reading;
    }
    return ReadDecimalNumber(text);
}

// Most values in a form are plain numbers ("=   495", "=   8.25"); they are read here
// directly. Anything else (an exponent, blanks inside, more digits than a double holds
// exactly) is left to the full reading, which gives the same value for these: the digits
// make a whole number exact in a double, and one division by an exact power of ten rounds
// it as strtod rounds the decimal.
std::optional<NumberReading> ReadPlainNumber(std::u16string_view text) {
    constexpr std::size_t kMostDigits = 15;  // exact in a double
    constexpr double kPowersOfTen[] = {1,   1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    std::size_t i = 0;
    while (i < text.size() && IsDroppedByVal(text[i]))
        ++i;
    const std::size_t first = i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';
    std::int64_t value = 0;
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i]) && digits < kMostDigits) {
        value = value * 10 + (text[i++] - u'0');
        ++digits;
    }
    if (digits == 0)
        return std::nullopt;
    std::size_t decimals = 0;
    if (i + 1 < text.size() && text[i] == u'.' && IsDigit(text[i + 1])) {
        ++i;
        while (i < text.size() && IsDigit(text[i]) && digits < kMostDigits) {
            value = value * 10 + (text[i++] - u'0');
            ++digits;
            ++decimals;
        }
    }
    if (i < text.size()) {
        const char16_t next = text[i];
        const bool couldContinue = IsDigit(next) || next == u'.' || next == u'E' || next == u'e' || next == u'D' ||
                                   next == u'd' || IsDroppedByVal(next);
        if (couldContinue)
            return std::nullopt;
    }
    const double magnitude = static_cast<double>(value) / kPowersOfTen[decimals];
    return NumberReading{negative ? -magnitude : magnitude, true, first, i};
}

// "-12.5" for -1250: the whole part, then the hundredths without their trailing zeros.
std::u16string HundredthsToText(std::int64_t hundredths) {
    const std::uint64_t magnitude =
        hundredths < 0 ? 0 - static_cast<std::uint64_t>(hundredths) : static_cast<std::uint64_t>(hundredths);
    char text[32];
    char* end = text;
    if (hundredths < 0)
        *end++ = '-';
    end = std::to_chars(end, text + sizeof text, magnitude / 100).ptr;
    const auto fraction = static_cast<int>(magnitude % 100);
    if (fraction != 0) {
        *end++ = '.';
        *end++ = static_cast<char>('0' + fraction / 10);
        if (fraction % 10 != 0)
            *end++ = static_cast<char>('0' + fraction % 10);
    }
    return std::u16string(text, end);
}

}  // namespace

NumberReading ReadNumber(std::u16string_view text) {
    if (const auto plain = ReadPlainNumber(text))
        return *plain;
    const CompactText compact = CompactAscii(text);
    const CompactReading reading = ReadCompactNumber(compact.characters);
    if (reading.taken == 0)
        return {};
    return {reading.value, true, compact.places.front(), compact.places[reading.taken - 1] + 1};
}

double TextToNumber(std::u16string_view text) {
    return ReadNumber(text).value;
}

std::optional<std::int32_t> RoundToInteger(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    const double nearest = std::nearbyint(value);  // the default rounding mode ties to even
    if (nearest < std::numeric_limits<std::int32_t>::min() || nearest > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(nearest);
}

std::u16string NumberToText(double value) {
    if (std::isnan(value))
        return u"NaN";
    if (std::isinf(value))
        return value < 0 ? u"-Infinity" : u"Infinity";
    if (value == 0.0)
        return u"0";
    // Whole numbers of up to 15 digits, nearly every value a form holds, are their digits; the
    // general path below would give the same, at several times the cost.
    if (std::fabs(value) < 1e15 && value == std::trunc(value)) {
        char whole[24];
        const auto end = std::to_chars(whole, whole + sizeof whole, static_cast<std::int64_t>(value)).ptr;
        return std::u16string(whole, end);
    }
    // So are hundredths, every font size a correction writes: a value that is the double
    // nearest some h/100 reads back, to fifteen significant digits, as that decimal exactly.
    if (std::fabs(value) < 1e13) {
        const double hundredths = std::nearbyint(value * 100);
        if (hundredths / 100 == value)
            return HundredthsToText(static_cast<std::int64_t>(hundredths));
    }

    // Scientific form with 15 significant digits: "-d.dddddddddddddde+XX".
    char buffer[40];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    const std::string_view scientific(buffer, static_cast<std::size_t>(written.ptr - buffer));
    const std::size_t ePos = scientific.find('e');
    const bool negative = scientific.front() == '-';

    std::string digits;
    for (const char c : scientific.substr(0, ePos))
        if (IsDigit(c))
            digits.push_back(c);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const int exponent = std::atoi(std::string(scientific.substr(ePos + 1)).c_str());

    std::string text = negative ? "-" : "";
    if (exponent >= 15) {
        text += digits.front();
        if (digits.size() > 1) {
            text += '.';
            text.append(digits, 1);
        }
        text += "E+" + std::to_string(exponent);
    } else if (exponent >= 0) {
        const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= integerDigits) {
            text += digits + std::string(integerDigits - digits.size(), '0');
        } else {
            text += digits.substr(0, integerDigits) + "." + digits.substr(integerDigits);
        }
    } else {
        text += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    return std::u16string(text.begin(), text.end());
}

}  // namespace tremaro
