#include "support/MainWindowFixture.h"

#include "ui/frame/WindowRegistry.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QMenu>

namespace qv::test {
namespace {

class ExportMenusTest : public MainWindowFixture {};

// Every grid of results and lists offers copying and saving by keyboard, each proposing its own file.
TEST_F(ExportMenusTest, EveryListGridOpensTheExportMenu) {
    SaveDraws(DrawFile(), MadeUpHistory(30));
    Start();
    struct Case {
        const char* window;
        const char* grid;
        const char* fileName;
    };
    const Case cases[] = {
        {"FAnalyse", "G1", "Suchergebnis.csv"},
        {"FAnalyse", "GK1", "Tops.csv"},
        {"FAnalyse", "GK2", "Flops.csv"},
        {"FDetail1", "g1", "Wiederholer-Muster.csv"},
        {"FDetail2", "g1", "Gewinnzahlen.csv"},
        {"FGewinnchancen", "GTreffer", "Treffer und Quoten.csv"},
        {"FGewinnchancen", "GTypen", "Alle Keno-Typen.csv"},
        {"FStatistik1", "GSignifikanz", "Signifikanz.csv"},
        {"FStatistik1", "P1", "Statistik.csv"},
        {"FTippcenter", "G1", "Ausspielungen.csv"},
    };
    for (const Case& c : cases) {
        QWidget* window = m_app->Windows().OpenOrRestore(m_app->Context(), QString::fromUtf8(c.window));
        ASSERT_NE(window, nullptr) << c.window;
        auto* grid = Find<QWidget>(window, QString::fromUtf8(c.grid));
        ASSERT_NE(grid, nullptr) << c.window << " " << c.grid;
        QTest::keyClick(grid, Qt::Key_F10, Qt::ShiftModifier);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr) << c.window << " " << c.grid;
        QAction* save = menu->findChild<QAction*>(QStringLiteral("ExportSpeichern"));
        ASSERT_NE(save, nullptr);
        ASSERT_TRUE(save->isEnabled()) << c.grid;
        const qsizetype asked = m_fakes.fileDialogs.requests.size();
        m_fakes.fileDialogs.SetNextChoice({}); // cancelled
        save->trigger();
        ASSERT_EQ(m_fakes.fileDialogs.requests.size(), asked + 1) << c.grid;
        EXPECT_EQ(m_fakes.fileDialogs.requests.back().proposedName, QString::fromUtf8(c.fileName)) << c.grid;
        menu->close();
        window->hide();
    }
    EXPECT_TRUE(m_fakes.messages.boxes.isEmpty());
}

} // namespace
} // namespace qv::test
