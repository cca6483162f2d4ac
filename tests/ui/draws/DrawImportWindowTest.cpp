#include "support/MainWindowFixture.h"

#include "ui/draws/TFImport.h"

#include <QAction>
#include <QDate>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTableView>

namespace qv::test {
namespace {

using Kind = FakeMessages::Kind;

// The numbers of MadeUpDraw(…, i) as a line's tail.
QByteArray NumbersOf(int i) {
    QByteArray tail;
    for (int n = 1 + i % 50; n < 21 + i % 50; ++n) {
        tail += ';' + QByteArray::number(n);
    }
    return tail;
}

QStringList Items(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) {
        items << list->item(i)->text();
    }
    return items;
}

class DrawImportWindowTest : public MainWindowFixture {
protected:
    void SetUp() override {
        SaveDraws(DrawFile(), MadeUpHistory(5)); // 01.08.2024 to 05.08.2024
        Start();
    }
    QString WriteText(const QString& name, const QByteArray& text) const {
        QFile file(m_folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return file.fileName();
    }
    // "Ziehungen importieren..." with the file chosen in the dialog; the preview it opens.
    TFImport* OpenPreview(const QString& path) {
        m_fakes.fileDialogs.SetNextChoice({path});
        Main<QAction>(QStringLiteral("MZiehungenImportieren"))->trigger();
        auto* preview = m_main->findChild<TFImport*>(QLatin1String(TFImport::kFormName));
        EXPECT_NE(preview, nullptr);
        return preview;
    }
    QStringList DateList(QWidget* window, const QString& name) const {
        auto* list = Find<QComboBox>(window, name);
        QStringList dates;
        for (int i = 0; i < list->count(); ++i) {
            dates << list->itemText(i);
        }
        return dates;
    }

    // The 5th made-up day again with its own numbers, a new day, two missing days, another new day.
    const QByteArray m_good = "Datum;Zahlen\n05.08.2024" + NumbersOf(4) + "\n06.08.2024" + NumbersOf(10) +
                              "\n2024-08-09" + NumbersOf(20) + "\n";
};

TEST_F(DrawImportWindowTest, ABadLineIsListedAndNothingIsWritten) {
    const std::vector<std::uint8_t> before = ReadFileBytes(DrawFile());
    TFImport* preview = OpenPreview(WriteText(QStringLiteral("fehler.csv"), m_good + "10.08.2024;1;2;3\n"));
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(preview->isVisible());
    EXPECT_EQ(Find<QTableView>(preview, QStringLiteral("GZiehungen"))->model()->rowCount(), 3);
    EXPECT_EQ(Items(Find<QListWidget>(preview, QStringLiteral("LBFehler"))),
              QStringList{QStringLiteral("Zeile 5: 3 Zahlen statt 20")});
    EXPECT_EQ(Find<QLabel>(preview, QStringLiteral("LZusammenfassung"))->text(),
              QStringLiteral("3 Ziehungen verstanden, vom 05.08.2024 bis 09.08.2024; eine fehlerhafte Zeile: so wird "
                             "nichts übernommen."));

    // Nothing would come of it: "Importieren" is off, "Abbrechen" the default, and no count of new draws.
    auto* import = Find<QPushButton>(preview, QStringLiteral("BImportieren"));
    EXPECT_FALSE(import->isEnabled());
    EXPECT_TRUE(Find<QPushButton>(preview, QStringLiteral("BAbbrechen"))->isDefault());
    for (const QString& note : Items(Find<QListWidget>(preview, QStringLiteral("LBHinweise")))) {
        EXPECT_FALSE(note.contains(QStringLiteral("hinzu"))) << note.toStdString();
    }
    QTest::mouseClick(import, Qt::LeftButton);
    EXPECT_TRUE(Boxes(Kind::Error).isEmpty());
    EXPECT_EQ(ReadFileBytes(DrawFile()), before);
    EXPECT_EQ(State().DrawList.size(), 5u);
    EXPECT_EQ(DateList(m_main, QStringLiteral("Combo2")).size(), 5);

    QTest::mouseClick(Find<QPushButton>(preview, QStringLiteral("BAbbrechen")), Qt::LeftButton);
    EXPECT_TRUE(Boxes(Kind::Information).isEmpty());
}

// A history from years with six draws a week: the day really missing comes first, the Sundays follow as
// one line.
TEST_F(DrawImportWindowTest, RealGapsComeBeforeTheLoneSundays) {
    QByteArray text;
    const QDate first(2023, 1, 2); // a Monday
    for (int day = 0; day < 27; ++day) {
        const QDate date = first.addDays(day);
        if (date.dayOfWeek() != Qt::Sunday && date != QDate(2023, 1, 18)) {
            text += date.toString(QStringLiteral("dd.MM.yyyy")).toLatin1() + NumbersOf(day) + "\n";
        }
    }
    TFImport* preview = OpenPreview(WriteText(QStringLiteral("sechs.csv"), text));
    ASSERT_NE(preview, nullptr);
    const QStringList notes = Items(Find<QListWidget>(preview, QStringLiteral("LBHinweise")));
    ASSERT_GE(notes.size(), 3);
    EXPECT_EQ(notes.at(1), QStringLiteral("Lücke: der 18.01.2023 fehlt."));
    EXPECT_EQ(notes.last(), QStringLiteral("Dazu 3 einzelne Sonntage ohne Ziehung zwischen 08.01.2023 und 22.01.2023 "
                                           "(Jahre, in denen an sechs Tagen der Woche gezogen wurde)."));
    EXPECT_TRUE(Find<QPushButton>(preview, QStringLiteral("BImportieren"))->isEnabled());
}

TEST_F(DrawImportWindowTest, GapsAndADoubledDateAreReportedAndEveryDateListFollows) {
    // Windows with date lists of their own, open before the import.
    QWidget* statistics = m_app->Windows().OpenOrRestore(m_app->Context(), QStringLiteral("FStatistik1"));
    QWidget* centre = m_app->Windows().OpenOrRestore(m_app->Context(), QStringLiteral("FTippcenter"));
    QWidget* analysis = m_app->Windows().OpenOrRestore(m_app->Context(), QStringLiteral("FAnalyse"));
    ASSERT_TRUE(statistics && centre && analysis);

    TFImport* preview = OpenPreview(WriteText(QStringLiteral("neu.csv"), m_good));
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(Items(Find<QListWidget>(preview, QStringLiteral("LBFehler"))), QStringList{QStringLiteral("keine")});
    EXPECT_EQ(Items(Find<QListWidget>(preview, QStringLiteral("LBHinweise"))),
              (QStringList{QStringLiteral("2 Ziehungen kommen hinzu; danach hält die Ziehungsliste 7 Ziehungen."),
                           QStringLiteral("Zeile 1: als Überschrift übersprungen"),
                           QStringLiteral("05.08.2024 steht schon in der Ziehungsliste (gleiche Zahlen); nicht "
                                          "übernommen."),
                           QStringLiteral("Lücke: 2 Tage fehlen zwischen 06.08.2024 und 09.08.2024.")}));

    QTest::mouseClick(Find<QPushButton>(preview, QStringLiteral("BImportieren")), Qt::LeftButton);
    EXPECT_TRUE(Boxes(Kind::Error).isEmpty()) << Boxes(Kind::Error).join('|').toStdString();
    EXPECT_EQ(Boxes(Kind::Information),
              QStringList{QStringLiteral("2 Ziehungen übernommen; die Ziehungsliste hält jetzt 7 Ziehungen.")});

    const std::vector<TGewZahlen> saved = LoadDraws(DrawFile());
    ASSERT_EQ(saved.size(), 7u);
    EXPECT_EQ(saved[4], MadeUpHistory(5)[4]); // the history's own draw of the doubled day stays
    EXPECT_EQ(saved[6].datum, 45505 + 8);
    EXPECT_EQ(State().DrawList, saved);
    EXPECT_EQ(State().DrawSets.size(), 7u);

    const QStringList dates = {QStringLiteral("01.08.2024"), QStringLiteral("02.08.2024"), QStringLiteral("03.08.2024"),
                               QStringLiteral("04.08.2024"), QStringLiteral("05.08.2024"), QStringLiteral("06.08.2024"),
                               QStringLiteral("09.08.2024")};
    for (const QString& name : {QStringLiteral("Combo1"), QStringLiteral("ComboBox1"), QStringLiteral("Combo2")}) {
        EXPECT_EQ(DateList(m_main, name), dates) << name.toStdString();
    }
    EXPECT_EQ(DateList(statistics, QStringLiteral("Co2")), dates);
    EXPECT_EQ(DateList(centre, QStringLiteral("Combo2")), dates);
    EXPECT_EQ(DateList(analysis, QStringLiteral("Combo2")), dates);
    EXPECT_EQ(DateList(analysis, QStringLiteral("Combo1")), dates.mid(0, 6)); // a period needs two draws
}

TEST_F(DrawImportWindowTest, ReplacingAsksFirstAndAPendingDrawStopsTheImport) {
    TFImport* preview = OpenPreview(WriteText(QStringLiteral("neu.csv"), m_good));
    ASSERT_NE(preview, nullptr);
    Find<QRadioButton>(preview, QStringLiteral("RBErsetzen"))->setChecked(true);
    EXPECT_EQ(Items(Find<QListWidget>(preview, QStringLiteral("LBHinweise"))).first(),
              QStringLiteral("3 Ziehungen kommen hinzu; danach hält die Ziehungsliste 3 Ziehungen."));
    m_fakes.messages.SetNextAnswer(Messages::Answer::No);
    QTest::mouseClick(Find<QPushButton>(preview, QStringLiteral("BImportieren")), Qt::LeftButton);
    EXPECT_EQ(Boxes(Kind::YesNo), QStringList{QStringLiteral("Die Ziehungsliste mit 5 Ziehungen wird durch die 3 "
                                                             "Ziehungen der Datei ersetzt.\r\rWirklich ersetzen?")});
    EXPECT_EQ(LoadDraws(DrawFile()).size(), 5u);

    m_fakes.messages.SetNextAnswer(Messages::Answer::Yes);
    QTest::mouseClick(Find<QPushButton>(preview, QStringLiteral("BImportieren")), Qt::LeftButton);
    EXPECT_EQ(LoadDraws(DrawFile()).size(), 3u);
    EXPECT_EQ(DateList(m_main, QStringLiteral("Combo1")).first(), QStringLiteral("05.08.2024"));

    // A new draw not yet saved would be lost: the import waits for it.
    Click(QStringLiteral("BNeu"));
    const int boxes = static_cast<int>(Boxes(Kind::Error).size());
    Main<QAction>(QStringLiteral("MZiehungenImportieren"))->trigger();
    ASSERT_EQ(Boxes(Kind::Error).size(), boxes + 1);
    EXPECT_EQ(Boxes(Kind::Error).last(),
              QStringLiteral("Bitte speichern Sie erst die neue Ziehung.\r\rIch breche erst einmal ab."));
}

} // namespace
} // namespace qv::test
