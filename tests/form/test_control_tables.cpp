// The windows' control tables: every control where the window needs it, with
// its text, list, tool tip and flags.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "form/control_table.h"
#include "form/program_texts.h"

namespace vexlor {
namespace {

using K = ControlKind;
using Strings = std::vector<std::string>;

struct Row {
    int nId;
    ControlKind kind;
    int x, y, cx, cy;
    std::string strText;  // "*" for a text that only needs to be there
};

void ExpectControls(const DialogTemplate& dialog, const std::vector<Row>& rows) {
    ASSERT_EQ(dialog.controls.size(), rows.size()) << dialog.nId;
    for (size_t i = 0; i < rows.size(); ++i) {
        const ControlSpec& c = dialog.controls[i];
        const Row& r = rows[i];
        SCOPED_TRACE("dialog " + std::to_string(dialog.nId) + " control #" + std::to_string(i));
        EXPECT_EQ(std::tie(c.nId, c.kind, c.x, c.y, c.cx, c.cy), std::tie(r.nId, r.kind, r.x, r.y, r.cx, r.cy));
        if (r.strText != "*") {
            EXPECT_EQ(c.strText, r.strText);
        }
    }
}

Strings List(const DialogTemplate& dialog, int nId) {
    const ControlSpec* c = FindControl(dialog, nId);
    return c ? Strings(c->initialList.begin(), c->initialList.end()) : Strings{"absent"};
}

std::set<int> IdsWithFlag(const DialogTemplate& dialog, unsigned nFlag) {
    std::set<int> ids;
    for (const ControlSpec& c : dialog.controls) {
        if (c.nFlags & nFlag) ids.insert(c.nId);
    }
    return ids;
}

struct WindowCase {
    const DialogTemplate& (*get)();
    int nId;
    std::string strCaption;
    int cx, cy, nPointSize;
    unsigned nFlags;
};

TEST(ControlTables, WindowSizesFontsCaptionsAndFrames) {
    const std::vector<WindowCase> cases{
        {TagFormTemplate, 102, "Vexlor", 272, 158, 12, kCaption | kSysMenu | kMinimizeBox | kModalFrame | kTaskBar},
        {AboutTemplate, 100, "About Vexlor", 282, 156, 8, kCaption | kSysMenu | kModalFrame},
        {WebSitesTemplate, 131, "", 214, 212, 8, kModalFrame},
        {ResultsTemplate, 130, "Here is your car", 253, 178, 12, kCaption | kSysMenu | kModalFrame},
        {HelpDecodingTemplate, 146, "Help Decoding", 282, 146, 8, kCaption | kSysMenu | kModalFrame},
    };
    for (const WindowCase& w : cases) {
        const DialogTemplate& d = w.get();
        EXPECT_EQ(std::tie(d.nId, d.strCaption, d.cx, d.cy, d.strFontFace, d.nPointSize, d.nFlags),
                  std::tie(w.nId, w.strCaption, w.cx, w.cy, "MS Sans Serif", w.nPointSize, w.nFlags));
    }
}

TEST(ControlTables, TagFormControlsInTabOrder) {
    ExpectControls(TagFormTemplate(), {
        {1038, K::ComboBox, 69, 4, 30, 40, ""},
        {1022, K::ComboBox, 125, 4, 41, 77, ""},
        {1023, K::EditBox, 169, 3, 45, 12, ""},
        {1000, K::ComboBox, 45, 30, 37, 76, ""},
        {1001, K::EditBox, 195, 30, 40, 12, ""},
        {1002, K::ComboBox, 45, 50, 48, 45, ""},
        {1003, K::ComboBox, 110, 50, 29, 40, ""},
        {1004, K::EditBox, 150, 50, 55, 12, ""},
        {1005, K::ComboBox, 45, 65, 40, 65, ""},
        {1011, K::ComboBox, 100, 65, 20, 65, ""},
        {1006, K::ComboBox, 155, 65, 21, 65, ""},
        {1014, K::ComboBox, 188, 65, 21, 65, ""},
        {1015, K::EditBox, 45, 85, 29, 12, ""},
        {1016, K::EditBox, 90, 85, 29, 12, ""},
        {1017, K::EditBox, 135, 85, 29, 12, ""},
        {1018, K::EditBox, 55, 105, 29, 12, ""},
        {1019, K::EditBox, 100, 105, 29, 12, ""},
        {1007, K::ComboBox, 65, 85, 37, 76, ""},
        {1045, K::StaticText, 35, 90, 195, 40,
         "GENERAL MOTORS CORPORATION CERTIFIES TO THE DEALER THAT THIS VEHICLE CONFORMS TO ALL FEDERAL MOTOR VEHICLE "
         "SAFETY STANDARDS APPLICABLE AT TIME OF MANUFACTURE"},
        {1008, K::EditBox, 150, 85, 40, 12, ""},
        {3, K::PushButton, 5, 140, 45, 14, "Program Info"},
        {4, K::PushButton, 52, 140, 65, 14, "Favorite Web Sites"},
        {5, K::PushButton, 175, 140, 55, 14, "Clear All Values"},
        {1050, K::PushButton, 235, 140, 35, 14, "Decode"},
        {2, K::PushButton, 240, 20, 25, 14, "Exit"},
        {1043, K::StaticText, 30, 20, 207, 8, "GENERAL MOTORS CORPORATION"},
        {-1, K::StaticText, 20, 50, 10, 8, "ST"},
        {-1, K::StaticText, 20, 65, 10, 8, "TR"},
        {-1, K::StaticText, 142, 51, 8, 8, "-"},
        {-1, K::StaticText, 215, 50, 25, 8, "BODY"},
        {-1, K::StaticText, 215, 65, 20, 8, "PAINT"},
        {1039, K::StaticText, 80, 87, 8, 8, "2"},
        {1040, K::StaticText, 125, 87, 8, 8, "3"},
        {1041, K::StaticText, 45, 107, 8, 8, "4"},
        {1049, K::StaticText, 90, 66, 8, 8, "-"},
        {1044, K::StaticText, 70, 125, 130, 8, "BODY BY FISHER"},
        {-1, K::GroupBox, 10, 15, 250, 120, ""},
        {1012, K::RadioButton, 250, 120, 8, 8, ""},
        {1013, K::RadioButton, 15, 120, 10, 8, ""},
        {1042, K::StaticText, 90, 107, 8, 8, "5"},
        {-1, K::StaticText, 179, 66, 8, 8, "-"},
        {-1, K::StaticText, 105, 5, 20, 8, "Vin#:"},
        {1046, K::StaticText, 45, 100, 180, 8, "GENERAL MOTORS CORPORATION"},
        {1047, K::StaticText, 30, 109, 210, 16,
         "CERTIFIES TO THE DEALER THAT THIS VEHICLE CONFORMS TO ALL U.S. FEDERAL MOTOR VEHICLE SAFETY"},
        {1048, K::StaticText, 35, 125, 200, 8, "STANDARDS APPLICABLE AT TIME OF MANUFACTURE"},
        {-1, K::StaticText, 15, 6, 50, 8, "Year to decode:"},
        {6, K::PushButton, 240, 2, 25, 14, "Exit"},
        {1051, K::PushButton, 120, 140, 50, 14, "Help Decoding"},
    });
}

TEST(ControlTables, TagFormToolTipsOnlyOnTheNineteenDataFields) {
    const std::vector<std::pair<int, std::string>> tips{
        {1038, "Year of Camaro to decode"},
        {1022, "First half of VIN"},
        {1023, "Second half of VIN (sequential number)"},
        {1007, "Build Date"},
        {1000, "Build Date"},
        {1015, "Option Group One codes, should be letters"},
        {1016, "Option Group Two codes, should be letters"},
        {1017, "Option Group Three codes, should be letters"},
        {1018, "Option Group Four codes, should be letters"},
        {1019, "Option Group Five codes, should be letters"},
        {1002, "Body style"},
        {1005, "Interior Trim code"},
        {1003, "Assembly Plant"},
        {1004, "Body Number"},
        {1006, "Lower Paint Code"},
        {1014, "Top Paint Code"},
        {1011, "Seat style"},
        {1001, "NOR - Interior Paint code  /  LOS - Internal plant scheduling code"},
        {1008, "NOR - Option Codes  /  LOS - Internal plant scheduling code"},
    };
    size_t nWithTip = 0;
    for (const ControlSpec& c : TagFormTemplate().controls) nWithTip += c.strToolTip.empty() ? 0 : 1;
    EXPECT_EQ(nWithTip, tips.size());
    for (const auto& [nId, strTip] : tips) {
        const ControlSpec* c = FindControl(TagFormTemplate(), nId);
        ASSERT_NE(c, nullptr) << nId;
        EXPECT_EQ(c->strToolTip, strTip) << nId;
    }
}

// The build weeks August to July, five a month; the 1969 list adds the late week 04L.
Strings BuildWeeks(bool b69) {
    Strings weeks;
    for (const char* szMonth : {"08", "09", "10", "11", "12", "01", "02", "03", "04", "05", "06", "07"}) {
        for (char c = 'A'; c <= 'E'; ++c) weeks.push_back(szMonth + std::string(1, c));
        if (b69 && std::string(szMonth) == "04") weeks.push_back("04L");
    }
    return weeks;
}

TEST(ControlTables, TagFormInitialLists) {
    const DialogTemplate& form = TagFormTemplate();
    EXPECT_EQ(List(form, 1000), BuildWeeks(false));
    EXPECT_EQ(List(form, 1007), BuildWeeks(true));
    EXPECT_EQ(List(form, 1038), (Strings{"1967", "1968", "1969"}));
    EXPECT_EQ(List(form, 1022),
              (Strings{"123377N", "123377L", "123677N", "123677L", "124377N", "124377L", "124677N", "124677L"}));
    EXPECT_EQ(List(form, 1002), (Strings{"67-12437", "67-12467", "67-12637", "67-12667"}));
    EXPECT_EQ(List(form, 1003), (Strings{"NOR", "LOS"}));
    EXPECT_EQ(List(form, 1006), (Strings{"A", "C", "D", "E", "F", "G", "H", "K", "L", "M", "N", "R", "S", "T", "Y"}));
    size_t nWithList = 0;
    for (const ControlSpec& c : form.controls) nWithList += c.initialList.empty() ? 0 : 1;
    EXPECT_EQ(nWithList, 7u);
    EXPECT_EQ(FindControl(form, 1052), nullptr);
}

TEST(ControlTables, TagFormFlags) {
    const DialogTemplate& form = TagFormTemplate();
    EXPECT_EQ(IdsWithFlag(form, kSorted), (std::set<int>{1038, 1022, 1002, 1003, 1005, 1011, 1006, 1014}));
    // Hidden at start is exactly what the 1967 tag does not carry, and the never-shown Exit.
    EXPECT_EQ(IdsWithFlag(form, kHidden), (std::set<int>{1007, 1045, 1008, 2, 1046, 1047, 1048}));
    EXPECT_EQ(IdsWithFlag(form, kDisabled), (std::set<int>{2, 1012, 1013}));
    EXPECT_EQ(IdsWithFlag(form, kDefaultButton), (std::set<int>{3, 4, 5, 1050, 1051}));
    EXPECT_EQ(IdsWithFlag(form, kCentred), (std::set<int>{1045, 1043, 1044, 1046, 1047, 1048}));
    EXPECT_EQ(IdsWithFlag(form, kBitmapButton | kNoPrefix | kVScroll | kExtendedSel | kNoBorder), std::set<int>{});
    for (const ControlSpec& c : form.controls) {
        const bool bInput = c.kind == K::ComboBox || c.kind == K::EditBox || c.kind == K::PushButton;
        EXPECT_EQ((c.nFlags & kTabStop) != 0, bInput) << c.nId;
        EXPECT_EQ(c.nImage, 0) << c.nId;
    }
}

TEST(ControlTables, AboutDialog) {
    const DialogTemplate& about = AboutTemplate();
    ExpectControls(about, {
        {-1, K::Icon, 10, 10, 20, 20, ""},
        {1053, K::StaticText, 40, 5, 85, 8, "*"},
        {-1, K::StaticText, 40, 15, 75, 8, "*"},
        {1, K::PushButton, 225, 5, 50, 14, "OK"},
        {-1, K::StaticText, 40, 25, 90, 8, "*"},
        {-1, K::Picture, 120, 48, 153, 71, ""},
        {-1, K::StaticText, 10, 55, 95, 25, "*"},
        {-1, K::StaticText, 10, 120, 260, 25, "*"},
        {-1, K::StaticText, 10, 90, 95, 25, "*"},
        {-1, K::StaticText, 145, 27, 110, 8, "*"},
        {-1, K::StaticText, 40, 38, 200, 8, "*"},
        {-1, K::StaticText, 0, 148, 280, 8,
         "There are no guarantees as to the accuracy of the information provide by this program."},
        {-1, K::StaticText, 125, 0, 85, 25, "This program can only be used for US-built cars sold in US and Canada."},
    });
    for (size_t i : {2u, 4u, 6u, 7u, 8u, 9u, 10u}) EXPECT_FALSE(about.controls[i].strText.empty()) << i;
    EXPECT_EQ(about.controls[0].nImage, 128);
    EXPECT_EQ(about.controls[5].nImage, 144);
    EXPECT_EQ(about.controls[3].nFlags & kDefaultButton, kDefaultButton);
    EXPECT_EQ(about.controls[1].nFlags & kNoPrefix, kNoPrefix);
    EXPECT_EQ(about.controls[12].nFlags & (kNoPrefix | kCentred), kNoPrefix | kCentred);
    EXPECT_EQ(kAboutVersionLine, "Vexlor Version 3.68");
}

TEST(ControlTables, WebSitesDialog) {
    const DialogTemplate& sites = WebSitesTemplate();
    ExpectControls(sites, {
        {1, K::PushButton, 155, 130, 50, 14, "Back"},
        {1020, K::StaticText, 5, 5, 205, 20, "My Favorite Web Sites"},
        {-1, K::StaticText, 5, 160, 205, 20, "*"},
        {2, K::PushButton, 50, 30, 115, 40, "Go To VELK"},
        {4, K::PushButton, 50, 75, 115, 50, "Go To Sorvan"},
        {-1, K::StaticText, 0, 185, 210, 20,
         "There are no guarantees as to the accuracy of the information provide by this program."},
        {-1, K::StaticText, 5, 130, 130, 20, "This program can only be used for US-built cars sold in US and Canada."},
    });
    EXPECT_FALSE(sites.controls[2].strText.empty());
    EXPECT_EQ(IdsWithFlag(sites, kDefaultButton), (std::set<int>{1, 2, 4}));
    EXPECT_EQ(IdsWithFlag(sites, kGroupStart), (std::set<int>{1, 2, 4}));
    EXPECT_EQ(IdsWithFlag(sites, kBitmapButton), (std::set<int>{2, 4}));
    EXPECT_EQ(FindControl(sites, 2)->nImage, 132);
    EXPECT_EQ(FindControl(sites, 4)->nImage, 141);
}

TEST(ControlTables, ResultsWindow) {
    const DialogTemplate& results = ResultsTemplate();
    ExpectControls(results, {
        {1018, K::PushButton, 15, 150, 95, 20, "Save data to a file"},
        {1, K::PushButton, 205, 155, 40, 14, "BACK"},
        {2, K::PushButton, 196, 155, 50, 14, "Exit"},
        {1017, K::ListBox, 5, 5, 240, 130, ""},
        {1051, K::StaticText, 0, 135, 240, 8, "Please e-mail this information to VELK at velk@example.org"},
    });
    EXPECT_EQ(IdsWithFlag(results, kDefaultButton), (std::set<int>{1}));
    EXPECT_EQ(IdsWithFlag(results, kHidden), (std::set<int>{2}));
    EXPECT_EQ(IdsWithFlag(results, kDisabled), (std::set<int>{2}));
    EXPECT_EQ(FindControl(results, 1017)->nFlags & (kVScroll | kExtendedSel | kNoBorder | kSorted),
              kVScroll | kExtendedSel | kNoBorder);
}

TEST(ControlTables, HelpDecodingDialog) {
    const DialogTemplate& help = HelpDecodingTemplate();
    ExpectControls(help, {
        {1, K::PushButton, 5, 5, 270, 110, "OK"},
        {2, K::PushButton, 235, 125, 40, 14, "Cancel"},
        {-1, K::StaticText, 20, 128, 205, 9, "Click on the tag and the tags data will be filled in."},
    });
    EXPECT_EQ(IdsWithFlag(help, kBitmapButton), (std::set<int>{1}));
    EXPECT_EQ(IdsWithFlag(help, kTabStop), (std::set<int>{1, 2}));
    EXPECT_EQ(FindControl(help, 1)->nImage, 147);
}

}  // namespace
}  // namespace vexlor
