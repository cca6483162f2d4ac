#include "ui/frame/SharedCommands.h"

#include "ui/frame/AppContext.h"
#include "ui/frame/CommandIcons.h"
#include "ui/frame/ErrorReport.h"
#include "ui/frame/HelpContexts.h"
#include "ui/frame/WindowRegistry.h"

#include <QAction>
#include <QDialog>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QToolBar>
#include <QToolButton>

namespace qv {

namespace {

struct CommandText {
    const char* button;
    const char* hint;
    const char* menu;
    const char* item;
    const char* formName; // the window the command needs, empty when it needs none
};

CommandText TextOf(Command command) {
    switch (command) {
    case Command::Statistik:
        return {"BStatistik", "Statistik für die Gewinnreihen aufrufen...", "Gewinnreihen-Statisti&k", "MStatistik",
                "FStatistik1"};
    case Command::Eingabe:
        return {"BEingabe", "Tippreihen eingeben...", "&Eingabe", "MEingabe", "FEingabe"};
    case Command::Eingabe2:
        return {"BEingabe2", "Tippreihen eingeben...", "", "MEingabe2", "FEingabe2"};
    case Command::Tippcenter:
        return {"BTippcenter", "Tipp-Center", "&Tippcenter", "MTippcenter", "FTippcenter"};
    case Command::Analyse:
        return {"BSysTest", "Tippreihen-Analyse", "Tippreihen-&Analyse", "MAnalyse", "FAnalyse"};
    case Command::Kalender:
        return {"BKalender", "Kalender", "&Kalender", "MKalender", "FKal"};
    case Command::NueberK:
        return {"BNoverK", "n über k", "&n über k", "MNueberK", "FNueberK"};
    case Command::Taschenrechner:
        return {"BCalc", "Taschenrechner", "&Taschenrechner", "MTaschenrechner", ""};
    case Command::Update:
        return {"BUpdate", "Online-Aktualisierung", "&Allgemeine Aktualisierungsprüfung", "MUpdate", "FUpdate"};
    case Command::Gewinnzahlen:
        return {"", "", "&Gewinnzahlen-Aktualisierung", "MGewinnzahlen", "FGewinnzahlen"};
    case Command::Gewinnauswertung:
        return {"", "", "&Gewinnauswertung", "MGewinnauswertung", "FAuswertung"};
    case Command::OnlineSpielen:
        return {"BOnlineSpielen", "Online spielen", "", "MOnlineSpielen", "FBrowser"};
    case Command::Druck:
        return {"BDruck", "Tippreihen drucken...", "", "MDruck", "FDruck"};
    case Command::Optionen:
        return {"BOptionen", "Einstellungen für das Programm vornehmen...", "Programm&einstellungen", "MOptionen",
                "FOptionen"};
    case Command::Oeffnen:
        return {"BOpen", "Spielschein-Datei öffnen...", "Spielschein-Datei ö&ffnen...", "MOeffnen", ""};
    case Command::Inhalt:
        return {"", "", "&Inhalt", "MInhalt", ""};
    case Command::HilfeBenutzen:
        return {"BitBtn2", "Hilfe", "&Hilfe benutzen", "MHilfeBenutzen", ""};
    case Command::Info:
        return {"", "", "In&fo...", "MInfo", "FInfo"};
    case Command::Beenden:
        return {"BitBtn7", "Programm beenden", "&Beenden", "MBeenden", ""};
    case Command::Gewinnchancen:
        return {"", "", "&Gewinnchancen...", "MGewinnchancen", "FGewinnchancen"};
    case Command::Rueckblick:
        return {"", "", "Methoden im &Rückblick...", "MRueckblick", "FRueckblick"};
    case Command::Systeme:
        return {"BSysteme", "Systeme: wenige Reihen mit bewiesener Garantie", "&Systeme...", "MSysteme", "FSysteme"};
    }
    return {"", "", "", "", ""};
}

// Only the main window's end button ends the program; the others close their own window.
bool EndsTheProgram(const QWidget* window) {
    return window == nullptr || window->objectName() == QLatin1String("FAuswertung");
}

// The hint of command's button in window: the end button of a window other than the main window only
// closes that window and says so.
QString HintIn(Command command, const QWidget* window) {
    return command == Command::Beenden && !EndsTheProgram(window) ? QStringLiteral("Fenster schließen")
                                                                  : QString::fromUtf8(TextOf(command).hint);
}

// What a screen reader calls command's button in window: its hint, unless the hint alone does not tell
// what the button does (the two entry windows share theirs).
QString SpokenName(Command command, const QWidget* window) {
    switch (command) {
    case Command::Eingabe:
        return QStringLiteral("Tippreihen auf Spielscheinen eingeben...");
    case Command::Eingabe2:
        return QStringLiteral("Viele Tippreihen als Liste eingeben...");
    default:
        return HintIn(command, window);
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

bool SharedCommands::IsAvailable(Command command) const {
    if (command == Command::Oeffnen) {
        return false; // each window opens slip files its own way
    }
    const QString formName = QString::fromUtf8(TextOf(command).formName);
    return formName.isEmpty() || m_context.windows.Knows(formName);
}

QAction* SharedCommands::MakeAction(QWidget* window, Command command, const QString& text, const QString& name,
                                    std::function<void()> ownAction) {
    auto* action = new QAction(text, window);
    action->setObjectName(name);
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
    QAction* action = MakeAction(window, command, HintIn(command, window), buttonName, std::move(ownAction));
    action->setIcon(CommandIcon(command));
    action->setToolTip(HintIn(command, window));
    toolBar->addAction(action);
    if (QWidget* button = toolBar->widgetForAction(action)) {
        button->setObjectName(buttonName);
        button->setAccessibleName(SpokenName(command, window));
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
                                    std::initializer_list<std::initializer_list<Command>> groups) {
    bool first = true;
    for (const std::initializer_list<Command>& group : groups) {
        if (!first) {
            toolBar->addSeparator();
        }
        first = false;
        for (const Command command : group) {
            QAction* action = AddToolButton(toolBar, window, command);
            if (command == Command::OnlineSpielen) {
                action->setVisible(false);
            }
        }
    }
}

QAction* SharedCommands::AddMenuItem(QMenu* menu, QWidget* window, Command command, const QString& caption,
                                     const QString& name, std::function<void()> ownAction) {
    QAction* action = MakeAction(window, command, caption.isEmpty() ? MenuCaption(command) : caption,
                                 name.isEmpty() ? MenuItemName(command) : name, std::move(ownAction));
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
    menus.datei->addSeparator();
    AddMenuItem(menus.datei, window, Command::Beenden);

    menus.tippreihen = addMenu("MenuTippreihen", QStringLiteral("&Tippreihen bilden"));
    AddMenuItem(menus.tippreihen, window, Command::Eingabe);
    AddMenuItem(menus.tippreihen, window, Command::Tippcenter);
    AddMenuItem(menus.tippreihen, window, Command::Systeme);
    if (!main) {
        AddMenuItem(menus.tippreihen, window, Command::Gewinnauswertung);
    }

    menus.analyse = addMenu("MenuAnalyse", QStringLiteral("&Analyse"));
    AddMenuItem(menus.analyse, window, Command::Statistik);
    AddMenuItem(menus.analyse, window, Command::Analyse);

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
    WindowRegistry& windows = m_context.windows;
    const QString formName = QString::fromUtf8(TextOf(command).formName);
    switch (command) {
    case Command::Statistik:
    case Command::Eingabe:
    case Command::Eingabe2:
    case Command::Tippcenter:
    case Command::Analyse:
    case Command::Kalender:
    case Command::OnlineSpielen:
    case Command::Info:
    case Command::Gewinnchancen:
    case Command::Rueckblick:
    case Command::Systeme:
    case Command::NueberK:
    case Command::Update:
    case Command::Gewinnzahlen:
        windows.OpenOrRestore(m_context, formName);
        break;
    case Command::Gewinnauswertung:
        windows.ShowWindow(formName);
        break;
    case Command::Druck:
        windows.OpenOrRestore(m_context, formName);
        windows.CreateAnew(m_context, QStringLiteral("FDetail"));
        windows.ShowWindow(formName);
        break;
    case Command::Optionen: {
        // Modal from the main window, modeless from the others.
        auto* settings = qobject_cast<QDialog*>(windows.Find(formName));
        if (settings && window && window->objectName() == QLatin1String("FAuswertung")) {
            settings->exec();
        } else {
            windows.ShowWindow(formName);
        }
        break;
    }
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
    }
}

} // namespace qv
