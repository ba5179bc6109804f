#include "picture/fonts.h"

#include <QStringList>

namespace tremaro {
namespace {

QFont MakeFont(const QStringList& families, double pointSize, bool bold) {
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

}  // namespace

QFont SansSerifFont(double pointSize, bool bold) {
    return MakeFont(
        {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")},
        pointSize, bold);
}

QFont CourierNewFont(double pointSize) {
    return MakeFont(
        {QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")},
        pointSize, false);
}

QFont TimesNewRomanFont(double pointSize, bool bold) {
    return MakeFont(
        {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")},
        pointSize, bold);
}

}  // namespace tremaro
