// Build date line and date code echo.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "decoder/decode.h"
#include "decoder/decode_context.h"
#include "decoder/sections.h"

namespace vexlor {
namespace {

struct DateCase {
    const char* szName;
    int nYear;
    std::string strDate;    // 1000
    std::string strDate69;  // 1007
    // 1969 autumn evidence, as the earlier sections left it
    std::string strPlantNote;
    std::string strVinTail;
    int bLosAngeles;
    int bVinLosAngeles;
    std::string strDateCode;
    std::string strBuildDate;
};

const std::vector<DateCase> kDateCases = {
    // Every month and every week letter.
    {"January", 7, "01A", "", "", "", 0, 0, "701A", "01A = Built the First week of January."},
    {"February", 7, "02B", "", "", "", 0, 0, "702B", "02B = Built the Second week of February."},
    {"March", 8, "03C", "", "", "", 0, 0, "803C", "03C = Built the Third week of March."},
    {"April", 8, "04D", "", "", "", 0, 0, "804D", "04D = Built the Fourth week of April."},
    {"May", 7, "05E", "", "", "", 0, 0, "705E", "05E = Built the Fifth week of May."},
    {"June", 7, "06A", "", "", "", 0, 0, "706A", "06A = Built the First week of June."},
    {"July", 8, "07B", "", "", "", 0, 0, "807B", "07B = Built the Second week of July."},
    {"August", 7, "08C", "", "", "", 0, 0, "608C", "08C = Built the Third week of August."},
    {"September", 8, "09D", "", "", "", 0, 0, "709D", "09D = Built the Fourth week of September."},
    {"October", 7, "10E", "", "", "", 0, 0, "610E", "10E = Built the Fifth week of October."},
    {"November", 8, "11A", "", "", "", 0, 0, "711A", "11A = Built the First week of November."},
    {"December", 7, "12B", "", "", "", 0, 0, "612B", "12B = Built the Second week of December."},
    // Worked examples.
    {"LowerCase1967", 7, "10b", "", "", "", 0, 0, "610B", "10B = Built the Second week of October."},
    {"Spring1968", 8, "03A", "", "", "", 0, 0, "803A", "03A = Built the First week of March."},
    {"FourthLIn1969", 9, "", "04L", "", "", 0, 0, "904L", "04L = Built the Fifth week of April."},
    {"FourthLLowerCase1969", 9, "", "04l", "", "", 0, 0, "904L", "04L = Built the Fifth week of April."},
    {"FourthLOnlyIn1969", 7, "04L", "", "", "", 0, 0, "704L",
     "04L = ?? Build date should be a month 01 to 12 and a week A to E."},
    {"Spring1969", 9, "", "05D", "", "", 1, 1, "905D", "05D = Built the Fourth week of May."},
    {"Late1969ByPlantNote", 9, "", "09C", "X33 = Z28 with style trim", "", 0, 0, "909C",
     "09C = Built the Third week of September."},
    {"Late1969ByVinSerial", 9, "", "09C", "", "9N600001", 0, 0, "909C", "09C = Built the Third week of September."},
    {"Early1969WithoutEvidence", 9, "", "09C", "", "", 0, 0, "809C", "09C = Built the Third week of September."},
    {"Early1969LosAngelesByPlant", 9, "", "09C", "X33 = Z28 with style trim", "", 1, 0, "809C",
     "09C = Built the Third week of September."},
    {"Early1969LosAngelesByVin", 9, "", "12E", "X33 = Z28 with style trim", "9N600001", 0, 1, "812E",
     "12E = Built the Fifth week of December."},
    {"PlantNoteWithQuestionMarks", 9, "", "08A", "Q12 = ??", "", 0, 0, "808A",
     "08A = Built the First week of August."},
    {"PlantNoteWithQuestionMarksVinDecides", 9, "", "08A", "Q12 = ??", "9N612345", 0, 0, "908A",
     "08A = Built the First week of August."},
    {"BlankPlantSentenceIsNoEvidence", 9, "", "09C", "No Assm. Plant given.", "", 0, 0, "809C",
     "09C = Built the Third week of September."},
    {"BlankPlantSentenceVinDecides", 9, "", "09C", "No Assm. Plant given.", "9N600001", 0, 0, "909C",
     "09C = Built the Third week of September."},
    {"OtherSerialDigit", 9, "", "10B", "", "9N500001", 0, 0, "810B", "10B = Built the Second week of October."},
    {"ShortVinTail", 9, "", "10B", "", "9N", 0, 0, "810B", "10B = Built the Second week of October."},
    {"Late1969December", 9, "", "12E", "D80 = Spoiler equipment", "", 0, 0, "912E",
     "12E = Built the Fifth week of December."},
    // The field of the other layout is not read.
    {"Empty", 7, "", "01A", "", "", 0, 0, "____", "No Build date given."},
    {"Empty1969", 9, "01A", "", "", "", 0, 0, "____", "No Build date given."},
    {"EmptyNoYear", 0, "", "", "", "", 0, 0, "____", "No Build date given."},
    // Odd texts.
    {"TwoCharactersAreAutumn", 7, "8A", "", "", "", 0, 0, "68A", "68A = Built the First week of August."},
    {"NoYear", 0, "01A", "", "", "", 0, 0, "", " = Built the First week of January."},
    {"NoYearBadMonth", 0, "13A", "", "", "", 0, 0, "", " = ?? Build date should be a month 01 to 12 and a week A to E."},
    {"Month13", 7, "13A", "", "", "", 0, 0, "613A", "13A = ?? Build date should be a month 01 to 12 and a week A to E."},
    {"Month00", 7, "00A", "", "", "", 0, 0, "700A", "00A = ?? Build date should be a month 01 to 12 and a week A to E."},
    {"WeekF", 8, "01F", "", "", "", 0, 0, "801F", "01F = ?? Build date should be a month 01 to 12 and a week A to E."},
    {"NoDigits", 7, "AB", "", "", "", 0, 0, "6AB", "6AB = ?? Build date should be a month 01 to 12 and a week A to E."},
    {"OneDigit", 7, "1", "", "", "", 0, 0, "61", "61 = ?? Build date should be a month 01 to 12 and a week A to E."},
    {"OneZero", 7, "0", "", "", "", 0, 0, "70", "70 = ?? Build date should be a month 01 to 12 and a week A to E."},
    {"TrailingBlank", 7, "01A ", "", "", "", 0, 0, "701A ",
     "1A  = ?? Build date should be a month 01 to 12 and a week A to E."},
    {"LeadingBlankIsNoDigit", 7, " 1A", "", "", "", 0, 0, "6 1A",
     " 1A = ?? Build date should be a month 01 to 12 and a week A to E."},
    {"OneDigitMonth", 7, "1A", "", "", "", 0, 0, "61A", "61A = Built the First week of January."},
    {"LongText", 7, "010A", "", "", "", 0, 0, "7010A", "10A = Built the First week of January."},
    {"HighBytes", 7, "\xFF\xFF", "", "", "", 0, 0, "6\xFF\xFF",
     "6\xFF\xFF = ?? Build date should be a month 01 to 12 and a week A to E."},
};

class BuildDate : public testing::TestWithParam<DateCase> {};

TEST_P(BuildDate, LineAndDateCode) {
    const DateCase& c = GetParam();
    TagFields fields;
    fields.strBuildDate = c.strDate;
    fields.strBuildDate69 = c.strDate69;
    DecodeResult result;
    result.m_strPlantNote = c.strPlantNote;
    result.m_strVinTail = c.strVinTail;
    result.m_bVinLosAngeles = c.bVinLosAngeles;
    DecodeContext ctx{fields, result};
    ctx.nYear = c.nYear;
    ctx.bLosAngeles = c.bLosAngeles;
    DecodeBuildDate(ctx);
    EXPECT_EQ(result.m_strDateCode, c.strDateCode);
    EXPECT_EQ(result.m_strBuildDate, c.strBuildDate);
    EXPECT_EQ(result.m_strPlantNote, c.strPlantNote);
    EXPECT_EQ(result.m_strVinTail, c.strVinTail);
}

INSTANTIATE_TEST_SUITE_P(Cases, BuildDate, testing::ValuesIn(kDateCases),
                         [](const testing::TestParamInfo<DateCase>& info) { return info.param.szName; });

}  // namespace
}  // namespace vexlor

// The 1969 autumn test through a whole decode: the plant, special-code and
// VIN sections leave its inputs before the VIN key is completed.
namespace vexlor {
namespace {

struct Decode69Case {
    const char* szName;
    std::string strPlant;
    std::string strCode69;
    std::string strVin;
    std::string strSerial;
    std::string strDateCode;
};

const std::vector<Decode69Case> kDecode69Cases = {
    {"NorwoodSpecialCode", "NOR", "X33", "", "", "909C"},
    {"NorwoodUnknownSpecialCode", "NOR", "Q12", "", "", "809C"},
    {"NorwoodNothingElse", "NOR", "", "", "", "809C"},
    {"NorwoodSerialSix", "NOR", "", "124379N", "600001", "909C"},
    {"NorwoodSerialSeven", "NOR", "", "124379N", "700001", "809C"},
    {"LosAngelesPlant", "LOS", "", "", "", "809C"},
    {"LosAngelesVin", "", "", "124379L", "500001", "809C"},
    {"BlankPlantNoVin", "", "", "", "", "809C"},
    {"BlankPlantNorwoodVin", "", "", "124379N", "500001", "809C"},
    {"BlankPlantNorwoodVinSpecialCode", "", "X33", "124379N", "500001", "909C"},
};

class BuildDateDecode69 : public testing::TestWithParam<Decode69Case> {};

TEST_P(BuildDateDecode69, CalendarDigit) {
    const Decode69Case& c = GetParam();
    TagFields fields;
    fields.strYear = "1969";
    fields.strPlant = c.strPlant;
    fields.strCode69 = c.strCode69;
    fields.strVinPrefix = c.strVin;
    fields.strSerial = c.strSerial;
    fields.strBuildDate69 = "09C";
    const DecodeResult result = Decode(fields);
    EXPECT_EQ(result.m_strDateCode, c.strDateCode);
    EXPECT_EQ(result.m_strBuildDate, "09C = Built the Third week of September.");
}

INSTANTIATE_TEST_SUITE_P(Cases, BuildDateDecode69, testing::ValuesIn(kDecode69Cases),
                         [](const testing::TestParamInfo<Decode69Case>& info) { return info.param.szName; });

}  // namespace
}  // namespace vexlor
