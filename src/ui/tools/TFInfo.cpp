#include "ui/tools/TFInfo.h"
#include "ui/widgets/ClickableLabel.h"

#include "engine/core/ProgramState.h"
#include "ui/frame/AppContext.h"
#include "ui/frame/CommandIcons.h"
#include "ui/frame/SharedCommands.h"
#include "ui/frame/Titles.h"
#include "ui/widgets/Controls.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace qv {

namespace {

// The web site: acts like a link, by mouse and by keyboard.
class LinkLabel : public ClickableLabel {
public:
    LinkLabel(const QString& caption, std::function<void()> onClick, QWidget* parent)
        : ClickableLabel(caption, std::move(onClick), parent) {
        QFont underlined = font();
        underlined.setUnderline(true);
        setFont(underlined);
        QPalette colours = palette();
        colours.setColor(QPalette::WindowText, QColor(0x0d, 0x47, 0xa1));
        setPalette(colours);
    }
};

QLabel* Line(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setWordWrap(true); // the window has a fixed size: a long line breaks instead of being cut
    return label;
}

} // namespace

TFInfo::TFInfo(AppContext& context)
    : m_context(context) {
    setObjectName(QString::fromUtf8(kFormName));
    setWindowTitle(QString::fromUtf8(TitleSuffixes::ProgrammInfo));
    setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    // The start window's picture, whole, at half its size.
    picture->setPixmap(
        StartPicture(QSize(400, 300)).scaled(QSize(176, 132), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    picture->setAlignment(Qt::AlignTop);
    picture->setAccessibleName(QString::fromUtf8(ProductName));
    auto* version = Line("LVersion", QStringLiteral("Version ") + QString::fromUtf8(ProductVersion), this);
    QFont bold = version->font();
    bold.setBold(true);
    version->setFont(bold);

    auto* about = new QFrame(this);
    about->setObjectName(QStringLiteral("PKontakt"));
    about->setFrameShape(QFrame::StyledPanel);
    auto* web = new LinkLabel(
        QStringLiteral("Web-Seite: ") + m_context.webSite, [this] { OpenWebSite(); }, about);
    web->setObjectName(QStringLiteral("LWeb"));
    web->setWordWrap(true);
    web->setAccessibleName(QStringLiteral("Web-Seite ") + m_context.webSite + QStringLiteral(" öffnen"));
    const QString licence = QStringLiteral(QV_LICENSE);
    auto* purpose = Line("LZweck", QStringLiteral("Für Spieler des täglichen Keno \"20 aus 70\""), about);
    purpose->setWordWrap(true);
    auto* lines = new QVBoxLayout(about);
    lines->setSpacing(4);
    lines->addWidget(Line("LName", QString::fromUtf8(ProductName), about));
    lines->addWidget(purpose);
    lines->addWidget(Line("LLizenz",
                          QStringLiteral("Lizenz: ") +
                              (licence.isEmpty() ? QStringLiteral("in diesem Build nicht angegeben") : licence),
                          about));
    lines->addWidget(web);
    lines->addStretch(1);

    auto* close = CloseButton(this);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(version);
    bottom->addStretch(1);
    bottom->addWidget(close);
    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addWidget(about, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);

    m_context.commands.InstallHelpKey(this);
    setTabOrder(web, close);
    setFixedSize(kClientWidth, kClientHeight);
}

void TFInfo::OpenWebSite() {
    m_context.ports.shell.OpenUrl(m_context.webSite);
}

} // namespace qv
