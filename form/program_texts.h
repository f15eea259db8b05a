#pragma once
// The program's own texts in its windows: its name, the research group's
// addresses and the About dialog's lines. The addresses are the build's.

#include <string_view>

#include "vexlor_config.h"

namespace vexlor {

inline constexpr std::string_view kProgramName = "Vexlor";
inline constexpr std::string_view kEmailAddress = VEXLOR_CONTACT_EMAIL;
inline constexpr std::string_view kResearchGroupSite = VEXLOR_RESEARCH_SITE;
inline constexpr std::string_view kPartnerClubSite = VEXLOR_PARTNER_SITE;

// The request under the results list.
inline constexpr std::string_view kResultsEmailRequest =
    "Please e-mail this information to VELK at " VEXLOR_CONTACT_EMAIL;
// The request in the About and Favorite Web Sites dialogs.
inline constexpr std::string_view kDialogEmailRequest =
    "Please e-mail your tag data or the saved data file to VELK at " VEXLOR_CONTACT_EMAIL ".";

// The line offered after a clearing that emptied fields, and its button.
inline constexpr std::string_view kFormClearedLine = "Form cleared.";
inline constexpr std::string_view kUndoButtonText = "&Undo";

// The About dialog's own lines.
inline constexpr std::string_view kAboutVersionLine = "Vexlor Version " VEXLOR_VERSION;
inline constexpr std::string_view kAboutNotice = "Maintained by VELK";
inline constexpr std::string_view kAboutAuthorCredit = "Written for VELK";
inline constexpr std::string_view kAboutAcknowledgement = "Thanks to every owner who sent in tag data.";
inline constexpr std::string_view kAboutPhotoCaption = "A 1967 Camaro coupe, one of the cars in our records.";
inline constexpr std::string_view kAboutInfoRequest = "Know a code we do not decode yet? Please tell us.";

}  // namespace vexlor
