#pragma once

#include <string>

namespace qv {

// The batch file that replaces the program by its update on Windows: it waits until the program file
// can be deleted (that is, until the program has ended), removes the program folder if it is then
// empty, and deletes itself. Five lines, each ended by CR LF. program is the program file's full path,
// batch the batch file's own.
std::string HandOverBatch(const std::string& program, const std::string& batch);

} // namespace qv
