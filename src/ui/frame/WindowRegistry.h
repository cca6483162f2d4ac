#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

namespace qv {

struct AppContext;

// The program's windows by form name. A window is either created at start (in the order it was
// added) and lives until the end, or created on first use by OpenOrRestore and kept from then on.
class WindowRegistry {
public:
    using Factory = std::function<std::unique_ptr<QWidget>(AppContext&)>;
    using CreationError = std::function<void(const QString& formName, const std::exception& error)>;

    WindowRegistry();
    ~WindowRegistry();
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;

    void AddAtStart(const QString& formName, Factory create);
    void AddOnFirstUse(const QString& formName, Factory create);
    // A window of which every use creates one more (the print-parameter window).
    void AddAnew(const QString& formName, Factory create);

    // Creates the windows of the start in their order. A window whose creation fails is reported to
    // onError and left out; the others are still created. afterEach runs after every window.
    void CreateStartWindows(AppContext& context, const CreationError& onError,
                            const std::function<void()>& afterEach = {});

    // Whether the program has such a window, created or not.
    bool Knows(const QString& formName) const;
    // The form names of every window the program has, created or not, in the order they were added.
    std::vector<QString> FormNames() const;
    // The window if it exists now.
    QWidget* Find(const QString& formName) const;
    // The existing windows in the order of their creation.
    std::vector<QWidget*> Windows() const;

    // Brings back the window (out of its minimised state) or creates it, then shows it in front.
    // Nothing when the program has no such window.
    QWidget* OpenOrRestore(AppContext& context, const QString& formName);
    // The window, created now (and not shown) when it does not exist yet; nothing when the program has
    // no such window.
    QWidget* Create(AppContext& context, const QString& formName);
    // Shows and activates a window created at start.
    QWidget* ShowWindow(const QString& formName);
    // Creates one more window of a kind added by AddAnew; it stays hidden until ShowNewest.
    QWidget* CreateAnew(AppContext& context, const QString& formName);
    // Shows and activates the newest window of a kind added by AddAnew; nothing when none exists.
    QWidget* ShowNewest(const QString& formName);

    // Frees every window, the newest first.
    void Clear();

private:
    enum class Kind { AtStart, OnFirstUse, Anew };
    struct Entry {
        QString formName;
        Factory create;
        Kind kind;
        std::unique_ptr<QWidget> window;
    };
    Entry* EntryOf(const QString& formName);
    const Entry* EntryOf(const QString& formName) const;
    static void Present(QWidget* window);
    // Drops a window that Qt has deleted.
    void Forget(const QString& formName, QObject* gone);

    std::vector<Entry> m_entries;
    std::vector<QWidget*> m_creationOrder;
    std::vector<std::unique_ptr<QWidget>> m_anew;
};

} // namespace qv
