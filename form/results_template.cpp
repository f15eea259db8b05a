// Dialog 130, "Here is your car": the list of decode lines and the save button.
#include "form/program_texts.h"
#include "form/control_ids.h"
#include "form/control_table.h"

namespace vexlor {
namespace {

using K = ControlKind;

constexpr ControlSpec kControls[] = {
    {ctl::SaveToFile, K::PushButton, 15, 150, 95, 20, "Save data to a file", kNoList, kTabStop, "", 0},
    {ctl::Ok, K::PushButton, 205, 155, 40, 14, "BACK", kNoList, kDefaultButton | kTabStop, "", 0},
    // A leftover cancel button: created hidden and disabled, never shown.
    {ctl::Cancel, K::PushButton, 196, 155, 50, 14, "Exit", kNoList, kTabStop | kHidden | kDisabled, "", 0},
    {ctl::ResultsList, K::ListBox, 5, 5, 240, 130, "", kNoList, kVScroll | kExtendedSel | kNoBorder | kTabStop, "",
     0},
    {ctl::ResultsEmail, K::StaticText, 0, 135, 240, 8, kResultsEmailRequest, kNoList, kCentred, "", 0},
    // "Saved as ..." after each save, along the bottom edge under the buttons.
    {ctl::ResultsSaved, K::StaticText, 5, 170, 243, 8, "", kNoList, kNoPrefix, "", 0},
};

constexpr DialogTemplate kResults{
    130, "Here is your car", 253, 178, "MS Sans Serif", 12, kCaption | kSysMenu | kModalFrame | kResizable, kControls,
};

}  // namespace

const DialogTemplate& ResultsTemplate() { return kResults; }

}  // namespace vexlor
