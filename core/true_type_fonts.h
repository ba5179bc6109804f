#pragma once

#include <optional>
#include <string_view>

namespace tremaro {

// Two faces that forms name most are bitmap faces, which Windows shows in a few sizes only
// (core/shown_font.h), so their text cannot shrink with its box: MS Sans Serif is never shown
// under 8 points. Windows has a TrueType twin of each, of the same design and widths, that it
// shows at every size: Microsoft Sans Serif (what the designer's "MS Shell Dlg" has stood for
// since Windows 2000) and Courier New. A correction may name the twins instead, when the
// operator chooses so (CorrectionChoices).
inline constexpr std::u16string_view kBitmapSansSerif = u"MS Sans Serif";
inline constexpr double kSmallestBitmapSansSerif = 8;  // points

// The TrueType twin of a face named in any case of the letters A to Z, in its usual
// spelling; nothing for any other face.
std::optional<std::u16string_view> TrueTypeTwinOf(std::u16string_view face);

}  // namespace tremaro
