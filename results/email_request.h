#pragma once
// The e-mail to the research group: its address, a subject naming the car,
// the saved decode file as attachment (or a note asking to attach it), and how
// the desktop is asked to start it.

#include <string>
#include <string_view>
#include <vector>

#include "decoder/decode_result.h"
#include "vexlor_config.h"

namespace vexlor {

struct EmailRequest {
    std::string strAddress;
    std::string strSubject;     // "Cowl tag decode" and the VIN key or the body number
    std::string strAttachment;  // the saved decode file; empty: none
    std::string strBody;        // empty, or the note to attach the saved file by hand
};

// The research group's address, as the build sets it.
inline constexpr std::string_view kResearchGroupEmail = VEXLOR_CONTACT_EMAIL;

// The subject before the VIN key or body number.
inline constexpr std::string_view kEmailSubject = "Cowl tag decode";
// The body's request when the file cannot be attached, before the file's name.
inline constexpr std::string_view kAttachNote = "Please attach the saved decode file: ";

// The desktop's e-mail helper; it takes attachments.
inline constexpr std::string_view kEmailHelper = "xdg-email";

// strSavedPath: the last file saved of this decode, empty when none.
// bCanAttach: the e-mail helper is there. Without it a saved file is named in
// a note in the body instead.
EmailRequest BuildEmailRequest(const DecodeResult& result, const std::string& strSavedPath, bool bCanAttach);

// The e-mail helper's arguments: the subject, the body or the attachment, and
// the address last.
std::vector<std::string> EmailHelperArguments(const EmailRequest& request);

// The request as a mailto: address for a desktop without the helper; every
// byte but letters, digits and "-._~" of the subject and body is percent-encoded.
std::string MailtoUrl(const EmailRequest& request);

}  // namespace vexlor
