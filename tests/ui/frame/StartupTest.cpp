#include "engine/core/FileError.h"
#include "support/FakePorts.h"
#include "text/DataFolder.h"
#include "ui/app/Application.h"
#include "ui/app/WindowTable.h"
#include "ui/frame/InstallationFiles.h"
#include "ui/frame/TFStart.h"
#include "ui/frame/Titles.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>

#include <sys/resource.h>

namespace qv {
namespace {

// A stand-in window: records its creation and its close handling.
class StandInWindow : public QWidget {
public:
    int closings = 0;

protected:
    void closeEvent(QCloseEvent* event) override {
        ++closings;
        QWidget::closeEvent(event);
    }
};

class StartupTest : public ::testing::Test {
protected:
    Application::Options Options(std::function<void(WindowRegistry&)> registerWindows) {
        Application::Options options;
        options.dataFolder = ToPath(m_folder.path()) / "Quovadra";
        options.installFolders = {ToPath(QStringLiteral(QV_SOURCE_DATA_DIR))};
        options.fadeMilliseconds = 60;
        options.registerWindows = std::move(registerWindows);
        return options;
    }

    // A factory that records the order of creation and what the start window showed meanwhile.
    WindowRegistry::Factory Recording(const QString& name) {
        return [this, name](AppContext&) -> std::unique_ptr<QWidget> {
            m_created << name;
            m_weiterEnabledDuringCreation |= m_app->StartWindow()->findChild<QPushButton*>("BWeiter")->isEnabled();
            m_startVisibleDuringCreation &= m_app->StartWindow()->isVisible();
            return std::make_unique<StandInWindow>();
        };
    }

    QTemporaryDir m_folder;
    FakePorts m_fakes;
    std::unique_ptr<Application> m_app;
    QStringList m_created;
    bool m_weiterEnabledDuringCreation = false;
    bool m_startVisibleDuringCreation = true;
};

TEST_F(StartupTest, CreatesTheWindowsInOrderBehindTheStartWindowAndFadesIntoTheMainWindow) {
    m_app = std::make_unique<Application>(m_fakes.ports, Options([this](WindowRegistry& registry) {
                                              registry.AddAtStart("FAuswertung", Recording("FAuswertung"));
                                              registry.AddAtStart("FOptionen", Recording("FOptionen"));
                                              registry.AddOnFirstUse("FKal", Recording("FKal"));
                                              registry.AddAtStart("FChart1", Recording("FChart1"));
                                          }));
    m_app->Start();

    EXPECT_EQ(m_created, QStringList({"FAuswertung", "FOptionen", "FChart1"}));
    EXPECT_FALSE(m_weiterEnabledDuringCreation);
    EXPECT_TRUE(m_startVisibleDuringCreation);
    EXPECT_TRUE(std::filesystem::is_directory(m_app->State().DataFolder));

    TFStart* start = m_app->StartWindow();
    ASSERT_NE(start, nullptr);
    EXPECT_EQ(start->windowTitle(), QStringLiteral("Quovadra %1").arg(ProductVersion));
    EXPECT_EQ(start->size(), QSize(400, 300));
    EXPECT_TRUE(start->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(start->windowFlags() & Qt::WindowCloseButtonHint);
    auto* weiter = start->findChild<QPushButton*>("BWeiter");
    EXPECT_TRUE(weiter->isEnabled());
    EXPECT_EQ(weiter->text(), "Weiter");

    // Until "Weiter" the start window is the program's only window on screen: the main window exists
    // but is not shown, so that neither the keyboard nor a screen reader finds it.
    QWidget* main = m_app->MainWindow();
    ASSERT_NE(main, nullptr);
    QTest::qWait(100);
    EXPECT_FALSE(main->isVisible());
    QStringList shown;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible()) {
            shown << window->windowTitle();
        }
    }
    EXPECT_EQ(shown, QStringList({start->windowTitle()}));

    // The user cannot close the start window but by "Weiter".
    start->close();
    EXPECT_TRUE(start->isVisible());

    // "Weiter" shows the main window transparent and fades it in.
    QSignalSpy faded(m_app.get(), &Application::FadeFinished);
    QTest::mouseClick(weiter, Qt::LeftButton);
    EXPECT_TRUE(weiter->isHidden());
    EXPECT_TRUE(main->isVisible());
    EXPECT_LT(main->windowOpacity(), 1.0);
    ASSERT_TRUE(faded.wait(3000));
    QTRY_VERIFY(m_app->StartWindow() == nullptr);
    EXPECT_EQ(main->windowOpacity(), 1.0);
    EXPECT_TRUE(main->isVisible());
    QTRY_VERIFY(main->isActiveWindow());
}

TEST_F(StartupTest, AFailingWindowIsReportedAndTheStartGoesOn) {
    m_app =
        std::make_unique<Application>(m_fakes.ports, Options([this](WindowRegistry& registry) {
                                          registry.AddAtStart("FAuswertung", Recording("FAuswertung"));
                                          registry.AddAtStart("FOptionen", [](AppContext&) -> std::unique_ptr<QWidget> {
                                              throw FileError("/daten/Einstellungen.qvo", "Keine Berechtigung");
                                          });
                                          registry.AddAtStart("FChart1", Recording("FChart1"));
                                      }));
    m_app->Start();

    EXPECT_EQ(m_created, QStringList({"FAuswertung", "FChart1"}));
    ASSERT_EQ(m_fakes.messages.Texts(FakeMessages::Kind::Error).size(), 1);
    EXPECT_TRUE(m_fakes.messages.Texts(FakeMessages::Kind::Error).first().contains("Keine Berechtigung"));
    EXPECT_TRUE(m_app->StartWindow()->findChild<QPushButton*>("BWeiter")->isEnabled());
    EXPECT_EQ(m_app->Windows().Find("FOptionen"), nullptr);
}

TEST_F(StartupTest, ClosingTheMainWindowRunsTheWinningNumberWindowsCloseHandlingOnly) {
    m_app = std::make_unique<Application>(m_fakes.ports, Options([this](WindowRegistry& registry) {
                                              RegisterWindows(registry);
                                              registry.AddAtStart("FGewinnzahlen", Recording("FGewinnzahlen"));
                                              registry.AddAtStart("FKal", Recording("FKal"));
                                          }));
    m_app->Start();
    auto* numbers = static_cast<StandInWindow*>(m_app->Windows().Find("FGewinnzahlen"));
    auto* calendar = static_cast<StandInWindow*>(m_app->Windows().Find("FKal"));
    calendar->show();

    m_app->MainWindow()->close();

    EXPECT_EQ(numbers->closings, 1);
    EXPECT_EQ(calendar->closings, 0);
}

TEST_F(StartupTest, CopiesTheInstallationFilesIntoAnEmptyDataFolderOnly) {
    const std::filesystem::path data = ToPath(m_folder.path()) / "Quovadra";
    m_app = std::make_unique<Application>(m_fakes.ports, Options([](WindowRegistry&) {}));
    m_app->Start();
    EXPECT_EQ(std::filesystem::file_size(data / "Demo.kts"), 90U);
    EXPECT_EQ(std::filesystem::file_size(data / "BEL.qvpd"), 4600U);

    // A second start finds the user's own files and leaves them alone.
    std::filesystem::resize_file(data / "Demo.kts", 180);
    std::filesystem::remove(data / "BEL.qvpd");
    m_app.reset();
    m_app = std::make_unique<Application>(m_fakes.ports, Options([](WindowRegistry&) {}));
    m_app->Start();
    EXPECT_EQ(std::filesystem::file_size(data / "Demo.kts"), 180U);
    EXPECT_EQ(std::filesystem::file_size(data / "BEL.qvpd"), 4600U);
}

// A nearly full disk once cut the print parameters off at 4,096 bytes without a word, and no later start
// repaired them.
TEST(InstallationFiles, AFullDiskLeavesNoCutOffCopyAndACutOffCopyIsReplaced) {
    QTemporaryDir folder;
    const std::filesystem::path data = ToPath(folder.path());
    const std::vector<std::filesystem::path> sources = InstallationFolders();

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto copied = CopyMissingInstallationFiles(sources, data);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(copied, std::vector<std::filesystem::path>{"Demo.kts"});
    EXPECT_FALSE(std::filesystem::exists(data / "BEL.qvpd"));

    std::filesystem::resize_file(data / "Demo.kts", 45);
    EXPECT_EQ(CopyMissingInstallationFiles(sources, data),
              (std::vector<std::filesystem::path>{"Demo.kts", "BEL.qvpd"}));
    EXPECT_EQ(std::filesystem::file_size(data / "Demo.kts"), 90U);
    EXPECT_EQ(std::filesystem::file_size(data / "BEL.qvpd"), 4600U);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(data), {}), 2) << "temporary file left";
}

TEST_F(StartupTest, TheDataFolderIsTheUsersApplicationDataFolderAndIsCreatedWithItsParents) {
    // A fresh account: the data home does not exist yet.
    const QString dataHome = m_folder.path() + "/home/.local/share";
    const QByteArray previous = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", dataHome.toLocal8Bit());
    Application::Options options = Options([](WindowRegistry&) {});
    options.dataFolder.clear();
    m_app = std::make_unique<Application>(m_fakes.ports, options);
    m_app->Start();
    qputenv("XDG_DATA_HOME", previous);

    EXPECT_EQ(FromPath(m_app->State().DataFolder), dataHome + "/Quovadra/");
    EXPECT_TRUE(std::filesystem::is_regular_file(m_app->State().DataFolder / "BEL.qvpd"));
    EXPECT_TRUE(std::filesystem::is_regular_file(m_app->State().DataFolder / "Demo.kts"));
    EXPECT_EQ(m_app->State().ProbeFile.filename(), "quovadra-download");
}

TEST_F(StartupTest, TitlesFollowTheSchemeAndNoneIsTheUnusedAnalysisSuffix) {
    m_app = std::make_unique<Application>(m_fakes.ports, Options(RegisterWindows));
    m_app->Start();
    EXPECT_EQ(m_app->MainWindow()->windowTitle(), QStringLiteral("Quovadra %1 - Zentrale").arg(ProductVersion));
    const QWidgetList windows = QApplication::topLevelWidgets();
    ASSERT_FALSE(windows.isEmpty());
    for (const QWidget* window : windows) {
        EXPECT_FALSE(window->windowTitle().contains("- Tippreihen-Analyse")) << window->objectName().toStdString();
    }
    EXPECT_EQ(WindowTitle(TitleSuffixes::NueberK), QStringLiteral("Quovadra %1 - n über k").arg(ProductVersion));
}

} // namespace
} // namespace qv
