// Writes N decode files of varied generated tags with our writer, a thousand
// to a folder, as the research group's mail archive would hold them: the
// three model years, VINs with and without serials, both plants, known and
// unknown codes; now and then a second file of a car already written with
// its paint changed (a conflict), and now and then the same file twice.
//   vexlor_generate_decode_files N FOLDER
#include <sys/stat.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>

#include "decoder/decode.h"
#include "decoder/tag_fields.h"
#include "results/decode_file.h"
#include "results/result_lines.h"

namespace {

constexpr std::array<const char*, 6> kYears = {"1967", "1968", "1969", "67", "68", "69"};
constexpr std::array<const char*, 5> kStyles = {"12437", "12467", "12637", "12667", "12337"};
constexpr std::array<const char*, 5> kPlants = {"NOR", "LOS", "VN", "", "XYZ"};
constexpr std::array<const char*, 7> kTrims = {"741", "760", "712", "711", "720", "999", "ABC"};
constexpr std::array<const char*, 8> kPaints = {"R", "C", "D", "Z", "51", "50", "10", "72"};
constexpr std::array<const char*, 8> kSpecials = {"X33D80Z10", "X11", "D80", "Z11", "X22", "A", "Q12", "X55"};
constexpr std::array<const char*, 7> kDates = {"01A", "10B", "03A", "09C", "12E", "04L", "8A"};
constexpr std::array<const char*, 5> kGroups1 = {"W", "EW", "X", "D", "L"};
constexpr std::array<const char*, 5> kGroups2 = {"GL", "MZ", "B", "E", "ML"};

template <size_t N>
const char* Pick(const std::array<const char*, N>& values, uint64_t nIndex) {
    return values[nIndex % N];
}

vexlor::TagFields GeneratedTag(uint64_t i) {
    vexlor::TagFields fields;
    fields.strYear = Pick(kYears, i);
    const char cDigit = fields.strYear.back();
    const std::string strPrefix = std::string("6") + cDigit + "-";
    if (i % 3 != 0) {
        fields.strVinPrefix = std::string("12") + (i % 2 ? "4" : "3") + (i % 4 < 2 ? "37" : "67") + cDigit +
                              (i % 5 < 3 ? "N" : "L");
    }
    if (i % 3 != 2) {
        const char cFirst = cDigit == '7' ? '1' : cDigit == '8' ? '3' : '5';
        char szSerial[16];
        std::snprintf(szSerial, sizeof szSerial, "%c%05u", cFirst, static_cast<unsigned>(i % 100000));
        fields.strSerial = szSerial;
    }
    fields.strStyle = strPrefix + Pick(kStyles, i / 7);
    fields.strPlant = Pick(kPlants, i / 11);
    fields.strBodyNumber = std::to_string(i % 999999);
    fields.strTrim = Pick(kTrims, i / 13);
    fields.strLowerPaint = Pick(kPaints, i / 17);
    fields.strTopPaint = Pick(kPaints, i * 7 / 19);
    if (cDigit == '9') {
        fields.strBuildDate69 = Pick(kDates, i / 5);
        fields.strCode69 = Pick(kSpecials, i / 23);
    } else {
        fields.strBuildDate = Pick(kDates, i / 5);
        fields.strCodeField = std::string(1, "DBEGKRTY"[i % 8]);
        fields.strSeat = "Z";
        fields.strGroups[0] = Pick(kGroups1, i / 3);
        fields.strGroups[1] = Pick(kGroups2, i / 29);
        fields.strGroups[3] = i % 2 ? "P" : "";
    }
    return fields;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: vexlor_generate_decode_files N FOLDER\n";
        return 2;
    }
    const uint64_t nCount = std::stoull(argv[1]);
    const std::string strFolder = argv[2];
    const std::string strDate = vexlor::DecodeFileDate(0);
    std::string strContent;
    for (uint64_t i = 0; i < nCount; ++i) {
        const std::string strSub = strFolder + "/" + std::to_string(i / 1000);
        if (i % 1000 == 0 && mkdir(strSub.c_str(), 0755) != 0) {
            std::perror(strSub.c_str());
            return 1;
        }
        // Every 97th file is the one before it again; every 50th is a car
        // written before, repainted.
        if (i % 97 != 96) {
            vexlor::TagFields fields = GeneratedTag(i % 50 == 49 ? i - 49 : i);
            if (i % 50 == 49) fields.strLowerPaint = fields.strTopPaint = "40";
            const vexlor::DecodeResult result = vexlor::Decode(fields);
            strContent = vexlor::DecodeFileContent(result, vexlor::BuildResultLines(result), strDate,
                                                   "C:\\Camaro", std::nullopt);
        }
        std::ofstream file(strSub + "/" + std::to_string(i) + ".txt", std::ios::binary);
        file << strContent;
        if (!file) {
            std::cerr << "cannot write " << strSub << "\n";
            return 1;
        }
    }
    return 0;
}
