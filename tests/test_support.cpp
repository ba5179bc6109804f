#include "test_support.h"

#include <fstream>
#include <random>
#include <stdexcept>

namespace tremaro::testing {

TempFolder::TempFolder() {
    std::random_device random;
    root_ = std::filesystem::temp_directory_path() / ("tremaro-test-" + std::to_string(random()));
    std::filesystem::create_directories(root_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::permissions(root_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(root_, ignored);
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << bytes;
    if (!file)
        throw std::runtime_error("cannot write " + path);
}

std::string ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

PressedButton ScriptedPort::ShowMessage(const std::string& text, MessageButtons buttons) {
    shown.push_back({text, buttons});
    if (answers.empty())
        return PressedButton::Ok;
    const PressedButton answer = answers.front();
    answers.pop_front();
    return answer;
}

}  // namespace tremaro::testing
