#include "decode_view.h"

#include <string>
#include <vector>

#include "decoder/decode.h"
#include "decoder/field_names.h"
#include "js_text.h"
#include "results/decode_file.h"
#include "results/email_request.h"
#include "results/result_lines.h"

namespace vexlor::web {

using emscripten::val;

namespace {

std::string DownloadFileName(const DecodeResult& result) {
    std::string strName = DefaultFileName(result);
    return strName.empty() ? std::string(kFallbackFileName) : strName;
}

// fileBytes(year, month, day) of these fields: the module's fileBytesOfFields
// (decode_fields.js) with the fields bound, so a view keeps its own decode
// whatever is decoded later.
val FileBytesFunction(const val& fields) {
    static const val fileBytesOfFields = val::module_property("fileBytesOfFields");
    return fileBytesOfFields.call<val>("bind", val::null(), fields);
}

// The field names as JavaScript strings, made once.
const std::vector<val>& FieldKeys() {
    static const std::vector<val> keys = [] {
        std::vector<val> made;
        for (const FieldName& row : kFieldNames) made.emplace_back(std::string(row.strName));
        return made;
    }();
    return keys;
}

}  // namespace

val FieldsToJs(const TagFields& fields) {
    val object = val::object();
    for (size_t i = 0; i < kFieldNames.size(); ++i) {
        object.set(FieldKeys()[i], ToJs(FieldText(fields, kFieldNames[i].field)));
    }
    return object;
}

TagFields FieldsFromJs(const val& object) {
    TagFields fields;
    fields.strYear = "1967";
    if (!object.isNull() && !object.isUndefined()) {
        for (size_t i = 0; i < kFieldNames.size(); ++i) {
            ReadJsString(object[FieldKeys()[i]], FieldText(fields, kFieldNames[i].field));
        }
    }
    return fields;
}

val DecodeView(const TagFields& fields, const DecodeResult& result) {
    const std::string strDownloadName = DownloadFileName(result);
    // A browser saves to its downloads: the body asks to attach that file.
    const EmailRequest request = BuildEmailRequest(result, strDownloadName, false);
    val view = val::object();
    view.set("lines", ToJsArray(BuildResultLines(result)));
    view.set("key", ToJs(DecodeKey(result)));
    view.set("defaultFileName", ToJs(DefaultFileName(result)));
    view.set("downloadFileName", ToJs(strDownloadName));
    view.set("emailSubject", ToJs(request.strSubject));
    view.set("mailtoUrl", ToJs(MailtoUrl(request)));
    const val jsFields = FieldsToJs(fields);
    view.set("fields", jsFields);
    view.set("fileBytes", FileBytesFunction(jsFields));
    return view;
}

}  // namespace vexlor::web
