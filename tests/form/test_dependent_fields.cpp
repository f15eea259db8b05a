// The fields that depend on a pick: the plant list and field 1001, the top
// paint list, and the re-checks after a VIN prefix, a style or a lower paint
// is picked.
#include "form_fixture.h"

namespace vexlor::testing {
namespace {

struct PlantCase {
    const char *szYear, *szPrefix;
    Codes listBefore;
    bool bEnabledBefore;
    Codes listAfter;
    bool bEnabledAfter;
    const char* szCodeFieldAfter;
};

class PlantListTest : public FormTest, public ::testing::WithParamInterface<PlantCase> {};

TEST_P(PlantListTest, BuildsTheListAndSetsField1001) {
    const PlantCase& c = GetParam();
    SetYear(c.szYear);
    controls.SetText(ctl::VinPrefix, c.szPrefix);
    SetList(ctl::Plant, c.listBefore);
    controls.SetEnabled(ctl::CodeField, c.bEnabledBefore);
    controls.SetText(ctl::CodeField, "X4");
    form.FillPlantList();
    EXPECT_EQ(controls.GetList(ctl::Plant), c.listAfter);
    EXPECT_EQ(controls.IsEnabled(ctl::CodeField), c.bEnabledAfter);
    EXPECT_EQ(controls.GetText(ctl::CodeField), c.szCodeFieldAfter);
}

INSTANTIATE_TEST_SUITE_P(
    YearsAndPrefixes, PlantListTest,
    ::testing::Values(
        PlantCase{"1969", "124679L", {}, false, {"LOS", "VN"}, true, "X4"},
        PlantCase{"1969", "124679N", {}, false, {"NOR"}, true, "X4"},
        PlantCase{"1969", "124679l", {}, false, {"LOS", "VN"}, true, "X4"},
        PlantCase{"1968", "124378N", {"LOS", "NOR"}, true, {"NOR"}, false, ""},
        PlantCase{"1968", "124378L", {}, false, {"LOS"}, true, "X4"},
        PlantCase{"68", "12", {}, true, {"NOR"}, false, ""},
        PlantCase{"1967", "123377L", {}, false, {"LOS"}, true, "X4"},
        PlantCase{"1967", "123377N", {}, false, {"NOR"}, true, "X4"},
        PlantCase{"1967", "123377", {}, false, {"NOR"}, true, "X4"},
        PlantCase{"1970", "124677L", {}, false, {"LOS"}, true, "X4"},
        PlantCase{"1970", "124677N", {}, false, {"NOR"}, true, "X4"},
        // A prefix of another maker leaves everything.
        PlantCase{"1968", "99", {"OLD"}, false, {"OLD"}, false, "X4"},
        PlantCase{"1969", "21", {"OLD"}, true, {"OLD"}, true, "X4"},
        // Without a prefix: a list of two or more stays, except in 1969.
        PlantCase{"1967", "", {"LOS", "NOR"}, false, {"LOS", "NOR"}, false, "X4"},
        PlantCase{"1968", "", {"LOS", "VN"}, false, {"LOS", "VN"}, false, "X4"},
        PlantCase{"1968", "", {"NOR"}, false, {"LOS", "NOR"}, true, "X4"},
        PlantCase{"1967", "", {}, false, {"LOS", "NOR"}, true, "X4"},
        PlantCase{"1969", "", {"LOS", "NOR"}, false, {"LOS", "NOR", "VN"}, true, "X4"},
        PlantCase{"1969", "", {}, false, {"LOS", "NOR", "VN"}, true, "X4"},
        PlantCase{"1970", "", {"LOS"}, false, {"LOS", "NOR"}, true, "X4"}));

// Picking a plant (nBox 1003) or a VIN prefix (nBox 1022) sets field 1001 but never its text.
struct Field1001Case {
    int nBox;
    const char *szYear, *szPrefixText, *szPicked;  // the VIN box's text matters when a plant is picked
    bool bEnabledBefore, bEnabledAfter;
};

class Field1001Test : public FormTest, public ::testing::WithParamInterface<Field1001Case> {};

TEST_P(Field1001Test, FollowsTheNorwoodPickIn1968) {
    const Field1001Case& c = GetParam();
    SetYear(c.szYear);
    controls.SetText(ctl::VinPrefix, c.szPrefixText);
    controls.SetText(ctl::CodeField, "X4");
    controls.SetEnabled(ctl::CodeField, c.bEnabledBefore);
    Pick(c.nBox, c.szPicked);
    if (c.nBox == ctl::Plant) form.OnPlantSelChange();
    else form.OnVinPrefixSelChange();
    EXPECT_EQ(controls.IsEnabled(ctl::CodeField), c.bEnabledAfter);
    EXPECT_EQ(controls.GetText(ctl::CodeField), "X4");
}

INSTANTIATE_TEST_SUITE_P(
    Picks, Field1001Test,
    ::testing::Values(Field1001Case{1003, "1968", "", "NOR", true, false}, Field1001Case{1003, "1968", "", "LOS", false, true},
                      Field1001Case{1003, "68", "", "VN", false, true},
                      // The VIN's plant letter decides over the pick.
                      Field1001Case{1003, "1968", "124378L", "NOR", false, true},
                      Field1001Case{1003, "1968", "124378n", "LOS", true, false},
                      Field1001Case{1003, "1968", "99", "NOR", true, true},
                      // Only 1968 tags lack the code.
                      Field1001Case{1003, "1967", "", "NOR", true, true}, Field1001Case{1003, "1969", "", "NOR", true, true},
                      Field1001Case{1003, "1970", "", "NOR", true, true},
                      Field1001Case{1022, "1968", "", "124378N", true, false}, Field1001Case{1022, "1968", "", "124378L", false, true},
                      Field1001Case{1022, "1968", "", "124378n", true, false}, Field1001Case{1022, "1968", "", "124378", false, true},
                      Field1001Case{1022, "1968", "", "99", false, false}, Field1001Case{1022, "1968", "", "", false, false},
                      Field1001Case{1022, "1967", "", "124377N", true, true}, Field1001Case{1022, "1969", "", "124379N", true, true},
                      Field1001Case{1022, "1967", "", "124377L", false, false}));

struct TopListCase {
    const char *szYear, *szStyle, *szLowerPaint;
    Codes tops;  // as the sorted box shows them
};

class TopPaintListTest : public FormTest, public ::testing::WithParamInterface<TopListCase> {};

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

TEST_F(FormTest, PickingALowerPaintResetsTheTopPaint) {
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
    const char *szYear, *szLowerPaint, *szTopPaint, *szPicked;
    bool bReset;
};

class StylePickTest : public FormTest, public ::testing::WithParamInterface<StylePickCase> {};

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
    ::testing::Values(StylePickCase{"1967", "R", "6", "67-12467", true}, StylePickCase{"1967", "R", "2", "67-12467", false},
                      StylePickCase{"1967", "R", "4", "67-12667", false}, StylePickCase{"1967", "R", "R", "67-12437", false},
                      StylePickCase{"1967", "R", "R", "67-12467", true}, StylePickCase{"1967", "", "", "67-12437", false},
                      StylePickCase{"1967", "R", "r", "67-12437", true}, StylePickCase{"1968", "C", "1", "68-12437", true},
                      StylePickCase{"1969", "53", "50", "69-12437", false}, StylePickCase{"1969", "53", "63", "69-12437", true},
                      StylePickCase{"1969", "10", "A", "69-12467", false}, StylePickCase{"1969", "10", "A", "69-12437", true},
                      // The 7th character decides: short styles are coupes.
                      StylePickCase{"1967", "R", "6", "67-1", false}, StylePickCase{"1967", "R", "1", "xx-xxx6", false},
                      StylePickCase{"1967", "R", "2", "", true}, StylePickCase{"1970", "R", "2", "67-12437", true}));

struct VinPickCase {
    const char *szYear, *szPicked, *szPlant, *szStyle, *szTopPaint, *szPlantAfter, *szStyleAfter, *szTopPaintAfter;
};

class VinPickTest : public FormTest, public ::testing::WithParamInterface<VinPickCase> {};

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
        // An empty entry checks nothing.
        VinPickCase{"1967", "", "LOS", "67-12467", "Q", "LOS", "67-12467", "Q"},
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

}  // namespace
}  // namespace vexlor::testing
