#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tremaro {

enum class RenameResult {
    Renamed,
    SourceMissing,
    TargetExists,
    Failed,
};

// Gives the file oldPath the name newPath. Never replaces: fails with TargetExists when
// something already stands under newPath.
RenameResult RenameFile(const std::string& oldPath, const std::string& newPath);

enum class LinkResult {
    Linked,
    SourceMissing,
    TargetExists,
    Unsupported,  // the file system has no hard links for this file
    Failed,
};

// Gives the file oldPath the second name newPath; it keeps its own name too. Never
// replaces: fails with TargetExists when something already stands under newPath.
LinkResult LinkFile(const std::string& oldPath, const std::string& newPath);

bool RemoveFile(const std::string& path);

// Whether both names lead to one and the same file.
bool IsSameFile(const std::string& first, const std::string& second);

enum class PathKind {
    Missing,
    PlainFile,
    Folder,
    Other,  // a link, a device, a pipe: neither a plain file nor a folder
};

// What stands under path itself (a link is not followed).
PathKind KindOfPath(const std::string& path);

using FileMode = unsigned int;

// The permission bits of the file, or nothing when it cannot be looked at.
std::optional<FileMode> PermissionsOf(const std::string& path);

// Writes bytes to a temporary file in path's folder, flushes it to the disk and then
// gives it path's name in one rename, so the file under path is at every moment either
// what it was or the whole new content. With no permissions given the new file gets the
// usual ones for a new file. On failure the temporary file is removed.
bool WriteFileAtomically(const std::string& path, std::string_view bytes,
                         std::optional<FileMode> permissions);

}  // namespace tremaro
