// Dialog 102, the tag entry form: a window drawn like a cowl tag. The controls
// below are in template order, which is also the tab order. The start state is
// the 1967 tag: the 1968 and 1969 legends and the 1969 date fields are hidden.
#include <string_view>

#include "form/control_ids.h"
#include "form/control_table.h"

namespace vexlor {
namespace {

using std::string_view;

constexpr string_view kYears[] = {"1967", "1968", "1969"};

constexpr string_view kVinPrefixes[] = {
    "123377N", "123377L", "123677N", "123677L", "124377N", "124377L", "124677N", "124677L",
};

// Build weeks of the 1967 and 1968 tags: model-year months August to July, weeks A to E.
constexpr string_view kBuildDates[] = {
    "08A", "08B", "08C", "08D", "08E",
    "09A", "09B", "09C", "09D", "09E",
    "10A", "10B", "10C", "10D", "10E",
    "11A", "11B", "11C", "11D", "11E",
    "12A", "12B", "12C", "12D", "12E",
    "01A", "01B", "01C", "01D", "01E",
    "02A", "02B", "02C", "02D", "02E",
    "03A", "03B", "03C", "03D", "03E",
    "04A", "04B", "04C", "04D", "04E",
    "05A", "05B", "05C", "05D", "05E",
    "06A", "06B", "06C", "06D", "06E",
    "07A", "07B", "07C", "07D", "07E",
};

// Build weeks of the 1969 tags: the same, with the late-April code 04L.
constexpr string_view kBuildDates69[] = {
    "08A", "08B", "08C", "08D", "08E",
    "09A", "09B", "09C", "09D", "09E",
    "10A", "10B", "10C", "10D", "10E",
    "11A", "11B", "11C", "11D", "11E",
    "12A", "12B", "12C", "12D", "12E",
    "01A", "01B", "01C", "01D", "01E",
    "02A", "02B", "02C", "02D", "02E",
    "03A", "03B", "03C", "03D", "03E",
    "04A", "04B", "04C", "04D", "04E", "04L",
    "05A", "05B", "05C", "05D", "05E",
    "06A", "06B", "06C", "06D", "06E",
    "07A", "07B", "07C", "07D", "07E",
};

constexpr string_view kStyles[] = {"67-12437", "67-12467", "67-12637", "67-12667"};

constexpr string_view kPlants[] = {"NOR", "LOS"};

constexpr string_view kLowerPaints[] = {
    "A", "C", "D", "E", "F", "G", "H", "K", "L", "M", "N", "R", "S", "T", "Y",
};

// Drop-down box with an edit field, in the tab order.
constexpr unsigned kCombo = kTabStop;
constexpr unsigned kSortedCombo = kSorted | kTabStop;
constexpr unsigned kEdit = kTabStop;
constexpr unsigned kButton = kTabStop;
constexpr unsigned kDefault = kDefaultButton | kTabStop;

using K = ControlKind;

constexpr ControlSpec kControls[] = {
    {ctl::Year, K::ComboBox, 69, 4, 30, 40, "", kYears, kSortedCombo, "Year of Camaro to decode", 0},
    {ctl::VinPrefix, K::ComboBox, 125, 4, 41, 77, "", kVinPrefixes, kSortedCombo, "First half of VIN", 0},
    {ctl::Serial, K::EditBox, 169, 3, 45, 12, "", kNoList, kEdit, "Second half of VIN (sequential number)", 0},
    {ctl::BuildDate, K::ComboBox, 45, 30, 37, 76, "", kBuildDates, kCombo, "Build Date", 0},
    {ctl::CodeField, K::EditBox, 195, 30, 40, 12, "", kNoList, kEdit,
     "NOR - Interior Paint code  /  LOS - Internal plant scheduling code", 0},
    {ctl::Style, K::ComboBox, 45, 50, 48, 45, "", kStyles, kSortedCombo, "Body style", 0},
    {ctl::Plant, K::ComboBox, 110, 50, 29, 40, "", kPlants, kSortedCombo, "Assembly Plant", 0},
    {ctl::BodyNumber, K::EditBox, 150, 50, 55, 12, "", kNoList, kEdit, "Body Number", 0},
    {ctl::Trim, K::ComboBox, 45, 65, 40, 65, "", kNoList, kSortedCombo, "Interior Trim code", 0},
    {ctl::Seat, K::ComboBox, 100, 65, 20, 65, "", kNoList, kSortedCombo, "Seat style", 0},
    {ctl::LowerPaint, K::ComboBox, 155, 65, 21, 65, "", kLowerPaints, kSortedCombo, "Lower Paint Code", 0},
    {ctl::TopPaint, K::ComboBox, 188, 65, 21, 65, "", kNoList, kSortedCombo, "Top Paint Code", 0},
    {ctl::Group1, K::EditBox, 45, 85, 29, 12, "", kNoList, kEdit, "Option Group One codes, should be letters", 0},
    {ctl::Group2, K::EditBox, 90, 85, 29, 12, "", kNoList, kEdit, "Option Group Two codes, should be letters", 0},
    {ctl::Group3, K::EditBox, 135, 85, 29, 12, "", kNoList, kEdit, "Option Group Three codes, should be letters", 0},
    {ctl::Group4, K::EditBox, 55, 105, 29, 12, "", kNoList, kEdit, "Option Group Four codes, should be letters", 0},
    {ctl::Group5, K::EditBox, 100, 105, 29, 12, "", kNoList, kEdit, "Option Group Five codes, should be letters", 0},
    {ctl::BuildDate69, K::ComboBox, 65, 85, 37, 76, "", kBuildDates69, kCombo | kHidden, "Build Date", 0},
    {ctl::Legend68, K::StaticText, 35, 90, 195, 40,
     "GENERAL MOTORS CORPORATION CERTIFIES TO THE DEALER THAT THIS VEHICLE CONFORMS TO ALL FEDERAL MOTOR "
     "VEHICLE SAFETY STANDARDS APPLICABLE AT TIME OF MANUFACTURE",
     kNoList, kCentred | kHidden, "", 0},
    {ctl::Code69, K::EditBox, 150, 85, 40, 12, "", kNoList, kEdit | kHidden,
     "NOR - Option Codes  /  LOS - Internal plant scheduling code", 0},
    {ctl::ProgramInfo, K::PushButton, 5, 140, 45, 14, "Program Info", kNoList, kDefault, "", 0},
    {ctl::FavoriteWebSites, K::PushButton, 52, 140, 65, 14, "Favorite Web Sites", kNoList, kDefault, "", 0},
    {ctl::ClearAll, K::PushButton, 175, 140, 55, 14, "Clear All Values", kNoList, kDefault, "", 0},
    {ctl::Decode, K::PushButton, 235, 140, 35, 14, "Decode", kNoList, kDefault, "", 0},
    {ctl::HiddenExit, K::PushButton, 240, 20, 25, 14, "Exit", kNoList, kButton | kHidden | kDisabled, "", 0},
    {ctl::TopLegend, K::StaticText, 30, 20, 207, 8, "GENERAL MOTORS CORPORATION", kNoList, kCentred, "", 0},
    {ctl::None, K::StaticText, 20, 50, 10, 8, "ST", kNoList, 0, "", 0},
    {ctl::None, K::StaticText, 20, 65, 10, 8, "TR", kNoList, 0, "", 0},
    {ctl::None, K::StaticText, 142, 51, 8, 8, "-", kNoList, 0, "", 0},
    {ctl::None, K::StaticText, 215, 50, 25, 8, "BODY", kNoList, 0, "", 0},
    {ctl::None, K::StaticText, 215, 65, 20, 8, "PAINT", kNoList, 0, "", 0},
    {ctl::GroupLabel2, K::StaticText, 80, 87, 8, 8, "2", kNoList, 0, "", 0},
    {ctl::GroupLabel3, K::StaticText, 125, 87, 8, 8, "3", kNoList, 0, "", 0},
    {ctl::GroupLabel4, K::StaticText, 45, 107, 8, 8, "4", kNoList, 0, "", 0},
    {ctl::SeatDash, K::StaticText, 90, 66, 8, 8, "-", kNoList, 0, "", 0},
    {ctl::BottomLegend67, K::StaticText, 70, 125, 130, 8, "BODY BY FISHER", kNoList, kCentred, "", 0},
    {ctl::None, K::GroupBox, 10, 15, 250, 120, "", kNoList, 0, "", 0},
    {ctl::RivetRight, K::RadioButton, 250, 120, 8, 8, "", kNoList, kDisabled, "", 0},
    {ctl::RivetLeft, K::RadioButton, 15, 120, 10, 8, "", kNoList, kDisabled, "", 0},
    {ctl::GroupLabel5, K::StaticText, 90, 107, 8, 8, "5", kNoList, 0, "", 0},
    {ctl::None, K::StaticText, 179, 66, 8, 8, "-", kNoList, 0, "", 0},
    {ctl::None, K::StaticText, 105, 5, 20, 8, "Vin#:", kNoList, 0, "", 0},
    {ctl::Legend69Line1, K::StaticText, 45, 100, 180, 8, "GENERAL MOTORS CORPORATION", kNoList, kCentred | kHidden, "", 0},
    {ctl::Legend69Line2, K::StaticText, 30, 109, 210, 16,
     "CERTIFIES TO THE DEALER THAT THIS VEHICLE CONFORMS TO ALL U.S. FEDERAL MOTOR VEHICLE SAFETY", kNoList,
     kCentred | kHidden, "", 0},
    {ctl::Legend69Line3, K::StaticText, 35, 125, 200, 8, "STANDARDS APPLICABLE AT TIME OF MANUFACTURE", kNoList,
     kCentred | kHidden, "", 0},
    {ctl::None, K::StaticText, 15, 6, 50, 8, "Year to decode:", kNoList, 0, "", 0},
    {ctl::ExitButton, K::PushButton, 240, 2, 25, 14, "Exit", kNoList, kButton, "", 0},
    {ctl::HelpDecoding, K::PushButton, 120, 140, 50, 14, "Help Decoding", kNoList, kDefault, "", 0},
};

constexpr DialogTemplate kTagForm{
    102, "Vexlor", 272, 158, "MS Sans Serif", 12,
    kCaption | kSysMenu | kMinimizeBox | kModalFrame | kTaskBar, kControls,
};

}  // namespace

const DialogTemplate& TagFormTemplate() { return kTagForm; }

}  // namespace vexlor
