#pragma once

#include "core/form_lines.h"
#include "core/form_model.h"
#include "core/form_structure.h"
#include "core/scale_factors.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tremaro {

// The font a form's controls inherit. The designer writes a Font group only where a font
// differs from the default, and a control without one takes its form's font when the form
// loads; so a form without a font of its own keeps its text at the default size however its
// boxes grow. A correction adds the group the designer writes for the default font (MS Sans
// Serif, 8.25 points) at the scaled size (by the smaller factor, as every font size is),
// naming the face given (its TrueType twin, when the operator chose those). Its Charset is
// the script the form's own font groups
// name most often (the first in the file on a tie); with none, the script of the form's code
// page where the form's text, its folder or the operator decided that, else 1, the system's
// own script, which is what the inherited font takes. It goes
// where the designer keeps a form's properties, in alphabetical order: before the first
// property line of the top block (in no group, before its first nested block) whose name in
// lower case sorts after "font", after the last when none does, right after the Begin line
// when there is none; indented as the block's first property line, or its Begin line and
// three blanks.
//
// Nothing is added at 100 % across and down, where nothing changes; nor to a top block other
// than a form, user control, property page or user document (an MDI form has no font), nor to
// one with a Font group of its own; nor to an East Asian form (its fonts name mostly an East
// Asian script, or with no font naming one, its code page is East Asian), whose editions of
// the designer start from other fonts and sizes.
struct FontGroupInsertion {
    int afterLine = 0;  // the group's lines go after this line (0: before the first)
    std::vector<std::u16string> lines;
    double size = 0;  // the size the group asks for, in points
};

std::optional<FontGroupInsertion> FontGroupToInsert(const FormStructure& structure, const FormLines& lines,
                                                    const ScaleFactors& factors,
                                                    std::u16string_view face = kDefaultFontName);

}  // namespace tremaro
