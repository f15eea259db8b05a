// The module's exports; web/core/README.md describes them.
#include <emscripten/bind.h>

#include "packed_fields.h"
#include "tag_form_session.h"
#include "windows.h"

EMSCRIPTEN_BINDINGS(vexlor_core) {
    using namespace emscripten;
    using namespace vexlor::web;
    function("windowIds", &WindowIds);
    function("controlIds", &ControlIds);
    function("windowTemplate", &WindowTemplate);
    function("programTexts", &ProgramTexts);
    function("sampleTagValues", &SampleTagValuesJs);
    // decodeFields and fileBytesOfFields (decode_fields.js) call these four.
    function("fieldNames", &FieldNamesJs);
    function("packBuffer", &PackBuffer);
    function("decodePackedFields", &DecodePackedFields);
    function("fileBytesOfPackedFields", &FileBytesOfPackedFields);
    class_<TagFormSession>("TagFormSession")
        .constructor<val>()
        .function("initForm", &TagFormSession::InitForm)
        .function("onYearSelChange", &TagFormSession::OnYearSelChange)
        .function("onYearEditChange", &TagFormSession::OnYearEditChange)
        .function("onClearAll", &TagFormSession::OnClearAll)
        .function("onHelpDecoding", &TagFormSession::OnHelpDecoding)
        .function("onDropDown", &TagFormSession::OnDropDown)
        .function("onFocus", &TagFormSession::OnFocus)
        .function("onPick", &TagFormSession::OnPick)
        .function("undoOffered", &TagFormSession::UndoOffered)
        .function("onUndo", &TagFormSession::OnUndo)
        .function("onFieldEdit", &TagFormSession::OnFieldEdit)
        .function("setUndoListener", &TagFormSession::SetUndoListener)
        .function("decode", &TagFormSession::Decode);
}
