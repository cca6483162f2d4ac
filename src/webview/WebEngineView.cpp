#include "ui/widgets/WebView.h"

#include <QAction>
#include <QPointer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {

class WebEngineView final : public qv::WebView {
public:
    explicit WebEngineView(QWidget* parent)
        : m_view(new QWebEngineView(parent)) {}

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
