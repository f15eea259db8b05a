#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "decoder/decode.h"
#include "decoder/decode_context.h"
#include "decoder/sections.h"

namespace vexlor {
namespace {

struct StyleCase {
    int nYear;
    std::string strText;
    std::string strLine;
    std::string strStyle;  // the context's style, which is also the echo
    int bStyleGiven;
    int bConvertible;
    int bCustomInterior;
};

TEST(BodyStyle, EveryRowEveryYearAndProblems) {
    const std::vector<StyleCase> cases = {
        {7, "67-12437", "67-12437 = Standard Interior Coupe.", "67-12437", 1, 0, 0},
        {7, "67-12467", "67-12467 = Standard Interior Convertible.", "67-12467", 1, 1, 0},
        {7, "67-12637", "67-12637 = Custom Interior Coupe.", "67-12637", 1, 0, 1},
        {7, "67-12667", "67-12667 = Custom Interior Convertible.", "67-12667", 1, 1, 1},
        {8, "68-12437", "68-12437 = Coupe.", "68-12437", 1, 0, 0},
        {8, "68-12467", "68-12467 = Convertible.", "68-12467", 1, 1, 0},
        {8, "68-12637", "68-12637 = Custom Interior Coupe.", "68-12637", 1, 0, 1},
        {8, "68-12667", "68-12667 = Custom Interior Convertible.", "68-12667", 1, 1, 1},
        {9, "69-12437", "69-12437 = Coupe.", "69-12437", 1, 0, 0},
        {9, "69-12467", "69-12467 = Convertible.", "69-12467", 1, 1, 0},
        {9, "69-12637", "69-12637 = Custom Interior Coupe.", "69-12637", 1, 0, 1},
        {9, "69-12667", "69-12667 = Custom Interior Convertible.", "69-12667", 1, 1, 1},
        // Only the last five characters count.
        {8, "67-12437", "67-12437 = Coupe.", "67-12437", 1, 0, 0},
        {9, "12667", "12667 = Custom Interior Convertible.", "12667", 1, 1, 1},
        {7, "ab12437", "AB12437 = Standard Interior Coupe.", "AB12437", 1, 0, 0},
        // Blank and unknown styles take the year's pattern.
        {7, "", "No body style was given.", "67-12__7", 0, 0, 0},
        {8, "", "No body style was given.", "68-12__7", 0, 0, 0},
        {9, "", "No body style was given.", "69-12__7", 0, 0, 0},
        {7, "67-12337", "Incorrect style was given.", "67-12__7", 0, 0, 0},
        {8, "x", "Incorrect style was given.", "68-12__7", 0, 0, 0},
        {9, "69-12437 ", "Incorrect style was given.", "69-12__7", 0, 0, 0},
        {7, "437", "Incorrect style was given.", "67-12__7", 0, 0, 0},
        {7, std::string(100000, '7'), "Incorrect style was given.", "67-12__7", 0, 0, 0},
        // No year: the later years' texts, and no pattern.
        {0, "67-12437", "67-12437 = Coupe.", "67-12437", 1, 0, 0},
        {0, "", "No body style was given.", "", 0, 0, 0},
        {0, "zz", "Incorrect style was given.", "", 0, 0, 0},
    };
    for (const StyleCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.nYear) + " " + c.strText.substr(0, 12));
        TagFields fields;
        fields.strStyle = c.strText;
        DecodeResult result;
        DecodeContext ctx{fields, result};
        ctx.nYear = c.nYear;
        DecodeStyle(ctx);
        EXPECT_EQ(result.m_strStyle, c.strLine);
        EXPECT_EQ(ctx.strStyle, c.strStyle);
        EXPECT_EQ(result.m_strStyleCode, c.strStyle);
        EXPECT_EQ(ctx.bStyleGiven, c.bStyleGiven);
        EXPECT_EQ(ctx.bConvertible, c.bConvertible);
        EXPECT_EQ(ctx.bCustomInterior, c.bCustomInterior);
    }
}

struct PlantCase {
    std::string strName;
    std::string strYear;
    std::string strVin;
    std::string strPlantField;
    std::string strCode;    // code field beside the build date
    std::string strCode69;  // 1969 code field
    std::string strBody;
    std::string strPlant;
    std::string strPlantBody;
    std::string strPlantNote;
    std::string strSchedCode;
    std::string strOptionCodes;
    int bLosAngeles;
};

// The VIN, body number and plant steps, with an option echo left from before
// so that its clearing shows.
void RunPlantCase(const PlantCase& c) {
    TagFields fields;
    fields.strYear = c.strYear;
    fields.strVinPrefix = c.strVin;
    fields.strPlant = c.strPlantField;
    fields.strCodeField = c.strCode;
    fields.strCode69 = c.strCode69;
    fields.strBodyNumber = c.strBody;
    DecodeResult result;
    result.m_strOptionCodes = "left over";
    DecodeContext ctx{fields, result};
    ctx.nYear = YearDigit(fields.strYear);
    DecodeVin(ctx);
    DecodeBodyNumber(ctx);
    DecodePlant(ctx);
    EXPECT_EQ(result.m_strPlant, c.strPlant);
    EXPECT_EQ(result.m_strPlantBody, c.strPlantBody);
    EXPECT_EQ(result.m_strPlantNote, c.strPlantNote);
    EXPECT_EQ(result.m_strSchedCode, c.strSchedCode);
    EXPECT_EQ(result.m_strOptionCodes, c.strOptionCodes);
    EXPECT_EQ(ctx.bLosAngeles, c.bLosAngeles);
}

TEST(AssemblyPlant, NamedPlants) {
    const std::vector<PlantCase> cases = {
        {"NOR 1967 interior paint", "1967", "", "NOR", "D", "", "123456",
         "NOR = Built in Norwood Ohio.", "N123456", "D = Interior paint is Red", "", "0D ", 0},
        {"NOR 1967 lower case", "1967", "", "nor", "t", "", "123456",
         "NOR = Built in Norwood Ohio.", "N123456", "T = Interior paint is Turquoise", "", "0T ", 0},
        {"NOR 1967 unknown paint", "1967", "", "NOR", "Q", "", "123456",
         "NOR = Built in Norwood Ohio.", "N123456", "", "", "", 0},
        {"NOR 1967 no code", "1967", "", "NOR", "", "", "65727",
         "NOR = Built in Norwood Ohio.", "N065727", "", "", "", 0},
        {"NOR 1968 code", "1968", "", "NOR", "D", "", "123456",
         "NOR = Built in Norwood Ohio.", "N123456", "", "", "", 0},
        {"NOR 1969 special code", "1969", "", "NOR", "D", "D80", "123",
         "NOR = Built in Norwood Ohio.", "N123___", "D80 = Spoiler equipment", "", "D80", 0},
        {"NOR 1969 no special code", "1969", "", "NOR", "", "", "123456",
         "NOR = Built in Norwood Ohio.", "N123456", "", "", "", 0},
        {"LOS 1967 scheduling code", "1967", "", "LOS", "a12", "B7", "123456",
         "LOS = Built in Van Nuys California.", "L123456", "A12 = internal plant scheduling code.",
         "A12", "", 1},
        {"LOS 1968 blank code", "1968", "", "LOS", "", "B7", "123456",
         "LOS = Built in Van Nuys California.", "L123456", "", "Blank", "", 1},
        {"VN 1968 code field", "1968", "", "VN", "C3", "ZZ", "",
         "VN = Built in Van Nuys California.", "L______", "C3 = internal plant scheduling code.",
         "C3", "", 1},
        {"VN 1969 code from 1008", "1969", "", "VN", "X1", "b7", "123456",
         "VN = Built in Van Nuys California.", "L123456", "B7 = internal plant scheduling code.",
         "B7", "", 1},
        {"LOS 1969 blank 1008", "1969", "", "LOS", "X1", "", "123456",
         "LOS = Built in Van Nuys California.", "L123456", "", "Blank", "", 1},
        {"unknown plant", "1967", "124377L", "ABC", "D", "", "123456", "ABC = ??", "", "", "", "", 0},
        {"plant with blank", "1968", "", " NOR", "", "", "123456", " NOR = ??", "", "", "", "", 0},
        {"unknown plant 1969", "1969", "", "L", "", "D80", "123456", "L = ??", "", "", "", "", 0},
    };
    for (const PlantCase& c : cases) {
        SCOPED_TRACE(c.strName);
        RunPlantCase(c);
    }
}

TEST(AssemblyPlant, BlankPlantFallsBackOnTheVin) {
    const std::vector<PlantCase> cases = {
        {"no VIN", "1967", "", "", "D", "", "123456", "", "_123456", "No Assm. Plant given.", "", "", 0},
        {"no VIN no body", "1968", "", "", "", "", "", "", "_______", "No Assm. Plant given.", "", "", 0},
        {"invalid VIN", "1967", "124377X", "", "D", "", "123456", "", "_123456",
         "No Assm. Plant given.", "", "", 0},
        {"invalid VIN with L", "1967", "125377L", "", "A12", "", "123456", "", "_123456",
         "No Assm. Plant given.", "", "", 0},
        {"VIN L 1967 code", "1967", "124377L", "", "A12", "", "123456",
         " = Built in Van Nuys California.", "L123456", "A12 = internal plant scheduling code.",
         "A12", "", 1},
        {"VIN L 1968 no code", "1968", "124378L", "", "", "B7", "123456",
         " = Built in Van Nuys California.", "L123456", "No Assm. Plant given.", "Blank", "", 1},
        {"VIN L 1969 code from 1008", "1969", "124379L", "", "A12", "B7", "123456",
         " = Built in Van Nuys California.", "L123456", "B7 = internal plant scheduling code.",
         "B7", "", 1},
        {"VIN L 1969 blank 1008", "1969", "124379L", "", "A12", "", "123456",
         " = Built in Van Nuys California.", "L123456", "No Assm. Plant given.", "Blank", "", 1},
        {"VIN N 1967 paint", "1967", "124377N", "", "B", "", "123456",
         " = Built in Norwood Ohio.", "N123456", "B = Interior paint is Blue", "", "0B ", 0},
        {"VIN N 1968 paint", "1968", "124378N", "", "y", "", "123456",
         " = Built in Norwood Ohio.", "N123456", "Y = Interior paint is Yellow", "", "0Y ", 0},
        {"VIN N 1967 unknown paint", "1967", "124377N", "", "Q", "", "123456",
         " = Built in Norwood Ohio.", "N123456", "No Assm. Plant given.", "", "", 0},
        {"VIN N no body", "1967", "124377N", "", "", "", "", " = Built in Norwood Ohio.", "N______",
         "No Assm. Plant given.", "", "", 0},
        {"VIN N 1969 special code", "1969", "124379N", "", "D", "D80", "123456",
         " = Built in Norwood Ohio.", "N123456", "D80 = Spoiler equipment", "", "D80", 0},
        {"VIN N 1969 blank 1008", "1969", "124379N", "", "D", "", "123456",
         " = Built in Norwood Ohio.", "N123456", "No Assm. Plant given.", "", "", 0},
    };
    for (const PlantCase& c : cases) {
        SCOPED_TRACE(c.strName);
        RunPlantCase(c);
    }
}

// Through the whole decode the style and plant members read the same.
TEST(AssemblyPlant, FullDecodeStyleAndPlant) {
    TagFields fields;
    fields.strYear = "1968";
    fields.strStyle = "68-12467";
    fields.strPlant = "LOS";
    fields.strBodyNumber = "4711";
    const DecodeResult r = Decode(fields);
    EXPECT_EQ(r.m_strStyle, "68-12467 = Convertible.");
    EXPECT_EQ(r.m_strStyleCode, "68-12467");
    EXPECT_EQ(r.m_strPlant, "LOS = Built in Van Nuys California.");
    EXPECT_EQ(r.m_strPlantBody, "L004711");
    EXPECT_EQ(r.m_strSchedCode, "Blank");
    EXPECT_EQ(r.m_strPlantNote, "");
}

}  // namespace
}  // namespace vexlor
