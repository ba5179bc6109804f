#pragma once

#include "platform/file_ops.h"

#include <optional>
#include <string>

namespace tremaro {

enum class MessageButtons { Ok, OkCancel };
enum class PressedButton { Ok, Cancel };

// A character of the view that the form file's code page cannot hold.
struct UnsavableCharacter {
    std::u16string character;  // one character, two code units for one beyond U+FFFF
    int line = 0;              // counting the view's lines from 1
};

enum class ViewSaveResult { Saved, UnsavableCharacter, WriteFailed };

// What the core asks of whoever shows it to the operator: the main window, the command
// line front and the tests each provide one. Messages are UTF-8 and are shown titled
// "Tremaro"; view text is UTF-16 with CR LF line breaks.
class OperatorPort {
public:
    virtual ~OperatorPort() = default;

    virtual PressedButton ShowMessage(const std::string& text, MessageButtons buttons) = 0;
    virtual void SetViewText(std::u16string text) = 0;

    // The first character of the view that a save could not write, if any, so that a save
    // can refuse before it touches a file.
    virtual std::optional<UnsavableCharacter> FindUnsavableCharacter() = 0;

    // Writes the view's whole text to path (CR LF breaks, the form file's code page) in
    // one atomic step, with the given permission bits.
    virtual ViewSaveResult SaveViewText(const std::string& path, std::optional<FileMode> permissions) = 0;

    virtual void SetTitle(const std::string& title) = 0;
};

}  // namespace tremaro
