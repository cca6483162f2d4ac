#pragma once

#include <QString>
#include <QWidget>

#include <filesystem>

class QFrame;
class QLabel;
class QProgressBar;

namespace qv {

struct AppContext;

// The program update: asks the maker's web site for the current version, downloads its installer and
// starts it. Nothing happens without the user pressing a button.
class TFUpdate : public QWidget {
    Q_OBJECT

public:
    static constexpr const char* kFormName = "FUpdate";

    explicit TFUpdate(AppContext& context);

    // The handlers of the three buttons.
    void Check();
    void DownloadInstaller();
    void Install();

signals:
    // The installer runs: the program should end now.
    void ProgramEndRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString DataFolderText() const;
    void HandOver();

    AppContext& m_context;
    QLabel* m_installed;
    QLabel* m_online;
    QFrame* m_downloadArea;
    QProgressBar* m_progress;
    QLabel* m_progressText;
    QFrame* m_installArea;
    // The version of the last record read; kept from one check to the next.
    QString m_onlineVersion;
};

// Writes the hand-over batch file for the program file program into folder (a new name beginning
// with "uis", ending in ".bat") and returns its path. FileError when it cannot be written.
std::filesystem::path WriteHandOverBatch(const std::filesystem::path& folder, const std::filesystem::path& program);

} // namespace qv
