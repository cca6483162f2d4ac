#include "ui/widgets/WebView.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace qv {
namespace {

QString& LoadError() {
    static QString error;
    return error;
}

// The module lies beside the program (Windows), in the installation's library folder, or in the build
// folder (the program and the tests run from there).
QvMakeWebViewFunction LoadModule() {
    const QDir here(QCoreApplication::applicationDirPath());
    const QStringList folders = {here.path(), here.filePath(QStringLiteral(QV_INSTALLED_WEBVIEW_RELATIVE)),
                                 QStringLiteral(QV_BUILD_WEBVIEW_DIR)};
    QStringList errors;
    for (const QString& folder : folders) {
        QLibrary module(QDir(folder).filePath(QStringLiteral("qv_webview")));
        // Loading it starts the browser engine's set-up, the shared OpenGL context included.
        if (auto make = reinterpret_cast<QvMakeWebViewFunction>(module.resolve("QvMakeWebView"))) {
            LoadError().clear();
            return make;
        }
        errors << module.errorString();
    }
    LoadError() = errors.join(QLatin1Char('\n'));
    return nullptr;
}

} // namespace

std::unique_ptr<WebView> MakeWebView(QWidget* parent) {
    static const QvMakeWebViewFunction make = LoadModule();
    if (make == nullptr) {
        return nullptr;
    }
    return std::unique_ptr<WebView>(make(parent));
}

QString WebViewLoadError() {
    return LoadError();
}

} // namespace qv
