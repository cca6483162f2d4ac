#include "text/DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace qv {

std::filesystem::path DefaultDataFolder() {
    // The location is named after the application alone, never after an organisation.
    const QString previousName = QCoreApplication::applicationName();
    const QString previousOrganisation = QCoreApplication::organizationName();
    QCoreApplication::setApplicationName(QStringLiteral("Quovadra"));
    QCoreApplication::setOrganizationName(QString());
    const QString location = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QCoreApplication::setApplicationName(previousName);
    QCoreApplication::setOrganizationName(previousOrganisation);
    return ToPath(QDir::cleanPath(location) + QLatin1Char('/'));
}

std::filesystem::path ToPath(const QString& text) {
#ifdef _WIN32
    return std::filesystem::path(text.toStdWString());
#else
    return std::filesystem::path(text.toStdString());
#endif
}

QString FromPath(const std::filesystem::path& path) {
#ifdef _WIN32
    return QString::fromStdWString(path.wstring());
#else
    return QString::fromStdString(path.string());
#endif
}

} // namespace qv
