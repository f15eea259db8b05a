// The pick-lists that follow the model year and the style, as the sorted
// boxes show them, and odd texts in every box.
#include "form_fixture.h"

namespace vexlor::testing {
namespace {

TEST_F(FormTest, ReadsTheYearBoxWholeAndExactlyNotItsSelection) {
    controls.Select(ctl::Year, "1969");
    const std::pair<const char*, int> cases[] = {
        {"1967", 7}, {"67", 7},    {"1968", 8},    {"68", 8},  {"1969", 9},    {"69", 9},     {"1970", 0},
        {"", 0},     {" 1967", 0}, {"1967 ", 0}, {"067", 0}, {"7", 0},       {"19677", 0}, {"6 7", 0}};
    for (const auto& [szYear, nYear] : cases) {
        SetYear(szYear);
        EXPECT_EQ(form.FormYear(), nYear) << szYear;
    }
}

struct YearLists {
    const char* szYear;
    Codes vinPrefixes, allStyles, coupeStyles, convertibleStyles, trims, lowerPaints;
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

class YearListTest : public FormTest, public ::testing::WithParamInterface<YearLists> {};

TEST_P(YearListTest, EveryListOfTheYearReplacesTheOldOne) {
    const YearLists& c = GetParam();
    SetYear(c.szYear);
    for (int nId : {ctl::VinPrefix, ctl::Style, ctl::Trim, ctl::LowerPaint}) SetList(nId, {"OLD"});
    form.FillVinPrefixList();
    EXPECT_EQ(controls.GetList(ctl::VinPrefix), c.vinPrefixes);
    form.FillLowerPaintList();
    EXPECT_EQ(controls.GetList(ctl::LowerPaint), c.lowerPaints);
    form.FillStyleList();
    EXPECT_EQ(controls.GetList(ctl::Style), c.allStyles);
    controls.SetText(ctl::VinPrefix, "1233");
    form.FillStyleList();
    EXPECT_EQ(controls.GetList(ctl::Style), c.coupeStyles);
    for (const char* szPrefix : {"124677L", "1267", "12", "12X", "12a"}) {  // all but a coupe's '3'
        controls.SetText(ctl::VinPrefix, szPrefix);
        form.FillStyleList();
        EXPECT_EQ(controls.GetList(ctl::Style), c.convertibleStyles) << szPrefix;
    }
    controls.SetText(ctl::Style, "67-12667");  // any style will do: it does not narrow the list
    form.FillTrimList();
    EXPECT_EQ(controls.GetList(ctl::Trim), c.trims);
    EXPECT_TRUE(controls.Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(EachYear, YearListTest, ::testing::ValuesIn(kYearLists));

TEST_F(FormTest, StyleListReadsTheVinPrefixUpperCasedAndIgnoresForeignOnes) {
    controls.SetText(ctl::VinPrefix, "123377n");
    form.FillStyleList();
    EXPECT_EQ(controls.GetList(ctl::Style), (Codes{"67-12437", "67-12637"}));
    for (const char* szPrefix : {"1", "21", "X23377N", " 123377N"}) {
        SetList(ctl::Style, {"OLD"});
        controls.SetText(ctl::VinPrefix, szPrefix);
        form.FillStyleList();
        EXPECT_EQ(controls.GetList(ctl::Style), Codes{"OLD"}) << szPrefix;
    }
}

TEST_F(FormTest, YearTextThatIsNoYear) {
    SetYear("1970");
    controls.SetText(ctl::Style, "67-12437");
    controls.SetText(ctl::Trim, "716");
    for (int nId : {ctl::VinPrefix, ctl::Style, ctl::Trim, ctl::LowerPaint, ctl::TopPaint}) SetList(nId, {"OLD"});
    SetList(ctl::Plant, {"NOR"});
    for (auto fill : {&TagForm::FillVinPrefixList, &TagForm::FillTrimList, &TagForm::FillLowerPaintList,
                      &TagForm::FillStyleList, &TagForm::FillTopPaintList, &TagForm::FillPlantList,
                      &TagForm::FillSeatList}) {
        (form.*fill)();
    }
    EXPECT_EQ(controls.GetList(ctl::VinPrefix), Codes{});
    EXPECT_EQ(controls.GetList(ctl::Trim), Codes{});
    EXPECT_EQ(controls.GetList(ctl::LowerPaint), Codes{});
    EXPECT_EQ(controls.GetList(ctl::Style), Codes{"OLD"});
    EXPECT_EQ(controls.GetList(ctl::TopPaint), Codes{"OLD"});
    EXPECT_EQ(controls.GetList(ctl::Plant), (Codes{"LOS", "NOR"}));
    EXPECT_EQ(controls.GetList(ctl::Seat), (Codes{"H", "T"}));
    EXPECT_TRUE(controls.Messages().empty());

    // Each of the three re-checks resets the top paint.
    controls.SetText(ctl::LowerPaint, "R");
    struct Recheck { int nId; const char* szEntry; void (TagForm::*handler)(); };
    for (const Recheck& pick : {Recheck{ctl::VinPrefix, "123377N", &TagForm::OnVinPrefixSelChange},
                                Recheck{ctl::Style, "67-12437", &TagForm::OnStyleSelChange},
                                Recheck{ctl::LowerPaint, "R", &TagForm::OnLowerPaintSelChange}}) {
        controls.SetText(ctl::TopPaint, "2");
        SetList(ctl::TopPaint, {"2", "6"});
        Pick(pick.nId, pick.szEntry);
        (form.*pick.handler)();
        EXPECT_EQ(controls.GetText(ctl::TopPaint), " ") << pick.szEntry;
        EXPECT_EQ(controls.GetList(ctl::TopPaint), Codes{}) << pick.szEntry;
    }
}

TEST_F(FormTest, SeatListOffersTheLettersOfStyleAndTrimWhateverTheYear) {
    const Codes bucket{"Y", "Z"}, bench{"H", "T"}, none{};
    const struct { const char* szStyle; const char* szTrim; const Codes& letters; } cases[] = {
        {"67-12437", "707", bucket}, {"67-12437", "709", bucket}, {"67-12437", "711", bucket},
        {"67-12437", "717", bucket}, {"67-12437", "732", bucket}, {"67-12437", "741", bucket},
        {"67-12437", "742", bucket}, {"67-12437", "760", bucket}, {"67-12437", "765", bucket},
        {"67-12437", "779", bucket}, {"67-12437", "797", bucket},
        {"67-12437", "712", bench},  {"67-12437", "716", bench},  {"67-12437", "739", bench},
        {"67-12437", "756", bench},  {"67-12437", "767", bench},  {"67-12437", "796", bench},
        {"67-12437", "706", none},   {"67-12437", "708", none},   {"67-12437", "710", none},
        {"67-12437", "798", none},   {"67-12437", "720", none},   {"67-12437", "", none},
        {"67-12437", "ABC", none},   {"67-12437", "X760", none},  {"67-12437", "-716", none},
        {"67-12437", "7160", none},  {"67-12437", "99999999999999999999", none},
        // Read as a number: blanks, a sign, leading zeros and a tail.
        {"67-12437", " 716", bench}, {"67-12437", "+716", bench}, {"67-12437", "0716", bench},
        {"67-12437", "716X", bench}, {"67-12437", "760 ", bucket}, {"67-12437", "\t760", bucket},
        // The style's last five characters; every convertible has buckets.
        {"67-12637", "796", bench},  {"67-12637", "742", bucket}, {"67-12467", "716", bucket},
        {"67-12667", "ABC", bucket}, {"67-12467", "", bucket},    {"68-12437", "760", bucket},
        {"12437", "716", bench},     {"69-12467", "1", bucket},   {"2437", "716", none},
        {"67-12437 ", "716", none},  {"67-12447", "716", none},   {"x", "760", none},
    };
    for (const char* szYear : {"1967", "1968", "1969", "1970"}) {
        SetYear(szYear);
        for (const auto& c : cases) {
            SetList(ctl::Seat, {"OLD"});
            controls.SetText(ctl::Style, c.szStyle);
            controls.SetText(ctl::Trim, c.szTrim);
            form.FillSeatList();
            EXPECT_EQ(controls.GetList(ctl::Seat), c.letters) << szYear << " " << c.szStyle << " " << c.szTrim;
        }
    }
    EXPECT_TRUE(controls.Messages().empty());
}

// A box that claims a selection beyond the end of its list.
class StaleSelectionControls : public FakeFormControls {
public:
    int GetCurSel(int) const override { return 7; }
};

TEST_F(FormTest, NoValidSelectionIsNoPick) {
    auto expectNoPick = [](FakeFormControls& c, TagForm& f) {
        c.SetText(ctl::Year, "1968");
        c.SetText(ctl::Style, "68-12467");
        c.SetText(ctl::Plant, "LOS");
        c.SetText(ctl::TopPaint, "Q");
        c.SetEnabled(ctl::CodeField, false);
        for (int nId : {ctl::VinPrefix, ctl::Style, ctl::Plant}) {
            c.ResetList(nId);
            c.AddString(nId, "124378L");
        }
        f.OnVinPrefixSelChange();
        f.OnStyleSelChange();
        f.OnPlantSelChange();
        EXPECT_EQ(c.GetText(ctl::Style), "68-12467");
        EXPECT_EQ(c.GetText(ctl::Plant), "LOS");
        EXPECT_EQ(c.GetText(ctl::TopPaint), "Q");
        EXPECT_FALSE(c.IsEnabled(ctl::CodeField));
    };
    expectNoPick(controls, form);  // nothing selected
    StaleSelectionControls stale;  // a selection beyond the list
    TagForm staleForm{stale};
    expectNoPick(stale, staleForm);
}

TEST_F(FormTest, OddTextsInEveryBoxBreakNothing) {
    const std::string odd[] = {std::string(100000, 'Z'), std::string("12\0" "677N", 7),
                               std::string("\xff\xfe\x80\x81\x82\x83\x84\x85", 8), "1,2\t3\n4", " ", "-", "%s%d%n"};
    for (const char* szYear : {"1967", "1968", "1969", "1970"}) {
        for (const std::string& strText : odd) {
            SetYear(szYear);
            for (int nId : {ctl::VinPrefix, ctl::Style, ctl::Plant, ctl::Trim, ctl::Seat, ctl::LowerPaint,
                            ctl::TopPaint}) {
                controls.SetText(nId, strText);
            }
            for (auto fill : {&TagForm::FillVinPrefixList, &TagForm::FillStyleList, &TagForm::FillPlantList,
                              &TagForm::FillTrimList, &TagForm::FillSeatList, &TagForm::FillLowerPaintList,
                              &TagForm::FillTopPaintList}) {
                (form.*fill)();
            }
            for (int nId : {ctl::VinPrefix, ctl::Style, ctl::Plant}) Pick(nId, strText);
            form.OnVinPrefixSelChange();
            form.OnStyleSelChange();
            form.OnPlantSelChange();
            form.OnLowerPaintSelChange();
            EXPECT_EQ(controls.GetText(ctl::TopPaint), " ");
        }
    }
    EXPECT_TRUE(controls.Messages().empty());
    // A NUL where the body digit stands is a plain character: neither a coupe nor a missing one.
    SetYear("1968");
    Pick(ctl::VinPrefix, std::string("123\0" "78N", 7));
    controls.SetText(ctl::Style, std::string("68-124\0" "7", 8));
    form.OnVinPrefixSelChange();
    EXPECT_EQ(controls.GetText(ctl::Style), std::string("68-124\0" "7", 8));
    EXPECT_FALSE(controls.IsEnabled(ctl::CodeField));
}

}  // namespace
}  // namespace vexlor::testing
