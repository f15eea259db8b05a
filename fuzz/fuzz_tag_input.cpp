#include "fuzz_tag_input.h"

namespace vexlor::fuzz {

TagFields TagFieldsFromBytes(const uint8_t* pData, size_t nSize, std::optional<std::string_view>* pRest) {
    TagFields fields;
    if (pRest != nullptr) pRest->reset();
    if (nSize == 0) return fields;

    const unsigned nChoice = pData[0];
    const bool bRawYear = nChoice >= kYearChoiceLimit;
    if (!bRawYear) fields.strYear = std::string(kYearChoices[nChoice % kYearChoices.size()]);

    std::string_view strRest(reinterpret_cast<const char*>(pData) + 1, nSize - 1);
    size_t nField = bRawYear ? 0 : 1;  // field 0 is the year
    while (nField < kTagFieldCount) {
        const size_t nEnd = strRest.find(kFieldSeparator);
        FieldText(fields, static_cast<TagField>(nField)) = std::string(strRest.substr(0, nEnd));
        ++nField;
        if (nEnd == std::string_view::npos) return fields;
        strRest.remove_prefix(nEnd + 1);
    }
    if (pRest != nullptr) *pRest = strRest;
    return fields;
}

}  // namespace vexlor::fuzz
