// The program's fixed texts for the page, each from where the desktop takes it.
#include "decode_view.h"
#include "form/control_ids.h"
#include "form/control_table.h"
#include "form/program_texts.h"
#include "js_text.h"
#include "results/decode_file.h"
#include "results/email_request.h"
#include "windows.h"

namespace vexlor::web {

using emscripten::val;

namespace {

std::string_view ControlText(const DialogTemplate& dialog, int nId) {
    const ControlSpec* control = FindControl(dialog, nId);
    return control ? control->strText : std::string_view();
}

}  // namespace

val ProgramTexts() {
    const std::pair<const char*, std::string_view> texts[] = {
        {"programName", kProgramName},
        {"version", kVersion},
        {"contactEmail", kEmailAddress},
        {"researchGroupSite", kResearchGroupSite},
        {"researchGroupUrl", kResearchGroupUrl},
        {"researchGroupLinkText", ControlText(WebSitesTemplate(), ctl::GoToVelk)},
        {"partnerClubSite", kPartnerClubSite},
        {"partnerClubUrl", kPartnerClubUrl},
        {"partnerClubLinkText", ControlText(WebSitesTemplate(), ctl::GoToSorvan)},
        {"resultsCaption", ResultsTemplate().strCaption},
        {"resultsEmailRequest", kResultsEmailRequest},
        {"dialogEmailRequest", kDialogEmailRequest},
        {"saveButtonText", ControlText(ResultsTemplate(), ctl::SaveToFile)},
        {"backButtonText", ControlText(ResultsTemplate(), ctl::Ok)},
        {"savedAsPrefix", kSavedAsPrefix},
        {"emailSubjectPrefix", kEmailSubject},
        {"attachRequest", kAttachNote},
        {"fallbackFileName", kFallbackFileName},
        {"formClearedLine", kFormClearedLine},
        {"undoButtonText", kUndoButtonText},
        {"aboutCaption", AboutTemplate().strCaption},
        {"aboutVersionLine", kAboutVersionLine},
        {"aboutNotice", kAboutNotice},
        {"aboutAuthorCredit", kAboutAuthorCredit},
        {"aboutAcknowledgement", kAboutAcknowledgement},
        {"aboutPhotoCaption", kAboutPhotoCaption},
        {"aboutInfoRequest", kAboutInfoRequest},
    };
    val object = val::object();
    for (const auto& [pszName, strText] : texts) object.set(pszName, ToJs(strText));
    return object;
}

}  // namespace vexlor::web
