#pragma once

#include "engine/core/Records.h"

#include <QMainWindow>

#include <unordered_map>
#include <vector>

class QButtonGroup;
class QLabel;
class QPushButton;
class QScrollArea;
class QTabWidget;
class QToolBar;

namespace qv {

struct AppContext;
class EntryNumberCell;
class TFrameSchein;

// The slip entry window: every slip is a tab with eight fields of the numbers 1 to 70, a stake per tip
// and a number of consecutive draws, filled in the way the paper slip is and saved as a slip file.
// Tabs are numbered from 1 as they are created; a closed tab's number and cell codes are never
// given again.
//
// Other windows (the tip centre) reach it through the window table with NewEntrySlip and
// ToggleNumber, the very operations a click runs, or with EnterTipRows for whole tip rows.
class TFEingabe : public QMainWindow {
    Q_OBJECT

public:
    static constexpr char kFormName[] = "FEingabe";

    explicit TFEingabe(AppContext& context);
    ~TFEingabe() override;

    // Client width that fits one row of four fields: 4 * 152 + 3 * 5 + 2 * 10 + 4.
    static constexpr int kClientWidth = 647;

    // Creates slip tab EntrySlipCount() + 1, makes it the active tab and returns its number k.
    int NewEntrySlip();

    // A click on the number cell of code k * 1000 + f * 100 + n: marks number n of field f of slip k
    // in the click colour, or unmarks it; an eleventh number of a field is ignored. Nothing happens for
    // a code of no existing cell (a closed tab, n outside 1 to 70).
    void ToggleNumber(int code);
    void ToggleNumber(int slip, int field, int number);

    // Moves tip rows (each 1 to 10 numbers of 1 to 70; an empty row is skipped) into the fields of
    // the newest slip that hold no number yet. A new slip is begun first when there is none, when the
    // newest has no number at all or was closed, or when it has fewer free fields than rows; rows
    // beyond eight are left out. Returns the slip number used (0 when no row had a number).
    int EnterTipRows(const std::vector<std::vector<int>>& rows);

    // The slips of the tabs created so far: entry k-1 belongs to tab k (also after it was closed).
    int EntrySlipCount() const { return static_cast<int>(m_entrySlips.size()); }
    const std::vector<TScheinBool>& EntrySlips() const { return m_entrySlips; }
    // The stake and draw-count radio groups of the tabs (ids = the indices of the game tables); null for a
    // closed tab.
    const std::vector<QButtonGroup*>& EntryStakeGroups() const { return m_entryStakeGroups; }
    const std::vector<QButtonGroup*>& EntryDrawGroups() const { return m_entryDrawGroups; }
    // Whether tab k still exists.
    bool EntrySlipOpen(int slip) const;
    bool IsMarked(int slip, int field, int number) const;

    // Saves slip k (the "Spielschein\nspeichern" button of its tab).
    void SaveEntrySlip(int slip);
    // Reads a slip file chosen by the user into a new tab.
    void OpenSlipIntoEntry();
    // Reads the slip file at path into a new tab; a slip file of the old layout is converted first.
    void OpenSlipFileIntoEntry(const QString& path);
    // Closes tab k; its number is not used again.
    void CloseEntrySlip(int slip);

    // The number cell of a code, nothing for a code of no existing cell.
    QLabel* NumberCell(int code) const;

    // Cell colours: not marked, marked by a click (or a transfer), marked by an opened file.
    static constexpr QRgb kPlainColour = 0xFFFFD5D5;
    static constexpr QRgb kClickedColour = 0xFFFF9F9F;
    static constexpr QRgb kOpenedColour = 0xFFFF8F20;

private:
    void CreateToolBar();
    void CreateMenu();
    QWidget* CreateTopPanel();
    QWidget* CreateField(int slip, int field, QWidget* parent);
    void SetCellColour(int code, QRgb colour);
    int TabIndexOf(int slip) const;
    TFrameSchein* FrameOf(int slip) const;

    AppContext& m_context;
    QToolBar* m_toolBar = nullptr;
    QPushButton* m_new = nullptr;
    QPushButton* m_openInto = nullptr;
    QPushButton* m_close = nullptr;
    QTabWidget* m_tabs = nullptr;

    // EntrySlips, EntryStakeGroups and EntryDrawGroups: entry k-1 belongs to tab k; the radio groups
    // of a closed tab are gone (null).
    std::vector<TScheinBool> m_entrySlips;
    std::vector<QButtonGroup*> m_entryStakeGroups;
    std::vector<QButtonGroup*> m_entryDrawGroups;
    std::vector<bool> m_entryOpen;
    // The number cells of the open tabs by their codes.
    std::unordered_map<int, EntryNumberCell*> m_cells;
};

} // namespace qv
