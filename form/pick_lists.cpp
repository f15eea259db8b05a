// Placeholder until the pick-lists are written.
#include "form/tag_form.h"

namespace vexlor {
int TagForm::FormYear() const { return 0; }
void TagForm::FillVinPrefixList() {}
void TagForm::FillStyleList() {}
void TagForm::FillPlantList() {}
void TagForm::FillTrimList() {}
void TagForm::FillSeatList() {}
void TagForm::FillLowerPaintList() {}
void TagForm::FillTopPaintList() {}
void TagForm::OnLowerPaintSelChange() {}
void TagForm::OnStyleSelChange() {}
void TagForm::OnVinPrefixSelChange() {}
void TagForm::OnPlantSelChange() {}
void TagForm::RequireStyle(int) {}
void TagForm::ResetTopPaint() {}
bool TagForm::TopPaintFits(int, bool) const { return false; }
}  // namespace vexlor
