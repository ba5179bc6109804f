#pragma once

#include "core/message.h"
#include "platform/system_calls.h"

#include <filesystem>
#include <ostream>
#include <string>

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

// The 256 byte values in order, and the same without CR and LF (254 bytes, one line).
std::string EveryByteValue();
std::string EveryByteValueButLineBreaks();
std::string ReadBytes(const std::string& path);

// A message as the command line prints it: its CR LF breaks as LF, and an LF after it.
std::string Printed(const std::string& message);
std::string Printed(const Message& message);
std::string Printed(const MessageLines& lines);

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

}  // namespace tremaro::testing

namespace tremaro {

// What a failed comparison shows of a message: its id's number, its arguments and its text.
void PrintTo(const Message& message, std::ostream* stream);

}  // namespace tremaro
