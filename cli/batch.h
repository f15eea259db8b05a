#pragma once
// --batch: JSON Lines in, one --json object per tag out, streaming.

#include <iosfwd>

namespace vexlor {

// Decodes every non-empty line of in and writes one line to out for it: the
// decode as --json writes it, or {"line":N,"error":"..."} when the line is
// refused. Memory stays the same whatever the input size. With bProgress a
// progress line (tags done, tags per second) is kept up to date on err.
// Returns 1 when any line failed or the input could not be read, else 0.
int RunBatch(std::istream& in, std::ostream& out, std::ostream& err, bool bProgress);

}  // namespace vexlor
