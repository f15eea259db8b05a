// The results list: which members show, in which order, and how the 1967
// option groups are split.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "results/result_lines.h"

namespace vexlor {
namespace {

using Lines = std::vector<std::string>;

// Every member holds a text that names it, so the order can be read off.
DecodeResult Marked(int nYear) {
    DecodeResult r;
    r.m_nYear = nYear;
    r.m_bVinGiven = 1;
    r.m_bCamaroVin = true;
    using R = DecodeResult;
    for (const auto& [pMember, pszText] :
         {std::pair{&R::m_strVinMake, "1 = Chevrolet"}, {&R::m_strVinLine, "2 = Camaro"},
          {&R::m_strVinEngine, "engine"}, {&R::m_strVinBody, "body"}, {&R::m_strVinYear, "year"},
          {&R::m_strVinPlant, "vin plant"}, {&R::m_strVinSerial, "serial"}, {&R::m_strBodyNumber, "body number"},
          {&R::m_strBuildDate, "build date"}, {&R::m_strStyle, "style"}, {&R::m_strPlant, "plant"},
          {&R::m_strTrim, "trim"}, {&R::m_strSeat, "seat"}, {&R::m_strPaint, "paint"},
          {&R::m_strPlantNote, "plant note"}, {&R::m_strOptions1, "opt1a,opt1b,"}, {&R::m_strOptions2, "opt2,"},
          {&R::m_strOptions4, "opt4,"}, {&R::m_strOptions5, "opt5,"}}) {
        r.*pMember = pszText;
    }
    return r;
}

struct ListCase {
    const char* pszName;
    int nYear;
    std::function<void(DecodeResult&)> change;
    Lines expected;
};

TEST(ResultLines, OrderAndWhatShows) {
    const Lines kVin = {"1 = Chevrolet", "2 = Camaro", "engine", "body", "year", "vin plant", "serial", " "};
    const Lines kMiddle = {"body number", " ", "build date", "style", "plant", "trim", "seat", "paint", "plant note"};
    auto join = [](std::initializer_list<Lines> parts) {
        Lines all;
        for (const Lines& part : parts) all.insert(all.end(), part.begin(), part.end());
        return all;
    };
    const std::vector<ListCase> cases = {
        {"Full1967", 7, [](DecodeResult&) {},
         join({kVin, kMiddle, {"Options:", "opt1a", "opt1b", "opt2", "opt4", "opt5"}})},
        {"Full1969EndsWithTwoLines", 9, [](DecodeResult&) {}, join({kVin, kMiddle, {"opt1a,opt1b,", "opt2,"}})},
        {"Empty1969LinesStay", 9, [](DecodeResult& r) { r.m_strOptions1 = r.m_strOptions2 = ""; },
         join({kVin, kMiddle, {"", ""}})},
        {"1968HasNoOptions", 8, [](DecodeResult&) {}, join({kVin, kMiddle})},
        {"NoYearHasNoOptions", 0, [](DecodeResult&) {}, join({kVin, kMiddle})},
        {"NoVinStartsWithBodyNumber", 8, [](DecodeResult& r) { r.m_bVinGiven = 0; r.m_strBodyNumber = ""; },
         {"", " ", "build date", "style", "plant", "trim", "seat", "paint", "plant note"}},
        {"InvalidMakeShowsOnlyThatLine", 8, [](DecodeResult& r) {
             r.m_strVinMake = "Not a valid Camaro vin number.";
             r.m_bCamaroVin = false;
         },
         join({{"Not a valid Camaro vin number.", " "}, kMiddle})},
        {"EmptyMakeIsAnEmptyLine", 8, [](DecodeResult& r) {
             r.m_strVinMake = "";
             r.m_bCamaroVin = false;
         }, join({{"", " "}, kMiddle})},
        {"EmptySerialAndSeatLeaveNoLineOtherEmptiesDo", 8,
         [](DecodeResult& r) {
             r.m_strVinSerial = r.m_strSeat = r.m_strVinEngine = r.m_strPlant = r.m_strPlantNote = "";
         },
         {"1 = Chevrolet", "2 = Camaro", "", "body", "year", "vin plant", " ", "body number", " ", "build date",
          "style", "", "trim", "paint", ""}},
        {"TypedCommaByteOutsideOptionsIsLeftAlone", 8, [](DecodeResult& r) { r.m_strPlantNote = "7\x1F" "1 = ??"; },
         join({kVin, {"body number", " ", "build date", "style", "plant", "trim", "seat", "paint", "7\x1F" "1 = ??"}})},
        {"EmptyDecodeResult", 0, [](DecodeResult& r) { r = DecodeResult{}; }, {"", " ", "", "", "", "", "", ""}},
    };
    for (const ListCase& c : cases) {
        SCOPED_TRACE(c.pszName);
        DecodeResult r = Marked(c.nYear);
        c.change(r);
        const DecodeResult before = r;
        EXPECT_EQ(BuildResultLines(r), c.expected);
        EXPECT_EQ(r, before);  // the decode is left as it was, so the list can be built again
    }
}

TEST(ResultLines, OptionGroupsSplitAtCommas) {
    struct Case {
        std::string strGroup1, strGroup5;
        Lines expectedAfterHeading;
    };
    const std::vector<Case> cases = {
        {"", "", {}},
        {"W = Power Windows,E = Tinted Glass,", "", {"W = Power Windows", "E = Tinted Glass"}},
        {"A = ?,,B = ?,", "", {"A = ?", "", "B = ?"}},
        {",", "", {""}},
        {"A = ?,tail", "", {"A = ?", "tail"}},
        {"lonely", "", {"lonely"}},
        {"-AB\x1F" "C = Special Order/Fleet Code,", "", {"-AB,C = Special Order/Fleet Code"}},
        {"1A = x,", "5B = y,", {"1A = x", "5B = y"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.strGroup1);
        DecodeResult r = Marked(7);
        r.m_strOptions1 = c.strGroup1;
        r.m_strOptions2 = r.m_strOptions4 = "";
        r.m_strOptions5 = c.strGroup5;
        const Lines lines = BuildResultLines(r);
        ASSERT_GE(lines.size(), 18u);
        EXPECT_EQ(lines[16], "plant note");
        EXPECT_EQ(lines[17], "Options:");
        EXPECT_EQ(Lines(lines.begin() + 18, lines.end()), c.expectedAfterHeading);
    }
}

}  // namespace
}  // namespace vexlor
