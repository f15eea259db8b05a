// The reader of decode files: the inverse of the writer beside it.
#include "results/decode_file_reader.h"

#include <vector>

#include "results/decode_file.h"

namespace vexlor {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr size_t kCsvFieldCount = kCodeFieldCount + 1;
constexpr size_t kTabColumnCount = 13;
constexpr size_t kTabDateColumn = 1;
constexpr size_t kNoticeLine = 2;     // 0-based: line 3
constexpr size_t kFirstListLine = 7;  // 0-based: line 8

ReadOutcome Reject(Rejection rejection, std::string strReason) {
    ReadOutcome outcome;
    outcome.rejection = rejection;
    outcome.strReason = std::move(strReason);
    return outcome;
}

std::string_view WithoutTrailingBlanks(std::string_view strText) {
    while (!strText.empty() && strText.back() == ' ') strText.remove_suffix(1);
    return strText;
}

// Lines split at CR LF, LF or a CR alone (the writer writes no lone CR, so
// a file that has them was saved again by an editor that ends lines so);
// nothing follows a final line end.
std::vector<std::string_view> SplitLines(std::string_view strText) {
    std::vector<std::string_view> lines;
    lines.reserve(32);
    // One pass over the bytes: find_first_of with two characters would search
    // the set once for every byte of the text.
    size_t nStart = 0;
    for (size_t i = 0; i < strText.size(); ++i) {
        const char ch = strText[i];
        if (ch != '\n' && ch != '\r') continue;
        lines.push_back(strText.substr(nStart, i - nStart));
        if (ch == '\r' && i + 1 < strText.size() && strText[i + 1] == '\n') ++i;
        nStart = i + 1;
    }
    if (nStart < strText.size()) lines.push_back(strText.substr(nStart));
    return lines;
}

std::vector<std::string_view> SplitAt(std::string_view strLine, char chSeparator) {
    std::vector<std::string_view> fields;
    for (;;) {
        const size_t nEnd = strLine.find(chSeparator);
        fields.push_back(strLine.substr(0, nEnd));
        if (nEnd == std::string_view::npos) return fields;
        strLine.remove_prefix(nEnd + 1);
    }
}

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

// "3.68": digits with dots between them.
bool IsVersion(std::string_view strText) {
    if (strText.empty() || !IsDigit(strText.front()) || !IsDigit(strText.back())) return false;
    for (size_t i = 0; i < strText.size(); ++i) {
        if (IsDigit(strText[i])) continue;
        if (strText[i] != '.' || !IsDigit(strText[i - 1])) return false;
    }
    return true;
}

int TwoDigits(std::string_view strText, size_t nPos) { return (strText[nPos] - '0') * 10 + (strText[nPos + 1] - '0'); }

// mm-dd-yyyy with a month from 01 to 12 and a day from 01 to 31.
bool IsDate(std::string_view strText) {
    if (strText.size() != 10 || strText[2] != '-' || strText[5] != '-') return false;
    for (size_t nPos : {0, 1, 3, 4, 6, 7, 8, 9}) {
        if (!IsDigit(strText[nPos])) return false;
    }
    const int nMonth = TwoDigits(strText, 0);
    const int nDay = TwoDigits(strText, 3);
    return nMonth >= 1 && nMonth <= 12 && nDay >= 1 && nDay <= 31;
}

// One code from its two copies. The writer puts the stand-in where the code
// held line 1's comma or line 2's tab, so each copy gives back the other's
// separator; elsewhere the copies must be equal.
bool MergeCopies(std::string_view strCsv, std::string_view strTab, std::string& strCode) {
    if (strCsv.size() != strTab.size()) return false;
    strCode.assign(strCsv);
    for (size_t i = 0; i < strCsv.size(); ++i) {
        const char chCsv = strCsv[i];
        const char chTab = strTab[i];
        if (chCsv == chTab) continue;
        if (chCsv == kRecordFieldStandIn && chTab == ',') {
            strCode[i] = ',';
        } else if (chTab != kRecordFieldStandIn || chCsv != '\t') {
            return false;
        }
    }
    return true;
}

// The last code of each record ends its line, so blanks that mail adds at
// the end of lines land in it. They are dropped when the copies differ by
// them, or when the notice of line 3, which the writer ends without one,
// shows that every line was padded; else the blanks are the code's own.
bool MergeLastCopies(std::string_view strCsv, std::string_view strTab, bool bPadded, std::string& strCode) {
    return (!bPadded && MergeCopies(strCsv, strTab, strCode)) ||
           MergeCopies(WithoutTrailingBlanks(strCsv), WithoutTrailingBlanks(strTab), strCode);
}

// The results list runs from line 8 to the two empty lines the writer ends it
// with: the first run of two or more empty lines, less its last two (the list
// itself may end in empty lines). A list that was cut off runs to the end. In
// a file that mail padded with blanks, a line of blanks counts as empty.
std::string DecodeText(const std::vector<std::string_view>& lines, bool bPadded) {
    auto line = [&](size_t i) { return bPadded ? WithoutTrailingBlanks(lines[i]) : lines[i]; };
    size_t nEnd = lines.size();
    for (size_t i = kFirstListLine; i + 1 < lines.size(); ++i) {
        if (!line(i).empty() || !line(i + 1).empty()) continue;
        size_t nRunEnd = i + 2;
        while (nRunEnd < lines.size() && line(nRunEnd).empty()) ++nRunEnd;
        nEnd = nRunEnd - 2;
        break;
    }
    std::string strText;
    for (size_t i = kFirstListLine; i < nEnd; ++i) {
        if (i > kFirstListLine) strText += '\n';
        strText += lines[i];
    }
    return strText;
}

}  // namespace

ReadOutcome ReadDecodeFile(std::string_view strBytes) {
    if (strBytes.size() > kMaxDecodeFileSize) return Reject(Rejection::TooLarge, std::string(kTooLargeReason));
    if (strBytes.find('\0') != std::string_view::npos) {
        return Reject(Rejection::HoldsNul, "holds NUL bytes, so it is no text file");
    }
    if (strBytes.starts_with(kByteOrderMark)) strBytes.remove_prefix(kByteOrderMark.size());

    const std::vector<std::string_view> lines = SplitLines(strBytes);
    if (lines.size() <= kNoticeLine || WithoutTrailingBlanks(lines[kNoticeLine]) != kTopLinesNotice) {
        return Reject(Rejection::NotDecodeFile, "not a decode file (line 3 is not the notice of one)");
    }
    const std::vector<std::string_view> csv = SplitAt(lines[0], ',');
    if (csv.size() != kCsvFieldCount) {
        return Reject(Rejection::WrongFieldCount,
                      "line 1 has " + std::to_string(csv.size()) + " comma-separated fields, not 10");
    }
    const std::vector<std::string_view> tab = SplitAt(lines[1], '\t');
    if (tab.size() != kTabColumnCount) {
        return Reject(Rejection::WrongFieldCount,
                      "line 2 has " + std::to_string(tab.size()) + " tab-separated columns, not 13");
    }
    if (!IsVersion(csv[0])) {
        return Reject(Rejection::NoVersion, "not a decode file (line 1 does not begin with a version)");
    }
    if (!IsDate(tab[kTabDateColumn])) {
        return Reject(Rejection::BadDate, "line 2 has no date (mm-dd-yyyy) in column 2");
    }

    const bool bPadded = lines[kNoticeLine] != kTopLinesNotice;
    ReadOutcome outcome;
    DecodeFileRecords& records = outcome.records;
    records.strVersion = std::string(csv[0]);
    records.strSavedDate = std::string(tab[kTabDateColumn]);
    for (size_t i = 0; i < kCodeFieldCount; ++i) {
        const CodeFieldInfo& info = kCodeFields[i];
        const std::string_view strCsv = csv[i + 1];
        if (info.nTabColumn < 0) {
            records.codes[i] = std::string(strCsv);
            continue;
        }
        const std::string_view strTab = tab[static_cast<size_t>(info.nTabColumn)];
        const bool bLast = i + 1 == kCodeFieldCount;
        const bool bAgree = bLast ? MergeLastCopies(strCsv, strTab, bPadded, records.codes[i])
                                  : MergeCopies(strCsv, strTab, records.codes[i]);
        if (!bAgree) {
            return Reject(Rejection::RecordsDisagree,
                          "the two records disagree on the " + std::string(info.strLabel));
        }
    }
    records.strDecodeText = DecodeText(lines, bPadded);
    return outcome;
}

}  // namespace vexlor
