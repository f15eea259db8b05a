#include "cli/line_reader.h"

#include <algorithm>
#include <cstring>

namespace vexlor {

namespace {
constexpr size_t kFirstBufferSize = size_t{1} << 16;
}

LineReader::LineReader(std::istream& in, size_t nMaxLine)
    : m_in(in), m_nMaxLine(nMaxLine), m_buffer(std::min(kFirstBufferSize, nMaxLine + 1)) {}

bool LineReader::Next(std::string_view& strLine, bool& bTooLong) {
    bTooLong = false;
    size_t nSearch = m_nBegin;
    for (;;) {
        const void* pNewline = std::memchr(m_buffer.data() + nSearch, '\n', m_nEnd - nSearch);
        if (pNewline != nullptr) {
            const size_t nPos = static_cast<size_t>(static_cast<const char*>(pNewline) - m_buffer.data());
            strLine = Take(nPos, nPos + 1);
            return true;
        }
        if (m_bEof) {
            if (m_nBegin == m_nEnd) return false;
            strLine = Take(m_nEnd, m_nEnd);
            return true;
        }
        if (m_nBegin == 0 && m_nEnd == m_buffer.size() && m_buffer.size() <= m_nMaxLine) {
            m_buffer.resize(std::min(m_buffer.size() * 2, m_nMaxLine + 1));  // a long line: room for it
        } else if (m_nBegin == 0 && m_nEnd == m_buffer.size()) {
            bTooLong = true;
            strLine = {};
            ++m_nLine;
            SkipRestOfLongLine();
            return true;
        }
        const size_t nScanned = m_nEnd - m_nBegin;
        Fill();
        nSearch = m_nBegin + nScanned;
    }
}

std::string_view LineReader::Take(size_t nEnd, size_t nNext) {
    std::string_view strLine(m_buffer.data() + m_nBegin, nEnd - m_nBegin);
    if (!strLine.empty() && strLine.back() == '\r') strLine.remove_suffix(1);
    m_nBegin = nNext;
    ++m_nLine;
    return strLine;
}

bool LineReader::Fill() {
    if (m_nBegin > 0) {
        std::memmove(m_buffer.data(), m_buffer.data() + m_nBegin, m_nEnd - m_nBegin);
        m_nEnd -= m_nBegin;
        m_nBegin = 0;
    }
    if (m_bEof || m_nEnd == m_buffer.size()) return false;
    m_in.read(m_buffer.data() + m_nEnd, static_cast<std::streamsize>(m_buffer.size() - m_nEnd));
    const auto nRead = static_cast<size_t>(m_in.gcount());
    m_nEnd += nRead;
    if (nRead == 0 || !m_in) m_bEof = true;
    return nRead > 0;
}

// Drops the bytes of an over-long line up to and including its line end.
void LineReader::SkipRestOfLongLine() {
    for (;;) {
        m_nBegin = m_nEnd = 0;
        if (!Fill()) return;
        const void* pNewline = std::memchr(m_buffer.data(), '\n', m_nEnd);
        if (pNewline != nullptr) {
            m_nBegin = static_cast<size_t>(static_cast<const char*>(pNewline) - m_buffer.data()) + 1;
            return;
        }
    }
}

}  // namespace vexlor
