#include "core/project_forms.h"

#include "core/folder_code_pages.h"
#include "core/form_model.h"
#include "core/vb_project.h"
#include "platform/file_ops.h"
#include "platform/input_file.h"
#include "platform/text_lines.h"
#include "platform/text_ops.h"

#include <span>

namespace tremaro {
namespace {

// The form's own properties come before its first control; a form's head of this size holds
// them with room to spare, and a project of many large forms is listed without reading them.
constexpr std::size_t kHeadBytes = 64 * 1024;

bool OpensABlock(std::u16string_view line) {
    const std::size_t first = line.find_first_not_of(u" \t");
    if (first == std::u16string_view::npos)
        return false;
    line.remove_prefix(first);
    return line.size() >= 5 && EqualIgnoringAsciiCase(line.substr(0, 5), u"Begin") &&
           (line.size() == 5 || line[5] == u' ' || line[5] == u'\t');
}

// The lines up to the form's first control: the form's Begin line and its own properties.
std::span<const std::u16string_view> FormsOwnLines(const std::vector<std::u16string_view>& lines) {
    std::size_t blocksOpened = 0;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (OpensABlock(lines[i]) && ++blocksOpened == 2)
            return std::span(lines).first(i);
    return lines;
}

}  // namespace

std::u16string OwnCaptionOf(std::string_view formBytes, CodePage page) {
    std::u16string text;
    AppendDecoded(page, formBytes, text);
    const std::vector<std::u16string_view> lines = SplitIntoLines(std::u16string_view(text));
    return BuildFormModel(FormsOwnLines(lines)).caption;
}

std::vector<ProjectForm> FormsOfProject(const std::string& listingPath) {
    const std::vector<std::string> paths = MembersOfProjects(std::span(&listingPath, 1)).forms;
    const std::vector<std::string> oneProject(paths.size(), listingPath);
    const std::vector<CodePageDecision> decisions = DecideCodePagesTogether(paths, oneProject);
    std::vector<ProjectForm> forms;
    forms.reserve(paths.size());
    for (std::size_t i = 0; i < paths.size(); ++i) {
        ProjectForm form{paths[i], {}, StateAt(paths[i]).has_value(), decisions[i]};
        if (form.found)
            form.caption = OwnCaptionOf(FirstBytesOf(paths[i], kHeadBytes), decisions[i].page);
        forms.push_back(std::move(form));
    }
    return forms;
}

}  // namespace tremaro
