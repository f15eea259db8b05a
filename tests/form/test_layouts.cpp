// The windows' control tables, the tag form's start state, its three year
// layouts picked and typed, Clear All, the sample tag, and handing the form to
// the decoder.
#include <algorithm>
#include <climits>
#include <map>
#include <set>

#include "decoder/decode.h"
#include "form/accessible_texts.h"
#include "form_fixture.h"

namespace vexlor::testing {
namespace {

// Invariants of the control tables, whatever the number and place of the controls.
TEST(ControlTables, Invariants) {
    std::set<int> dataFields, withToolTip;
    for (const FieldControl& f : kFieldControls) dataFields.insert(f.nControlId);
    for (auto window : {TagFormTemplate, AboutTemplate, WebSitesTemplate, ResultsTemplate, HelpDecodingTemplate}) {
        const DialogTemplate& dialog = window();
        std::set<int> ids;
        std::set<char> mnemonics;  // no two controls of a window share one
        for (const ControlSpec& c : dialog.controls) {
            const std::string strMarked = MnemonicText(dialog, c);
            if (const size_t n = strMarked.find('&'); n != std::string::npos) {
                EXPECT_TRUE(mnemonics.insert(static_cast<char>(std::toupper(strMarked.at(n + 1)))).second);
            }
            // Every box a screen reader reaches is named for what it holds; a label names the field beside it.
            const bool bBox = c.kind == ControlKind::ComboBox || c.kind == ControlKind::EditBox;
            EXPECT_TRUE(!bBox || !AccessibleName(dialog, c).empty());
            EXPECT_TRUE(BuddyOf(dialog, c) == ctl::None || FindControl(dialog, BuddyOf(dialog, c)));
            SCOPED_TRACE(std::to_string(dialog.nId) + "/" + std::to_string(c.nId) + " " + std::string(c.strText));
            EXPECT_TRUE(c.nId == ctl::None || ids.insert(c.nId).second);
            // A combo's height includes its dropped list, which may reach beyond the window.
            const int nHeight = c.kind == ControlKind::ComboBox ? 12 : c.cy;
            EXPECT_TRUE(c.x >= 0 && c.y >= 0 && c.cx > 0 && c.cy > 0);
            EXPECT_TRUE(c.x + c.cx <= dialog.cx && c.y + nHeight <= dialog.cy);
            EXPECT_EQ(std::set(c.initialList.begin(), c.initialList.end()).size(), c.initialList.size());
            EXPECT_TRUE(dialog.nId == 102 || c.strToolTip.empty());
            if (dialog.nId != 102) continue;
            // The tag form: every box keeps its list sorted but the two build-date boxes.
            const bool bDateBox = c.nId == ctl::BuildDate || c.nId == ctl::BuildDate69;
            EXPECT_EQ((c.nFlags & kSorted) != 0, c.kind == ControlKind::ComboBox && !bDateBox);
            if (!c.strToolTip.empty()) withToolTip.insert(c.nId);
        }
    }
    EXPECT_EQ(withToolTip, dataFields);  // on the tag form's data fields only
    const ControlSpec kYearLabel = *std::ranges::find(TagFormTemplate().controls, "Year to decode:", &ControlSpec::strText);
    ControlSpec button = *FindControl(TagFormTemplate(), ctl::Decode);
    EXPECT_EQ(MnemonicText(TagFormTemplate(), button) + " " + MnemonicText(TagFormTemplate(), kYearLabel),
              "&Decode &Year to decode:");
    EXPECT_EQ(BuddyOf(TagFormTemplate(), kYearLabel), ctl::Year);
    button.strText = "R&D";  // a "&" of the text itself is doubled
    EXPECT_EQ(MnemonicText(TagFormTemplate(), button), "R&&&D");
    button.strText = kYearLabel.strText;  // only a fixed label names a field
    EXPECT_EQ(BuddyOf(TagFormTemplate(), button), ctl::None);
    // The build weeks of 1969 add the late-April week "04L" to those of 1967 and 1968, after "04E".
    const std::span<const std::string_view> dates = FindControl(TagFormTemplate(), ctl::BuildDate)->initialList;
    std::vector<std::string_view> weeks(dates.begin(), dates.end());
    weeks.insert(std::find(weeks.begin(), weeks.end(), "04E") + 1, "04L");
    EXPECT_EQ(weeks.size(), 61u);
    EXPECT_TRUE(std::ranges::equal(weeks, FindControl(TagFormTemplate(), ctl::BuildDate69)->initialList));
}

// What each year's tag lacks, hidden besides the never-shown Exit 2.
const std::map<int, std::set<int>> kLacks{
    {1967, {1007, 1008, 1045, 1046, 1047, 1048}},
    {1968, {1007, 1008, 1046, 1047, 1048, 1015, 1016, 1017, 1018, 1019, 1039, 1040, 1041, 1042, 1011, 1049, 1044}},
    {1969, {1000, 1001, 1045, 1015, 1016, 1017, 1018, 1019, 1039, 1040, 1041, 1042, 1011, 1049, 1044}}};

// A layout applied also disables what it hides; the template's start state only hides.
void ExpectLayout(const FakeFormControls& controls, int nYear, bool bApplied = true) {
    for (const auto& [nId, c] : controls.all) {
        EXPECT_EQ(c.bShown, nId != ctl::HiddenExit && !kLacks.at(nYear).count(nId)) << nYear << ": " << nId;
        EXPECT_TRUE(!bApplied || c.bEnabled == (c.bShown && nId != ctl::RivetLeft && nId != ctl::RivetRight)) << nId;
    }
    EXPECT_EQ(controls.GetText(ctl::TopLegend), nYear == 1967 ? "GENERAL MOTORS CORPORATION" : "BODY BY FISHER");
}

// The data fields, every field of the tag but the year box: their texts, after setting them all to strNew.
Codes DataTexts(FakeFormControls& controls, const char* szNew = nullptr) {
    Codes texts;
    for (const FieldControl& c : kFieldControls) {
        if (szNew && c.nControlId != ctl::Year) controls.all.at(c.nControlId).strText = szNew;
        if (c.nControlId != ctl::Year) texts.push_back(controls.GetText(c.nControlId));
    }
    return texts;
}

TEST_F(FormTest, StartsAs1967TagThenAPickedYearTakesItsLayoutAndEmptiesTheDataFields) {
    FakeFormControls built;  // as the window was built from the template: the year text is all that changes
    built.all[ctl::Year].strText = "1967";
    EXPECT_EQ(controls.all, built.all);
    ExpectLayout(controls, 1967, false);
    for (const auto& [nFrom, nIndex] : {std::pair{1967, 1}, {1968, 2}, {1969, 2}, {1969, 0}, {1968, 0}, {1967, 0},
                                        {1969, -1}, {1969, 3}, {1969, INT_MIN}}) {  // no entry: the layout stays
        form.OnYearSelChange(nFrom - 1967);
        DataTexts(controls, "X");
        form.OnYearSelChange(nIndex);
        ExpectLayout(controls, nIndex >= 0 && nIndex <= 2 ? 1967 + nIndex : nFrom);
        EXPECT_EQ(DataTexts(controls), Codes(18, ""));
    }
}

// A typed year takes exactly the layout its pick takes, any other text keeps the layout; typing and Clear All
// empty every data field.
TEST_F(FormTest, TypingAYearAndClearAll) {
    const struct { int nFrom; const char* szTyped; int nLayout; } cases[] = {
        {1967, "1968", 1968}, {1967, "68", 1968}, {1967, "69", 1969}, {1967, " 1968", 1967}, {1967, "1970", 1967},
        {1969, "67", 1967},   {1969, "1967", 1967}, {1968, "1969", 1969}, {1969, "1968 ", 1969}, {1969, nullptr, 1969}};
    for (const auto& c : cases) {  // nullptr: Clear All
        controls.all[ctl::Year].strText = c.szTyped ? c.szTyped : "sixty-nine";
        form.OnYearSelChange(c.nLayout - 1967);
        const auto expected = controls.all;  // as a pick of that year leaves the form
        form.OnYearSelChange(c.nFrom - 1967);
        DataTexts(controls, "1967, ,\t\xe9");
        c.szTyped ? form.OnYearEditChange() : form.OnClearAll();
        EXPECT_EQ(controls.all, expected) << c.nFrom << " then " << (c.szTyped ? c.szTyped : "Clear All");
    }
}

TEST_F(FormTest, SampleTakesThe1967LayoutAndAValueForEveryDataFieldAndDecodes) {
    form.OnYearSelChange(2);
    controls.all[ctl::Year].strText = "69";
    DataTexts(controls, "typed before");
    const auto before = controls.all;
    form.OnHelpDecoding(false);  // cancelled
    EXPECT_EQ(controls.all, before);
    form.OnHelpDecoding(true);
    EXPECT_EQ(controls.GetText(ctl::Year), "1967");
    ExpectLayout(controls, 1967);
    EXPECT_EQ(DataTexts(controls), (Codes{"", "", "01A", "D", "67-12437", "NOR", "65727", "741", "Z", "R", "R", "W",
                                          "E", "L", "", "", "", ""}));
    EXPECT_EQ(form.DecodeForm(), Decode(SampleTagFields()));
    controls.all[ctl::Year].strText = "1967 ";  // no year: a message, no decode
    const auto sample = controls.all;
    EXPECT_EQ(form.DecodeForm(), std::nullopt);
    EXPECT_EQ(controls.all, sample);
    EXPECT_EQ(controls.messages,
              (std::vector<Message>{{"Please select the model year (1967, 1968 or 1969).", "Vexlor"}}));
}

}  // namespace
}  // namespace vexlor::testing
