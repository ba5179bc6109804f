#include "ui/picture_fonts.h"

#include "core/shown_font.h"
#include "ui/fonts.h"
#include "ui/qt_text.h"
#include "ui/twips.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace tremaro {
namespace {

constexpr int kLargestFontPixels = 2000;
constexpr int kNoLimit = 1 << 20;

bool SameFont(const FormFont& a, const FormFont& b) {
    return a.size == b.size && a.bold == b.bold && a.italic == b.italic && a.name == b.name;
}

// The text as shown: "&" marks the next character, "&&" is one "&".
QString WithoutMnemonics(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && ++i == text.size())
            break;
        shown += text[i];
    }
    return shown;
}

}  // namespace

QFont PictureFont(const FormFont& formFont, double zoom) {
    const QString name = ToQString(formFont.name);
    const QString lower = name.toLower();
    const bool mono = lower.contains(QLatin1String("courier")) || lower.contains(QLatin1String("mono")) ||
                      lower == QLatin1String("terminal") || lower == QLatin1String("fixedsys");
    const bool serif = lower.contains(QLatin1String("times")) ||
                       (lower.contains(QLatin1String("serif")) && !lower.contains(QLatin1String("sans")));
    const QFont standIn = mono ? CourierNewFont(8) : serif ? TimesNewRomanFont(8, false) : SansSerifFont(8, false);
    QStringList families = standIn.families();
    families.prepend(name);
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(
        std::clamp(static_cast<int>(std::lround(ShownFontPixels(formFont) * zoom)), 1, kLargestFontPixels));
    font.setBold(formFont.bold);
    font.setItalic(formFont.italic);
    return font;
}

TextExtent PictureTextMeasure::Measure(const FormFont& font, std::u16string_view text, std::optional<double> wrapWidth,
                                       bool mnemonics) {
    const QFontMetrics& metrics = MetricsOf(font);
    const QString shown = mnemonics ? WithoutMnemonics(ToQString(text)) : ToQString(text);
    const int oneLine = metrics.horizontalAdvance(shown);
    const int wrapPixels = wrapWidth ? static_cast<int>(std::floor(*wrapWidth / kTwipsPerPixel)) : kNoLimit;
    if (oneLine <= wrapPixels)
        return {oneLine * kTwipsPerPixel, metrics.ascent() * kTwipsPerPixel};
    // Broken as the picture breaks it when it draws the text into its room.
    const QRect lines = metrics.boundingRect(QRect(0, 0, std::max(wrapPixels, 1), kNoLimit),
                                             Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, shown);
    return {lines.width() * kTwipsPerPixel, (lines.height() - metrics.descent()) * kTwipsPerPixel};
}

const QFontMetrics& PictureTextMeasure::MetricsOf(const FormFont& font) {
    for (const Measured& measured : fonts_)
        if (SameFont(measured.font, font))
            return measured.metrics;
    fonts_.push_back({font, QFontMetrics(PictureFont(font, 1.0))});
    return fonts_.back().metrics;
}

}  // namespace tremaro
