#include "ui/enter_presses_button.h"

#include <QKeyEvent>
#include <QPushButton>

namespace tremaro {

bool PressFocusedButtonOnEnter(QWidget& window, const QKeyEvent& event) {
    const bool enter = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
    auto* focusedButton = qobject_cast<QPushButton*>(window.focusWidget());
    if (!enter || !focusedButton || !window.isAncestorOf(focusedButton))
        return false;
    if (!event.isAutoRepeat())
        focusedButton->click();
    return true;
}

}  // namespace tremaro
