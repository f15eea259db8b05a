// A CR or LF that reached a list line or the save directory must not break the
// decode file's lines: every line of the file still ends in CR LF.
#include <gtest/gtest.h>

#include <string>

#include "results/decode_file.h"

namespace vexlor {
namespace {

TEST(DecodeFileLineEnds, LineEndsInsideListLinesAndDirectoryBecomeBlanks) {
    const std::string strFile =
        DecodeFileContent(DecodeResult{}, {"\r = ~cylinder engine", "A\nB", "C\r\nD"}, "01-02-2003",
                          "/tmp/odd\ndir", std::nullopt);
    EXPECT_EQ(strFile,
              "3.68,,,,,,,,,\r\n"
              "\t01-02-2003\t\t\t\t\t\t\t\t\t\t\t\r\n"
              "Please do not change the top two lines of this file.  They help VELK with our database work.\r\n"
              "\r\n"
              "This file was originaly saved in directory: /tmp/odd dir\r\n"
              "Please e-mail this file to VELK (velk@example.org).\r\n"
              "\r\n"
              "  = ~cylinder engine\r\n"
              "A B\r\n"
              "C  D\r\n"
              "\r\n"
              "\r\n");
}

}  // namespace
}  // namespace vexlor
