#pragma once

#include <QSettings>

namespace tremaro {

// The operator's settings, kept between runs: the folder last read, the code page chosen for
// a folder, whether corrections use TrueType fonts. One file, in the user's configuration
// folder (~/.config/tremaro/tremaro.ini), the same for every window of every run.
inline QSettings UserSettings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("tremaro"), QStringLiteral("tremaro"));
}

}  // namespace tremaro
