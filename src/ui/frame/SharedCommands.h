#pragma once

#include "ui/frame/Command.h"

#include <QObject>
#include <QString>

#include <functional>
#include <initializer_list>
#include <map>

class QAction;
class QMainWindow;
class QMenu;
class QMenuBar;
class QToolBar;
class QWidget;

namespace qv {

struct AppContext;

// The commands every window's tool bar and menu offer. A window adds the buttons and items its form
// has; they all run here, so a command does the same from everywhere. Which window a command shows is
// told by the window table (BindWindow, BindOpener); a command whose window the program does not have
// (yet) is disabled. Every tool-bar button has its menu item: both carry the item's name in the
// property kMenuItemProperty.
class SharedCommands : public QObject {
    Q_OBJECT

public:
    static constexpr const char* kMenuItemProperty = "qvMenuItem";
    // Opens a command's window, asked from window (null when from no window).
    using Opener = std::function<void(QWidget* window)>;

    explicit SharedCommands(AppContext& context);

    // The window that command shows: the form name of its window in the window table.
    void BindWindow(Command command, const QString& formName);
    // A command that does more than show its window.
    void BindOpener(Command command, Opener open);
    // The form name bound to command; empty when none is.
    QString WindowOf(Command command) const;

    // The button's name ("BStatistik"), hint and menu caption of a command; empty where it has none.
    static QString ButtonName(Command command);
    static QString Hint(Command command);
    static QString MenuCaption(Command command);
    // The name of the command's menu item: "M" + the command ("MStatistik").
    static QString MenuItemName(Command command);

    // A picture button with the command's hint in the tool bar of window. name replaces the usual
    // button name (some windows call the tip-centre button "BitBtn1"); ownAction replaces the shared
    // action (the window's own open command).
    QAction* AddToolButton(QToolBar* toolBar, QWidget* window, Command command, const QString& name = {},
                           std::function<void()> ownAction = {});
    // The window's tool bar "Werkzeuge" ("ToolBar1"), fixed in place, with 32-pixel pictures.
    static QToolBar* AddToolBar(QMainWindow* window);
    // Picture buttons of the commands, in the one order of every tool bar with a separator between its
    // groups, however the window lists them. ownActions replace the shared actions of some commands (a
    // window's own open command). Online play is not offered: where a window's form has its button,
    // the button stays hidden.
    void AddToolButtons(QToolBar* toolBar, QWidget* window,
                        std::initializer_list<std::initializer_list<Command>> commands,
                        const std::map<Command, std::function<void()>>& ownActions = {});
    // A menu item; caption replaces the usual one ("&Neuer Spielschein" for the slip entry). The main
    // steps have keys of their own (Ctrl+P prints), on their first item in the window.
    QAction* AddMenuItem(QMenu* menu, QWidget* window, Command command, const QString& caption = {},
                         const QString& name = {}, std::function<void()> ownAction = {});

    // The menus of the usual menu bar, for a window to add to or to change.
    struct StandardMenus {
        QMenu* datei;          // "&Datei"
        QMenu* tippreihen;     // "&Tippreihen bilden"
        QMenu* analyse;        // "&Analyse"
        QMenu* aktualisierung; // "A&ktualisierung"
        QMenu* tools;          // "T&ools"
        QMenu* extras;         // "E&xtras"
        QMenu* hilfe;          // "&Hilfe"
    };
    enum class MenuOf { MainWindow, OtherWindow };
    // Fills the menu bar of window with the usual menus. The main window's settings item is hidden;
    // the other windows also get "&Gewinnauswertung" and the winning-number item. openAction is the
    // window's own way to open slip files (the item stays disabled without one).
    StandardMenus AddStandardMenus(QMenuBar* menuBar, QWidget* window, MenuOf kind,
                                   std::function<void()> openAction = {});

    // The help key (F1) of window opens its topic; its form name must be set.
    void InstallHelpKey(QWidget* window);

    bool IsAvailable(Command command) const;
    // Runs command as asked from window, under the general error report.
    void Run(Command command, QWidget* window);

private:
    bool IsMainWindow(const QWidget* window) const;
    QAction* MakeAction(QWidget* window, Command command, const QString& text, const QString& name,
                        std::function<void()> ownAction);
    void Execute(Command command, QWidget* window);

    AppContext& m_context;
    std::map<Command, QString> m_windowOf;
    std::map<Command, Opener> m_openerOf;
};

} // namespace qv
