#pragma once

#include "core/line_store.h"
#include "core/operator_port.h"

#include <optional>
#include <string>
#include <string_view>

namespace tremaro {

// Scales every position and size value of the stored form by a percent. A line is a
// whole-number line when it holds "=" and one of "Top  ", "Height  ", "Width  ",
// "Left  " (the two blanks pad a property name to the "=" column, so ClientTop and
// ScaleWidth match too and LinkTopic does not), and a two-decimal line when it holds
// "=" and "Size  " but not "AutoSize". The value is read from at most 10 characters
// after the first "=", and those characters (the window) are replaced by two blanks and
// the new number, padded with blanks to the window's width; a number that needs more room
// widens the line rather than losing digits. Lines whose window holds no number, and
// lines with a comment (') after the "=" (a Boolean or a named constant as the form
// designer writes them, or code), are not measures and stay as they are.
//
// A run is all or nothing: a value that cannot be represented refuses the whole run
// before any line changes. The store keeps the corrected lines, so a second run scales
// the scaled values again.

enum class CorrectionOutcome { Corrected, PercentRefused, NoForm, ValueOutOfRange };

// The percent text's value / 100 when it lies from 0.2 to 5.0, nothing otherwise.
std::optional<double> CorrectionFactorOf(std::u16string_view percentText);

extern const char* const kPercentRefusedMessage;

struct LineCorrection {
    enum class Status { Unchanged, Rewritten, OutOfRange };
    Status status = Status::Unchanged;
    std::u16string text;  // the new line, when rewritten
};

LineCorrection CorrectLine(std::u16string_view line, double correctionFactor);

// The whole operation: checks the percent and the store, corrects every line, shows the
// assembled text in the view and tells the operator how it ended.
CorrectionOutcome RunCorrection(std::u16string_view percentText, FormLines& lines, OperatorPort& port);

}  // namespace tremaro
