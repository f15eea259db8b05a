#pragma once
// What the decoder suites share: a form filled from named texts, and one
// section run on a context of its own.

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "decoder/decode_context.h"
#include "decoder/tag_fields.h"
#include "support/tag.h"

namespace vexlor::testing_support {

// A section's view of one decode: the form's texts, the result and the context.
struct SectionRun {
    explicit SectionRun(int nYear, TagFields tagFields = {}) : fields(std::move(tagFields)) { ctx.nYear = nYear; }
    SectionRun(const SectionRun&) = delete;
    SectionRun& operator=(const SectionRun&) = delete;

    TagFields fields;
    DecodeResult result;
    DecodeContext ctx{fields, result};
};

}  // namespace vexlor::testing_support
