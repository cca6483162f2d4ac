#include "ui/widgets/WebView.h"

#include <QAction>
#include <QGuiApplication>
#include <QPointer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QWindow>

namespace {

// The browser draws its page in a hidden window of its own ("Offscreen"), made with the view's first
// page. It is no window of the program, yet a screen reader would list it among the program's windows.
// That list leaves out pop-ups, so the hidden window is marked as one; it is never shown, and the page's
// content stays reachable through the view, where it belongs.
void KeepDrawingWindowsUnlisted() {
    for (QWindow* window : QGuiApplication::topLevelWindows()) {
        if (window->inherits("QQuickWindow") && !window->isVisible() && window->type() != Qt::Popup) {
            window->setFlags(window->flags() | Qt::Popup);
        }
    }
}

class WebEngineView final : public qv::WebView {
public:
    explicit WebEngineView(QWidget* parent)
        : m_view(new QWebEngineView(parent)) {
        QObject::connect(m_view, &QWebEngineView::loadStarted, m_view, &KeepDrawingWindowsUnlisted);
        QObject::connect(m_view, &QWebEngineView::loadFinished, m_view, &KeepDrawingWindowsUnlisted);
    }

    QWidget* Widget() override { return m_view; }
    void Load(const QUrl& url) override {
        if (m_view) {
            m_view->setUrl(url);
        }
    }
    void Back() override {
        if (m_view) {
            m_view->back();
        }
    }
    void Forward() override {
        if (m_view) {
            m_view->forward();
        }
    }
    void OnHistoryChanged(std::function<void(bool back, bool forward)> history) override {
        QAction* back = m_view->pageAction(QWebEnginePage::Back);
        QAction* forward = m_view->pageAction(QWebEnginePage::Forward);
        const auto tell = [back, forward, history] { history(back->isEnabled(), forward->isEnabled()); };
        QObject::connect(back, &QAction::changed, m_view, tell);
        QObject::connect(forward, &QAction::changed, m_view, tell);
        tell();
    }

private:
    // The widget belongs to its parent and may go first.
    QPointer<QWebEngineView> m_view;
};

} // namespace

extern "C" Q_DECL_EXPORT qv::WebView* QvMakeWebView(QWidget* parent) {
    return new WebEngineView(parent);
}
