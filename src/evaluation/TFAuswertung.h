#pragma once

#include <QMainWindow>

class QGroupBox;
class QMenu;
class QToolBar;

namespace qv {

struct AppContext;

// The evaluation centre, the program's main window: the draw history on the left ("Gewinnreihen"),
// the slips and their evaluation on the right ("Spielreihen-Auswertung"), the shared tool bar and
// menu above. Closing it ends the program.
class TFAuswertung : public QMainWindow {
    Q_OBJECT

public:
    explicit TFAuswertung(AppContext& context);

    // Client area of the window.
    static constexpr int kClientWidth = 799;
    static constexpr int kClientHeight = 715;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateToolBar();
    void CreateMenu();
    void CreateGroups();
    // A tool-bar button of this window's own that shows a window created at start.
    void AddShowButton(const QString& name, const QString& hint, const QString& formName, const QColor& colour,
                       const QString& glyph);

    AppContext& m_context;
    QToolBar* m_toolBar = nullptr;
    QGroupBox* m_gr1 = nullptr; // "Gewinnreihen"
    QGroupBox* m_gr2 = nullptr; // "Spielreihen-Auswertung"
};

} // namespace qv
