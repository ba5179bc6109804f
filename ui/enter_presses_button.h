#pragma once

class QKeyEvent;
class QWidget;

namespace tremaro {

// Enter (and keypad Enter) presses the push button that has the focus in `window`, as Space
// does: a button without the default role lets Enter through to its window, where nothing
// would happen. Returns whether the key was Enter on such a button (held down, it presses
// once); a window calls it first in its keyPressEvent and passes on the keys it leaves.
bool PressFocusedButtonOnEnter(QWidget& window, const QKeyEvent& event);

}  // namespace tremaro
