#include "ui/tools/TFNueberK.h"

#include "text/AppLocale.h"
#include "text/BinomialText.h"
#include "ui/frame/AppContext.h"
#include "ui/frame/CommandIcons.h"
#include "ui/frame/HelpContexts.h"
#include "ui/frame/SharedCommands.h"
#include "ui/frame/Titles.h"
#include "ui/frame/WindowAccessibility.h"
#include "ui/widgets/Controls.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>

namespace qv {

TFNueberK::TFNueberK(AppContext& context)
    : m_context(context)
    , m_n(new QLineEdit(this))
    , m_k(new QLineEdit(this))
    , m_result(new QLabel(this)) {
    setObjectName(QString::fromUtf8(kFormName));
    setWindowTitle(WindowTitle(TitleSuffixes::NueberK));
    setWindowFlag(Qt::Window);

    m_n->setObjectName(QStringLiteral("E1"));
    // n takes digits only; any other key is swallowed without a sound.
    m_n->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_n));
    m_k->setObjectName(QStringLiteral("E2"));
    for (QLineEdit* field : {m_n, m_k}) {
        field->setMaximumWidth(90);
    }
    auto* nLabel = BuddyLabel(QStringLiteral("&n ="), m_n, this, QStringLiteral("Label1"));
    auto* kLabel = BuddyLabel(QStringLiteral("&k ="), m_k, this, QStringLiteral("Label2"));
    m_n->setAccessibleName(QStringLiteral("n"));
    m_k->setAccessibleName(QStringLiteral("k"));

    auto* compute = PictureButton(QStringLiteral("BitBtn1"), PictureIcon(Picture::Compute),
                                  QStringLiteral("n über k berechnen"), this);
    m_result->setObjectName(QStringLiteral("P1"));
    m_result->setFrameShape(QFrame::Panel);
    m_result->setFrameShadow(QFrame::Sunken);
    m_result->setAlignment(Qt::AlignCenter);
    m_result->setMinimumWidth(260);
    m_result->setMinimumHeight(28);
    m_result->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_result->setFocusPolicy(Qt::StrongFocus);
    m_result->setAccessibleName(QStringLiteral("Ergebnis"));
    QFont bold = m_result->font();
    bold.setBold(true);
    m_result->setFont(bold);
    auto* help =
        PictureButton(QStringLiteral("BitBtn2"), CommandIcon(Command::HilfeBenutzen), QStringLiteral("Hilfe"), this);

    auto* about = new QLabel(QStringLiteral("Der sogenannte Binomialkoeffizient n über k beschreibt, wie viele "
                                            "Möglichkeiten es gibt, aus n vorgegebenen Elementen eine Teilmenge von "
                                            "k Elementen auszuwählen."),
                             this);
    about->setObjectName(QStringLiteral("Label3"));
    auto* example = new QLabel(QStringLiteral("Zu wissen, wie viele Möglichkeiten es für Teilmengen gibt, ist "
                                              "beispiels-\nweise für die Errechnung der Chancen für 6 Richtige im "
                                              "Lotto wichtig. Setzen Sie dafür 49 als n und 6 als k ein."),
                               this);
    example->setObjectName(QStringLiteral("Label4"));
    SetSpokenName(example, example->text());
    for (QLabel* label : {about, example}) {
        label->setWordWrap(true);
    }
    auto* close = CloseButton(this);

    auto* fields = new QHBoxLayout;
    fields->addWidget(nLabel);
    fields->addWidget(m_n);
    fields->addSpacing(12);
    fields->addWidget(kLabel);
    fields->addWidget(m_k);
    fields->addSpacing(12);
    fields->addWidget(compute);
    fields->addWidget(m_result, 1);

    // Help and close at the foot, right, as in the other windows.
    QHBoxLayout* bottom = CloseRow(close, help);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(about);
    layout->addWidget(example);
    layout->addStretch(1);
    layout->addLayout(bottom);

    connect(compute, &QToolButton::clicked, this, &TFNueberK::Compute);
    connect(m_n, &QLineEdit::returnPressed, this, &TFNueberK::Compute);
    connect(m_k, &QLineEdit::returnPressed, this, &TFNueberK::Compute);
    connect(help, &QToolButton::clicked, this,
            [this] { m_context.ports.help.ShowTopic(ButtonHelpTopic(HelpOf(kFormName))); });
    m_context.commands.InstallHelpKey(this);

    setTabOrder(m_n, m_k);
    setTabOrder(m_k, compute);
    setTabOrder(compute, m_result);
    setTabOrder(m_result, help);
    setTabOrder(help, close);
    resize(620, 230);
}

void TFNueberK::Compute() {
    const BinomialAnswer answer = AnswerBinomial(m_n->text(), m_k->text(), AppLocale());
    if (answer.refused) {
        m_context.ports.messages.Information(answer.text);
        return;
    }
    SetPanelValue(m_result, QStringLiteral("Ergebnis"), answer.text);
}

} // namespace qv
