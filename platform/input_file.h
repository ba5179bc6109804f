#pragma once

#include <cstddef>
#include <string>

namespace tremaro {

// Reading a file whole into memory. Only a plain file is read (links followed): a folder,
// pipe, device or socket is refused as it is opened, without waiting for a writer or a
// device, and a file over kMaxFileSize is refused before a byte of it is read. The file is
// read with ordinary reads, never mapped, so a file cut short while it is read is a read
// failure, never a crash.

inline constexpr std::size_t kMaxFileSize = std::size_t{64} << 20;

enum class ReadStatus { Read, CannotRead, TooLarge };

// The file's bytes go to bytes only when the whole file was read.
ReadStatus ReadWholeFile(const std::string& path, std::string& bytes);

}  // namespace tremaro
