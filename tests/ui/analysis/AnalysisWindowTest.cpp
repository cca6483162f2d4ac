#include "support/MainWindowFixture.h"

#include "engine/analysis/Combinations.h"
#include "engine/analysis/ComboRun.h"
#include "engine/analysis/ComboSearch.h"
#include "ui/analysis/SearchGridModel.h"
#include "ui/analysis/TFAnalyse.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QTableView>
#include <QToolButton>

namespace qv::test {
namespace {

using Kind = FakeMessages::Kind;

class AnalysisWindowTest : public MainWindowFixture {
protected:
    // The history of MadeUpHistory(count): draw i holds 1+(i mod 50) to 20+(i mod 50) and is dated
    // 01.08.2024 + i.
    void OpenWithDraws(int count) {
        SaveDraws(DrawFile(), MadeUpHistory(count));
        Start();
        QTest::mouseClick(Main<QToolButton>("BSysTest"), Qt::LeftButton);
        m_window = qobject_cast<TFAnalyse*>(m_app->Windows().Find("FAnalyse"));
        ASSERT_NE(m_window, nullptr);
        ASSERT_TRUE(m_window->isVisible());
    }
    template <typename T = QWidget>
    T* In(const QString& name) const {
        return Find<T>(m_window, name);
    }
    void Press(const QString& name) const { QTest::mouseClick(In<QAbstractButton>(name), Qt::LeftButton); }
    void Pick(std::initializer_list<int> numbers) const {
        for (int n : numbers) {
            Press(QStringLiteral("lot%1").arg(n));
        }
    }
    // Chooses entry index of a drop-down list with the keyboard, as a user would.
    void Choose(const QString& name, int index) const {
        auto* list = In<QComboBox>(name);
        list->setFocus();
        if (list->currentIndex() > index) {
            list->setCurrentIndex(-1);
        }
        while (list->currentIndex() < index) {
            QTest::keyClick(list, Qt::Key_Down);
        }
    }
    void TypeDate(const QString& list, const QString& date) const {
        auto* combo = In<QComboBox>(list);
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo->lineEdit(), date);
    }
    QString Text(const QString& label) const { return In<QLabel>(label)->text(); }
    QAbstractItemModel* Grid(const QString& name) const { return In<QTableView>(name)->model(); }
    QString Cell(const QString& grid, int row, int column) const { // row 0 is the first data row
        return Grid(grid)->index(row, column).data().toString();
    }
    // The numbers of a result row that are painted lime.
    QList<int> Lime(int row) const {
        QList<int> numbers;
        for (int column = 1; column <= 20; ++column) {
            if (Grid("G1")->index(row, column).data(SearchGridModel::HighlightRole).toBool()) {
                numbers << Cell("G1", row, column).toInt();
            }
        }
        return numbers;
    }
    bool WaitForRun() const {
        return QTest::qWaitFor([this] { return !m_window->RunInProgress(); }, 60000);
    }
    // The rows a list grid shows: "position combination count" for each filled row.
    QStringList ListRows(const QString& grid) const {
        QStringList rows;
        for (int row = 0; row < Grid(grid)->rowCount(); ++row) {
            if (!Cell(grid, row, 1).isEmpty()) {
                rows << Cell(grid, row, 0) + " " + Cell(grid, row, 1) + " " + Cell(grid, row, 2);
            }
        }
        return rows;
    }
    static QStringList ListRows(const std::vector<ComboEntry>& list) {
        QStringList rows;
        for (std::size_t j = 0; j < list.size(); ++j) {
            if (!list[j].set.Empty()) {
                rows << QStringLiteral("%1 %2 %3")
                            .arg(j + 1)
                            .arg(QString::fromStdString(JoinedNumbers(list[j].set)))
                            .arg(list[j].count);
            }
        }
        return rows;
    }
    std::vector<NumberSet> SetsOf(int first, int last) const {
        std::vector<NumberSet> sets;
        for (int i = first; i <= last; ++i) {
            sets.push_back(State().DrawList[static_cast<std::size_t>(i)].Numbers());
        }
        return sets;
    }

    TFAnalyse* m_window = nullptr;
};

TEST_F(AnalysisWindowTest, OpensWithBothHalvesReady) {
    OpenWithDraws(3);
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("Quovadra 1.4.3.0 - Analyse"));
    EXPECT_EQ(In<QComboBox>("Combo1")->count(), 2); // without the newest draw
    EXPECT_EQ(In<QComboBox>("Combo1")->currentText(), QStringLiteral("01.08.2024"));
    EXPECT_EQ(In<QComboBox>("Combo2")->count(), 3);
    EXPECT_EQ(In<QComboBox>("Combo2")->currentText(), QStringLiteral("03.08.2024"));
    EXPECT_EQ(In<QComboBox>("ComboAuswahl")->count(), 9);
    EXPECT_EQ(In<QComboBox>("ComboAuswahl")->itemText(0), QStringLiteral("2 Zahlen"));
    EXPECT_EQ(In<QComboBox>("ComboAuswahl")->itemText(8), QStringLiteral("10 Zahlen"));
    EXPECT_EQ(In<QComboBox>("ComboKombi")->placeholderText(), QStringLiteral("wählen..."));
    EXPECT_EQ(In<QComboBox>("ComboKombi")->itemText(3), QStringLiteral("5 Zahlen"));
    EXPECT_TRUE(In<QRadioButton>("RG1")->isChecked());
    EXPECT_EQ(In<QRadioButton>("RG2")->text(), QStringLiteral("Aus der Auswahl alle Kombi-\nnationen suchen aus..."));
    EXPECT_TRUE(In<QRadioButton>("RGAusw0")->isChecked());
    EXPECT_EQ(In<QPushButton>("BStart")->text(), QStringLiteral("Start"));
    EXPECT_EQ(Text("PStatus"), QStringLiteral("warte..."));
    EXPECT_EQ(In<QLabel>("PStatus")->palette().color(QPalette::Window), QColor(0xFB, 0xFD, 0xB3));
    EXPECT_EQ(Text("POben"), QStringLiteral("  Suchergebnis"));
    EXPECT_EQ(Grid("GK1")->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Kombination"));
    EXPECT_EQ(Grid("G1")->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Datum"));
    EXPECT_FALSE(m_window->findChild<QAction*>("MAnalyse")->isEnabled());

    // Choosing a size selects the combination search.
    Choose("ComboAuswahl", 1);
    EXPECT_TRUE(In<QRadioButton>("RG2")->isChecked());

    QTest::mouseClick(In<QToolButton>("BitBtn2"), Qt::LeftButton);
    EXPECT_EQ(m_fakes.help.topics, QList<int>({1013}));
}

TEST_F(AnalysisWindowTest, ThePoolHoldsAtMostTwentyNumbers) {
    OpenWithDraws(3);
    for (int n = 1; n <= 20; ++n) {
        Pick({n});
    }
    EXPECT_EQ(Text("PAnz"), QStringLiteral("20"));
    EXPECT_EQ(In<QPushButton>("lot20")->font().pointSize(), 12);
    EXPECT_TRUE(In<QPushButton>("lot20")->font().bold());
    Pick({21});
    EXPECT_EQ(Boxes(Kind::Error), QStringList{QString::fromUtf8(kPoolFullText)});
    EXPECT_FALSE(In<QPushButton>("lot21")->font().bold());
    EXPECT_FALSE(In<QPushButton>("lot21")->isChecked());
    Pick({5}); // a chosen number still leaves the pool
    EXPECT_EQ(Text("PAnz"), QStringLiteral("19"));
    EXPECT_EQ(In<QPushButton>("lot5")->font().pointSize(), 9);
    Press("BitBtn5");
    EXPECT_EQ(Text("PAnz"), QStringLiteral("0"));
    EXPECT_FALSE(In<QPushButton>("lot1")->font().bold());
}

TEST_F(AnalysisWindowTest, SearchesThatCannotBeMadeSayWhy) {
    const struct {
        std::initializer_list<int> pool;
        int sizeIndex; // -1: none chosen; -2: the whole pool (RG1)
        const char* message;
    } cases[] = {
        {{1, 2}, 0, kPoolNotLargerThanSizeText}, // two numbers never hear "mindestens drei"
        {{1}, 0, kPoolTooSmallText},
        {{}, 0, kPoolTooSmallText},
        {{1, 2, 3}, -1, kNoSizeChosenText},
        {{1}, -2, kWholePoolTooSmallText},
        {{1, 2}, -2, nullptr}, // the same two numbers as a whole are searched
    };
    OpenWithDraws(3);
    for (const auto& c : cases) {
        m_fakes.messages.boxes.clear();
        Press("BitBtn5");
        Pick(c.pool);
        if (c.sizeIndex == -2) {
            Press("RG1");
        } else {
            Press("RG2");
            In<QComboBox>("ComboAuswahl")->setCurrentIndex(-1);
            if (c.sizeIndex >= 0) {
                Choose("ComboAuswahl", c.sizeIndex);
            }
        }
        Press("BSuche");
        const QStringList expected = c.message ? QStringList{QString::fromUtf8(c.message)} : QStringList{};
        EXPECT_EQ(Boxes(Kind::Error), expected) << c.pool.size() << " " << c.sizeIndex;
    }
    EXPECT_EQ(Text("PErgebnis"), QStringLiteral("Kombinationshäufigkeit: 1"));
    EXPECT_EQ(Cell("G1", 0, 0), QStringLiteral("01.08.2024"));
}

TEST_F(AnalysisWindowTest, EveryPairOfThePoolInADrawIsARowOfItsOwn) {
    OpenWithDraws(3);
    m_window->resize(m_window->size());
    Pick({3, 1, 2});
    Choose("ComboAuswahl", 0);
    Press("BSuche");
    // Draw 1 holds 1, 2 and 3: three rows; draw 2 holds 2 and 3; draw 3 only 3.
    ASSERT_EQ(Grid("G1")->rowCount(), 4);
    EXPECT_EQ(Cell("G1", 0, 0), QStringLiteral("01.08.2024"));
    EXPECT_EQ(Cell("G1", 1, 0), QString());
    EXPECT_EQ(Cell("G1", 2, 0), QString());
    EXPECT_EQ(Cell("G1", 3, 0), QStringLiteral("02.08.2024"));
    EXPECT_EQ(Cell("G1", 1, 20), QStringLiteral("20"));
    EXPECT_EQ(Lime(0), QList<int>({1, 2}));
    EXPECT_EQ(Lime(1), QList<int>({1, 3}));
    EXPECT_EQ(Lime(2), QList<int>({2, 3}));
    EXPECT_EQ(Lime(3), QList<int>({2, 3}));
    EXPECT_EQ(Text("PErgebnis"), QStringLiteral("Kombinationenhäufigkeit: 4"));
    EXPECT_EQ(Text("LInfo"),
              QStringLiteral("Es wurde nach dem Auftreten von 3 Zweier- Kombinationen aus 3 Zahlen gesucht"));
    EXPECT_EQ(Text("POben"), QStringLiteral("  Suchergebnis für 3 Ausspielungen:"));

    // What the user sees: lime behind the 1 and the 2 of the first row, white behind its 3.
    auto* view = In<QTableView>("G1");
    m_window->show();
    const QImage image = view->viewport()->grab().toImage();
    const auto colourOf = [&](int column) {
        const QRect cell = view->visualRect(Grid("G1")->index(0, column));
        return image.pixelColor(cell.left() + 2, cell.top() + 2);
    };
    EXPECT_EQ(colourOf(1), QColor(0x00, 0xFF, 0x00));
    EXPECT_EQ(colourOf(2), QColor(0x00, 0xFF, 0x00));
    EXPECT_EQ(colourOf(3), QColor(Qt::white));

    // Nothing found: one empty row and the text that says so.
    Press("BitBtn5");
    Pick({1, 69, 70});
    Press("BSuche");
    EXPECT_EQ(Grid("G1")->rowCount(), 1);
    EXPECT_EQ(Cell("G1", 0, 0), QString());
    EXPECT_EQ(Text("PErgebnis"), QStringLiteral("Keine der Kombinationen ist aufgetreten"));
}

TEST_F(AnalysisWindowTest, APeriodOfOneDrawIsSearched) {
    OpenWithDraws(3);
    TypeDate("Combo1", "02.08.2024");
    TypeDate("Combo2", "02.08.2024");
    Pick({2, 3});
    Press("BSuche");
    EXPECT_TRUE(Boxes(Kind::Error).isEmpty());
    EXPECT_EQ(Text("POben"), QStringLiteral("  Suchergebnis für 1 Ausspielungen:"));
    ASSERT_EQ(Grid("G1")->rowCount(), 1);
    EXPECT_EQ(Cell("G1", 0, 0), QStringLiteral("02.08.2024"));
    EXPECT_EQ(Text("PErgebnis"), QStringLiteral("Kombinationshäufigkeit: 1"));
    EXPECT_EQ(Text("LInfo"), QStringLiteral("Es wurde nach dem Auftreten einer Kombination aus 2 Zahlen gesucht"));
}

TEST_F(AnalysisWindowTest, HighlightingStaysThatOfTheSearchThatFilledTheGrid) {
    OpenWithDraws(3);
    Pick({1, 2, 3});
    Press("BSuche");
    ASSERT_EQ(Grid("G1")->rowCount(), 1);
    EXPECT_EQ(Lime(0), QList<int>({1, 2, 3}));
    Press("RG2");
    Choose("ComboAuswahl", 0);
    Pick({4});
    EXPECT_EQ(Lime(0), QList<int>({1, 2, 3}));
}

TEST_F(AnalysisWindowTest, ARefusedPeriodLeavesEverythingAsItWas) {
    OpenWithDraws(3);
    Pick({2, 3});
    Press("BSuche");
    const QString title = Text("POben");
    TypeDate("Combo1", "02.08.2024");
    TypeDate("Combo2", "01.08.2024");
    Press("BSuche");
    Choose("ComboKombi", 0);
    Press("RGAusw1");
    Press("BStart");
    EXPECT_EQ(Boxes(Kind::Error),
              QStringList(2, QStringLiteral("Bitte korrigieren Sie die Angaben für den Auswertungszeitraum.\r\rIch "
                                            "breche erst einmal ab.")));
    EXPECT_FALSE(m_window->RunInProgress());
    EXPECT_EQ(Text("POben"), title);
    EXPECT_EQ(Grid("G1")->rowCount(), 2);
    EXPECT_EQ(Text("PStatus"), QStringLiteral("warte..."));
    EXPECT_EQ(Text("PErwartung"), QStringLiteral("Erwartungswert:"));
    EXPECT_EQ(In<QPushButton>("BStart")->text(), QStringLiteral("Start"));

    // A date typed that names no draw is refused the same way.
    m_fakes.messages.boxes.clear();
    TypeDate("Combo1", "31.02.2024");
    Press("BSuche");
    EXPECT_EQ(Boxes(Kind::Error).size(), 1);
}

TEST_F(AnalysisWindowTest, ARunWithoutASizeIsRefused) {
    OpenWithDraws(3);
    Press("BStart");
    EXPECT_EQ(Boxes(Kind::Error), QStringList{QString::fromUtf8(kNoSizeChosenText)});
    EXPECT_FALSE(m_window->RunInProgress());
    EXPECT_EQ(Text("PStatus"), QStringLiteral("warte..."));
}

TEST_F(AnalysisWindowTest, ARunOfPairsShowsTheEnginesListsAndItsFigures) {
    OpenWithDraws(30);
    m_fakes.clock.step = 205700; // from the start's reading to the end's: 3 min 25.7 s
    Choose("ComboKombi", 0);
    Press("BStart");
    EXPECT_EQ(Text("PErwartung"), QStringLiteral("Erwartungswert: 2,36"));
    EXPECT_EQ(Text("PRoutinen"), QStringLiteral("Prüfroutinen: 72.450"));
    ASSERT_TRUE(WaitForRun());
    const ComboRunResult expected = RunCombinationsLiteral(2, SetsOf(0, 29));
    EXPECT_EQ(ListRows("GK1"), ListRows(expected.tops));
    EXPECT_EQ(ListRows("GK2"), ListRows(expected.flops));
    EXPECT_EQ(Grid("GK1")->rowCount(), 1000);
    EXPECT_EQ(Text("PStatus"), QStringLiteral("fertig..."));
    EXPECT_EQ(In<QLabel>("PStatus")->palette().color(QPalette::Window), QColor(0xC4, 0xFF, 0xD2));
    EXPECT_EQ(Text("PDauer"), QStringLiteral("Dauer: 0:03:25,7"));
    EXPECT_EQ(In<QProgressBar>("PBar")->value(), 2415);
    EXPECT_EQ(In<QPushButton>("BStart")->text(), QStringLiteral("Start"));
}

TEST_F(AnalysisWindowTest, ACancelledRunLeavesTheGridsResetAndTheNextRunStartsNormally) {
    OpenWithDraws(200);
    Choose("ComboKombi", 0);
    Press("BStart");
    ASSERT_TRUE(WaitForRun());
    const QString duration = Text("PDauer");

    Choose("ComboKombi", 3);
    Press("BStart");
    EXPECT_EQ(In<QPushButton>("BStart")->text(), QStringLiteral("Abbruch"));
    EXPECT_EQ(Text("PStatus"), QStringLiteral("prüfe..."));
    EXPECT_EQ(Text("PRoutinen"), QStringLiteral("Prüfroutinen: 2.420.602.800"));
    // The grids of the last run were reset when this one started: nine rows, positions kept.
    EXPECT_EQ(Grid("GK1")->rowCount(), 9);
    EXPECT_EQ(Cell("GK1", 8, 0), QStringLiteral("9"));
    EXPECT_EQ(Cell("GK1", 0, 1), QString());
    EXPECT_EQ(Cell("GK2", 0, 2), QString());

    Press("BStart");
    EXPECT_EQ(Text("PStatus"), QStringLiteral("abgebrochen..."));
    EXPECT_EQ(In<QLabel>("PStatus")->palette().color(QPalette::Window), QColor(0xFF, 0x48, 0x48));
    ASSERT_TRUE(WaitForRun());
    EXPECT_EQ(Text("PStatus"), QStringLiteral("abgebrochen..."));
    EXPECT_EQ(In<QPushButton>("BStart")->text(), QStringLiteral("Start"));
    EXPECT_EQ(In<QProgressBar>("PBar")->value(), 0);
    EXPECT_EQ(Text("PDauer"), duration);
    EXPECT_TRUE(ListRows("GK1").isEmpty());
    EXPECT_TRUE(ListRows("GK2").isEmpty());

    Choose("ComboKombi", 0);
    Press("BStart");
    ASSERT_TRUE(WaitForRun());
    EXPECT_EQ(Text("PStatus"), QStringLiteral("fertig..."));
    EXPECT_EQ(ListRows("GK1"), ListRows(RunCombinationsLiteral(2, SetsOf(0, 199)).tops));
}

TEST_F(AnalysisWindowTest, ARunCountsThePeriodItStartedWithWhateverHappensMeanwhile) {
    OpenWithDraws(120);
    TypeDate("Combo1", "10.08.2024"); // draws 9 to 119
    Choose("ComboKombi", 2);
    Press("RGAusw1");
    Press("BStart");
    ASSERT_TRUE(m_window->RunInProgress());
    // The window stays usable: another period, a search, a new draw in the main window.
    TypeDate("Combo1", "01.08.2024");
    Pick({1, 2});
    Press("BSuche");
    EXPECT_EQ(Text("POben"), QStringLiteral("  Suchergebnis für 120 Ausspielungen:"));
    Click("BNeu");
    ASSERT_TRUE(WaitForRun());
    const ComboRunResult expected = RunCombinations(4, SetsOf(9, 119));
    EXPECT_EQ(ListRows("GK1"), ListRows(expected.tops));
    EXPECT_EQ(ListRows("GK2"), ListRows(expected.flops));
}

TEST_F(AnalysisWindowTest, TheTabKeyFollowsTheLayoutAndLeavesTheGrids) {
    OpenWithDraws(3);
    const QStringList expected = {"RG1",        "RG2",     "ComboAuswahl", "Combo1", "Combo2", "BSuche", "G1",
                                  "ComboKombi", "RGAusw0", "RGAusw1",      "BStart", "GK1",    "GK2"};
    QStringList order;
    QWidget* widget = In<QWidget>("lot70");
    for (int step = 0; step < 1000 && order.size() < expected.size(); ++step) {
        widget = widget->nextInFocusChain();
        if (widget->focusPolicy() & Qt::TabFocus && widget->isVisibleTo(m_window) && !widget->objectName().isEmpty() &&
            !widget->inherits("QToolButton")) {
            order << widget->objectName();
        }
    }
    EXPECT_EQ(order, expected) << order.join(" ").toStdString();
    EXPECT_FALSE(In<QTableView>("G1")->tabKeyNavigation());
    EXPECT_FALSE(In<QTableView>("GK1")->tabKeyNavigation());
    // A screen reader reads the grids' columns by their headings.
    for (const auto& [grid, column, heading] :
         {std::tuple{"G1", 0, "Datum"}, std::tuple{"G1", 20, "20"}, std::tuple{"GK2", 2, "Anzahl"}}) {
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(In<QTableView>(grid));
        ASSERT_NE(table, nullptr);
        ASSERT_NE(table->tableInterface(), nullptr);
        EXPECT_EQ(table->tableInterface()->columnDescription(column), QString::fromUtf8(heading)) << grid;
    }
    EXPECT_EQ(In<QToolButton>("BitBtn5")->accessibleName(), QStringLiteral("Auswahl löschen"));
    EXPECT_EQ(In<QRadioButton>("RG2")->accessibleName(),
              QStringLiteral("Aus der Auswahl alle Kombinationen suchen aus..."));
}

} // namespace
} // namespace qv::test
