// Placeholder until the layouts are written.
#include "form/tag_form.h"

namespace vexlor {
void TagForm::InitForm() {}
void TagForm::ShowField(int, bool) {}
void TagForm::ApplyLayout(int) {}
void TagForm::OnYearSelChange(int) {}
void TagForm::OnYearEditChange() {}
void TagForm::OnClearAll() {}
void TagForm::OnHelpDecoding(bool) {}
TagFields TagForm::ReadTagFields() const { return {}; }
std::optional<DecodeResult> TagForm::DecodeForm() { return std::nullopt; }
}  // namespace vexlor
