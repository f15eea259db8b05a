// list, show, conflicts and stats: the registry read back as aligned tables.
#include <nlohmann/json.hpp>

#include <ostream>
#include <string>
#include <string_view>

#include "registry/car_lookup.h"
#include "registry/json_text.h"
#include "registry/registry_commands.h"
#include "registry/registry_queries.h"
#include "registry/terminal_text.h"
#include "registry/text_table.h"

namespace vexlor {
namespace {

constexpr std::string_view kNoValue = "(none)";
constexpr size_t kMostKeysNamed = 10;    // of the cars a key fits, in show's message
constexpr size_t kFileKeyShown = 12;     // hex digits of a file key in list: show takes them
constexpr size_t kWidestListCell = 24;   // characters; a longer code ends in "..."

// At most kWidestListCell characters (not bytes), so that one long code
// cannot push the other columns off the screen.
std::string Clipped(std::string strCell) {
    size_t nCharacters = 0;
    for (size_t i = 0; i < strCell.size(); ++i) {
        if ((static_cast<unsigned char>(strCell[i]) & 0xC0) == 0x80) continue;
        if (++nCharacters > kWidestListCell - 3) {
            strCell.resize(i);
            return strCell + "...";
        }
    }
    return strCell;
}

std::string ListKey(const CarRow& car) {
    return car.strKind == "file" ? car.strKey.substr(0, kFileKeyShown) : Clipped(Shown(car.strKey));
}

std::string Cell(std::string_view strValue) {
    return strValue.empty() ? std::string(kNoValue) : Shown(strValue);
}

std::string Plural(long long nCount, std::string_view strOne, std::string_view strMany) {
    return std::to_string(nCount) + " " + std::string(nCount == 1 ? strOne : strMany);
}

}  // namespace

int ListCommand(Database& db, const RegistryOptions& options, std::ostream& out) {
    TextTable table({false, false, false, false, false, false, false, true});
    table.AddRow({"Key", "Year", "Style", "Plant", "Body", "Paint", "Trim", "Submissions"});
    for (const CarRow& car : ListCars(db, options.filter)) {
        const TagCodes& codes = car.codes;
        table.AddRow({ListKey(car), Cell(ModelYear(codes[kVinTailField])), Clipped(Cell(codes[kStyleField])),
                      Cell(PlantName(codes[kPlantBodyField])), Clipped(Cell(BodyNumber(codes[kPlantBodyField]))),
                      Clipped(Cell(codes[kPaintField])), Clipped(Cell(codes[kTrimField])),
                      std::to_string(car.nSubmissions)});
    }
    out << table.Text();
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
            table.AddRow({"", std::string(kCodeFields[i].strLabel), Shown(row.codes[i])});
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

int StatsCommand(Database& db, const RegistryOptions& options, std::ostream& out, bool bTerminal) {
    const RegistryStats stats = CountCars(db);
    if (options.bJson) {
        nlohmann::ordered_json json = {{"cars", stats.nCars}, {"submissions", stats.nSubmissions}};
        for (const Tally& tally : stats.tallies) {
            nlohmann::ordered_json& counts = json[std::string(tally.strJsonKey)] = nlohmann::ordered_json::object();
            for (const auto& [strValue, nCars] : tally.counts) counts[strValue] = nCars;
        }
        out << JsonText(json, bTerminal) << '\n';
        return 0;
    }
    out << Plural(stats.nCars, "car", "cars") << ", " << Plural(stats.nSubmissions, "submission", "submissions")
        << '\n';
    for (const Tally& tally : stats.tallies) {
        TextTable table({false, true});
        table.AddRow({std::string(tally.strTitle), "Cars"});
        for (const auto& [strValue, nCars] : tally.counts) table.AddRow({Cell(strValue), std::to_string(nCars)});
        out << '\n' << table.Text();
    }
    return 0;
}

}  // namespace vexlor
