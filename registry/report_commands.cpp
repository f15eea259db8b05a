// list, show and conflicts: the registry read back as aligned tables.
#include <ostream>
#include <string>
#include <string_view>

#include "registry/car_facts.h"
#include "registry/car_list.h"
#include "registry/car_lookup.h"
#include "registry/registry_commands.h"
#include "registry/registry_queries.h"
#include "registry/terminal_text.h"
#include "registry/text_table.h"

namespace vexlor {
namespace {

constexpr size_t kMostKeysNamed = 10;  // of the cars a key fits, in show's message

std::string Cell(std::string_view strValue) {
    return strValue.empty() ? std::string(kNoValue) : Shown(strValue);
}

std::string Plural(long long nCount, std::string_view strOne, std::string_view strMany) {
    return std::to_string(nCount) + " " + std::string(nCount == 1 ? strOne : strMany);
}

}  // namespace

int ListCommand(Database& db, const RegistryOptions& options, std::ostream& out, bool bTerminal) {
    const ReadSnapshot snapshot(db);  // both passes over the cars see the same ones
    WriteCarList([&](const CarVisitor& onCar) { ForEachCar(db, options.filter, onCar); }, options.bJson, out,
                 bTerminal);
    return 0;
}

int ShowCommand(Database& db, const RegistryOptions& options, std::ostream& out, std::ostream& err) {
    const std::vector<std::string> keys = CarKeysNamed(db, options.strKey);
    if (keys.size() != 1) {
        err << "vexlor-registry: " << (keys.empty() ? "no car has the key " : "more than one car fits ")
            << Shown(options.strKey);
        for (size_t i = 0; i < keys.size() && i < kMostKeysNamed; ++i) err << (i == 0 ? ": " : ", ") << Shown(keys[i]);
        err << (keys.size() > kMostKeysNamed ? ", ..." : "") << '\n';
        return 1;
    }
    const std::vector<SubmissionRow> submissions = CarSubmissions(db, keys.front());
    out << "Car " << Shown(keys.front()) << " (" << submissions.front().strKeyKind << " key), "
        << Plural(static_cast<long long>(submissions.size()), "submission", "submissions") << '\n';
    for (const SubmissionRow& row : submissions) {
        out << '\n' << Shown(row.strFileName) << '\n';
        TextTable table;
        table.AddRow({"", "imported", row.strImportedAt});
        table.AddRow({"", "SHA-256", row.strSha256});
        table.AddRow({"", "version", Shown(row.strVersion)});
        table.AddRow({"", "saved", Shown(row.strSavedDate)});
        for (size_t i = 0; i < kCodeFieldCount; ++i) {
            // What the code means, two blanks after it.
            std::string strCode = row.codes[i];
            if (std::string strMeaning = FieldMeaning(i, row.codes); !strMeaning.empty()) strCode += "  " + strMeaning;
            table.AddRow({"", std::string(kCodeFields[i].strLabel), Shown(strCode)});
        }
        out << table.Text() << "  decode text:\n";
        if (row.strDecodeText.empty()) continue;
        // Each line of the text indented under the heading.
        const std::string strText = ShownLines(row.strDecodeText);
        for (size_t nStart = 0;;) {
            const size_t nEnd = strText.find('\n', nStart);
            out << "    " << std::string_view(strText).substr(nStart, nEnd - nStart) << '\n';
            if (nEnd == std::string::npos) break;
            nStart = nEnd + 1;
        }
    }
    return 0;
}

int ConflictsCommand(Database& db, std::ostream& out) {
    const std::vector<CarConflict> conflicts = FindConflicts(db);
    for (const CarConflict& car : conflicts) {
        out << Shown(car.strKey) << '\n';
        TextTable table;
        for (const FieldConflict& field : car.fields) {
            std::string strLabel(kCodeFields[field.nField].strLabel);
            for (const auto& [strValue, strFile] : field.values) {
                table.AddRow({"", std::exchange(strLabel, ""), Cell(strValue), Shown(strFile)});
            }
        }
        out << table.Text() << '\n';
    }
    out << Plural(static_cast<long long>(conflicts.size()), "car", "cars") << " with conflicts\n";
    return 0;
}

}  // namespace vexlor
