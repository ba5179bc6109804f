#include "core/shown_font.h"

#include "platform/text_ops.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string_view>

namespace tremaro {
namespace {

struct BitmapFace {
    std::u16string_view name;
    std::initializer_list<int> points;  // from the smallest up
};

const BitmapFace kBitmapFaces[] = {
    {u"MS Sans Serif", {8, 10, 12, 14, 18, 24}},
    {u"MS Serif", {8, 10, 12, 14, 18, 24}},
    {u"Courier", {10, 12, 15}},
    {u"System", {10}},
    {u"Terminal", {5, 6, 9, 12, 14}},
    {u"Small Fonts", {2, 3, 4, 5, 6, 7}},
};

// Windows turns points into pixels with MulDiv, which rounds halves away from zero.
int PixelsOf(double points) {
    return static_cast<int>(std::lround(std::clamp(points, 0.0, 1e6) * 96.0 / 72.0));
}

const BitmapFace* BitmapFaceNamed(std::u16string_view name) {
    for (const BitmapFace& face : kBitmapFaces)
        if (EqualIgnoringAsciiCase(name, face.name))
            return &face;
    return nullptr;
}

}  // namespace

int ShownFontPixels(const FormFont& font) {
    const int asked = PixelsOf(font.size);
    const BitmapFace* face = BitmapFaceNamed(font.name);
    if (!face)
        return std::max(1, asked);
    int shown = PixelsOf(*face->points.begin());
    for (const int points : face->points)
        if (PixelsOf(points) <= asked)
            shown = PixelsOf(points);
    return shown;
}

}  // namespace tremaro
