// Placeholder until the command line is written.
namespace vexlor {}
