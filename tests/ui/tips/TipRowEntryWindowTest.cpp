#include "support/MainWindowFixture.h"

#include "ui/frame/WindowRegistry.h"
#include "ui/tips/TFEingabe2.h"
#include "ui/widgets/StringGrid.h"

#include <QLabel>

namespace qv::test {
namespace {

using Kind = FakeMessages::Kind;

class TipRowEntryWindowTest : public MainWindowFixture {
protected:
    void SetUp() override {
        Start();
        m_window =
            qobject_cast<TFEingabe2*>(m_app->Windows().OpenOrRestore(m_app->Context(), QStringLiteral("FEingabe2")));
        ASSERT_NE(m_window, nullptr);
        m_grid = m_window->Grid();
    }
    template <typename T = QWidget>
    T* Window(const QString& name) const {
        return Find<T>(m_window, name);
    }
    void ClickButton(const char* name) const {
        QTest::mouseClick(Window<QPushButton>(QString::fromUtf8(name)), Qt::LeftButton);
    }
    QString Path(const char* name) const { return FromPath(Data() / name); }
    void WriteText(const char* name, const QByteArray& bytes) const {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void Load(const char* name) {
        m_fakes.fileDialogs.SetNextChoice({Path(name)});
        ClickButton("bsSkinSpeedButton1");
    }
    void Choose(const char* list, const char* text) const {
        auto* combo = Window<QComboBox>(QString::fromUtf8(list));
        combo->setCurrentIndex(combo->findText(QString::fromUtf8(text)));
    }
    void SaveAs(const char* name) {
        m_fakes.fileDialogs.SetNextChoice({Path(name)});
        ClickButton("bsSkinSpeedButton4");
    }
    QStringList NumberCells(int row) const {
        QStringList cells;
        for (int column = 3; column < 13; ++column) {
            cells << m_grid->Cell(column, row);
        }
        while (!cells.isEmpty() && cells.last().isEmpty()) {
            cells.removeLast();
        }
        return cells;
    }

    TFEingabe2* m_window = nullptr;
    StringGrid* m_grid = nullptr;
};

TEST_F(TipRowEntryWindowTest, TheGridAndItsControls) {
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("Quovadra 1.4.3.0"));
    EXPECT_EQ(m_grid->columnCount(), 13);
    EXPECT_EQ(m_grid->rowCount(), 25);
    EXPECT_EQ(m_grid->Cell(0, 0), QStringLiteral("Feld"));
    EXPECT_EQ(m_grid->Cell(1, 0), QStringLiteral("Zieh."));
    EXPECT_EQ(m_grid->Cell(2, 0), QStringLiteral("  €"));
    const int widths[] = {34, 34, 24, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20};
    for (int column = 0; column < 13; ++column) {
        EXPECT_EQ(m_grid->ColumnWidth(column), widths[column]) << column;
    }
    EXPECT_EQ(m_grid->rowHeight(1), 17);
    EXPECT_EQ(Window<QComboBox>(QStringLiteral("ComboZiehungen"))->currentIndex(), -1);
    EXPECT_EQ(Window<QComboBox>(QStringLiteral("ComboEinsatz"))->count(), 6);
    EXPECT_FALSE(Window<QPushButton>(QStringLiteral("BFertig"))->isVisible());
    EXPECT_EQ(Window<QPushButton>(QStringLiteral("bsSkinSpeedButton4"))->text(),
              QStringLiteral("Als Spielscheine speichern..."));
    // Nothing chosen: the buttons leave the grid alone.
    ClickButton("bsSkinSpeedButton3");
    ClickButton("bsSkinSpeedButton2");
    EXPECT_TRUE(m_grid->Cell(1, 1).isEmpty());
    EXPECT_TRUE(m_grid->Cell(2, 1).isEmpty());
}

TEST_F(TipRowEntryWindowTest, NineRowsBecomeTwoSlipFiles) {
    QByteArray text;
    for (int r = 1; r <= 9; ++r) {
        text += QByteArray::number(r) + ";" + QByteArray::number(r + 20) + "\r\n";
        if (r == 4) {
            text += "\r\n";
        }
    }
    WriteText("Reihen.txt", text);
    Load("Reihen.txt");
    EXPECT_EQ(m_fakes.fileDialogs.requests[0].title, QStringLiteral("Eine Text-Datei einlesen"));
    EXPECT_EQ(m_fakes.fileDialogs.requests[0].filter, QStringLiteral("Text-Dateien|*.txt;*.csv"));
    EXPECT_EQ(Window<QLabel>(QStringLiteral("LDatei1"))->text(), QStringLiteral("Reihen.txt"));
    ASSERT_EQ(m_grid->rowCount(), 10);
    EXPECT_EQ(m_grid->Cell(0, 9).trimmed(), QStringLiteral("9"));
    EXPECT_EQ(m_grid->Cell(1, 9), QStringLiteral(" "));
    EXPECT_EQ(NumberCells(5), (QStringList{"5", "25"}));

    Choose("ComboZiehungen", "14");
    ClickButton("bsSkinSpeedButton3");
    SaveAs("Woche.kts");
    EXPECT_EQ(
        Boxes(Kind::Error),
        QStringList{QStringLiteral("Es fehlt eine Angabe für den Einsatz für Feld 1.\r\rIch breche erst einmal ab.")});
    EXPECT_FALSE(QFile::exists(Path("Woche-1.kts")));

    Choose("ComboEinsatz", "10");
    ClickButton("bsSkinSpeedButton2");
    EXPECT_EQ(m_grid->Cell(2, 9).trimmed(), QStringLiteral("10"));
    EXPECT_EQ(m_grid->Cell(2, 2), QStringLiteral(" "));
    SaveAs("Woche.kts");
    EXPECT_EQ(Boxes(Kind::Error).size(), 1);
    EXPECT_EQ(ReadSlipFile(Data() / "Woche-2.kts"), Slip({{1, {9, 29}}}, 5, 4));
    EXPECT_EQ(ReadSlipFile(Data() / "Woche-1.kts")->kenotyp, (std::array<std::uint8_t, 8>{2, 2, 2, 2, 2, 2, 2, 2}));
    EXPECT_FALSE(QFile::exists(Path("Woche.kts")));
    EXPECT_EQ(Window<QLabel>(QStringLiteral("LDatei"))->text(), QStringLiteral("Woche1-2.kts"));
    EXPECT_EQ(Window<QLabel>(QStringLiteral("Label6"))->text(), QStringLiteral("2 Dateien gespeichert"));
}

TEST_F(TipRowEntryWindowTest, ADoubledSeparatorIsRefusedAndNothingWritten) {
    WriteText("Komma.csv", "1 2 3 4 5 6 7 8 9 10 11 12\n3, 15, 27\n");
    Load("Komma.csv");
    EXPECT_EQ(NumberCells(1).size(), 10);
    EXPECT_EQ(NumberCells(2), (QStringList{"3", " ", "15", " ", "27"}));
    Choose("ComboZiehungen", "1");
    ClickButton("bsSkinSpeedButton3");
    Choose("ComboEinsatz", "1");
    ClickButton("bsSkinSpeedButton2");
    SaveAs("Komma.kts");
    EXPECT_EQ(Boxes(Kind::Error),
              QStringList{QStringLiteral("' ' in Feld 2 ist keine Zahl von 1 bis 70.\r\rIch breche erst einmal ab.")});
    EXPECT_FALSE(QFile::exists(Path("Komma-1.kts")));
}

TEST_F(TipRowEntryWindowTest, UnusableFilesAreReportedAndTheGridKept) {
    Load("Weg.txt");
    EXPECT_EQ(Boxes(Kind::Error),
              QStringList{QStringLiteral("Die Datei Weg.txt wurde nicht gefunden.\r\rIch breche erst einmal ab.")});
    EXPECT_EQ(m_grid->rowCount(), 25);
    WriteText("Gross.txt", QByteArray(1024 * 1024 + 1, '7'));
    Load("Gross.txt");
    EXPECT_EQ(Boxes(Kind::Error).last(),
              QStringLiteral("Die Datei „%1“ ist mit 1048577 Bytes zu groß für eine Liste von Tippreihen (höchstens "
                             "1048576 Bytes); es wurde nichts gelesen.")
                  .arg(Path("Gross.txt")));
    EXPECT_EQ(m_grid->rowCount(), 25);
    // A draw count that is no number ends the check with the conversion message.
    m_grid->SetCell(1, 1, QStringLiteral("7x"));
    SaveAs("Weg.kts");
    EXPECT_EQ(Boxes(Kind::Error).last(), QStringLiteral("'7x' ist kein gültiger Integerwert"));
}

// The slip files of a save land together or not at all, and the box says so.
TEST_F(TipRowEntryWindowTest, AFileThatCannotBeWrittenLeavesTheWholeBatchUnchanged) {
    QByteArray text;
    for (int r = 1; r <= 9; ++r) {
        text += QByteArray::number(r) + " " + QByteArray::number(r + 20) + "\n";
    }
    WriteText("Reihen.txt", text);
    Load("Reihen.txt");
    Choose("ComboZiehungen", "1");
    ClickButton("bsSkinSpeedButton3");
    Choose("ComboEinsatz", "1");
    ClickButton("bsSkinSpeedButton2");
    WriteText("Woche-1.kts", "alt");
    WriteText("Woche-2.kts", "alt");
    ASSERT_TRUE(QFile::setPermissions(Path("Woche-2.kts"), QFile::ReadOwner));
    SaveAs("Woche.kts");
    EXPECT_EQ(Boxes(Kind::Error),
              QStringList{QStringLiteral("Die Datei „%1“ wird nicht gespeichert: Sie ist schreibgeschützt. Die alte "
                                         "Datei bleibt unverändert. Keine der 2 Dateien wurde verändert.")
                              .arg(Path("Woche-2.kts"))});
    QFile first(Path("Woche-1.kts"));
    ASSERT_TRUE(first.open(QIODevice::ReadOnly));
    EXPECT_EQ(first.readAll(), "alt");
    EXPECT_NE(Window<QLabel>(QStringLiteral("Label6"))->text(), QStringLiteral("2 Dateien gespeichert"));
}

TEST_F(TipRowEntryWindowTest, ALatinOneFileIsRead) {
    WriteText("Alt.txt", "7\t8\t9 \xE4\n");
    Load("Alt.txt");
    EXPECT_EQ(NumberCells(1), (QStringList{"7", "8", "9", QStringLiteral("ä")}));
}

TEST_F(TipRowEntryWindowTest, ManualEntryIsCheckedWhenDone) {
    ClickButton("BManu");
    EXPECT_TRUE(m_window->Editing());
    EXPECT_TRUE(Window<QPushButton>(QStringLiteral("BFertig"))->isVisibleTo(m_window));
    EXPECT_FALSE(Window<QPushButton>(QStringLiteral("BManu"))->isVisibleTo(m_window));
    m_grid->SetCell(3, 1, QStringLiteral("5"));
    m_grid->SetCell(4, 1, QStringLiteral("6"));
    m_grid->SetCell(1, 1, QStringLiteral("3"));
    m_grid->SetCell(2, 1, QStringLiteral("2"));
    ClickButton("BFertig");
    EXPECT_EQ(Boxes(Kind::Error),
              QStringList{QStringLiteral("3 für Feld 1 ist kein zulässiger Wert für die Anzahl der Ziehungen.\r\rIch "
                                         "breche erst einmal ab.")});
    EXPECT_TRUE(m_window->Editing());
    m_grid->SetCell(1, 1, QStringLiteral(" 7"));
    ClickButton("BFertig");
    EXPECT_FALSE(m_window->Editing());
    EXPECT_EQ(m_grid->Cell(1, 1).trimmed(), QStringLiteral("7"));
    EXPECT_TRUE(Window<QPushButton>(QStringLiteral("BManu"))->isVisibleTo(m_window));

    // The blank rows below belong to no slip: one file.
    SaveAs("Hand.kts");
    EXPECT_EQ(ReadSlipFile(Data() / "Hand-1.kts"), Slip({{1, {5, 6}}}, 1, 3));
    EXPECT_EQ(Window<QLabel>(QStringLiteral("Label6"))->text(), QStringLiteral("Eine Dateie gespeichert"));
}

} // namespace
} // namespace qv::test
