#pragma once

#include <QFont>

namespace tremaro {

// The fonts the forms were designed with, followed by metric-compatible stand-ins for
// systems that lack them (Liberation, then DejaVu), so Cyrillic always shows.
QFont SansSerifFont(double pointSize, bool bold);
QFont CourierNewFont(double pointSize);
QFont TimesNewRomanFont(double pointSize, bool bold);

}  // namespace tremaro
