#include "support/MainWindowFixture.h"

#include <QLabel>
#include <QLineEdit>

namespace qv::test {
namespace {

using Kind = FakeMessages::Kind;

// Four draws with days missing between them: 01.08., 02.08., 05.08. and 09.08.2024; draw i holds the
// numbers 1+i to 20+i.
class DateListTest : public MainWindowFixture {
protected:
    void SetUp() override {
        std::vector<TGewZahlen> draws;
        int i = 0;
        for (const TDate day : {45505, 45506, 45509, 45513}) {
            draws.push_back(MadeUpDraw(day, i++));
        }
        SaveDraws(DrawFile(), draws);
        Start();
    }
    QComboBox* List(QWidget* window, const char* name) const {
        return Find<QComboBox>(window, QString::fromUtf8(name));
    }
    // Puts the focus into list and types text over what it shows, as a player does.
    static void Type(QComboBox* list, const QString& text) {
        QWidget* window = list->window();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        list->setFocus(Qt::OtherFocusReason);
        ASSERT_TRUE(list->hasFocus());
        list->lineEdit()->selectAll();
        QTest::keyClicks(list, text);
    }
};

TEST_F(DateListTest, ADayWithoutADrawChoosesTheNearestDraw) {
    QComboBox* date = List(m_main, "Combo1");
    Type(date, QStringLiteral("07.08.2024")); // two days after 05.08., two before 09.08.: the earlier
    QTest::keyClick(date, Qt::Key_Return);
    EXPECT_EQ(date->currentIndex(), 2);
    EXPECT_EQ(date->currentText(), QStringLiteral("05.08.2024"));
    EXPECT_TRUE(Marked(3) && Marked(22) && !Marked(2) && !Marked(23)) << "the board shows the chosen draw";
    EXPECT_EQ(Find<QLabel>(Numbers(), "LHinweis")->text(), QStringLiteral("Gewinnzahlen gelten für 05.08.2024"));

    // Leaving the list after typing does the same.
    QComboBox* from = List(m_main, "ComboBox1");
    Type(from, QStringLiteral("03.08.2024"));
    QTest::keyClick(from, Qt::Key_Tab);
    EXPECT_FALSE(from->hasFocus());
    EXPECT_EQ(from->currentIndex(), 1);
    EXPECT_EQ(from->currentText(), QStringLiteral("02.08.2024"));
    m_main->OpenSlipInMainWindow(WriteSlip("s.kts", Slip({{1, {1, 2}}})));
    Click(QStringLiteral("BAuswerten"));
    EXPECT_TRUE(Boxes(Kind::Error).isEmpty()) << Boxes(Kind::Error).join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(Main<QTabWidget>(QStringLiteral("PCF1"))->count(), 1);
}

TEST_F(DateListTest, ABeginningCompletesToTheNewestDateItBegins) {
    Main<QCheckBox>(QStringLiteral("CBbis"))->setChecked(true);
    QComboBox* to = List(m_main, "Combo2");
    to->setCurrentIndex(0);
    Type(to, QStringLiteral("0"));
    EXPECT_EQ(to->currentText(), QStringLiteral("09.08.2024")) << "completed in place";
    Type(to, QStringLiteral("02"));
    EXPECT_EQ(to->currentText(), QStringLiteral("02.08.2024"));
    EXPECT_EQ(to->lineEdit()->selectedText(), QStringLiteral(".08.2024")) << "the completion is marked";
    QTest::keyClick(to, Qt::Key_Return);
    EXPECT_EQ(to->currentIndex(), 1);

    // A beginning whose completion was taken away again still leads to the newest date it begins.
    Type(to, QStringLiteral("05."));
    QTest::keyClick(to, Qt::Key_Delete);
    EXPECT_EQ(to->currentText(), QStringLiteral("05."));
    QTest::keyClick(to, Qt::Key_Return);
    EXPECT_EQ(to->currentIndex(), 2);
    EXPECT_EQ(to->currentText(), QStringLiteral("05.08.2024"));
}

TEST_F(DateListTest, TextThatIsNoDateGivesWayToTheChosenEntry) {
    QComboBox* from = List(m_main, "ComboBox1");
    from->setCurrentIndex(1);
    for (const char* typed : {"Montag", "32.08.2024", "7"}) {
        Type(from, QString::fromUtf8(typed));
        QTest::keyClick(from, Qt::Key_Tab);
        EXPECT_EQ(from->currentIndex(), 1) << typed;
        EXPECT_EQ(from->currentText(), QStringLiteral("02.08.2024")) << typed;
    }
    // The restored text is a valid period again: the evaluation runs.
    m_main->OpenSlipInMainWindow(WriteSlip("s.kts", Slip({{1, {1, 2}}})));
    Click(QStringLiteral("BAuswerten"));
    EXPECT_TRUE(Boxes(Kind::Error).isEmpty());
}

TEST_F(DateListTest, EveryPeriodListTakesATypedDate) {
    const struct {
        const char* window;
        const char* list;
    } lists[] = {
        {"FAuswertung", "ComboBox1"}, {"FAuswertung", "Combo2"}, {"FStatistik1", "Co1"}, {"FStatistik1", "Co2"},
        {"FTippcenter", "Combo1"},    {"FTippcenter", "Combo2"}, {"FAnalyse", "Combo1"}, // all draws but the newest
        {"FAnalyse", "Combo2"},
    };
    Main<QCheckBox>(QStringLiteral("CBbis"))->setChecked(true);
    for (const auto& l : lists) {
        QWidget* window = m_app->Windows().Create(m_app->Context(), QString::fromUtf8(l.window));
        ASSERT_NE(window, nullptr) << l.window;
        QComboBox* list = List(window, l.list);
        Type(list, QStringLiteral("06.08.2024"));
        QTest::keyClick(list, Qt::Key_Return);
        EXPECT_EQ(list->currentIndex(), 2) << l.window << " " << l.list;
        EXPECT_EQ(list->currentText(), QStringLiteral("05.08.2024")) << l.window << " " << l.list;
    }
}

} // namespace
} // namespace qv::test
