#pragma once

#include "core/form_units.h"

#include <QRect>
#include <QtMath>

namespace tremaro {

// The window layout is given in twips, as a form's is (kTwipsPerPixel).
inline int TwipsToPixels(double twips) {
    return qRound(twips / kTwipsPerPixel);
}

inline double PixelsToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

inline QRect TwipsRect(int left, int top, int width, int height) {
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

}  // namespace tremaro
