#include "ui/frame/WindowRegistry.h"

#include "engine/core/IniFile.h"
#include "ui/frame/AppContext.h"
#include "ui/frame/ColumnWidthKeeper.h"

#include "ui/widgets/ScreenFit.h"

#include <algorithm>

namespace qv {

namespace {

// Names a new window after its form and keeps the column widths its player sets in it.
void Adopt(QWidget& window, const QString& formName, AppContext& context) {
    window.setObjectName(formName);
    KeepColumnWidths(window, context.state.DataFolder / kSettingsFileName, context.ports.messages);
}

} // namespace

WindowRegistry::WindowRegistry() = default;

WindowRegistry::~WindowRegistry() {
    Clear();
}

void WindowRegistry::AddAtStart(const QString& formName, Factory create) {
    m_entries.push_back({formName, std::move(create), Kind::AtStart, nullptr});
}

void WindowRegistry::AddOnFirstUse(const QString& formName, Factory create) {
    m_entries.push_back({formName, std::move(create), Kind::OnFirstUse, nullptr});
}

void WindowRegistry::AddAnew(const QString& formName, Factory create) {
    m_entries.push_back({formName, std::move(create), Kind::Anew, nullptr});
}

WindowRegistry::Entry* WindowRegistry::EntryOf(const QString& formName) {
    const auto found =
        std::find_if(m_entries.begin(), m_entries.end(), [&](const Entry& e) { return e.formName == formName; });
    return found == m_entries.end() ? nullptr : &*found;
}

const WindowRegistry::Entry* WindowRegistry::EntryOf(const QString& formName) const {
    return const_cast<WindowRegistry*>(this)->EntryOf(formName);
}

void WindowRegistry::CreateStartWindows(AppContext& context, const CreationError& onError,
                                        const std::function<void()>& afterEach) {
    // Entries may be added while a window is created (a window registering a helper window of its
    // own), so walk by index.
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].kind != Kind::AtStart || m_entries[i].window) {
            continue;
        }
        const QString formName = m_entries[i].formName;
        try {
            std::unique_ptr<QWidget> window = m_entries[i].create(context);
            Adopt(*window, formName, context);
            m_creationOrder.push_back(window.get());
            EntryOf(formName)->window = std::move(window);
        } catch (const std::exception& error) {
            onError(formName, error);
        }
        if (afterEach) {
            afterEach();
        }
    }
}

bool WindowRegistry::Knows(const QString& formName) const {
    return EntryOf(formName) != nullptr;
}

std::vector<QString> WindowRegistry::FormNames() const {
    std::vector<QString> names;
    names.reserve(m_entries.size());
    for (const Entry& entry : m_entries) {
        names.push_back(entry.formName);
    }
    return names;
}

QWidget* WindowRegistry::Find(const QString& formName) const {
    const Entry* entry = EntryOf(formName);
    return entry ? entry->window.get() : nullptr;
}

std::vector<QWidget*> WindowRegistry::Windows() const {
    return m_creationOrder;
}

void WindowRegistry::Present(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

QWidget* WindowRegistry::Create(AppContext& context, const QString& formName) {
    Entry* entry = EntryOf(formName);
    if (!entry || entry->kind == Kind::Anew) {
        return nullptr;
    }
    if (!entry->window) {
        std::unique_ptr<QWidget> window = entry->create(context);
        Adopt(*window, formName, context);
        window->resize(OpeningSize(*window, window->size()));
        m_creationOrder.push_back(window.get());
        // A window that deletes itself when closed (the about window) is created anew next time.
        if (window->testAttribute(Qt::WA_DeleteOnClose)) {
            QObject::connect(window.get(), &QObject::destroyed,
                             [this, formName](QObject* gone) { Forget(formName, gone); });
        }
        entry = EntryOf(formName);
        entry->window = std::move(window);
    }
    return entry->window.get();
}

QWidget* WindowRegistry::OpenOrRestore(AppContext& context, const QString& formName) {
    QWidget* existing = Find(formName);
    if (existing) {
        existing->setWindowState(existing->windowState() & ~Qt::WindowMinimized);
    }
    QWidget* window = existing ? existing : Create(context, formName);
    if (window) {
        Present(window);
    }
    return window;
}

QWidget* WindowRegistry::ShowWindow(const QString& formName) {
    QWidget* window = Find(formName);
    if (window) {
        Present(window);
    }
    return window;
}

QWidget* WindowRegistry::CreateAnew(AppContext& context, const QString& formName) {
    const Entry* entry = EntryOf(formName);
    if (!entry || entry->kind != Kind::Anew) {
        return nullptr;
    }
    std::unique_ptr<QWidget> window = entry->create(context);
    Adopt(*window, formName, context);
    window->resize(OpeningSize(*window, window->size()));
    m_anew.push_back(std::move(window));
    return m_anew.back().get();
}

void WindowRegistry::Forget(const QString& formName, QObject* gone) {
    std::erase(m_creationOrder, gone);
    Entry* entry = EntryOf(formName);
    if (entry && entry->window.get() == gone) {
        static_cast<void>(entry->window.release()); // Qt has deleted it already
    }
}

QWidget* WindowRegistry::ShowNewest(const QString& formName) {
    for (auto it = m_anew.rbegin(); it != m_anew.rend(); ++it) {
        if ((*it)->objectName() == formName) {
            Present(it->get());
            return it->get();
        }
    }
    return nullptr;
}

void WindowRegistry::Clear() {
    while (!m_anew.empty()) {
        m_anew.pop_back();
    }
    // A window that leaves the list while it is deleted must not disturb the walk.
    const std::vector<QWidget*> order = m_creationOrder;
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        for (Entry& entry : m_entries) {
            if (entry.window.get() == *it) {
                entry.window.reset();
            }
        }
    }
    m_creationOrder.clear();
}

} // namespace qv
