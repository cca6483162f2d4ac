#pragma once

#include "engine/printing/CalibrationSheet.h"
#include "engine/printing/DruckParameter.h"

#include <QMainWindow>

class QLabel;
class QLayout;
class QLineEdit;

namespace qv {

struct AppContext;
class StringGrid;

// The print-parameter editor: the position of number 1 of each tip field, the two distances from
// which the other 69 positions follow, the stake and draw-count boxes and the place of the slip
// number. Saving or opening a set replaces the program's set at once, so the next print uses it.
// A new editor comes with every printing command; it shows the set in memory (empty while there is
// none) and closing it only hides it.
class TFDetail : public QMainWindow {
    Q_OBJECT

public:
    static constexpr char kFormName[] = "FDetail";

    explicit TFDetail(AppContext& context);

    // The handlers of "Speichern" and "Öffnen".
    void Save();
    void Open();
    // The handlers of "Kalibrierblatt drucken..." and "Kalibrierblatt als PDF...": a cross at every
    // place a mark of the shown values lands, with the print window's correction.
    void PrintCalibrationSheet();
    void SaveCalibrationSheet();

    // The print window's correction texts ("horizontal:", "vertikal:"), which the sheet applies as the
    // real print does.
    void SetCorrection(const QString& hori, const QString& vert);
    // Reads the set in the file into the editor and makes it the program's set, as "Öffnen" does.
    void OpenFile(const QString& path);

protected:
    // The title shows the client size, as "878-472".
    void resizeEvent(QResizeEvent* event) override;

private:
    StringGrid* CreateGrid(const QString& name, int columns);
    void SetGridHeadings();
    // Each column as wide as its widest text; the grid as large as its cells.
    static void FitGrid(StringGrid* grid);
    QLabel* BuddyFor(const QString& name, const QString& text, QWidget* buddy);
    QLayout* CreateGridSection();
    QLayout* CreateEditSection();
    QLayout* CreateFileSection();
    QLayout* CreateBottomBar();
    void SetTabOrder();
    // The print window's correction and the set in memory.
    void Restore();
    void Fill(const EditorValues& values);
    // The editor's values, or nothing after the message for the first text that is no integer.
    std::optional<EditorValues> ReadValues();
    // The calibration sheet's lines, or nothing after the message for a value that cannot be used.
    std::optional<std::vector<PaperLine>> CalibrationLines();

    AppContext& m_context;
    StringGrid* m_firstNumbers; // G1
    StringGrid* m_stakes;       // G2
    StringGrid* m_draws;        // G3
    QLineEdit* m_hori;
    QLineEdit* m_verti;
    QLineEdit* m_slipNoX;
    QLineEdit* m_slipNoY;
    QLineEdit* m_scaleX;
    QLineEdit* m_scaleY;
    QLabel* m_fileName; // LDatei
    QString m_correctionHori;
    QString m_correctionVert;
};

} // namespace qv
