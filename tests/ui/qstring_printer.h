#pragma once

#include <QString>

#include <ostream>

// Lets a failing check show a QString as its text (UTF-8) rather than as a list of UTF-16 units.
// Qt's classes live in the global namespace, where GoogleTest looks for it.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
