// The form in everyday use: a keyboard user tabbing past the boxes that need
// a body style, and a year typed instead of picked.
#include "form_fixture.h"

namespace vexlor::testing {
namespace {

TEST_F(FormTest, EachCauseAsksOnceUntilTheStyleIsFilledOrTheFormCleared) {
    auto trim = &TagForm::FillTrimList, seat = &TagForm::FillSeatList, top = &TagForm::FillTopPaintList;
    const struct { void (TagForm::*fill)(); const char* szStyle; size_t nMessages; } steps[] = {
        {trim, "", 1}, {seat, "", 2}, {trim, "", 2}, {top, "", 3}, {seat, "", 3}, {top, "", 3},
        {trim, "67-12437", 3},  // the style box is found filled
        {trim, "", 4}, {trim, "", 4}, {seat, "", 5},
    };
    for (const auto& step : steps) {
        controls.SetText(ctl::Style, step.szStyle);
        (form.*step.fill)();
        EXPECT_EQ(controls.Messages().size(), step.nMessages);
        EXPECT_EQ(controls.FocusLog(), std::vector<int>(step.nMessages, ctl::Style));
    }
    form.OnClearAll();
    form.FillTrimList();
    EXPECT_EQ(controls.Messages().size(), 6u);
}

TEST_F(FormTest, ATypedYearGivesExactlyThePickedLayout) {
    auto layout = [this] {  // the top legend's text and what is shown and enabled
        std::vector<std::string> state{controls.GetText(ctl::TopLegend)};
        for (const ControlSpec& spec : TagFormTemplate().controls)
            state.push_back(std::to_string(spec.nId) + (controls.IsShown(spec.nId) ? "+" : "-") +
                            (controls.IsEnabled(spec.nId) ? "+" : "-"));
        return state;
    };
    for (const std::string strTyped : {"1969", "69", "1968", "68", "1967", "67"}) {
        for (const char* szFrom : {"1967", "1968", "1969"}) {
            PickYear(szFrom);
            FillDataFields();
            TypeYear(strTyped);  // typing still empties every data field
            ExpectDataFieldsEmpty();
            const auto typed = layout();
            PickYear(strTyped.size() == 2 ? "19" + strTyped : strTyped);
            EXPECT_EQ(layout(), typed) << szFrom << " then typed " << strTyped;
        }
    }
}

}  // namespace
}  // namespace vexlor::testing
