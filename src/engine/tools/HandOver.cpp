#include "engine/tools/HandOver.h"

namespace qv {

std::string HandOverBatch(const std::string& program, const std::string& batch) {
    // The folder with its trailing separator.
    const std::size_t cut = program.find_last_of("\\/");
    const std::string folder = cut == std::string::npos ? std::string() : program.substr(0, cut + 1);
    std::string text;
    for (const std::string& line :
         {std::string(":Label1"), "del \"" + program + "\"", "if Exist \"" + program + "\" goto Label1",
          "rmdir \"" + folder + "\"", "del " + batch}) {
        text += line + "\r\n";
    }
    return text;
}

} // namespace qv
