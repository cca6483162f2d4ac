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

// The mail address: acts like a link, by mouse and by keyboard.
class MailLabel : public ClickableLabel {
public:
    MailLabel(const QString& caption, std::function<void()> onClick, QWidget* parent)
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

    auto* contact = new QFrame(this);
    contact->setObjectName(QStringLiteral("PKontakt"));
    contact->setFrameShape(QFrame::StyledPanel);
    auto* mail = new MailLabel(
        QStringLiteral("E-Mail: ") + QString::fromUtf8(kServiceMail), [this] { WriteMail(); }, contact);
    mail->setObjectName(QStringLiteral("LMail"));
    mail->setAccessibleName(QStringLiteral("E-Mail an ") + QString::fromUtf8(kServiceMail) +
                            QStringLiteral(" schreiben"));
    auto* lines = new QVBoxLayout(contact);
    lines->setSpacing(2);
    lines->addWidget(Line("LName", QStringLiteral("Quovadra Software"), contact));
    lines->addWidget(Line("LStrasse", QStringLiteral("Lindenallee 17"), contact));
    lines->addWidget(Line("LPLZOrt", QStringLiteral("50667 Köln"), contact));
    lines->addWidget(Line("LTelefon", QStringLiteral("Telefon: 0221 / 123 45 60"), contact));
    lines->addWidget(Line("LFax", QStringLiteral("Fax: 0221 / 123 45 61"), contact));
    lines->addWidget(mail);
    lines->addStretch(1);

    auto* close = CloseButton(this);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(version);
    bottom->addStretch(1);
    bottom->addWidget(close);
    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addWidget(contact, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);

    m_context.commands.InstallHelpKey(this);
    setTabOrder(mail, close);
    setFixedSize(kClientWidth, kClientHeight);
}

void TFInfo::WriteMail() {
    m_context.ports.shell.OpenUrl(QStringLiteral("mailto:") + QString::fromUtf8(kServiceMail) +
                                  QStringLiteral("?subject=") + QString::fromUtf8(ProductName));
}

} // namespace qv
