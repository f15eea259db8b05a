#pragma once
// The texts of the tag form's data fields, exactly as typed (not yet upper-cased).

#include <array>
#include <string>
#include <string_view>

namespace vexlor {

struct TagFields {
    std::string strYear;         // 1038 model year
    std::string strVinPrefix;    // 1022 first half of the VIN, such as "124377N"
    std::string strSerial;       // 1023 VIN sequence number
    std::string strBuildDate;    // 1000 build date, 1967 and 1968 tags
    std::string strCodeField;    // 1001 Norwood interior paint / Los Angeles scheduling code
    std::string strStyle;        // 1002 body style, such as "67-12437"
    std::string strPlant;        // 1003 assembly plant
    std::string strBodyNumber;   // 1004 body number
    std::string strTrim;         // 1005 trim code
    std::string strSeat;         // 1011 seat style letter, 1967
    std::string strLowerPaint;   // 1006 lower paint code
    std::string strTopPaint;     // 1014 top paint code
    std::array<std::string, 5> strGroups;  // 1015 to 1019 option groups 1 to 5, 1967
    std::string strBuildDate69;  // 1007 build date, 1969 tags
    std::string strCode69;       // 1008 1969 code field
};

// One row per data field: its control id on the form, the command-line option
// and JSON key that carry it, and where it lives in TagFields.
struct TagFieldInfo {
    int nControlId;
    std::string_view strName;
    std::string TagFields::*pMember;      // null for the option groups
    int nGroup;                           // 0 to 4 for the option groups, else -1
};

inline constexpr std::array<TagFieldInfo, 19> kTagFieldInfos{{
    {1038, "year", &TagFields::strYear, -1},
    {1022, "vin", &TagFields::strVinPrefix, -1},
    {1023, "serial", &TagFields::strSerial, -1},
    {1000, "date", &TagFields::strBuildDate, -1},
    {1001, "code", &TagFields::strCodeField, -1},
    {1002, "style", &TagFields::strStyle, -1},
    {1003, "plant", &TagFields::strPlant, -1},
    {1004, "body", &TagFields::strBodyNumber, -1},
    {1005, "trim", &TagFields::strTrim, -1},
    {1011, "seat", &TagFields::strSeat, -1},
    {1006, "paint", &TagFields::strLowerPaint, -1},
    {1014, "top", &TagFields::strTopPaint, -1},
    {1015, "group1", nullptr, 0},
    {1016, "group2", nullptr, 1},
    {1017, "group3", nullptr, 2},
    {1018, "group4", nullptr, 3},
    {1019, "group5", nullptr, 4},
    {1007, "date69", &TagFields::strBuildDate69, -1},
    {1008, "code69", &TagFields::strCode69, -1},
}};

// The field text that a row describes.
inline std::string& FieldText(TagFields& fields, const TagFieldInfo& info) {
    return info.pMember ? fields.*(info.pMember) : fields.strGroups[static_cast<size_t>(info.nGroup)];
}
inline const std::string& FieldText(const TagFields& fields, const TagFieldInfo& info) {
    return info.pMember ? fields.*(info.pMember) : fields.strGroups[static_cast<size_t>(info.nGroup)];
}

// The row for a control id or a name; null when there is none.
const TagFieldInfo* FindTagField(int nControlId);
const TagFieldInfo* FindTagField(std::string_view strName);

// The values stamped on the sample 1967 tag (Help Decoding), year "1967".
TagFields SampleTagFields();

}  // namespace vexlor
