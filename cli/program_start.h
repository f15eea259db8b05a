#pragma once
// Starting another program from the command line: with an argument list,
// never through a shell, without waiting for it.

#include <functional>
#include <string>
#include <vector>

namespace vexlor {

// Starts strProgram (looked up in PATH when it holds no '/') with args as its
// arguments, in strWorkingDir when that is not empty. True when it started.
bool StartDetachedProgram(const std::string& strProgram, const std::vector<std::string>& args,
                          const std::string& strWorkingDir = {});

// How a caller starts programs; tests put a recorder in its place.
using ProgramStarter = std::function<bool(const std::string& strProgram, const std::vector<std::string>& args,
                                          const std::string& strWorkingDir)>;

// The program that shows a file in the desktop's default viewer.
inline constexpr char kDesktopOpener[] = "xdg-open";

}  // namespace vexlor
