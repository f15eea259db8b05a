// The pick-lists that follow the year, the VIN and the style, the fields that
// depend on a pick, and the request for the body style first.
#include <algorithm>
#include <array>
#include <set>

#include "decoder/decode.h"
#include "form_fixture.h"

namespace vexlor::testing {
namespace {

using T = TagForm;
using Handler = void (TagForm::*)();
const Message kStyleRequest{"Please select the body style (ST) first.", "Vexlor"};

// The year text and the boxes before (an entry the user picked is selected), a handler and the boxes after.
using Boxes = std::map<int, std::string>;
struct Case { const char* szYear; Boxes before; Handler handler; Boxes after; };

// Each case starts from the window as built; boxes are written as FakeFormControls::SetBox reads them.
TEST_F(FormTest, ListsAndTheFieldsThatDependOnAPick) {
    const Handler style = &T::FillStyleList, plant = &T::FillPlantList, top = &T::FillTopPaintList;
    const Handler seat = &T::FillSeatList, vinPick = &T::OnVinPrefixSelChange, stylePick = &T::OnStyleSelChange;
    const Handler plantPick = &T::OnPlantSelChange, lowerPick = &T::OnLowerPaintSelChange;
    const Case cases[] = {
        // The styles of the year and the VIN's body digit; another maker's prefix or no year leaves the list.
        {"1968", {}, style, {{1002, "[68-12437,68-12467]"}}},
        {"1967", {{1022, "123377n"}}, style, {{1002, "[67-12437,67-12637]"}}},
        {"1969", {{1022, "12x"}}, style, {{1002, "[69-12467]"}}},
        {"1968", {{1022, "21"}, {1002, "[OLD]"}}, style, {{1002, "[OLD]"}}},
        {"1970", {{1002, "[OLD]"}}, style, {{1002, "[OLD]"}}},
        // The plants the VIN's plant letter allows; field 1001 off for a 1968 Norwood car.
        {"1969", {{1022, "124679L"}, {1001, "X4 off"}}, plant, {{1003, "[LOS,VN]"}, {1001, "X4"}}},
        {"68", {{1022, "12"}, {1001, "X4"}}, plant, {{1003, "[NOR]"}, {1001, " off"}}},
        {"1969", {{1022, "124679n"}, {1001, " off"}}, plant, {{1003, "[NOR]"}, {1001, ""}}},
        {"1967", {{1022, "99"}, {1003, "[OLD]"}, {1001, " off"}}, plant, {{1003, "[OLD]"}, {1001, " off"}}},
        // Without a VIN prefix a list of two or more stays, but in 1969.
        {"1968", {{1003, "[LOS,VN]"}, {1001, " off"}}, plant, {{1003, "[LOS,VN]"}, {1001, " off"}}},
        {"1968", {{1003, "[NOR]"}, {1001, " off"}}, plant, {{1003, "[LOS,NOR]"}, {1001, ""}}},
        {"1969", {{1003, "[LOS,NOR]"}}, plant, {{1003, "[LOS,NOR,VN]"}}},
        // Picks in 1968: 1001 off for a Norwood car, by the VIN's plant letter or else the plant picked.
        {"1968", {{1001, "X4"}, {1003, "[NOR*]"}}, plantPick, {{1001, "X4 off"}}},
        {"68", {{1001, " off"}, {1003, "[VN*]"}}, plantPick, {{1001, ""}}},
        {"1968", {{1001, " off"}, {1003, "[NOR*]"}, {1022, "124378L"}}, plantPick, {{1001, ""}}},
        {"1968", {{1003, "[LOS*]"}, {1022, "124378n"}}, plantPick, {{1001, " off"}}},
        {"1967", {{1003, "[NOR*]"}}, plantPick, {{1001, ""}}},
        {"1968", {{1022, "[124378n*]"}}, vinPick, {{1001, " off"}}},
        {"1968", {{1001, " off"}, {1022, "[124378L*]"}}, vinPick, {{1001, ""}}},
        {"1969", {{1022, "[124379N*]"}}, vinPick, {{1001, ""}}},
        // A VIN prefix picked: the plant its letters allow, the style of its body digit, the top of its body.
        {"1967", {{1002, "67-12437"}, {1014, "2"}, {1022, "[124677N*]"}}, vinPick, {{1002, ""}, {1014, "2"}}},
        {"1967", {{1002, "67-12467"}, {1003, "LOS"}, {1022, "[124677N*]"}}, vinPick, {{1002, "67-12467"}, {1003, ""}}},
        {"1967", {{1003, "NOR"}, {1014, "6[2,6]"}, {1022, "[124677N*]"}}, vinPick, {{1003, "NOR"}, {1014, " "}}},
        {"1967", {{1003, "VN"}, {1022, "[124677l*]"}}, vinPick, {{1003, "VN"}}},
        {"1967", {{1003, "LOS"}, {1014, "Q"}, {1022, "[*]"}}, vinPick, {{1003, "LOS"}, {1014, "Q"}}},
        // A style picked: the top of its body (its 7th character); a lower paint picked: the top is reset.
        {"1967", {{1002, "[67-12467*]"}, {1014, "6"}}, stylePick, {{1014, " "}}},
        {"1967", {{1002, "[67-12667*]"}, {1014, "4"}}, stylePick, {{1014, "4"}}},
        {"1967", {{1002, "[*]"}, {1014, "2"}}, stylePick, {{1014, " "}}},
        {"1970", {{1002, "[67-12437*]"}, {1014, "2"}}, stylePick, {{1014, " "}}},
        {"1967", {{1006, "[R*]"}, {1014, "R[2,6,R]"}}, lowerPick, {{1014, " "}}},
        // No entry picked, or a stale selection past the list's end: no pick.
        {"1968", {{1003, "LOS"}, {1014, "Q"}, {1001, " off"}}, vinPick, {{1003, "LOS"}, {1014, "Q"}, {1001, " off"}}},
        {"1968", {{1001, " off"}, {1003, "[LOS]*"}}, plantPick, {{1001, " off"}}},
        // The tops that fit, in the rule's order; no year leaves the list.
        {"1967", {{1002, "67-12437"}, {1006, "R"}, {1014, "[OLD]"}}, top, {{1014, "[2,6,R]"}}},
        {"67", {{1002, "67-12667"}}, top, {{1014, "[1,2,4]"}}},
        {"1969", {{1002, "69-12437"}, {1006, "53"}}, top, {{1014, "[B,C,E,F,S,53,50,51]"}}},
        {"69", {{1002, "12467"}}, top, {{1014, "[A,B]"}}},
        {"1970", {{1002, "67-12437"}, {1014, "[OLD]"}}, top, {{1014, "[OLD]"}}},
        // The seat letters of style and trim code (read as a number), whatever the year.
        {"1967", {{1002, "67-12437"}, {1005, "716"}}, seat, {{1011, "[H,T]"}}},
        {"1969", {{1002, "67-12637"}, {1005, "760"}}, seat, {{1011, "[Y,Z]"}}},
        {"1970", {{1002, "12437"}, {1005, " +0716X"}}, seat, {{1011, "[H,T]"}}},
        {"1967", {{1002, "67-12437"}, {1005, "720"}, {1011, "[OLD]"}}, seat, {{1011, ""}}},
        {"1968", {{1002, "67-12467"}}, seat, {{1011, "[Y,Z]"}}},
        {"1967", {{1002, "67-12437 "}, {1005, "716"}}, seat, {{1011, ""}}},
    };
    for (const Case& c : cases) {
        controls.all = FakeFormControls().all;
        controls.SetBox(ctl::Year, c.szYear);
        for (const auto& [nId, strState] : c.before) controls.SetBox(nId, strState);
        (form.*c.handler)();
        for (const auto& [nId, strState] : c.after) EXPECT_EQ(controls.Box(nId), strState) << c.szYear << " " << nId;
    }
}

// The VIN prefix, trim and lower paint lists of a year: one representative code each, none twice; none without a year.
TEST_F(FormTest, YearBoundListsHoldTheYearsCodesOnce) {
    const std::pair<const char*, Codes> cases[] = {
        {"1967", {"123677L", "760", "O"}}, {"68", {"124678N", "749", "Z"}}, {"1969", {"123379L", "729", "53"}},
        {"1970", {}}};
    for (const auto& [szYear, entries] : cases) {
        controls.SetBox(ctl::Year, szYear);
        controls.SetBox(ctl::Style, "67-12667");  // any style: it does not narrow the trims
        form.FillVinPrefixList(), form.FillTrimList(), form.FillLowerPaintList();
        for (size_t i = 0; i < 3; ++i) {  // a VIN prefix, a trim and a lower paint of the year
            const Codes list = controls.GetList(std::array{ctl::VinPrefix, ctl::Trim, ctl::LowerPaint}[i]);
            EXPECT_TRUE(std::set(list.begin(), list.end()).size() == list.size() && list.empty() == entries.empty());
            EXPECT_TRUE(entries.empty() || std::count(list.begin(), list.end(), entries[i]) == 1) << szYear << i;
        }
    }
}

// One request per cause (1 top paint, 2-4 trims of 1967-1969, 5 seat), also while the focus moves on, until
// the style box is found filled or the form is cleared: tabbing through never sends the user back again and again.
TEST_F(FormTest, EmptyStyleIsAskedForOncePerCauseAndTakesTheFocus) {
    const Handler trim = &T::FillTrimList, top = &T::FillTopPaintList, seat = &T::FillSeatList, clear = &T::OnClearAll;
    const struct { const char* szYear; const char* szStyle; Handler fill; int nCause; bool bAsks; } steps[] = {
        {"1967", "", trim, 2, true},  {"1967", "", trim, 2, false},  {"1970", "", top, 1, true},
        {"68", "", trim, 3, true},    {"1969", "", trim, 4, true},   {"1970", "", seat, 5, true},
        {"1967", "", seat, 5, false}, {"1967", "", trim, 5, false},  {"1967", "67-12437", seat, 5, false},
        {"1967", "", seat, 5, true},  {"1967", "", trim, 2, true},   {"1967", "", clear, 2, false},
        {"1967", "", trim, 2, true},  {"1967", "", top, 1, true},    {"1967", "", top, 1, false}};
    size_t nMessages = 0;
    for (const auto& s : steps) {
        controls.SetBox(ctl::Year, s.szYear);
        controls.SetBox(ctl::Style, s.szStyle);
        controls.focusMoves.clear();
        (form.*s.fill)();
        nMessages += s.bAsks;
        EXPECT_EQ(form.StyleGuard(), s.nCause);
        EXPECT_EQ(controls.messages, std::vector<Message>(nMessages, kStyleRequest));
        EXPECT_EQ(controls.focusMoves, s.bAsks ? std::vector{ctl::Style} : std::vector<int>{});
    }
    form.OnClearAll();
    form.RequireStyle(0), form.RequireStyle(32);  // no such cause: nothing asked
    EXPECT_EQ(controls.messages.size(), nMessages);
    controls.onFocus = [this](int) { form.FillTrimList(); };  // the style box passes the focus on at once
    form.FillTrimList();  // 1967
    EXPECT_EQ(controls.messages.size(), nMessages + 1);
}

}  // namespace
}  // namespace vexlor::testing
