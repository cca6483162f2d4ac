#include "ui/draws/TFGewinnzahlen.h"

#include "engine/core/IniFile.h"
#include "engine/draws/WinningNumberSettings.h"
#include "text/WinningNumberText.h"
#include "ui/evaluation/TFAuswertung.h"
#include "ui/frame/AppContext.h"
#include "ui/frame/CommandIcons.h"
#include "ui/frame/ErrorReport.h"
#include "ui/frame/HelpContexts.h"
#include "ui/frame/InternetRoutines.h"
#include "ui/frame/SharedCommands.h"
#include "ui/frame/Titles.h"
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
class LinkPanel : public QLabel {
public:
    LinkPanel(const QString& caption, std::function<void()> onClick, QWidget* parent)
        : QLabel(caption, parent)
        , m_onClick(std::move(onClick)) {
        setAlignment(Qt::AlignCenter);
        setFrameShape(QFrame::Panel);
        setFrameShadow(QFrame::Raised);
        setAutoFillBackground(true);
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::StrongFocus);
        setMinimumSize(70, 36);
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
            m_onClick();
        }
    }
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            m_onClick();
            return;
        }
        QLabel::keyPressEvent(event);
    }

private:
    std::function<void()> m_onClick;
};

QPushButton* Button(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setMinimumHeight(40);
    return button;
}

} // namespace

TFGewinnzahlen::TFGewinnzahlen(AppContext& context)
    : m_context(context)
    , m_m1(new QPlainTextEdit(this))
    , m_hint(new QLabel(QStringLiteral("Gewinnzahlen gelten für "), this))
    , m_cbFiltern(
          new QCheckBox(QStringLiteral("Nach dem Einfügen von Gewinnzahlen diese auto-\nmatisch herausfiltern"), this))
    , m_cbDel(new QCheckBox(QStringLiteral("Textfeld nach dem Übertragen automatisch löschen"), this)) {
    setObjectName(QStringLiteral("FGewinnzahlen"));
    setWindowTitle(WindowTitle(TitleSuffixes::Gewinnzahlen));
    setWindowFlag(Qt::Window);

    auto* instruction = new QLabel(
        QStringLiteral("Sie können Gewinnzahlen aus Webseiten kopieren und in das folgende Textfeld einfügen. Das "
                       "Kopierte kann Buchstaben enthalten, aber keine weiteren Zahlen neben den Gewinnzahlen."),
        this);
    instruction->setObjectName(QStringLiteral("Label3"));
    instruction->setWordWrap(true);
    instruction->setBuddy(m_m1);
    m_m1->setObjectName(QStringLiteral("M1"));
    m_m1->setAccessibleName(QStringLiteral("Text mit Gewinnzahlen"));
    m_m1->setTabChangesFocus(true);
    m_m1->setMinimumHeight(120);

    auto* fields = new QGridLayout;
    fields->setSpacing(3);
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
        fields->addWidget(field, (k - 1) / 10, (k - 1) % 10);
    }

    m_hint->setObjectName(QStringLiteral("LHinweis"));
    QFont hintFont = m_hint->font();
    hintFont.setBold(true);
    m_hint->setFont(hintFont);
    QPalette hintPalette = m_hint->palette();
    hintPalette.setColor(QPalette::WindowText, Qt::red);
    m_hint->setPalette(hintPalette);

    m_cbFiltern->setObjectName(QStringLiteral("cbFiltern"));
    m_cbFiltern->setChecked(true);
    m_cbDel->setObjectName(QStringLiteral("cbDel"));
    m_cbDel->setChecked(true);

    auto* parsen = Button(QStringLiteral("BParsen"), QStringLiteral("Zahlen\nfiltern"), this);
    auto* okay = Button(QStringLiteral("BOkay"), QStringLiteral("Übertragen"), this);
    QFont boldButton = okay->font();
    boldButton.setBold(true);
    okay->setFont(boldButton);
    auto* del = Button(QStringLiteral("BDel"), QStringLiteral("Textfeld\nlöschen"), this);
    auto* links = Button(QStringLiteral("BLinks"), QStringLiteral("Links\nbearbeiten"), this);
    links->setEnabled(m_context.windows.Knows(QStringLiteral("FQlinks")));
    auto* help = new QToolButton(this);
    help->setObjectName(QStringLiteral("BitBtn1"));
    help->setIcon(CommandIcon(Command::HilfeBenutzen));
    help->setIconSize(QSize(28, 28));
    help->setToolTip(QStringLiteral("Hilfe"));
    help->setAccessibleName(QStringLiteral("Hilfe"));
    auto* close = Button(QStringLiteral("BitBtn5"), QStringLiteral("Sch&ließen"), this);
    close->setToolTip(QStringLiteral("Programm beenden"));

    auto* top = new QVBoxLayout;
    top->addWidget(instruction);
    top->addWidget(m_m1, 1);
    top->addLayout(fields);
    top->addWidget(m_hint);

    auto* side = new QVBoxLayout;
    side->addWidget(parsen);
    side->addWidget(okay);
    side->addWidget(del);
    side->addSpacing(8);
    side->addWidget(CreateLinkPanel(QStringLiteral("PLink1"), QStringLiteral("Link 1"), 1));
    side->addWidget(CreateLinkPanel(QStringLiteral("PLink2"), QStringLiteral("Link 2"), 2));
    side->addWidget(links);
    side->addStretch(1);

    auto* upper = new QHBoxLayout;
    upper->addLayout(top, 1);
    upper->addLayout(side);

    auto* bottom = new QHBoxLayout;
    auto* checks = new QVBoxLayout;
    checks->addWidget(m_cbFiltern);
    checks->addWidget(m_cbDel);
    bottom->addLayout(checks, 1);
    bottom->addWidget(help, 0, Qt::AlignBottom);
    bottom->addWidget(close, 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(upper, 1);
    layout->addLayout(bottom);

    connect(parsen, &QPushButton::clicked, this, &TFGewinnzahlen::Filter);
    connect(okay, &QPushButton::clicked, this, &TFGewinnzahlen::Transfer);
    connect(del, &QPushButton::clicked, m_m1, &QPlainTextEdit::clear);
    connect(links, &QPushButton::clicked, this, [this] { m_context.windows.ShowWindow(QStringLiteral("FQlinks")); });
    connect(help, &QToolButton::clicked, this,
            [this] { m_context.ports.help.ShowTopic(HelpOf("FGewinnzahlen").buttonTopic); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(m_m1, &QPlainTextEdit::textChanged, this, &TFGewinnzahlen::TextChanged);
    m_context.commands.InstallHelpKey(this);
    resize(560, 420);
    move(500, 200); // the designed place, kept when no settings say otherwise

    // Through the text, the twenty fields and the buttons beside them, then the boxes below.
    QWidget* previous = m_m1;
    const auto next = [&previous, this](QWidget* widget) {
        setTabOrder(previous, widget);
        previous = widget;
    };
    for (QLineEdit* field : m_fields) {
        next(field);
    }
    for (QWidget* widget : std::initializer_list<QWidget*>{
             parsen, okay, del, findChild<QWidget*>(QStringLiteral("PLink1")),
             findChild<QWidget*>(QStringLiteral("PLink2")), links, m_cbFiltern, m_cbDel, help, close}) {
        next(widget);
    }

    Guarded(m_context.ports.messages, [this] {
        if (const auto settings = ReadWinningNumberSettings(IniFile(m_context.state.DataFolder / kSettingsFileName))) {
            m_cbFiltern->setChecked(settings->autoFilter);
            m_cbDel->setChecked(settings->autoDelete);
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
    const QStringList tokens = FilterWinningNumbers(m_m1->toPlainText());
    for (int k = 0; k < static_cast<int>(tokens.size()); ++k) {
        m_fields[static_cast<std::size_t>(k)]->setText(tokens[k]);
    }
}

void TFGewinnzahlen::TextChanged() {
    if (AutoFilterRuns(m_cbFiltern->isChecked(), static_cast<std::size_t>(m_m1->toPlainText().size()))) {
        Filter();
    }
}

void TFGewinnzahlen::Transfer() {
    QStringList texts;
    for (QLineEdit* field : m_fields) {
        texts << field->text();
    }
    const TransferPlan plan = PlanTransfer(ToNumberFields(texts));
    auto* main = qobject_cast<TFAuswertung*>(m_context.windows.Find(QStringLiteral("FAuswertung")));
    if (main != nullptr) {
        for (int n : plan.clicks) {
            main->ClickNumber(n);
        }
    }
    if (!plan.skipped.empty()) {
        m_context.ports.messages.Information(SkippedFieldsText(plan.skipped));
    }
    if (m_cbDel->isChecked()) {
        m_m1->clear();
    }
}

void TFGewinnzahlen::OpenLink(int link) {
    if (!IsConnected(m_context.ports.internet)) {
        m_context.ports.messages.Information(
            QStringLiteral("Für den Aufruf des Links muss eine Verbindung zum Internet bestehen."));
        return;
    }
    const std::string& url = link == 1 ? m_context.state.ResultLink1 : m_context.state.ResultLink2;
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

void TFGewinnzahlen::closeEvent(QCloseEvent* event) {
    Guarded(m_context.ports.messages, [this] {
        WriteWinningNumberSettings(IniFile(m_context.state.DataFolder / kSettingsFileName),
                                   {m_cbFiltern->isChecked(), m_cbDel->isChecked(), pos().x(), pos().y()});
    });
    event->accept(); // the window is only hidden; it lives until the program ends
}

} // namespace qv
