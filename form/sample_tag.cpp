#include "form/sample_tag.h"

#include "decoder/tag_fields.h"
#include "form/data_fields.h"

namespace vexlor {

std::vector<std::pair<int, std::string>> SampleTagValues() {
    const TagFields sample = SampleTagFields();
    std::vector<std::pair<int, std::string>> values;
    values.reserve(kDataFieldOrder.size());
    for (int nId : kDataFieldOrder) {
        const TagFieldInfo* info = FindTagField(nId);
        values.emplace_back(nId, info ? FieldText(sample, *info) : std::string());
    }
    return values;
}

}  // namespace vexlor
