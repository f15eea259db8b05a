#include "cli_test_support.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include "cli/run_cli.h"

extern char** environ;

namespace vexlor::test {

CliRun RunInProcess(const std::vector<std::string>& args, const std::string& strIn,
                    std::vector<StartedProgram>* pStarted) {
    std::istringstream in(strIn);
    std::ostringstream out;
    std::ostringstream err;
    CliEnvironment environment;
    environment.starter = [pStarted](const std::string& strProgram, const std::vector<std::string>& startArgs,
                                     const std::string& strWorkingDir) {
        if (pStarted != nullptr) pStarted->push_back({strProgram, startArgs, strWorkingDir});
        return true;
    };
    CliRun run;
    run.nStatus = RunCli(args, in, out, err, environment);
    run.strOut = out.str();
    run.strErr = err.str();
    return run;
}

CliRun RunBinary(const std::vector<std::string>& args, const std::filesystem::path& strDir,
                 const std::string& strInFile) {
    const TempDir outputs;
    const std::string strOutFile = (outputs.Path() / "out").string();
    const std::string strErrFile = (outputs.Path() / "err").string();
    const std::string strProgram = VEXLOR_DECODE_PATH;

    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(strProgram.c_str()));
    for (const std::string& strArg : args) argv.push_back(const_cast<char*>(strArg.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, strDir.c_str());
    posix_spawn_file_actions_addopen(&actions, 0, strInFile.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, strOutFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, strErrFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t pid = 0;
    const int nError = posix_spawn(&pid, strProgram.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (nError != 0) throw std::runtime_error("vexlor-decode could not be started");
    int nWaitStatus = 0;
    waitpid(pid, &nWaitStatus, 0);

    CliRun run;
    run.nStatus = WIFEXITED(nWaitStatus) ? WEXITSTATUS(nWaitStatus) : -1;
    run.strOut = ReadFileBytes(strOutFile);
    run.strErr = ReadFileBytes(strErrFile);
    return run;
}

TempDir::TempDir() {
    std::string strTemplate = (std::filesystem::temp_directory_path() / "vexlor-cli-XXXXXX").string();
    if (mkdtemp(strTemplate.data()) == nullptr) throw std::runtime_error("no temporary directory");
    m_path = strTemplate;
}

TempDir::~TempDir() {
    std::error_code error;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, error);
    std::filesystem::remove_all(m_path, error);
}

std::string ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::filesystem::path& path, const std::string& strContent) {
    std::ofstream file(path, std::ios::binary);
    file << strContent;
}

std::vector<std::string> SplitLines(const std::string& strText) {
    std::vector<std::string> lines;
    for (size_t nPos = 0; nPos < strText.size();) {
        const size_t nEnd = std::min(strText.find('\n', nPos), strText.size());
        lines.push_back(strText.substr(nPos, nEnd - nPos));
        nPos = nEnd + 1;
    }
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines, const std::string& strEnd) {
    std::string strText;
    for (const std::string& strLine : lines) strText += strLine + strEnd;
    return strText;
}

}  // namespace vexlor::test
