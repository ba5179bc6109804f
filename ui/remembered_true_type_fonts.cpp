#include "ui/remembered_true_type_fonts.h"

#include "ui/user_settings.h"

namespace tremaro {
namespace {

const QString kKey = QStringLiteral("trueTypeFonts");

}  // namespace

bool RememberedTrueTypeFonts::Chosen() const {
    return UserSettings().value(kKey, false).toBool();
}

void RememberedTrueTypeFonts::Remember(bool chosen) {
    UserSettings().setValue(kKey, chosen);
}

}  // namespace tremaro
