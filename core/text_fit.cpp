#include "core/text_fit.h"

#include "core/form_units.h"

#include <algorithm>

namespace tremaro {
namespace {

TwipsBox Inset(TwipsBox box, double leftPixels, double topPixels, double rightPixels, double bottomPixels) {
    box.left += leftPixels * kTwipsPerPixel;
    box.top += topPixels * kTwipsPerPixel;
    box.right -= rightPixels * kTwipsPerPixel;
    box.bottom -= bottomPixels * kTwipsPerPixel;
    return box;
}

std::u16string_view CaptionOf(const FormControl& control) {
    return control.caption ? std::u16string_view(*control.caption) : std::u16string_view();
}

TextRoom Wrapped(TwipsBox box, std::u16string_view text) {
    return {box, text, true, true, true};
}

// The mark of a check or option box stands on the left, or on the right with Alignment = 1.
TextRoom BesideMark(const FormControl& control, const TwipsBox& box) {
    const double mark = std::min(13 * kTwipsPerPixel, box.bottom - box.top) + 4 * kTwipsPerPixel;
    TwipsBox room = box;
    if (control.alignment == 1)
        room.right -= mark;
    else
        room.left += mark;
    return Wrapped(room, CaptionOf(control));
}

}  // namespace

std::optional<TextRoom> TextRoomOf(const FormControl& control) {
    if (!TakesPlace(control))
        return std::nullopt;
    const TwipsBox box = BoxOf(control);
    const std::u16string_view kind = control.Kind();
    const bool graphical = control.style == 1 && (kind == u"CheckBox" || kind == u"OptionButton");
    if (kind == u"CommandButton" || graphical)
        return Wrapped(Inset(box, 2, 2, 2, 2), CaptionOf(control));
    if (kind == u"Label") {
        if (control.autoSize)
            return std::nullopt;
        const double border = control.borderStyle == 1 ? 1 : 0;
        return Wrapped(Inset(box, border, border, border, border), CaptionOf(control));
    }
    if (kind == u"CheckBox" || kind == u"OptionButton")
        return BesideMark(control, box);
    if (kind == u"Frame")
        return TextRoom{Inset(box, 8, 0, 2, 0), CaptionOf(control), false, true, false};
    const std::u16string_view text = control.text ? std::u16string_view(*control.text) : std::u16string_view();
    if (kind == u"TextBox" && !control.multiLine)
        return TextRoom{Inset(box, 3, 2, 3, 2), text, false, false, true};
    if (kind == u"ComboBox")
        return TextRoom{Inset(box, 3, 0, 16 + 2, 0), text, false, false, false};
    return std::nullopt;
}

bool TextFits(const FormControl& control, TextMeasure& measure) {
    const std::optional<TextRoom> room = TextRoomOf(control);
    if (!room || room->text.empty())
        return true;
    const double width = room->box.right - room->box.left;
    const double height = room->box.bottom - room->box.top;
    const TextExtent extent =
        measure.Measure(control.font, room->text,
                        room->wraps ? std::optional<double>(std::max(width, 0.0)) : std::nullopt, room->mnemonics);
    return extent.width <= width && (!room->heightCounts || extent.height <= height);
}

}  // namespace tremaro
