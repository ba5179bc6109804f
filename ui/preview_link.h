#pragma once

#include "ui/preview_window.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <string>

class QAction;
class QPlainTextEdit;
class QWidget;

namespace tremaro {

// The main window's link to its preview: it keeps the text as it was read, opens the window
// from its action ("Преглед на формата", which the main window puts in the view's context
// menu) and from F5, and redraws an open window after a read, after a correction and shortly
// after typing stops. "Преди" stands to "След" as the product of the corrections made since
// the read (each scales the values the one before left), so the problems are weighed in that
// proportion; text only typed leaves it as it was.
// The window opens beside the main window, puts the view's cursor on the Begin line of the
// control whose problem the operator picks, and closes when the main window closes.
class PreviewLink final : public QObject {
    Q_OBJECT

public:
    static constexpr int kTypingPauseMs = 500;

    PreviewLink(QWidget& mainWindow, QPlainTextEdit& view, std::function<std::u16string()> viewText);
    ~PreviewLink() override;

    void FormRead(std::u16string textAsRead);
    void Corrected(const ScaleFactors& factors);
    void Open();
    void Refresh();  // an open window only

    PreviewWindow* Window() const { return window_; }
    QAction* OpenAction() const { return openAction_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowLineInView(int line);

    QWidget& mainWindow_;
    QPlainTextEdit& view_;
    std::function<std::u16string()> viewText_;
    std::u16string textAsRead_;
    ScaleFactors factorsSinceRead_;  // the Start runs' since the form was read, multiplied
    QPointer<PreviewWindow> window_;
    QAction* openAction_ = nullptr;
    QTimer typingPause_;
};

}  // namespace tremaro
