// Dialog 100, About: the version, the maintainers, a photograph of a 1967 coupe.
#include <string>

#include "form/control_ids.h"
#include "form/control_table.h"
#include "form/program_texts.h"

namespace vexlor {
namespace {

using K = ControlKind;

constexpr ControlSpec kControls[] = {
    {ctl::None, K::Icon, 10, 10, 20, 20, "", kNoList, 0, "", kIconProgram},
    // The version line is written when the dialog opens (kAboutVersionLine).
    {ctl::AboutVersion, K::StaticText, 40, 5, 85, 8, "Vexlor Version", kNoList, kNoPrefix, "", 0},
    {ctl::None, K::StaticText, 40, 15, 75, 8, kAboutNotice, kNoList, 0, "", 0},
    {ctl::Ok, K::PushButton, 225, 5, 50, 14, "OK", kNoList, kDefaultButton | kTabStop, "", 0},
    {ctl::None, K::StaticText, 40, 25, 90, 8, kAboutAuthorCredit, kNoList, 0, "", 0},
    {ctl::None, K::Picture, 120, 48, 153, 71, "", kNoList, kCentred, "", kBitmapCarPhoto},
    {ctl::None, K::StaticText, 10, 55, 95, 25, kAboutPhotoCaption, kNoList, kCentred, "", 0},
    {ctl::None, K::StaticText, 10, 120, 260, 25, kDialogEmailRequest, kNoList, kCentred, "", 0},
    {ctl::None, K::StaticText, 10, 90, 95, 25, kAboutInfoRequest, kNoList, kCentred, "", 0},
    {ctl::None, K::StaticText, 145, 27, 110, 8, kEmailAddress, kNoList, 0, "", 0},
    {ctl::None, K::StaticText, 40, 38, 200, 8, kAboutAcknowledgement, kNoList, 0, "", 0},
    {ctl::None, K::StaticText, 0, 148, 280, 8,
     "There are no guarantees as to the accuracy of the information provide by this program.", kNoList, kCentred, "",
     0},
    {ctl::None, K::StaticText, 125, 0, 85, 25,
     "This program can only be used for US-built cars sold in US and Canada.", kNoList, kCentred | kNoPrefix, "", 0},
};

constexpr DialogTemplate kAbout{
    100, "About Vexlor", 282, 156, "MS Sans Serif", 8, kCaption | kSysMenu | kModalFrame, kControls,
};

}  // namespace

const DialogTemplate& AboutTemplate() { return kAbout; }

}  // namespace vexlor
