#pragma once

#include <QString>

#include <functional>
#include <memory>

class QUrl;
class QWidget;

namespace qv {

// An embedded browser. The browser engine and the OpenGL driver it needs are large, so they live in a
// module of their own (qv_webview) that is loaded the first time a web page is to be shown, never at
// start. The interface is plain C++ so that the module needs nothing of the program but this header.
class WebView {
public:
    virtual ~WebView() = default;

    // The browser's widget, owned by the parent it was made for.
    virtual QWidget* Widget() = 0;
    virtual void Load(const QUrl& url) = 0;
    virtual void Back() = 0;
    virtual void Forward() = 0;
    // history hears whether the browser can go back and forward, after every change of that.
    virtual void OnHistoryChanged(std::function<void(bool back, bool forward)> history) = 0;
};

// Makes a browser as a child of parent, loading the browser module the first time; nothing when the
// module cannot be loaded.
std::unique_ptr<WebView> MakeWebView(QWidget* parent);

// Where the browser module was looked for, and why it could not be loaded (empty once it is loaded).
QString WebViewLoadError();

} // namespace qv

// The browser module exports one function, extern "C" qv::WebView* QvMakeWebView(QWidget* parent): it
// makes a browser as a child of parent; the caller owns what it returns.
