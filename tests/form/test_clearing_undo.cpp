// Taking back a clearing: a change of year, picked or typed, and Clear All
// offer to put the form back as it was; nothing is offered when nothing was
// emptied, and the offer ends at the next edit of a data field.
#include "form_fixture.h"

namespace vexlor::testing {
namespace {

struct UndoTest : FormTest {
    std::vector<bool> offers;  // what the listener was told, in order
    UndoTest() { form.SetUndoListener([this](bool bOffered) { offers.push_back(bOffered); }); }

    // A pick from the year list: the box shows the entry before the handler runs.
    void Pick(int nIndex) {
        controls.all[ctl::Year].strText = std::string("196") + char('7' + nIndex);
        controls.all[ctl::Year].nCurSel = nIndex;
        form.OnYearSelChange(nIndex);
    }
    // Typing, one key at a time: the handler runs after each key.
    void Type(const std::string& strYear) {
        for (size_t n = 1; n <= strYear.size(); ++n) {
            controls.all[ctl::Year].strText = strYear.substr(0, n);
            form.OnYearEditChange();
        }
    }
};

TEST_F(UndoTest, UndoPutsBackTheYearLayoutAndFieldsAfterAYearChangeOrClearAll) {
    const struct { int nPicked; const char* szTyped; int nThenPicked; } cases[] = {
        {-1, nullptr, 2},     // the sample tag as the window shows it, then 1969 picked
        {1, nullptr, 1},      // 1968, then 1968 picked again
        {2, "1967", -1},      // 1969, then "1967" typed over it
        {0, "67 ", -1},       // 1967, then a text that is no year
        {1, nullptr, -1},     // 1968, then Clear All
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.nPicked) + (c.szTyped ? c.szTyped : "") + std::to_string(c.nThenPicked));
        form.OnHelpDecoding(true);
        if (c.nPicked >= 0) {
            Pick(c.nPicked);
            controls.SetText(ctl::BodyNumber, "N123456");
        }
        const auto before = controls.all;
        if (c.szTyped) Type(c.szTyped);
        else if (c.nThenPicked >= 0) Pick(c.nThenPicked);
        else form.OnClearAll();
        EXPECT_EQ(controls.GetText(ctl::BodyNumber), "");
        ASSERT_TRUE(form.UndoOffered());
        form.OnUndo();
        EXPECT_EQ(controls.all, before);
        EXPECT_FALSE(form.UndoOffered());
    }
    EXPECT_EQ(offers, (std::vector<bool>{true, false, true, false, true, false, true, false, true, false}));
}

TEST_F(UndoTest, NothingIsOfferedWhenNothingWasEmptied) {
    form.OnClearAll();
    Pick(1);
    Type("69");
    EXPECT_FALSE(form.UndoOffered());
    EXPECT_TRUE(offers.empty());
}

TEST_F(UndoTest, TheOfferEndsAtTheNextEditOfADataField) {
    for (bool bSample : {false, true}) {
        controls.SetText(ctl::Trim, "711");
        form.OnClearAll();
        Type("1969");  // changing the year again keeps the offer: nothing more was lost
        ASSERT_TRUE(form.UndoOffered());
        controls.SetText(ctl::Style, "67-12437");
        bSample ? form.OnHelpDecoding(true) : form.OnDataFieldEdit();
        EXPECT_FALSE(form.UndoOffered());
        const auto edited = controls.all;
        form.OnUndo();
        EXPECT_EQ(controls.all, edited);
    }
    EXPECT_EQ(offers, (std::vector<bool>{true, false, true, false}));
}

}  // namespace
}  // namespace vexlor::testing
