#include "app/startup_report.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace vexlor {
namespace {

// Milliseconds since the process started, from /proc; -1 where unknown.
long long MsSinceProcessStart() {
    QFile stat(QStringLiteral("/proc/self/stat"));
    QFile uptime(QStringLiteral("/proc/uptime"));
    if (!stat.open(QIODevice::ReadOnly) || !uptime.open(QIODevice::ReadOnly)) return -1;
    const QByteArray statText = stat.readAll();
    const qsizetype nParen = statText.lastIndexOf(')');
    if (nParen < 0) return -1;
    // After the command name: field 3 is the state, field 22 the start time in clock ticks.
    const QList<QByteArray> fields = statText.mid(nParen + 2).split(' ');
    if (fields.size() < 20) return -1;
    bool bOk = false;
    const double ticks = fields[19].toDouble(&bOk);
    const long nTicksPerSecond = sysconf(_SC_CLK_TCK);
    if (!bOk || nTicksPerSecond <= 0) return -1;
    const double upSeconds = uptime.readAll().split(' ').value(0).toDouble(&bOk);
    if (!bOk) return -1;
    return static_cast<long long>((upSeconds - ticks / static_cast<double>(nTicksPerSecond)) * 1000.0);
}

}  // namespace

bool StartupReportWanted() {
    const char* pszValue = std::getenv("VEXLOR_REPORT_STARTUP");
    return pszValue && *pszValue && *pszValue != '0';
}

void ReportStartup(long long nMsSinceMain) {
    const long long nMsSinceStart = MsSinceProcessStart();
    if (nMsSinceStart >= 0)
        std::fprintf(stderr, "vexlor: form shown %lld ms after main began, about %lld ms after the process started\n",
                     nMsSinceMain, nMsSinceStart);
    else
        std::fprintf(stderr, "vexlor: form shown %lld ms after main began\n", nMsSinceMain);
}

}  // namespace vexlor
