#include "ui/frame/InstallationFiles.h"

#include "engine/core/FileError.h"
#include "engine/core/SafeFile.h"
#include "text/DataFolder.h"

#include <QCoreApplication>
#include <QDir>

#include <system_error>

namespace qv {

std::vector<std::filesystem::path> InstallationFolders() {
    const QDir programFolder(QCoreApplication::applicationDirPath());
    return {ToPath(QDir::cleanPath(programFolder.filePath(QStringLiteral(QV_INSTALLED_DATA_RELATIVE)))),
            ToPath(QStringLiteral(QV_BUILD_DATA_DIR))};
}

std::vector<std::filesystem::path> CopyMissingInstallationFiles(const std::vector<std::filesystem::path>& folders,
                                                                const std::filesystem::path& dataFolder) {
    std::vector<std::filesystem::path> copied;
    for (const char* name : InstallationFileNames) {
        const std::filesystem::path target = dataFolder / name;
        for (const std::filesystem::path& folder : folders) {
            const std::filesystem::path source = folder / name;
            std::error_code error;
            if (!std::filesystem::is_regular_file(source, error)) {
                continue;
            }
            const auto sourceSize = std::filesystem::file_size(source, error);
            const auto targetStatus = std::filesystem::symlink_status(target, error);
            if (std::filesystem::exists(targetStatus)) {
                // A copy shorter than the original was cut off by a full disk; any other file there is
                // the player's and stays.
                const auto targetSize = std::filesystem::file_size(target, error);
                if (error || !std::filesystem::is_regular_file(std::filesystem::status(target, error)) ||
                    targetSize >= sourceSize) {
                    break;
                }
            }
            try {
                CopyFileSafely(source, target);
                copied.push_back(name);
            } catch (const FileError&) {
                // Left out: the windows that need the file report its absence.
            }
            break;
        }
    }
    return copied;
}

} // namespace qv
