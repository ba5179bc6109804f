#include "test_support.h"

#include "core/console_port.h"

#include <fstream>
#include <random>
#include <sstream>
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

std::string Printed(const std::string& message) {
    std::ostringstream printed;
    PrintMessage(printed, message);
    return printed.str();
}

std::string Printed(const Message& message) {
    return Printed(TextOf(message));
}

std::string Printed(const MessageLines& lines) {
    return Printed(TextOf(lines));
}

std::string EveryByteValue() {
    std::string bytes;
    for (int byte = 0; byte < 256; ++byte)
        bytes.push_back(static_cast<char>(byte));
    return bytes;
}

std::string EveryByteValueButLineBreaks() {
    std::string bytes = EveryByteValue();
    std::erase_if(bytes, [](char c) { return c == '\r' || c == '\n'; });
    return bytes;
}

}  // namespace tremaro::testing

namespace tremaro {

void PrintTo(const Message& message, std::ostream* stream) {
    *stream << "message " << static_cast<int>(message.id) << " {";
    for (std::size_t i = 0; i < message.arguments.size(); ++i)
        *stream << (i ? ", " : "") << '"' << message.arguments[i] << '"';
    *stream << "}: " << TextOf(message);
}

}  // namespace tremaro
