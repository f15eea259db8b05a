// report DB --html FILE: the registry as one page to look at, written whole
// or not at all.
#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <ostream>

#include "registry/html_report.h"
#include "registry/registry_commands.h"
#include "registry/terminal_text.h"

namespace vexlor {
namespace {

// Whether the two paths name one file that exists.
bool SameFile(const std::string& strOne, const std::string& strOther) {
    struct stat one {}, other {};
    return stat(strOne.c_str(), &one) == 0 && stat(strOther.c_str(), &other) == 0 && one.st_dev == other.st_dev &&
           one.st_ino == other.st_ino;
}

}  // namespace

int ReportCommand(Database& db, const RegistryOptions& options, std::ostream& err) {
    // The page would take the registry's place, or its journal's.
    for (const char* pszSuffix : {"", "-wal", "-shm"}) {
        if (SameFile(options.strHtmlFile, options.strDatabase + pszSuffix)) {
            err << "vexlor-registry: " << Shown(options.strHtmlFile) << ": is the registry's own file, not a page\n";
            return 1;
        }
    }
    const std::string strPage =
        HtmlReport([&](const CarVisitor& onCar) { ForEachCar(db, {}, onCar); }, FindConflicts(db));
    const std::string strPart = options.strHtmlFile + ".part";
    {
        std::ofstream file(strPart, std::ios::binary | std::ios::trunc);
        file << strPage;
        file.close();
        if (file && std::rename(strPart.c_str(), options.strHtmlFile.c_str()) == 0) return 0;
    }
    std::remove(strPart.c_str());
    err << "vexlor-registry: " << Shown(options.strHtmlFile) << ": the report could not be written\n";
    return 1;
}

}  // namespace vexlor
