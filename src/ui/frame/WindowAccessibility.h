#pragma once

namespace qv {

// The program's windows that are plain widgets (not main windows or dialogs) reach a screen reader as
// windows ("frame"), not as anonymous panels.
void InstallWindowAccessibility();

} // namespace qv
