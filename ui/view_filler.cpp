#include "ui/view_filler.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QTextDocument>

#include <utility>

namespace tremaro {
namespace {

bool IsOperatorInput(const QEvent& event) {
    switch (event.type()) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

}  // namespace

ViewFiller::ViewFiller(QPlainTextEdit& view) : QObject(&view), view_(view) {
    nextPart_.setInterval(0);
    connect(&nextPart_, &QTimer::timeout, this, &ViewFiller::PutInNextPart);
    for (QObject* target :
         {static_cast<QObject*>(&view_), static_cast<QObject*>(view_.viewport()),
          static_cast<QObject*>(view_.verticalScrollBar()), static_cast<QObject*>(view_.horizontalScrollBar())})
        target->installEventFilter(this);
}

void ViewFiller::SetText(QString text) {
    // The view tells nobody of a text the program sets, first lines or parts: its listeners
    // take a change of text for typing, and whoever sets a text says so itself (the preview
    // hears of a read or a correction from the window, after the correction's message).
    const QSignalBlocker quiet(view_);
    text_ = std::move(text);
    filledUpTo_ = EndOfLines(0, kFirstLines);
    if (!Filling()) {
        view_.setPlainText(std::exchange(text_, QString()));
        filledUpTo_ = 0;
        nextPart_.stop();
        return;
    }
    view_.setPlainText(text_.first(filledUpTo_));
    if (Filling())  // unless one who heard of the document's change had the rest put in
        nextPart_.start();
}

void ViewFiller::Finish() {
    if (Filling())
        AppendUpTo(text_.size());
}

bool ViewFiller::eventFilter(QObject* watched, QEvent* event) {
    if (Filling() && IsOperatorInput(*event))
        Finish();
    return QObject::eventFilter(watched, event);
}

void ViewFiller::PutInNextPart() {
    if (Filling())
        AppendUpTo(EndOfLines(filledUpTo_, kLinesPerTurn));
}

void ViewFiller::AppendUpTo(qsizetype end) {
    const qsizetype from = std::exchange(filledUpTo_, end);  // a part goes in once, whoever hears of it
    QTextDocument& document = *view_.document();
    // As the text set in one piece leaves the view: nothing to undo and not modified. The
    // operator cannot have typed in between, since any input finishes the filling first.
    const QSignalBlocker quiet(view_);
    const bool undoWasOn = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    QTextCursor atEnd(&document);
    atEnd.movePosition(QTextCursor::End);
    atEnd.insertText(text_.sliced(from, end - from));
    document.setUndoRedoEnabled(undoWasOn);
    document.setModified(false);
    if (!Filling()) {
        nextPart_.stop();
        text_ = QString();
        filledUpTo_ = 0;
    }
}

// Where the given number of lines from `from` end, just past a line feed (which never pairs
// with what follows it, so the view breaks the line there as it would in the whole text), or
// the text's end.
qsizetype ViewFiller::EndOfLines(qsizetype from, int lineCount) const {
    qsizetype end = from;
    for (int line = 0; line < lineCount; ++line) {
        const qsizetype feed = text_.indexOf(QLatin1Char('\n'), end);
        if (feed < 0)
            return text_.size();
        end = feed + 1;
    }
    return end;
}

}  // namespace tremaro
