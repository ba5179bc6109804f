#include "ui/help_window.h"

#include "picture/captions.h"
#include "picture/fonts.h"
#include "ui/help_text.h"
#include "picture/twips.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QWindow>

#include <algorithm>

namespace tremaro {
namespace {

constexpr double kLoadingWidthTwips = 10500;
constexpr double kLoadingHeightTwips = 6000;
constexpr int kClientLeftTwips = 2385;
constexpr int kClientTopTwips = 2055;
constexpr double kBoxMarginAcrossTwips = 360;
constexpr double kBoxMarginDownTwips = 610;

}  // namespace

QSizeF FitHelpBox(QSizeF outerTwips) {
    return {std::max(0.0, outerTwips.width() - kBoxMarginAcrossTwips),
            std::max(0.0, outerTwips.height() - kBoxMarginDownTwips)};
}

HelpWindow::HelpWindow() : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("frmHelp"));
    setAttribute(Qt::WA_DeleteOnClose);
    QPalette cyan = palette();
    cyan.setColor(QPalette::Window, QColor(0, 255, 255));
    setPalette(cyan);
    setAutoFillBackground(true);

    txtHelp_ = new QPlainTextEdit(this);
    txtHelp_->setObjectName(QStringLiteral("txtHelp"));
    txtHelp_->move(TwipsToPixels(120), TwipsToPixels(100));
    txtHelp_->setFont(CourierNewFont(11.25));
    txtHelp_->setReadOnly(true);
    txtHelp_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtHelp_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtHelp_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette paleYellow = txtHelp_->palette();
    paleYellow.setColor(QPalette::Base, QColor(255, 255, 192));
    txtHelp_->setPalette(paleYellow);
    // The window looks at every key and click before the text box does.
    txtHelp_->installEventFilter(this);
    txtHelp_->viewport()->installEventFilter(this);
    setFocusProxy(txtHelp_);

    ApplyLoadingGeometry();
}

void HelpWindow::ApplyLoadingGeometry() {
    const QSize frame = frameGeometry().size() - size();
    loadingFrame_ = frame;
    awaitingFrame_ = frame.isNull();
    const QSize outer(TwipsToPixels(kLoadingWidthTwips), TwipsToPixels(kLoadingHeightTwips));
    setGeometry(QRect(QPoint(TwipsToPixels(kClientLeftTwips), TwipsToPixels(kClientTopTwips)), outer - frame));
    FitTextBox();
}

void HelpWindow::SetHelpText(const QString& text) {
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    txtHelp_->setPlainText(plain);
}

void HelpWindow::FitTextBox() {
    const QSize outer = frameGeometry().size();
    const QSizeF box = FitHelpBox({PixelsToTwips(outer.width()), PixelsToTwips(outer.height())});
    txtHelp_->resize(TwipsToPixels(box.width()), TwipsToPixels(box.height()));
}

void HelpWindow::FollowLateFrame() {
    // Only the first frame is followed: one that changes later (a maximised window losing
    // its borders) is the window manager's business, not a reason to move the window back.
    if (awaitingFrame_ && frameGeometry().size() - size() != loadingFrame_)
        ApplyLoadingGeometry();
}

bool HelpWindow::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    switch (event->type()) {
    case QEvent::Show:
        // The native window exists from now on. A reparenting window manager frames it
        // before it is exposed, and a frame need not come with a move or a resize.
        windowHandle()->installEventFilter(this);
        [[fallthrough]];
    case QEvent::Move:
    case QEvent::Resize:
        FollowLateFrame();
        break;
    default:
        break;
    }
    return handled;
}

void HelpWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FitTextBox();
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle()) {
        if (event->type() == QEvent::Expose)
            FollowLateFrame();
        return false;
    }
    const bool escape = event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
    const bool click = watched == txtHelp_->viewport() && event->type() == QEvent::MouseButtonRelease;
    if (escape || click) {
        close();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

HelpLauncher::~HelpLauncher() {
    delete window_.data();
}

void HelpLauncher::ShowHelp() {
    const QString text = BuildHelpText();
    const bool loading = !window_;
    if (loading)
        window_ = new HelpWindow;
    window_->SetHelpText(text);
    window_->setWindowTitle(captions::HelpTitle());
    window_->show();
    if (loading)
        window_->ApplyLoadingGeometry();
    window_->raise();
    window_->activateWindow();
    window_->TextBox()->setFocus();
}

}  // namespace tremaro
