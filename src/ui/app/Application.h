#pragma once

#include "engine/core/ProgramState.h"
#include "ui/frame/AppContext.h"
#include "ui/frame/SharedCommands.h"
#include "ui/frame/TFStart.h"
#include "ui/frame/WindowRegistry.h"

#include <QObject>

#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

class QVariantAnimation;

namespace qv {

// The running program: its state, its windows and the way from the start window into the main
// window.
class Application : public QObject {
    Q_OBJECT

public:
    struct Options {
        std::filesystem::path dataFolder;                  // empty: the user's data folder
        std::vector<std::filesystem::path> installFolders; // empty: InstallationFolders()
        int fadeMilliseconds = 1300;
        std::function<void(WindowRegistry&)> registerWindows; // empty: RegisterWindows
    };

    explicit Application(Ports& ports);
    Application(Ports& ports, Options options);
    ~Application() override;

    // Shows the start window, fixes the folders and creates the windows of the start; the main window
    // shows with "Weiter", fading in while the start window fades out. The event loop runs next.
    void Start();

    AppContext& Context() { return m_context; }
    ProgramState& State() { return m_state; }
    WindowRegistry& Windows() { return m_windows; }
    TFStart* StartWindow() const { return m_start.get(); }
    QWidget* MainWindow() const;

signals:
    // The start window is gone and the main window fully visible.
    void FadeFinished();

private:
    void FixFolders();
    void Continue();
    void FadeStep(int opacity);
    void FinishFade();

    Ports& m_ports;
    Options m_options;
    ProgramState m_state;
    WindowRegistry m_windows;
    SharedCommands m_commands;
    AppContext m_context;
    std::unique_ptr<TFStart> m_start;
    QVariantAnimation* m_fade = nullptr;
};

} // namespace qv
