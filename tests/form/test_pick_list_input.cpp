// Whatever the user typed into the boxes, the pick-list handlers stay inside
// their texts and lists.

#include "pick_list_fixture.h"

namespace vexlor::testing {
namespace {

// A box that claims a selection beyond the end of its list.
class StaleSelectionControls : public FakeFormControls {
public:
    int GetCurSel(int) const override { return 7; }
};

TEST(PickListSelection, SelectionBeyondTheListIsNoPick) {
    StaleSelectionControls controls;
    TagForm form{controls};
    controls.SetText(ctl::Year, "1968");
    controls.SetText(ctl::Style, "68-12437");
    controls.SetText(ctl::Plant, "LOS");
    controls.SetText(ctl::TopPaint, "Q");
    controls.SetEnabled(ctl::CodeField, false);
    controls.AddString(ctl::VinPrefix, "124378L");
    form.OnVinPrefixSelChange();
    form.OnStyleSelChange();
    form.OnPlantSelChange();
    EXPECT_EQ(controls.GetText(ctl::Style), "68-12437");
    EXPECT_EQ(controls.GetText(ctl::Plant), "LOS");
    EXPECT_EQ(controls.GetText(ctl::TopPaint), "Q");
    EXPECT_FALSE(controls.IsEnabled(ctl::CodeField));
}

const std::string kOdd[] = {
    std::string(100000, 'Z'),
    std::string("12\0" "677N", 7),
    std::string("\xff\xfe\x80\x81\x82\x83\x84\x85", 8),
    "1,2\t3\n4",
    " ",
    "-",
    "%s%d%n",
};

TEST_F(PickListTest, OddTextsInEveryBoxBreakNothing) {
    for (const char* szYear : {"1967", "1968", "1969", "1970"}) {
        for (const std::string& strText : kOdd) {
            SetYear(szYear);
            for (int nId : {ctl::VinPrefix, ctl::Style, ctl::Plant, ctl::Trim, ctl::Seat, ctl::LowerPaint,
                            ctl::TopPaint}) {
                controls.SetText(nId, strText);
            }
            form.FillVinPrefixList();
            form.FillStyleList();
            form.FillPlantList();
            form.FillTrimList();
            form.FillSeatList();
            form.FillLowerPaintList();
            form.FillTopPaintList();
            for (int nId : {ctl::VinPrefix, ctl::Style, ctl::Plant}) Pick(nId, strText);
            form.OnVinPrefixSelChange();
            form.OnStyleSelChange();
            form.OnPlantSelChange();
            form.OnLowerPaintSelChange();
            EXPECT_EQ(controls.GetText(ctl::TopPaint), " ");
        }
    }
    EXPECT_TRUE(controls.Messages().empty());
}

TEST_F(PickListTest, LongLowerPaintIsOfferedAsTyped) {
    SetYear("1967");
    const std::string strLong(5000, 'R');
    controls.SetText(ctl::Style, "67-12437");
    controls.SetText(ctl::LowerPaint, strLong);
    form.FillTopPaintList();
    EXPECT_EQ(controls.GetList(ctl::TopPaint), (Codes{"2", "6", strLong}));
}

TEST_F(PickListTest, NulInsideTheVinPrefixIsAPlainCharacter) {
    SetYear("1968");
    // "12" then a NUL where the body digit stands: neither a coupe nor a missing character.
    Pick(ctl::VinPrefix, std::string("123\0" "78N", 7));
    controls.SetText(ctl::Style, std::string("68-124\0" "7", 8));
    form.OnVinPrefixSelChange();
    EXPECT_EQ(controls.GetText(ctl::Style), std::string("68-124\0" "7", 8));
    EXPECT_FALSE(controls.IsEnabled(ctl::CodeField));
}

}  // namespace
}  // namespace vexlor::testing
