#pragma once

#include "engine/printing/SlipPrintPlan.h"

#include <QMainWindow>

#include <optional>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;

namespace qv {

struct AppContext;
class StringGrid;

// The print window: tip rows from slip files or a text file are printed onto the paper slips, eight
// rows to a slip, as "x" marks at the places the print-parameter set gives, shifted by the
// correction. Each slip is one print document; the window can ask after each whether it came out
// right. A preview and a PDF of the sheets show the marks without using up a slip.
class TFDruck : public QMainWindow {
    Q_OBJECT

public:
    static constexpr char kFormName[] = "FDruck";

    explicit TFDruck(AppContext& context);

    // The handlers, as the user's clicks run them.
    void OpenSlipFiles();
    void OpenTextFile();
    void Print();
    void RequestStop();
    void ShowPreview();
    void SavePdf();

    // The texts of the correction, "horizontal:" and "vertikal:".
    QString CorrectionHori() const;
    QString CorrectionVert() const;

signals:
    // A click on one of the two notes of the correction panel: the print-parameter editor is wanted.
    void ParameterEditorRequested();
    // The texts of "horizontal:" and "vertikal:" changed.
    void CorrectionChanged(const QString& hori, const QString& vert);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* CreateListSide();
    QWidget* CreateRangeGroup();
    QWidget* CreateNumberGroup();
    QWidget* CreateTextChoice();
    QWidget* CreateCorrection();
    QWidget* CreateButtons();

    void UpdateSlipsNeeded();
    void MarkRowsLoaded(bool fromText);
    std::vector<TipRowCells> Rows() const;
    PrintJob Job() const;
    // The job's plan after filling empty range texts into their fields; nothing after showing the
    // refusal.
    std::optional<PrintPlan> PlanOrRefuse();
    // Prints the slips one document each, asking after each when asked to.
    void RunJob(const PrintPlan& plan);
    // The error for the first mark outside the printable area; false then, and nothing is printed.
    bool FitsOnPaper(const PrintPlan& plan, PaperRect printable);
    void RenderPreview(QPrinter* printer, const std::vector<PrintedSlip>& slips, PaperRect outline);

    AppContext& m_context;
    StringGrid* m_rows = nullptr;          // GReihen
    QLabel* m_slipFileName = nullptr;      // LDatei2
    QLabel* m_textFileName = nullptr;      // LDatei1
    QLineEdit* m_start = nullptr;          // EStart
    QLineEdit* m_end = nullptr;            // EEnde
    QLabel* m_slipsNeeded = nullptr;       // LAnzTs
    QLineEdit* m_startNumber = nullptr;    // ENr
    QCheckBox* m_printNumber = nullptr;    // cbNr
    QCheckBox* m_ask = nullptr;            // cbFragen
    QGroupBox* m_textChoice = nullptr;     // GRText
    QButtonGroup* m_stakeChoice = nullptr; // RGEinsatz
    QButtonGroup* m_drawChoice = nullptr;  // RGZiehungen
    QLineEdit* m_hori = nullptr;           // Ehori
    QLineEdit* m_vert = nullptr;           // Evert
    QPushButton* m_print = nullptr;        // BAusdruck
    QPushButton* m_stop = nullptr;         // BStop

    bool m_rowsFromText = false;
    bool m_stopRequested = false;
    bool m_printing = false; // a job runs: its loop hands control out around each slip
};

} // namespace qv
