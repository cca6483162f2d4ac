#include "ui/draws/TFGewinnzahlen.h"
#include "ui/widgets/ClickableLabel.h"
#include "ui/widgets/Controls.h"

#include "engine/core/IniFile.h"
#include "engine/draws/WinningNumberSettings.h"
#include "text/WinningNumberText.h"
#include "ui/frame/AppContext.h"
#include "ui/frame/CommandIcons.h"
#include "ui/frame/ErrorReport.h"
#include "ui/frame/HelpContexts.h"
#include "ui/frame/InternetRoutines.h"
#include "ui/frame/SharedCommands.h"
#include "ui/frame/Titles.h"
#include "ui/frame/WindowAccessibility.h"
#include "ui/frame/WindowRegistry.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace qv {
namespace {

// A panel that acts like a button: the link panels "Link 1" and "Link 2".
class LinkPanel : public ClickableLabel {
public:
    LinkPanel(const QString& caption, std::function<void()> onClick, QWidget* parent)
        : ClickableLabel(caption, std::move(onClick), parent) {
        setAlignment(Qt::AlignCenter);
        setFrameShape(QFrame::Panel);
        setFrameShadow(QFrame::Raised);
        setAutoFillBackground(true);
        setMinimumSize(70, 36);
    }
};

} // namespace

TFGewinnzahlen::TFGewinnzahlen(AppContext& context)
    : m_context(context) {
    setObjectName(QLatin1String(kFormName));
    setWindowTitle(WindowTitle(TitleSuffixes::Gewinnzahlen));
    setWindowFlag(Qt::Window);
    CreateControls();
    LayOutControls();
    ConnectControls();
    m_context.commands.InstallHelpKey(this);
    resize(560, 420);
    move(500, 200); // the designed place, kept when no settings say otherwise
    RestoreSettings();
}

void TFGewinnzahlen::CreateControls() {
    m_text = new QPlainTextEdit(this);
    m_hint = new QLabel(QStringLiteral("Gewinnzahlen gelten für "), this);
    m_autoFilter =
        new QCheckBox(QStringLiteral("Nach dem Einfügen von Gewinnzahlen diese auto-\nmatisch herausfiltern"), this);
    m_autoClear = new QCheckBox(QStringLiteral("Textfeld nach dem Übertragen automatisch löschen"), this);

    m_instruction = new QLabel(
        QStringLiteral("Sie können Gewinnzahlen aus Webseiten kopieren und in das folgende Textfeld einfügen. Das "
                       "Kopierte kann Buchstaben enthalten, aber keine weiteren Zahlen neben den Gewinnzahlen."),
        this);
    m_instruction->setObjectName(QStringLiteral("Label3"));
    m_instruction->setWordWrap(true);
    m_instruction->setBuddy(m_text);
    m_text->setObjectName(QStringLiteral("M1"));
    m_text->setAccessibleName(QStringLiteral("Text mit Gewinnzahlen"));
    m_text->setTabChangesFocus(true);
    m_text->setMinimumHeight(120);

    QFont fieldFont = font();
    fieldFont.setBold(true);
    fieldFont.setPointSize(9);
    for (int k = 1; k <= kNumberFields; ++k) {
        auto* field = new QLineEdit(this);
        field->setObjectName(QStringLiteral("ez%1").arg(k));
        field->setAlignment(Qt::AlignCenter);
        field->setFont(fieldFont);
        field->setFixedWidth(40);
        field->setAccessibleName(QStringLiteral("Gewinnzahl %1").arg(k));
        QPalette palette = field->palette();
        palette.setColor(QPalette::Text, Qt::black);
        field->setPalette(palette);
        m_fields[static_cast<std::size_t>(k - 1)] = field;
    }

    m_hint->setObjectName(QStringLiteral("LHinweis"));
    QFont hintFont = m_hint->font();
    hintFont.setBold(true);
    m_hint->setFont(hintFont);
    QPalette hintPalette = m_hint->palette();
    hintPalette.setColor(QPalette::WindowText, Qt::red);
    m_hint->setPalette(hintPalette);

    m_autoFilter->setObjectName(QStringLiteral("cbFiltern"));
    SetSpokenName(m_autoFilter, m_autoFilter->text());
    m_autoFilter->setChecked(true);
    m_autoClear->setObjectName(QStringLiteral("cbDel"));
    m_autoClear->setChecked(true);

    m_filterButton = TwoLineButton(QStringLiteral("BParsen"), QStringLiteral("Zahlen\nfiltern"), this);
    m_transferButton = TwoLineButton(QStringLiteral("BOkay"), QStringLiteral("Übertragen"), this);
    QFont boldButton = m_transferButton->font();
    boldButton.setBold(true);
    m_transferButton->setFont(boldButton);
    m_clearButton = TwoLineButton(QStringLiteral("BDel"), QStringLiteral("Textfeld\nlöschen"), this);
    m_linksButton = TwoLineButton(QStringLiteral("BLinks"), QStringLiteral("Links\nbearbeiten"), this);
    m_linksButton->setEnabled(false);
    m_helpButton =
        PictureButton(QStringLiteral("BitBtn1"), CommandIcon(Command::HilfeBenutzen), QStringLiteral("Hilfe"), this);
    m_closeButton = CloseButton(this, QStringLiteral("BitBtn5"));
    m_link1 = CreateLinkPanel(QStringLiteral("PLink1"), QStringLiteral("Link 1"), 1);
    m_link2 = CreateLinkPanel(QStringLiteral("PLink2"), QStringLiteral("Link 2"), 2);
}

void TFGewinnzahlen::LayOutControls() {
    auto* fields = new QGridLayout;
    fields->setSpacing(3);
    for (int k = 1; k <= kNumberFields; ++k) {
        fields->addWidget(m_fields[static_cast<std::size_t>(k - 1)], (k - 1) / 10, (k - 1) % 10);
    }

    auto* top = new QVBoxLayout;
    top->addWidget(m_instruction);
    top->addWidget(m_text, 1);
    top->addLayout(fields);
    top->addWidget(m_hint);

    auto* side = new QVBoxLayout;
    side->addWidget(m_filterButton);
    side->addWidget(m_transferButton);
    side->addWidget(m_clearButton);
    side->addSpacing(8);
    side->addWidget(m_link1);
    side->addWidget(m_link2);
    side->addWidget(m_linksButton);
    side->addStretch(1);

    auto* upper = new QHBoxLayout;
    upper->addLayout(top, 1);
    upper->addLayout(side);

    auto* bottom = new QHBoxLayout;
    auto* checks = new QVBoxLayout;
    checks->addWidget(m_autoFilter);
    checks->addWidget(m_autoClear);
    bottom->addLayout(checks, 1);
    bottom->addLayout(CloseRow(m_closeButton, m_helpButton));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(upper, 1);
    layout->addLayout(bottom);

    // Through the text, the twenty fields and the buttons beside them, then the boxes below.
    QWidget* previous = m_text;
    const auto next = [&previous](QWidget* widget) {
        setTabOrder(previous, widget);
        previous = widget;
    };
    for (QLineEdit* field : m_fields) {
        next(field);
    }
    for (QWidget* widget :
         std::initializer_list<QWidget*>{m_filterButton, m_transferButton, m_clearButton, m_link1, m_link2,
                                         m_linksButton, m_autoFilter, m_autoClear, m_helpButton, m_closeButton}) {
        next(widget);
    }
}

void TFGewinnzahlen::ConnectControls() {
    connect(m_filterButton, &QPushButton::clicked, this, &TFGewinnzahlen::Filter);
    connect(m_transferButton, &QPushButton::clicked, this, &TFGewinnzahlen::Transfer);
    connect(m_clearButton, &QPushButton::clicked, m_text, &QPlainTextEdit::clear);
    connect(m_linksButton, &QPushButton::clicked, this, &TFGewinnzahlen::LinkEditingRequested);
    connect(m_helpButton, &QToolButton::clicked, this,
            [this] { m_context.ports.help.ShowTopic(HelpOf(kFormName).buttonTopic); });
    connect(m_text, &QPlainTextEdit::textChanged, this, &TFGewinnzahlen::TextChanged);
}

void TFGewinnzahlen::EnableLinkEditing() {
    m_linksButton->setEnabled(true);
}

void TFGewinnzahlen::RestoreSettings() {
    Guarded(m_context.ports.messages, [this] {
        if (const auto settings = ReadWinningNumberSettings(IniFile(m_context.state.DataFolder / kSettingsFileName))) {
            m_autoFilter->setChecked(settings->autoFilter);
            m_autoClear->setChecked(settings->autoDelete);
            move(settings->left, settings->top);
        }
    });
}

QWidget* TFGewinnzahlen::CreateLinkPanel(const QString& name, const QString& caption, int link) {
    auto* panel = new LinkPanel(
        caption, [this, link] { OpenLink(link); }, this);
    panel->setObjectName(name);
    panel->setAccessibleName(caption);
    // Light red until the quick-links window knows a valid link for it.
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(kNoLinkColour));
    panel->setPalette(palette);
    return panel;
}

void TFGewinnzahlen::SetHint(const QString& text) {
    m_hint->setText(text);
}

void TFGewinnzahlen::Filter() {
    const QStringList tokens = FilterWinningNumbers(m_text->toPlainText());
    for (int k = 0; k < static_cast<int>(tokens.size()); ++k) {
        m_fields[static_cast<std::size_t>(k)]->setText(tokens[k]);
    }
}

void TFGewinnzahlen::TextChanged() {
    if (AutoFilterRuns(m_autoFilter->isChecked(), static_cast<std::size_t>(m_text->toPlainText().size()))) {
        Filter();
    }
}

void TFGewinnzahlen::Transfer() {
    QStringList texts;
    for (QLineEdit* field : m_fields) {
        texts << field->text();
    }
    const TransferPlan plan = PlanTransfer(ToNumberFields(texts));
    emit NumbersTransferred(plan.clicks);
    if (!plan.skipped.empty()) {
        m_context.ports.messages.Information(SkippedFieldsText(plan.skipped));
    }
    if (m_autoClear->isChecked()) {
        m_text->clear();
    }
}

void TFGewinnzahlen::OpenLink(int link) {
    const std::string& url = link == 1 ? m_context.state.ResultLink1 : m_context.state.ResultLink2;
    if (!IsConnected(m_context.ports.internet, url.empty() ? m_context.webSite : QString::fromStdString(url))) {
        m_context.ports.messages.Information(
            QStringLiteral("Für den Aufruf des Links muss eine Verbindung zum Internet bestehen."));
        return;
    }
    if (!url.empty()) {
        m_context.ports.shell.OpenUrl(QString::fromStdString(url));
        return;
    }
    // Without a link the user enters one in the quick-links window.
    emit QuickLinksRequested();
}

void TFGewinnzahlen::UpdateLinkPanels() {
    const std::string* links[] = {&m_context.state.ResultLink1, &m_context.state.ResultLink2};
    for (int link = 1; link <= 2; ++link) {
        auto* panel = findChild<QLabel*>(QStringLiteral("PLink%1").arg(link));
        const bool valid = !links[link - 1]->empty();
        QPalette palette = panel->palette();
        palette.setColor(QPalette::Window, QColor::fromRgb(valid ? kLinkColour : kNoLinkColour));
        panel->setPalette(palette);
        QFont caption = panel->font();
        caption.setBold(valid);
        caption.setUnderline(valid);
        panel->setFont(caption);
    }
}

void TFGewinnzahlen::StoreSettingsUnmade(AppContext& context) {
    Guarded(context.ports.messages, [&context] {
        const IniFile ini(context.state.DataFolder / kSettingsFileName);
        // Both boxes checked at the designed place.
        constexpr WinningNumberSettings designed{true, true, 500, 200};
        WriteWinningNumberSettings(ini, ReadWinningNumberSettings(ini).value_or(designed));
    });
}

void TFGewinnzahlen::closeEvent(QCloseEvent* event) {
    Guarded(m_context.ports.messages, [this] {
        WriteWinningNumberSettings(IniFile(m_context.state.DataFolder / kSettingsFileName),
                                   {m_autoFilter->isChecked(), m_autoClear->isChecked(), pos().x(), pos().y()});
    });
    event->accept(); // the window is only hidden; it lives until the program ends
}

} // namespace qv
