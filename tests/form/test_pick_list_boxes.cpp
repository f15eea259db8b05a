// The one table of which handler each pick-list box runs on drop-down, focus
// and pick, and the dispatch through it that every window uses.
#include "form/pick_list_boxes.h"

#include <set>

#include "form_fixture.h"

namespace vexlor::testing {
namespace {

TEST(PickListBoxes, AreTheFormsComboBoxesOnceEachAndAllDropDownAList) {
    std::set<int> ids;
    for (const PickListBox& box : PickListBoxes()) {
        const ControlSpec* control = FindControl(TagFormTemplate(), box.nId);
        ASSERT_NE(control, nullptr) << box.nId;
        EXPECT_EQ(control->kind, ControlKind::ComboBox) << box.nId;
        EXPECT_TRUE(ids.insert(box.nId).second) << box.nId;
        EXPECT_NE(box.onDropDown, nullptr) << box.nId;
    }
}

// Each event of each box does what its handler does on a form of its own, and
// says whether it ran one; a control that is no pick-list box runs nothing.
TEST(PickListBoxes, EventsRunTheBoxesHandler) {
    using Event = bool (TagForm::*)(int);
    using Handler = void (TagForm::*)();
    const std::pair<Event, Handler PickListBox::*> kEvents[] = {
        {&TagForm::OnDropDown, &PickListBox::onDropDown},
        {&TagForm::OnFocus, &PickListBox::onFocus},
        {&TagForm::OnPick, &PickListBox::onPick},
    };
    for (const auto& [event, handler] : kEvents) {
        for (const PickListBox& box : PickListBoxes()) {
            FakeFormControls viaEvent, direct;
            TagForm formViaEvent(viaEvent), formDirect(direct);
            formViaEvent.InitForm(), formDirect.InitForm();
            EXPECT_EQ((formViaEvent.*event)(box.nId), box.*handler != nullptr) << box.nId;
            if (box.*handler) (formDirect.*(box.*handler))();
            EXPECT_EQ(viaEvent.all, direct.all) << box.nId;
        }
        FakeFormControls controls;
        TagForm form(controls);
        form.InitForm();
        const auto before = controls.all;
        for (int nId : {ctl::Year, ctl::Decode, ctl::None, 0}) EXPECT_FALSE((form.*event)(nId)) << nId;
        EXPECT_EQ(controls.all, before);
    }
}

}  // namespace
}  // namespace vexlor::testing
