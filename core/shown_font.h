#pragma once

#include "core/form_model.h"

namespace tremaro {

// The size at which Windows shows a form's font on the screen, in whole pixels at 96 dots per
// inch (the font's em, which is what a size in points asks for: 8.25 points are 11 pixels).
//
// A scalable (TrueType) face is shown at the size asked for, rounded to a pixel. A bitmap face
// exists only in a few sizes, and Windows takes the largest of them not above the size asked
// for, or its smallest when the size asked for is smaller still. The sizes are compared in
// pixels, as Windows asks for a font, so the 9.75 points the designer writes for 10 get the
// 10-point face. The bitmap faces and their sizes in points:
//   MS Sans Serif, MS Serif   8, 10, 12, 14, 18, 24
//   Courier                   10, 12, 15
//   System                    10
//   Terminal                  5, 6, 9, 12, 14
//   Small Fonts               2, 3, 4, 5, 6, 7
// So text in MS Sans Serif does not shrink below 8 points when a form is made smaller, and
// grows by steps when it is made larger.
int ShownFontPixels(const FormFont& font);

}  // namespace tremaro
