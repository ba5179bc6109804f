#include "ui/form_preview.h"

#include "ui/captions.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <QShortcut>

#include <algorithm>
#include <memory>

namespace tremaro {

FormPreview::FormPreview(QWidget& mainWindow, QPlainTextEdit& view, std::function<std::u16string()> viewText)
    : QObject(&mainWindow), view_(view), viewText_(std::move(viewText)) {
    view_.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&view_, &QWidget::customContextMenuRequested, this, &FormPreview::ShowContextMenu);
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

void FormPreview::ShowContextMenu(const QPoint& position) {
    const std::unique_ptr<QMenu> menu(view_.createStandardContextMenu(position));
    menu->setObjectName(QStringLiteral("viewContextMenu"));
    auto* preview = new QAction(captions::PreviewTitle(), menu.get());
    preview->setObjectName(QStringLiteral("previewForm"));
    connect(preview, &QAction::triggered, this, &FormPreview::Open);
    // Right after Paste, so it stands with the two things the help text tells of.
    const QList<QAction*> actions = menu->actions();
    const auto paste = std::find_if(actions.begin(), actions.end(),
                                    [](const QAction* a) { return a->objectName() == QLatin1String("edit-paste"); });
    if (paste != actions.end() && paste + 1 != actions.end())
        menu->insertAction(*(paste + 1), preview);
    else
        menu->addAction(preview);
    menu->exec(view_.viewport()->mapToGlobal(position));
}

}  // namespace tremaro
