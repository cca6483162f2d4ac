#pragma once

#include "engine/tips/TipRowText.h"

#include <QWidget>

#include <vector>

class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;

namespace qv {

struct AppContext;
class StringGrid;

// The tip-row entry window: tip rows loaded from a text file or typed into the grid GReihen become
// slip files, eight rows to a slip, numbered one after the other.
class TFEingabe2 : public QWidget {
    Q_OBJECT

public:
    static constexpr char kFormName[] = "FEingabe2";

    explicit TFEingabe2(AppContext& context);

    // Row height and the widths of the columns "Feld", "Zieh.", "  €" and "1" to "10", in pixels.
    static constexpr int kRowHeight = 17;
    static constexpr int kNumberColumnWidth = 20;

    StringGrid* Grid() const { return m_grid; }

    // The handlers, as the user's clicks run them.
    void LoadTextFile();
    void LoadRows(const std::vector<TipRowCells>& rows);
    // Writes value into column 1 (draw count) or 2 (stake) of every slip's first row.
    void FillForAllSlips(int value, int column);
    void StartManualEntry();
    void FinishManualEntry();
    void SaveRowsAsSlipFiles();
    // Checks the draw count and stake of every slip's first row; shows the refusal and returns false.
    bool ValidateRowGroups();

    bool Editing() const { return m_editing; }

private:
    QWidget* CreateSidePanel();
    // The parts of the side panel from the grid row given on; each returns the next free row.
    int AddFileRows(QWidget* panel, QGridLayout* layout, int row);
    int AddSlipValueRows(QWidget* panel, QGridLayout* layout, int row);
    int AddEntryRows(QWidget* panel, QGridLayout* layout, int row);
    int AddSaveRows(QWidget* panel, QGridLayout* layout, int row);
    // The rows up to the last one that holds anything in columns 1 to 12 (at least none).
    std::vector<TipRowCells> UsedRows() const;
    void WriteBackFirstRowValues(const std::vector<TipRowCells>& rows);
    void NumberRows();
    void SetEditing(bool editing);
    void StyleNumberCells();

    AppContext& m_context;
    StringGrid* m_grid = nullptr;
    QLabel* m_fileName = nullptr; // LDatei1
    QComboBox* m_drawCounts = nullptr;
    QComboBox* m_stakes = nullptr;
    QPushButton* m_manual = nullptr;
    QPushButton* m_done = nullptr;
    QLabel* m_savedName = nullptr;  // LDatei
    QLabel* m_savedCount = nullptr; // Label6
    bool m_editing = false;
};

} // namespace qv
