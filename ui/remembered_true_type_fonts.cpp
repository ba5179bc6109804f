#include "ui/remembered_true_type_fonts.h"

#include <QSettings>

namespace tremaro {
namespace {

const QString kKey = QStringLiteral("trueTypeFonts");

QSettings Settings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("tremaro"), QStringLiteral("tremaro"));
}

}  // namespace

bool RememberedTrueTypeFonts::Chosen() const {
    return Settings().value(kKey, false).toBool();
}

void RememberedTrueTypeFonts::Remember(bool chosen) {
    Settings().setValue(kKey, chosen);
}

}  // namespace tremaro
