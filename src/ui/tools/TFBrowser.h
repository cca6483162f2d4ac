#pragma once

#include <QWidget>

class QPushButton;
class QWebEngineView;

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

    QWebEngineView* View() const { return m_view; }

private:
    QString PlayPage() const;

    AppContext& m_context;
    QWebEngineView* m_view;
    QPushButton* m_back;
    QPushButton* m_forward;
};

} // namespace qv
