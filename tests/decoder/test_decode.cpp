// Whole decodes: the sample tag, what one section leaves for a later one, the
// completed VIN key, and inputs no field should choke on.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "decoder/decode.h"
#include "decoder_test_support.h"

namespace vexlor {
namespace {

using testing_support::Tag;
using R = DecodeResult;

struct DecodeCase {
    const char* pszName;
    TagFields fields;
    std::vector<std::pair<std::string R::*, std::string>> expected;
};

TEST(Decode, SectionsHandOnTheirFindings) {
    const std::vector<DecodeCase> cases = {
        {"SampleTag", SampleTagFields(),
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
          {&R::m_strPaintCode, "R-R"}, {&R::m_strTrimCode, "741-Z"}, {&R::m_strOptionCodes, "0D 1W 2E 3L 4- 5-"}}},
        {"AllBlank1967", Tag({{"year", "1967"}}),
         {{&R::m_strVinPrefix, "12__7"}, {&R::m_strVinTail, "7_______"}, {&R::m_strStyle, "No body style was given."},
          {&R::m_strStyleCode, "67-12__7"}, {&R::m_strTrim, "No trim style was given."},
          {&R::m_strPlantNote, "No Assm. Plant given."}, {&R::m_strPlantBody, "_______"}, {&R::m_strBodyNumber, ""},
          {&R::m_strPaint, "No paint code was given."}, {&R::m_strBuildDate, "No Build date given."}}},
        {"ValidVinNoSerialBlankPlant", Tag({{"year", "1967"}, {"vin", "124677L"}}),
         {{&R::m_strVinPrefix, "12467"}, {&R::m_strVinTail, "7L1_____"}}},
        {"LosAngeles1969NoVin", Tag({{"year", "1969"}, {"plant", "LOS"}}), {{&R::m_strVinTail, "9L5_____"}}},
        {"SerialThenPlantLetter", Tag({{"year", "1967"}, {"serial", "100001"}, {"plant", "NOR"}}),
         {{&R::m_strVinPrefix, "12__7"}, {&R::m_strVinTail, "7N100001"}}},
        {"SerialOutOfRange", Tag({{"year", "1967"}, {"vin", "124377N"}, {"serial", "300001"}}),
         {{&R::m_strVinPrefix, "12437"}, {&R::m_strVinTail, "7N______"}}},
        {"FullVinKeepsItsPlantLetter",
         Tag({{"year", "1968"}, {"vin", "123678L"}, {"serial", "412345"}, {"plant", "NOR"}, {"body", "123"}}),
         {{&R::m_strVinPrefix, "12367"}, {&R::m_strVinTail, "8L412345"},
          {&R::m_strVinSerial, "412345 = vehicle serial number sequence"},
          {&R::m_strBodyNumber, "Decode for body number: 000123"}, {&R::m_strPlantBody, "N000123"}}},
        {"InvalidVinStyleConvertible",
         Tag({{"year", "1968"}, {"vin", "124378X"}, {"serial", "300001"}, {"style", "68-12467"}}),
         {{&R::m_strVinPrefix, "12_67"}, {&R::m_strVinTail, "8_______"}}},
        {"StyleCoupe", Tag({{"year", "1969"}, {"style", "69-12637"}}),
         {{&R::m_strVinPrefix, "12_37"}, {&R::m_strVinTail, "9_______"}}},
        {"V8SpecialCodeInteriorDigitLeftOut",
         Tag({{"year", "1969"}, {"style", "69-12637"}, {"plant", "NOR"}, {"code69", "X33"}}),
         {{&R::m_strVinPrefix, "12437"}, {&R::m_strVinTail, "9N______"}}},
        {"NoModelYear", Tag({{"year", "1970"}}), {{&R::m_strVinPrefix, "12__7"}, {&R::m_strVinTail, "0_______"}}},
        // the style step hands the interior kind to the 1967 trim check
        {"CustomStyleStandardTrim", Tag({{"year", "1967"}, {"style", "12667"}, {"trim", "760"}}),
         {{&R::m_strTrim, "760 = Standard Black Bucket Seats. - Trim code is wrong for body style."}}},
        {"UnknownStyleNoTrimCheck", Tag({{"year", "1967"}, {"style", "67-12337"}, {"trim", "765"}}),
         {{&R::m_strTrim, "765 = Custom Black Bucket Seats."}}},
        // build date before the option groups (December 1966 rule), option groups before the key (V8)
        {"DateThenOptionsThenKey",
         Tag({{"year", "1967"}, {"date", "10a"}, {"style", "67-12637"}, {"group2", "L"}, {"group4", "P"}}),
         {{&R::m_strOptions4, "4P = (L48) SS 350,"}, {&R::m_strDateCode, "610A"}, {&R::m_strVinPrefix, "12437"},
          {&R::m_strVinTail, "7_______"}}},
        // paint, then trim and paint, before the plant step's special codes
        {"PaintThenZ10",
         Tag({{"year", "1969"}, {"style", "69-12437"}, {"plant", "NOR"}, {"paint", "50"}, {"top", "50"},
              {"code69", "Z10"}}),
         {{&R::m_strPlantNote, "Z10 = Accent Striping (coupe version of Pace Car Accents)"},
          {&R::m_strVinPrefix, "12437"}}},
        {"TrimThenZ11", Tag({{"year", "1969"}, {"style", "69-12667"}, {"plant", "NOR"}, {"trim", "720"},
                             {"paint", "50"}, {"top", "A"}, {"code69", "Z11"}}),
         {{&R::m_strPlantNote, "Z11 = Indy Pace Car accents - Convertible"}, {&R::m_strVinPrefix, "12467"}}},
        // the 1969 autumn test reads the plant note and the VIN tail before the key is completed
        {"AutumnNorwoodSpecialCode", Tag({{"year", "1969"}, {"date69", "09C"}, {"plant", "NOR"}, {"code69", "X33"}}),
         {{&R::m_strDateCode, "909C"}, {&R::m_strBuildDate, "09C = Built the Third week of September."}}},
        {"AutumnNorwoodUnknownCode", Tag({{"year", "1969"}, {"date69", "09C"}, {"plant", "NOR"}, {"code69", "Q12"}}),
         {{&R::m_strDateCode, "809C"}}},
        {"AutumnSerialWithoutVin", Tag({{"year", "1969"}, {"date69", "09C"}, {"plant", "NOR"}, {"serial", "600001"}}),
         {{&R::m_strDateCode, "809C"}, {&R::m_strVinTail, "9N600001"}}},
        {"AutumnUnknownCodeNorwoodSerialSix",
         Tag({{"year", "1969"}, {"date69", "08A"}, {"plant", "NOR"}, {"code69", "Q12"}, {"vin", "124379N"},
              {"serial", "612345"}}),
         {{&R::m_strDateCode, "908A"}}},
        {"AutumnNorwoodSerialSix",
         Tag({{"year", "1969"}, {"date69", "09C"}, {"plant", "NOR"}, {"vin", "124379N"}, {"serial", "600001"}}),
         {{&R::m_strDateCode, "909C"}}},
        {"AutumnNorwoodSerialSeven",
         Tag({{"year", "1969"}, {"date69", "09C"}, {"plant", "NOR"}, {"vin", "124379N"}, {"serial", "700001"}}),
         {{&R::m_strDateCode, "809C"}}},
        {"AutumnLosAngelesPlantWithCode",
         Tag({{"year", "1969"}, {"date69", "09C"}, {"plant", "LOS"}, {"code69", "B7"}}),
         {{&R::m_strDateCode, "809C"}}},
        {"AutumnLosAngelesVin",
         Tag({{"year", "1969"}, {"date69", "09C"}, {"vin", "124379L"}, {"serial", "500001"}, {"code69", "B7"}}),
         {{&R::m_strDateCode, "809C"}}},
        {"AutumnBlankPlantNoVin", Tag({{"year", "1969"}, {"date69", "09C"}}), {{&R::m_strDateCode, "809C"}}},
        {"AutumnBlankPlantNorwoodVinSerialSix",
         Tag({{"year", "1969"}, {"date69", "09C"}, {"vin", "124379N"}, {"serial", "600001"}}),
         {{&R::m_strDateCode, "909C"}}},
        {"AutumnBlankPlantNorwoodVinSpecialCode",
         Tag({{"year", "1969"}, {"date69", "09C"}, {"vin", "124379N"}, {"serial", "500001"}, {"code69", "X33"}}),
         {{&R::m_strDateCode, "909C"}}},
    };
    for (const DecodeCase& c : cases) {
        SCOPED_TRACE(c.pszName);
        const DecodeResult r = Decode(c.fields);
        for (const auto& [pMember, strExpected] : c.expected) EXPECT_EQ(r.*pMember, strExpected);
    }
    const DecodeResult sample = Decode(SampleTagFields());
    EXPECT_EQ((std::array{sample.m_nYear, sample.m_bVinGiven, sample.m_bVinValid, sample.m_bVinLosAngeles}),
              (std::array{7, 0, 0, 0}));
}

TEST(Decode, ShortYearTextDecodesAsTheLongOne) {
    for (const auto& [pszShort, pszLong] : {std::pair{"67", "1967"}, {"68", "1968"}, {"69", "1969"}}) {
        TagFields fields = Tag({{"vin", "124677L"}, {"serial", "10000"}, {"style", "12467"}, {"body", "123"}});
        fields.strYear = pszShort;
        const DecodeResult shortResult = Decode(fields);
        fields.strYear = pszLong;
        EXPECT_EQ(shortResult, Decode(fields)) << pszShort;
    }
}

// Huge texts and every byte in every field: nothing reads out of bounds and the key is always set.
TEST(Decode, HugeAndOddFields) {
    std::string strAllBytes;
    for (int i = 0; i < 256; ++i) strAllBytes += static_cast<char>(i);
    for (const char* pszYear : {"1967", "68", "1969", ""}) {
        for (const std::string& strText : {std::string(100000, '9'), strAllBytes, std::string(1, '\0')}) {
            TagFields fields;
            for (size_t n = 0; n < kTagFieldCount; ++n) FieldText(fields, static_cast<TagField>(n)) = strText;
            fields.strYear = pszYear;
            const DecodeResult r = Decode(fields);
            EXPECT_EQ(r.m_bVinGiven, 1) << pszYear;
            EXPECT_FALSE(r.m_strVinTail.empty()) << pszYear;
            EXPECT_FALSE(r.m_strVinPrefix.empty()) << pszYear;
        }
    }
}

}  // namespace
}  // namespace vexlor
