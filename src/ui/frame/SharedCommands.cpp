#include "ui/frame/SharedCommands.h"

#include "ui/frame/AppContext.h"
#include "ui/frame/CommandIcons.h"
#include "ui/frame/ErrorReport.h"
#include "ui/frame/HelpContexts.h"
#include "ui/frame/WindowRegistry.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <iterator>

namespace qv {

namespace {

struct CommandText {
    const char* button;
    const char* hint;
    const char* menu;
    const char* item;
};

CommandText TextOf(Command command) {
    switch (command) {
    case Command::Statistik:
        return {"BStatistik", "Statistik für die Gewinnreihen aufrufen...", "Gewinnreihen-Statisti&k", "MStatistik"};
    case Command::Eingabe:
        return {"BEingabe", "Tippreihen eingeben...", "&Eingabe", "MEingabe"};
    case Command::Eingabe2:
        return {"BEingabe2", "Tippreihen eingeben...", "Tippreihen-&Liste eingeben...", "MEingabe2"};
    case Command::Tippcenter:
        return {"BTippcenter", "Tipp-Center", "&Tippcenter", "MTippcenter"};
    case Command::Analyse:
        return {"BSysTest", "Tippreihen-Analyse", "Tippreihen-&Analyse", "MAnalyse"};
    case Command::Kalender:
        return {"BKalender", "Kalender", "&Kalender", "MKalender"};
    case Command::NueberK:
        return {"BNoverK", "n über k", "&n über k", "MNueberK"};
    case Command::Taschenrechner:
        return {"BCalc", "Taschenrechner", "&Taschenrechner", "MTaschenrechner"};
    case Command::Update:
        return {"BUpdate", "Online-Aktualisierung", "&Allgemeine Aktualisierungsprüfung", "MUpdate"};
    case Command::Gewinnzahlen:
        return {"", "", "&Gewinnzahlen-Aktualisierung", "MGewinnzahlen"};
    case Command::Gewinnauswertung:
        return {"", "", "&Gewinnauswertung", "MGewinnauswertung"};
    case Command::OnlineSpielen:
        return {"BOnlineSpielen", "Online spielen", "&Online spielen", "MOnlineSpielen"};
    case Command::Druck:
        return {"BDruck", "Tippreihen drucken...", "Tippreihen &drucken...", "MDruck"};
    case Command::Optionen:
        return {"BOptionen", "Einstellungen für das Programm vornehmen...", "Programm&einstellungen", "MOptionen"};
    case Command::Oeffnen:
        return {"BOpen", "Spielschein-Datei öffnen...", "Spielschein-Datei ö&ffnen...", "MOeffnen"};
    case Command::Inhalt:
        return {"", "", "&Inhalt", "MInhalt"};
    case Command::HilfeBenutzen:
        return {"BitBtn2", "Hilfe", "&Hilfe benutzen", "MHilfeBenutzen"};
    case Command::Info:
        return {"", "", "In&fo...", "MInfo"};
    case Command::Beenden:
        return {"BitBtn7", "Programm beenden", "&Beenden", "MBeenden"};
    case Command::Gewinnchancen:
        return {"", "", "&Gewinnchancen...", "MGewinnchancen"};
    case Command::Rueckblick:
        return {"", "", "Methoden im &Rückblick...", "MRueckblick"};
    case Command::Wiederholer:
        return {"BMuster1", "Wiederholer-Markierung", "&Wiederholer-Markierung...", "MWiederholer"};
    case Command::Muster:
        return {"BMuster2", "Gewinnzahlen- und Endzahlen-Muster", "Gewinnzahlen- und &Endzahlen-Muster...", "MMuster"};
    case Command::Systeme:
        return {"BSysteme", "Systeme: wenige Reihen mit bewiesener Garantie", "&Systeme...", "MSysteme"};
    }
    return {"", "", "", ""};
}

// The keys of the main steps, the same in every window that offers them.
QKeySequence KeysOf(Command command) {
    switch (command) {
    case Command::Oeffnen:
        return QKeySequence(Qt::CTRL | Qt::Key_O);
    case Command::Eingabe:
        return QKeySequence(Qt::CTRL | Qt::Key_E);
    case Command::Eingabe2:
        return QKeySequence(Qt::CTRL | Qt::Key_L);
    case Command::Tippcenter:
        return QKeySequence(Qt::CTRL | Qt::Key_T);
    case Command::Statistik:
        return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
    case Command::Analyse:
        return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A);
    case Command::Druck:
        return QKeySequence(Qt::CTRL | Qt::Key_P);
    default:
        return {};
    }
}

// The one order of the tool bars, a separator between the groups: slips and tip rows; statistics and
// patterns; printing; small tools; program; help and end.
struct ToolBarPlace {
    Command command;
    int group;
};
constexpr ToolBarPlace kToolBarOrder[] = {
    {Command::Oeffnen, 0},        {Command::Eingabe, 0},   {Command::Eingabe2, 0},      {Command::Tippcenter, 0},
    {Command::Systeme, 0},        {Command::Statistik, 1}, {Command::Analyse, 1},       {Command::Wiederholer, 1},
    {Command::Muster, 1},         {Command::Druck, 2},     {Command::Kalender, 3},      {Command::NueberK, 3},
    {Command::Taschenrechner, 3}, {Command::Update, 4},    {Command::OnlineSpielen, 4}, {Command::Optionen, 4},
    {Command::HilfeBenutzen, 5},  {Command::Beenden, 5},
};

// Place of command in the tool-bar order; commands without a button come last.
std::size_t ToolBarRank(Command command) {
    const auto* place = std::find_if(std::begin(kToolBarOrder), std::end(kToolBarOrder),
                                     [command](const ToolBarPlace& p) { return p.command == command; });
    return static_cast<std::size_t>(place - std::begin(kToolBarOrder));
}

int ToolBarGroup(Command command) {
    const std::size_t rank = ToolBarRank(command);
    return rank < std::size(kToolBarOrder) ? kToolBarOrder[rank].group : static_cast<int>(std::size(kToolBarOrder));
}

// The hint of command's button: the end button of a window other than the main window only closes that
// window and says so.
QString HintOf(Command command, bool inMainWindow) {
    return command == Command::Beenden && !inMainWindow ? QStringLiteral("Fenster schließen")
                                                        : QString::fromUtf8(TextOf(command).hint);
}

// What a screen reader calls command's button: its hint, unless the hint alone does not tell what the
// button does (the two entry windows share theirs).
QString SpokenName(Command command, bool inMainWindow) {
    switch (command) {
    case Command::Eingabe:
        return QStringLiteral("Tippreihen auf Spielscheinen eingeben...");
    case Command::Eingabe2:
        return QStringLiteral("Viele Tippreihen als Liste eingeben...");
    default:
        return HintOf(command, inMainWindow);
    }
}

} // namespace

SharedCommands::SharedCommands(AppContext& context)
    : m_context(context) {}

QString SharedCommands::ButtonName(Command command) {
    return QString::fromUtf8(TextOf(command).button);
}

QString SharedCommands::Hint(Command command) {
    return QString::fromUtf8(TextOf(command).hint);
}

QString SharedCommands::MenuCaption(Command command) {
    return QString::fromUtf8(TextOf(command).menu);
}

QString SharedCommands::MenuItemName(Command command) {
    return QString::fromUtf8(TextOf(command).item);
}

void SharedCommands::BindWindow(Command command, const QString& formName) {
    m_windowOf[command] = formName;
}

void SharedCommands::BindOpener(Command command, Opener open) {
    m_openerOf[command] = std::move(open);
}

QString SharedCommands::WindowOf(Command command) const {
    const auto bound = m_windowOf.find(command);
    return bound == m_windowOf.end() ? QString() : bound->second;
}

bool SharedCommands::IsMainWindow(const QWidget* window) const {
    return window == nullptr || (!WindowOf(Command::Gewinnauswertung).isEmpty() &&
                                 window->objectName() == WindowOf(Command::Gewinnauswertung));
}

bool SharedCommands::IsAvailable(Command command) const {
    switch (command) {
    case Command::Oeffnen:
        return false; // each window opens slip files its own way
    case Command::Taschenrechner:
    case Command::Inhalt:
    case Command::HilfeBenutzen:
    case Command::Beenden:
        return true; // these need no window of the program's
    default: {
        const QString formName = WindowOf(command);
        return !formName.isEmpty() && m_context.windows.Knows(formName);
    }
    }
}

QAction* SharedCommands::MakeAction(QWidget* window, Command command, const QString& text, const QString& name,
                                    std::function<void()> ownAction) {
    auto* action = new QAction(text, window);
    action->setObjectName(name);
    action->setProperty(kMenuItemProperty, MenuItemName(command));
    action->setEnabled(ownAction ? true : IsAvailable(command));
    if (ownAction) {
        connect(action, &QAction::triggered, this,
                [this, own = std::move(ownAction)] { Guarded(m_context.ports.messages, own); });
    } else {
        connect(action, &QAction::triggered, this, [this, command, window] { Run(command, window); });
    }
    return action;
}

QAction* SharedCommands::AddToolButton(QToolBar* toolBar, QWidget* window, Command command, const QString& name,
                                       std::function<void()> ownAction) {
    const QString buttonName = name.isEmpty() ? ButtonName(command) : name;
    const bool inMain = IsMainWindow(window);
    QAction* action = MakeAction(window, command, HintOf(command, inMain), buttonName, std::move(ownAction));
    action->setIcon(CommandIcon(command));
    action->setToolTip(HintOf(command, inMain));
    toolBar->addAction(action);
    if (QWidget* button = toolBar->widgetForAction(action)) {
        button->setObjectName(buttonName);
        button->setAccessibleName(SpokenName(command, inMain));
    }
    return action;
}

QToolBar* SharedCommands::AddToolBar(QMainWindow* window) {
    QToolBar* toolBar = window->addToolBar(QStringLiteral("Werkzeuge"));
    toolBar->setObjectName(QStringLiteral("ToolBar1"));
    toolBar->setMovable(false);
    toolBar->setIconSize(QSize(32, 32));
    return toolBar;
}

void SharedCommands::AddToolButtons(QToolBar* toolBar, QWidget* window,
                                    std::initializer_list<std::initializer_list<Command>> groups,
                                    const std::map<Command, std::function<void()>>& ownActions) {
    std::vector<Command> commands;
    for (const std::initializer_list<Command>& group : groups) {
        commands.insert(commands.end(), group.begin(), group.end());
    }
    std::stable_sort(commands.begin(), commands.end(),
                     [](Command a, Command b) { return ToolBarRank(a) < ToolBarRank(b); });
    int group = -1;
    for (const Command command : commands) {
        if (group >= 0 && ToolBarGroup(command) != group) {
            toolBar->addSeparator();
        }
        group = ToolBarGroup(command);
        const auto own = ownActions.find(command);
        QAction* action = AddToolButton(toolBar, window, command, {}, own == ownActions.end() ? nullptr : own->second);
        if (command == Command::OnlineSpielen) {
            action->setVisible(false);
        }
    }
}

QAction* SharedCommands::AddMenuItem(QMenu* menu, QWidget* window, Command command, const QString& caption,
                                     const QString& name, std::function<void()> ownAction) {
    QAction* action = MakeAction(window, command, caption.isEmpty() ? MenuCaption(command) : caption,
                                 name.isEmpty() ? MenuItemName(command) : name, std::move(ownAction));
    // A step's key belongs to its first item in the window (the slip entry has two).
    const QKeySequence keys = KeysOf(command);
    const QList<QAction*> others = window->findChildren<QAction*>();
    if (!keys.isEmpty() && std::none_of(others.begin(), others.end(), [&keys, action](const QAction* other) {
            return other != action && other->shortcut() == keys;
        })) {
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
    }
    menu->addAction(action);
    return action;
}

SharedCommands::StandardMenus SharedCommands::AddStandardMenus(QMenuBar* menuBar, QWidget* window, MenuOf kind,
                                                               std::function<void()> openAction) {
    const auto addMenu = [menuBar](const char* name, const QString& caption) {
        QMenu* menu = menuBar->addMenu(caption);
        menu->setObjectName(QString::fromUtf8(name));
        return menu;
    };
    const bool main = kind == MenuOf::MainWindow;
    StandardMenus menus{};

    menus.datei = addMenu("MenuDatei", QStringLiteral("&Datei"));
    AddMenuItem(menus.datei, window, Command::Eingabe, QStringLiteral("&Neuer Spielschein"),
                QStringLiteral("MNeuerSpielschein"));
    AddMenuItem(menus.datei, window, Command::Oeffnen, {}, {}, std::move(openAction));
    AddMenuItem(menus.datei, window, Command::Druck);
    menus.datei->addSeparator();
    AddMenuItem(menus.datei, window, Command::Beenden);

    menus.tippreihen = addMenu("MenuTippreihen", QStringLiteral("&Tippreihen bilden"));
    AddMenuItem(menus.tippreihen, window, Command::Eingabe);
    AddMenuItem(menus.tippreihen, window, Command::Eingabe2);
    AddMenuItem(menus.tippreihen, window, Command::Tippcenter);
    AddMenuItem(menus.tippreihen, window, Command::Systeme);
    if (!main) {
        AddMenuItem(menus.tippreihen, window, Command::Gewinnauswertung);
    }

    menus.analyse = addMenu("MenuAnalyse", QStringLiteral("&Analyse"));
    AddMenuItem(menus.analyse, window, Command::Statistik);
    AddMenuItem(menus.analyse, window, Command::Analyse);
    AddMenuItem(menus.analyse, window, Command::Wiederholer);
    AddMenuItem(menus.analyse, window, Command::Muster);

    menus.aktualisierung = addMenu("MenuAktualisierung", QStringLiteral("A&ktualisierung"));
    AddMenuItem(menus.aktualisierung, window, Command::Update);
    if (!main) {
        AddMenuItem(menus.aktualisierung, window, Command::Gewinnzahlen);
    }

    menus.tools = addMenu("MenuTools", QStringLiteral("T&ools"));
    AddMenuItem(menus.tools, window, Command::Kalender);
    AddMenuItem(menus.tools, window, Command::NueberK);
    AddMenuItem(menus.tools, window, Command::Taschenrechner);

    menus.extras = addMenu("MenuExtras", QStringLiteral("E&xtras"));
    // The main window opens the settings from elsewhere.
    AddMenuItem(menus.extras, window, Command::Optionen)->setVisible(!main);
    AddMenuItem(menus.extras, window, Command::Gewinnchancen);
    AddMenuItem(menus.extras, window, Command::Rueckblick);
    // Online play is not offered, as its tool-bar button is not.
    AddMenuItem(menus.extras, window, Command::OnlineSpielen)->setVisible(false);

    menus.hilfe = addMenu("MenuHilfe", QStringLiteral("&Hilfe"));
    AddMenuItem(menus.hilfe, window, Command::Inhalt);
    // Some windows' menu item leads to another topic than their help button.
    AddMenuItem(menus.hilfe, window, Command::HilfeBenutzen, {}, {}, [this, window] {
        m_context.ports.help.ShowTopic(MenuHelpTopic(HelpOf(window->objectName().toStdString())));
    });
    menus.hilfe->addSeparator();
    AddMenuItem(menus.hilfe, window, Command::Info);
    return menus;
}

void SharedCommands::InstallHelpKey(QWidget* window) {
    auto* key = new QShortcut(QKeySequence(Qt::Key_F1), window);
    key->setObjectName(QStringLiteral("HelpKey"));
    key->setContext(Qt::WindowShortcut);
    connect(key, &QShortcut::activated, this, [this, window] {
        const int topic = HelpOf(window->objectName().toStdString()).keyTopic;
        if (topic != 0) {
            m_context.ports.help.ShowTopic(topic);
        }
    });
}

void SharedCommands::Run(Command command, QWidget* window) {
    if (!IsAvailable(command)) {
        return;
    }
    Guarded(m_context.ports.messages, [&] { Execute(command, window); });
}

void SharedCommands::Execute(Command command, QWidget* window) {
    if (const auto opener = m_openerOf.find(command); opener != m_openerOf.end()) {
        opener->second(window);
        return;
    }
    WindowRegistry& windows = m_context.windows;
    switch (command) {
    case Command::Gewinnauswertung:
        windows.ShowWindow(WindowOf(command));
        break;
    case Command::Taschenrechner:
        if (!m_context.ports.shell.StartCalculator()) {
            m_context.ports.messages.Information(QStringLiteral("Es wurde kein Taschenrechner gefunden."));
        }
        break;
    case Command::Inhalt:
        m_context.ports.help.ShowTopic(kHelpContents);
        break;
    case Command::HilfeBenutzen: {
        m_context.ports.help.ShowTopic(
            ButtonHelpTopic(HelpOf(window ? window->objectName().toStdString() : std::string())));
        break;
    }
    case Command::Beenden:
        if (window) {
            window->close();
        }
        break;
    case Command::Oeffnen:
        break;
    default:
        // Every other command shows its window.
        windows.OpenOrRestore(m_context, WindowOf(command));
        break;
    }
}

} // namespace qv
