#pragma once

#include <exception>
#include <utility>

namespace qv {

class Messages;

// The program's general error report: an error that reaches the top of a user action is shown in an
// error box, a German sentence of the program's own with the system's text after it, and the program
// goes on.
void ReportError(Messages& messages, const std::exception& error);

// Runs a user action under the general error report.
template <typename Action>
void Guarded(Messages& messages, Action&& action) {
    try {
        std::forward<Action>(action)();
    } catch (const std::exception& error) {
        ReportError(messages, error);
    }
}

} // namespace qv
