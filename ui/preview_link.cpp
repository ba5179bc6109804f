#include "ui/preview_link.h"

#include "picture/captions.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QTextBlock>
#include <QTextCursor>

namespace tremaro {

PreviewLink::PreviewLink(QWidget& mainWindow, QPlainTextEdit& view, std::function<std::u16string()> viewText)
    : QObject(&mainWindow), mainWindow_(mainWindow), view_(view), viewText_(std::move(viewText)) {
    mainWindow_.installEventFilter(this);
    openAction_ = new QAction(captions::PreviewTitle(), this);
    openAction_->setObjectName(QStringLiteral("previewForm"));
    connect(openAction_, &QAction::triggered, this, &PreviewLink::Open);
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_F5), &mainWindow);
    connect(shortcut, &QShortcut::activated, this, &PreviewLink::Open);
    typingPause_.setSingleShot(true);
    typingPause_.setInterval(kTypingPauseMs);
    connect(&view_, &QPlainTextEdit::textChanged, &typingPause_, qOverload<>(&QTimer::start));
    connect(&typingPause_, &QTimer::timeout, this, &PreviewLink::Refresh);
}

PreviewLink::~PreviewLink() {
    delete window_.data();
}

void PreviewLink::FormRead(std::u16string textAsRead) {
    textAsRead_ = std::move(textAsRead);
    factorsSinceRead_ = {};
    Refresh();
}

void PreviewLink::Corrected(const ScaleFactors& factors) {
    factorsSinceRead_ = factorsSinceRead_.Then(factors);
    Refresh();
}

void PreviewLink::Open() {
    if (!window_) {
        window_ = new PreviewWindow;
        connect(window_, &PreviewWindow::ProblemPicked, this, &PreviewLink::ShowLineInView);
        window_->OpenBeside(mainWindow_);
    }
    Refresh();
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void PreviewLink::Refresh() {
    typingPause_.stop();
    if (window_)
        window_->ShowForms(textAsRead_, viewText_(), factorsSinceRead_);
}

// Closing hides the main window (a hide the window system makes, on minimising, is left
// alone): the preview goes with it, as it shows nothing but that window's form. The help
// window keeps its own life.
bool PreviewLink::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &mainWindow_ && event->type() == QEvent::Hide && !event->spontaneous() && window_)
        window_->close();
    return QObject::eventFilter(watched, event);
}

void PreviewLink::ShowLineInView(int line) {
    const QTextBlock block = view_.document()->findBlockByNumber(line - 1);
    if (!block.isValid())
        return;
    view_.setTextCursor(QTextCursor(block));
    view_.centerCursor();
}

}  // namespace tremaro
