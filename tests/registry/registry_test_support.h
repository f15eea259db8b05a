#pragma once
// What the registry suites share: decode files made by our writer, a
// temporary folder, and vexlor-registry run in-process.

#include <atomic>
#include <filesystem>
#include <string>
#include <vector>

#include "decoder/decode_result.h"
#include "decoder/tag_fields.h"

namespace vexlor::test {

// The decode file of a decode, saved on 07-04-2005 with the default name.
std::string DecodeFileOf(const DecodeResult& result);
std::string DecodeFileOf(const TagFields& fields);

// A fresh folder, removed with everything in it at the end of the test.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string operator/(const std::string& strName) const { return (m_path / strName).string(); }

private:
    std::filesystem::path m_path;
};

void WriteFile(const std::string& strPath, const std::string& strContent);

struct RegistryRun {
    int nStatus = -1;
    std::string strOut;
    std::string strErr;
};

RegistryRun RunRegistryWith(const std::vector<std::string>& args, bool bTerminal = false,
                            const std::atomic<bool>* pInterrupted = nullptr);

}  // namespace vexlor::test
