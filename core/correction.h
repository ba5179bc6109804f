#pragma once

#include "core/form_lines.h"
#include "core/operator_port.h"

#include <optional>
#include <string>
#include <string_view>

namespace tremaro {

// Scales the layout of the stored form by a percent, and only its layout. Only property
// lines inside the form's description can change (see FormStructure): never the lines
// before it or after its closing End, never its Begin, End, BeginProperty and EndProperty
// lines. A property's name is its trimmed text before the first "=", compared exactly:
// - whole numbers (rounded half to even): names ending in Top, Left, Width or Height, but
//   not ImageWidth and ImageHeight (pixel sizes of an image list's pictures), nor ScaleTop,
//   ScaleLeft, ScaleWidth and ScaleHeight on a line in no group of a block in user scale
//   (its code draws in those units); and X1, Y1, X2, Y2, _ExtentX, _ExtentY;
// - font sizes (cut to two decimals): Size in a group whose name ends in Font, and names
//   ending in FontSize.
// The value is read from the value field: at most 10 characters after the first "=",
// taking in further characters while the field's last one and the next one are both a
// digit or ".", so that a long number is read and replaced whole. The field is replaced
// by two blanks and the new number, padded with blanks to the field's width; a number
// that needs more room widens the line. A whole number of 1 or more never becomes less
// than 1 (the designer refuses a pen or border 0 wide), and a Left of -60000 or less (a
// control on a hidden tab, stored 75000 twips to the left) is scaled where it stands.
// Fields holding no number, and lines with an apostrophe after the "=" (a Boolean or a
// named constant as the designer writes them), stay as they are.
//
// A run is all or nothing: a value that cannot be represented, on a line that would be
// rewritten, refuses the whole run before any line changes, naming the file's line number. The store keeps the
// corrected lines, so a second run scales the scaled values again.

enum class CorrectionOutcome { Corrected, PercentRefused, NoForm, ValueOutOfRange };

// The percent text's value / 100 when it lies from 0.2 to 5.0, nothing otherwise.
std::optional<double> CorrectionFactorOf(std::u16string_view percentText);

struct LineCorrection {
    enum class Status { Unchanged, Rewritten, OutOfRange };
    Status status = Status::Unchanged;
    std::u16string text;  // the new line, when rewritten
};

// What a line's rewriting depends on besides its text: where it stands in the form.
struct LineContext {
    bool inDescription = true;      // an ordinary line inside the description (not Begin, End...)
    bool inGroup = false;           // a property group is the innermost thing open at it
    std::u16string_view groupName;  // that group's name
    bool blockInUserScale = false;  // its innermost block has ScaleMode 0
};

// One line as the run would rewrite it, standing where the context says.
LineCorrection CorrectLine(std::u16string_view line, const LineContext& context, double correctionFactor);

// The whole operation: checks the percent and the store, corrects every line, shows the
// assembled text in the view and tells the operator how it ended.
CorrectionOutcome RunCorrection(std::u16string_view percentText, FormLines& lines, OperatorPort& port);

}  // namespace tremaro
