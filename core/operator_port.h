#pragma once

#include "core/message.h"

#include <string>

namespace tremaro {

// The buttons of a message: OK alone, or OK and Cancel for a question. Enter and Space press the
// button that has the focus: OK in a plain question, Cancel in one whose OK would drop the
// operator's work or write over another program's change, so that a key pressed in haste
// keeps everything.
enum class MessageButtons { Ok, OkCancel, OkCancelDefaultCancel };
enum class PressedButton { Ok, Cancel };

inline bool AsksQuestion(MessageButtons buttons) {
    return buttons != MessageButtons::Ok;
}

// A character of the view that the form file's code page cannot hold.
struct UnsavableCharacter {
    std::u16string character;  // one character, two code units for one beyond U+FFFF
    int line = 0;              // counting the view's lines from 1
};

// What the core asks of whoever shows it to the operator: the main window, the command
// line front and the tests each provide one. A message is shown as its lines' text in the
// operator's language (TextOf), titled "Tremaro"; view text is UTF-16 with CR LF line breaks.
class OperatorPort {
public:
    virtual ~OperatorPort() = default;

    virtual PressedButton ShowMessage(const MessageLines& lines, MessageButtons buttons) = 0;
    virtual void SetViewText(std::u16string text) = 0;

    // The view's whole text with CR LF line breaks, as the operator sees it: what a save
    // writes. The core encodes and writes it; the port only hands it over.
    virtual std::u16string ViewTextToSave() = 0;

    // Whether the operator has changed the view's text since SetViewText last set it. Until
    // then it is the form's lines as the core last showed them, and need not be taken back.
    virtual bool ViewTextEdited() = 0;

    virtual void SetTitle(const std::string& title) = 0;

    // Whether the port shows the form's text at all. One that does not (the command line
    // printing or saving corrected forms, which it takes from the lines) is never given it,
    // nor asked for it: the whole form need not be assembled into a view after the read and
    // again after the correction, and a save writes the lines as they are.
    virtual bool ShowsViewText() const { return true; }
};

}  // namespace tremaro
