// The default file name: the VIN key, else the year digit and body number,
// else none; typed text never leaves the directory.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "results/decode_file.h"

namespace vexlor {
namespace {

TEST(DefaultName, EveryBranch) {
    struct Case {
        std::string strPrefix, strTail, strPlantBody, strExpected;
    };
    const std::vector<Case> cases = {
        // A VIN tail that is no blank pattern names the file after the VIN key.
        {"12437", "7N100001", "N065727", "124377N100001.txt"},
        {"12__7", "7_100001", "_______", "12__77_100001.txt"},
        {"12437", "7n______", "N______", "124377n______.txt"},
        {"12437", "7N_____", "N______", "124377N_____.txt"},
        {"12437", "7L3_____", "N______", "124377L3_____.txt"},
        {"12437", "6N______", "N______", "124376N______.txt"},
        // The nine blank patterns: the year digit and the plant/body field.
        {"12437", "7N______", "N065727", "7B_N065727.txt"},
        {"12437", "7L1_____", "L065727", "7B_L065727.txt"},
        {"12__7", "7_______", "_065727", "7B__065727.txt"},
        {"12437", "8N______", "N100200", "8B_N100200.txt"},
        {"12437", "8L3_____", "L100200", "8B_L100200.txt"},
        {"12__7", "8_______", "_100200", "8B__100200.txt"},
        {"12437", "9N______", "N123456", "9B_N123456.txt"},
        {"12437", "9L5_____", "L123456", "9B_L123456.txt"},
        {"12__7", "9_______", "_123456", "9B__123456.txt"},
        {"12437", "9N______", "N12____", "9B_N12____.txt"},
        {"12437", "9N______", "", "9B_.txt"},
        // ... and no name at all without a body number.
        {"12437", "7N______", "N______", ""},
        {"12437", "9L5_____", "L______", ""},
        {"12__7", "8_______", "_______", ""},
        {"", "", "", ""},
        // Anything but a letter, a digit, '_' or '-' becomes '_', after the blank patterns were tested.
        {"12437", "7N../x__", "N______", "124377N___x__.txt"},
        {"12437", "7N\\:*?\"<", "N______", "124377N______.txt"},
        {"12437", "7N1 \xE9\x80" "23", "N______", "124377N1___23.txt"},
        {"12437", std::string("7N1\0\t\n23", 8), "N______", "124377N1___23.txt"},
        {"12437", "7N______", "N/../../etc", "7B_N_______etc.txt"},
        {"12437", "9N______", "N-12345", "9B_N-12345.txt"},
        {"12437", "7N.,____", "N065727", "124377N______.txt"},
        {"12437", "7N______", "N.,.,.,", "7B_N______.txt"},
    };
    for (const Case& c : cases) {
        DecodeResult r;
        r.m_strVinPrefix = c.strPrefix;
        r.m_strVinTail = c.strTail;
        r.m_strPlantBody = c.strPlantBody;
        EXPECT_EQ(DefaultFileName(r), c.strExpected) << c.strPrefix << " " << c.strTail << " " << c.strPlantBody;
    }
}

}  // namespace
}  // namespace vexlor
