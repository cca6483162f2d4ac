#include "support/MainWindowFixture.h"

#include "engine/core/ProgramState.h"
#include "ui/tips/TFEingabe.h"
#include "ui/tips/TFTippcenter.h"
#include "ui/widgets/StringGrid.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QSignalSpy>
#include <QToolButton>

namespace qv::test {
namespace {

using Kind = FakeMessages::Kind;

class TipCentreTest : public MainWindowFixture {
protected:
    void StartWith(const std::vector<TGewZahlen>& draws) {
        SaveDraws(DrawFile(), draws);
        Start();
    }
    TFTippcenter* Centre() {
        auto* centre = qobject_cast<TFTippcenter*>(
            m_app->Windows().OpenOrRestore(m_app->Context(), QStringLiteral("FTippcenter")));
        EXPECT_NE(centre, nullptr);
        return centre;
    }
    template <typename T = QWidget>
    T* In(TFTippcenter* centre, const QString& name) const {
        return Find<T>(centre, name);
    }
    // Keno-type entry ("--" = 0, "2" = 1, ...) and method entry of game g.
    void Choose(TFTippcenter* centre, int game, int typeEntry, int methodEntry = 0) const {
        In<QComboBox>(centre, QStringLiteral("ComboTyp%1").arg(game))->setCurrentIndex(typeEntry);
        In<QComboBox>(centre, QStringLiteral("ComboWie%1").arg(game))->setCurrentIndex(methodEntry);
    }
    void Generate(TFTippcenter* centre) const {
        QTest::mouseClick(In<QPushButton>(centre, QStringLiteral("BStart")), Qt::LeftButton);
    }
    QLabel* Place(TFTippcenter* centre, int game, int k) const {
        return In<QLabel>(centre, QStringLiteral("Platz%1").arg(game * 100 + k));
    }
    int ShownPlaces(TFTippcenter* centre, int game) const {
        int shown = 0;
        for (int k = 1; k <= 10; ++k) {
            shown += Place(centre, game, k)->isVisibleTo(centre) ? 1 : 0;
        }
        return shown;
    }
    std::vector<int> Row(TFTippcenter* centre, int game) const {
        std::vector<int> row;
        for (int value : centre->SuggestionRow(game)) {
            if (value > 0) {
                row.push_back(value);
            }
        }
        return row;
    }
    static QColor Background(QLabel* panel) { return panel->palette().color(QPalette::Window); }
    static QColor TextColour(QLabel* panel) { return panel->palette().color(QPalette::WindowText); }
};

TEST_F(TipCentreTest, OpensWithTheWholeHistoryListedAndCounted) {
    StartWith(MadeUpHistory(3));
    TFTippcenter* centre = Centre();
    EXPECT_EQ(centre->windowTitle(), QStringLiteral("Quovadra 1.4.3.0 - Tipp-Center"));
    EXPECT_EQ(In<QLabel>(centre, "Label1")->text(),
              QStringLiteral("Der Quovadra kann Ihnen Tipps für Ihren KENO-Schein geben. Sie bestimmen auf welcher "
                             "Grundlage, d. h. wie viele Ausspielungen ausgewertet werden und ob Restanten, Favoriten, "
                             "ein Mischung von beidem oder der Zufall die Basiszahlen liefern."));
    EXPECT_EQ(In<QGroupBox>(centre, "Gr5")->title(), QStringLiteral("3 Ausspielungen von 01.08.2024 bis 03.08.2024"));
    auto* grid = In<StringGrid>(centre, "G1");
    EXPECT_EQ(grid->columnCount(), 21);
    EXPECT_EQ(grid->rowCount(), 4);
    EXPECT_GE(grid->ColumnWidth(0), 66);
    EXPECT_EQ(grid->Cell(0, 3), QStringLiteral("03.08.2024"));
    EXPECT_EQ(grid->Cell(1, 3), QStringLiteral("3"));
    EXPECT_EQ(grid->Cell(20, 3), QStringLiteral("22"));
    EXPECT_EQ(In<QComboBox>(centre, "Combo1")->currentText(), QStringLiteral("01.08.2024"));
    EXPECT_EQ(In<QComboBox>(centre, "Combo2")->currentText(), QStringLiteral("03.08.2024"));
    EXPECT_EQ(In<QPushButton>(centre, "BStart")->text(), QStringLiteral("Tipps\ngenerieren"));
    EXPECT_EQ(In<QPushButton>(centre, "BSchein")->text(), QStringLiteral("In Spielschein\nübertragen"));

    // Three draws: 1 to 20, 2 to 21, 3 to 22. Bounds for three draws are 4, 3, 2, 0, 0, 0, -1.
    EXPECT_EQ(In<QLabel>(centre, "PStat3")->text(), QStringLiteral("3"));
    EXPECT_EQ(Background(In<QLabel>(centre, "PStat3")), QColor(0x6161B6));  // class 1
    EXPECT_EQ(Background(In<QLabel>(centre, "PStat2")), QColor(0xCACAE6));  // class 2
    EXPECT_EQ(Background(In<QLabel>(centre, "PStat1")), QColor(0x9BFF9B));  // class 3
    EXPECT_EQ(Background(In<QLabel>(centre, "PStat70")), QColor(0x9BFF9B)); // class 3
    EXPECT_EQ(TextColour(In<QLabel>(centre, "PStat3")), QColor(Qt::white));
    EXPECT_EQ(In<QLabel>(centre, "PAbw7")->text(), QStringLiteral("> 4"));

    for (int g = 1; g <= 8; ++g) {
        EXPECT_EQ(In<QComboBox>(centre, QStringLiteral("ComboTyp%1").arg(g))->currentText(), QStringLiteral("--"));
        EXPECT_EQ(In<QComboBox>(centre, QStringLiteral("ComboWie%1").arg(g))->currentText(),
                  QStringLiteral("nur aus Restanten"));
        EXPECT_EQ(In<QToolButton>(centre, QStringLiteral("SpBut%1").arg(g))->property("tag").toInt(), 1);
        EXPECT_FALSE(In<QWidget>(centre, QStringLiteral("SpielLabel%1").arg(g))->isVisibleTo(centre));
        EXPECT_FALSE(In<QWidget>(centre, QStringLiteral("CBokay%1").arg(g))->isVisibleTo(centre));
        EXPECT_EQ(ShownPlaces(centre, g), 0);
    }
}

TEST_F(TipCentreTest, APeriodOfOneDrawColoursDrawnAndUndrawnNumbersAndFillsTheLegend) {
    StartWith(MadeUpHistory(5));
    TFTippcenter* centre = Centre();
    In<QComboBox>(centre, "Combo1")->setCurrentIndex(4); // the last draw: 5 to 24
    Generate(centre);
    EXPECT_TRUE(m_fakes.messages.boxes.isEmpty());
    EXPECT_EQ(centre->BandBounds(), (FrequencyBounds{2, 1, 2, 0, 0, 0, -1}));
    for (int n : {5, 24}) {
        auto* panel = In<QLabel>(centre, QStringLiteral("PStat%1").arg(n));
        EXPECT_EQ(panel->text(), QStringLiteral("1"));
        EXPECT_EQ(Background(panel), QColor(0x6161B6));
    }
    for (int n : {4, 25}) {
        auto* panel = In<QLabel>(centre, QStringLiteral("PStat%1").arg(n));
        EXPECT_EQ(panel->text(), QStringLiteral("0"));
        EXPECT_EQ(Background(panel), QColor(0x9BFF9B));
        EXPECT_EQ(TextColour(panel), QColor(Qt::black));
    }
    const QStringList legend = {"irrelevant", "irrelevant", "irrelevant", "0 - 1", "2 - 0", "1 - 2", "> 2"};
    for (int i = 1; i <= 7; ++i) {
        auto* panel = In<QLabel>(centre, QStringLiteral("PAbw%1").arg(i));
        EXPECT_EQ(panel->text(), legend[i - 1]) << i;
        EXPECT_EQ(Background(panel),
                  QColor::fromRgb(DeviationClassColours[static_cast<std::size_t>(7 - i)].background));
    }
    // Only "--" chosen: nothing was generated.
    EXPECT_EQ(m_fakes.random.randomizeCalls, 0);
}

TEST_F(TipCentreTest, RefusesAPeriodThatEndsBeforeItStartsOrNamesNoDraw) {
    StartWith(MadeUpHistory(5));
    TFTippcenter* centre = Centre();
    Choose(centre, 1, 4);
    In<QComboBox>(centre, "Combo1")->setCurrentIndex(3);
    In<QComboBox>(centre, "Combo2")->setCurrentIndex(1);
    Generate(centre);
    In<QComboBox>(centre, "Combo2")->setCurrentIndex(4);
    In<QComboBox>(centre, "Combo1")->setEditText(QStringLiteral("32.13.2024"));
    Generate(centre);
    EXPECT_EQ(Boxes(Kind::Error), QStringList(2, QString::fromUtf8(PeriodErrorText)));
    EXPECT_TRUE(Row(centre, 1).empty());
}

TEST_F(TipCentreTest, GeneratedGamesAreLockedAndKeptUntilUnlocked) {
    StartWith(MadeUpHistory(30));
    TFTippcenter* centre = Centre();
    Choose(centre, 1, 9, 1); // type 10 from the favourites
    Choose(centre, 3, 2, 3); // type 3 at random
    Generate(centre);
    EXPECT_EQ(m_fakes.random.randomizeCalls, 2); // reseeded for every row
    const std::vector<int> first = Row(centre, 1);
    ASSERT_EQ(first.size(), 10u);
    EXPECT_EQ(Row(centre, 3).size(), 3u);
    EXPECT_TRUE(Row(centre, 2).empty());
    EXPECT_EQ(ShownPlaces(centre, 1), 10);
    EXPECT_EQ(Place(centre, 1, 1)->text(), QString::number(first[0]));
    EXPECT_EQ(Place(centre, 1, 10)->text(), QString::number(first[9]));
    EXPECT_TRUE(centre->IsLocked(1));
    EXPECT_EQ(In<QToolButton>(centre, "SpBut1")->property("tag").toInt(), 11);
    EXPECT_TRUE(In<QCheckBox>(centre, "CBokay1")->isChecked());
    EXPECT_TRUE(In<QWidget>(centre, "SpielLabel1")->isVisibleTo(centre));

    // Locked rows stay; the panel is counted again.
    Generate(centre);
    EXPECT_EQ(Row(centre, 1), first);
    EXPECT_EQ(m_fakes.random.randomizeCalls, 2);

    // Unlocked and switched to type 5: five numbers, places 6 to 10 empty.
    QTest::mouseClick(In<QToolButton>(centre, "SpBut1"), Qt::LeftButton);
    EXPECT_EQ(In<QToolButton>(centre, "SpBut1")->property("tag").toInt(), 1);
    Choose(centre, 1, 4, 1);
    EXPECT_EQ(ShownPlaces(centre, 1), 5);
    Generate(centre);
    EXPECT_EQ(Row(centre, 1).size(), 5u);
    EXPECT_EQ(centre->SuggestionRow(1)[5], 0);
    EXPECT_TRUE(centre->IsLocked(1));

    QSignalSpy transfers(centre, &TFTippcenter::TransferRequested);
    QTest::mouseClick(In<QPushButton>(centre, "BSchein"), Qt::LeftButton);
    ASSERT_EQ(transfers.size(), 1);
    const auto rows = transfers.at(0).at(0).value<std::vector<TipRow>>();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].numbers, Row(centre, 1));
    EXPECT_EQ(rows[1].numbers, Row(centre, 3));
}

TEST_F(TipCentreTest, FavouriteRowsHoldTheMostFrequentNumbers) {
    // Ten draws of 1 to 20 and one of 51 to 70: 1 to 20 lead the favourites, 21 to 50 the laggards.
    std::vector<TGewZahlen> draws;
    for (int i = 0; i < 10; ++i) {
        draws.push_back(MadeUpDraw(45505 + i, 0));
    }
    TGewZahlen high = MadeUpDraw(45515, 0);
    std::iota(high.GZ.begin(), high.GZ.begin() + 20, std::uint8_t{51});
    draws.push_back(high);
    StartWith(draws);
    TFTippcenter* centre = Centre();
    Choose(centre, 1, 9, 1); // type 10 from the favourites: 1 to 5 certain, the rest from 6 to 20
    Choose(centre, 2, 9, 0); // type 10 from the laggards: 50 down to 46 certain, the rest from 45 to 31
    Generate(centre);
    const std::vector<int> favourites = Row(centre, 1);
    ASSERT_EQ(favourites.size(), 10u);
    EXPECT_EQ(std::vector<int>(favourites.begin(), favourites.begin() + 5), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_LE(favourites.back(), 20);
    const std::vector<int> laggards = Row(centre, 2);
    ASSERT_EQ(laggards.size(), 10u);
    EXPECT_EQ(std::vector<int>(laggards.end() - 5, laggards.end()), (std::vector<int>{46, 47, 48, 49, 50}));
    EXPECT_GE(laggards.front(), 31);
}

TEST_F(TipCentreTest, AGameWithATypeButNoMethodIsReportedAndTheOthersAreGenerated) {
    StartWith(MadeUpHistory(10));
    TFTippcenter* centre = Centre();
    Choose(centre, 1, 3);
    In<QComboBox>(centre, "ComboWie1")->setCurrentIndex(-1);
    Choose(centre, 2, 3);
    Generate(centre);
    EXPECT_EQ(Boxes(Kind::Error), QStringList{"Bitte wählen Sie für Spiel 1 die Art und Weise der Tippbildung.\r\r"
                                              "Ich breche erst einmal ab."});
    EXPECT_TRUE(Row(centre, 1).empty());
    EXPECT_EQ(Row(centre, 2).size(), 4u);
}

TEST_F(TipCentreTest, ALockedGameWithoutARowIsSkipped) {
    StartWith(MadeUpHistory(10));
    TFTippcenter* centre = Centre();
    Choose(centre, 1, 3);
    QTest::mouseClick(In<QToolButton>(centre, "SpBut1"), Qt::LeftButton);
    EXPECT_TRUE(centre->IsLocked(1));
    Generate(centre);
    EXPECT_TRUE(Row(centre, 1).empty());
    EXPECT_EQ(Place(centre, 1, 1)->text(), QString());
}

TEST_F(TipCentreTest, TransferNeedsACheckedGeneratedGameThatIsShown) {
    StartWith(MadeUpHistory(10));
    TFTippcenter* centre = Centre();
    QSignalSpy transfers(centre, &TFTippcenter::TransferRequested);
    const QString nothing = QStringLiteral(
        "Bitte generieren Sie zunächst Tippreihen über die obige Auswahl.\r\rIch breche erst einmal ab.");

    centre->TransferToSlip(); // nothing generated yet
    Choose(centre, 1, 1);
    Choose(centre, 2, 5);
    Generate(centre);
    In<QCheckBox>(centre, "CBokay1")->setChecked(false);
    In<QCheckBox>(centre, "CBokay2")->setChecked(false);
    centre->TransferToSlip(); // both unchecked
    In<QCheckBox>(centre, "CBokay2")->setChecked(true);
    Choose(centre, 2, 0); // "--" hides game 2 with its check box: it is not entered unseen
    centre->TransferToSlip();
    EXPECT_EQ(Boxes(Kind::Error), QStringList(3, nothing));
    EXPECT_EQ(transfers.size(), 0);

    Choose(centre, 2, 5);
    centre->TransferToSlip();
    ASSERT_EQ(transfers.size(), 1);
    const auto rows = transfers.at(0).at(0).value<std::vector<TipRow>>();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].KenoType(), 6);
    // Rows, locks and check boxes stay for a second transfer.
    centre->TransferToSlip();
    EXPECT_EQ(transfers.size(), 2);
}

TEST_F(TipCentreTest, TransferFillsTheEmptyFieldsOfTheNewestSlipOrANewOne) {
    StartWith(MadeUpHistory(10));
    TFTippcenter* centre = Centre();
    Choose(centre, 1, 1);    // type 2
    Choose(centre, 2, 2, 1); // type 3
    Choose(centre, 3, 3, 3); // type 4
    Generate(centre);
    const std::vector<std::vector<int>> rows = {Row(centre, 1), Row(centre, 2), Row(centre, 3)};
    // Field f of slip k holds exactly the numbers of row.
    const auto holds = [](TFEingabe* entry, int slip, int field, const std::vector<int>& row) {
        int marked = 0;
        for (int n = 1; n <= 70; ++n) {
            marked += entry->IsMarked(slip, field, n) ? 1 : 0;
        }
        return marked == static_cast<int>(row.size()) &&
               std::all_of(row.begin(), row.end(), [&](int n) { return entry->IsMarked(slip, field, n); });
    };

    // No slip yet: a new slip, fields 1 to 3; the window is shown.
    centre->TransferToSlip();
    auto* entry = qobject_cast<TFEingabe*>(m_app->Windows().Find(QStringLiteral("FEingabe")));
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(entry->isVisible());
    ASSERT_EQ(entry->EntrySlipCount(), 1);
    for (int f = 1; f <= 3; ++f) {
        EXPECT_TRUE(holds(entry, 1, f, rows[static_cast<std::size_t>(f - 1)])) << "field " << f;
    }

    // The newest slip has two used fields: the rows go into fields 3, 4 and 5.
    const int second = entry->NewEntrySlip();
    entry->ToggleNumber(second, 1, 70);
    entry->ToggleNumber(second, 2, 70);
    centre->TransferToSlip();
    EXPECT_EQ(entry->EntrySlipCount(), 2);
    for (int f = 3; f <= 5; ++f) {
        EXPECT_TRUE(holds(entry, second, f, rows[static_cast<std::size_t>(f - 3)])) << "field " << f;
    }

    // Seven used fields leave one free: a new slip takes the three rows.
    const int third = entry->NewEntrySlip();
    for (int f = 1; f <= 7; ++f) {
        entry->ToggleNumber(third, f, 70);
    }
    centre->TransferToSlip();
    ASSERT_EQ(entry->EntrySlipCount(), 4);
    EXPECT_TRUE(holds(entry, third, 8, {}));
    for (int f = 1; f <= 3; ++f) {
        EXPECT_TRUE(holds(entry, 4, f, rows[static_cast<std::size_t>(f - 1)])) << "field " << f;
    }
}

TEST_F(TipCentreTest, PresetsSelectTypesAndMethodsOfGamesOneToSix) {
    StartWith(MadeUpHistory(3));
    TFTippcenter* centre = Centre();
    GeneratorPresets presets;
    presets.kenoTypes = {5, 255, 9, 0, 1, 2};
    presets.methods = {3, 2, 255, 1, 0, 4};
    centre->ApplyPresets(presets);
    EXPECT_EQ(In<QComboBox>(centre, "ComboTyp1")->currentText(), QStringLiteral("6"));
    EXPECT_EQ(In<QComboBox>(centre, "ComboWie1")->currentText(), QStringLiteral("per Zufall"));
    EXPECT_EQ(ShownPlaces(centre, 1), 6);
    EXPECT_EQ(In<QComboBox>(centre, "ComboTyp2")->currentText(), QStringLiteral("--")); // 255: left alone
    EXPECT_EQ(In<QComboBox>(centre, "ComboWie2")->currentText(), QStringLiteral("aus Restanten und Favoriten"));
    EXPECT_EQ(In<QComboBox>(centre, "ComboTyp3")->currentText(), QStringLiteral("10"));
    EXPECT_EQ(In<QComboBox>(centre, "ComboWie3")->currentText(), QStringLiteral("nur aus Restanten"));
    EXPECT_EQ(In<QComboBox>(centre, "ComboWie6")->currentText(), QStringLiteral("nur aus Restanten")); // 4: none
}

TEST_F(TipCentreTest, ADrawSavedInTheMainWindowJoinsThePeriodLists) {
    StartWith(MadeUpHistory(3));
    TFTippcenter* centre = Centre();
    m_main->NewDraw();
    for (int n = 51; n <= 70; ++n) {
        ClickNumber(n);
    }
    m_main->SaveDraw();
    ASSERT_EQ(State().DrawList.size(), 4u);
    for (const char* name : {"Combo1", "Combo2"}) {
        auto* list = In<QComboBox>(centre, QString::fromUtf8(name));
        EXPECT_EQ(list->count(), 4) << name;
        EXPECT_EQ(list->currentText(), QStringLiteral("04.08.2024")) << name;
    }
    Generate(centre); // the new draw alone
    EXPECT_EQ(In<QLabel>(centre, "PStat70")->text(), QStringLiteral("1"));
    EXPECT_EQ(In<QLabel>(centre, "PStat1")->text(), QStringLiteral("0"));
}

TEST_F(TipCentreTest, TabFollowsTheGamesAndLeavesTheHistoryGrid) {
    StartWith(MadeUpHistory(3));
    TFTippcenter* centre = Centre();
    centre->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(centre));
    In<QWidget>(centre, "ComboTyp1")->setFocus();
    for (const char* next : {"ComboWie1", "SpBut1", "ComboTyp2"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QString::fromUtf8(next));
    }
    In<QWidget>(centre, "G1")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget()->objectName(), QStringLiteral("G1"));
    EXPECT_EQ(In<QWidget>(centre, "SpBut1")->accessibleName(), QStringLiteral("Tippreihe von Spiel 1 festhalten"));
}

// A player who cannot see the suggestions tabs to each shown row and hears its numbers, also on the
// box that hands the row to the slip.
TEST_F(TipCentreTest, GeneratedRowsAreTabStopsNamedByTheirNumbers) {
    StartWith(MadeUpHistory(3));
    TFTippcenter* centre = Centre();
    Choose(centre, 1, 2, 3); // type 3 at random
    EXPECT_EQ(In<QWidget>(centre, "SpielLabel1")->accessibleName(), QStringLiteral("Spiel 1: noch keine Tippreihe"));
    EXPECT_EQ(In<QWidget>(centre, "CBokay1")->accessibleName(), QStringLiteral("Spiel 1 für Schein"));
    Generate(centre);
    const std::vector<int> row = Row(centre, 1);
    ASSERT_EQ(row.size(), 3u);
    const QString numbers = QStringLiteral("%1, %2, %3").arg(row[0]).arg(row[1]).arg(row[2]);
    EXPECT_EQ(In<QWidget>(centre, "SpielLabel1")->accessibleName(), QStringLiteral("Spiel 1: ") + numbers);
    EXPECT_EQ(In<QWidget>(centre, "CBokay1")->accessibleName(), QStringLiteral("Spiel 1 für Schein: ") + numbers);

    // A smaller Keno type shows, names and hands on fewer places.
    Choose(centre, 1, 1, 3);
    EXPECT_EQ(In<QWidget>(centre, "SpielLabel1")->accessibleName(),
              QStringLiteral("Spiel 1: %1, %2").arg(row[0]).arg(row[1]));

    centre->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(centre));
    In<QWidget>(centre, "SpBut8")->setFocus();
    for (const char* next : {"SpielLabel1", "CBokay1"}) {
        QWidget* focus = QApplication::focusWidget();
        for (int presses = 0; presses < 40 && focus->objectName() != QString::fromUtf8(next); ++presses) {
            QTest::keyClick(focus, Qt::Key_Tab);
            focus = QApplication::focusWidget();
        }
        EXPECT_EQ(focus->objectName(), QString::fromUtf8(next));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget()->objectName(), QStringLiteral("SpielLabel2")) << "game 2 has no type";
}

TEST_F(TipCentreTest, AnEmptyHistoryShowsNoCountsAndRefusesToGenerate) {
    Start();
    TFTippcenter* centre = Centre();
    EXPECT_EQ(In<QGroupBox>(centre, "Gr5")->title(), QStringLiteral("0 Ausspielungen"));
    EXPECT_EQ(In<QLabel>(centre, "PStat1")->text(), QString());
    Choose(centre, 1, 3);
    Generate(centre);
    EXPECT_EQ(Boxes(Kind::Error), QStringList{QString::fromUtf8(PeriodErrorText)});
}

} // namespace
} // namespace qv::test
