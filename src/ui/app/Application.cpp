#include "ui/app/Application.h"

#include "text/DataFolder.h"
#include "ui/app/WindowTable.h"
#include "ui/evaluation/TFAuswertung.h"
#include "ui/frame/ErrorReport.h"
#include "ui/frame/InstallationFiles.h"
#include "ui/frame/TFStart.h"

#include <QCoreApplication>
#include <QDir>
#include <QVariantAnimation>

#include <system_error>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace qv {

namespace {

constexpr int kOpaque = 255;
const QLatin1String kMainWindow(TFAuswertung::kFormName);

// Reading the history and building the windows leaves megabytes of freed memory in the heap, which the
// C library would keep for later; the program then waits for the player with much less of it.
void ReturnFreedMemory() {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

} // namespace

Application::Application(Ports& ports)
    : Application(ports, Options{}) {}

Application::Application(Ports& ports, Options options)
    : m_ports(ports)
    , m_options(std::move(options))
    , m_commands(m_context)
    , m_context{m_state, m_ports, m_windows, m_commands} {}

Application::~Application() {
    m_start.reset();
    m_windows.Clear();
}

QWidget* Application::MainWindow() const {
    return m_windows.Find(kMainWindow);
}

void Application::FixFolders() {
    m_state.ProgramFolder = ToPath(QCoreApplication::applicationDirPath());
    // Downloads write to a unique file whose name begins with this one (see Download).
    m_state.ProbeFile = ToPath(QDir::temp().filePath(QStringLiteral("quovadra-download")));
    m_state.DataFolder = m_options.dataFolder.empty() ? DefaultDataFolder() : m_options.dataFolder;
    // With its parents: on a fresh account ~/.local/share may not exist yet. A folder that cannot be
    // created shows up when its files are used.
    std::error_code ignored;
    std::filesystem::create_directories(m_state.DataFolder, ignored);
    CopyMissingInstallationFiles(m_options.installFolders.empty() ? InstallationFolders() : m_options.installFolders,
                                 m_state.DataFolder);
}

void Application::Start() {
    m_start = std::make_unique<TFStart>();
    m_commands.InstallHelpKey(m_start.get());
    m_start->CentreOnScreen();
    m_start->show();
    connect(m_start.get(), &TFStart::ContinuePressed, this, &Application::Continue);
    QCoreApplication::processEvents();

    FixFolders();
    QCoreApplication::setApplicationName(QStringLiteral("Quovadra"));

    if (m_options.registerWindows) {
        m_options.registerWindows(m_windows);
    } else {
        RegisterWindows(m_windows);
    }
    BindCommands(m_context);
    // The start window repaints between the windows; "Weiter" stays disabled until all exist.
    m_windows.CreateStartWindows(
        m_context, [this](const QString&, const std::exception& error) { ReportError(m_ports.messages, error); },
        [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
    if (auto* main = qobject_cast<TFAuswertung*>(MainWindow())) {
        main->Prepare();
    }
    ReturnFreedMemory();
    m_start->SetInitialisationDone(true);
    // The main window stays hidden until "Weiter": an unseen window would still hold its drawing
    // buffer and caches while the player reads the start window, and a screen reader would list it
    // and the keyboard focus could land in it.
}

void Application::Continue() {
    auto* weiter = m_start->findChild<QWidget*>(QStringLiteral("BWeiter"));
    weiter->hide();
    if (QWidget* main = MainWindow()) {
        // Shown transparent and painted once behind the start window, then faded in.
        main->setWindowOpacity(0.0);
        main->show();
        m_start->raise();
    }
    QCoreApplication::processEvents();
    weiter->setEnabled(false);
    m_start->AllowClosing();

    m_fade = new QVariantAnimation(this);
    m_fade->setStartValue(1);
    m_fade->setEndValue(kOpaque);
    m_fade->setDuration(m_options.fadeMilliseconds);
    connect(m_fade, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) { FadeStep(value.toInt()); });
    connect(m_fade, &QVariantAnimation::finished, this, &Application::FinishFade);
    m_fade->start(QAbstractAnimation::DeleteWhenStopped);
}

void Application::FadeStep(int opacity) {
    if (QWidget* main = MainWindow()) {
        main->setWindowOpacity(opacity / double(kOpaque));
    }
    if (m_start) {
        m_start->setWindowOpacity((kOpaque - opacity) / double(kOpaque));
    }
}

void Application::FinishFade() {
    FadeStep(kOpaque);
    m_fade = nullptr;
    if (m_start) {
        m_start->close();
        // Deleted by the event loop: the fade may end while the start window still handles an event.
        m_start.release()->deleteLater();
    }
    QWidget* main = MainWindow();
    if (!main) {
        // Without its main window the program has nothing to show.
        QCoreApplication::exit(1);
        return;
    }
    main->raise();
    main->activateWindow();
    emit FadeFinished();
}

} // namespace qv
