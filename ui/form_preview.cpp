#include "ui/form_preview.h"

#include "ui/captions.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QShortcut>

namespace tremaro {

FormPreview::FormPreview(QWidget& mainWindow, QPlainTextEdit& view, std::function<std::u16string()> viewText)
    : QObject(&mainWindow), view_(view), viewText_(std::move(viewText)) {
    openAction_ = new QAction(captions::PreviewTitle(), this);
    openAction_->setObjectName(QStringLiteral("previewForm"));
    connect(openAction_, &QAction::triggered, this, &FormPreview::Open);
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_F5), &mainWindow);
    connect(shortcut, &QShortcut::activated, this, &FormPreview::Open);
    typingPause_.setSingleShot(true);
    typingPause_.setInterval(kTypingPauseMs);
    connect(&view_, &QPlainTextEdit::textChanged, &typingPause_, qOverload<>(&QTimer::start));
    connect(&typingPause_, &QTimer::timeout, this, &FormPreview::Refresh);
}

FormPreview::~FormPreview() {
    delete window_.data();
}

void FormPreview::FormRead(std::u16string textAsRead) {
    textAsRead_ = std::move(textAsRead);
    Refresh();
}

void FormPreview::Open() {
    if (!window_) {
        window_ = new PreviewWindow;
        window_->show();
    }
    Refresh();
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void FormPreview::Refresh() {
    typingPause_.stop();
    if (window_)
        window_->ShowForms(textAsRead_, viewText_());
}

}  // namespace tremaro
