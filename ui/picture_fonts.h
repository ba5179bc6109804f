#pragma once

#include "core/form_model.h"
#include "core/text_fit.h"

#include <QFont>
#include <QFontMetrics>

#include <vector>

namespace tremaro {

// The font the layout picture draws a form's text in: the face the form names, followed by
// the stand-ins the main window uses for its kind of face (Liberation, then DejaVu), at the
// size Windows shows it (ShownFontPixels, so a bitmap face keeps to its own sizes) times the
// zoom.
QFont PictureFont(const FormFont& font, double zoom);

// How large text is in the picture's fonts at 100 %: what the layout problems ask to tell
// whether a control's text fits (core/text_fit.h). It keeps the metrics of each font it has
// measured in, so one measure serves a form's many controls; a form uses a handful of fonts.
class PictureTextMeasure final : public TextMeasure {
public:
    TextExtent Measure(const FormFont& font, std::u16string_view text, std::optional<double> wrapWidth,
                       bool mnemonics) override;

private:
    const QFontMetrics& MetricsOf(const FormFont& font);

    struct Measured {
        FormFont font;
        QFontMetrics metrics;
    };
    std::vector<Measured> fonts_;
};

}  // namespace tremaro
