#pragma once
// Reads a stream line by line through one buffer that never outgrows the
// longest line allowed, so memory stays bounded whatever the size of the input.

#include <cstddef>
#include <istream>
#include <string_view>
#include <vector>

namespace vexlor {

class LineReader {
public:
    // Lines longer than nMaxLine bytes are skipped and flagged.
    explicit LineReader(std::istream& in, size_t nMaxLine = size_t{1} << 20);

    // The next line without its "\n" or "\r\n"; valid until the next call.
    // bTooLong is set (and strLine empty) for a line longer than the limit.
    // False at the end of the input.
    bool Next(std::string_view& strLine, bool& bTooLong);

    // 1-based number of the line that Next returned last.
    long long LineNumber() const { return m_nLine; }
    // True when reading stopped on an error rather than at the end.
    bool Failed() const { return m_in.bad(); }
    size_t MaxLine() const { return m_nMaxLine; }

private:
    bool Fill();
    void SkipRestOfLongLine();
    std::string_view Take(size_t nEnd, size_t nNext);

    std::istream& m_in;
    size_t m_nMaxLine;
    std::vector<char> m_buffer;  // grows up to the longest line and its line end
    size_t m_nBegin = 0;  // first unread byte
    size_t m_nEnd = 0;    // end of the bytes read
    bool m_bEof = false;
    long long m_nLine = 0;
};

}  // namespace vexlor
