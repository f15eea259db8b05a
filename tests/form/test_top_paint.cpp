// The top paint list and the re-checks that reset the top paint when a lower
// paint, a style or a VIN prefix is picked.

#include "pick_list_fixture.h"

namespace vexlor::testing {
namespace {

struct TopListCase {
    const char* szYear;
    const char* szStyle;
    const char* szLowerPaint;
    Codes tops;  // as the sorted box shows them
};

class TopPaintListTest : public PickListTest, public ::testing::WithParamInterface<TopListCase> {};

TEST_P(TopPaintListTest, OffersTheTopsThatFit) {
    const TopListCase& c = GetParam();
    SetYear(c.szYear);
    controls.SetText(ctl::Style, c.szStyle);
    controls.SetText(ctl::LowerPaint, c.szLowerPaint);
    SetList(ctl::TopPaint, {"OLD"});
    form.FillTopPaintList();
    EXPECT_EQ(controls.GetList(ctl::TopPaint), c.tops);
    EXPECT_TRUE(controls.Messages().empty());
}

const Codes k69Coupe{"B", "C", "E", "F", "S"};

INSTANTIATE_TEST_SUITE_P(
    Bodies, TopPaintListTest,
    ::testing::Values(
        TopListCase{"1967", "67-12437", "R", {"2", "6", "R"}},
        TopListCase{"1967", "67-12437", "", {"", "2", "6"}},
        TopListCase{"1967", "67-12637", "6", {"2", "6", "6"}},
        TopListCase{"1968", "68-12437", "C", {"2", "6", "C"}},
        TopListCase{"67", "67-12467", "R", {"1", "2", "4"}},
        TopListCase{"1967", "67-12667", "", {"1", "2", "4"}},
        TopListCase{"1968", "68-12467", "C", {"1", "2", "4"}},
        TopListCase{"1969", "69-12437", "53", {"50", "51", "53", "B", "C", "E", "F", "S"}},
        TopListCase{"1969", "69-12437", "51", {"51", "53", "B", "C", "E", "F", "S"}},
        TopListCase{"1969", "69-12437", "55", {"50", "55", "B", "C", "E", "F", "S"}},
        TopListCase{"1969", "69-12437", "61", {"61", "63", "B", "C", "E", "F", "S"}},
        TopListCase{"1969", "69-12437", "65", {"50", "65", "B", "C", "E", "F", "S"}},
        TopListCase{"1969", "69-12437", "50", {"50", "B", "C", "E", "F", "S"}},
        TopListCase{"1969", "69-12437", "", {"", "B", "C", "E", "F", "S"}},
        TopListCase{"69", "69-12467", "53", {"A", "B"}},
        // The body comes from the style's last five characters only.
        TopListCase{"1969", "12467", "10", {"A", "B"}},
        TopListCase{"1969", "69-12467 ", "10", {"10", "B", "C", "E", "F", "S"}},
        TopListCase{"1967", "69-12667", "", {"1", "2", "4"}},
        // No year: the list stays.
        TopListCase{"1970", "67-12437", "R", {"OLD"}}));

TEST_F(PickListTest, PickingALowerPaintResetsTheTopPaint) {
    SetYear("1967");
    controls.SetText(ctl::Style, "67-12437");
    controls.SetText(ctl::LowerPaint, "R");
    form.FillTopPaintList();
    controls.SetText(ctl::TopPaint, "R");
    form.FillLowerPaintList();
    Pick(ctl::LowerPaint, "R");
    form.OnLowerPaintSelChange();
    EXPECT_EQ(controls.GetText(ctl::TopPaint), " ");
    EXPECT_EQ(controls.GetList(ctl::TopPaint), Codes{});
}

struct StylePickCase {
    const char* szYear;
    const char* szLowerPaint;
    const char* szTopPaint;
    const char* szPicked;
    bool bReset;
};

class StylePickTest : public PickListTest, public ::testing::WithParamInterface<StylePickCase> {};

TEST_P(StylePickTest, ReChecksTheTopPaint) {
    const StylePickCase& c = GetParam();
    SetYear(c.szYear);
    controls.SetText(ctl::Style, "67-12437");  // the edit field still holds the old style
    controls.SetText(ctl::LowerPaint, c.szLowerPaint);
    controls.SetText(ctl::TopPaint, c.szTopPaint);
    SetList(ctl::TopPaint, {"2", "6"});
    Pick(ctl::Style, c.szPicked);
    form.OnStyleSelChange();
    EXPECT_EQ(controls.GetText(ctl::TopPaint), c.bReset ? " " : c.szTopPaint);
    EXPECT_EQ(controls.GetList(ctl::TopPaint), c.bReset ? Codes{} : (Codes{"2", "6"}));
    EXPECT_EQ(controls.GetText(ctl::Style), "67-12437");
}

INSTANTIATE_TEST_SUITE_P(
    Styles, StylePickTest,
    ::testing::Values(StylePickCase{"1967", "R", "6", "67-12467", true},
                      StylePickCase{"1967", "R", "2", "67-12467", false},
                      StylePickCase{"1967", "R", "4", "67-12667", false},
                      StylePickCase{"1967", "R", "R", "67-12437", false},
                      StylePickCase{"1967", "R", "R", "67-12467", true},
                      StylePickCase{"1967", "", "", "67-12437", false},
                      StylePickCase{"1967", "R", "r", "67-12437", true},
                      StylePickCase{"1968", "C", "1", "68-12437", true},
                      StylePickCase{"1969", "53", "50", "69-12437", false},
                      StylePickCase{"1969", "53", "63", "69-12437", true},
                      StylePickCase{"1969", "10", "A", "69-12467", false},
                      StylePickCase{"1969", "10", "A", "69-12437", true},
                      // The 7th character decides: short styles are coupes.
                      StylePickCase{"1967", "R", "6", "67-1", false},
                      StylePickCase{"1967", "R", "1", "xx-xxx6", false},
                      StylePickCase{"1967", "R", "2", "", true},
                      StylePickCase{"1970", "R", "2", "67-12437", true}));

TEST_F(PickListTest, StyleSelChangeWithoutSelectionDoesNothing) {
    SetYear("1967");
    controls.SetText(ctl::TopPaint, "Q");
    SetList(ctl::Style, {"67-12467"});
    form.OnStyleSelChange();
    EXPECT_EQ(controls.GetText(ctl::TopPaint), "Q");
}

struct VinPickCase {
    const char* szYear;
    const char* szPicked;
    const char* szPlant;
    const char* szStyle;
    const char* szTopPaint;
    const char* szPlantAfter;
    const char* szStyleAfter;
    const char* szTopPaintAfter;
};

class VinPickTest : public PickListTest, public ::testing::WithParamInterface<VinPickCase> {};

TEST_P(VinPickTest, ReChecksPlantStyleAndTopPaint) {
    const VinPickCase& c = GetParam();
    SetYear(c.szYear);
    controls.SetText(ctl::VinPrefix, "OLD");
    controls.SetText(ctl::Plant, c.szPlant);
    controls.SetText(ctl::Style, c.szStyle);
    controls.SetText(ctl::LowerPaint, "R");
    controls.SetText(ctl::TopPaint, c.szTopPaint);
    Pick(ctl::VinPrefix, c.szPicked);
    form.OnVinPrefixSelChange();
    EXPECT_EQ(controls.GetText(ctl::Plant), c.szPlantAfter);
    EXPECT_EQ(controls.GetText(ctl::Style), c.szStyleAfter);
    EXPECT_EQ(controls.GetText(ctl::TopPaint), c.szTopPaintAfter);
    EXPECT_EQ(controls.GetText(ctl::VinPrefix), "OLD");
}

INSTANTIATE_TEST_SUITE_P(
    Prefixes, VinPickTest,
    ::testing::Values(
        VinPickCase{"1967", "124677N", "", "67-12437", "2", "", "", "2"},
        VinPickCase{"1967", "124677N", "", "67-12467", "2", "", "67-12467", "2"},
        VinPickCase{"1967", "124677N", "LOS", "", "1", "", "", "1"},
        VinPickCase{"1967", "124677N", "NOR", "", "1", "NOR", "", "1"},
        VinPickCase{"1967", "124677N", "VN", "", "1", "", "", "1"},
        VinPickCase{"1967", "124677L", "VN", "", "1", "VN", "", "1"},
        VinPickCase{"1967", "124677L", "LOS", "", "1", "LOS", "", "1"},
        VinPickCase{"1967", "124677L", "NOR", "", "1", "", "", "1"},
        VinPickCase{"1967", "124677l", "los", "", "1", "", "", "1"},
        VinPickCase{"1967", "124677l", "LOS", "", "1", "LOS", "", "1"},
        // Containment anywhere in either text.
        VinPickCase{"1967", "N", "XNX", "", "", "XNX", "", " "},
        VinPickCase{"1967", "L", "V", "", "", "V", "", " "},
        // The style's 7th character against the prefix's 4th.
        VinPickCase{"1967", "123377N", "", "67-12437", "R", "", "67-12437", "R"},
        VinPickCase{"1967", "123377N", "", "67-12637", "R", "", "67-12637", "R"},
        VinPickCase{"1967", "123677N", "", "67-12667", "2", "", "67-12667", "2"},
        VinPickCase{"1967", "123677N", "", "67-12437", "2", "", "", "2"},
        VinPickCase{"1967", "123377N", "", "67-12", "R", "", "", "R"},
        VinPickCase{"1967", "123", "", "67-12", "R", "", "", "R"},
        VinPickCase{"1967", "123", "", "67-1243", "R", "", "", "R"},
        // The top paint against the prefix's body.
        VinPickCase{"1967", "124677N", "", "", "6", "", "", " "},
        VinPickCase{"1967", "123377N", "", "", "4", "", "", " "},
        VinPickCase{"1969", "124379N", "", "", "B", "", "", "B"},
        VinPickCase{"1969", "124679N", "", "", "S", "", "", " "},
        VinPickCase{"1970", "124677N", "", "", "2", "", "", " "}));

TEST_F(PickListTest, VinPickOfAnEmptyEntryChecksNothing) {
    SetYear("1967");
    controls.SetText(ctl::Plant, "LOS");
    controls.SetText(ctl::Style, "67-12467");
    controls.SetText(ctl::TopPaint, "Q");
    Pick(ctl::VinPrefix, "");
    form.OnVinPrefixSelChange();
    EXPECT_EQ(controls.GetText(ctl::Plant), "LOS");
    EXPECT_EQ(controls.GetText(ctl::Style), "67-12467");
    EXPECT_EQ(controls.GetText(ctl::TopPaint), "Q");
}

TEST_F(PickListTest, VinSelChangeWithoutSelectionDoesNothing) {
    SetYear("1967");
    controls.SetText(ctl::Style, "67-12467");
    controls.SetText(ctl::TopPaint, "Q");
    SetList(ctl::VinPrefix, {"123377N"});
    form.OnVinPrefixSelChange();
    EXPECT_EQ(controls.GetText(ctl::Style), "67-12467");
    EXPECT_EQ(controls.GetText(ctl::TopPaint), "Q");
}

}  // namespace
}  // namespace vexlor::testing
