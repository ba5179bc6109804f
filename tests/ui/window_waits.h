#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <string>

namespace tremaro::testing {

// How long a window test waits for what the window system does in its own time: a window
// manager maps, frames and activates a window a moment after show(), and a busy machine
// stretches that moment. Waits end as soon as their condition holds, so the whole of it is
// spent only by a test that is failing.
inline constexpr int kPatienceMs = 10000;

// Shows a window and waits until the window system has made it the active one, which is
// when its focus, its keyboard shortcuts and its frame are those the operator meets.
inline bool ShowActive(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window, kPatienceMs);
}

// Whether the keyboard focus is, or comes within the patience, on widget.
inline bool FocusComesTo(const QWidget* widget) {
    return QTest::qWaitFor([widget] { return QApplication::focusWidget() == widget; }, kPatienceMs);
}

// The name of the widget that has the focus, for a failure message.
inline std::string FocusedName() {
    const QWidget* focused = QApplication::focusWidget();
    return focused ? focused->objectName().toStdString() : "(none)";
}

}  // namespace tremaro::testing
