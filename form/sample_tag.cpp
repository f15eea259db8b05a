#include "form/sample_tag.h"

#include "decoder/tag_fields.h"
#include "form/data_fields.h"

namespace vexlor {

std::vector<std::pair<int, std::string>> SampleTagValues() {
    const TagFields sample = SampleTagFields();
    std::vector<std::pair<int, std::string>> values;
    values.reserve(kDataFieldOrder.size());
    for (int nId : kDataFieldOrder) {
        for (const FieldControl& control : kFieldControls) {
            if (control.nControlId == nId) values.emplace_back(nId, FieldText(sample, control.field));
        }
    }
    return values;
}

}  // namespace vexlor
