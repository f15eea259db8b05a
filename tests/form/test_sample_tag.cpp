// Help Decoding: the sample 1967 tag fills the form in the 1967 layout.
#include <gtest/gtest.h>

#include "decoder/decode.h"
#include "form/sample_tag.h"
#include "layout_fixture.h"

namespace vexlor::testing {
namespace {

using Values = std::vector<std::pair<int, std::string>>;

const Values kSample{{1022, ""},  {1023, ""},  {1001, "D"},        {1000, "01A"}, {1002, "67-12437"},
                     {1003, "NOR"}, {1004, "65727"}, {1005, "741"}, {1011, "Z"},   {1006, "R"},
                     {1014, "R"},  {1015, "W"}, {1016, "E"},        {1017, "L"},   {1018, ""},
                     {1019, ""},   {1007, ""},  {1008, ""}};

TEST(SampleTag, ValuesInTheOrderTheFormReceivesThem) { EXPECT_EQ(SampleTagValues(), kSample); }

TEST_F(LayoutTest, SampleSetsYearThenThe1967LayoutThenEveryValueInOrder) {
    PickYear("1969");
    controls.Log().clear();
    form.OnHelpDecoding(true);
    const std::vector<std::string> expected{
        "T1038=1967", "S1015+", "S1016+", "S1017+", "S1018+", "S1019+", "S1039+", "S1040+", "S1041+",
        "S1042+",     "S1044+", "S1000+", "S1001+", "S1011+", "S1049+", "S1046-", "S1047-", "S1048-",
        "S1007-",     "S1008-", "T1043=GENERAL MOTORS CORPORATION", "S1045-",
        "T1022=",     "T1023=", "T1001=D", "T1000=01A", "T1002=67-12437", "T1003=NOR", "T1004=65727",
        "T1005=741",  "T1011=Z", "T1006=R", "T1014=R", "T1015=W", "T1016=E", "T1017=L", "T1018=",
        "T1019=",     "T1007=", "T1008="};
    EXPECT_EQ(controls.Log(), expected);
}

TEST_F(LayoutTest, SampleOverThe1969LayoutGivesThe1967TagWithItsValues) {
    PickYear("1969");
    FillDataFields("typed before");
    controls.SetText(1022, "124379N");
    controls.SetText(1023, "600001");
    form.OnHelpDecoding(true);
    EXPECT_EQ(HiddenIds(), kHidden67);
    for (int nId : {1007, 1008, 1045, 1046, 1047, 1048}) EXPECT_FALSE(controls.IsEnabled(nId)) << nId;
    for (int nId : {1015, 1016, 1017, 1018, 1019, 1039, 1040, 1041, 1042, 1044, 1000, 1001, 1011, 1049}) {
        EXPECT_TRUE(controls.IsEnabled(nId)) << nId;
    }
    EXPECT_EQ(controls.GetText(1043), "GENERAL MOTORS CORPORATION");
    EXPECT_EQ(controls.GetText(1038), "1967");
    EXPECT_EQ(controls.GetCurSel(1038), 2);  // the list selection stays on "1969"
    for (const auto& [nId, strValue] : kSample) EXPECT_EQ(controls.GetText(nId), strValue) << nId;
}

TEST_F(LayoutTest, CancelledSampleLeavesTheForm) {
    PickYear("1968");
    FillDataFields("kept");
    controls.SetText(1038, "68");
    const auto before = Snapshot();
    controls.Log().clear();
    form.OnHelpDecoding(false);
    EXPECT_TRUE(controls.Log().empty());
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(LayoutTest, DecodingTheSampleDecodesA1967TagAndKeepsTheForm) {
    form.OnHelpDecoding(true);
    const auto before = Snapshot();
    const std::optional<DecodeResult> result = form.DecodeForm();
    ASSERT_TRUE(result.has_value());
    EXPECT_TRUE(controls.Messages().empty());
    EXPECT_EQ(result->m_nYear, 7);
    EXPECT_EQ(*result, Decode(SampleTagFields()));  // the form hands over exactly the stamped values
    EXPECT_EQ(Snapshot(), before);
}

}  // namespace
}  // namespace vexlor::testing
