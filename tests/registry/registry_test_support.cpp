#include "registry_test_support.h"

#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>

#include "decoder/decode.h"
#include "registry/run_registry.h"
#include "results/decode_file.h"
#include "results/result_lines.h"

namespace vexlor::test {

std::string DecodeFileOf(const DecodeResult& result) {
    return DecodeFileContent(result, BuildResultLines(result), "07-04-2005", "", std::nullopt);
}

std::string DecodeFileOf(const TagFields& fields) { return DecodeFileOf(Decode(fields)); }

TempDir::TempDir() {
    std::string strTemplate = (std::filesystem::temp_directory_path() / "vexlor-registry-XXXXXX").string();
    m_path = mkdtemp(strTemplate.data());
}

TempDir::~TempDir() {
    std::error_code error;
    std::filesystem::remove_all(m_path, error);
}

void WriteFile(const std::string& strPath, const std::string& strContent) {
    std::filesystem::create_directories(std::filesystem::path(strPath).parent_path());
    std::ofstream(strPath, std::ios::binary) << strContent;
}

RegistryRun RunRegistryWith(const std::vector<std::string>& args, bool bTerminal,
                            const std::atomic<bool>* pInterrupted) {
    std::ostringstream out, err;
    RegistryRun run;
    run.nStatus = RunRegistry(args, out, err, RegistryEnvironment{bTerminal, bTerminal, pInterrupted, {}});
    run.strOut = out.str();
    run.strErr = err.str();
    return run;
}

}  // namespace vexlor::test
