#include "cli/program_start.h"

#include <spawn.h>
#include <sys/types.h>

extern char** environ;

namespace vexlor {

bool StartDetachedProgram(const std::string& strProgram, const std::vector<std::string>& args,
                          const std::string& strWorkingDir) {
    std::vector<char*> argv;
    argv.reserve(args.size() + 2);
    argv.push_back(const_cast<char*>(strProgram.c_str()));
    for (const std::string& strArg : args) argv.push_back(const_cast<char*>(strArg.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    if (posix_spawn_file_actions_init(&actions) != 0) return false;
    if (!strWorkingDir.empty() && posix_spawn_file_actions_addchdir_np(&actions, strWorkingDir.c_str()) != 0) {
        posix_spawn_file_actions_destroy(&actions);
        return false;
    }
    pid_t pid = 0;
    const int nError = posix_spawnp(&pid, strProgram.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return nError == 0;
}

}  // namespace vexlor
