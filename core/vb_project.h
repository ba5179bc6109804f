#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tremaro {

// A Visual Basic project (.vbp) names the files it is made of, one "Key=value" line each; a
// group (.vbg) names its projects the same way. Which of the three a file is comes from what
// it holds, not from its name: a project's first line is its "Type=", a group's "VBGROUP".
enum class FileRole { Form, Project, Group };
FileRole RoleOfFile(std::string_view bytes);

// Whether the file at path is a project or a group, from its first bytes; false where it
// cannot be read (its read as a form then says why).
bool ListsForms(const std::string& path);

// What a project or group file lists, each path as written there (Windows separators and all).
struct ProjectListing {
    std::vector<std::string> forms;      // Form=, UserControl=, PropertyPage=, UserDocument=
    std::vector<std::string> designers;  // Designer=: described in binary, never scaled
    std::vector<std::string> projects;   // a group's StartupProject= and Project=
};
ProjectListing ReadProjectListing(std::string_view bytes);

// The forms of the projects and groups given, each once (a form listed twice, or by two
// projects of one group, is one form), in the order first listed. A listed path is taken
// from the listing file's folder with "\" read as "/"; where no file has that exact name, a
// name differing only in the letters' case is taken in its place (a project written on
// Windows and checked out here). A form found nowhere stays in the list under the path
// as written, so that reading it reports it missing.
struct ProjectMembers {
    std::vector<std::string> forms;
    std::vector<std::string> designers;
    std::vector<std::string> unreadableListings;  // project or group files that could not be read
};
ProjectMembers MembersOfProjects(std::span<const std::string> listingPaths);

// The files named, each project or group file replaced by its forms.
std::vector<std::string> FormsNamedBy(std::span<const std::string> files);

}  // namespace tremaro
