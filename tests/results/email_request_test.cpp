// The e-mail to the research group: subject, attachment or note, and how the
// desktop is asked to start it.
#include <gtest/gtest.h>

#include "results/email_request.h"

namespace vexlor {
namespace {

using Args = std::vector<std::string>;

TEST(EmailRequest, SubjectNamesTheVinKeyOrTheBodyNumber) {
    DecodeResult result;
    result.m_strVinTail = "7N______";
    result.m_strPlantBody = "N______";
    EXPECT_EQ(BuildEmailRequest(result, "", true).strSubject, "Cowl tag decode");
    result.m_strPlantBody = "N065727";
    EXPECT_EQ(BuildEmailRequest(result, "", true).strSubject, "Cowl tag decode 065727");
    result.m_strVinPrefix = "12437";
    result.m_strVinTail = "7N100001";
    const EmailRequest request = BuildEmailRequest(result, "/home/o/124377N100001.txt", true);
    EXPECT_EQ(EmailHelperArguments(request), (Args{"--subject", "Cowl tag decode 124377N100001", "--attach",
                                                   "/home/o/124377N100001.txt", "velk@example.org"}));
}

TEST(EmailRequest, WithoutTheHelperTheBodyAsksToAttachTheFile) {
    DecodeResult result;
    const EmailRequest request = BuildEmailRequest(result, "/home/my cars/a&b~Z.txt", false);
    EXPECT_EQ(request.strAttachment, "");
    EXPECT_EQ(EmailHelperArguments(request), (Args{"--subject", "Cowl tag decode", "--body",
                                                   "Please attach the saved decode file: /home/my cars/a&b~Z.txt",
                                                   "velk@example.org"}));
    EXPECT_EQ(MailtoUrl(request), "mailto:velk@example.org?subject=Cowl%20tag%20decode&body=Please%20attach%20the%20"
                                  "saved%20decode%20file%3A%20%2Fhome%2Fmy%20cars%2Fa%26b~Z.txt");
    EXPECT_EQ(MailtoUrl(BuildEmailRequest(result, "", true)), "mailto:velk@example.org?subject=Cowl%20tag%20decode");
}

}  // namespace
}  // namespace vexlor
