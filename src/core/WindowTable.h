#pragma once

namespace qv {

class WindowRegistry;

// Adds every window of the program: one line per window, the windows of the start in their order.
void RegisterWindows(WindowRegistry& registry);

} // namespace qv
