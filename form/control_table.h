#pragma once
// The windows as data: every control of a dialog template with its id, kind,
// rectangle in dialog units, text, initial list, flags and tool tip.

#include <span>
#include <string_view>

namespace vexlor {

enum class ControlKind {
    ComboBox,      // drop-down box with an edit field
    EditBox,       // bordered, scrolls horizontally
    StaticText,
    GroupBox,
    PushButton,
    RadioButton,   // decoration only (the tag's rivets)
    ListBox,
    Icon,          // the program's icon
    Picture,       // a drawn image (bitmap id in nImage)
};

// Control flags.
enum : unsigned {
    kSorted = 1u << 0,        // combo keeps its list sorted
    kCentred = 1u << 1,       // static text centred
    kHidden = 1u << 2,        // not shown at start
    kDisabled = 1u << 3,      // disabled at start
    kDefaultButton = 1u << 4, // default-button style
    kNoPrefix = 1u << 5,      // '&' shown as is
    kBitmapButton = 1u << 6,  // button shows the image nImage instead of its text
    kVScroll = 1u << 7,
    kExtendedSel = 1u << 8,
    kNoBorder = 1u << 9,
    kTabStop = 1u << 10,
    kGroupStart = 1u << 11,
};

// The initial list of a control that has none.
inline constexpr std::span<const std::string_view> kNoList{};

struct ControlSpec {
    int nId;                                  // ctl::None for controls without an id
    ControlKind kind;
    int x, y, cx, cy;                         // dialog units; a combo's cy includes its list
    std::string_view strText;
    std::span<const std::string_view> initialList;
    unsigned nFlags;
    std::string_view strToolTip;              // empty: none
    int nImage;                               // bitmap id for pictures and bitmap buttons, else 0
};

// Window flags.
enum : unsigned {
    kCaption = 1u << 0,
    kSysMenu = 1u << 1,
    kMinimizeBox = 1u << 2,
    kModalFrame = 1u << 3,
    kTaskBar = 1u << 4,
    kResizable = 1u << 5,  // the user can make the window larger
};

struct DialogTemplate {
    int nId;
    std::string_view strCaption;
    int cx, cy;                               // dialog units
    std::string_view strFontFace;
    int nPointSize;
    unsigned nFlags;
    std::span<const ControlSpec> controls;    // template order = tab order
};

// The five windows: 102 the tag form, 100 About, 131 Favorite Web Sites,
// 130 results, 146 Help Decoding.
const DialogTemplate& TagFormTemplate();
const DialogTemplate& AboutTemplate();
const DialogTemplate& WebSitesTemplate();
const DialogTemplate& ResultsTemplate();
const DialogTemplate& HelpDecodingTemplate();

// The control with this id in a template, or null.
const ControlSpec* FindControl(const DialogTemplate& dialog, int nId);

// The program's icon.
inline constexpr int kIconProgram = 128;

// Bitmap ids of the drawn pictures.
inline constexpr int kBitmapVelkLogo = 132;
inline constexpr int kBitmapSorvanLogo = 141;
inline constexpr int kBitmapCarPhoto = 144;
inline constexpr int kBitmapSampleTag = 147;

}  // namespace vexlor
