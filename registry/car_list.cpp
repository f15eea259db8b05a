#include "registry/car_list.h"

#include <nlohmann/json.hpp>

#include <ostream>
#include <string>

#include "decoder/text.h"
#include "registry/car_facts.h"
#include "registry/car_key.h"
#include "registry/terminal_text.h"
#include "registry/text_table.h"

namespace vexlor {
namespace {

constexpr std::string_view kNoValue = "(none)";

// The code, and what it means after one blank.
std::string Cell(const std::string& strCode, const std::string& strMeaning, bool bTerminal) {
    if (strCode.empty()) return std::string(kNoValue);
    return Shown(strMeaning.empty() ? strCode : strCode + " " + strMeaning, bTerminal);
}

// The build date as the tag gives it ("09C"), without the calendar digit.
std::string BuildDate(const TagCodes& codes) {
    return IsKnownCode(kDateField, codes[kDateField]) ? std::string(SafeSubstr(codes[kDateField], 1)) : std::string();
}

void WriteJson(const std::vector<CarRow>& cars, std::ostream& out, bool bTerminal) {
    nlohmann::ordered_json json = nlohmann::ordered_json::array();
    for (const CarRow& car : cars) {
        const TagCodes& codes = car.codes;
        json.push_back({{"key", car.strKey},
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
                        {"submissions", car.nSubmissions}});
    }
    out << Shown(json.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace), bTerminal) << '\n';
}

}  // namespace

void WriteCarList(const std::vector<CarRow>& cars, bool bJson, std::ostream& out, bool bTerminal) {
    if (bJson) {
        WriteJson(cars, out, bTerminal);
        return;
    }
    TextTable table({false, false, false, false, false, false, false, false, true});
    table.AddRow({"Key", "Year", "Style", "Plant", "Body", "Paint", "Trim", "Built", "Submissions"});
    for (const CarRow& car : cars) {
        const TagCodes& codes = car.codes;
        table.AddRow({Shown(car.strKey, bTerminal), Cell(ValueOf(Dimension::Year, codes), "", bTerminal),
                      Cell(codes[kStyleField], MeaningOf(Dimension::Style, codes), bTerminal),
                      Cell(ValueOf(Dimension::Plant, codes), "", bTerminal),
                      Cell(BodyNumber(codes[kPlantBodyField]), "", bTerminal),
                      Cell(codes[kPaintField], MeaningOf(Dimension::Paint, codes), bTerminal),
                      Cell(codes[kTrimField], MeaningOf(Dimension::Trim, codes), bTerminal),
                      Cell(BuildDate(codes), "", bTerminal), std::to_string(car.nSubmissions)});
    }
    out << table.Text();
}

}  // namespace vexlor
