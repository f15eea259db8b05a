#pragma once
// With VEXLOR_REPORT_STARTUP=1 the program prints how long it took from the
// start of the process to the shown form.

namespace vexlor {

bool StartupReportWanted();
// Prints the time since main began and, where the system tells it, since the process started.
void ReportStartup(long long nMsSinceMain);

}  // namespace vexlor
