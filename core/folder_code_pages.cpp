#include "core/folder_code_pages.h"

#include "core/most_frequent.h"
#include "platform/input_file.h"

#include <filesystem>
#include <map>
#include <optional>

namespace tremaro {
namespace {

std::string FolderOf(const std::string& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return (error ? std::filesystem::path(path) : absolute).lexically_normal().parent_path().string();
}

bool SaysLittleOfItself(const CodePageDecision& own) {
    return own.basis == CodePageBasis::Nothing || (own.basis == CodePageBasis::OwnText && !own.certain);
}

// Of the folder's forms decided with certainty from their own text, the most frequent code
// page, the first on a tie.
std::optional<CodePage> FolderCodePage(const std::vector<CodePageDecision>& decisions,
                                       const std::vector<std::string>& folders, const std::string& folder) {
    std::vector<CodePage> certain;
    for (std::size_t i = 0; i < decisions.size(); ++i)
        if (folders[i] == folder && decisions[i].basis == CodePageBasis::OwnText && decisions[i].certain)
            certain.push_back(decisions[i].page);
    return MostFrequent(certain);
}

}  // namespace

std::vector<CodePageDecision> DecideCodePagesTogether(std::span<const std::string> paths) {
    return DecideCodePagesTogether(paths, std::vector<std::string>(paths.size()));
}

std::vector<CodePageDecision> DecideCodePagesTogether(std::span<const std::string> paths,
                                                      std::span<const std::string> keys) {
    std::vector<CodePageDecision> decisions;
    std::vector<std::string> folders;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        FileRead read;
        decisions.push_back(ReadWholeFile(paths[i], read) == ReadStatus::Read ? DecideCodePage(read.bytes)
                                                                              : DecideCodePage({}));
        folders.push_back(keys[i].empty() ? FolderOf(paths[i]) : keys[i]);
    }
    std::map<std::string, std::optional<CodePage>> folderPages;
    for (std::size_t i = 0; i < decisions.size(); ++i) {
        if (!SaysLittleOfItself(decisions[i]))
            continue;
        auto [at, added] = folderPages.try_emplace(folders[i]);
        if (added)
            at->second = FolderCodePage(decisions, folders, folders[i]);
        if (at->second)
            decisions[i] = {*at->second, CodePageBasis::Folder, true};
    }
    return decisions;
}

}  // namespace tremaro
