#include "core/true_type_fonts.h"

#include "platform/text_ops.h"

namespace tremaro {
namespace {

struct Twins {
    std::u16string_view bitmap;
    std::u16string_view trueType;
};

constexpr Twins kTwins[] = {
    {kBitmapSansSerif, u"Microsoft Sans Serif"},
    {u"Courier", u"Courier New"},
};

}  // namespace

std::optional<std::u16string_view> TrueTypeTwinOf(std::u16string_view face) {
    for (const Twins& twins : kTwins)
        if (EqualIgnoringAsciiCase(face, twins.bitmap))
            return twins.trueType;
    return std::nullopt;
}

}  // namespace tremaro
