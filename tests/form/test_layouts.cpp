// The form's start state, the three year layouts picked and typed, Clear All,
// the sample tag, and handing the form to the decoder.
#include <gtest/gtest.h>

#include <ostream>

#include "decoder/decode.h"
#include "form/sample_tag.h"
#include "form_fixture.h"

namespace vexlor::testing {
namespace {

TEST_F(FormTest, StartsAs1967TagWithYearTextOnly) {
    EXPECT_EQ(controls.GetText(1038), "1967");
    EXPECT_EQ(controls.GetCurSel(1038), -1);
    EXPECT_EQ(controls.Log(), (Codes{"T1038=1967"}));
    EXPECT_EQ(HiddenIds(), kHidden67);
    EXPECT_EQ(controls.GetText(1043), "GENERAL MOTORS CORPORATION");
    ExpectDataFieldsEmpty();
    EXPECT_EQ(controls.GetList(1003), (Codes{"LOS", "NOR"}));  // the sorted box sorts its template list
}

struct PickCase {
    std::string strFrom, strYear;  // the year picked first ("" for the start state), then the one picked
    std::set<int> hidden;
    std::string strLegend;
};

class PickYearTest : public FormTest, public ::testing::WithParamInterface<PickCase> {};

TEST_P(PickYearTest, TakesTheYearsShapeAndEmptiesEveryField) {
    const PickCase& c = GetParam();
    if (!c.strFrom.empty()) PickYear(c.strFrom);
    FillDataFields();
    const auto before = Snapshot();
    PickYear(c.strYear);
    EXPECT_EQ(HiddenIds(), c.hidden);
    ExpectEnabledAsShown();
    EXPECT_EQ(controls.GetText(1043), c.strLegend);
    ExpectDataFieldsEmpty();
    const auto after = Snapshot();
    for (size_t i = 0; i < before.size(); ++i) EXPECT_EQ(std::get<1>(after[i]), std::get<1>(before[i]));  // lists stay
}

const std::string kGm = "GENERAL MOTORS CORPORATION";
const std::string kFisher = "BODY BY FISHER";

INSTANTIATE_TEST_SUITE_P(
    Years, PickYearTest,
    ::testing::Values(PickCase{"", "1968", kHidden68, kFisher}, PickCase{"", "1969", kHidden69, kFisher},
                      PickCase{"1968", "1969", kHidden69, kFisher}, PickCase{"1969", "1968", kHidden68, kFisher},
                      PickCase{"1969", "1967", kHidden67, kGm}, PickCase{"1968", "1967", kHidden67, kGm},
                      PickCase{"", "1967", kHidden67, kGm}, PickCase{"1969", "1969", kHidden69, kFisher}));

TEST_F(FormTest, NoSelectionChangesNoVisibilityButStillClears) {
    PickYear("1969");
    for (int nIndex : {-1, 3, 100, -2147483647 - 1}) {
        FillDataFields();
        form.OnYearSelChange(nIndex);
        EXPECT_EQ(HiddenIds(), kHidden69) << nIndex;
        ExpectDataFieldsEmpty();
    }
}

struct TypeCase {
    std::string strFrom, strTyped;
    std::set<int> hidden;
};
void PrintTo(const TypeCase& c, std::ostream* os) {
    *os << '"' << c.strFrom << "\" then typed \"" << c.strTyped.substr(0, 20) << '"';
}

class TypeYearTest : public FormTest, public ::testing::WithParamInterface<TypeCase> {};

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

TEST_F(FormTest, ClearAllEmptiesTheEighteenFieldsInOrderAndNothingElse) {
    PickYear("1969");
    FillDataFields("1967, ,\t\xe9");
    controls.SetText(1038, "sixty-nine");
    auto before = Snapshot();
    controls.Log().clear();
    form.OnClearAll();
    EXPECT_EQ(controls.Log(), (Codes{"T1022=", "T1023=", "T1001=", "T1000=", "T1002=", "T1003=", "T1004=", "T1005=",
                                     "T1011=", "T1006=", "T1014=", "T1015=", "T1016=", "T1017=", "T1018=", "T1019=",
                                     "T1007=", "T1008="}));
    for (auto& state : before) {
        if (std::get<0>(state) == "1967, ,\t\xe9") std::get<0>(state) = "";
    }
    EXPECT_EQ(Snapshot(), before);  // year text, layout, legends and lists stay
}

TEST_F(FormTest, SampleSetsYearThenThe1967LayoutThenEveryValueInOrder) {
    PickYear("1969");
    FillDataFields("typed before");
    controls.Log().clear();
    form.OnHelpDecoding(true);
    EXPECT_EQ(controls.Log(),
              (Codes{"T1038=1967", "S1015+", "S1016+", "S1017+", "S1018+", "S1019+", "S1039+", "S1040+", "S1041+",
                     "S1042+", "S1044+", "S1000+", "S1001+", "S1011+", "S1049+", "S1046-", "S1047-", "S1048-",
                     "S1007-", "S1008-", "T1043=GENERAL MOTORS CORPORATION", "S1045-", "T1022=", "T1023=", "T1001=D",
                     "T1000=01A", "T1002=67-12437", "T1003=NOR", "T1004=65727", "T1005=741", "T1011=Z", "T1006=R",
                     "T1014=R", "T1015=W", "T1016=E", "T1017=L", "T1018=", "T1019=", "T1007=", "T1008="}));
    EXPECT_EQ(HiddenIds(), kHidden67);
    ExpectEnabledAsShown();
    EXPECT_EQ(controls.GetCurSel(1038), 2);  // the list selection stays on "1969"
}

TEST_F(FormTest, CancelledSampleLeavesTheForm) {
    PickYear("1968");
    FillDataFields("kept");
    controls.SetText(1038, "68");
    const auto before = Snapshot();
    controls.Log().clear();
    form.OnHelpDecoding(false);
    EXPECT_TRUE(controls.Log().empty());
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(FormTest, DecodingTheSampleHandsOverTheStampedValuesAndKeepsTheForm) {
    form.OnHelpDecoding(true);
    const auto before = Snapshot();
    const std::optional<DecodeResult> result = form.DecodeForm();
    ASSERT_TRUE(result.has_value());
    EXPECT_TRUE(controls.Messages().empty());
    EXPECT_EQ(result->m_nYear, 7);
    EXPECT_EQ(*result, Decode(SampleTagFields()));
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(FormTest, ReadsEveryFieldAsTyped) {
    for (int nId : kDataIds) controls.SetText(nId, "v" + std::to_string(nId));
    controls.SetText(1038, "v1038");
    const TagFields f = form.ReadTagFields();
    EXPECT_EQ((Codes{f.strYear, f.strVinPrefix, f.strSerial, f.strBuildDate, f.strCodeField, f.strStyle, f.strPlant,
                     f.strBodyNumber, f.strTrim, f.strSeat, f.strLowerPaint, f.strTopPaint, f.strGroups[0],
                     f.strGroups[1], f.strGroups[2], f.strGroups[3], f.strGroups[4], f.strBuildDate69, f.strCode69}),
              (Codes{"v1038", "v1022", "v1023", "v1000", "v1001", "v1002", "v1003", "v1004", "v1005", "v1011",
                     "v1006", "v1014", "v1015", "v1016", "v1017", "v1018", "v1019", "v1007", "v1008"}));
}

TEST_F(FormTest, DecodeWithoutAYearAsksForItAndLeavesTheForm) {
    for (const std::string& strYear : {std::string(""), std::string("1970"), std::string("1967 "),
                                       std::string("67\0", 3), std::string(70000, '7')}) {
        FillDataFields("12");
        controls.SetText(1038, strYear);
        const auto before = Snapshot();
        EXPECT_FALSE(form.DecodeForm().has_value());
        EXPECT_EQ(Snapshot(), before);
    }
    EXPECT_EQ(controls.Messages(), (std::vector<std::pair<std::string, std::string>>(
                                       5, {"Please select the model year (1967, 1968 or 1969).", "Vexlor"})));
}

}  // namespace
}  // namespace vexlor::testing
