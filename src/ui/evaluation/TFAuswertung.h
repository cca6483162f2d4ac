#pragma once

#include "engine/evaluation/MainWindowSettings.h"
#include "ui/widgets/WebView.h"

#include <QMainWindow>
#include <QStringList>

#include <memory>
#include <optional>

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
class NumberBoard;
class TFrFrame1;
class WelcomePanel;

// The evaluation centre, the program's main window: the draw history on the left ("Gewinnreihen"),
// the slips and their evaluation on the right ("Spielreihen-Auswertung"), the shared tool bar and
// menu above. Closing it ends the program.
class TFAuswertung : public QMainWindow {
    Q_OBJECT

public:
    static constexpr char kFormName[] = "FAuswertung";

    explicit TFAuswertung(AppContext& context);

    // Client area of the window.
    static constexpr int kClientWidth = 799;
    static constexpr int kClientHeight = 715;

    // A click on number button n of the board, also made for the numbers the winning-number window
    // transfers: marks or unmarks n, or refuses a 21st mark.
    void MarkNumber(int n);

    // What the window does once before it first shows: its saved place, the date lists and the newest
    // draw on the board. The program calls it when all windows of the start exist, so that the main
    // window stands ready behind the start window without being shown; else the first show does it.
    void Prepare();

    // Opens a slip file into a new slip tab; a missing file gives an empty tab.
    void OpenSlipInMainWindow(const QString& path);
    // The files of the open slip tabs, in tab order.
    QStringList OpenSlipPaths() const;
    // The date of the draw chosen in the date list, empty when none is chosen.
    QString DrawDateText() const;

    // The handlers of the buttons, as the user's clicks run them.
    void NewDraw();
    void SaveDraw();
    void OpenSlipFiles();
    void OpenDemoSlip();
    void EvaluateSlips();
    void CloseActiveSlipTab();
    void CloseAllSlipTabs();
    void ShowNews();
    void ShowWinningNumberWindow();
    // "Ziehungen importieren...": a file, its preview, then the history filled in or replaced.
    void ImportDraws();

signals:
    // The draw chosen in the date list changed; dateText is its date, empty when none is chosen.
    void DrawDateChanged(const QString& dateText);
    // A saved draw's date was added to the period lists; windows with period lists of their own follow.
    void DrawDateAdded(const QString& dateText);
    // The whole history was replaced (an import); windows with date lists fill them anew.
    void DrawHistoryReplaced();
    // The main window closes and the program ends: the windows that keep settings store them now.
    void Closing(bool settingsReadable);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateToolBar();
    void CreateMenu();
    void CreateKeyboardCommands();
    void CreateGroups();
    QWidget* CreateDrawEntry();
    QWidget* CreateBoard();
    QWidget* CreateSlipArea();
    QWidget* CreatePeriodSelection();

    void LoadDrawHistory();
    void ReadStartSettings();
    void FillDateLists();
    void DrawSelected(int index);
    void RestyleBoard();
    void SetMultiRow(bool multiRow);
    void PeriodPositionsFromLists();
    void UpdateSlipTabState();
    void RepaintSlipGrids();
    TFrFrame1* SlipFrame(int tab) const;

    AppContext& m_context;
    std::optional<WindowPosition> m_startPosition; // read with the start settings, applied by Prepare
    QToolBar* m_toolBar = nullptr;
    QMenu* m_fileMenu = nullptr;      // "&Datei"
    QGroupBox* m_drawGroup = nullptr; // "Gewinnreihen"
    QGroupBox* m_slipGroup = nullptr; // "Spielreihen-Auswertung"

    QComboBox* m_drawDate = nullptr;
    QPushButton* m_newDraw = nullptr;
    QLabel* m_invalidDraw = nullptr; // "ungültige Ziehung" under the date of a record that holds no draw
    NumberBoard* m_board = nullptr;
    QPushButton* m_saveDraw = nullptr;
    QPushButton* m_fromClipboard = nullptr;
    QPushButton* m_news = nullptr;
    QVBoxLayout* m_webHost = nullptr;
    std::unique_ptr<WebView> m_newsView; // made on first use

    QPushButton* m_openSlips = nullptr;
    QToolButton* m_closeTab = nullptr;
    QToolButton* m_closeAll = nullptr;
    QCheckBox* m_multiRow = nullptr;
    QTabWidget* m_slipTabs = nullptr;
    WelcomePanel* m_welcome = nullptr;
    QComboBox* m_periodFrom = nullptr;
    QLabel* m_periodToLabel = nullptr;
    QCheckBox* m_periodToOn = nullptr;
    QComboBox* m_periodTo = nullptr;
    QCheckBox* m_allFilesTogether = nullptr;
    QPushButton* m_evaluate = nullptr;
    QTabWidget* m_resultTabs = nullptr;

    int m_fromPos = -1;
    int m_toPos = -1;
    bool m_newDrawPending = false;
    bool m_drawsLoaded = false; // false when the draw file could not be read: then nothing overwrites it
    bool m_prepared = false;
};

} // namespace qv
