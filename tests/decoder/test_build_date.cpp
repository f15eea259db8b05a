// Build date line and date code echo, and the evidence that puts a 1969 car's
// autumn build date into calendar 1969.
#include <tuple>

#include "decoder_test_support.h"

namespace vexlor {

TEST(BuildDate, LineAndDateCode) {
    constexpr const char* kBad = " = ?? Build date should be a month 01 to 12 and a week A to E.";
    const std::vector<std::tuple<const char*, const char*, const char*, const char*, std::string>> cases = {
        // year, field, text, date code, line
        {"1967", "date", "10b", "610B", "10B = Built the Second week of October."},
        {"1968", "date", "08A", "708A", "08A = Built the First week of August."},
        {"1967", "date", "09D", "609D", "09D = Built the Fourth week of September."},
        {"1968", "date", "12E", "712E", "12E = Built the Fifth week of December."},
        {"1969", "date69", "05D", "905D", "05D = Built the Fourth week of May."},
        {"1969", "date69", "04l", "904L", "04L = Built the Fifth week of April."},
        {"1967", "date", "04L", "704L", std::string("04L") + kBad},
        {"1967", "date", "00A", "700A", std::string("00A") + kBad},
        {"1967", "date", "13A", "613A", std::string("13A") + kBad},
        {"1968", "date", "01F", "801F", std::string("01F") + kBad},
        // The line takes the last three characters of the date code.
        {"1967", "date", "8A", "68A", "68A = Built the First week of August."},
        {"1970", "date", "01A", "", " = Built the First week of January."},  // no model year: no digit
        // The 1969 layout has its own box; the other one is not read.
        {"1969", "date", "01A", "____", "No Build date given."},
    };
    for (const auto& [pszYear, pszField, pszText, pszCode, strLine] : cases) {
        const R r = Decode(Tag({{"year", pszYear}, {pszField, pszText}}));
        EXPECT_EQ(Joined({r.m_strDateCode, r.m_strBuildDate}), Joined({pszCode, strLine})) << pszYear;
    }
}

// A 1969 autumn code is calendar 1969 for a Norwood car whose special code was
// read (a known code, or one a rule refused) or whose VIN serial starts with 6.
TEST(BuildDate, Autumn1969Evidence) {
    auto autumn = [](const char* pszName, TagFields tag, const char* pszDateCode) {
        return DecodeCase{pszName, std::move(tag), {{&R::m_strDateCode, pszDateCode}}};
    };
    ExpectDecodes({
        autumn("KnownCode", Tag({{"year", "1969"}, {"date69", "09C"}, {"plant", "NOR"}, {"code69", "X33"}}), "909C"),
        autumn("UnknownCode", Tag({{"year", "1969"}, {"date69", "09C"}, {"plant", "NOR"}, {"code69", "Q12"}}), "809C"),
        autumn("RefusedCode", Tag({{"year", "1969"}, {"date69", "12A"}, {"plant", "NOR"}, {"code69", "X33"},
                                   {"style", "69-12467"}}), "912A"),
        autumn("Z10Without50Paint", Tag({{"year", "1969"}, {"date69", "12A"}, {"plant", "NOR"}, {"code69", "Z10"}}),
               "912A"),
        autumn("SerialWithoutVin", Tag({{"year", "1969"}, {"date69", "09C"}, {"plant", "NOR"}, {"serial", "600001"}}),
               "809C"),
        autumn("Serial6", Tag({{"year", "1969"}, {"date69", "08A"}, {"plant", "NOR"}, {"vin", "124379N"},
                               {"serial", "600001"}}), "908A"),
        autumn("Serial7", Tag({{"year", "1969"}, {"date69", "09C"}, {"plant", "NOR"}, {"vin", "124379N"},
                               {"serial", "700001"}}), "809C"),
        autumn("BlankPlantVinNCode", Tag({{"year", "1969"}, {"date69", "10A"}, {"vin", "124379N"}, {"code69", "X33"}}),
               "910A"),
        // A Los Angeles car, by the plant field or by the VIN, is never late.
        autumn("PlantLosSerial6", Tag({{"year", "1969"}, {"date69", "09C"}, {"plant", "LOS"}, {"vin", "124379N"},
                                       {"serial", "600001"}}), "809C"),
        autumn("VinLCode", Tag({{"year", "1969"}, {"date69", "09C"}, {"plant", "NOR"}, {"vin", "124379L"},
                                {"code69", "X33"}}), "809C"),
    });
}

}  // namespace vexlor
