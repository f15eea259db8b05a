// Whole decodes: the sample tag, the year text, the completed VIN key, and
// inputs no field should choke on. Each section's tests hold its blank field
// and what it does without a model year.
#include <tuple>

#include "decoder_test_support.h"

namespace vexlor {

// Every line and echo of the sample tag (Help Decoding), which also checks
// that each of its stamped values reaches the decode.
TEST(Decode, SampleTag) {
    ExpectDecodes({{"Sample", SampleTagFields(),
        {{&R::m_strVinMake, ""}, {&R::m_strVinSerial, ""}, {&R::m_strBodyNumber, "Decode for body number: 065727"},
         {&R::m_strBuildDate, "01A = Built the First week of January."},
         {&R::m_strStyle, "67-12437 = Standard Interior Coupe."}, {&R::m_strPlant, "NOR = Built in Norwood Ohio."},
         {&R::m_strTrim, "741 = Standard Red Bucket Seats."},
         {&R::m_strSeat, "Z = (A50) Strato Bucket Seats (without headrests)."},
         {&R::m_strPaint, "R-R = Car Color is Bolero Red"}, {&R::m_strPlantNote, "D = Interior paint is Red"},
         {&R::m_strOptions1, "1W = (A02) Tinted W/S only,"}, {&R::m_strOptions2, "2E = (C60) Air Conditioner,"},
         {&R::m_strOptions3, "3L = (Z22) Rally Sport Package,"}, {&R::m_strOptions4, ""}, {&R::m_strOptions5, ""},
         {&R::m_strVinPrefix, "12_37"}, {&R::m_strVinTail, "7N______"}, {&R::m_strDateCode, "701A"},
         {&R::m_strSchedCode, ""}, {&R::m_strPlantBody, "N065727"}, {&R::m_strStyleCode, "67-12437"},
         {&R::m_strPaintCode, "R-R"}, {&R::m_strTrimCode, "741-Z"}, {&R::m_strOptionCodes, "0D 1W 2E 3L 4- 5-"}}}});
    const DecodeResult r = Decode(SampleTagFields());
    EXPECT_EQ(std::tuple(r.m_nYear, r.m_bVinGiven, r.m_bVinValid, r.m_bVinLosAngeles, r.m_bCamaroVin),
              std::tuple(7, 0, 0, 0, false));
}

TEST(Decode, YearTextIsComparedWhole) {
    auto decode = [](const char* pszYear) {
        return Decode(Tag({{"year", pszYear}, {"vin", "124677L"}, {"serial", "10000"}, {"style", "12467"}}));
    };
    for (const auto& [pszLong, pszShort] : {std::pair{"1967", "67"}, {"1968", "68"}, {"1969", "69"}}) {
        EXPECT_EQ(decode(pszShort), decode(pszLong));
    }
    for (const char* pszYear : {"", "1966", "1970", "7", " 67", "1967 ", "19670"}) {
        EXPECT_EQ(Decode(Tag({{"year", pszYear}})).m_nYear, 0) << pszYear;
    }
}

TEST(Decode, CompletedVinKey) {
    const std::vector<std::tuple<TagFields, const char*, const char*>> cases = {
        // No serial: the plant field, else the plant letter of a valid VIN, gives the tail.
        {Tag({{"year", "1967"}, {"vin", "124677L"}}), "12467", "7L1_____"},
        {Tag({{"year", "1969"}, {"plant", "LOS"}}), "12__7", "9L5_____"},
        {Tag({{"year", "1969"}, {"plant", "XYZ"}, {"vin", "124377L"}}), "12437", "9N______"},
        // A serial without a VIN takes the plant field's letter, if there is one.
        {Tag({{"year", "1967"}, {"serial", "100001"}, {"plant", "NOR"}}), "12__7", "7N100001"},
        {Tag({{"year", "1967"}, {"serial", "100001"}, {"plant", "los"}}), "12__7", "7L100001"},
        {Tag({{"year", "1967"}, {"serial", "100001"}}), "12__7", "7_100001"},
        {Tag({{"year", "1968"}, {"vin", "124378L"}, {"serial", "412345"}, {"plant", "NOR"}}), "12437", "8L412345"},
        // Without a valid VIN the prefix tells what the tag does: a V8 option, the body style (the
        // options and special codes tests show the other patterns), but not the interior.
        {Tag({{"year", "1967"}, {"style", "67-12637"}, {"group4", "P"}}), "12437", "7_______"},
        // No model year: the tail's numbers as the format gives them.
        {Tag({{"year", "1970"}, {"plant", "NOR"}}), "12__7", "0N______"},
        {Tag({{"year", "1970"}, {"plant", "LOS"}, {"style", "67-12437"}}), "12_37", "0L-13_____"},
    };
    for (const auto& [tag, pszPrefix, pszTail] : cases) {
        const DecodeResult r = Decode(tag);
        EXPECT_EQ(r.m_strVinPrefix + " " + r.m_strVinTail, std::string(pszPrefix) + " " + pszTail);
    }
}

// Huge texts and every byte in every field: nothing reads out of bounds and the key is always set.
TEST(Decode, HugeAndOddFields) {
    std::string strAllBytes;
    for (int i = 0; i < 256; ++i) strAllBytes += static_cast<char>(i);
    for (const char* pszYear : {"1967", "68", "1969", ""}) {
        for (const std::string& s : {std::string(100000, '9'), strAllBytes, std::string(1, '\0')}) {
            const R r = Decode(Tag({{"year", pszYear}, {"vin", s}, {"serial", s}, {"date", s}, {"code", s},
                {"style", s}, {"plant", s}, {"body", s}, {"trim", s}, {"seat", s}, {"paint", s}, {"top", s},
                {"group1", s}, {"group2", s}, {"group3", s}, {"group4", s}, {"group5", s}, {"date69", s},
                {"code69", s}}));
            EXPECT_TRUE(r.m_bVinGiven == 1 && !r.m_strVinTail.empty() && !r.m_strVinPrefix.empty()) << pszYear;
        }
    }
}

}  // namespace vexlor
