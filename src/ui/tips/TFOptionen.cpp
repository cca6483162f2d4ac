#include "ui/tips/TFOptionen.h"

#include "engine/core/ProgramState.h"
#include "engine/core/SlipFile.h"
#include "engine/tips/TipGeneration.h"
#include "text/DataFolder.h"
#include "ui/frame/AppContext.h"
#include "ui/frame/CommandIcons.h"
#include "ui/frame/ErrorReport.h"
#include "ui/frame/HelpContexts.h"
#include "ui/frame/SharedCommands.h"
#include "ui/frame/Titles.h"
#include "ui/frame/WindowAccessibility.h"
#include "ui/tips/GameChoiceLists.h"
#include "ui/widgets/Controls.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>

#include <system_error>

namespace qv {

namespace {

QString PathText(const std::string& stored) {
    return QString::fromUtf8(stored.data(), static_cast<qsizetype>(stored.size()));
}

QString DisplayName(const std::string& stored) {
    return QString::fromStdString(SlipDisplayName(ToPath(PathText(stored))));
}

// The same file, however the path was written.
QString Canonical(const QString& path) {
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QFileInfo(path).absoluteFilePath() : canonical;
}

} // namespace

TFOptionen::TFOptionen(AppContext& context)
    : m_context(context) {
    setObjectName(QLatin1String(kFormName));
    setWindowTitle(WindowTitle(TitleSuffixes::Programmeinstellungen));
    LoadRecord();

    auto* menus = new QMenuBar(this);
    QMenu* datei = menus->addMenu(QStringLiteral("&Datei"));
    datei->setObjectName(QStringLiteral("MenuDatei"));
    QAction* save = datei->addAction(QStringLiteral("S&peichern"));
    save->setObjectName(QStringLiteral("MSpeichern"));
    datei->addSeparator();
    QAction* quit = datei->addAction(QStringLiteral("&Beenden"));
    quit->setObjectName(QStringLiteral("MBeenden"));
    QMenu* hilfe = menus->addMenu(QStringLiteral("&Hilfe"));
    hilfe->setObjectName(QStringLiteral("MenuHilfe"));
    for (const char* caption : {"&Inhalt", "&Suchen..."}) {
        // The settings' help comes from the help button and the help key.
        hilfe->addAction(QString::fromUtf8(caption))->setEnabled(false);
    }
    QAction* helpItem = hilfe->addAction(QStringLiteral("&Hilfe benutzen"));
    helpItem->setObjectName(QStringLiteral("MHilfeBenutzen"));
    hilfe->addAction(QStringLiteral("In&fo..."))->setEnabled(false);
    const auto showHelp = [this] { m_context.ports.help.ShowTopic(ButtonHelpTopic(HelpOf(kFormName))); };
    connect(save, &QAction::triggered, this, &TFOptionen::Save);
    connect(quit, &QAction::triggered, this, &TFOptionen::close);
    connect(helpItem, &QAction::triggered, this, showHelp);

    auto* tools = new QToolBar(this);
    tools->setObjectName(QStringLiteral("ToolBar1"));
    tools->setIconSize(QSize(32, 32));
    // Each button has its menu item.
    const auto toolButton = [tools](const QString& name, const QIcon& icon, const QString& hint,
                                    const QAction* menuItem) {
        QAction* action = tools->addAction(icon, hint);
        action->setObjectName(name);
        action->setToolTip(hint);
        action->setProperty(SharedCommands::kMenuItemProperty, menuItem->objectName());
        if (QWidget* button = tools->widgetForAction(action)) {
            button->setObjectName(name);
            button->setAccessibleName(hint);
        }
        return action;
    };
    connect(toolButton(QStringLiteral("BitBtn3"), PictureIcon(Picture::Save), QStringLiteral("Speichern"), save),
            &QAction::triggered, this, &TFOptionen::Save);
    connect(
        toolButton(QStringLiteral("BitBtn2"), CommandIcon(Command::HilfeBenutzen), QStringLiteral("Hilfe"), helpItem),
        &QAction::triggered, this, showHelp);
    connect(
        toolButton(QStringLiteral("BitBtn7"), CommandIcon(Command::Beenden), QStringLiteral("Fenster schließen"), quit),
        &QAction::triggered, this, &TFOptionen::close);

    auto* heading = new QLabel(QStringLiteral("Einstellungen für den Programmstart"), this);
    heading->setObjectName(QStringLiteral("LUeberschrift"));
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    heading->setFont(bold);

    auto* areas = new QHBoxLayout;
    areas->addWidget(CreateFileList(), 1);
    areas->addWidget(CreatePresets(), 0);

    auto* label9 = new QLabel(QStringLiteral("Speichern nicht vergessen!"), this);
    label9->setObjectName(QStringLiteral("Label9"));
    auto* saveButton = Button(QStringLiteral("BSave"), QStringLiteral("Speichern"), this);
    saveButton->setAccessibleName(QStringLiteral("Einstellungen speichern"));
    auto* closeButton = CloseButton(this, QStringLiteral("BitBtn5"));
    closeButton->setAutoDefault(false);
    saveButton->setAutoDefault(false);
    connect(saveButton, &QPushButton::clicked, this, &TFOptionen::Save);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(label9, 1);
    bottom->addWidget(saveButton);
    bottom->addWidget(closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menus);
    layout->addWidget(tools);
    layout->addWidget(heading);
    layout->addLayout(areas, 1);
    layout->addLayout(bottom);

    m_context.commands.InstallHelpKey(this);
    resize(sizeHint());
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if (old != nullptr && old->window() == this) {
            FocusChanged(now);
        }
    });
}

void TFOptionen::LoadRecord() {
    ProgramState& state = m_context.state;
    Guarded(m_context.ports.messages, [&state] {
        std::optional<SettingsRecord> record = LoadSettingsRecord(state.DataFolder / kSettingsRecordFileName);
        if (!record) {
            return;
        }
        // A file that went away since the last run leaves no gap in the list.
        KeepExistingStartSlips(*record, [](const std::string& path) {
            std::error_code ec;
            return std::filesystem::is_regular_file(ToPath(PathText(path)), ec);
        });
        state.Settings = *record;
        state.SettingsLoaded = true;
    });
}

QWidget* TFOptionen::CreateFileList() {
    m_fileBox = new QGroupBox(QStringLiteral("Spielschein-Dateien öffnen..."), this);
    m_fileBox->setObjectName(QStringLiteral("GroupBox1"));
    auto* grid = new QGridLayout(m_fileBox);
    auto* add = TwoLineButton(QStringLiteral("BHinzu"), QStringLiteral("Spielschein-\nDatei hinzufügen"), m_fileBox);
    auto* remove = TwoLineButton(QStringLiteral("BDel"), QStringLiteral("Markierten\nEintrag löschen"), m_fileBox);
    m_openNow = new QCheckBox(QStringLiteral("Jetzt auch im Haupt-\nfenster öffnen"), m_fileBox);
    m_openNow->setObjectName(QStringLiteral("CBOpen"));
    SetSpokenName(m_openNow, m_openNow->text());
    m_openNow->setChecked(true);
    auto* listHeading = new QLabel(QStringLiteral("Mit Start öffnen..."), m_fileBox);
    m_files = new QListWidget(m_fileBox);
    m_files->setObjectName(QStringLiteral("l1"));
    m_files->setAccessibleName(QStringLiteral("Mit Start öffnen"));
    m_files->setMinimumWidth(200);
    listHeading->setBuddy(m_files);
    m_files->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* deleteEntry = new QAction(QStringLiteral("Markierten Eintrag löschen"), m_files);
    deleteEntry->setObjectName(QStringLiteral("MEintragLoeschen"));
    m_files->addAction(deleteEntry);

    grid->addWidget(add, 0, 0);
    grid->addWidget(remove, 1, 0);
    grid->addWidget(m_openNow, 2, 0);
    grid->addWidget(listHeading, 0, 1);
    grid->addWidget(m_files, 1, 1, 3, 1);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(1, 1);

    const ProgramState& state = m_context.state;
    if (state.SettingsLoaded) {
        for (int s = 0; s < StartSlipCount(state.Settings); ++s) {
            m_files->addItem(DisplayName(state.Settings.StartSlipList[static_cast<std::size_t>(s)]));
        }
    }
    connect(add, &QPushButton::clicked, this, &TFOptionen::AddSlipFile);
    connect(remove, &QPushButton::clicked, this, &TFOptionen::DeleteSlipFile);
    connect(deleteEntry, &QAction::triggered, this, &TFOptionen::DeleteSlipFile);
    return m_fileBox;
}

QWidget* TFOptionen::CreatePresets() {
    m_presetBox = new QGroupBox(QStringLiteral("Tippcenter"), this);
    m_presetBox->setObjectName(QStringLiteral("Gr1"));
    m_presetBox->setMinimumSize(240, 330);
    auto* layout = new QVBoxLayout(m_presetBox);
    auto* grid = new QGridLayout;
    for (int g = 1; g <= GeneratorPresets::kGames; ++g) {
        auto* typeLabel = new QLabel(QStringLiteral("Spiel %1").arg(g), m_presetBox);
        QComboBox* type = MakeKenoTypeList(m_presetBox, g);
        typeLabel->setBuddy(type);
        auto* methodLabel = new QLabel(QStringLiteral("Bilde die Tippreihen..."), m_presetBox);
        QComboBox* method = MakeMethodList(m_presetBox, g);
        methodLabel->setBuddy(method);
        method->setAccessibleName(QStringLiteral("Spiel %1: Bilde die Tippreihen...").arg(g));
        m_kenoTypes[static_cast<std::size_t>(g - 1)] = type;
        m_methods[static_cast<std::size_t>(g - 1)] = method;
        grid->addWidget(typeLabel, 2 * (g - 1), 0);
        grid->addWidget(type, 2 * (g - 1), 1);
        grid->addWidget(methodLabel, 2 * (g - 1) + 1, 0);
        grid->addWidget(method, 2 * (g - 1) + 1, 1);
        grid->setRowMinimumHeight(2 * (g - 1) + 1, 0);
        for (QComboBox* list : {type, method}) {
            connect(list, &QComboBox::activated, this, [this] { m_dirty = true; });
        }
    }
    layout->addLayout(grid);
    auto* transfer = TwoLineButton(QStringLiteral("BTransfer"), QStringLiteral("In Tipp-Center-\nübertragen"),
                                   m_presetBox, QStringLiteral("In Tipp-Center übertragen"));
    transfer->setAutoDefault(false);
    layout->addWidget(transfer);
    layout->addStretch(1);
    connect(transfer, &QPushButton::clicked, this, &TFOptionen::TransferPresets);

    const ProgramState& state = m_context.state;
    if (state.SettingsLoaded) {
        for (int g = 0; g < GeneratorPresets::kGames; ++g) {
            const int type = state.Settings.presets.kenoTypes[static_cast<std::size_t>(g)];
            const int method = state.Settings.presets.methods[static_cast<std::size_t>(g)];
            if (type < 10) {
                m_kenoTypes[static_cast<std::size_t>(g)]->setCurrentIndex(type);
            }
            if (method < kTipMethodCount) {
                m_methods[static_cast<std::size_t>(g)]->setCurrentIndex(method);
            }
        }
    }
    return m_presetBox;
}

void TFOptionen::OpenStartSlips(const QStringList& alreadyOpen) {
    QStringList open;
    for (const QString& path : alreadyOpen) {
        open << Canonical(path);
    }
    const SettingsRecord& record = m_context.state.Settings;
    for (int s = 0; s < StartSlipCount(record); ++s) {
        const QString path = PathText(record.StartSlipList[static_cast<std::size_t>(s)]);
        if (!QFileInfo(path).isFile() || open.contains(Canonical(path))) {
            continue;
        }
        open << Canonical(path);
        emit OpenSlipRequested(path);
    }
}

void TFOptionen::AddSlipFile() {
    FileDialogRequest request;
    request.title = QStringLiteral("Datei wählen");
    request.filter = QString::fromUtf8(kSlipFileFilter);
    request.defaultExtension = QString::fromUtf8(kSlipExtension);
    request.startFolder = FromPath(m_context.state.DataFolder);
    const std::optional<QString> chosen = m_context.ports.fileDialogs.OpenOne(request);
    if (!chosen) {
        return;
    }
    const QByteArray stored = chosen->toUtf8();
    switch (AddStartSlip(m_context.state.Settings, stored.toStdString())) {
    case AddSlipOutcome::ListFull:
        m_context.ports.messages.Error(
            QStringLiteral("Die Datei-Liste kann maximal 10 Einträge umfassen.\r\rBitte löschen Sie einen bestehenden "
                           "Eintrag über die rechte Maustaste.\r\rIch breche erst einmal ab."));
        return;
    case AddSlipOutcome::PathTooLong:
        m_context.ports.messages.Error(
            QStringLiteral("Der Pfad dieser Datei ist länger als 255 Zeichen; so lange Pfade kann die Liste nicht "
                           "aufnehmen.\r\rIch breche erst einmal ab."));
        return;
    case AddSlipOutcome::Added:
        break;
    }
    m_files->addItem(DisplayName(stored.toStdString()));
    m_dirty = true;
    if (m_openNow->isChecked()) {
        emit OpenSlipRequested(*chosen);
    }
}

void TFOptionen::DeleteSlipFile() {
    const QList<QListWidgetItem*> selected = m_files->selectedItems();
    if (selected.isEmpty()) {
        m_context.ports.messages.Error(m_files->count() == 0
                                           ? QStringLiteral("Es gibt nichts zu löschen.")
                                           : QStringLiteral("Es wurde kein Listeneintrag markiert.\r\rIch breche erst "
                                                            "einmal ab."));
        return;
    }
    const int entry = m_files->row(selected.first());
    delete m_files->takeItem(entry);
    RemoveStartSlip(m_context.state.Settings, entry);
    m_dirty = true;
}

void TFOptionen::TransferPresets() {
    emit PresetsTransferRequested(m_context.state.Settings.presets);
}

void TFOptionen::Save() {
    ProgramState& state = m_context.state;
    for (int g = 0; g < GeneratorPresets::kGames; ++g) {
        state.Settings.presets.kenoTypes[static_cast<std::size_t>(g)] =
            PresetEntry(*m_kenoTypes[static_cast<std::size_t>(g)]);
        state.Settings.presets.methods[static_cast<std::size_t>(g)] =
            PresetEntry(*m_methods[static_cast<std::size_t>(g)]);
    }
    Guarded(m_context.ports.messages, [this, &state] {
        SaveSettingsRecord(state.DataFolder / kSettingsRecordFileName, state.Settings);
        m_dirty = false;
    });
}

void TFOptionen::FocusChanged(QWidget* now) {
    if (now != nullptr && (m_fileBox->isAncestorOf(now) || m_presetBox->isAncestorOf(now))) {
        m_dirty = true;
    }
}

bool TFOptionen::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        // Coming back from our own question is no new visit.
        if (!m_answeredNo) {
            m_dirty = false;
        }
        m_answeredNo = false;
    }
    return QDialog::event(event);
}

void TFOptionen::reject() {
    // Closing by the close buttons, the window's close box or Escape.
    if (m_dirty && m_context.ports.messages.YesNo(
                       QStringLiteral("Haben Sie alles gespeichert, was zu speichern ist?")) != Messages::Answer::Yes) {
        m_answeredNo = true;
        return;
    }
    QDialog::reject();
}

} // namespace qv
