// Dialog 146, Help Decoding: the photograph of a 1967 tag as one big button.
#include "form/control_ids.h"
#include "form/control_table.h"

namespace vexlor {
namespace {

using K = ControlKind;

constexpr ControlSpec kControls[] = {
    {ctl::Ok, K::PushButton, 5, 5, 270, 110, "OK", kNoList, kBitmapButton | kTabStop, "", kBitmapSampleTag},
    {ctl::Cancel, K::PushButton, 235, 125, 40, 14, "Cancel", kNoList, kTabStop, "", 0},
    {ctl::None, K::StaticText, 20, 128, 205, 9, "Click on the tag and the tags data will be filled in.", kNoList,
     kCentred, "", 0},
};

constexpr DialogTemplate kHelpDecoding{
    146, "Help Decoding", 282, 146, "MS Sans Serif", 8, kCaption | kSysMenu | kModalFrame, kControls,
};

}  // namespace

const DialogTemplate& HelpDecodingTemplate() { return kHelpDecoding; }

}  // namespace vexlor
