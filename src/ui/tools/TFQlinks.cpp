#include "ui/tools/TFQlinks.h"

#include "engine/tools/QuickLinks.h"
#include "ui/frame/AppContext.h"
#include "ui/frame/CommandIcons.h"
#include "ui/frame/ErrorReport.h"
#include "ui/frame/InternetRoutines.h"
#include "ui/frame/SharedCommands.h"
#include "ui/frame/Titles.h"
#include "ui/widgets/Controls.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace qv {

namespace {

// The file holds its lines in the system's code page.
QString FromFile(const std::string& line) {
    return QString::fromLocal8Bit(line.data(), static_cast<qsizetype>(line.size()));
}

std::string ToFile(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

// The link as the program keeps it: the text when it is a valid address of a web page, empty otherwise.
std::string ValidOrEmpty(const QString& text) {
    return IsValidUrl(text) && IsWebLink(text.toStdString()) ? ToFile(text) : std::string();
}

// A valid address that leads elsewhere than to a web page ("file:", "mailto:", a share ...).
bool IsOtherAddress(const QString& text) {
    return IsValidUrl(text) && !IsWebLink(text.toStdString());
}

} // namespace

TFQlinks::TFQlinks(AppContext& context)
    : m_context(context)
    , m_link1(new QLineEdit(this))
    , m_link2(new QLineEdit(this)) {
    setObjectName(QString::fromUtf8(kFormName));
    setWindowTitle(WindowTitle(TitleSuffixes::GewinnzahlenFavoriten));
    setWindowFlag(Qt::Window);

    auto* intro = new QLabel(QStringLiteral("Die Internetseiten mit den KENO-Gewinnzahlen, die über die Links "
                                            "aufgerufen werden sollen, müssen hier einmal  eingepflegt werden."),
                             this);
    intro->setObjectName(QStringLiteral("Label1"));
    intro->setWordWrap(true);
    m_link1->setObjectName(QStringLiteral("Edit1"));
    m_link2->setObjectName(QStringLiteral("Edit2"));
    m_link1->setMinimumWidth(420);
    for (QLineEdit* link : {m_link1, m_link2}) {
        link->setPlaceholderText(QStringLiteral("Adresse einer Seite mit den Gewinnzahlen, z. B. https://…"));
    }
    auto* label1 = BuddyLabel(QStringLiteral("Link &1"), m_link1, this, QStringLiteral("Label11"));
    auto* label2 = BuddyLabel(QStringLiteral("Link &2"), m_link2, this, QStringLiteral("Label2"));
    const QIcon clearIcon = PictureIcon(Picture::Clear);
    auto* clear1 = PictureButton(QStringLiteral("BDel"), clearIcon, QStringLiteral("Link 1 leeren"), this);
    auto* clear2 = PictureButton(QStringLiteral("BitBtn2"), clearIcon, QStringLiteral("Link 2 leeren"), this);
    auto* search = new QPushButton(QStringLiteral("Google-\nSuche"), this);
    search->setObjectName(QStringLiteral("BGoogle"));
    search->setAccessibleName(QStringLiteral("Google-Suche"));
    auto* save = new QPushButton(QStringLiteral("Speichern"), this);
    save->setObjectName(QStringLiteral("BitBtn3"));
    auto* close = CloseButton(this);
    for (QPushButton* button : {search, save, close}) {
        button->setMinimumHeight(40);
    }

    auto* links = new QGridLayout;
    links->addWidget(label1, 0, 0);
    links->addWidget(m_link1, 0, 1);
    links->addWidget(clear1, 0, 2);
    links->addWidget(label2, 1, 0);
    links->addWidget(m_link2, 1, 1);
    links->addWidget(clear2, 1, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(search);
    buttons->addStretch(1);
    buttons->addWidget(save);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(links);
    layout->addStretch(1);
    layout->addLayout(buttons);

    connect(clear1, &QToolButton::clicked, m_link1, &QLineEdit::clear);
    connect(clear2, &QToolButton::clicked, m_link2, &QLineEdit::clear);
    connect(search, &QPushButton::clicked, this, &TFQlinks::SearchTheWeb);
    connect(save, &QPushButton::clicked, this, [this] { Guarded(m_context.ports.messages, [this] { Save(); }); });
    m_context.commands.InstallHelpKey(this);

    setTabOrder(m_link1, clear1);
    setTabOrder(clear1, m_link2);
    setTabOrder(m_link2, clear2);
    setTabOrder(clear2, search);
    setTabOrder(search, save);
    setTabOrder(save, close);
    resize(600, 220);

    // A file that cannot be read leaves the defaults; the program starts all the same.
    Guarded(m_context.ports.messages, [this] { Load(); });
}

void TFQlinks::Load() {
    const std::optional<QuickLinkLines> file = ReadQuickLinks(m_context.state.DataFolder / kQuickLinksFileName);
    const QuickLinkLines lines = file ? *file : QuickLinkLines{};
    const QString line1 = FromFile(lines.link1);
    const QString line2 = FromFile(lines.link2);
    m_context.state.ResultLink1 = ValidOrEmpty(line1);
    m_context.state.ResultLink2 = ValidOrEmpty(line2);
    if (!m_context.state.ResultLink1.empty()) {
        m_link1->setText(line1);
    }
    if (!m_context.state.ResultLink2.empty()) {
        m_link2->setText(line2);
    }
    emit LinksChanged();
}

void TFQlinks::Save() {
    const QLineEdit* edits[] = {m_link1, m_link2};
    for (int link = 1; link <= 2; ++link) {
        if (IsOtherAddress(edits[link - 1]->text())) {
            m_context.ports.messages.Error(
                QStringLiteral("Link %1 ist keine Adresse einer Internetseite. Aufgerufen werden nur Adressen, die "
                               "mit http:// oder https:// beginnen.\r\rIch breche erst einmal ab.")
                    .arg(link));
            return;
        }
    }
    const QuickLinkLines lines{ValidOrEmpty(m_link1->text()), ValidOrEmpty(m_link2->text())};
    // The links in use change only with the file, so a failed save changes nothing.
    WriteQuickLinks(m_context.state.DataFolder / kQuickLinksFileName, lines);
    m_context.state.ResultLink1 = lines.link1;
    m_context.state.ResultLink2 = lines.link2;
    emit LinksChanged();
}

void TFQlinks::SearchTheWeb() {
    const QString search = QStringLiteral("http://www.google.de/search?q=aktuelle+gewinnzahlen+belgisches+keno");
    if (!IsConnected(m_context.ports.internet, search)) {
        m_context.ports.messages.Information(
            QStringLiteral("Für den Aufruf der Suche muss eine Verbindung zum Internet bestehen."));
        return;
    }
    if (!m_context.ports.shell.OpenUrl(search)) {
        m_context.ports.messages.Error(QStringLiteral("Es gab ein Problem mit dem Seitenaufruf."));
    }
}

void TFQlinks::ShowModally() {
    hide();
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
}

void TFQlinks::hideEvent(QHideEvent* event) {
    setWindowModality(Qt::NonModal);
    QWidget::hideEvent(event);
}

} // namespace qv
