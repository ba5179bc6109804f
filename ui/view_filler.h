#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class QEvent;
class QPlainTextEdit;

namespace tremaro {

// Puts a long text into a plain text view a part at a time: the first lines at once, so that
// the window shows a large form without waiting for the view to build its whole document
// (about 1.3 µs a line, most of the time a 32,000-line form takes to show), and the rest from
// the event loop, a part per turn, each part taking a few milliseconds.
// The view is never used half filled: the operator's keys, clicks, wheel and drops on the
// view or its scroll bars first put the rest in at once, as does whoever reads the text
// (Finish). The filled view is as the text set in one piece leaves it: every line in its
// blocks, nothing to undo, not modified, the cursor at the start.
class ViewFiller final : public QObject {
    Q_OBJECT

public:
    // Lines put in at once; more than any screen shows.
    static constexpr int kFirstLines = 1000;
    // Lines put in at each later turn of the event loop.
    static constexpr int kLinesPerTurn = 4000;

    explicit ViewFiller(QPlainTextEdit& view);

    // Replaces the view's text (the rest of a text still being put in is dropped).
    void SetText(QString text);
    // Puts in at once whatever is still to come.
    void Finish();
    bool Filling() const { return filledUpTo_ < text_.size(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PutInNextPart();
    void AppendUpTo(qsizetype end);
    qsizetype EndOfLines(qsizetype from, int lineCount) const;

    QPlainTextEdit& view_;
    QString text_;
    qsizetype filledUpTo_ = 0;
    QTimer nextPart_;
};

}  // namespace tremaro
