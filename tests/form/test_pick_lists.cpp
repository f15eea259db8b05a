// The year-bound pick-lists: what each box offers per model year, as the
// sorted box shows it.

#include "pick_list_fixture.h"

namespace vexlor::testing {
namespace {

struct YearCase {
    const char* szYear;
    int nYear;
};

class FormYearTest : public PickListTest, public ::testing::WithParamInterface<YearCase> {};

TEST_P(FormYearTest, ReadsTheYearBoxWholeAndExactly) {
    SetYear(GetParam().szYear);
    EXPECT_EQ(form.FormYear(), GetParam().nYear);
}

INSTANTIATE_TEST_SUITE_P(YearTexts, FormYearTest,
                         ::testing::Values(YearCase{"1967", 7}, YearCase{"67", 7}, YearCase{"1968", 8},
                                           YearCase{"68", 8}, YearCase{"1969", 9}, YearCase{"69", 9},
                                           YearCase{"1970", 0}, YearCase{"", 0}, YearCase{" 1967", 0},
                                           YearCase{"1967 ", 0}, YearCase{"067", 0}, YearCase{"7", 0},
                                           YearCase{"19677", 0}, YearCase{"6 7", 0}));

TEST_F(PickListTest, YearListSelectionIsNotConsulted) {
    SetList(ctl::Year, {"1967", "1968", "1969"});
    controls.Select(ctl::Year, "1969");
    SetYear("68");
    EXPECT_EQ(form.FormYear(), 8);
}

struct YearLists {
    const char* szYear;
    Codes vinPrefixes;
    Codes allStyles;
    Codes coupeStyles;
    Codes convertibleStyles;
    Codes trims;
    Codes lowerPaints;
};

const YearLists kYearLists[] = {
    {"1967",
     {"123377L", "123377N", "123677L", "123677N", "124377L", "124377N", "124677L", "124677N"},
     {"67-12437", "67-12467", "67-12637", "67-12667"},
     {"67-12437", "67-12637"},
     {"67-12467", "67-12667"},
     {"707", "709", "711", "712", "716", "717", "732", "739", "741", "742", "756", "760", "765", "767",
      "779", "796", "797"},
     {"A", "C", "D", "E", "F", "G", "H", "K", "L", "M", "N", "O", "R", "S", "T", "Y"}},
    {"1968",
     {"123378L", "123378N", "123678L", "123678N", "124378L", "124378N", "124678L", "124678N"},
     {"68-12437", "68-12467"},
     {"68-12437"},
     {"68-12467"},
     {"711", "712", "713", "714", "715", "716", "717", "718", "719", "720", "721", "722", "723", "724",
      "725", "726", "727", "730", "749"},
     {"-", "A", "C", "D", "E", "F", "G", "H", "J", "K", "L", "N", "O", "P", "R", "T", "U", "V", "Y", "Z"}},
    {"1969",
     {"123379L", "123379N", "123679L", "123679N", "124379L", "124379N", "124679L", "124679N"},
     {"69-12437", "69-12467"},
     {"69-12437"},
     {"69-12467"},
     {"711", "712", "713", "714", "715", "716", "718", "719", "720", "721", "722", "723", "725", "727",
      "729"},
     {"-", "10", "40", "50", "51", "52", "53", "55", "57", "59", "61", "63", "65", "67", "69", "71", "72",
      "76", "79"}},
};

class YearListTest : public PickListTest, public ::testing::WithParamInterface<YearLists> {
protected:
    void SetUp() override {
        SetYear(GetParam().szYear);
        // A list of another year is replaced, not added to.
        for (int nId : {ctl::VinPrefix, ctl::Style, ctl::Trim, ctl::LowerPaint}) SetList(nId, {"OLD"});
    }
};

TEST_P(YearListTest, VinPrefixes) {
    form.FillVinPrefixList();
    EXPECT_EQ(controls.GetList(ctl::VinPrefix), GetParam().vinPrefixes);
}

TEST_P(YearListTest, StylesWithoutVinPrefix) {
    form.FillStyleList();
    EXPECT_EQ(controls.GetList(ctl::Style), GetParam().allStyles);
}

TEST_P(YearListTest, StylesOfCoupeVinPrefix) {
    controls.SetText(ctl::VinPrefix, "1233");
    form.FillStyleList();
    EXPECT_EQ(controls.GetList(ctl::Style), GetParam().coupeStyles);
}

TEST_P(YearListTest, StylesOfOtherVinPrefixes) {
    for (const char* szPrefix : {"124677L", "1267", "12", "12X", "12a"}) {
        SCOPED_TRACE(szPrefix);
        SetList(ctl::Style, {"OLD"});
        controls.SetText(ctl::VinPrefix, szPrefix);
        form.FillStyleList();
        EXPECT_EQ(controls.GetList(ctl::Style), GetParam().convertibleStyles);
    }
}

TEST_P(YearListTest, TrimCodesOnceAStyleIsGiven) {
    controls.SetText(ctl::Style, "X");
    form.FillTrimList();
    EXPECT_EQ(controls.GetList(ctl::Trim), GetParam().trims);
    EXPECT_TRUE(controls.Messages().empty());
}

TEST_P(YearListTest, TrimCodesDoNotDependOnTheStyle) {
    controls.SetText(ctl::Style, "67-12667");
    form.FillTrimList();
    EXPECT_EQ(controls.GetList(ctl::Trim), GetParam().trims);
}

TEST_P(YearListTest, LowerPaintCodes) {
    form.FillLowerPaintList();
    EXPECT_EQ(controls.GetList(ctl::LowerPaint), GetParam().lowerPaints);
}

INSTANTIATE_TEST_SUITE_P(EachYear, YearListTest, ::testing::ValuesIn(kYearLists));

TEST_F(PickListTest, VinPrefixIsUpperCasedForTheStyleList) {
    SetYear("1967");
    controls.SetText(ctl::VinPrefix, "123377n");
    form.FillStyleList();
    EXPECT_EQ(controls.GetList(ctl::Style), (Codes{"67-12437", "67-12637"}));
}

TEST_F(PickListTest, ForeignVinPrefixLeavesTheStyleList) {
    SetYear("1967");
    SetList(ctl::Style, {"OLD"});
    for (const char* szPrefix : {"1", "21", "X23377N", " 123377N"}) {
        controls.SetText(ctl::VinPrefix, szPrefix);
        form.FillStyleList();
        EXPECT_EQ(controls.GetList(ctl::Style), Codes{"OLD"}) << szPrefix;
    }
}

TEST_F(PickListTest, YearTextThatIsNoYear) {
    SetYear("1970");
    controls.SetText(ctl::Style, "67-12437");
    for (int nId : {ctl::VinPrefix, ctl::Style, ctl::Trim, ctl::LowerPaint, ctl::TopPaint}) SetList(nId, {"OLD"});
    SetList(ctl::Plant, {"NOR"});

    form.FillVinPrefixList();
    form.FillTrimList();
    form.FillLowerPaintList();
    form.FillStyleList();
    form.FillTopPaintList();
    form.FillPlantList();
    controls.SetText(ctl::Trim, "716");
    form.FillSeatList();

    EXPECT_EQ(controls.GetList(ctl::VinPrefix), Codes{});
    EXPECT_EQ(controls.GetList(ctl::Trim), Codes{});
    EXPECT_EQ(controls.GetList(ctl::LowerPaint), Codes{});
    EXPECT_EQ(controls.GetList(ctl::Style), Codes{"OLD"});
    EXPECT_EQ(controls.GetList(ctl::TopPaint), Codes{"OLD"});
    EXPECT_EQ(controls.GetList(ctl::Plant), (Codes{"LOS", "NOR"}));
    EXPECT_EQ(controls.GetList(ctl::Seat), (Codes{"H", "T"}));
    EXPECT_TRUE(controls.Messages().empty());
}

TEST_F(PickListTest, NoYearReChecksResetTheTopPaint) {
    SetYear("1970");
    controls.SetText(ctl::LowerPaint, "R");
    SetList(ctl::VinPrefix, {"123377N"});
    SetList(ctl::Style, {"67-12437"});
    SetList(ctl::LowerPaint, {"R"});

    struct Pick { int nId; const char* szEntry; void (TagForm::*handler)(); };
    for (const Pick& pick : {Pick{ctl::VinPrefix, "123377N", &TagForm::OnVinPrefixSelChange},
                             Pick{ctl::Style, "67-12437", &TagForm::OnStyleSelChange},
                             Pick{ctl::LowerPaint, "R", &TagForm::OnLowerPaintSelChange}}) {
        controls.SetText(ctl::TopPaint, "2");
        SetList(ctl::TopPaint, {"2", "6"});
        controls.Select(pick.nId, pick.szEntry);
        (form.*pick.handler)();
        EXPECT_EQ(controls.GetText(ctl::TopPaint), " ") << pick.szEntry;
        EXPECT_EQ(controls.GetList(ctl::TopPaint), Codes{}) << pick.szEntry;
    }
}

}  // namespace
}  // namespace vexlor::testing
