#pragma once

#include "ui/widgets/WebView.h"

#include <QWidget>

#include <memory>

class QPushButton;

namespace qv {

struct AppContext;

// Online play: the maker's online-play page in an embedded browser. Created on first use only (the
// browser engine is heavy), then only hidden.
class TFBrowser : public QWidget {
    Q_OBJECT

public:
    static constexpr const char* kFormName = "FBrowser";

    explicit TFBrowser(AppContext& context);

    // The handlers of "Aktualisieren" and of the warning line.
    void Refresh();
    void OpenAddictionPage();

    // The browser's widget; nothing when the browser module could not be loaded.
    QWidget* View() const { return m_view ? m_view->Widget() : nullptr; }

private:
    QString PlayPage() const;

    AppContext& m_context;
    std::unique_ptr<WebView> m_view;
    QPushButton* m_back;
    QPushButton* m_forward;
};

} // namespace qv
