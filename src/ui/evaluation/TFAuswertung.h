#pragma once

#include <QMainWindow>

#include <array>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QTabWidget;
class QToolBar;
class QToolButton;
class QVBoxLayout;

namespace qv {

struct AppContext;
class StringGrid;
class TFrFrame1;

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

    // A click on number button n of the board, also made by the winning-number window.
    void ClickNumber(int n);
    QPushButton* NumberButton(int n) const { return m_lots.at(static_cast<std::size_t>(n - 1)); }

    // Opens a slip file into a new slip tab; a missing file gives an empty tab.
    void OpenSlipInMainWindow(const QString& path);

    // The handlers of the buttons, as the user's clicks run them.
    void NewDraw();
    void SaveDraw();
    void OpenSlipFiles();
    void OpenDemoSlip();
    void Evaluate();
    void CloseActiveSlipTab();
    void CloseAllSlipTabs();
    void ShowNews();
    void ShowWinningNumberWindow();

signals:
    // A saved draw's date was added to the period lists; windows with period lists of their own follow.
    void DrawDateAdded(const QString& dateText);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateToolBar();
    void CreateMenu();
    void CreateGroups();
    QWidget* CreateDrawEntry();
    QWidget* CreateBoard();
    QWidget* CreateSlipArea();
    QWidget* CreatePeriodSelection();
    // A tool-bar button of this window's own that shows a window created at start.
    void AddShowButton(const QString& name, const QString& hint, const QString& formName, const QColor& colour,
                       const QString& glyph);

    void LoadDrawHistory();
    void ReadStartSettings();
    void FillDateLists();
    void DrawSelected(int index);
    void RestyleBoard();
    void SetWinningNumberHint(const QString& dateText);
    void SetMultiRow(bool multiRow);
    void PeriodPositionsFromLists();
    void UpdateSlipTabState();
    void RepaintSlipGrids();
    QString Combo1Text() const;
    TFrFrame1* SlipFrame(int tab) const;

    AppContext& m_context;
    QToolBar* m_toolBar = nullptr;
    QGroupBox* m_gr1 = nullptr; // "Gewinnreihen"
    QGroupBox* m_gr2 = nullptr; // "Spielreihen-Auswertung"

    QComboBox* m_combo1 = nullptr;
    QPushButton* m_neu = nullptr;
    QToolButton* m_image1 = nullptr;
    std::array<QPushButton*, 70> m_lots{};
    QPushButton* m_save1 = nullptr;
    QPushButton* m_zwischenablage = nullptr;
    QPushButton* m_aktuell = nullptr;
    QVBoxLayout* m_webHost = nullptr;
    QWidget* m_web1 = nullptr; // created on first use

    QPushButton* m_open1 = nullptr;
    QToolButton* m_closeTab = nullptr;
    QToolButton* m_closeAll = nullptr;
    QCheckBox* m_cbMehr = nullptr;
    QTabWidget* m_pc1 = nullptr;
    QFrame* m_pInfo = nullptr;
    QComboBox* m_comboBox1 = nullptr;
    QLabel* m_label4 = nullptr;
    QCheckBox* m_cbBis = nullptr;
    QComboBox* m_combo2 = nullptr;
    QCheckBox* m_cbAlle = nullptr;
    QPushButton* m_auswerten = nullptr;
    QTabWidget* m_pcf1 = nullptr;

    int m_fromPos = -1;
    int m_toPos = -1;
    bool m_newDrawPending = false;
    bool m_drawsLoaded = false; // false when the draw file could not be read: then nothing overwrites it
    bool m_shown = false;
};

} // namespace qv
