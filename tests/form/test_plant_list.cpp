// The plant list per year and VIN prefix, and the enabled state of field 1001.

#include "pick_list_fixture.h"

namespace vexlor::testing {
namespace {

struct PlantCase {
    const char* szYear;
    const char* szPrefix;
    Codes listBefore;
    bool bEnabledBefore;
    Codes listAfter;
    bool bEnabledAfter;
    const char* szCodeFieldAfter;
};

class PlantListTest : public PickListTest, public ::testing::WithParamInterface<PlantCase> {};

TEST_P(PlantListTest, BuildsTheList) {
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

struct PickCase {
    const char* szYear;
    const char* szPrefixText;  // the VIN box's text
    const char* szPlant;       // the plant entry picked
    bool bEnabledBefore;
    bool bEnabledAfter;
};

class PlantPickTest : public PickListTest, public ::testing::WithParamInterface<PickCase> {};

TEST_P(PlantPickTest, SetsField1001) {
    const PickCase& c = GetParam();
    SetYear(c.szYear);
    controls.SetText(ctl::VinPrefix, c.szPrefixText);
    controls.SetText(ctl::CodeField, "X4");
    controls.SetEnabled(ctl::CodeField, c.bEnabledBefore);
    SetList(ctl::Plant, {"LOS", "NOR"});
    Pick(ctl::Plant, c.szPlant);
    form.OnPlantSelChange();
    EXPECT_EQ(controls.IsEnabled(ctl::CodeField), c.bEnabledAfter);
    EXPECT_EQ(controls.GetText(ctl::CodeField), "X4");
}

INSTANTIATE_TEST_SUITE_P(
    Plants, PlantPickTest,
    ::testing::Values(PickCase{"1968", "", "NOR", true, false}, PickCase{"1968", "", "LOS", false, true},
                      PickCase{"68", "", "VN", false, true},
                      // The VIN's plant letter decides over the pick.
                      PickCase{"1968", "124378L", "NOR", false, true},
                      PickCase{"1968", "124378n", "LOS", true, false},
                      PickCase{"1968", "99", "NOR", true, true},
                      // Only 1968 tags lack the code.
                      PickCase{"1967", "", "NOR", true, true}, PickCase{"1969", "", "NOR", true, true},
                      PickCase{"1970", "", "NOR", true, true}));

TEST_F(PickListTest, PlantPickWithoutSelectionChangesNothing) {
    SetYear("1968");
    SetList(ctl::Plant, {"NOR"});
    form.OnPlantSelChange();
    EXPECT_TRUE(controls.IsEnabled(ctl::CodeField));
}

struct VinPickCase {
    const char* szYear;
    const char* szPrefix;
    bool bEnabledBefore;
    bool bEnabledAfter;
};

class VinPick1001Test : public PickListTest, public ::testing::WithParamInterface<VinPickCase> {};

TEST_P(VinPick1001Test, SetsField1001) {
    const VinPickCase& c = GetParam();
    SetYear(c.szYear);
    controls.SetText(ctl::CodeField, "X4");
    controls.SetEnabled(ctl::CodeField, c.bEnabledBefore);
    Pick(ctl::VinPrefix, c.szPrefix);
    form.OnVinPrefixSelChange();
    EXPECT_EQ(controls.IsEnabled(ctl::CodeField), c.bEnabledAfter);
    EXPECT_EQ(controls.GetText(ctl::CodeField), "X4");
}

INSTANTIATE_TEST_SUITE_P(
    Prefixes, VinPick1001Test,
    ::testing::Values(VinPickCase{"1968", "124378N", true, false}, VinPickCase{"1968", "124378L", false, true},
                      VinPickCase{"1968", "124378n", true, false}, VinPickCase{"1968", "124378", false, true},
                      VinPickCase{"1968", "99", false, false}, VinPickCase{"1968", "", false, false},
                      VinPickCase{"1967", "124377N", true, true}, VinPickCase{"1969", "124379N", true, true},
                      VinPickCase{"1967", "124377L", false, false}));

TEST_F(PickListTest, Field1001In1968ThroughAPlantListAndAVinPick) {
    SetYear("1968");
    controls.SetText(ctl::CodeField, "X4");
    controls.SetText(ctl::VinPrefix, "124378N");
    form.FillPlantList();
    EXPECT_FALSE(controls.IsEnabled(ctl::CodeField));
    EXPECT_EQ(controls.GetText(ctl::CodeField), "");
    Pick(ctl::VinPrefix, "124378L");
    form.OnVinPrefixSelChange();
    EXPECT_TRUE(controls.IsEnabled(ctl::CodeField));
}

}  // namespace
}  // namespace vexlor::testing
