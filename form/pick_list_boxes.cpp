// The pick-lists are rebuilt when a list drops down and when a box gets the
// focus; a pick re-checks the fields that depend on it.
#include "form/pick_list_boxes.h"

#include "form/control_ids.h"

namespace vexlor {
namespace {

constexpr PickListBox kBoxes[] = {
    {ctl::VinPrefix, &TagForm::FillVinPrefixList, nullptr, &TagForm::OnVinPrefixSelChange},
    {ctl::Style, &TagForm::FillStyleList, &TagForm::FillStyleList, &TagForm::OnStyleSelChange},
    {ctl::Plant, &TagForm::FillPlantList, &TagForm::FillPlantList, &TagForm::OnPlantSelChange},
    {ctl::Trim, &TagForm::FillTrimList, &TagForm::FillTrimList, nullptr},
    {ctl::Seat, &TagForm::FillSeatList, &TagForm::FillSeatList, nullptr},
    {ctl::LowerPaint, &TagForm::FillLowerPaintList, nullptr, &TagForm::OnLowerPaintSelChange},
    {ctl::TopPaint, &TagForm::FillTopPaintList, &TagForm::FillTopPaintList, nullptr},
};

bool Run(TagForm& form, int nId, void (TagForm::*PickListBox::*pEvent)()) {
    for (const PickListBox& box : kBoxes) {
        if (box.nId != nId) continue;
        if (box.*pEvent == nullptr) return false;
        (form.*(box.*pEvent))();
        return true;
    }
    return false;
}

}  // namespace

std::span<const PickListBox> PickListBoxes() { return kBoxes; }

bool TagForm::OnDropDown(int nId) { return Run(*this, nId, &PickListBox::onDropDown); }
bool TagForm::OnFocus(int nId) { return Run(*this, nId, &PickListBox::onFocus); }
bool TagForm::OnPick(int nId) { return Run(*this, nId, &PickListBox::onPick); }

}  // namespace vexlor
