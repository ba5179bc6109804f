#include "core/vb_project.h"

#include "platform/file_ops.h"
#include "platform/input_file.h"
#include "platform/text_lines.h"
#include "platform/text_ops.h"

#include <algorithm>
#include <array>
#include <set>
#include <utility>

namespace tremaro {

namespace {

std::string_view WithoutBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string_view FirstLineWithText(std::string_view bytes) {
    // A byte order mark is no part of the first line.
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    for (const std::string_view line : SplitIntoLines(bytes))
        if (!WithoutBlanks(line).empty())
            return WithoutBlanks(line);
    return {};
}

// The value of a "Key=value" line whose key is one of keys, without the blanks around it
// and the quotes some tools put around a path; nothing for any other line.
template <std::size_t N>
std::optional<std::string_view> ValueOf(std::string_view line, const std::array<std::string_view, N>& keys) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    const std::string_view key = WithoutBlanks(line.substr(0, equals));
    if (std::none_of(keys.begin(), keys.end(), [key](std::string_view k) { return EqualIgnoringAsciiCase(key, k); }))
        return std::nullopt;
    std::string_view value = WithoutBlanks(line.substr(equals + 1));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    return value;
}

constexpr std::array<std::string_view, 4> kFormKeys{"Form", "UserControl", "PropertyPage", "UserDocument"};
constexpr std::array<std::string_view, 1> kDesignerKeys{"Designer"};
constexpr std::array<std::string_view, 2> kProjectKeys{"StartupProject", "Project"};

std::vector<std::string> ComponentsOf(std::string_view written) {
    std::vector<std::string> components;
    std::size_t start = 0;
    while (start <= written.size()) {
        const std::size_t end = std::min(written.find_first_of("\\/", start), written.size());
        components.emplace_back(written.substr(start, end - start));
        start = end + 1;
    }
    return components;
}

std::string Joined(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder == ".")
        return name;
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

bool SomethingIsAt(const std::string& path) {
    return KindOfPath(path) != PathKind::Missing;
}

// The one name beside path that differs from its own only in letter case, or nothing when
// there is none or more than one (a folder that holds both Main.frm and MAIN.FRM).
std::optional<std::string> OnlyNameLike(const std::string& folder, const std::string& name) {
    const auto names = NamesBeside(Joined(folder, name));
    if (!names)
        return std::nullopt;
    std::optional<std::string> found;
    for (const std::string& listed : *names) {
        if (!EqualIgnoringAsciiCase(listed, name))
            continue;
        if (found)
            return std::nullopt;
        found = listed;
    }
    return found;
}

// The path a listing's entry leads to, from the listing's folder, each name taken as it is
// where it exists and otherwise in the one spelling the folder holds.
std::string PathOfEntry(const std::string& listingFolder, std::string_view written) {
    const std::vector<std::string> components = ComponentsOf(written);
    std::string path = listingFolder;
    for (const std::string& name : components) {
        if (name.empty())
            continue;  // doubled separators; a path from a drive's root leads nowhere here anyway
        std::string next = Joined(path, name);
        if (name != "." && name != ".." && !SomethingIsAt(next))
            if (const auto listed = OnlyNameLike(path, name))
                next = Joined(path, *listed);
        path = std::move(next);
    }
    return path;
}

// Gathers forms, one per file however often listed, and the listings already read.
class MemberGathering {
public:
    void AddListing(const std::string& path) {
        if (!FirstTimeSeen(path))
            return;
        FileRead read;
        if (ReadWholeFile(path, read) != ReadStatus::Read) {
            members_.unreadableListings.push_back(path);
            return;
        }
        const ProjectListing listing = ReadProjectListing(read.bytes);
        const std::string folder = FolderOf(path);
        for (const std::string& project : listing.projects)
            AddListing(PathOfEntry(folder, project));
        for (const std::string& form : listing.forms)
            AddForm(PathOfEntry(folder, form));
        for (const std::string& designer : listing.designers)
            members_.designers.push_back(PathOfEntry(folder, designer));
    }

    ProjectMembers Members() && { return std::move(members_); }

private:
    void AddForm(const std::string& path) {
        if (FirstTimeSeen(path))
            members_.forms.push_back(path);
    }

    // A file is known by its device and inode where it exists, so that two spellings of one
    // path (a "..", a link) are one file; by its path where it does not.
    bool FirstTimeSeen(const std::string& path) {
        if (const auto state = StateAt(path))
            return files_.insert({state->device, state->inode}).second;
        return missing_.insert(path).second;
    }

    ProjectMembers members_;
    std::set<std::pair<dev_t, ino_t>> files_;
    std::set<std::string> missing_;
};

}  // namespace

FileRole RoleOfFile(std::string_view bytes) {
    const std::string_view first = FirstLineWithText(bytes);
    if (StartsWithIgnoringAsciiCase(first, "VBGROUP"))
        return FileRole::Group;
    if (ValueOf(first, std::array<std::string_view, 1>{"Type"}))
        return FileRole::Project;
    return FileRole::Form;
}

bool ListsForms(const std::string& path) {
    // A project's "Type=" or a group's "VBGROUP" opens the file; a form's first 4 KiB say it is none.
    return RoleOfFile(FirstBytesOf(path, 4096)) != FileRole::Form;
}

ProjectListing ReadProjectListing(std::string_view bytes) {
    ProjectListing listing;
    for (const std::string_view line : SplitIntoLines(bytes)) {
        if (const auto form = ValueOf(line, kFormKeys))
            listing.forms.emplace_back(*form);
        else if (const auto designer = ValueOf(line, kDesignerKeys))
            listing.designers.emplace_back(*designer);
        else if (const auto project = ValueOf(line, kProjectKeys))
            listing.projects.emplace_back(*project);
    }
    return listing;
}

ProjectMembers MembersOfProjects(std::span<const std::string> listingPaths) {
    MemberGathering gathering;
    for (const std::string& path : listingPaths)
        gathering.AddListing(path);
    return std::move(gathering).Members();
}

std::vector<std::string> FormsNamedBy(std::span<const std::string> files) {
    std::vector<std::string> forms;
    for (const std::string& file : files) {
        if (!ListsForms(file)) {
            forms.push_back(file);
            continue;
        }
        const ProjectMembers members = MembersOfProjects(std::span(&file, 1));
        forms.insert(forms.end(), members.forms.begin(), members.forms.end());
    }
    return forms;
}

}  // namespace tremaro
