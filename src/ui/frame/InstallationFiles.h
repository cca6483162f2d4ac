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

// Copies every installation file that the data folder lacks from the first of folders that holds it.
// Files already in the data folder are never touched. Returns the names copied; a file that cannot
// be copied is left out silently (the windows that need it report its absence).
std::vector<std::filesystem::path> CopyMissingInstallationFiles(const std::vector<std::filesystem::path>& folders,
                                                                const std::filesystem::path& dataFolder);

} // namespace qv
