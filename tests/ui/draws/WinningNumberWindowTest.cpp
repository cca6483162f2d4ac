#include "support/MainWindowFixture.h"

#include "engine/core/IniFile.h"
#include "engine/draws/DrawImport.h"
#include "ui/evaluation/TFrFrame2.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>

namespace qv::test {
namespace {

using Kind = FakeMessages::Kind;

class WinningNumberWindowTest : public MainWindowFixture {
protected:
    QPlainTextEdit* Text() const { return Find<QPlainTextEdit>(Numbers(), "M1"); }
    QString Field(int k) const { return Find<QLineEdit>(Numbers(), QStringLiteral("ez%1").arg(k))->text(); }
    QStringList Fields() const {
        QStringList texts;
        for (int k = 1; k <= 20; ++k) {
            texts << Field(k);
        }
        return texts;
    }
    void ClickIn(const char* name) const {
        QTest::mouseClick(Find<QAbstractButton>(Numbers(), QString::fromUtf8(name)), Qt::LeftButton);
    }
};

TEST_F(WinningNumberWindowTest, PastedTextIsFilteredIntoTheTwentyFields) {
    SaveDraws(DrawFile(), MadeUpHistory(2));
    Start();
    EXPECT_EQ(Numbers()->windowTitle(), QStringLiteral("Quovadra %1 - Gewinnzahlen").arg(ProductVersion));
    EXPECT_EQ(Find<QPushButton>(Numbers(), "BDel")->text(), QStringLiteral("Textfeld\nlöschen"));

    // The date before the numbers lands in the first three fields.
    Text()->setPlainText(QStringLiteral("Ziehung vom 12.03.2024: 4 6 8 24 25 27 28 29 31 37 40 41 43 49 50 54 55"));
    EXPECT_EQ(Fields().mid(0, 5), (QStringList{"12", "03", "2024", "4", "6"}));
    EXPECT_EQ(Field(20), QStringLiteral("55"));

    // A shorter run leaves the later fields as they were; 20 characters do not filter yet.
    Text()->setPlainText(QStringLiteral("1 2 3 4 5 6 7 8 9 10"));
    EXPECT_EQ(Field(1), QStringLiteral("12"));
    Text()->setPlainText(QStringLiteral("1 2 3 4 5 6 7 8 9 10 "));
    EXPECT_EQ(Fields().mid(0, 11), (QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "29"}));

    ClickIn("BDel");
    EXPECT_TRUE(Text()->toPlainText().isEmpty());
    EXPECT_EQ(Field(1), QStringLiteral("1"));
}

TEST_F(WinningNumberWindowTest, TransferClicksTheBoardAndNamesWhatItSkipped) {
    SaveDraws(DrawFile(), MadeUpHistory(2));
    Start();
    Click(QStringLiteral("BNeu"));
    ClickNumber(9); // marked before: the transfer unmarks it
    Find<QCheckBox>(Numbers(), "cbFiltern")->setChecked(false);
    Text()->setPlainText(QStringLiteral("07.08.2024 9 10 11 10"));
    ClickIn("BParsen");
    ClickIn("BOkay");

    EXPECT_FALSE(Marked(9));
    EXPECT_TRUE(Marked(11));
    EXPECT_FALSE(Marked(10)) << "a number in two fields is marked and unmarked again";
    EXPECT_FALSE(Marked(7) || Marked(8)) << "\"07\" and \"08\" name no button";
    ASSERT_EQ(Boxes(Kind::Information).size(), 1);
    EXPECT_TRUE(Boxes(Kind::Information)[0].contains(QStringLiteral("07")))
        << Boxes(Kind::Information)[0].toStdString();
    EXPECT_TRUE(Boxes(Kind::Information)[0].contains(QStringLiteral("2024")));
    EXPECT_TRUE(Text()->toPlainText().isEmpty()) << "cleared after the transfer";
}

TEST_F(WinningNumberWindowTest, SettingsAreReadAtCreationAndWrittenOnClose) {
    const IniFile ini(Data() / kSettingsFileName);
    ini.WriteBool("NeueGZ", "AutoFiltern", false);
    ini.WriteInteger("NeueGZ", "PosLeft", 321);
    Start();
    EXPECT_FALSE(Find<QCheckBox>(Numbers(), "cbFiltern")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>(Numbers(), "cbDel")->isChecked()) << "a missing key reads as no";
    EXPECT_EQ(Numbers()->pos().x(), 321);

    Find<QCheckBox>(Numbers(), "cbDel")->setChecked(true);
    Numbers()->close();
    EXPECT_TRUE(ini.ReadBool("NeueGZ", "AutoDelete", false));
    EXPECT_EQ(m_app->Windows().Find(QStringLiteral("FGewinnzahlen")), Numbers()) << "closing only hides it";
}

TEST_F(WinningNumberWindowTest, ANeverShownWindowStoresItsDesignedStateAtProgramEnd) {
    Start();
    m_main->close();
    const IniFile ini(Data() / kSettingsFileName);
    EXPECT_TRUE(ini.ReadBool("NeueGZ", "AutoFiltern", false));
    EXPECT_TRUE(ini.ReadBool("NeueGZ", "AutoDelete", false));
    EXPECT_EQ(ini.ReadInteger("NeueGZ", "PosLeft", 0), 500);
    EXPECT_EQ(ini.ReadInteger("NeueGZ", "PosTop", 0), 200);
}

TEST_F(WinningNumberWindowTest, LinkPanelsNeedAConnection) {
    Start();
    m_fakes.internet.connected = false;
    Numbers()->OpenLink(1);
    EXPECT_EQ(Boxes(Kind::Information),
              QStringList{"Für den Aufruf des Links muss eine Verbindung zum Internet bestehen."});
    m_fakes.internet.connected = true;
    State().ResultLink2 = "https://example.org/ergebnisse";
    Numbers()->OpenLink(2);
    EXPECT_EQ(m_fakes.shell.openedUrls, QStringList{"https://example.org/ergebnisse"});
}

// The day of a player: a new draw, its numbers pasted from a results page, saved, a slip evaluated.
TEST_F(WinningNumberWindowTest, TypicalDayOnRealDraws) {
    QFile csv(QStringLiteral(QV_REAL_DRAWS_CSV));
    if (!csv.open(QIODevice::ReadOnly)) {
        GTEST_SKIP() << "real draw history not found";
    }
    const QByteArray text = csv.readAll();
    const DrawImport history = ParseDrawHistory(std::string_view(text.constData(), text.size()));
    ASSERT_TRUE(history.problems.empty());
    // The draws up to 2015-08-19; the day after is entered by hand.
    std::vector<TGewZahlen> draws;
    for (const TGewZahlen& draw : history.draws) {
        if (draw.datum < 42236) { // 20.08.2015
            draws.push_back(draw);
        }
    }
    SaveDraws(DrawFile(), draws);
    const auto before = test::ReadFileBytes(DrawFile());
    Start();

    Click(QStringLiteral("BNeu"));
    EXPECT_EQ(Main<QComboBox>("Combo1")->currentText(), QStringLiteral("20.08.2015"));
    Click(QStringLiteral("BZwischenablage"));
    EXPECT_TRUE(Numbers()->isVisible());
    EXPECT_EQ(Find<QLabel>(Numbers(), "LHinweis")->text(), QStringLiteral("Gewinnzahlen gelten für 20.08.2015"));
    Text()->setPlainText(
        QStringLiteral("Gewinnzahlen:\n70 3 12 17 21 25 26 29 31 34\n38 41 44 47 52 56 59 62 66 69\n"));
    ClickIn("BOkay");
    EXPECT_EQ(MarkedCount(), 20);
    Click(QStringLiteral("BSave1"));

    const auto after = test::ReadFileBytes(DrawFile());
    ASSERT_EQ(after.size(), before.size() + 32);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), after.begin()));
    std::vector<std::uint8_t> record(32, 0);
    TGewZahlen expected;
    expected.datum = 42236;
    const std::array<std::uint8_t, 20> ascending = {3,  12, 17, 21, 25, 26, 29, 31, 34, 38,
                                                    41, 44, 47, 52, 56, 59, 62, 66, 69, 70};
    std::copy(ascending.begin(), ascending.end(), expected.GZ.begin());
    expected.ToBytes(std::span(record).first<32>());
    EXPECT_TRUE(std::equal(record.begin(), record.end(), after.end() - 32));

    m_main->OpenSlipInMainWindow(WriteSlip("Tipp.kts", Slip({{1, {70, 3, 12, 5}}}, 1)));
    Click(QStringLiteral("BAuswerten"));
    auto* result = Main<QTabWidget>("PCF1")->currentWidget()->findChild<TFrFrame2*>();
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->Title()->text(), QStringLiteral("Auswertung für den 20.08.2015"));
    const QAbstractItemModel* model = result->Grid()->model();
    EXPECT_EQ(model->index(0, 3).data().toString(), QStringLiteral("3"));
    EXPECT_EQ(model->index(0, 4).data().toString(), QStringLiteral("4,00")); // Keno 4, three hits, 2 euros
}

} // namespace
} // namespace qv::test
