// report DB --html FILE: the registry as one page to look at, written whole
// or not at all.
#include <cstdio>
#include <fstream>
#include <ostream>

#include "registry/html_report.h"
#include "registry/registry_commands.h"
#include "registry/terminal_text.h"

namespace vexlor {

int ReportCommand(Database& db, const RegistryOptions& options, std::ostream& err) {
    const std::string strPage = HtmlReport(ListCars(db, {}), FindConflicts(db));
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
