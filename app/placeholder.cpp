// Placeholder until the window is written.
namespace vexlor {}
