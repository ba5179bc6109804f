#pragma once

#include <QString>

#include <string_view>

namespace tremaro {

// The core keeps texts as UTF-16 like Qt does, so a text crosses over without conversion.
inline QString ToQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace tremaro
