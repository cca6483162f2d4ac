#include "ui/tools/TFUpdate.h"

#include "engine/core/FileError.h"
#include "engine/core/ProgramState.h"
#include "engine/core/SafeFile.h"
#include "engine/tools/HandOver.h"
#include "engine/tools/VersionInfo.h"
#include "text/AppLocale.h"
#include "text/DataFolder.h"
#include "ui/frame/AppContext.h"
#include "ui/frame/ErrorReport.h"
#include "ui/frame/InternetRoutines.h"
#include "ui/frame/SharedCommands.h"
#include "ui/frame/Titles.h"
#include "ui/frame/WindowAccessibility.h"
#include "ui/widgets/Controls.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryFile>
#include <QVBoxLayout>

namespace qv {

namespace {

// The busy cursor for the lifetime of the guard; the normal one comes back however the work ends.
class BusyCursor {
public:
    BusyCursor() {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    ~BusyCursor() {
        QApplication::restoreOverrideCursor();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// While a transfer runs, user input reaches only the cancel button (focused for the keyboard): the
// window waits as it did, but can be stopped. The cancel button is on for that time.
class OnlyCancelTakesInput : public QObject {
public:
    explicit OnlyCancelTakesInput(QPushButton* cancel)
        : m_cancel(cancel) {
        m_cancel->setEnabled(true);
        m_cancel->setFocus();
        qApp->installEventFilter(this);
    }
    ~OnlyCancelTakesInput() override {
        qApp->removeEventFilter(this);
        m_cancel->setEnabled(false);
    }
    OnlyCancelTakesInput(const OnlyCancelTakesInput&) = delete;
    OnlyCancelTakesInput& operator=(const OnlyCancelTakesInput&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::ShortcutOverride:
        case QEvent::Wheel:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
            // The system's windows pass input on to the widget under it, which decides here.
            return watched != m_cancel && !watched->isWindowType();
        default:
            return false;
        }
    }

private:
    QPushButton* m_cancel;
};

QLabel* ValuePanel(const QString& name, QWidget* parent) {
    auto* panel = new QLabel(parent);
    panel->setObjectName(name);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setAlignment(Qt::AlignCenter);
    panel->setMinimumSize(110, 26);
    panel->setTextFormat(Qt::PlainText); // the online version comes from the server
    panel->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    panel->setFocusPolicy(Qt::StrongFocus);
    return panel;
}

QLabel* Text(const QString& name, const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

} // namespace

TFUpdate::TFUpdate(AppContext& context)
    : m_context(context) {
    setObjectName(QString::fromUtf8(kFormName));
    setWindowTitle(WindowTitle(TitleSuffixes::Updates));
    setWindowFlag(Qt::Window);
    CreateControls();
    LayOut();
    Connect();
    resize(640, 500);
}

void TFUpdate::CreateControls() {
    m_menuBar = new QMenuBar(this);
    m_menuBar->setObjectName(QStringLiteral("MainMenu1"));
    m_context.commands.AddStandardMenus(m_menuBar, this, SharedCommands::MenuOf::OtherWindow);

    m_intro = Text(QStringLiteral("Label1"),
                   QStringLiteral("Prüfen Sie hier, ob eine neue Programmversion verfügbar ist."), this);
    m_check = TwoLineButton(QStringLiteral("BAbfrage"), QStringLiteral("Abfrage\nstarten"), this);
    m_check->setMinimumWidth(110);

    m_versions = new QGroupBox(QStringLiteral("Programmversion"), this);
    m_versions->setObjectName(QStringLiteral("GroupBox1"));
    m_installed = ValuePanel(QStringLiteral("PAkt"), m_versions);
    m_online = ValuePanel(QStringLiteral("POnl"), m_versions);
    m_installed->setAccessibleName(QStringLiteral("Installierte Version"));
    m_online->setAccessibleName(QStringLiteral("Aktuelle Version"));

    m_hint = Text(QStringLiteral("Label4"),
                  QStringLiteral("Wenn die Update-Prüfung positiv verläuft, dann wird hier ein Download- und ein "
                                 "Installations-\nButton eingeblendet."),
                  this);
    m_hint->setWordWrap(false);
    SetSpokenName(m_hint, m_hint->text());

    // The download area, shown once a check has found another version.
    m_downloadArea = new QFrame(this);
    m_downloadArea->setObjectName(QStringLiteral("Panel6"));
    m_downloadArea->setFrameShape(QFrame::StyledPanel);
    m_download = Button(QStringLiteral("BDown"), QStringLiteral("Download"), m_downloadArea);
    m_download->setMinimumWidth(110);
    m_afterDownload =
        Text(QStringLiteral("Label5"),
             QStringLiteral("Nach Abschluss des Downloads wird der Button [Installieren] sichtbar."), m_downloadArea);
    m_progress = new QProgressBar(m_downloadArea);
    m_progress->setObjectName(QStringLiteral("Pro1"));
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    m_progress->setAccessibleName(QStringLiteral("Fortschritt des Downloads"));
    m_progressText = Text(QStringLiteral("Label10"), QString(), m_downloadArea);

    // The install area inside it, shown once the installer is here.
    m_installArea = new QFrame(m_downloadArea);
    m_installArea->setObjectName(QStringLiteral("PInst"));
    m_installHint = Text(QStringLiteral("Label13"),
                         QStringLiteral("Wenn die Installation startet, wird das Programm beendet.   Das Update "
                                        "ist in das Programm-\nverzeichnis zu installieren."),
                         m_installArea);
    // The caption breaks where its hyphen stands, not where the width ends.
    m_installHint->setWordWrap(false);
    SetSpokenName(m_installHint, m_installHint->text());
    m_install = Button(QStringLiteral("BSetup"), QStringLiteral("Installieren"), m_installArea);
    m_install->setMinimumWidth(110);
    m_downloadArea->hide();
    m_installArea->hide();

    // Stops a check or a download while it runs; the only control that takes input then.
    m_cancel = Button(QStringLiteral("BAbbrechen"), QStringLiteral("Abbrechen"), this);
    m_cancel->setEnabled(false);
    m_close = CloseButton(this);
}

void TFUpdate::LayOut() {
    auto* versionRows = new QGridLayout(m_versions);
    versionRows->addWidget(
        BuddyLabel(QStringLiteral("Installierte Version"), m_installed, m_versions, QStringLiteral("Label2")), 0, 0);
    versionRows->addWidget(m_installed, 0, 1);
    versionRows->addWidget(
        BuddyLabel(QStringLiteral("Aktuelle Version"), m_online, m_versions, QStringLiteral("Label3")), 1, 0);
    versionRows->addWidget(m_online, 1, 1);

    auto* installRows = new QVBoxLayout(m_installArea);
    installRows->setContentsMargins(0, 0, 0, 0);
    installRows->addWidget(m_installHint);
    installRows->addWidget(m_install, 0, Qt::AlignRight);

    auto* downloadRow = new QHBoxLayout;
    downloadRow->addWidget(m_afterDownload, 1);
    downloadRow->addWidget(m_download, 0, Qt::AlignTop);
    auto* area = new QVBoxLayout(m_downloadArea);
    area->addLayout(downloadRow);
    area->addWidget(m_progress);
    area->addWidget(m_progressText);
    area->addWidget(m_installArea);

    auto* top = new QHBoxLayout;
    top->addWidget(m_intro, 1);
    top->addWidget(m_check);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(m_cancel);
    bottom->addWidget(m_close);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(m_menuBar);
    layout->addLayout(top);
    layout->addWidget(m_versions);
    layout->addWidget(m_hint);
    layout->addWidget(m_downloadArea);
    layout->addStretch(1);
    layout->addLayout(bottom);

    setTabOrder(m_check, m_installed);
    setTabOrder(m_installed, m_online);
    setTabOrder(m_online, m_download);
    setTabOrder(m_download, m_install);
    setTabOrder(m_install, m_cancel);
    setTabOrder(m_cancel, m_close);
}

void TFUpdate::Connect() {
    const auto guarded = [this](void (TFUpdate::*handler)()) {
        return [this, handler] { Guarded(m_context.ports.messages, [this, handler] { (this->*handler)(); }); };
    };
    connect(m_check, &QPushButton::clicked, this, guarded(&TFUpdate::Check));
    connect(m_download, &QPushButton::clicked, this, guarded(&TFUpdate::DownloadInstaller));
    connect(m_install, &QPushButton::clicked, this, guarded(&TFUpdate::Install));
    connect(m_cancel, &QPushButton::clicked, this, [this] { m_cancelRequested = true; });
    m_context.commands.InstallHelpKey(this);
}

void TFUpdate::SetTimeLimits(int checkMs, int downloadMs) {
    m_checkTimeLimitMs = checkMs;
    m_downloadTimeLimitMs = downloadMs;
}

DownloadOutcome TFUpdate::Transfer(const char* path, const std::filesystem::path& target, int timeLimitMs,
                                   std::optional<qint64> expectedBytes,
                                   const std::function<void(qint64 received)>& received) {
    m_cancelRequested = false;
    DownloadLimits limits;
    limits.expectedBytes = expectedBytes;
    limits.fetch.timeLimitMs = timeLimitMs;
    limits.fetch.cancelled = [this] { return m_cancelRequested; };
    limits.fetch.userInput = true;
    const OnlyCancelTakesInput onlyCancel(m_cancel);
    try {
        return DownloadWithLimits(m_context.ports.internet, m_context.webSite + QString::fromUtf8(path), target,
                                  m_context.state.ProbeFile, limits, received);
    } catch (const std::exception&) {
        return DownloadOutcome::Failed;
    }
}

void TFUpdate::showEvent(QShowEvent* event) {
    SetPanelValue(m_installed, QStringLiteral("Installierte Version"), QString::fromUtf8(ProductVersion));
    QWidget::showEvent(event);
}

QString TFUpdate::DataFolderText() const {
    QString folder = QDir::toNativeSeparators(FromPath(m_context.state.DataFolder));
    if (!folder.endsWith(QDir::separator())) {
        folder += QDir::separator();
    }
    return folder;
}

void TFUpdate::Check() {
    if (!IsConnected(m_context.ports.internet, m_context.webSite + QString::fromUtf8(kVerInfoPath))) {
        m_context.ports.messages.Information(
            QStringLiteral("Für die Prüfung muss eine Verbindung zum Internet bestehen."));
        return;
    }
    // Every fetch asks the server for a fresh copy; the old local copy goes first.
    const std::filesystem::path local = m_context.state.DataFolder / kVerInfoFileName;
    DeletePath(local);
    DownloadOutcome outcome = DownloadOutcome::Failed;
    {
        const BusyCursor busy;
        outcome = Transfer(kVerInfoPath, local, m_checkTimeLimitMs, std::nullopt, {});
    }
    if (outcome == DownloadOutcome::Cancelled) {
        m_context.ports.messages.Information(QStringLiteral("Die Prüfung wurde abgebrochen."));
        return;
    }
    // A file without one complete record holds no version; it is no better than no answer.
    std::optional<std::string> version;
    if (outcome == DownloadOutcome::Done) {
        if (const auto bytes = ReadWholeFile(local)) {
            version = LastVersionRecord(*bytes);
            const auto announced = AnnouncedInstallerSize(*bytes);
            m_announcedSize = announced ? std::optional<qint64>(static_cast<qint64>(*announced)) : std::nullopt;
        }
    }
    if (!version) {
        m_context.ports.messages.Information(QStringLiteral("Die Prüfung hat leider nicht geklappt.\r"));
        return;
    }
    m_onlineVersion = QString::fromLatin1(version->data(), static_cast<qsizetype>(version->size()));
    const QString installed = QString::fromUtf8(ProductVersion);
    SetPanelValue(m_installed, QStringLiteral("Installierte Version"), installed);
    SetPanelValue(m_online, QStringLiteral("Aktuelle Version"), m_onlineVersion);
    // Any other version counts, an older one too: the web site offers the one to have.
    m_downloadArea->setVisible(m_onlineVersion != installed);
}

void TFUpdate::DownloadInstaller() {
    if (!IsConnected(m_context.ports.internet, m_context.webSite + QString::fromUtf8(kInstallerPath))) {
        m_context.ports.messages.Information(QStringLiteral(
            "Für den Download der Installations-Datei muss eine Verbindung zum Internet bestehen.\r\rIch breche ab."));
        return;
    }
    const std::filesystem::path target = m_context.state.DataFolder / kInstallerFileName;
    DeletePath(target);
    // The size is not known beforehand: the bar runs while the count of bytes grows.
    m_progress->setRange(0, 0);
    m_progressText->clear();
    const QLocale locale = AppLocale();
    const auto kilobytes = [&locale](qint64 bytes) { return locale.toString((bytes + 1023) / 1024); };
    qint64 total = 0;
    const auto received = [&](qint64 bytes) {
        total = bytes;
        m_progressText->setText(QStringLiteral("%1 KB geladen").arg(kilobytes(bytes)));
    };
    // An installer of another size than the version file announced is not offered.
    const DownloadOutcome outcome = Transfer(kInstallerPath, target, m_downloadTimeLimitMs, m_announcedSize, received);
    const bool loaded = outcome == DownloadOutcome::Done;
    m_progress->setRange(0, 100);
    m_progress->setValue(loaded ? 100 : 0);
    if (!loaded) {
        m_progressText->clear();
        m_context.ports.messages.Information(DownloadFailureText(outcome));
        return;
    }
    m_progressText->setText(QStringLiteral("Download abgeschlossen: %1 KB").arg(kilobytes(total)));
    m_installArea->show();
}

QString TFUpdate::DownloadFailureText(DownloadOutcome outcome) {
    switch (outcome) {
    case DownloadOutcome::Cancelled:
        return QStringLiteral("Der Download wurde abgebrochen.");
    case DownloadOutcome::WrongSize:
        return QStringLiteral("Die geladene Datei hat nicht die Größe, die die Versionsdatei angibt; sie wird nicht "
                              "zum Installieren angeboten. Versuchen Sie es bitte später noch einmal.");
    case DownloadOutcome::Done:
    case DownloadOutcome::Failed:
    case DownloadOutcome::TimedOut:
        break;
    }
    return QStringLiteral("Der Download ist gescheitert. Versuchen Sie es bitte später noch einmal.");
}

void TFUpdate::Install() {
    const QString folder = DataFolderText();
    const Messages::Answer answer = m_context.ports.messages.YesNo(
        QStringLiteral(
            "Um die Installation durchführen zu können, muss das Programm jetzt geschlossen werden. Die "
            "Programm-Datei wird gelöscht und das Update gestartet. Wenn etwas schief läuft, bitte das Update "
            "manuell durch Doppelklick auf die Datei \"Update.exe\" im Verzeichnis ") +
        folder + QStringLiteral(" starten.") + QStringLiteral("\r\r") + QStringLiteral("Soll fortgefahren werden?"));
    if (answer != Messages::Answer::Yes) {
        m_context.ports.messages.Information(
            QStringLiteral("Installation wurde auf Ihren Wunsch abgebrochen. Sie  könnnen das Update manuell durch "
                           "Doppelklick auf die Datei \"Update.exe\" im Verzeichnis ") +
            folder + QStringLiteral(" starten.") + QStringLiteral("\r\r") +
            QStringLiteral("Zuvor muss das Programm geschlossen und die Datei \"Quovadra.exe\" ") +
            QStringLiteral("gelöscht werden."));
        return;
    }
    if (!m_context.ports.shell.OpenFile(FromPath(m_context.state.DataFolder / kInstallerFileName))) {
        m_context.ports.messages.Information(
            QStringLiteral("Update konnte nicht gestartet werden. Bitte schließen Sie ") +
            QString::fromUtf8(ProductName) + QStringLiteral(" und starten Sie das Update manuell durch Doppelklick ") +
            QStringLiteral("auf die Datei \"Update.exe\" im Verzeichnis ") + folder + QStringLiteral("."));
        return;
    }
    HandOver();
}

void TFUpdate::HandOver() {
#ifdef Q_OS_WIN
    // The batch file removes the old program file once the program has ended.
    const QString program = QCoreApplication::applicationFilePath();
    QFile::setPermissions(program, QFile::permissions(program) | QFileDevice::WriteOwner | QFileDevice::WriteUser);
    const std::filesystem::path batch = WriteHandOverBatch(ToPath(QDir::tempPath()), ToPath(program));
    QDir::setCurrent(QDir::tempPath());
    m_context.ports.shell.StartProgram(QStringLiteral("cmd.exe"), {QStringLiteral("/c"), FromPath(batch)});
#endif
    // Elsewhere the installer is only opened; the program file stays where it is.
    emit ProgramEndRequested();
}

std::filesystem::path WriteHandOverBatch(const std::filesystem::path& folder, const std::filesystem::path& program) {
    QTemporaryFile name(QDir(FromPath(folder)).filePath(QStringLiteral("uisXXXXXX.bat")));
    name.setAutoRemove(false);
    if (!name.open()) {
        throw FileError(folder, name.errorString().toStdString());
    }
    std::filesystem::path batch = ToPath(name.fileName());
    name.close();
    const QByteArray text =
        QByteArray::fromStdString(HandOverBatch(QDir::toNativeSeparators(FromPath(program)).toLocal8Bit().toStdString(),
                                                QDir::toNativeSeparators(FromPath(batch)).toLocal8Bit().toStdString()));
    WriteFileSafely(batch, std::span(reinterpret_cast<const std::uint8_t*>(text.constData()),
                                     static_cast<std::size_t>(text.size())));
    return batch;
}

} // namespace qv
