#include "registry/car_list.h"

#include <nlohmann/json.hpp>

#include <ostream>
#include <string>
#include <vector>

#include "decoder/text.h"
#include "registry/car_facts.h"
#include "registry/car_key.h"
#include "registry/json_text.h"
#include "registry/terminal_text.h"
#include "registry/text_table.h"

namespace vexlor {
namespace {

constexpr size_t kFileKeyShown = 12;    // hex digits of a file key: show takes them
constexpr size_t kWidestListCell = 24;  // characters; a longer code ends in "..."

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

// The code, cut when long, and what it means after one blank.
std::string Cell(const std::string& strCode, const std::string& strMeaning = {}) {
    if (strCode.empty()) return std::string(kNoValue);
    const std::string strCell = Clipped(Shown(strCode));
    return strMeaning.empty() ? strCell : strCell + " " + Shown(strMeaning);
}

// The build date as the tag gives it ("09C"), without the calendar digit.
std::string BuildDate(const TagCodes& codes) {
    return IsKnownCode(kDateField, codes[kDateField]) ? std::string(SafeSubstr(codes[kDateField], 1)) : std::string();
}

nlohmann::ordered_json CarJson(const CarRow& car) {
    const TagCodes& codes = car.codes;
    return {{"key", car.strKey},
                        {"kind", car.strKind},
                        {"year", ValueOf(Dimension::Year, codes)},
                        {"plant", ValueOf(Dimension::Plant, codes)},
                        {"body", BodyNumber(codes[kPlantBodyField])},
                        {"style", codes[kStyleField]},
                        {"style_name", MeaningOf(Dimension::Style, codes)},
                        {"paint", codes[kPaintField]},
                        {"paint_name", MeaningOf(Dimension::Paint, codes)},
                        {"trim", codes[kTrimField]},
                        {"trim_name", MeaningOf(Dimension::Trim, codes)},
                        {"built", BuildDate(codes)},
                        {"option_codes", codes[kOptionsField]},
                        {"submissions", car.nSubmissions}};
}

std::vector<std::string> ListCells(const CarRow& car) {
    const TagCodes& codes = car.codes;
    return {ListKey(car), Cell(ValueOf(Dimension::Year, codes)),
            Cell(codes[kStyleField], MeaningOf(Dimension::Style, codes)),
            Cell(ValueOf(Dimension::Plant, codes)), Cell(BodyNumber(codes[kPlantBodyField])),
            Cell(codes[kPaintField], MeaningOf(Dimension::Paint, codes)),
            Cell(codes[kTrimField], MeaningOf(Dimension::Trim, codes)), Cell(BuildDate(codes)),
            std::to_string(car.nSubmissions)};
}

}  // namespace

void WriteCarList(const CarSource& forEachCar, bool bJson, std::ostream& out, bool bTerminal) {
    if (bJson) {
        // The array as JsonText writes it, one car at a time.
        const char* pszBefore = "";
        out << '[';
        forEachCar([&](const CarRow& car) {
            out << pszBefore << JsonText(CarJson(car), bTerminal);
            pszBefore = ",";
        });
        out << "]\n";
        return;
    }
    // The widths of the columns first, then the lines.
    TextTable table({false, false, false, false, false, false, false, false, true});
    const std::vector<std::string> header = {"Key", "Year", "Style", "Plant", "Body", "Paint", "Trim", "Built",
                                             "Submissions"};
    table.Measure(header);
    forEachCar([&](const CarRow& car) { table.Measure(ListCells(car)); });
    out << table.Line(header) << '\n';
    forEachCar([&](const CarRow& car) { out << table.Line(ListCells(car)) << '\n'; });
}

}  // namespace vexlor
