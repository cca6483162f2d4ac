#include "support/MainWindowFixture.h"
#include "support/TempDir.h"

#include "engine/printing/CalibrationSheet.h"
#include "engine/printing/DruckParameter.h"
#include "platform/SlipSheets.h"
#include "ui/frame/WindowRegistry.h"
#include "ui/printing/TFDetail.h"
#include "ui/widgets/StringGrid.h"

#include <QAction>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>

namespace qv::test {
namespace {

using Kind = FakeMessages::Kind;

// The editor that comes with the printing command, shown as a click on a note of the print window shows it.
class ParameterEditorTest : public MainWindowFixture {
protected:
    void OpenEditor() {
        Start();
        m_main->findChild<QAction*>(QStringLiteral("BDruck"))->trigger();
        m_editor = qobject_cast<TFDetail*>(m_app->Windows().ShowNewest(QStringLiteral("FDetail")));
        ASSERT_NE(m_editor, nullptr);
        m_installed = Data() / "BEL.qvpd";
    }
    template <typename T = QWidget>
    T* Editor(const char* name) const {
        return Find<T>(m_editor, QString::fromUtf8(name));
    }
    StringGrid* Grid(const char* name) const { return Editor<StringGrid>(name); }
    void Click(const char* name) const { QTest::mouseClick(Editor<QAbstractButton>(name), Qt::LeftButton); }
    void OpenFile(const std::filesystem::path& path) {
        m_fakes.fileDialogs.SetNextChoice({FromPath(path)});
        Click("bsSkinSpeedButton2");
    }
    void SaveAs(const std::filesystem::path& path) {
        m_fakes.fileDialogs.SetNextChoice({FromPath(path)});
        Click("bsSkinSpeedButton1");
    }

    TFDetail* m_editor = nullptr;
    std::filesystem::path m_installed;
};

// The editor shows the set in memory, under headings that say what each column holds; without a set it
// starts empty.
TEST_F(ParameterEditorTest, ShowsTheSetInMemoryAndItsSizeInTheTitle) {
    OpenEditor();
    EXPECT_TRUE(m_editor->isVisible());
    EXPECT_EQ(Grid("G1")->columnCount(), 9);
    EXPECT_EQ(Grid("G2")->columnCount(), 7);
    EXPECT_EQ(Grid("G3")->columnCount(), 6);
    EXPECT_EQ(Grid("G1")->rowCount(), 3);
    EXPECT_EQ(Grid("G1")->Cell(1, 1), QStringLiteral("100"));
    EXPECT_EQ(Grid("G3")->Cell(5, 2), QStringLiteral("540"));
    EXPECT_EQ(Editor<QLineEdit>("eHori")->text(), QStringLiteral("240"));
    EXPECT_EQ(Editor<QLineEdit>("eSNrX")->text(), QStringLiteral("1300"));
    struct Heading {
        const char* grid;
        int column;
        int row;
        QString text;
    };
    for (const Heading& h : {Heading{"G1", 8, 0, QStringLiteral("8")}, Heading{"G2", 6, 0, QStringLiteral("10 €")},
                             Heading{"G3", 5, 0, QStringLiteral("14")}, Heading{"G2", 0, 1, QStringLiteral("X")},
                             Heading{"G3", 0, 2, QStringLiteral("Y")}}) {
        StringGrid* grid = Grid(h.grid);
        EXPECT_EQ(grid->Cell(h.column, h.row), h.text) << h.grid;
        // Every column shows its widest text whole.
        for (int column = 0; column < grid->columnCount(); ++column) {
            for (int row = 0; row < grid->rowCount(); ++row) {
                EXPECT_GT(grid->columnWidth(column),
                          QFontMetrics(grid->font()).horizontalAdvance(grid->Cell(column, row)))
                    << h.grid << " " << column << " " << row;
            }
        }
    }
    m_editor->resize(700, 480);
    EXPECT_EQ(m_editor->windowTitle(), QStringLiteral("%1-%2").arg(m_editor->width()).arg(m_editor->height()));
    EXPECT_EQ(m_editor->windowTitle(), QStringLiteral("700-480"));
}

TEST_F(ParameterEditorTest, WithoutASetInMemoryItStartsEmpty) {
    Start();
    std::filesystem::remove(Data() / "BEL.qvpd");
    m_main->findChild<QAction*>(QStringLiteral("BDruck"))->trigger();
    m_editor = qobject_cast<TFDetail*>(m_app->Windows().ShowNewest(QStringLiteral("FDetail")));
    ASSERT_NE(m_editor, nullptr);
    EXPECT_EQ(Grid("G1")->Cell(1, 1), QString());
    EXPECT_EQ(Editor<QLineEdit>("eHori")->text(), QString());
    EXPECT_EQ(Grid("G1")->Cell(1, 0), QStringLiteral("1"));
    SaveAs(Data() / "Leer.qvpd");
    EXPECT_EQ(m_fakes.messages.Texts(Kind::Error), QStringList{QStringLiteral("'' ist kein gültiger Integerwert")});
    EXPECT_FALSE(std::filesystem::exists(Data() / "Leer.qvpd"));
}

TEST_F(ParameterEditorTest, OpeningAndSavingAnUnchangedSetWritesTheSameBytes) {
    OpenEditor();
    OpenFile(m_installed);
    EXPECT_EQ(Grid("G1")->Cell(5, 1), QStringLiteral("100"));
    EXPECT_EQ(Grid("G1")->Cell(5, 2), QStringLiteral("670"));
    EXPECT_EQ(Grid("G2")->Cell(6, 2), QStringLiteral("600"));
    EXPECT_EQ(Grid("G3")->Cell(5, 1), QStringLiteral("1450"));
    EXPECT_EQ(Editor<QLineEdit>("eHori")->text(), QStringLiteral("240"));
    EXPECT_EQ(Editor<QLineEdit>("eSNrY")->text(), QStringLiteral("1230"));
    EXPECT_EQ(Editor<QLabel>("LDatei")->text(), QString()); // names only a saved file

    SaveAs(Data() / "Mein.qvpd");
    EXPECT_EQ(ReadFileBytes(Data() / "Mein.qvpd"), ReadFileBytes(m_installed));
    EXPECT_EQ(Editor<QLabel>("LDatei")->text(), QStringLiteral("Mein.qvpd"));
    EXPECT_TRUE(m_fakes.messages.boxes.isEmpty());
    const FileDialogRequest& save = m_fakes.fileDialogs.requests.last();
    EXPECT_EQ(save.title, QStringLiteral("Druck-Parameter speichern"));
    EXPECT_EQ(save.filter, QStringLiteral("Druck-Parameter-Datei|*.qvpd"));
    EXPECT_EQ(save.defaultExtension, QStringLiteral("qvpd"));
    EXPECT_EQ(m_fakes.fileDialogs.requests.first().title, QStringLiteral("Druck-Parameter einlesen"));
}

TEST_F(ParameterEditorTest, SavingDerivesThePositionsAndReplacesTheProgramsSet) {
    OpenEditor();
    OpenFile(m_installed);
    Grid("G1")->SetCell(1, 1, QStringLiteral("100"));
    Grid("G1")->SetCell(1, 2, QStringLiteral("200"));
    Editor<QLineEdit>("eHori")->setText(QStringLiteral("605"));
    Editor<QLineEdit>("eVerti")->setText(QStringLiteral("450"));
    SaveAs(Data() / "Neu.qvpd");
    const TDruckParameter& set = State().PrintParameters;
    EXPECT_EQ(set.Number(1, 11), (PaperPoint{200, 200}));
    EXPECT_EQ(set.Number(1, 61), (PaperPoint{700, 200}));
    EXPECT_EQ(set.Number(1, 10), (PaperPoint{100, 650}));
    EXPECT_EQ(set.Number(1, 70), (PaperPoint{700, 650}));
    EXPECT_EQ(set.abstandHori, 605);
    EXPECT_EQ(ReadPrintParameterFile(Data() / "Neu.qvpd"), set);
}

// An emptied field never reaches the loaded set or a file: the save stops at it and both stay whole.
TEST_F(ParameterEditorTest, AValueThatIsNoIntegerStopsTheSaveBeforeAnythingChanges) {
    OpenEditor();
    const TDruckParameter loaded = State().PrintParameters;
    Grid("G1")->SetCell(3, 1, QString());
    SaveAs(m_installed);
    EXPECT_EQ(m_fakes.messages.Texts(Kind::Error), QStringList{QStringLiteral("'' ist kein gültiger Integerwert")});
    EXPECT_EQ(ReadPrintParameterFile(m_installed), loaded);
    EXPECT_EQ(State().PrintParameters, loaded);

    OpenFile(m_installed);
    const TDruckParameter before = State().PrintParameters;
    Editor<QLineEdit>("eHori")->setText(QStringLiteral("300"));
    Grid("G2")->SetCell(3, 2, QStringLiteral("4,5"));
    m_fakes.messages.boxes.clear();
    SaveAs(Data() / "Falsch.qvpd");
    EXPECT_EQ(m_fakes.messages.Texts(Kind::Error), QStringList{QStringLiteral("'4,5' ist kein gültiger Integerwert")});
    EXPECT_FALSE(std::filesystem::exists(Data() / "Falsch.qvpd"));
    EXPECT_EQ(State().PrintParameters, before);

    // A cancelled dialog changes nothing either.
    m_fakes.messages.boxes.clear();
    Click("bsSkinSpeedButton1");
    EXPECT_TRUE(m_fakes.messages.boxes.isEmpty());
}

TEST_F(ParameterEditorTest, AShortFileIsRefusedAndNothingRefilled) {
    OpenEditor();
    auto bytes = ReadFileBytes(m_installed);
    bytes.resize(4599);
    const auto shortFile = Data() / "Kurz.qvpd";
    WriteBytes(shortFile, bytes);
    const TDruckParameter before = State().PrintParameters;
    OpenFile(shortFile);
    EXPECT_EQ(m_fakes.messages.Texts(Kind::Error),
              QStringList{QStringLiteral("Versuch hinter dem Dateiende zu lesen")});
    EXPECT_EQ(Grid("G1")->Cell(1, 1), QStringLiteral("100")); // still the set in memory
    EXPECT_EQ(State().PrintParameters, before);
}

// The sheet's crosses stand where the real print puts its marks: the shown positions, scaled, shifted
// by the print window's correction and drawn from the printer's printable corner.
TEST_F(ParameterEditorTest, TheCalibrationSheetHasACrossAtEveryMarkPosition) {
    OpenEditor();
    OpenFile(m_installed);
    const TDruckParameter installed = *ReadPrintParameterFile(m_installed);
    EXPECT_EQ(Editor<QLineEdit>("eSkalaX")->text(), QStringLiteral("1000")); // a file without a scale
    Editor<QLineEdit>("eSkalaX")->setText(QStringLiteral("1010"));
    auto* print = m_app->Windows().Find(QStringLiteral("FDruck"));
    ASSERT_NE(print, nullptr);
    Find<QLineEdit>(print, QStringLiteral("Ehori"))->setText(QStringLiteral("-30"));
    Find<QLineEdit>(print, QStringLiteral("Evert"))->setText(QStringLiteral("12"));
    m_fakes.printTarget.offset = QPoint(40, 50);

    Click("BKalibrierblatt");
    EXPECT_TRUE(m_fakes.messages.boxes.isEmpty()) << m_fakes.messages.boxes.value(0).text.toStdString();
    EXPECT_EQ(m_fakes.printTarget.setups, 1);
    ASSERT_EQ(m_fakes.printTarget.documents.size(), 1);
    const FakePrintTarget::Document& sheet = m_fakes.printTarget.documents.first();
    EXPECT_EQ(sheet.title, QStringLiteral("Kalibrierblatt"));
    EXPECT_TRUE(sheet.ended);
    ASSERT_EQ(sheet.lines.size(), 2 * kCalibrationMarks);
    const PaperPoint middle = MarkCentre();
    const auto crossAt = [&](int mark, PaperPoint at) {
        // X scaled by 1.01 and rounded, Y as it stands; then the correction, then the printer's corner.
        ASSERT_GE(at.x, 0);
        const int x = (at.x * 1010 + 500) / 1000 - 30 - 40 + middle.x;
        const int y = at.y + 12 - 50 + middle.y;
        const FakePrintTarget::Line& across = sheet.lines[2 * mark];
        const FakePrintTarget::Line& down = sheet.lines[2 * mark + 1];
        EXPECT_EQ(across.from, QPoint(x - kCrossArm, y)) << mark;
        EXPECT_EQ(across.to, QPoint(x + kCrossArm, y)) << mark;
        EXPECT_EQ(down.from, QPoint(x, y - kCrossArm)) << mark;
        EXPECT_EQ(down.to, QPoint(x, y + kCrossArm)) << mark;
    };
    crossAt(0, installed.Number(1, 1));
    crossAt(4 * 70, installed.Number(5, 1));
    crossAt(7 * 70 + 69, installed.Number(8, 70));
    crossAt(560 + 5, installed.einsatzPos[5]);
    crossAt(566 + 4, installed.ziehungenPos[4]);
    crossAt(571, {installed.scheinNrX, installed.scheinNrY});

    // The sheet as a PDF holds the same crosses; the program's set is left as it was.
    const auto pdfPath = Data() / "Kalibrierblatt.pdf";
    m_fakes.fileDialogs.SetNextChoice({FromPath(pdfPath)});
    Click("BKalibrierPdf");
    EXPECT_EQ(m_fakes.fileDialogs.requests.last().title, QStringLiteral("Kalibrierblatt als PDF speichern"));
    const auto pdf = ReadFileBytes(pdfPath);
    ASSERT_GT(pdf.size(), 100u);
    EXPECT_EQ(std::string(pdf.begin(), pdf.begin() + 5), "%PDF-");
    EXPECT_EQ(State().PrintParameters, installed);
}

TEST_F(ParameterEditorTest, TheScaleIsSavedWithTheSetAndBadValuesStopSheetAndSave) {
    OpenEditor();
    OpenFile(m_installed);
    Editor<QLineEdit>("eSkalaY")->setText(QStringLiteral("1201"));
    Click("BKalibrierblatt");
    SaveAs(Data() / "Zu.qvpd");
    const QString tooLarge = QStringLiteral("Der Maßstab 1201 liegt nicht zwischen 800 und 1200 Promille.\r\rIch "
                                            "breche erst einmal ab.");
    EXPECT_EQ(m_fakes.messages.Texts(Kind::Error), (QStringList{tooLarge, tooLarge}));
    EXPECT_TRUE(m_fakes.printTarget.documents.isEmpty());
    EXPECT_FALSE(std::filesystem::exists(Data() / "Zu.qvpd"));

    // A correction the print could not use stops the sheet as it stops the print.
    m_fakes.messages.boxes.clear();
    Editor<QLineEdit>("eSkalaY")->setText(QStringLiteral("995"));
    Find<QLineEdit>(m_app->Windows().Find(QStringLiteral("FDruck")), QStringLiteral("Ehori"))
        ->setText(QStringLiteral("-"));
    Click("BKalibrierblatt");
    EXPECT_EQ(m_fakes.messages.Texts(Kind::Information),
              QStringList{QStringLiteral("Die Ausdruck-Korrektur \"-\" ist keine ganze Zahl.\r\rIch breche ab.")});
    EXPECT_TRUE(m_fakes.printTarget.documents.isEmpty());

    SaveAs(Data() / "Skaliert.qvpd");
    EXPECT_EQ(State().PrintParameters.scaleY, 995);
    EXPECT_EQ(ReadFileBytes(Data() / "Skaliert.qvpd").size(), 4612u);
    // A new editor, as the next printing command brings.
    m_main->findChild<QAction*>(QStringLiteral("BDruck"))->trigger();
    m_editor = qobject_cast<TFDetail*>(m_app->Windows().ShowNewest(QStringLiteral("FDetail")));
    ASSERT_NE(m_editor, nullptr);
    OpenFile(Data() / "Skaliert.qvpd");
    EXPECT_EQ(Editor<QLineEdit>("eSkalaX")->text(), QStringLiteral("1000"));
    EXPECT_EQ(Editor<QLineEdit>("eSkalaY")->text(), QStringLiteral("995"));
}

} // namespace
} // namespace qv::test
