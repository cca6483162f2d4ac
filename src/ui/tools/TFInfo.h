#pragma once

#include <QWidget>

namespace qv {

struct AppContext;

// The about window: the program, its version, its licence and the web site the build names. It shows
// nothing the build does not know. Created on each use and destroyed when closed.
class TFInfo : public QWidget {
    Q_OBJECT

public:
    static constexpr const char* kFormName = "FInfo";

    explicit TFInfo(AppContext& context);

    // The handler of the web-site line: the site in the browser.
    void OpenWebSite();

    static constexpr int kClientWidth = 400;
    static constexpr int kClientHeight = 300;

private:
    AppContext& m_context;
};

} // namespace qv
