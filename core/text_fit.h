#pragma once

#include "core/form_model.h"

#include <optional>
#include <string_view>

namespace tremaro {

// Whether a control's caption or text fits inside it. How large a text is only fonts can
// tell, and the core has none: it says where each kind of control shows its text and how,
// and asks a TextMeasure for the text's size. The layout picture measures with the stand-in
// fonts it draws with; a stand-in is never exact, so the layout problems compare a form
// before a correction with the form after it on the same fonts.
//
// The kinds looked at, and the room each gives its text, in pixels at 100 % (15 twips):
// - a label without AutoSize: its whole box (inside its border when it has one), the caption
//   broken between words onto lines, WordWrap or not (WordWrap only tells AutoSize which way
//   to grow);
// - a command button, and a check or option box drawn as one (Style = 1): inside its 2-pixel
//   edge, broken between words;
// - a check or option box: beside its mark (13 pixels, or the box's height if less, and a gap
//   of 4), broken between words;
// - a frame: its caption, on one line on the top edge, from 8 pixels in to the 2-pixel edge
//   on the right; only its width counts;
// - a text box of one line: inside 3 pixels across and 2 down, on one line;
// - a combo box: from 3 pixels in to its button (16 pixels and 2 of edge), on one line; only
//   the width counts, as Visual Basic makes a combo box as high as its font.
// Text fits when it is no wider than its room and (where the height counts) the room holds
// every line of it down to the baseline of the last: the tails of letters such as p and y may
// be cut (as in a label made as low as its font), the letters themselves not. An empty text
// always fits.

struct TextExtent {
    double width = 0;   // twips
    double height = 0;  // from the top of the first line to the baseline of the last
};

class TextMeasure {
public:
    virtual ~TextMeasure() = default;

    // The size of text in font, at the size Windows shows it (ShownFontPixels): on one line,
    // or broken between words into lines no wider than wrapWidth twips where one is given (a
    // word longer than that stays whole and makes the text wider). With mnemonics, "&" marks
    // the next character and is not shown ("&&" shows one).
    virtual TextExtent Measure(const FormFont& font, std::u16string_view text, std::optional<double> wrapWidth,
                               bool mnemonics) = 0;
};

// Where and how a control shows its text.
struct TextRoom {
    TwipsBox box;  // in the container, as BoxOf gives the control's own
    std::u16string_view text;
    bool wraps = false;
    bool mnemonics = false;
    bool heightCounts = true;
};

// Nothing for a control whose text is not looked at (another kind, an AutoSize label, a text
// box of several lines, one with no place on the form).
std::optional<TextRoom> TextRoomOf(const FormControl& control);

bool TextFits(const FormControl& control, TextMeasure& measure);

}  // namespace tremaro
