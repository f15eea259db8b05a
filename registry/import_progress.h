#pragma once
// The import's progress line on a terminal: files done and files per second,
// rewritten in place a few times a second.

#include <chrono>
#include <iosfwd>

namespace vexlor {

class ImportProgress {
public:
    ImportProgress(std::ostream& err, bool bShow) : m_err(err), m_bShow(bShow) {}

    void Tick(long long nDone);
    // Before a message of its own on the same stream: empties the line.
    void Interrupt();
    // The last count, and the line is left.
    void Finish(long long nDone);

private:
    using Clock = std::chrono::steady_clock;
    void Show(long long nDone, Clock::time_point tNow);

    std::ostream& m_err;
    bool m_bShow;
    bool m_bShown = false;
    Clock::time_point m_tStart = Clock::now();
    Clock::time_point m_tLastShown = m_tStart;
};

}  // namespace vexlor
