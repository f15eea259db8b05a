// The form's start state, the three year layouts, typing a year and Clear All.
#include <gtest/gtest.h>

#include <ostream>

#include "layout_fixture.h"

namespace vexlor::testing {
namespace {

TEST_F(LayoutTest, StartsAs1967TagWithYearTextOnly) {
    EXPECT_EQ(controls.GetText(1038), "1967");
    EXPECT_EQ(controls.GetCurSel(1038), -1);
    EXPECT_EQ(controls.Log(), (std::vector<std::string>{"T1038=1967"}));
    EXPECT_EQ(HiddenIds(), kHidden67);
    EXPECT_EQ(controls.GetText(1043), "GENERAL MOTORS CORPORATION");
    ExpectDataFieldsEmpty();
    EXPECT_EQ(controls.GetList(1038), (std::vector<std::string>{"1967", "1968", "1969"}));
    EXPECT_EQ(controls.GetList(1003), (std::vector<std::string>{"LOS", "NOR"}));
}

TEST_F(LayoutTest, ShowFieldShowsAndEnablesOrHidesAndDisables) {
    form.ShowField(1015, false);
    EXPECT_FALSE(controls.IsShown(1015));
    EXPECT_FALSE(controls.IsEnabled(1015));
    form.ShowField(1015, true);
    EXPECT_TRUE(controls.IsShown(1015));
    EXPECT_TRUE(controls.IsEnabled(1015));
}

struct PickCase {
    std::string strFrom;  // year picked first ("" for the start state)
    std::string strYear;
    std::set<int> hidden;
    std::string strLegend;
};
void PrintTo(const PickCase& c, std::ostream* os) { *os << '"' << c.strFrom << "\" then \"" << c.strYear << '"'; }

class PickYearTest : public LayoutTest, public ::testing::WithParamInterface<PickCase> {};

TEST_P(PickYearTest, TakesTheYearsShapeAndEmptiesEveryField) {
    const PickCase& c = GetParam();
    if (!c.strFrom.empty()) PickYear(c.strFrom);
    FillDataFields();
    const auto lists = Snapshot();
    PickYear(c.strYear);
    EXPECT_EQ(HiddenIds(), c.hidden);
    EXPECT_EQ(controls.GetText(1043), c.strLegend);
    ExpectDataFieldsEmpty();
    EXPECT_EQ(controls.GetText(1038), c.strYear);
    for (const ControlSpec& spec : TagFormTemplate().controls) {
        if (spec.nId < 0 || spec.nId == 2) continue;
        const bool bRivet = spec.nId == 1012 || spec.nId == 1013;
        EXPECT_EQ(controls.IsEnabled(spec.nId), controls.IsShown(spec.nId) && !bRivet) << spec.nId;
    }
    const auto after = Snapshot();
    for (size_t i = 0; i < lists.size(); ++i) EXPECT_EQ(std::get<1>(after[i]), std::get<1>(lists[i]));
}

INSTANTIATE_TEST_SUITE_P(
    Years, PickYearTest,
    ::testing::Values(PickCase{"", "1968", kHidden68, "BODY BY FISHER"},
                      PickCase{"", "1969", kHidden69, "BODY BY FISHER"},
                      PickCase{"1968", "1969", kHidden69, "BODY BY FISHER"},
                      PickCase{"1969", "1968", kHidden68, "BODY BY FISHER"},
                      PickCase{"1969", "1967", kHidden67, "GENERAL MOTORS CORPORATION"},
                      PickCase{"1968", "1967", kHidden67, "GENERAL MOTORS CORPORATION"},
                      PickCase{"", "1967", kHidden67, "GENERAL MOTORS CORPORATION"},
                      PickCase{"1969", "1969", kHidden69, "BODY BY FISHER"}));

TEST_F(LayoutTest, NoSelectionChangesNoVisibilityButStillClears) {
    PickYear("1969");
    for (int nIndex : {-1, 3, 100, -2147483647 - 1}) {
        FillDataFields();
        form.OnYearSelChange(nIndex);
        EXPECT_EQ(HiddenIds(), kHidden69) << nIndex;
        ExpectDataFieldsEmpty();
    }
}

struct TypeCase {
    std::string strFrom;
    std::string strTyped;
    std::set<int> hidden;
};
void PrintTo(const TypeCase& c, std::ostream* os) {
    *os << '"' << c.strFrom << "\" then typed \"" << c.strTyped.substr(0, 20) << '"';
}

class TypeYearTest : public LayoutTest, public ::testing::WithParamInterface<TypeCase> {};

TEST_P(TypeYearTest, TogglesOnlyTheOptionGroupsAndEmptiesEveryField) {
    const TypeCase& c = GetParam();
    if (!c.strFrom.empty()) PickYear(c.strFrom);
    const std::string strLegend = controls.GetText(1043);
    FillDataFields();
    TypeYear(c.strTyped);
    EXPECT_EQ(HiddenIds(), c.hidden);
    EXPECT_EQ(controls.GetText(1043), strLegend);
    EXPECT_EQ(controls.GetText(1038), c.strTyped);
    ExpectDataFieldsEmpty();
}

const std::set<int> kHidden67Typed68{2, 1007, 1008, 1045, 1046, 1047, 1048, 1015, 1016, 1017, 1018, 1019};
const std::set<int> kHidden69Typed67{2, 1000, 1001, 1045, 1039, 1040, 1041, 1042, 1044, 1011, 1049};

INSTANTIATE_TEST_SUITE_P(
    Texts, TypeYearTest,
    ::testing::Values(TypeCase{"", "1968", kHidden67Typed68}, TypeCase{"", "68", kHidden67Typed68},
                      TypeCase{"", "1969", kHidden67Typed68}, TypeCase{"", "69", kHidden67Typed68},
                      TypeCase{"", "1967", kHidden67}, TypeCase{"", "67", kHidden67},
                      TypeCase{"", " 1968", kHidden67}, TypeCase{"", "1968 ", kHidden67},
                      TypeCase{"", "", kHidden67}, TypeCase{"", "196", kHidden67}, TypeCase{"", "1970", kHidden67},
                      TypeCase{"", std::string("68\0", 3), kHidden67}, TypeCase{"", "\xff\x80", kHidden67},
                      TypeCase{"", std::string(100000, '9'), kHidden67},
                      TypeCase{"1969", "1967", kHidden69Typed67}, TypeCase{"1969", "67", kHidden69Typed67},
                      TypeCase{"1969", "1968", kHidden69}, TypeCase{"1968", "1968 ", kHidden68}));

TEST_F(LayoutTest, ClearAllEmptiesTheEighteenFieldsInOrder) {
    controls.Log().clear();
    form.OnClearAll();
    EXPECT_EQ(controls.Log(), (std::vector<std::string>{"T1022=", "T1023=", "T1001=", "T1000=", "T1002=", "T1003=",
                                                        "T1004=", "T1005=", "T1011=", "T1006=", "T1014=", "T1015=",
                                                        "T1016=", "T1017=", "T1018=", "T1019=", "T1007=", "T1008="}));
}

TEST_F(LayoutTest, ClearAllLeavesYearLayoutAndListsIncludingHiddenFields) {
    PickYear("1969");
    FillDataFields("1967, ,\t\xe9");
    controls.SetText(1038, "sixty-nine");
    auto before = Snapshot();
    form.OnClearAll();
    auto after = Snapshot();
    ExpectDataFieldsEmpty();
    ASSERT_EQ(before.size(), after.size());
    for (size_t i = 0; i < before.size(); ++i) {
        std::get<0>(before[i]) = "";
        std::get<0>(after[i]) = "";
    }
    EXPECT_EQ(before, after);
    EXPECT_EQ(controls.GetText(1038), "sixty-nine");
    EXPECT_EQ(controls.GetText(1043), "BODY BY FISHER");
    EXPECT_EQ(controls.GetText(1047),
              "CERTIFIES TO THE DEALER THAT THIS VEHICLE CONFORMS TO ALL U.S. FEDERAL MOTOR VEHICLE SAFETY");
}

TEST_F(LayoutTest, ReadsEveryFieldAsTyped) {
    const int ids[] = {1038, 1022, 1023, 1000, 1001, 1002, 1003, 1004, 1005, 1011,
                       1006, 1014, 1015, 1016, 1017, 1018, 1019, 1007, 1008};
    for (int nId : ids) controls.SetText(nId, "v" + std::to_string(nId));
    const TagFields fields = form.ReadTagFields();
    EXPECT_EQ(fields.strYear, "v1038");
    EXPECT_EQ(fields.strVinPrefix, "v1022");
    EXPECT_EQ(fields.strSerial, "v1023");
    EXPECT_EQ(fields.strBuildDate, "v1000");
    EXPECT_EQ(fields.strCodeField, "v1001");
    EXPECT_EQ(fields.strStyle, "v1002");
    EXPECT_EQ(fields.strPlant, "v1003");
    EXPECT_EQ(fields.strBodyNumber, "v1004");
    EXPECT_EQ(fields.strTrim, "v1005");
    EXPECT_EQ(fields.strSeat, "v1011");
    EXPECT_EQ(fields.strLowerPaint, "v1006");
    EXPECT_EQ(fields.strTopPaint, "v1014");
    EXPECT_EQ(fields.strGroups, (std::array<std::string, 5>{"v1015", "v1016", "v1017", "v1018", "v1019"}));
    EXPECT_EQ(fields.strBuildDate69, "v1007");
    EXPECT_EQ(fields.strCode69, "v1008");
}

class UnknownYearTest : public LayoutTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(UnknownYearTest, DecodeAsksForTheYearAndLeavesTheForm) {
    FillDataFields("12");
    controls.SetText(1038, GetParam());
    const auto before = Snapshot();
    EXPECT_FALSE(form.DecodeForm().has_value());
    ASSERT_EQ(controls.Messages().size(), 1u);
    EXPECT_EQ(controls.Messages()[0].first, "Please select the model year (1967, 1968 or 1969).");
    EXPECT_EQ(controls.Messages()[0].second, "Vexlor");
    EXPECT_EQ(Snapshot(), before);
}

INSTANTIATE_TEST_SUITE_P(Texts, UnknownYearTest,
                         ::testing::Values("", "1970", " 1967", "1967 ", "067", "6 7", "1,967", "\xff",
                                           std::string("67\0", 3), std::string(70000, '7')));

TEST_F(LayoutTest, DecodeLeavesEveryValueOfTheForm) {
    PickYear("1968");
    controls.SetText(1038, "68");
    controls.SetText(1022, "124378n");
    controls.SetText(1023, "1234567");
    controls.SetText(1002, "68-12437");
    controls.SetText(1004, "999999999");
    controls.SetText(1005, "711");
    controls.SetText(1006, "q");
    const auto before = Snapshot();
    const std::optional<DecodeResult> result = form.DecodeForm();
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->m_nYear, 8);
    EXPECT_TRUE(controls.Messages().empty());
    EXPECT_EQ(Snapshot(), before);
}

}  // namespace
}  // namespace vexlor::testing
