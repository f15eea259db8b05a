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
        controls.SetText(ctl::Year, std::string("196") + char('7' + nIndex));
        controls.SetCurSel(ctl::Year, nIndex);
        form.OnYearSelChange(nIndex);
    }
    // Typing, one key at a time: the handler runs after each key.
    void Type(const std::string& strYear) {
        for (size_t n = 1; n <= strYear.size(); ++n) {
            controls.SetText(ctl::Year, strYear.substr(0, n));
            form.OnYearEditChange();
        }
    }
};

TEST_F(UndoTest, UndoPutsBackTheYearLayoutAndFieldsAfterAYearChangeOrClearAll) {
    // The sample tag, or a year picked over it and a body number; then a pick, typing or (neither) Clear All.
    const struct { int nPicked; int nThenPicked; const char* szTyped; } cases[] = {
        {-1, 2, nullptr}, {1, 1, nullptr}, {0, -1, "67 "}, {1, -1, nullptr}, {2, -1, "1967"}};
    for (const auto& c : cases) {
        form.OnHelpDecoding(true);
        if (c.nPicked >= 0) Pick(c.nPicked), controls.SetText(ctl::BodyNumber, "N123456");
        const auto before = controls.all;
        c.szTyped ? Type(c.szTyped) : c.nThenPicked >= 0 ? Pick(c.nThenPicked) : form.OnClearAll();
        EXPECT_TRUE(controls.GetText(ctl::BodyNumber).empty() && form.UndoOffered());
        form.OnUndo();
        EXPECT_EQ(controls.all, before) << c.nPicked << " " << c.nThenPicked;
        EXPECT_FALSE(form.UndoOffered());
    }
    Pick(0);  // the next change starts from the year put back
    form.OnUndo();
    EXPECT_EQ(controls.GetText(ctl::Year), "1969");
    EXPECT_EQ(offers, (std::vector<bool>{true, false, true, false, true, false, true, false, true, false, true, false}));
}

TEST_F(UndoTest, NothingIsOfferedWhenNothingWasEmptiedAndTheOfferEndsAtTheNextEditOfADataField) {
    form.OnClearAll();
    Pick(1);
    Type("69");
    EXPECT_FALSE(form.UndoOffered());
    for (bool bSample : {false, true}) {
        controls.SetText(ctl::Trim, "711");
        form.OnClearAll();
        Type("1969");  // changing the year again keeps the offer: nothing more was lost
        ASSERT_TRUE(form.UndoOffered());
        controls.SetText(ctl::Style, "67-12437");
        bSample ? form.OnHelpDecoding(true) : form.OnDataFieldEdit();
        const auto edited = controls.all;
        form.OnUndo();
        EXPECT_EQ(controls.all, edited);
    }
    Pick(1);  // from the sample tag's year
    form.OnUndo();
    EXPECT_EQ(controls.GetText(ctl::Year), "1967");
    EXPECT_EQ(offers, (std::vector<bool>{true, false, true, false, true, false}));
}

}  // namespace
}  // namespace vexlor::testing
