#pragma once

#include <filesystem>
#include <vector>

namespace qv {

// The files the installation brings into every user's data folder: the demo slip and the print
// parameters.
inline constexpr const char* InstallationFileNames[] = {"Demo.kts", "BEL.qvpd"};

// Where the installation keeps them: beside the installed program (../share/quovadra), or, for a
// program run from its build folder, the build folder's copy.
std::vector<std::filesystem::path> InstallationFolders();

// Copies every installation file that the data folder lacks from the first of folders that holds it,
// through the safe save (a full disk never leaves a cut-off copy). A file already in the data folder is
// never touched unless it is shorter than the original: such a copy was cut off and is replaced.
// Returns the names copied; a file that cannot be copied is left out (the windows that need it report
// its absence).
std::vector<std::filesystem::path> CopyMissingInstallationFiles(const std::vector<std::filesystem::path>& folders,
                                                                const std::filesystem::path& dataFolder);

} // namespace qv
