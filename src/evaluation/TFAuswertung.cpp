#include "evaluation/TFAuswertung.h"

#include "core/AppContext.h"
#include "core/CommandIcons.h"
#include "core/SharedCommands.h"
#include "core/Titles.h"
#include "core/WindowRegistry.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QToolBar>

namespace qv {

TFAuswertung::TFAuswertung(AppContext& context)
    : m_context(context) {
    setObjectName(QStringLiteral("FAuswertung"));
    CreateToolBar();
    CreateMenu();
    CreateGroups();
    m_context.commands.InstallHelpKey(this);
    setWindowTitle(WindowTitle(TitleSuffixes::Zentrale));
    resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height() + m_toolBar->sizeHint().height());
}

void TFAuswertung::CreateToolBar() {
    SharedCommands& commands = m_context.commands;
    m_toolBar = addToolBar(QStringLiteral("Werkzeuge"));
    m_toolBar->setObjectName(QStringLiteral("ToolBar1"));
    m_toolBar->setMovable(false);
    m_toolBar->setIconSize(QSize(32, 32));

    commands.AddToolButton(m_toolBar, this, Command::Oeffnen);
    commands.AddToolButton(m_toolBar, this, Command::Eingabe);
    commands.AddToolButton(m_toolBar, this, Command::Eingabe2);
    commands.AddToolButton(m_toolBar, this, Command::Tippcenter);
    m_toolBar->addSeparator();
    commands.AddToolButton(m_toolBar, this, Command::Statistik);
    commands.AddToolButton(m_toolBar, this, Command::Analyse);
    AddShowButton(QStringLiteral("BMuster1"), QStringLiteral("Wiederholer-Markierung"), QStringLiteral("FDetail1"),
                  QColor(0x82, 0x77, 0x17), QStringLiteral("W"));
    AddShowButton(QStringLiteral("BMuster2"), QStringLiteral("Gewinnzahlen- und Endzahlen-Muster"),
                  QStringLiteral("FDetail2"), QColor(0x9e, 0x9d, 0x24), QStringLiteral("M"));
    m_toolBar->addSeparator();
    commands.AddToolButton(m_toolBar, this, Command::Druck);
    commands.AddToolButton(m_toolBar, this, Command::Kalender);
    commands.AddToolButton(m_toolBar, this, Command::NueberK);
    commands.AddToolButton(m_toolBar, this, Command::Taschenrechner);
    commands.AddToolButton(m_toolBar, this, Command::Update);
    // The main window offers neither online play nor the settings button.
    commands.AddToolButton(m_toolBar, this, Command::OnlineSpielen)->setVisible(false);
    commands.AddToolButton(m_toolBar, this, Command::Optionen)->setVisible(false);
    m_toolBar->addSeparator();
    commands.AddToolButton(m_toolBar, this, Command::HilfeBenutzen);
    commands.AddToolButton(m_toolBar, this, Command::Beenden);
}

void TFAuswertung::AddShowButton(const QString& name, const QString& hint, const QString& formName,
                                 const QColor& colour, const QString& glyph) {
    auto* action = new QAction(TileIcon(colour, glyph), hint, this);
    action->setObjectName(name);
    action->setToolTip(hint);
    action->setEnabled(m_context.windows.Knows(formName));
    connect(action, &QAction::triggered, this, [this, formName] { m_context.windows.ShowWindow(formName); });
    m_toolBar->addAction(action);
    if (QWidget* button = m_toolBar->widgetForAction(action)) {
        button->setObjectName(name);
        button->setAccessibleName(hint);
    }
}

void TFAuswertung::CreateMenu() {
    SharedCommands& commands = m_context.commands;
    const auto addMenu = [this](const QString& name, const QString& caption) {
        QMenu* menu = menuBar()->addMenu(caption);
        menu->setObjectName(name);
        return menu;
    };

    QMenu* file = addMenu(QStringLiteral("MenuDatei"), QStringLiteral("&Datei"));
    commands.AddMenuItem(file, this, Command::Eingabe, QStringLiteral("&Neuer Spielschein"),
                         QStringLiteral("MNeuerSpielschein"));
    commands.AddMenuItem(file, this, Command::Oeffnen);
    file->addSeparator();
    commands.AddMenuItem(file, this, Command::Beenden);

    QMenu* tips = addMenu(QStringLiteral("MenuTippreihen"), QStringLiteral("&Tippreihen bilden"));
    commands.AddMenuItem(tips, this, Command::Eingabe);
    commands.AddMenuItem(tips, this, Command::Tippcenter);

    QMenu* analysis = addMenu(QStringLiteral("MenuAnalyse"), QStringLiteral("&Analyse"));
    commands.AddMenuItem(analysis, this, Command::Statistik);
    commands.AddMenuItem(analysis, this, Command::Analyse);

    QMenu* update = addMenu(QStringLiteral("MenuAktualisierung"), QStringLiteral("A&ktualisierung"));
    commands.AddMenuItem(update, this, Command::Update);

    QMenu* tools = addMenu(QStringLiteral("MenuTools"), QStringLiteral("T&ools"));
    commands.AddMenuItem(tools, this, Command::Kalender);
    commands.AddMenuItem(tools, this, Command::NueberK);
    commands.AddMenuItem(tools, this, Command::Taschenrechner);

    QMenu* extras = addMenu(QStringLiteral("MenuExtras"), QStringLiteral("E&xtras"));
    commands.AddMenuItem(extras, this, Command::Optionen)->setVisible(false);

    QMenu* help = addMenu(QStringLiteral("MenuHilfe"), QStringLiteral("&Hilfe"));
    commands.AddMenuItem(help, this, Command::Inhalt);
    commands.AddMenuItem(help, this, Command::HilfeBenutzen);
    help->addSeparator();
    commands.AddMenuItem(help, this, Command::Info);
}

void TFAuswertung::CreateGroups() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Client"));
    m_gr1 = new QGroupBox(QStringLiteral("Gewinnreihen"), client);
    m_gr1->setObjectName(QStringLiteral("Gr1"));
    m_gr2 = new QGroupBox(QStringLiteral("Spielreihen-Auswertung"), client);
    m_gr2->setObjectName(QStringLiteral("Gr2"));

    auto* layout = new QHBoxLayout(client);
    layout->addWidget(m_gr1, 1);
    layout->addWidget(m_gr2, 1);
    setCentralWidget(client);
}

void TFAuswertung::closeEvent(QCloseEvent* event) {
    // The winning-number window stores its settings in its own close handling; the other windows are
    // discarded without theirs.
    if (QWidget* numbers = m_context.windows.Find(QStringLiteral("FGewinnzahlen"))) {
        numbers->close();
    }
    event->accept();
    QCoreApplication::exit(0);
}

} // namespace qv
