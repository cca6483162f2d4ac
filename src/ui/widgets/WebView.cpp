#include "ui/widgets/WebView.h"

#include "ui/widgets/Module.h"

namespace qv {

std::unique_ptr<WebView> MakeWebView(QWidget* parent) {
    // Loading the module starts the browser engine's set-up, the shared OpenGL context included.
    return MakeFromModule<WebView>(QStringLiteral("qv_webview"), "QvMakeWebView", parent);
}

QString WebViewLoadError() {
    return ModuleLoadError<WebView>();
}

} // namespace qv
