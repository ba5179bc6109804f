#pragma once

#include <QPointer>
#include <QSizeF>
#include <QWidget>

class QPlainTextEdit;

namespace tremaro {

// The help text box's size for the window's outer size, both in twips: the window keeps
// margins of 360 across and 610 down around it, and a window dragged smaller than its
// margins leaves the box at zero size.
QSizeF FitHelpBox(QSizeF outerTwips);

// The help window while it is loaded: a window of its own with no owner, which Esc or a
// click in its text closes and unloads.
class HelpWindow final : public QWidget {
    Q_OBJECT

public:
    HelpWindow();

    void SetHelpText(const QString& text);

    // Outer size 10500 x 6000 twips with the client area's corner at 2385, 2055. The
    // frame is known only once the window is shown, and a window manager may add it later
    // still: until a frame has been counted in, the window applies this again whenever
    // its frame turns out different from the one it was worked out with.
    void ApplyLoadingGeometry();
    QPlainTextEdit* TextBox() const { return txtHelp_; }

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FitTextBox();
    void FollowLateFrame();

    QPlainTextEdit* txtHelp_ = nullptr;
    QSize loadingFrame_;
    bool awaitingFrame_ = true;
};

// The one help window of the run. It lives as long as the program; its window comes and
// goes: each ShowHelp loads it again at its loading size and place unless it is open.
class HelpLauncher {
public:
    HelpLauncher() = default;
    ~HelpLauncher();
    HelpLauncher(const HelpLauncher&) = delete;
    HelpLauncher& operator=(const HelpLauncher&) = delete;

    void ShowHelp();

    // The loaded window, or nothing when it is closed.
    HelpWindow* Window() const { return window_; }

private:
    QPointer<HelpWindow> window_;
};

}  // namespace tremaro
