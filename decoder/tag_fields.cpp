#include "decoder/tag_fields.h"

namespace vexlor {

std::string& FieldText(TagFields& fields, TagField field) {
    switch (field) {
        case TagField::Year: return fields.strYear;
        case TagField::VinPrefix: return fields.strVinPrefix;
        case TagField::Serial: return fields.strSerial;
        case TagField::BuildDate: return fields.strBuildDate;
        case TagField::CodeField: return fields.strCodeField;
        case TagField::Style: return fields.strStyle;
        case TagField::Plant: return fields.strPlant;
        case TagField::BodyNumber: return fields.strBodyNumber;
        case TagField::Trim: return fields.strTrim;
        case TagField::Seat: return fields.strSeat;
        case TagField::LowerPaint: return fields.strLowerPaint;
        case TagField::TopPaint: return fields.strTopPaint;
        case TagField::Group1: return fields.strGroups[0];
        case TagField::Group2: return fields.strGroups[1];
        case TagField::Group3: return fields.strGroups[2];
        case TagField::Group4: return fields.strGroups[3];
        case TagField::Group5: return fields.strGroups[4];
        case TagField::BuildDate69: return fields.strBuildDate69;
        case TagField::Code69: break;
    }
    return fields.strCode69;
}

const std::string& FieldText(const TagFields& fields, TagField field) {
    return FieldText(const_cast<TagFields&>(fields), field);
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
