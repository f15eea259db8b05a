#pragma once
// Helpers for the command-line tests: running RunCli in-process, running the
// built vexlor-decode in a directory, temporary directories, and the sample
// tag's list lines.

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
// Each line followed by strEnd.
std::string JoinLines(const std::vector<std::string>& lines, const std::string& strEnd);

// The decode of the sample 1967 tag: no VIN, body 65727, date 01A, style
// 67-12437, plant NOR with interior paint D, trim 741-Z, paint R-R, options W, E, L.
inline const std::vector<std::string> kSampleLines = {
    "Decode for body number: 065727",
    " ",
    "01A = Built the First week of January.",
    "67-12437 = Standard Interior Coupe.",
    "NOR = Built in Norwood Ohio.",
    "741 = Standard Red Bucket Seats.",
    "Z = (A50) Strato Bucket Seats (without headrests).",
    "R-R = Car Color is Bolero Red",
    "D = Interior paint is Red",
    "Options:",
    "1W = (A02) Tinted W/S only",
    "2E = (C60) Air Conditioner",
    "3L = (Z22) Rally Sport Package",
};

}  // namespace vexlor::test
