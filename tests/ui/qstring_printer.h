#pragma once

#include <QRect>
#include <QString>

#include <ostream>

// Lets a failing check show a QString as its text (UTF-8) rather than as a list of UTF-16 units.
// Qt's classes live in the global namespace, where GoogleTest looks for it.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// And a rectangle (a window's frame) as its corner and size.
inline void PrintTo(const QRect& rect, std::ostream* out) {
    *out << rect.x() << "," << rect.y() << " " << rect.width() << "x" << rect.height();
}
