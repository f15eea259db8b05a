// The request for a body style before the lists that depend on it, and its
// guard that shows the message once per cause.
#include "form_fixture.h"

namespace vexlor::testing {
namespace {

const std::pair<std::string, std::string> kRequest{"Please select the body style (ST) first.", "Vexlor"};

TEST_F(FormTest, GuardSequenceTrimTrimAgainTopPaint) {
    SetList(ctl::Trim, {"760"});
    SetList(ctl::TopPaint, {"2"});
    SetList(ctl::Style, {});

    form.FillTrimList();
    EXPECT_EQ(controls.Messages(), (std::vector{kRequest}));
    EXPECT_EQ(controls.FocusLog(), std::vector<int>{ctl::Style});
    EXPECT_EQ(controls.GetList(ctl::Trim), Codes{});
    // The style box's focus notification built its list.
    EXPECT_EQ(controls.GetList(ctl::Style), (Codes{"67-12437", "67-12467", "67-12637", "67-12667"}));

    form.FillTrimList();
    EXPECT_EQ(controls.Messages().size(), 1u);
    EXPECT_EQ(controls.FocusLog().size(), 1u);
    EXPECT_EQ(controls.GetList(ctl::Trim), Codes{});

    form.FillTopPaintList();
    EXPECT_EQ(controls.Messages(), (std::vector{kRequest, kRequest}));
    EXPECT_EQ(controls.FocusLog(), (std::vector<int>{ctl::Style, ctl::Style}));
    EXPECT_EQ(controls.GetList(ctl::TopPaint), Codes{"2"});
}

TEST_F(FormTest, EachBoxAsksWithItsCause) {
    const struct { const char* szYear; void (TagForm::*fill)(); int nCause; } cases[] = {
        {"1967", &TagForm::FillTopPaintList, 1}, {"1967", &TagForm::FillTrimList, 2},
        {"68", &TagForm::FillTrimList, 3},       {"1969", &TagForm::FillTrimList, 4},
        {"1967", &TagForm::FillSeatList, 5},     {"1970", &TagForm::FillTopPaintList, 1},
        {"1970", &TagForm::FillSeatList, 5},
    };
    for (const auto& c : cases) {
        SetYear(c.szYear);
        (form.*c.fill)();
        EXPECT_EQ(form.StyleGuard(), c.nCause) << c.szYear;
    }
    EXPECT_EQ(controls.Messages(), (std::vector<std::pair<std::string, std::string>>(7, kRequest)));
}

TEST_F(FormTest, GuardIsNeverReset) {
    form.FillSeatList();
    controls.SetText(ctl::Style, "67-12437");
    form.FillSeatList();
    controls.SetText(ctl::Style, "");
    form.FillSeatList();
    EXPECT_EQ(controls.Messages().size(), 1u);
    EXPECT_EQ(controls.GetList(ctl::Seat), Codes{});
    // A direct request with the current cause shows nothing either; the guard starts at 0.
    form.RequireStyle(5);
    EXPECT_EQ(controls.Messages().size(), 1u);
    FakeFormControls fresh;
    TagForm freshForm{fresh};
    freshForm.RequireStyle(0);
    EXPECT_TRUE(fresh.Messages().empty());
    EXPECT_TRUE(fresh.FocusLog().empty());
}

TEST_F(FormTest, NestedRequestDuringTheFocusChangeShowsNothing) {
    // The style box taking the focus moves on to the trim box at once.
    controls.OnFocus([this](int nId) {
        if (nId == ctl::Style) form.FillTrimList();
    });
    form.FillTrimList();
    EXPECT_EQ(controls.Messages().size(), 1u);
}

}  // namespace
}  // namespace vexlor::testing
