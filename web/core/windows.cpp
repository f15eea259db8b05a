#include "windows.h"

#include <string>

#include "decoder/tag_fields.h"
#include "form/accessible_texts.h"
#include "form/control_ids.h"
#include "form/control_table.h"
#include "form/data_fields.h"
#include "js_text.h"

namespace vexlor::web {

using emscripten::val;

namespace {

struct NamedId {
    const char* pszName;
    int nId;
};

// The windows by name, each id read from its template.
struct NamedWindow {
    const char* pszName;
    const DialogTemplate& (*templateOf)();
};

constexpr NamedWindow kWindows[] = {
    {"tagForm", &TagFormTemplate}, {"about", &AboutTemplate},     {"webSites", &WebSitesTemplate},
    {"results", &ResultsTemplate}, {"helpDecoding", &HelpDecodingTemplate},
};

// The names of control_ids.h, camelCased.
constexpr NamedId kControls[] = {
    {"year", ctl::Year},
    {"vinPrefix", ctl::VinPrefix},
    {"serial", ctl::Serial},
    {"buildDate", ctl::BuildDate},
    {"codeField", ctl::CodeField},
    {"style", ctl::Style},
    {"plant", ctl::Plant},
    {"bodyNumber", ctl::BodyNumber},
    {"trim", ctl::Trim},
    {"seat", ctl::Seat},
    {"lowerPaint", ctl::LowerPaint},
    {"topPaint", ctl::TopPaint},
    {"group1", ctl::Group1},
    {"group2", ctl::Group2},
    {"group3", ctl::Group3},
    {"group4", ctl::Group4},
    {"group5", ctl::Group5},
    {"buildDate69", ctl::BuildDate69},
    {"code69", ctl::Code69},
    {"legend68", ctl::Legend68},
    {"topLegend", ctl::TopLegend},
    {"bottomLegend67", ctl::BottomLegend67},
    {"legend69Line1", ctl::Legend69Line1},
    {"legend69Line2", ctl::Legend69Line2},
    {"legend69Line3", ctl::Legend69Line3},
    {"groupLabel2", ctl::GroupLabel2},
    {"groupLabel3", ctl::GroupLabel3},
    {"groupLabel4", ctl::GroupLabel4},
    {"groupLabel5", ctl::GroupLabel5},
    {"seatDash", ctl::SeatDash},
    {"rivetRight", ctl::RivetRight},
    {"rivetLeft", ctl::RivetLeft},
    {"programInfo", ctl::ProgramInfo},
    {"favoriteWebSites", ctl::FavoriteWebSites},
    {"clearAll", ctl::ClearAll},
    {"exitButton", ctl::ExitButton},
    {"decode", ctl::Decode},
    {"helpDecoding", ctl::HelpDecoding},
    {"hiddenExit", ctl::HiddenExit},
    {"ok", ctl::Ok},
    {"cancel", ctl::Cancel},
    {"aboutVersion", ctl::AboutVersion},
    {"webHeading", ctl::WebHeading},
    {"goToVelk", ctl::GoToVelk},
    {"goToSorvan", ctl::GoToSorvan},
    {"saveToFile", ctl::SaveToFile},
    {"resultsList", ctl::ResultsList},
    {"resultsEmail", ctl::ResultsEmail},
    {"resultsSaved", ctl::ResultsSaved},
    {"none", ctl::None},
};

constexpr const char* kKindNames[] = {
    "ComboBox", "EditBox", "StaticText", "GroupBox", "PushButton", "RadioButton", "ListBox", "Icon", "Picture",
};

const DialogTemplate* FindWindow(int nWindowId) {
    for (const NamedWindow& window : kWindows) {
        if (window.templateOf().nId == nWindowId) return &window.templateOf();
    }
    return nullptr;
}

val ControlJs(const DialogTemplate& dialog, const ControlSpec& control) {
    const auto flag = [&control](unsigned nFlag) { return (control.nFlags & nFlag) != 0; };
    val list = val::array();
    for (std::string_view strEntry : control.initialList) list.call<void>("push", ToJs(strEntry));
    val js = val::object();
    js.set("id", control.nId);
    js.set("kind", ToJs(kKindNames[static_cast<size_t>(control.kind)]));
    js.set("x", control.x);
    js.set("y", control.y);
    js.set("cx", control.cx);
    js.set("cy", control.cy);
    js.set("text", ToJs(control.strText));
    js.set("mnemonicText", ToJs(MnemonicText(dialog, control)));
    js.set("list", list);
    js.set("sorted", flag(kSorted));
    js.set("centred", flag(kCentred));
    js.set("hidden", flag(kHidden));
    js.set("disabled", flag(kDisabled));
    js.set("defaultButton", flag(kDefaultButton));
    js.set("bitmapButton", flag(kBitmapButton));
    js.set("noPrefix", flag(kNoPrefix));
    js.set("tabStop", flag(kTabStop));
    js.set("groupStart", flag(kGroupStart));
    js.set("image", control.nImage);
    js.set("toolTip", ToJs(control.strToolTip));
    js.set("accessibleName", ToJs(AccessibleName(dialog, control)));
    js.set("buddy", BuddyOf(dialog, control));
    js.set("decoration", IsDecoration(control));
    return js;
}

}  // namespace

val WindowIds() {
    val object = val::object();
    for (const NamedWindow& window : kWindows) object.set(window.pszName, window.templateOf().nId);
    return object;
}

val ControlIds() {
    val object = val::object();
    for (const NamedId& id : kControls) object.set(id.pszName, id.nId);
    return object;
}

val WindowTemplate(int nWindowId) {
    const DialogTemplate* dialog = FindWindow(nWindowId);
    if (dialog == nullptr) return val::null();
    val controls = val::array();
    for (const ControlSpec& control : dialog->controls) controls.call<void>("push", ControlJs(*dialog, control));
    val js = val::object();
    js.set("id", dialog->nId);
    js.set("caption", ToJs(dialog->strCaption));
    js.set("cx", dialog->cx);
    js.set("cy", dialog->cy);
    js.set("fontFace", ToJs(dialog->strFontFace));
    js.set("pointSize", dialog->nPointSize);
    js.set("accessibleName", ToJs(WindowAccessibleName(*dialog)));
    js.set("controls", controls);
    return js;
}

val SampleTagValuesJs() {
    val values = val::array();
    const TagFields sample = SampleTagFields();
    for (const FieldControl& control : kFieldControls) {
        const std::string_view strText = FieldText(sample, control.field);
        if (strText.empty()) continue;
        val pair = val::array();
        pair.call<void>("push", control.nControlId);
        pair.call<void>("push", ToJs(strText));
        values.call<void>("push", pair);
    }
    return values;
}

}  // namespace vexlor::web
