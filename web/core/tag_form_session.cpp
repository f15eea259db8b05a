#include "tag_form_session.h"

#include <algorithm>

#include "decode_view.h"
#include "form/data_fields.h"

namespace vexlor::web {

TagFormSession::TagFormSession(emscripten::val controls) : m_controls(std::move(controls)), m_form(m_controls) {
    m_form.SetUndoListener([this](bool bOffered) {
        if (m_undoListener.typeOf().as<std::string>() == "function") m_undoListener(bOffered);
    });
}

bool TagFormSession::OnFieldEdit(int nId) {
    if (std::find(kDataFieldOrder.begin(), kDataFieldOrder.end(), nId) == kDataFieldOrder.end()) return false;
    m_form.OnDataFieldEdit();
    return true;
}

emscripten::val TagFormSession::Decode() {
    const TagFields fields = m_form.ReadTagFields();
    const std::optional<DecodeResult> result = m_form.DecodeForm();
    if (!result) return emscripten::val::null();
    return DecodeView(fields, *result);
}

}  // namespace vexlor::web
