#pragma once
// The program's fixed texts that the maintainers may change: version, the
// research group's e-mail address, the two web sites and the request wording.

#include <string_view>

namespace vexlor {

inline constexpr std::string_view kVersion = "3.68";
inline constexpr std::string_view kProgramName = "Vexlor";
inline constexpr std::string_view kEmailAddress = "velk@example.org";
inline constexpr std::string_view kResearchGroupSite = "www.velk.example.org";
inline constexpr std::string_view kPartnerClubSite = "www.sorvan.example.org";

// Line 6 of the decode file.
inline constexpr std::string_view kFileEmailRequest =
    "Please e-mail this file to VELK (velk@example.org).";
// The request under the results list.
inline constexpr std::string_view kResultsEmailRequest =
    "Please e-mail this information to VELK at velk@example.org";
// The request in the About and Favorite Web Sites dialogs.
inline constexpr std::string_view kDialogEmailRequest =
    "Please e-mail your tag data or the saved data file to VELK at velk@example.org.";

// The About dialog's own lines.
inline constexpr std::string_view kAboutVersionPrefix = "Vexlor Version ";
inline constexpr std::string_view kAboutNotice = "Maintained by VELK";
inline constexpr std::string_view kAboutAuthorCredit = "Written for VELK";
inline constexpr std::string_view kAboutAcknowledgement = "Thanks to every owner who sent in tag data.";
inline constexpr std::string_view kAboutPhotoCaption = "A 1967 Camaro coupe, one of the cars in our records.";
inline constexpr std::string_view kAboutInfoRequest = "Know a code we do not decode yet? Please tell us.";

}  // namespace vexlor
