#include "ui/tools/TFBrowser.h"
#include "ui/widgets/ClickableLabel.h"

#include "ui/frame/AppContext.h"
#include "ui/frame/InternetRoutines.h"
#include "ui/frame/SharedCommands.h"
#include "ui/frame/Titles.h"
#include "ui/widgets/Controls.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace qv {

namespace {

// The warning line: a link to help against gambling addiction.
class WarningLink : public ClickableLabel {
public:
    WarningLink(const QString& caption, std::function<void()> onClick, QWidget* parent)
        : ClickableLabel(caption, std::move(onClick), parent) {
        QFont bold = font();
        bold.setBold(true);
        setFont(bold);
        QPalette colours = palette();
        colours.setColor(QPalette::WindowText, QColor(0xb7, 0x1c, 0x1c));
        setPalette(colours);
    }
};

constexpr int kPageWidth = 506;
constexpr int kPageHeight = 540;

} // namespace

TFBrowser::TFBrowser(AppContext& context)
    : m_context(context)
    , m_view(MakeWebView(this))
    , m_back(new QPushButton(QStringLiteral("Zurück"), this))
    , m_forward(new QPushButton(QStringLiteral("Vor"), this)) {
    setObjectName(QString::fromUtf8(kFormName));
    setWindowTitle(WindowTitle(TitleSuffixes::OnlineSpiel));
    setWindowFlag(Qt::Window);

    auto* warning = new WarningLink(
        QStringLiteral("KENO ist nur ein Spiel - Lassen Sie es nicht zur Sucht werden!"),
        [this] { OpenAddictionPage(); }, this);
    warning->setObjectName(QStringLiteral("Label1"));
    m_back->setObjectName(QStringLiteral("BBack"));
    m_forward->setObjectName(QStringLiteral("BForward"));
    auto* refresh = new QPushButton(QStringLiteral("Aktualisieren"), this);
    refresh->setObjectName(QStringLiteral("BRefresh"));
    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    // Without the browser module the page area says so, and "Aktualisieren" opens the page in the
    // player's own browser.
    QWidget* page =
        m_view ? m_view->Widget()
               : new QLabel(QStringLiteral("Die Seite kann hier nicht gezeigt werden; \"Aktualisieren\" öffnet "
                                           "sie in Ihrem Browser."),
                            this);
    page->setObjectName(QStringLiteral("web1"));
    page->setAccessibleName(QStringLiteral("Online-Spiel"));
    page->setMinimumSize(kPageWidth, kPageHeight);
    auto* close = CloseButton(this);

    auto* tools = new QHBoxLayout;
    tools->addWidget(m_back);
    tools->addWidget(m_forward);
    tools->addWidget(refresh);
    tools->addStretch(1);
    tools->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(warning);
    layout->addLayout(tools);
    layout->addWidget(page, 1);

    if (m_view) {
        // The buttons follow the browser's history: enabled exactly when it can go that way.
        m_view->OnHistoryChanged([this](bool back, bool forward) {
            m_back->setEnabled(back);
            m_forward->setEnabled(forward);
        });
        connect(m_back, &QPushButton::clicked, this, [this] { m_view->Back(); });
        connect(m_forward, &QPushButton::clicked, this, [this] { m_view->Forward(); });
    }
    connect(refresh, &QPushButton::clicked, this, &TFBrowser::Refresh);
    m_context.commands.InstallHelpKey(this);

    setTabOrder(warning, m_back);
    setTabOrder(m_back, m_forward);
    setTabOrder(m_forward, refresh);
    setTabOrder(refresh, close);
    setTabOrder(close, page);
    adjustSize();

    // Without a connection the window stays empty and says nothing until the user asks.
    if (m_view && IsConnected(m_context.ports.internet, PlayPage())) {
        m_view->Load(QUrl(PlayPage()));
    }
}

QString TFBrowser::PlayPage() const {
    return m_context.webSite + QStringLiteral("/KENO/Tipora.html");
}

void TFBrowser::Refresh() {
    if (!IsConnected(m_context.ports.internet, PlayPage())) {
        m_context.ports.messages.Information(
            QStringLiteral("Für das Online-Spiel muss eine Verbindung zum Internet bestehen."));
        return;
    }
    if (!m_view) {
        m_context.ports.shell.OpenUrl(PlayPage());
        return;
    }
    m_view->Load(QUrl(PlayPage()));
}

void TFBrowser::OpenAddictionPage() {
    m_context.ports.shell.OpenUrl(m_context.webSite + QStringLiteral("/spielsucht.html"));
}

} // namespace qv
