// The accessible names, mnemonics and label buddies of the five windows.
#include "form/accessible_texts.h"

#include "form/control_ids.h"

namespace vexlor {
namespace {

// A control of a window: its name for screen readers (empty: its text) and
// the letter of its text that is its mnemonic (0: none).
struct AccessibleRow {
    int nDialog;
    int nId;
    std::string_view strName;
    char cMnemonic;
};

constexpr int kTagForm = 102, kAbout = 100, kWebSites = 131, kResults = 130, kHelp = 146;
constexpr int kWindow = 0;  // the row of the window itself

constexpr AccessibleRow kRows[] = {
    {kTagForm, ctl::Year, "Model year", 0},
    {kTagForm, ctl::VinPrefix, "VIN, first half", 0},
    {kTagForm, ctl::Serial, "VIN, sequence number", 0},
    {kTagForm, ctl::BuildDate, "Build date", 0},
    {kTagForm, ctl::CodeField, "Interior paint or scheduling code", 0},
    {kTagForm, ctl::Style, "Body style", 0},
    {kTagForm, ctl::Plant, "Assembly plant", 0},
    {kTagForm, ctl::BodyNumber, "Body number", 0},
    {kTagForm, ctl::Trim, "Trim code", 0},
    {kTagForm, ctl::Seat, "Seat style", 0},
    {kTagForm, ctl::LowerPaint, "Lower paint", 0},
    {kTagForm, ctl::TopPaint, "Top paint", 0},
    {kTagForm, ctl::Group1, "Option group 1", 0},
    {kTagForm, ctl::Group2, "Option group 2", 0},
    {kTagForm, ctl::Group3, "Option group 3", 0},
    {kTagForm, ctl::Group4, "Option group 4", 0},
    {kTagForm, ctl::Group5, "Option group 5", 0},
    {kTagForm, ctl::BuildDate69, "Build date", 0},
    {kTagForm, ctl::Code69, "Option or scheduling code", 0},
    {kTagForm, ctl::ProgramInfo, "", 'P'},
    {kTagForm, ctl::FavoriteWebSites, "", 'F'},
    {kTagForm, ctl::ClearAll, "", 'C'},
    {kTagForm, ctl::Decode, "", 'D'},
    {kTagForm, ctl::ExitButton, "", 'x'},
    {kTagForm, ctl::HelpDecoding, "", 'H'},
    {kAbout, ctl::Ok, "", 'O'},
    {kWebSites, kWindow, "Favorite Web Sites", 0},
    {kWebSites, ctl::Ok, "", 'B'},
    {kResults, ctl::SaveToFile, "", 'S'},
    {kResults, ctl::Ok, "", 'B'},
    {kResults, ctl::ResultsList, "Decode results", 0},
    {kHelp, ctl::Ok, "Sample tag: press to fill in the form", 0},
    {kHelp, ctl::Cancel, "", 'C'},
};

// A fixed label of the tag form and the field beside it that it names.
struct BuddyRow {
    std::string_view strLabel;
    int nField;
    char cMnemonic;
};

constexpr BuddyRow kBuddies[] = {
    {"Year to decode:", ctl::Year, 'Y'}, {"Vin#:", ctl::VinPrefix, 'V'}, {"ST", ctl::Style, 0},
    {"TR", ctl::Trim, 0},                {"BODY", ctl::BodyNumber, 0},   {"PAINT", ctl::LowerPaint, 0},
    {"2", ctl::Group2, 0},               {"3", ctl::Group3, 0},          {"4", ctl::Group4, 0},
    {"5", ctl::Group5, 0},
};

const AccessibleRow* FindRow(int nDialog, int nId) {
    for (const AccessibleRow& row : kRows) {
        if (row.nDialog == nDialog && row.nId == nId) return &row;
    }
    return nullptr;
}

const BuddyRow* FindBuddyRow(const DialogTemplate& dialog, const ControlSpec& label) {
    if (dialog.nId != kTagForm || label.kind != ControlKind::StaticText) return nullptr;
    for (const BuddyRow& row : kBuddies) {
        if (row.strLabel == label.strText) return &row;
    }
    return nullptr;
}

}  // namespace

std::string_view AccessibleName(const DialogTemplate& dialog, const ControlSpec& control) {
    if (control.nId == ctl::None) return {};
    const AccessibleRow* row = FindRow(dialog.nId, control.nId);
    return row ? row->strName : std::string_view{};
}

std::string_view WindowAccessibleName(const DialogTemplate& dialog) {
    if (!dialog.strCaption.empty()) return dialog.strCaption;
    const AccessibleRow* row = FindRow(dialog.nId, kWindow);
    return row ? row->strName : std::string_view{};
}

std::string MnemonicText(const DialogTemplate& dialog, const ControlSpec& control) {
    char cLetter = 0;
    if (const BuddyRow* buddy = FindBuddyRow(dialog, control)) {
        cLetter = buddy->cMnemonic;
    } else if (const AccessibleRow* row = control.nId == ctl::None ? nullptr : FindRow(dialog.nId, control.nId)) {
        cLetter = row->cMnemonic;
    }
    std::string strOut;
    bool bMarked = cLetter == 0;
    for (char c : control.strText) {
        if (c == '&') strOut += '&';
        if (!bMarked && c == cLetter) {
            strOut += '&';
            bMarked = true;
        }
        strOut += c;
    }
    return strOut;
}

int BuddyOf(const DialogTemplate& dialog, const ControlSpec& label) {
    const BuddyRow* row = FindBuddyRow(dialog, label);
    return row ? row->nField : ctl::None;
}

bool IsDecoration(const ControlSpec& control) {
    return control.kind == ControlKind::GroupBox || control.kind == ControlKind::RadioButton;
}

}  // namespace vexlor
