#include "picture/picture_fonts.h"

#include "core/shown_font.h"
#include "picture/fonts.h"
#include "picture/qt_text.h"
#include "picture/twips.h"

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
    const std::size_t index = FontIndexOf(font);
    const int oneLine = SizeOf(index, text, mnemonics, kOneLine).width();
    const int wrapPixels = wrapWidth ? static_cast<int>(std::floor(*wrapWidth / kTwipsPerPixel)) : kNoLimit;
    const Measured& measured = fonts_[index];
    if (oneLine <= wrapPixels)
        return {oneLine * kTwipsPerPixel, measured.ascent * kTwipsPerPixel};
    // Broken as the picture breaks it when it draws the text into its room.
    const QSize lines = SizeOf(index, text, mnemonics, std::max(wrapPixels, 1));
    return {lines.width() * kTwipsPerPixel, (lines.height() - measured.descent) * kTwipsPerPixel};
}

std::size_t PictureTextMeasure::TextKeyHash::operator()(const TextKey& key) const {
    std::size_t hash = std::hash<std::u16string>()(key.text);
    for (const std::size_t part : {key.font, static_cast<std::size_t>(key.wrapPixels), std::size_t{key.mnemonics}})
        hash = (hash ^ part) * 0x100000001b3;  // FNV's prime spreads each part over the bits
    return hash;
}

std::size_t PictureTextMeasure::FontIndexOf(const FormFont& font) {
    for (std::size_t i = 0; i < fonts_.size(); ++i)
        if (SameFont(fonts_[i].font, font))
            return i;
    const QFontMetrics metrics(PictureFont(font, 1.0));
    fonts_.push_back({font, metrics, metrics.ascent(), metrics.descent()});
    return fonts_.size() - 1;
}

QSize PictureTextMeasure::SizeOf(std::size_t font, std::u16string_view text, bool mnemonics, int wrapPixels) {
    TextKey key{font, wrapPixels, mnemonics, std::u16string(text)};
    if (const auto known = sizes_.find(key); known != sizes_.end())
        return known->second;
    const QFontMetrics& metrics = fonts_[font].metrics;
    const QString shown = mnemonics ? WithoutMnemonics(ToQString(text)) : ToQString(text);
    const QSize size = wrapPixels == kOneLine
                           ? QSize(metrics.horizontalAdvance(shown), 0)
                           : metrics
                                 .boundingRect(QRect(0, 0, wrapPixels, kNoLimit),
                                               Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, shown)
                                 .size();
    sizes_.emplace(std::move(key), size);
    return size;
}

}  // namespace tremaro
