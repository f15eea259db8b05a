#include "registry/import_progress.h"

#include <ostream>

namespace vexlor {

void ImportProgress::Tick(long long nDone) {
    if (!m_bShow || (nDone & 0xFF) != 0) return;
    const auto tNow = Clock::now();
    if (tNow - m_tLastShown < std::chrono::milliseconds(200)) return;
    m_tLastShown = tNow;
    Show(nDone, tNow);
}

void ImportProgress::Interrupt() {
    if (!m_bShown) return;
    m_err << "\r\x1B[K";  // back to the start, and the line cleared
    m_bShown = false;
}

void ImportProgress::Finish(long long nDone) {
    if (!m_bShow) return;
    Show(nDone, Clock::now());
    m_err << '\n' << std::flush;
}

void ImportProgress::Show(long long nDone, Clock::time_point tNow) {
    const double dSeconds = std::chrono::duration<double>(tNow - m_tStart).count();
    const long long nRate = dSeconds > 0 ? static_cast<long long>(static_cast<double>(nDone) / dSeconds) : 0;
    m_err << '\r' << nDone << " files, " << nRate << " files/s" << std::flush;
    m_bShown = true;
}

}  // namespace vexlor
