#include "tag_form_session.h"

#include "decode_view.h"

namespace vexlor::web {

emscripten::val TagFormSession::Decode() {
    const TagFields fields = m_form.ReadTagFields();
    const std::optional<DecodeResult> result = m_form.DecodeForm();
    if (!result) return emscripten::val::null();
    return DecodeView(fields, *result);
}

}  // namespace vexlor::web
