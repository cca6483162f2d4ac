#include "support/MainWindowFixture.h"
#include "support/TempDir.h"

#include "engine/printing/DruckParameter.h"
#include "ui/frame/WindowRegistry.h"
#include "ui/printing/TFDetail.h"
#include "ui/widgets/StringGrid.h"

#include <QAction>
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

TEST_F(ParameterEditorTest, StartsEmptyAndShowsItsSizeInTheTitle) {
    OpenEditor();
    EXPECT_TRUE(m_editor->isVisible());
    EXPECT_EQ(Grid("G1")->columnCount(), 9);
    EXPECT_EQ(Grid("G2")->columnCount(), 7);
    EXPECT_EQ(Grid("G3")->columnCount(), 6);
    EXPECT_EQ(Grid("G1")->rowCount(), 3);
    EXPECT_EQ(Grid("G1")->Cell(1, 1), QString());
    EXPECT_EQ(Editor<QLineEdit>("eHori")->text(), QString());
    m_editor->resize(700, 480);
    EXPECT_EQ(m_editor->windowTitle(), QStringLiteral("%1-%2").arg(m_editor->width()).arg(m_editor->height()));
    EXPECT_EQ(m_editor->windowTitle(), QStringLiteral("700-480"));
}

TEST_F(ParameterEditorTest, OpeningAndSavingAnUnchangedSetWritesTheSameBytes) {
    OpenEditor();
    OpenFile(m_installed);
    EXPECT_EQ(Grid("G1")->Cell(5, 1), QStringLiteral("200"));
    EXPECT_EQ(Grid("G1")->Cell(5, 2), QStringLiteral("670"));
    EXPECT_EQ(Grid("G2")->Cell(6, 2), QStringLiteral("600"));
    EXPECT_EQ(Grid("G3")->Cell(5, 1), QStringLiteral("1850"));
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

TEST_F(ParameterEditorTest, AValueThatIsNoIntegerStopsTheSaveBeforeAnythingChanges) {
    OpenEditor();
    SaveAs(Data() / "Leer.qvpd");
    EXPECT_EQ(m_fakes.messages.Texts(Kind::Error), QStringList{QStringLiteral("'' ist kein gültiger Integerwert")});
    EXPECT_FALSE(std::filesystem::exists(Data() / "Leer.qvpd"));

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
    EXPECT_EQ(Grid("G1")->Cell(1, 1), QString());
    EXPECT_EQ(State().PrintParameters, before);
}

} // namespace
} // namespace qv::test
