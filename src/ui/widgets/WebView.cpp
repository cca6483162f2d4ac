#include "ui/widgets/WebView.h"

#include "ui/widgets/Module.h"

namespace qv {
namespace {

QString& LoadError() {
    static QString error;
    return error;
}

} // namespace

std::unique_ptr<WebView> MakeWebView(QWidget* parent) {
    // Loading the module starts the browser engine's set-up, the shared OpenGL context included.
    static const auto make = reinterpret_cast<QvMakeWebViewFunction>(
        LoadModuleFunction(QStringLiteral("qv_webview"), "QvMakeWebView", LoadError()));
    if (make == nullptr) {
        return nullptr;
    }
    return std::unique_ptr<WebView>(make(parent));
}

QString WebViewLoadError() {
    return LoadError();
}

} // namespace qv
