#pragma once

#include "core/operator_port.h"
#include "platform/system_calls.h"

#include <deque>
#include <filesystem>
#include <string>
#include <vector>

namespace tremaro::testing {

// A fresh folder for one test, removed with everything in it afterwards.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string Path(const std::string& name) const { return (root_ / name).string(); }
    const std::filesystem::path& Root() const { return root_; }

private:
    std::filesystem::path root_;
};

void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);

// Switches the file system seam for as long as it lives, and back to the bare system
// calls afterwards.
class SwitchedFileSystem {
public:
    explicit SwitchedFileSystem(system::FileSystemSwitches switches) {
        system::SetFileSystemSwitches(std::move(switches));
    }
    ~SwitchedFileSystem() { system::SetFileSystemSwitches({}); }
    SwitchedFileSystem(const SwitchedFileSystem&) = delete;
    SwitchedFileSystem& operator=(const SwitchedFileSystem&) = delete;
};

// An operator port that remembers what it was shown and answers questions from a queue
// (OK when the queue is empty). Its view lives in memory.
class ScriptedPort : public OperatorPort {
public:
    struct Shown {
        std::string text;
        MessageButtons buttons;
    };

    PressedButton ShowMessage(const std::string& text, MessageButtons buttons) override;
    void SetViewText(std::u16string text) override { viewText = std::move(text); }
    std::u16string ViewTextToSave() override { return viewText; }
    void SetTitle(const std::string& title) override { titles.push_back(title); }

    std::deque<PressedButton> answers;
    std::vector<Shown> shown;
    std::vector<std::string> titles;
    std::u16string viewText;
};

}  // namespace tremaro::testing
