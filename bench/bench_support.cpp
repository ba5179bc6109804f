#include "bench_support.h"

#include "tools/sample_form.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

extern char** environ;

namespace tremaro::bench {
namespace {

struct Folder {
    Folder() {
        char pattern[] = "/tmp/tremaro-bench-XXXXXX";
        path = ::mkdtemp(pattern);
        form = path + "/Largest.frm";
        std::ofstream(form, std::ios::binary) << GenerateSampleForm(32766);
    }
    ~Folder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::string path;
    std::string form;
};

const Folder& TheFolder() {
    static const Folder folder;
    return folder;
}

}  // namespace

const std::string& LargestForm() {
    return TheFolder().form;
}

const std::string& BenchFolder() {
    return TheFolder().path;
}

int RunProgram(const std::vector<std::string>& arguments, const std::string& inputPath) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, inputPath.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return -1;
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace tremaro::bench
