#include "ui/frame/InstallationFiles.h"

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
        std::error_code error;
        const std::filesystem::path target = dataFolder / name;
        if (std::filesystem::exists(target, error) || error) {
            continue;
        }
        for (const std::filesystem::path& folder : folders) {
            const std::filesystem::path source = folder / name;
            if (std::filesystem::is_regular_file(source, error) &&
                std::filesystem::copy_file(source, target, std::filesystem::copy_options::none, error)) {
                copied.push_back(name);
                break;
            }
        }
    }
    return copied;
}

} // namespace qv
