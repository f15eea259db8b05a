// The request for a body style before the lists that depend on it, and its
// guard that shows the message once per cause.

#include "pick_list_fixture.h"

namespace vexlor::testing {
namespace {

const std::pair<std::string, std::string> kRequest{"Please select the body style (ST) first.", "Vexlor"};

TEST_F(PickListTest, GuardSequenceTrimTrimAgainTopPaint) {
    SetYear("1967");
    SetList(ctl::Trim, {"760"});
    SetList(ctl::TopPaint, {"2"});

    form.FillTrimList();
    ASSERT_EQ(controls.Messages().size(), 1u);
    EXPECT_EQ(controls.Messages()[0], kRequest);
    EXPECT_EQ(controls.FocusLog(), std::vector<int>{ctl::Style});
    EXPECT_EQ(controls.GetList(ctl::Trim), Codes{});
    // The style box's focus notification built its list.
    EXPECT_EQ(controls.GetList(ctl::Style), (Codes{"67-12437", "67-12467", "67-12637", "67-12667"}));
    EXPECT_EQ(form.StyleGuard(), 2);

    form.FillTrimList();
    EXPECT_EQ(controls.Messages().size(), 1u);
    EXPECT_EQ(controls.FocusLog().size(), 1u);
    EXPECT_EQ(controls.GetList(ctl::Trim), Codes{});

    form.FillTopPaintList();
    ASSERT_EQ(controls.Messages().size(), 2u);
    EXPECT_EQ(controls.Messages()[1], kRequest);
    EXPECT_EQ(controls.FocusLog(), (std::vector<int>{ctl::Style, ctl::Style}));
    EXPECT_EQ(controls.GetList(ctl::TopPaint), Codes{"2"});
    EXPECT_EQ(form.StyleGuard(), 1);
}

struct CauseCase {
    const char* szYear;
    int nBox;
    int nCause;
};

class StyleRequestCauseTest : public PickListTest, public ::testing::WithParamInterface<CauseCase> {};

TEST_P(StyleRequestCauseTest, EachBoxAsksWithItsCause) {
    SetYear(GetParam().szYear);
    if (GetParam().nBox == ctl::Trim) form.FillTrimList();
    if (GetParam().nBox == ctl::Seat) form.FillSeatList();
    if (GetParam().nBox == ctl::TopPaint) form.FillTopPaintList();
    ASSERT_EQ(controls.Messages().size(), 1u);
    EXPECT_EQ(controls.Messages()[0], kRequest);
    EXPECT_EQ(form.StyleGuard(), GetParam().nCause);
}

INSTANTIATE_TEST_SUITE_P(Causes, StyleRequestCauseTest,
                         ::testing::Values(CauseCase{"1967", ctl::TopPaint, 1}, CauseCase{"1967", ctl::Trim, 2},
                                           CauseCase{"68", ctl::Trim, 3}, CauseCase{"1969", ctl::Trim, 4},
                                           CauseCase{"1967", ctl::Seat, 5}, CauseCase{"1970", ctl::Seat, 5},
                                           CauseCase{"1970", ctl::TopPaint, 1}));

TEST_F(PickListTest, NestedRequestDuringTheFocusChangeShowsNothing) {
    SetYear("1967");
    // The style box taking the focus moves on to the trim box at once.
    controls.OnFocus([this](int nId) {
        if (nId == ctl::Style) form.FillTrimList();
    });
    form.FillTrimList();
    EXPECT_EQ(controls.Messages().size(), 1u);
}

TEST_F(PickListTest, GuardIsNotResetByAGivenStyle) {
    SetYear("1967");
    form.FillSeatList();
    controls.SetText(ctl::Style, "67-12437");
    form.FillSeatList();
    controls.SetText(ctl::Style, "");
    form.FillSeatList();
    EXPECT_EQ(controls.Messages().size(), 1u);
    EXPECT_EQ(controls.GetList(ctl::Seat), Codes{});
}

TEST_F(PickListTest, DirectRequestWithTheCurrentCauseShowsNothing) {
    form.RequireStyle(0);
    EXPECT_TRUE(controls.Messages().empty());
    EXPECT_TRUE(controls.FocusLog().empty());
    form.RequireStyle(4);
    form.RequireStyle(4);
    EXPECT_EQ(controls.Messages().size(), 1u);
}

}  // namespace
}  // namespace vexlor::testing
