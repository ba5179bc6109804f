#include "picture/picture_fonts.h"

#include "core/shown_font.h"
#include "picture/fonts.h"
#include "picture/qt_text.h"
#include "picture/twips.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace tremaro {
namespace {

constexpr int kLargestFontPixels = 2000;
constexpr int kNoLimit = 1 << 20;

bool SameFont(const FormFont& a, const FormFont& b) {
    return a.size == b.size && a.bold == b.bold && a.italic == b.italic && a.name == b.name;
}

// Faces of Windows made for one East Asian script, as forms name them in English or in their
// own script.
bool NamesAny(const QString& lower, std::initializer_list<const char16_t*> faces) {
    return std::any_of(faces.begin(), faces.end(),
                       [&lower](const char16_t* face) { return lower.contains(QString::fromUtf16(face)); });
}

// The faces on this system for the scripts the stand-ins of Europe lack, which Qt takes each
// character from in turn when no face before it has the character: Chinese (simplified and
// traditional), Japanese, Korean and Thai, as the packages the program recommends install
// them, and Arabic. Han characters look different in each of the three countries, so the face made for
// the form's own country goes first: the one its font names, else Chinese.
QStringList FacesForOtherScripts(const QString& lower) {
    const QString chinese = QStringLiteral("WenQuanYi Micro Hei");
    const QString japanese = QStringLiteral("IPAPGothic");
    const QString korean = QStringLiteral("NanumGothic");
    QStringList faces{chinese, japanese, korean};
    if (NamesAny(lower, {u"gothic", u"mincho", u"meiryo", u"ｍｓ", u"ゴシック", u"明朝"}))
        faces = {japanese, chinese, korean};
    else if (NamesAny(lower,
                      {u"gulim", u"dotum", u"batang", u"gungsuh", u"malgun", u"굴림", u"돋움", u"바탕", u"궁서"}))
        faces = {korean, chinese, japanese};
    // DejaVu Sans last: the serif and fixed stand-ins lack Arabic, which it has.
    faces << QStringLiteral("Loma") << QStringLiteral("DejaVu Sans");
    return faces;
}

}  // namespace

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
    families << FacesForOtherScripts(lower);
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
