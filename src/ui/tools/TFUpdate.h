#pragma once

#include "ui/frame/InternetRoutines.h"

#include <QString>
#include <QWidget>

#include <filesystem>
#include <functional>
#include <optional>

class QFrame;
class QGroupBox;
class QLabel;
class QMenuBar;
class QProgressBar;
class QPushButton;

namespace qv {

struct AppContext;

// The program update: asks the maker's web site for the current version, downloads its installer and
// starts it. Nothing happens without the user pressing a button.
class TFUpdate : public QWidget {
    Q_OBJECT

public:
    static constexpr const char* kFormName = "FUpdate";

    explicit TFUpdate(AppContext& context);

    // The handlers of the three buttons. A check or a download runs until it ends, "Abbrechen" is
    // pressed or its time limit has passed; meanwhile only "Abbrechen" takes input.
    void Check();
    void DownloadInstaller();
    void Install();

    // The longest a check and a download may take, in milliseconds.
    static constexpr int kCheckTimeLimitMs = 60 * 1000;
    static constexpr int kDownloadTimeLimitMs = 30 * 60 * 1000;
    void SetTimeLimits(int checkMs, int downloadMs);

signals:
    // The installer runs: the program should end now.
    void ProgramEndRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
    void LayOut();
    void Connect();

    // Fetches the file at path of the web site into target with the cancel button on.
    DownloadOutcome Transfer(const char* path, const std::filesystem::path& target, int timeLimitMs,
                             std::optional<qint64> expectedBytes, const std::function<void(qint64 received)>& received);
    static QString DownloadFailureText(DownloadOutcome outcome);
    QString DataFolderText() const;
    void HandOver();

    AppContext& m_context;
    QMenuBar* m_menuBar = nullptr;
    QLabel* m_intro = nullptr;
    QPushButton* m_check = nullptr;
    QGroupBox* m_versions = nullptr;
    QLabel* m_installed = nullptr;
    QLabel* m_online = nullptr;
    QLabel* m_hint = nullptr;
    QFrame* m_downloadArea = nullptr;
    QPushButton* m_download = nullptr;
    QLabel* m_afterDownload = nullptr;
    QProgressBar* m_progress = nullptr;
    QLabel* m_progressText = nullptr;
    QFrame* m_installArea = nullptr;
    QLabel* m_installHint = nullptr;
    QPushButton* m_install = nullptr;
    QPushButton* m_cancel = nullptr;
    QWidget* m_close = nullptr;

    bool m_cancelRequested = false;
    int m_checkTimeLimitMs = kCheckTimeLimitMs;
    int m_downloadTimeLimitMs = kDownloadTimeLimitMs;
    // The version of the last record read; kept from one check to the next.
    QString m_onlineVersion;
    // The installer size the last version file announced.
    std::optional<qint64> m_announcedSize;
};

// Writes the hand-over batch file for the program file program into folder (a new name beginning
// with "uis", ending in ".bat") and returns its path. FileError when it cannot be written.
std::filesystem::path WriteHandOverBatch(const std::filesystem::path& folder, const std::filesystem::path& program);

} // namespace qv
