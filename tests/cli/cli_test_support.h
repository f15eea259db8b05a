#pragma once
// Helpers for the command-line tests: running RunCli in-process, running the
// built vexlor-decode in a directory, and temporary directories.

#include <filesystem>
#include <string>
#include <vector>

namespace vexlor::test {

struct CliRun {
    int nStatus = -1;
    std::string strOut;
    std::string strErr;
};

// A program start that --open asked for.
struct StartedProgram {
    std::string strProgram;
    std::vector<std::string> args;
    std::string strWorkingDir;
    bool operator==(const StartedProgram&) const = default;
};

// RunCli on args with strIn as standard input; programs are never started,
// only noted in pStarted when it is given.
CliRun RunInProcess(const std::vector<std::string>& args, const std::string& strIn = {},
                    std::vector<StartedProgram>* pStarted = nullptr);

// The built vexlor-decode in strDir, standard input from strInFile (or /dev/null).
CliRun RunBinary(const std::vector<std::string>& args, const std::filesystem::path& strDir,
                 const std::string& strInFile = "/dev/null");

// A fresh empty directory, removed with everything in it at the end of the test.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

std::string ReadFileBytes(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path, const std::string& strContent);

// Splits at '\n'; a final empty piece after the last '\n' is dropped.
std::vector<std::string> SplitLines(const std::string& strText);

}  // namespace vexlor::test
