#include "support/FakePorts.h"
#include "support/StartWindowSteps.h"
#include "text/DataFolder.h"
#include "ui/app/Application.h"
#include "ui/app/WindowTable.h"
#include "ui/evaluation/TFAuswertung.h"
#include "ui/frame/HelpContexts.h"
#include "ui/frame/SharedCommands.h"
#include "ui/frame/TFHilfe.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include <gtest/gtest.h>

namespace qv {
namespace {

// The real window table, plus stand-ins for windows that are not in it.
class CommandsTest : public ::testing::Test {
protected:
    void Start(std::function<void(WindowRegistry&)> more = {}) {
        Application::Options options;
        options.dataFolder = ToPath(m_folder.path());
        options.installFolders = {ToPath(m_folder.path())};
        options.fadeMilliseconds = 1;
        options.registerWindows = [more](WindowRegistry& registry) {
            RegisterWindows(registry);
            if (more) {
                more(registry);
            }
        };
        m_app = std::make_unique<Application>(m_fakes.ports, options);
        m_app->Start();
        m_main = m_app->MainWindow();
        ASSERT_NE(m_main, nullptr);
    }

    QAction* Action(const char* name) const {
        auto* action = m_main->findChild<QAction*>(name);
        EXPECT_NE(action, nullptr) << name;
        return action;
    }

    QTemporaryDir m_folder;
    FakePorts m_fakes;
    std::unique_ptr<Application> m_app;
    QWidget* m_main = nullptr;
};

WindowRegistry::Factory StandIn() {
    return [](AppContext&) -> std::unique_ptr<QWidget> { return std::make_unique<QWidget>(); };
}

// Menu captions and their items as the user reads them, separators as "-".
QStringList MenuTexts(QWidget* window) {
    QStringList texts;
    for (QAction* menuAction : static_cast<QMainWindow*>(window)->menuBar()->actions()) {
        texts << menuAction->text();
        for (QAction* item : menuAction->menu()->actions()) {
            texts << QStringLiteral("  ") + (item->isSeparator() ? QStringLiteral("-") : item->text()) +
                         (item->isVisible() ? QString() : QStringLiteral(" (verborgen)"));
        }
    }
    return texts;
}

TEST_F(CommandsTest, MainWindowMenuStandsInItsOrder) {
    Start();
    EXPECT_EQ(MenuTexts(m_main), QStringList({
                                     "&Datei",
                                     "  &Neuer Spielschein",
                                     "  Spielschein-Datei ö&ffnen...",
                                     "  Ziehungen &importieren...",
                                     "  Tippreihen &drucken...",
                                     "  -",
                                     "  Neue &Zahlen",
                                     "  Zahlen &speichern",
                                     "  Zahlen aus Zwischen&ablage",
                                     "  A&uswerten",
                                     "  -",
                                     "  &Beenden",
                                     "&Tippreihen bilden",
                                     "  &Eingabe",
                                     "  Tippreihen-&Liste eingeben...",
                                     "  &Tippcenter",
                                     "  &Systeme...",
                                     "&Analyse",
                                     "  Gewinnreihen-Statisti&k",
                                     "  Tippreihen-&Analyse",
                                     "  &Wiederholer-Markierung...",
                                     "  Gewinnzahlen- und &Endzahlen-Muster...",
                                     "A&ktualisierung",
                                     "  &Allgemeine Aktualisierungsprüfung",
                                     "T&ools",
                                     "  &Kalender",
                                     "  &n über k",
                                     "  &Taschenrechner",
                                     "E&xtras",
                                     "  Programm&einstellungen (verborgen)",
                                     "  &Gewinnchancen...",
                                     "  Methoden im &Rückblick...",
                                     "  &Online spielen (verborgen)",
                                     "&Hilfe",
                                     "  &Inhalt",
                                     "  &Hilfe benutzen",
                                     "  -",
                                     "  In&fo...",
                                 }));
}

TEST_F(CommandsTest, OtherWindowsAddTheEvaluationCentreAndTheWinningNumbers) {
    Start([](WindowRegistry& registry) { registry.AddAtStart("FGewinnzahlen", StandIn()); });
    QMainWindow other;
    other.setObjectName("FKal");
    m_app->Context().commands.AddStandardMenus(other.menuBar(), &other, SharedCommands::MenuOf::OtherWindow);
    const QStringList texts = MenuTexts(&other);
    EXPECT_EQ(texts.mid(6, 6), QStringList({"&Tippreihen bilden", "  &Eingabe", "  Tippreihen-&Liste eingeben...",
                                            "  &Tippcenter", "  &Systeme...", "  &Gewinnauswertung"}));
    EXPECT_TRUE(texts.contains("  &Gewinnzahlen-Aktualisierung"));
    EXPECT_TRUE(texts.contains("  Programm&einstellungen"));

    m_main->hide();
    other.findChild<QAction*>("MGewinnauswertung")->trigger();
    EXPECT_TRUE(m_main->isVisible());
    other.findChild<QAction*>("MGewinnzahlen")->trigger();
    EXPECT_TRUE(m_app->Windows().Find("FGewinnzahlen")->isVisible());
}

TEST_F(CommandsTest, ToolButtonsCarryTheirHintsAndWindowsThatDoNotExistAreDisabled) {
    Start();
    const struct {
        const char* name;
        const char* hint;
        bool enabled;
        const char* spoken = nullptr; // what a screen reader hears when the hint does not tell enough
    } buttons[] = {
        {"BStatistik", "Statistik für die Gewinnreihen aufrufen...", true},
        {"BEingabe", "Tippreihen eingeben...", true, "Tippreihen auf Spielscheinen eingeben..."},
        {"BSysTest", "Tippreihen-Analyse", true},
        {"BNoverK", "n über k", true},
        {"BCalc", "Taschenrechner", true},
        {"BUpdate", "Online-Aktualisierung", true},
        {"BitBtn2", "Hilfe", true},
        {"BitBtn7", "Programm beenden", true},
        {"BMuster1", "Wiederholer-Markierung", true},
    };
    for (const auto& expected : buttons) {
        auto* button = m_main->findChild<QToolButton*>(expected.name);
        ASSERT_NE(button, nullptr) << expected.name;
        EXPECT_EQ(button->toolTip(), expected.hint) << expected.name;
        EXPECT_EQ(button->accessibleName(), expected.spoken ? expected.spoken : expected.hint) << expected.name;
        EXPECT_EQ(button->isEnabled(), expected.enabled) << expected.name;
    }
    EXPECT_FALSE(Action("BOnlineSpielen")->isVisible());
    EXPECT_FALSE(Action("BOptionen")->isVisible());
}

TEST_F(CommandsTest, ACommandWhoseWindowTheProgramLacksIsDisabledAndDoesNothing) {
    // A window table with the main window alone.
    Application::Options options;
    options.dataFolder = ToPath(m_folder.path());
    options.installFolders = {ToPath(m_folder.path())};
    options.registerWindows = [](WindowRegistry& registry) {
        registry.AddAtStart(
            QLatin1String(TFAuswertung::kFormName),
            [](AppContext& context) -> std::unique_ptr<QWidget> { return std::make_unique<TFAuswertung>(context); });
    };
    m_app = std::make_unique<Application>(m_fakes.ports, options);
    m_app->Start();
    m_main = m_app->MainWindow();
    ASSERT_NE(m_main, nullptr);

    EXPECT_FALSE(m_main->findChild<QToolButton*>("BStatistik")->isEnabled());
    m_app->Context().commands.Run(Command::Tippcenter, m_main);
    EXPECT_EQ(m_app->Windows().Find("FTippcenter"), nullptr);
    EXPECT_TRUE(m_fakes.messages.boxes.isEmpty());
}

TEST_F(CommandsTest, OpenOrRestoreBringsBackAMinimisedWindowInsteadOfASecondOne) {
    Start();
    EXPECT_EQ(m_app->Windows().Find("FInfo"), nullptr) << "created on first use";
    Action("MInfo")->trigger();
    QWidget* about = m_app->Windows().Find("FInfo");
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());

    about->setWindowState(Qt::WindowMinimized);
    Action("MInfo")->trigger();

    EXPECT_EQ(m_app->Windows().Find("FInfo"), about);
    EXPECT_FALSE(about->windowState() & Qt::WindowMinimized);
    EXPECT_TRUE(about->isVisible());
}

TEST_F(CommandsTest, ShowCommandsShowWindowsOfTheStartAndPrintingMakesAParameterWindowEachTime) {
    Start([](WindowRegistry& registry) {
        registry.AddOnFirstUse("FDruck", StandIn());
        registry.AddAnew("FDetail", StandIn());
    });
    EXPECT_EQ(m_app->Windows().Find("FNueberK"), nullptr) << "made on first use";
    Action("MNueberK")->trigger();
    QWidget* nOverK = m_app->Windows().Find("FNueberK");
    ASSERT_NE(nOverK, nullptr);
    EXPECT_TRUE(nOverK->isVisible());

    Action("BDruck")->trigger();
    Action("BDruck")->trigger();
    int detailWindows = 0;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        detailWindows += window->objectName() == "FDetail" ? 1 : 0;
    }
    EXPECT_EQ(detailWindows, 2);
    EXPECT_TRUE(m_app->Windows().Find("FDruck")->isVisible());
}

TEST_F(CommandsTest, CalculatorMissingIsToldAndCloseEndsOnlyThisWindow) {
    Start();
    m_fakes.shell.calculatorInstalled = false;
    Action("MTaschenrechner")->trigger();
    EXPECT_EQ(m_fakes.shell.calculatorStarts, 1);
    EXPECT_EQ(m_fakes.messages.Texts(FakeMessages::Kind::Information),
              QStringList({"Es wurde kein Taschenrechner gefunden."}));

    ASSERT_TRUE(test::PressWeiter(*m_app));
    QWidget* calendar = m_app->Windows().OpenOrRestore(m_app->Context(), "FKal");
    m_app->Context().commands.Run(Command::Beenden, calendar);
    EXPECT_FALSE(calendar->isVisible());
    EXPECT_TRUE(m_main->isVisible());
}

TEST_F(CommandsTest, HelpKeyButtonAndMenuOpenTheWindowsTopics) {
    Start();
    TFStart* start = m_app->StartWindow();
    start->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(start));
    QTest::keyClick(start, Qt::Key_F1);
    EXPECT_EQ(m_fakes.help.topics, QList<int>({1002}));

    m_fakes.help.topics.clear();
    ASSERT_TRUE(test::PressWeiter(*m_app));
    m_main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_main));
    QTest::keyClick(m_main, Qt::Key_F1);
    QTest::mouseClick(m_main->findChild<QToolButton*>("BitBtn2"), Qt::LeftButton);
    Action("MHilfeBenutzen")->trigger();
    Action("MInhalt")->trigger();
    EXPECT_EQ(m_fakes.help.topics, QList<int>({1010, 1002, 1002, 1001}));
}

// F1 in every window of the program opens that window's own page.
TEST_F(CommandsTest, TheHelpKeyWorksInEveryWindow) {
    Start();
    ASSERT_TRUE(test::PressWeiter(*m_app));
    WindowRegistry& windows = m_app->Windows();
    for (const QString& formName : windows.FormNames()) {
        QWidget* window = formName == QLatin1String("FDetail") ? windows.CreateAnew(m_app->Context(), formName)
                                                               : windows.Create(m_app->Context(), formName);
        ASSERT_NE(window, nullptr) << formName.toStdString();
        const int topic = HelpOf(formName.toStdString()).keyTopic;
        EXPECT_NE(topic, 0) << formName.toStdString() << " has no help topic";
        EXPECT_TRUE(TFHilfe::HasTopic(topic)) << formName.toStdString();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window)) << formName.toStdString();
        m_fakes.help.topics.clear();
        QTest::keyClick(window, Qt::Key_F1);
        EXPECT_EQ(m_fakes.help.topics, QList<int>{topic}) << formName.toStdString();
        window->hide();
    }
}

TEST(HelpPages, MenuItemAndButtonOpenTheirOwnTopics) {
    EXPECT_EQ(ButtonHelpTopic(HelpOf("FTippcenter")), 1009);
    EXPECT_EQ(MenuHelpTopic(HelpOf("FTippcenter")), 1010);
    EXPECT_EQ(MenuHelpTopic(HelpOf("FUpdate")), 1017);
    EXPECT_EQ(MenuHelpTopic(HelpOf("FAuswertung")), 1002);
    EXPECT_EQ(MenuHelpTopic(HelpOf("FKal")), 1011); // no button: the window's own topic
}

TEST(HelpPages, EveryTopicOfEveryWindowHasItsOwnPage) {
    for (const WindowHelp& help : WindowHelpTopics) {
        for (int topic : {help.keyTopic, help.buttonTopic, help.menuTopic}) {
            if (topic != 0) {
                EXPECT_TRUE(TFHilfe::HasTopic(topic)) << help.formName << " " << topic;
            }
        }
    }
    QStringList titles;
    TFHilfe window;
    for (int topic : HelpTopicNumbers) {
        ASSERT_TRUE(TFHilfe::HasTopic(topic)) << topic;
        window.ShowTopic(topic);
        const QString text = window.findChild<QTextBrowser*>("Browser")->toPlainText();
        EXPECT_GT(text.size(), 300) << topic; // a page with something to read, not a placeholder
        EXPECT_FALSE(titles.contains(window.PageTitle())) << topic;
        titles << window.PageTitle();
    }
    // 10112 is a topic of its own, not 1012 written differently.
    window.ShowTopic(10112);
    const QString statistics = window.PageTitle();
    window.ShowTopic(1012);
    EXPECT_NE(window.PageTitle(), statistics);
}

} // namespace
} // namespace qv
