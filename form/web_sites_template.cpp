// Dialog 131, Favorite Web Sites: two picture buttons that open the research
// group's and the partner club's sites. No caption: it cannot be moved.
#include "form/program_texts.h"
#include "form/control_ids.h"
#include "form/control_table.h"

namespace vexlor {
namespace {

using K = ControlKind;
constexpr unsigned kGroupButton = kDefaultButton | kGroupStart | kTabStop;

constexpr ControlSpec kControls[] = {
    {ctl::Ok, K::PushButton, 155, 130, 50, 14, "Back", kNoList, kGroupButton, "", 0},
    {ctl::WebHeading, K::StaticText, 5, 5, 205, 20, "My Favorite Web Sites", kNoList, kCentred, "", 0},
    {ctl::None, K::StaticText, 5, 160, 205, 20, kDialogEmailRequest, kNoList, kCentred, "", 0},
    {ctl::GoToVelk, K::PushButton, 50, 30, 115, 40, "Go To VELK", kNoList, kGroupButton | kBitmapButton, "",
     kBitmapVelkLogo},
    {ctl::GoToSorvan, K::PushButton, 50, 75, 115, 50, "Go To Sorvan", kNoList, kGroupButton | kBitmapButton, "",
     kBitmapSorvanLogo},
    {ctl::None, K::StaticText, 0, 185, 210, 20,
     "There are no guarantees as to the accuracy of the information provide by this program.", kNoList, kCentred, "",
     0},
    {ctl::None, K::StaticText, 5, 130, 130, 20,
     "This program can only be used for US-built cars sold in US and Canada.", kNoList, kCentred | kNoPrefix, "", 0},
};

constexpr DialogTemplate kWebSites{131, "", 214, 212, "MS Sans Serif", 8, kModalFrame, kControls};

}  // namespace

const DialogTemplate& WebSitesTemplate() { return kWebSites; }

}  // namespace vexlor
