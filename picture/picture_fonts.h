#pragma once

#include "core/form_model.h"
#include "core/text_fit.h"

#include <QFont>
#include <QFontMetrics>
#include <QSize>
#include <QString>

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

namespace tremaro {

// The font the layout picture draws a form's text in: the face the form names, followed by
// the stand-ins the main window uses for its kind of face (Liberation, then DejaVu), then the
// faces for Chinese, Japanese, Korean and Thai (the one of the form's East Asian face first),
// at the size Windows shows it (ShownFontPixels, so a bitmap face keeps to its own sizes)
// times the zoom.
QFont PictureFont(const FormFont& font, double zoom);

// A caption as shown: "&" marks the next character and is not shown, "&&" shows one "&".
QString WithoutMnemonics(const QString& text);

// How large text is in the picture's fonts at 100 %: what the layout problems ask to tell
// whether a control's text fits (core/text_fit.h). It keeps the metrics of each font it has
// measured in, so one measure serves a form's many controls; a form uses a handful of fonts.
// It also keeps the size of each text it has measured: shaping a text through Qt's fonts
// costs far more than looking it up, and a project's forms repeat their captions ("OK",
// "Cancel", a caption copied from form to form) in the same few fonts.
class PictureTextMeasure final : public TextMeasure {
public:
    TextExtent Measure(const FormFont& font, std::u16string_view text, std::optional<double> wrapWidth,
                       bool mnemonics) override;

private:
    struct Measured {
        FormFont font;
        QFontMetrics metrics;
        int ascent = 0;
        int descent = 0;
    };
    // A text as measured in one of fonts_, on one line (wrapPixels kOneLine) or broken into
    // lines no wider than wrapPixels.
    struct TextKey {
        std::size_t font = 0;
        int wrapPixels = 0;
        bool mnemonics = false;
        std::u16string text;
        bool operator==(const TextKey&) const = default;
    };
    struct TextKeyHash {
        std::size_t operator()(const TextKey& key) const;
    };
    static constexpr int kOneLine = -1;

    std::size_t FontIndexOf(const FormFont& font);
    // Width and height in pixels, as Qt lays the text out.
    QSize SizeOf(std::size_t font, std::u16string_view text, bool mnemonics, int wrapPixels);

    std::vector<Measured> fonts_;
    std::unordered_map<TextKey, QSize, TextKeyHash> sizes_;
};

}  // namespace tremaro
