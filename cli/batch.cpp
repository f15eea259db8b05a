#include "cli/batch.h"

#include <chrono>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/batch_line_parser.h"
#include "cli/json_output.h"
#include "cli/line_reader.h"
#include "decoder/decode.h"
#include "results/result_lines.h"

namespace vexlor {

namespace {

constexpr size_t kFlushSize = size_t{1} << 16;

bool IsBlankLine(std::string_view strLine) {
    return strLine.find_first_not_of(" \t\r") == std::string_view::npos;
}

// The progress line on a terminal, rewritten in place a few times a second.
class ProgressLine {
public:
    ProgressLine(std::ostream& err, bool bShow) : m_err(err), m_bShow(bShow) {}

    void Tick(long long nDone) {
        if (!m_bShow || (nDone & 0xFFF) != 0) return;
        const auto tNow = Clock::now();
        if (tNow - m_tLastShown < std::chrono::milliseconds(200)) return;
        m_tLastShown = tNow;
        Show(nDone, tNow);
    }

    void Finish(long long nDone) {
        if (!m_bShow) return;
        Show(nDone, Clock::now());
        m_err << '\n' << std::flush;
    }

private:
    using Clock = std::chrono::steady_clock;

    void Show(long long nDone, Clock::time_point tNow) {
        const double dSeconds = std::chrono::duration<double>(tNow - m_tStart).count();
        const long long nRate = dSeconds > 0 ? static_cast<long long>(static_cast<double>(nDone) / dSeconds) : 0;
        m_err << '\r' << nDone << " tags, " << nRate << " tags/s" << std::flush;
    }

    std::ostream& m_err;
    bool m_bShow;
    Clock::time_point m_tStart = Clock::now();
    Clock::time_point m_tLastShown = m_tStart;
};

}  // namespace

int RunBatch(std::istream& in, std::ostream& out, std::ostream& err, bool bProgress) {
    LineReader reader(in);
    BatchLineParser parser;
    ProgressLine progress(err, bProgress);
    TagFields fields;
    std::string strOut;
    strOut.reserve(kFlushSize + 4096);
    std::string strError;
    long long nDone = 0;
    long long nFailed = 0;

    std::string_view strLine;
    bool bTooLong = false;
    while (reader.Next(strLine, bTooLong)) {
        if (!bTooLong && IsBlankLine(strLine)) continue;
        bool bOk = false;
        if (bTooLong) {
            strError = "the line is longer than " + std::to_string(reader.MaxLine()) + " bytes";
        } else if (parser.Parse(strLine, fields, strError)) {
            if (YearDigit(fields.strYear) == 0) {
                strError = kYearMessage;
            } else {
                const DecodeResult result = Decode(fields);
                AppendDecodeJson(strOut, result, BuildResultLines(result));
                strOut.push_back('\n');
                bOk = true;
            }
        }
        if (!bOk) {
            strOut += BatchErrorJson(reader.LineNumber(), strError);
            strOut.push_back('\n');
            ++nFailed;
        }
        ++nDone;
        if (strOut.size() >= kFlushSize) {
            out.write(strOut.data(), static_cast<std::streamsize>(strOut.size()));
            strOut.clear();
            if (!out) break;
        }
        progress.Tick(nDone);
    }
    out.write(strOut.data(), static_cast<std::streamsize>(strOut.size()));
    out.flush();
    progress.Finish(nDone);

    if (!out) {
        err << "vexlor-decode: the output could not be written\n";
        return 1;
    }
    if (reader.Failed()) {
        err << "vexlor-decode: the input could not be read\n";
        return 1;
    }
    if (nFailed > 0) {
        err << "vexlor-decode: " << nFailed << " of " << nDone << " lines failed\n";
        return 1;
    }
    return 0;
}

}  // namespace vexlor
