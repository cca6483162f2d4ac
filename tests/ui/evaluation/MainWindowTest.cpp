#include "support/CsvReader.h"
#include "support/LocalHttpServer.h"
#include "support/MainWindowFixture.h"

#include "engine/core/IniFile.h"
#include "engine/core/ProgramState.h"
#include "engine/evaluation/DrawEntry.h"
#include "engine/evaluation/Evaluation.h"
#include "text/DrawListText.h"
#include "ui/evaluation/TFrFrame1.h"
#include "ui/evaluation/TFrFrame2.h"
#include "ui/widgets/StringGrid.h"
#include "ui/widgets/WebView.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTableView>
#include <QUrl>
#include <QWebEngineView>
#include <QWindow>

#include <limits>

namespace qv::test {
namespace {

using Kind = FakeMessages::Kind;

class MainWindowTest : public MainWindowFixture {
protected:
    void StartWithDraws(int count) {
        SaveDraws(DrawFile(), MadeUpHistory(count));
        Start();
    }
    QComboBox* List(const char* name) const { return Main<QComboBox>(QString::fromUtf8(name)); }
    QTabWidget* SlipTabs() const { return Main<QTabWidget>(QStringLiteral("PC1")); }
    QTabWidget* ResultTabs() const { return Main<QTabWidget>(QStringLiteral("PCF1")); }
    TFrFrame2* CurrentResult() const { return ResultTabs()->currentWidget()->findChild<TFrFrame2*>(); }
    QString ResultCell(int column, int row) const { // row 1 is the first data row, as in the grid
        QAbstractItemModel* model = CurrentResult()->Grid()->model();
        return model->index(row - 1, column).data().toString();
    }
    int ResultRows() const { return CurrentResult()->Grid()->model()->rowCount(); }
    // The colour the user sees in the middle of a cell's lower half (below the text's baseline area).
    static QColor PixelOf(QAbstractItemView* view, const QModelIndex& index) {
        const QImage image = view->viewport()->grab().toImage();
        const QRect cell = view->visualRect(index);
        return image.pixelColor(cell.left() + 2, cell.bottom() - 1);
    }
};

TEST_F(MainWindowTest, ShowsTheHistoryInTheDateListsAndTheNewestDrawOnTheBoard) {
    StartWithDraws(3);
    for (const char* name : {"Combo1", "ComboBox1", "Combo2"}) {
        EXPECT_EQ(List(name)->count(), 3) << name;
        EXPECT_EQ(List(name)->currentText(), QStringLiteral("03.08.2024")) << name;
    }
    EXPECT_EQ(MarkedCount(), 20);
    EXPECT_TRUE(Marked(3) && Marked(22) && !Marked(2) && !Marked(23));
    EXPECT_EQ(Main<QPushButton>("lot22")->font().pointSize(), 12);
    EXPECT_EQ(Main<QPushButton>("lot23")->font().pointSize(), 9);
    EXPECT_EQ(Find<QLabel>(Numbers(), "LHinweis")->text(), QStringLiteral("Gewinnzahlen gelten für 03.08.2024"));
    EXPECT_EQ(m_main->windowTitle(), QStringLiteral("Quovadra %1 - Zentrale").arg(ProductVersion));
    EXPECT_EQ(Main<QPushButton>("BNeu")->text(), QStringLiteral("Neue\nZahlen"));
    EXPECT_EQ(Main<QCheckBox>("CBAlle")->text(), QStringLiteral("Sämtliche Dateien zu-\nsammen auswerten"));
}

TEST_F(MainWindowTest, TheBoardRefusesATwentyFirstMark) {
    StartWithDraws(3);
    ClickNumber(70);
    EXPECT_EQ(MarkedCount(), 20);
    EXPECT_FALSE(Marked(70));
    EXPECT_EQ(Boxes(Kind::Information),
              QStringList{"Sie haben bereits zwanzig Zahlen gewählt!\r\rFür eine Änderung der Auswahl demarkieren Sie "
                          "bitte zunächst eine der gewählten Zahlen."});
    ClickNumber(3); // unmark one, then the 70 is taken
    ClickNumber(70);
    EXPECT_TRUE(Marked(70));
    Click(QStringLiteral("Image1"));
    EXPECT_EQ(MarkedCount(), 0);
}

// A record with a number twice holds no draw of the game: it is named so and left out of evaluations.
TEST_F(MainWindowTest, ADrawWithADoubledNumberIsMarkedInvalidAndLeftOut) {
    auto draws = MadeUpHistory(3);
    draws[2].GZ[19] = draws[2].GZ[0];
    SaveDraws(DrawFile(), draws);
    Start();
    EXPECT_EQ(MarkedCount(), 18); // the second click on the doubled number unmarked it again
    auto* invalid = Main<QLabel>(QStringLiteral("LUngueltig"));
    EXPECT_FALSE(invalid->isHidden());
    EXPECT_EQ(invalid->text(), QStringLiteral("ungültige Ziehung"));
    List("Combo1")->setCurrentIndex(1);
    EXPECT_TRUE(invalid->isHidden());

    m_main->OpenSlipInMainWindow(WriteSlip("s.kts", Slip({{1, {1, 2}}})));
    Main<QCheckBox>("CBbis")->setChecked(true);
    List("ComboBox1")->setCurrentIndex(0);
    List("Combo2")->setCurrentIndex(2);
    Click(QStringLiteral("BAuswerten"));
    EXPECT_EQ(Boxes(Kind::Information),
              QStringList{"1 ungültige Ziehung (nicht 20 verschiedene Zahlen von 1 bis 70) wurde ausgelassen."});
    EXPECT_EQ(ResultRows(), 2) << "one row for each of the two valid draws";
}

TEST_F(MainWindowTest, WithOneDrawSelectingItMarksNothing) {
    StartWithDraws(1);
    EXPECT_EQ(MarkedCount(), 0);
}

TEST_F(MainWindowTest, NewDrawTwiceAsksToCompleteTheFirst) {
    StartWithDraws(3);
    Click(QStringLiteral("BNeu"));
    EXPECT_EQ(List("Combo1")->currentText(), QStringLiteral("04.08.2024"));
    EXPECT_EQ(MarkedCount(), 0);
    EXPECT_EQ(Find<QLabel>(Numbers(), "LHinweis")->text(), QStringLiteral("Gewinnzahlen gelten für 04.08.2024"));
    Click(QStringLiteral("BNeu"));
    EXPECT_EQ(Boxes(Kind::Error),
              QStringList{"Bitte komplettieren Sie zunächst Ihre vorherigen Angaben.\r\rIch breche erst einmal ab."});
    EXPECT_EQ(List("Combo1")->count(), 4);
    EXPECT_EQ(State().DrawList.size(), 4u);
}

TEST_F(MainWindowTest, SaveNeedsTwentyNumbersAndWritesThemAscending) {
    StartWithDraws(3);
    const auto before = LoadDraws(DrawFile());
    Click(QStringLiteral("BNeu"));
    for (int n : {70, 5, 33, 12, 1, 64, 8, 19, 27, 41, 52, 60, 2, 3, 4, 6, 7, 9, 10}) {
        ClickNumber(n);
    }
    Click(QStringLiteral("BSave1"));
    EXPECT_EQ(Boxes(Kind::Error),
              QStringList{"Bitte komplettieren Sie zunächst Ihre Angaben. Sie müssen 20 Gewinnzahlen wählen und die "
                          "fünfstellige Zahl für Plus 5 eingeben.\r\rIch breche erst einmal ab."});
    EXPECT_EQ(LoadDraws(DrawFile()), before) << "a refused save writes nothing";

    ClickNumber(11);
    Click(QStringLiteral("BSave1"));
    const auto after = LoadDraws(DrawFile());
    ASSERT_EQ(after.size(), 4u);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), after.begin()));
    TGewZahlen expected;
    expected.datum = 45505 + 3;
    const std::array<std::uint8_t, 20> ascending = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10,
                                                    11, 12, 19, 27, 33, 41, 52, 60, 64, 70};
    std::copy(ascending.begin(), ascending.end(), expected.GZ.begin());
    EXPECT_EQ(after[3], expected);

    // The new date reaches the period lists once, also when the draw is saved a second time.
    EXPECT_EQ(List("ComboBox1")->count(), 4);
    EXPECT_EQ(List("Combo2")->currentText(), QStringLiteral("04.08.2024"));
    Click(QStringLiteral("BSave1"));
    EXPECT_EQ(List("ComboBox1")->count(), 4);
}

TEST_F(MainWindowTest, AnEmptyHistoryAsksForTheFirstDate) {
    Start();
    m_fakes.messages.dates.push_back(QDate(2024, 8, 1));
    Click(QStringLiteral("BNeu"));
    ASSERT_EQ(m_fakes.messages.datePresets.size(), 1);
    EXPECT_EQ(m_fakes.messages.datePresets[0], m_fakes.clock.Today());
    EXPECT_EQ(List("Combo1")->currentText(), QStringLiteral("01.08.2024"));
    for (int n = 1; n <= 20; ++n) {
        ClickNumber(n);
    }
    Click(QStringLiteral("BSave1"));
    const auto saved = LoadDraws(DrawFile());
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].datum, 45505);
    EXPECT_EQ(List("ComboBox1")->currentText(), QStringLiteral("01.08.2024"));
}

// A date beyond any calendar once showed as "04.06.2030437201" and then made every save refuse the
// whole list as "kein Datum".
TEST_F(MainWindowTest, ADateOutsideTheCalendarIsShownAsItIsAndSavingGoesOn) {
    std::vector<TGewZahlen> draws = MadeUpHistory(3);
    draws[1].datum = 7.4e11;
    SaveDraws(DrawFile(), draws);
    Start();
    EXPECT_EQ(List("Combo1")->itemText(1), QStringLiteral("(Tag 7.4e+11)"));

    Click(QStringLiteral("BNeu"));
    for (int n = 31; n <= 50; ++n) {
        ClickNumber(n);
    }
    Click(QStringLiteral("BSave1"));
    EXPECT_TRUE(Boxes(Kind::Error).isEmpty()) << Boxes(Kind::Error).join('|').toStdString();
    const auto saved = LoadDraws(DrawFile());
    ASSERT_EQ(saved.size(), 4u);
    EXPECT_EQ(saved[1].datum, 7.4e11);
    EXPECT_EQ(saved[3].datum, 45505 + 3);
}

TEST_F(MainWindowTest, AfterANewestDrawWithoutADateTheNewDateIsAsked) {
    std::vector<TGewZahlen> draws = MadeUpHistory(2);
    draws[1].datum = std::numeric_limits<double>::quiet_NaN();
    SaveDraws(DrawFile(), draws);
    Start();
    EXPECT_EQ(List("Combo1")->itemText(1), QStringLiteral("(kein Datum)"));
    m_fakes.messages.dates.push_back(QDate(2024, 9, 1));
    Click(QStringLiteral("BNeu"));
    ASSERT_EQ(m_fakes.messages.datePresets.size(), 1);
    EXPECT_EQ(List("Combo1")->currentText(), QStringLiteral("01.09.2024"));
}

TEST_F(MainWindowTest, AReadOnlyHistoryIsNotReplacedAndTheBoxSaysWhy) {
    StartWithDraws(2);
    std::filesystem::permissions(DrawFile(), std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                                                 std::filesystem::perms::others_read);
    const auto before = ReadFileBytes(DrawFile());
    Click(QStringLiteral("BNeu"));
    for (int n = 31; n <= 50; ++n) {
        ClickNumber(n);
    }
    Click(QStringLiteral("BSave1"));
    EXPECT_EQ(Boxes(Kind::Error),
              QStringList{QStringLiteral("Die Datei „%1“ wird nicht gespeichert: Sie ist schreibgeschützt. Die alte "
                                         "Datei bleibt unverändert.")
                              .arg(FromPath(DrawFile()))});
    EXPECT_EQ(ReadFileBytes(DrawFile()), before);
}

TEST_F(MainWindowTest, AnUnreadableHistoryIsReportedAndNeverOverwritten) {
    std::filesystem::create_directory(DrawFile()); // stands for any history that cannot be read
    Start();
    const QStringList errors = Boxes(Kind::Error);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith(QStringLiteral("„%1“ ist ein Ordner, keine Datei").arg(FromPath(DrawFile()))))
        << errors[0].toStdString();
    EXPECT_FALSE(Main<QPushButton>("BSave1")->isEnabled());
    EXPECT_FALSE(Main<QPushButton>("BNeu")->isEnabled());
    for (const char* item : {"MNeueZahlen", "MSpeichern"}) { // nor by their keys
        EXPECT_FALSE(m_main->findChild<QAction*>(QString::fromUtf8(item))->isEnabled()) << item;
    }
}

TEST_F(MainWindowTest, OpeningThreeFilesCreatesThreeTabsAndRecordsExactlyThose) {
    StartWithDraws(3);
    const IniFile ini(Data() / kSettingsFileName);
    ini.WriteInteger("Spielscheine", "Anzahl", 5);
    for (int k = 1; k <= 5; ++k) {
        ini.WriteString("Spielscheine", "Datei" + std::to_string(k), "/alt" + std::to_string(k) + ".kts");
    }
    const QStringList files = {WriteSlip("a.kts", Slip({{1, {1, 2}}})), WriteSlip("b.kts", Slip({{2, {3, 4, 5}}})),
                               WriteSlip("c.kts", Slip({{8, {6, 7}}}))};
    m_fakes.fileDialogs.SetNextChoice(files);
    Click(QStringLiteral("BOpen1"));

    ASSERT_EQ(m_fakes.fileDialogs.requests.size(), 1);
    EXPECT_EQ(m_fakes.fileDialogs.requests[0].title, QStringLiteral("Datei wählen"));
    EXPECT_EQ(m_fakes.fileDialogs.requests[0].filter, QStringLiteral("KENO-Schein-Datei|*.kts"));
    QTabWidget* tabs = SlipTabs();
    ASSERT_EQ(tabs->count(), 3);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(tabs->widget(k)->objectName(), QStringLiteral("TabG%1").arg(k + 1));
        EXPECT_NE(tabs->widget(k)->findChild<TFrFrame1*>(QStringLiteral("frG%1").arg(k + 1)), nullptr);
    }
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("b"));
    EXPECT_EQ(tabs->currentIndex(), 2);
    EXPECT_FALSE(Main("PInfo")->isVisible());
    EXPECT_TRUE(Main("CBAlle")->isEnabled());

    EXPECT_EQ(ini.ReadInteger("Spielscheine", "Anzahl", 0), 3);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(ini.ReadString("Spielscheine", "Datei" + std::to_string(k), ""), files[k - 1].toStdString());
    }
    EXPECT_EQ(ini.ReadString("Spielscheine", "Datei4", "leer"), "leer");

    // The slip grid of b: stake, Keno type and numbers of field 2 in its first row.
    auto* grid = tabs->widget(1)->findChild<TFrFrame1*>()->Grid();
    EXPECT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(grid->item(1, 0)->text().trimmed(), QStringLiteral("1 €"));
    EXPECT_EQ(grid->item(1, 4)->text(), QStringLiteral("5"));
}

TEST_F(MainWindowTest, RecordedSlipFilesAndMultiRowAreRestoredAtStart) {
    SaveDraws(DrawFile(), MadeUpHistory(3));
    const QString first = WriteSlip("erster.kts", Slip({{3, {1, 2, 3}}}));
    const QString third = WriteSlip("dritter.kts", Slip({{1, {4, 5}}}));
    const IniFile ini(Data() / kSettingsFileName);
    ini.WriteInteger("Haupt", "Multi", 7);
    ini.WriteInteger("Haupt", "PosLeft", 120);
    ini.WriteInteger("Spielscheine", "Anzahl", 3);
    ini.WriteString("Spielscheine", "Datei1", first.toStdString());
    ini.WriteString("Spielscheine", "Datei3", third.toStdString());
    Start();

    EXPECT_TRUE(Main<QCheckBox>("cbMehr")->isChecked());
    ASSERT_EQ(SlipTabs()->count(), 3);
    EXPECT_EQ(SlipTabs()->tabText(0), QStringLiteral("erster"));
    EXPECT_EQ(SlipTabs()->widget(1)->findChild<TFrFrame1*>()->Grid()->rowCount(), 1) << "empty path, empty tab";
    EXPECT_EQ(m_main->pos().x(), 120);

    m_main->close();
    EXPECT_EQ(ini.ReadInteger("Haupt", "Multi", 0), 1);
    EXPECT_EQ(ini.ReadInteger("Haupt", "PosLeft", 0), 120);
    // The settings file existed, so the winning-number window took "no" for its missing keys, and
    // stored them at the end.
    EXPECT_EQ(ini.ReadInteger("NeueGZ", "AutoFiltern", -1), 0);
}

// A settings file that cannot be read is reported once at start and once at close.
TEST_F(MainWindowTest, AnUnreadableSettingsFileIsReportedOnceAtStartAndOnceAtClose) {
    std::filesystem::create_directory(Data() / kSettingsFileName);
    const QString message = QStringLiteral("„%1“ ist ein Ordner, keine Datei; es wurde nichts gelesen.")
                                .arg(FromPath(Data() / kSettingsFileName));
    StartWithDraws(3);
    Continue();
    EXPECT_EQ(Boxes(Kind::Error), QStringList{message});
    m_main->close();
    EXPECT_EQ(Boxes(Kind::Error), (QStringList{message, message}));
    EXPECT_TRUE(std::filesystem::is_directory(Data() / kSettingsFileName));
}

TEST_F(MainWindowTest, EvaluationFillsOneResultTabPerSlipInBlocksPerDraw) {
    StartWithDraws(5);
    WriteSlip("a.kts", Slip({{1, {1, 2}}, {3, {21, 22, 23, 70}}}, 1));
    WriteSlip("b.kts", Slip({{4, {5, 6, 7}}}));
    WriteSlip("c.kts", Slip({{2, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}}}));
    m_fakes.fileDialogs.SetNextChoice(
        {FromPath(Data() / "a.kts"), FromPath(Data() / "b.kts"), FromPath(Data() / "c.kts")});
    Click(QStringLiteral("BOpen1"));

    List("ComboBox1")->setCurrentIndex(1);
    Main<QCheckBox>("CBbis")->setChecked(true);
    List("Combo2")->setCurrentIndex(3);
    Click(QStringLiteral("BAuswerten"));

    QTabWidget* results = ResultTabs();
    ASSERT_EQ(results->count(), 3);
    EXPECT_EQ(results->widget(2)->objectName(), QStringLiteral("TabA3"));
    EXPECT_NE(results->widget(2)->findChild<TFrFrame2*>(QStringLiteral("frA3")), nullptr);
    EXPECT_EQ(results->currentIndex(), 2);
    results->setCurrentIndex(0);
    EXPECT_EQ(results->tabText(0), QStringLiteral("a"));
    EXPECT_EQ(CurrentResult()->Title()->text(),
              QStringLiteral("Auswertung für die Ausspielungen vom 02.08.2024 bis 04.08.2024"));

    // Fields 1 and 3 over three draws: six rows, the date on rows 1, 3 and 5.
    ASSERT_EQ(ResultRows(), 6);
    EXPECT_EQ(ResultCell(0, 1), QStringLiteral("02.08.2024"));
    EXPECT_EQ(ResultCell(0, 2), QString());
    EXPECT_EQ(ResultCell(0, 5), QStringLiteral("04.08.2024"));
    // Draw 1 holds 2 to 21: field 1 (1, 2) has one hit and wins nothing.
    EXPECT_EQ(ResultCell(1, 1), QStringLiteral("1"));
    EXPECT_EQ(ResultCell(3, 1), QStringLiteral("1"));
    EXPECT_EQ(ResultCell(4, 1), QStringLiteral("--"));
    EXPECT_EQ(ResultCell(5, 1), QStringLiteral("0,00"));
    // Field 3 (21, 22, 23, 70) against 3 to 22 on the second draw: two hits, Keno 4 pays 1 x 2 euros.
    EXPECT_EQ(ResultCell(3, 4), QStringLiteral("2"));
    EXPECT_EQ(ResultCell(4, 4), QStringLiteral("2,00"));

    // Only field 4 of b: the date still stands in the first row of each block.
    results->setCurrentIndex(1);
    ASSERT_EQ(ResultRows(), 3);
    EXPECT_EQ(ResultCell(0, 2), QStringLiteral("03.08.2024"));
    EXPECT_EQ(ResultCell(1, 2), QStringLiteral("4"));
}

TEST_F(MainWindowTest, EachResultTabEndsWithStakeWinsAndBalance) {
    StartWithDraws(5);
    // Two fields at 2 euros over the draws 2 to 21, 3 to 22 and 4 to 23: field 3 (Keno 4) hits 1, 2
    // and 3 times and wins 2 and 4 euros; the six plays cost 12 euros.
    m_main->OpenSlipInMainWindow(WriteSlip("a.kts", Slip({{1, {1, 2}}, {3, {21, 22, 23, 70}}}, 1)));
    List("ComboBox1")->setCurrentIndex(1);
    Main<QCheckBox>("CBbis")->setChecked(true);
    List("Combo2")->setCurrentIndex(3);
    Click(QStringLiteral("BAuswerten"));

    QLabel* balance = CurrentResult()->Balance();
    EXPECT_EQ(balance->objectName(), QStringLiteral("PBilanz"));
    EXPECT_EQ(balance->text(), QStringLiteral("Einsatz: 12,00 €   Gewinne: 6,00 €   Bilanz: -6,00 €"));
    EXPECT_FALSE(balance->isHidden());

    // A single draw (2 to 21) with the top prize of Keno 2: 6.50 x 2 euros against 2 euros.
    m_main->OpenSlipInMainWindow(WriteSlip("b.kts", Slip({{5, {4, 5}}}, 1)));
    Main<QCheckBox>("CBbis")->setChecked(false);
    Click(QStringLiteral("BAuswerten"));
    EXPECT_EQ(CurrentResult()->Balance()->text(),
              QStringLiteral("Einsatz: 2,00 €   Gewinne: 13,00 €   Bilanz: +11,00 €"));
}

TEST_F(MainWindowTest, SlipAndResultGridsAreCopiedAndSavedAsShown) {
    StartWithDraws(5);
    m_main->OpenSlipInMainWindow(WriteSlip("a.kts", Slip({{1, {1, 2}}, {3, {21, 22, 23, 70}}}, 1)));
    List("ComboBox1")->setCurrentIndex(1);
    Main<QCheckBox>("CBbis")->setChecked(true);
    List("Combo2")->setCurrentIndex(3);
    Click(QStringLiteral("BAuswerten"));

    // The result tab as a file: the headings, every row, and the balance it ends with.
    const std::filesystem::path path = Data() / "Auswertung.csv";
    m_fakes.fileDialogs.SetNextChoice({FromPath(path)});
    QTableView* grid = CurrentResult()->Grid();
    QTest::keyClick(grid, Qt::Key_F10, Qt::ShiftModifier);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    menu->findChild<QAction*>(QStringLiteral("ExportSpeichern"))->trigger();
    menu->close();
    EXPECT_TRUE(m_fakes.messages.boxes.isEmpty());
    const std::vector<std::uint8_t> bytes = ReadFileBytes(path);
    const auto rows =
        ReadCsv(QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())));
    ASSERT_TRUE(rows.has_value());
    ASSERT_EQ(rows->size(), 1 + ResultRows() + 1);
    QStringList headings;
    for (int c = 0; c < grid->model()->columnCount(); ++c) {
        headings << grid->model()->headerData(c, Qt::Horizontal).toString().trimmed();
    }
    EXPECT_EQ(rows->front(), headings);
    for (int r = 1; r <= ResultRows(); ++r) {
        QStringList cells;
        for (int c = 0; c < grid->model()->columnCount(); ++c) {
            cells << ResultCell(c, r);
        }
        EXPECT_EQ(rows->at(r), cells) << r;
    }
    EXPECT_EQ(rows->at(4)[4], QStringLiteral("2,00")) << "amounts with the decimal comma, as shown";
    EXPECT_EQ(rows->back(), QStringList{QStringLiteral("Einsatz: 12,00 €   Gewinne: 6,00 €   Bilanz: -6,00 €")});

    // The slip grid: its heading row 0 first, without the blanks that centre it.
    StringGrid* slip = SlipTabs()->currentWidget()->findChild<TFrFrame1*>()->Grid();
    slip->setFocus();
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(slip, Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Einsatz\tKeno-Typ\t1\t2\t"))) << lines[0].toStdString();
    EXPECT_EQ(lines[1].split(QLatin1Char('\t')).mid(1, 3), (QStringList{"2", "1", "2"}));
}

TEST_F(MainWindowTest, SingleDrawEvaluationMarksHitsAndColoursWinsByClass) {
    StartWithDraws(3); // the newest draw holds 3 to 22
    const QString path = WriteSlip("s.kts", Slip({{1, {3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
                                                  {2, {13, 14, 15, 16, 17, 18}},
                                                  {3, {40, 41, 42, 43, 44, 45, 46}},
                                                  {4, {1, 2, 3}}},
                                                 5));
    m_main->OpenSlipInMainWindow(path);
    Click(QStringLiteral("BAuswerten"));

    EXPECT_TRUE(m_fakes.messages.boxes.isEmpty());
    EXPECT_EQ(CurrentResult()->Title()->text(), QStringLiteral("Auswertung für den 03.08.2024"));
    ASSERT_EQ(ResultRows(), 4);
    EXPECT_EQ(ResultCell(3, 1), QStringLiteral("10"));
    EXPECT_EQ(ResultCell(4, 1), QStringLiteral("2.500.000,00"));
    EXPECT_EQ(ResultCell(4, 3), QStringLiteral("30,00")); // Keno 7 without a hit: three times the stake

    QTableView* grid = CurrentResult()->Grid();
    grid->resize(500, 200);
    const auto win = [grid](int row) { return PixelOf(grid, grid->model()->index(row - 1, 4)); };
    EXPECT_EQ(win(1), QColor(0xFE, 0xBB, 0x36)); // class 1
    EXPECT_EQ(win(2), QColor(0x41, 0x69, 0xE1)); // Keno 6 with 6 hits, class 5
    EXPECT_EQ(win(3), QColor(Qt::white));        // class 0 stays plain
    EXPECT_EQ(win(4), QColor(Qt::white));        // "--"

    // The slip grid marks the numbers of the evaluated draw light green.
    auto* slipGrid = SlipTabs()->currentWidget()->findChild<TFrFrame1*>()->Grid();
    slipGrid->resize(500, 200);
    const auto cell = [slipGrid](int row, int column) {
        return PixelOf(slipGrid, slipGrid->model()->index(row, column));
    };
    EXPECT_EQ(cell(4, 4), QColor(0xC1, 0xFF, 0xC1)); // field 4's 3
    EXPECT_EQ(cell(4, 2), QColor(Qt::white));        // field 4's 1 was not drawn

    // After an evaluation of a range the marks are gone.
    Main<QCheckBox>("CBbis")->setChecked(true);
    List("ComboBox1")->setCurrentIndex(0);
    Click(QStringLiteral("BAuswerten"));
    EXPECT_EQ(cell(4, 4), QColor(Qt::white));
}

TEST_F(MainWindowTest, RefusalsChangeNothing) {
    StartWithDraws(4);
    Click(QStringLiteral("BAuswerten"));
    const QString nothing = QStringLiteral("Es gibt nichts auszuwerten. Bitte laden Sie zunächst eine Datei mit "
                                           "Tippreihen (Spielschein-Datei).\r\rIch breche erst einmal ab.");
    EXPECT_EQ(Boxes(Kind::Error), QStringList{nothing});

    m_main->OpenSlipInMainWindow(WriteSlip("s.kts", Slip({{1, {1, 2}}})));
    Main<QCheckBox>("CBbis")->setChecked(true);
    List("ComboBox1")->setCurrentIndex(3);
    List("Combo2")->setCurrentIndex(2);
    Click(QStringLiteral("BAuswerten"));
    List("Combo2")->setEditText(QStringLiteral("31.12.1999")); // typed, names no draw
    List("ComboBox1")->setCurrentIndex(0);
    Click(QStringLiteral("BAuswerten"));
    EXPECT_EQ(Boxes(Kind::Error).mid(1), QStringList(2, QString::fromUtf8(PeriodErrorText)));
    EXPECT_EQ(ResultTabs()->count(), 0);

    // Closing every slip tab leaves the welcome panel hidden and nothing to evaluate.
    Click(QStringLiteral("BitBtn5"));
    EXPECT_EQ(SlipTabs()->count(), 0);
    EXPECT_TRUE(State().SlipList.empty());
    EXPECT_FALSE(Main("PInfo")->isVisible());
    Click(QStringLiteral("BAuswerten"));
    EXPECT_EQ(Boxes(Kind::Error).last(), nothing);
}

// A slip tab shows an old 96-byte slip in the current layout, and says so when a file holds no slip.
TEST_F(MainWindowTest, SlipTabsConvertOldSlipsAndNameFilesThatHoldNoSlip) {
    StartWithDraws(2);
    QByteArray old(96, '\0');
    old[0] = 7;
    old[1] = 9;
    old[80] = 2;
    old[88] = 5; // 10 euros
    const QString oldPath = FromPath(Data() / "alt.kts");
    QFile oldFile(oldPath);
    ASSERT_TRUE(oldFile.open(QIODevice::WriteOnly) && oldFile.write(old) == old.size());
    oldFile.close();
    m_main->OpenSlipInMainWindow(oldPath);
    StringGrid* grid = SlipTabs()->currentWidget()->findChild<TFrFrame1*>()->Grid();
    ASSERT_GE(grid->rowCount(), 2);
    EXPECT_TRUE(grid->Cell(0, 1).contains(QStringLiteral("10"))) << grid->Cell(0, 1).toStdString();
    EXPECT_EQ(grid->Cell(1, 1).trimmed(), QStringLiteral("2"));
    EXPECT_EQ(grid->Cell(2, 1), QStringLiteral("7"));
    EXPECT_EQ(grid->Cell(3, 1), QStringLiteral("9"));

    TSchein bad = Slip({{2, {4, 5}}});
    bad.kenotyp[1] = 255;
    const QString badPath = WriteSlip("kaputt.kts", bad);
    m_main->OpenSlipInMainWindow(badPath);
    ASSERT_EQ(SlipTabs()->count(), 2);
    QWidget* page = SlipTabs()->currentWidget();
    EXPECT_EQ(page->findChild<TFrFrame1*>(), nullptr);
    auto* note = page->findChild<QLabel*>(QStringLiteral("LKeinSchein2"));
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->text(), QStringLiteral("Die Datei „%1“ ist kein gültiger Spielschein (Feld 2: Keno-Typ 255 gibt es "
                                           "nicht (höchstens 10 Zahlen)); sie wird nicht verwendet.")
                                .arg(badPath));
    EXPECT_EQ(State().SlipList.back(), TSchein{});
    EXPECT_TRUE(Boxes(Kind::Error).isEmpty());
}

// The day's main steps by keyboard alone: each has a key, shown beside its item in the file menu.
TEST_F(MainWindowTest, TheMainStepsHaveKeysShownInTheFileMenu) {
    StartWithDraws(3);
    const struct {
        const char* item;
        const char* text;
        QKeySequence keys;
    } items[] = {
        {"MNeueZahlen", "Neue &Zahlen", QKeySequence(QStringLiteral("Ctrl+N"))},
        {"MSpeichern", "Zahlen &speichern", QKeySequence(QStringLiteral("Ctrl+S"))},
        {"MZwischenablage", "Zahlen aus Zwischen&ablage", QKeySequence(QStringLiteral("Ctrl+Shift+V"))},
        {"MAuswerten", "A&uswerten", QKeySequence(QStringLiteral("F9"))},
    };
    const QList<QAction*> file = Main<QMenu>(QStringLiteral("MenuDatei"))->actions();
    for (const auto& item : items) {
        auto* action = m_main->findChild<QAction*>(QString::fromUtf8(item.item));
        ASSERT_NE(action, nullptr) << item.item;
        EXPECT_TRUE(file.contains(action)) << item.item;
        EXPECT_EQ(action->text(), QString::fromUtf8(item.text));
        EXPECT_EQ(action->shortcut(), item.keys) << item.item;
    }
    EXPECT_EQ(file.last()->objectName(), QStringLiteral("MBeenden"));

    Continue();
    m_main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_main));
    QTest::keyClick(m_main, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(List("Combo1")->currentText(), QStringLiteral("04.08.2024"));
    EXPECT_EQ(MarkedCount(), 0);
    QTest::keyClick(m_main, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(Boxes(Kind::Error),
              QStringList{"Bitte komplettieren Sie zunächst Ihre Angaben. Sie müssen 20 Gewinnzahlen wählen und die "
                          "fünfstellige Zahl für Plus 5 eingeben.\r\rIch breche erst einmal ab."});
    QTest::keyClick(m_main, Qt::Key_F9);
    EXPECT_EQ(Boxes(Kind::Error).last(),
              QStringLiteral("Es gibt nichts auszuwerten. Bitte laden Sie zunächst eine Datei mit Tippreihen "
                             "(Spielschein-Datei).\r\rIch breche erst einmal ab."));
    EXPECT_EQ(m_app->Windows().Find(QStringLiteral("FGewinnzahlen")), nullptr) << "made when first shown";
    QTest::keyClick(m_main, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(Numbers()->isVisible());
    EXPECT_EQ(Find<QLabel>(Numbers(), "LHinweis")->text(), QStringLiteral("Gewinnzahlen gelten für 04.08.2024"));
}

TEST_F(MainWindowTest, DemoSlipAndNews) {
    StartWithDraws(2);
    Click(QStringLiteral("BDemo"));
    ASSERT_EQ(SlipTabs()->count(), 1);
    EXPECT_EQ(SlipTabs()->tabText(0), QStringLiteral("Demo"));

    std::filesystem::remove(Data() / "Demo.kts");
    Click(QStringLiteral("BDemo"));
    EXPECT_EQ(
        Boxes(Kind::Error),
        QStringList{"Die Demo-Datei wurde nicht gefunden, offensichtlich wurde sie gelöscht.\r\rIch muss abbrechen."});

    m_fakes.internet.connected = false;
    Click(QStringLiteral("BAktuell"));
    EXPECT_EQ(Boxes(Kind::Information),
              QStringList{"Für den Seiten-Aufruf muss eine Verbindung zum Internet bestehen."});
}

// When the system cannot tell whether there is a connection, the page's server is asked first; the news
// page then shows inside the main window, in a browser made only now.
TEST_F(MainWindowTest, NewsWithAnUnknownConnectionAsksTheServerFirst) {
    LocalHttpServer server;
    server.Set("/QVD/aktuell.html", 200, "<html><head><title>Neu</title></head><body>Neu</body></html>", "text/html");
    StartWithDraws(2);
    m_app->Context().webSite = server.Url(QString());
    const QString page = server.Url(QStringLiteral("/QVD/aktuell.html"));
    EXPECT_EQ(m_main->findChild<QWidget*>(QStringLiteral("web1")), nullptr) << "no browser at start";

    m_fakes.internet.known = false; // and the server does not answer
    Click(QStringLiteral("BAktuell"));
    EXPECT_EQ(Boxes(Kind::Information),
              QStringList{"Für den Seiten-Aufruf muss eine Verbindung zum Internet bestehen."});
    EXPECT_EQ(m_fakes.internet.probed, QStringList{page});
    EXPECT_EQ(m_main->findChild<QWidget*>(QStringLiteral("web1")), nullptr);

    m_fakes.internet.pages[page] = {}; // now it answers
    const QWidgetList widgetsBefore = QApplication::topLevelWidgets();
    QList<QWindow*> shownBefore;
    for (QWindow* window : QGuiApplication::topLevelWindows()) {
        if (window->isVisible()) {
            shownBefore << window;
        }
    }
    Click(QStringLiteral("BAktuell"));
    EXPECT_EQ(Boxes(Kind::Information).size(), 1);
    auto* view = m_main->findChild<QWebEngineView*>(QStringLiteral("web1"));
    ASSERT_NE(view, nullptr) << WebViewLoadError().toStdString();
    EXPECT_EQ(view->url(), QUrl(page));
    EXPECT_TRUE(view->isVisibleTo(m_main));
    EXPECT_EQ(view->accessibleName(), QStringLiteral("Neuigkeiten"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return view->title() == QStringLiteral("Neu"); }, 20000));
    // No window the player did not ask for.
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        EXPECT_TRUE(widgetsBefore.contains(widget)) << widget->metaObject()->className();
    }
    for (QWindow* window : QGuiApplication::topLevelWindows()) {
        EXPECT_TRUE(!window->isVisible() || shownBefore.contains(window))
            << window->metaObject()->className() << " " << window->title().toStdString();
    }
}

} // namespace
} // namespace qv::test
