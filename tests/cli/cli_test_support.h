#pragma once
// Helpers for the command-line tests: RunCli in-process, the built
// vexlor-decode in a directory, temporary directories and whole files.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "cli/run_cli.h"

namespace vexlor::test {

namespace fs = std::filesystem;
using Args = std::vector<std::string>;

struct CliRun {
    int nStatus = -1;
    std::string strOut, strErr;
    bool operator==(const CliRun&) const = default;
    friend void PrintTo(const CliRun& run, std::ostream* os) { *os << run.nStatus << " " << run.strOut << run.strErr; }
};

// RunCli on args with strIn as standard input. Programs are not started: each
// start is noted in pStarts as program, first argument and working directory,
// and bStarted is what it reports.
inline CliRun RunInProcess(const Args& args, const std::string& strIn = {}, std::vector<Args>* pStarts = nullptr,
                           bool bStarted = true) {
    std::istringstream in(strIn);
    std::ostringstream out, err;
    CliEnvironment environment;
    environment.starter = [&](const std::string& strProgram, const Args& startArgs, const std::string& strDir) {
        if (pStarts) pStarts->push_back({strProgram, startArgs.at(0), strDir});
        return bStarted;
    };
    const int nStatus = RunCli(args, in, out, err, environment);
    return {nStatus, out.str(), err.str()};
}

inline std::string ReadFileBytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

// The built vexlor-decode run in dir with standard input from strInFile; its output goes to files there.
inline CliRun RunBinary(const Args& args, const fs::path& dir, const std::string& strInFile) {
    const pid_t pid = fork();
    if (pid == 0) {
        std::vector<char*> argv{const_cast<char*>(VEXLOR_DECODE_PATH)};
        for (const std::string& strArg : args) argv.push_back(const_cast<char*>(strArg.c_str()));
        argv.push_back(nullptr);
        if (chdir(dir.c_str()) == 0 && std::freopen(strInFile.c_str(), "r", stdin) &&
            std::freopen("out.txt", "w", stdout) && std::freopen("err.txt", "w", stderr)) {
            execv(argv[0], argv.data());
        }
        _exit(127);
    }
    int nWait = 0;
    waitpid(pid, &nWait, 0);
    return {WIFEXITED(nWait) ? WEXITSTATUS(nWait) : -1, ReadFileBytes(dir / "out.txt"), ReadFileBytes(dir / "err.txt")};
}

}  // namespace vexlor::test
