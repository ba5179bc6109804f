#pragma once

#include "core/form_lines.h"
#include "core/operator_port.h"

#include <optional>
#include <string>
#include <string_view>

namespace tremaro {

// Scales the layout of the stored form by a percent, or by one across and one down (see
// ScaleFactors), and only its layout. Only property
// lines inside the form's description can change (see FormStructure): never the lines
// before it or after its closing End, never its Begin, End, BeginProperty and EndProperty
// lines. Which lines hold a layout value, of which kind and along which axis, the table of
// layout names says (core/layout_names.h): a value across takes the horizontal factor, one
// down the vertical, a font size the smaller of the two; whole numbers are rounded half to even, font sizes cut to two
// decimals. The value is read from the value field: at most 10 characters after the first
// "=", taking in further characters while the field's last one and the next one are both a
// digit or ".", so that a long number is read and replaced whole. Only the number's own
// characters, as Val read them (a sign and "&H" included), give way to the new number: the
// blanks before it and whatever follows it stay, so a longer number lengthens the line and a
// shorter one shortens it, and a value that comes out the same leaves the line byte for
// byte. A whole number of 1 or more never becomes less than 1
// (the designer refuses a pen or border 0 wide), and a Left of -60000 or less (a control on
// a hidden tab, stored 75000 twips to the left) is scaled where it stands. Fields holding no
// number, and lines with an apostrophe after the "=" (a Boolean or a named constant as the
// designer writes them), stay as they are.
//
// A run is all or nothing: a value that cannot be represented, on a line that would be
// rewritten, refuses the whole run before any line changes, naming the file's line number.
// The store keeps the corrected lines, so a second run scales the scaled values again.

enum class CorrectionOutcome { Corrected, PercentRefused, NoForm, ValueOutOfRange, TooLong, TooLarge };

// A font size scaled and cut to two decimals on its decimal value: a scaled size within 1e-9
// of a whole number of hundredths counts as that number, for in binary 12.37 × 100 is
// 1236.9999… and a plain cut would make 12.36 of it. Nothing when it cannot be represented.
std::optional<double> ScaledFontSize(double value, double factor);

// What the operator chose for a correction besides its percent.
struct CorrectionChoices {
    // Every font group's face named MS Sans Serif or Courier (the whole quoted name, in any
    // case of letters) names its TrueType twin instead (core/true_type_fonts.h), at any percent,
    // 100 included; only the text inside the quotes changes. An added Font group names
    // Microsoft Sans Serif. Without it, a correction that leaves a font group naming MS Sans
    // Serif (the one added included) under 8 points says so after its end.
    bool trueTypeFonts = false;
};

// The whole operation: checks the percent and the store, corrects every line, shows the
// assembled text in the view and tells the operator how it ended.
CorrectionOutcome RunCorrection(std::u16string_view percentText, FormLines& lines, OperatorPort& port,
                                CorrectionChoices choices = {});

}  // namespace tremaro
