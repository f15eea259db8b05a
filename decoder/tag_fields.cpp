#include "decoder/tag_fields.h"

namespace vexlor {

const TagFieldInfo* FindTagField(int nControlId) {
    for (const TagFieldInfo& info : kTagFieldInfos) {
        if (info.nControlId == nControlId) return &info;
    }
    return nullptr;
}

const TagFieldInfo* FindTagField(std::string_view strName) {
    for (const TagFieldInfo& info : kTagFieldInfos) {
        if (info.strName == strName) return &info;
    }
    return nullptr;
}

TagFields SampleTagFields() {
    TagFields fields;
    fields.strYear = "1967";
    fields.strCodeField = "D";
    fields.strBuildDate = "01A";
    fields.strStyle = "67-12437";
    fields.strPlant = "NOR";
    fields.strBodyNumber = "65727";
    fields.strTrim = "741";
    fields.strSeat = "Z";
    fields.strLowerPaint = "R";
    fields.strTopPaint = "R";
    fields.strGroups[0] = "W";
    fields.strGroups[1] = "E";
    fields.strGroups[2] = "L";
    return fields;
}

}  // namespace vexlor
