#include "ui/tips/TFSysteme.h"

#include "engine/core/GameTables.h"
#include "engine/core/SafeFile.h"
#include "engine/systems/WheelBounds.h"
#include "text/AppLocale.h"
#include "text/DataFolder.h"
#include "text/WheelTexts.h"
#include "ui/frame/AppContext.h"
#include "ui/frame/ErrorReport.h"
#include "ui/frame/HelpContexts.h"
#include "ui/frame/SharedCommands.h"
#include "ui/frame/Titles.h"
#include "ui/tips/WheelTask.h"
#include "ui/widgets/Controls.h"
#include "ui/widgets/FigureTables.h"
#include "ui/widgets/NumberBoard.h"
#include "ui/widgets/ScreenFit.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace qv {
namespace {

QSpinBox* NewSpinBox(QWidget* parent, const QString& name, const QString& spoken, int low, int high, int value) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setAccessibleName(spoken);
    box->setRange(low, high);
    box->setValue(value);
    return box;
}

} // namespace

TFSysteme::TFSysteme(AppContext& context)
    : m_context(context)
    , m_task(new WheelTask(this)) {
    setObjectName(QString::fromUtf8(kFormName));
    setWindowTitle(ProductTitle() + QStringLiteral(" - Systeme"));
    m_options.threads = 2;

    auto* intro = new QLabel(QStringLiteral("Markieren Sie Ihre Zahlen (den Pool) und wählen Sie eine Garantie: Sind "
                                            "mindestens P der 20 gezogenen Zahlen im Pool, hat mindestens eine Reihe "
                                            "T Treffer. Das Programm sucht dafür möglichst wenige Reihen und beweist "
                                            "die Garantie."),
                             this);
    intro->setObjectName(QStringLiteral("LEinleitung"));
    intro->setWordWrap(true);

    auto* left = new QVBoxLayout;
    left->addWidget(CreatePoolPanel());
    left->addWidget(CreateChoices());
    left->addStretch(1);
    auto* upper = new QHBoxLayout;
    upper->addLayout(left);
    upper->addWidget(CreateResults(), 1);

    auto* honesty = new QLabel(QString::fromUtf8(kWheelHonesty), this);
    honesty->setObjectName(QStringLiteral("LEhrlich"));
    honesty->setWordWrap(true);
    QFont bold = honesty->font();
    bold.setBold(true);
    honesty->setFont(bold);

    m_toSlip = Button(QStringLiteral("BUebertragen"), QStringLiteral("In &Spielschein übertragen"), this);
    m_save = Button(QStringLiteral("BSpeichern"), QStringLiteral("Als &Textdatei speichern..."), this);
    auto* help = Button(QStringLiteral("BHilfe"), QStringLiteral("&Hilfe"), this);
    QPushButton* close = CloseButton(this, QStringLiteral("BSchliessen"));
    QHBoxLayout* buttons = CloseRow(close, help);
    buttons->insertWidget(0, m_toSlip);
    buttons->insertWidget(1, m_save);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(upper, 1);
    layout->addWidget(honesty);
    layout->addLayout(buttons);

    connect(m_toSlip, &QPushButton::clicked, this, &TFSysteme::TransferToSlip);
    connect(m_save, &QPushButton::clicked, this, &TFSysteme::SaveAsText);
    connect(help, &QPushButton::clicked, this,
            [this] { m_context.ports.help.ShowTopic(ButtonHelpTopic(HelpOf(kFormName))); });
    connect(m_task, &WheelTask::Progress, this, [this](int currentSize, int bestSize, int bound) {
        const QLocale locale = AppLocale();
        m_status->setText(QStringLiteral("Suche: %1 Reihen in Arbeit, bestes System %2 Reihen, untere Schranke %3")
                              .arg(locale.toString(currentSize),
                                   bestSize > 0 ? locale.toString(bestSize) : QStringLiteral("--"),
                                   locale.toString(bound)));
    });
    connect(m_task, &WheelTask::Finished, this, &TFSysteme::CalculationEnded);

    SetCalculating(false);
    ShowPoolCount();
    m_context.commands.InstallHelpKey(this);
    resize(sizeHint().expandedTo(QSize(1120, 680)));
}

TFSysteme::~TFSysteme() = default;

QWidget* TFSysteme::CreatePoolPanel() {
    auto* box = new QGroupBox(QStringLiteral("Pool"), this);
    box->setObjectName(QStringLiteral("GBPool"));
    m_board = new NumberBoard(box);
    m_board->setAccessibleName(QStringLiteral("Pool"));
    m_poolCount = new QLabel(box);
    m_poolCount->setObjectName(QStringLiteral("LPool"));
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(m_board);
    layout->addWidget(m_poolCount);
    connect(m_board, &NumberBoard::NumberClicked, this, &TFSysteme::ToggleNumber);
    connect(m_board, &NumberBoard::ClearClicked, this, [this] {
        m_pool.Clear();
        m_board->ShowMarks(m_pool);
        ShowPoolCount();
    });
    return box;
}

QWidget* TFSysteme::CreateChoices() {
    auto* box = new QGroupBox(QStringLiteral("System"), this);
    box->setObjectName(QStringLiteral("GBSystem"));
    m_kenoType = new QComboBox(box);
    m_kenoType->setObjectName(QStringLiteral("CBTyp"));
    m_kenoType->setAccessibleName(QStringLiteral("KENO-Typ der Reihen"));
    for (int type = kMinKenoType; type <= kMaxKenoType; ++type) {
        m_kenoType->addItem(QString::number(type), type);
    }
    m_kenoType->setCurrentIndex(m_kenoType->findData(6));
    m_ifDrawn = NewSpinBox(box, QStringLiteral("SEWenn"), QStringLiteral("Wenn mindestens so viele Poolzahlen gezogen"),
                           1, kNumbersPerDraw, 4);
    m_hits = NewSpinBox(box, QStringLiteral("SETreffer"), QStringLiteral("Garantierte Treffer in einer Reihe"), 1,
                        kMaxKenoType, 3);
    m_stake = new QComboBox(box);
    m_stake->setObjectName(QStringLiteral("CBEinsatz"));
    m_stake->setAccessibleName(QStringLiteral("Einsatz je Reihe"));
    for (int euros : StakeEuros) {
        m_stake->addItem(QStringLiteral("%1 €").arg(euros), euros);
    }
    m_draws = NewSpinBox(box, QStringLiteral("SEZiehungen"), QStringLiteral("Anzahl der Ziehungen"), 1, 1000, 1);
    m_seconds = NewSpinBox(box, QStringLiteral("SESuchzeit"), QStringLiteral("Suchzeit in Sekunden"), 1, 600, 3);
    m_seconds->setSuffix(QStringLiteral(" s"));

    auto* form = new QFormLayout;
    form->addRow(BuddyLabel(QStringLiteral("&KENO-Typ:"), m_kenoType, box, QStringLiteral("LTyp")), m_kenoType);
    form->addRow(BuddyLabel(QStringLiteral("&Wenn mindestens ... gezogen:"), m_ifDrawn, box, QStringLiteral("LWenn")),
                 m_ifDrawn);
    form->addRow(
        BuddyLabel(QStringLiteral("... dann T&reffer in einer Reihe:"), m_hits, box, QStringLiteral("LTreffer")),
        m_hits);
    form->addRow(BuddyLabel(QStringLiteral("&Einsatz je Reihe:"), m_stake, box, QStringLiteral("LEinsatz")), m_stake);
    form->addRow(BuddyLabel(QStringLiteral("&Ziehungen:"), m_draws, box, QStringLiteral("LZiehungen")), m_draws);
    form->addRow(BuddyLabel(QStringLiteral("Such&zeit:"), m_seconds, box, QStringLiteral("LSuchzeit")), m_seconds);

    m_calculate = Button(QStringLiteral("BBerechnen"), QStringLiteral("&Berechnen"), box);
    m_cancel = Button(QStringLiteral("BAbbruch"), QStringLiteral("&Abbruch"), box);
    m_progress = new QProgressBar(box);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setAccessibleName(QStringLiteral("Fortschritt der Suche"));
    m_progress->setTextVisible(false);
    m_status = new QLabel(box);
    m_status->setObjectName(QStringLiteral("LStatus"));
    m_status->setWordWrap(true);
    auto* run = new QHBoxLayout;
    run->addWidget(m_calculate);
    run->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(box);
    layout->addLayout(form);
    layout->addLayout(run);
    layout->addWidget(m_progress);
    layout->addWidget(m_status);

    connect(m_calculate, &QPushButton::clicked, this, &TFSysteme::Calculate);
    connect(m_cancel, &QPushButton::clicked, this, &TFSysteme::CancelCalculation);
    return box;
}

QWidget* TFSysteme::CreateResults() {
    auto* box = new QGroupBox(QStringLiteral("Ergebnis"), this);
    box->setObjectName(QStringLiteral("GBErgebnis"));
    m_rowGrid = NewFigureGrid(box, m_context.ports, QStringLiteral("GReihen"), QStringLiteral("Reihen des Systems"),
                              m_rowModel);
    m_distributionGrid = NewFigureGrid(box, m_context.ports, QStringLiteral("GVerteilung"),
                                       QStringLiteral("Verteilung der Auszahlung"), m_distributionModel);
    m_proof = new QLabel(box);
    m_proof->setObjectName(QStringLiteral("LBeweis"));
    m_proof->setWordWrap(true);
    m_figureGrid =
        NewFigureGrid(box, m_context.ports, QStringLiteral("GKennzahlen"), QStringLiteral("Kennzahlen"), m_figureModel);
    auto* grids = new QHBoxLayout;
    grids->addWidget(m_rowGrid, 3);
    grids->addWidget(m_distributionGrid, 2);
    auto* layout = new QVBoxLayout(box);
    layout->addLayout(grids, 1);
    layout->addWidget(m_proof);
    layout->addWidget(m_figureGrid);
    FillFigureModel(*m_figureModel, {QStringLiteral("Kennzahl"), QStringLiteral("Wert")}, {}, Qt::AlignLeft);
    FillFigureModel(*m_distributionModel, PayoutDistributionHeadings(), {}, Qt::AlignRight);
    for (QTableView* grid : {m_figureGrid, m_distributionGrid}) {
        FitColumnsToText(*grid);
    }
    return box;
}

void TFSysteme::ToggleNumber(int n) {
    if (n < 1 || n > kNumbersInGame) {
        return;
    }
    if (m_pool.Contains(n)) {
        m_pool.Remove(n);
    } else if (m_pool.Count() < kMaxPoolSize) {
        m_pool.Add(n);
    } else {
        m_status->setText(QStringLiteral("Ein Pool hat höchstens %1 Zahlen.").arg(kMaxPoolSize));
        return;
    }
    m_board->ShowMarks(m_pool);
    ShowPoolCount();
}

void TFSysteme::ShowPoolCount() {
    m_poolCount->setText(QStringLiteral("Pool: %1 Zahlen (höchstens %2)").arg(m_pool.Count()).arg(kMaxPoolSize));
}

bool TFSysteme::Calculating() const {
    return m_task->Running();
}

void TFSysteme::SetSearchSteps(std::uint64_t steps, std::uint64_t seed) {
    m_options.steps = steps;
    m_options.seed = seed;
    m_stepsSet = steps > 0;
}

void TFSysteme::Calculate() {
    if (m_task->Running()) {
        return;
    }
    WheelRequest request;
    for (int n = 1; n <= kNumbersInGame; ++n) {
        if (m_pool.Contains(n)) {
            request.pool.push_back(n);
        }
    }
    request.kenoType = m_kenoType->currentData().toInt();
    request.ifDrawn = m_ifDrawn->value();
    request.hits = m_hits->value();
    std::optional<std::string> problem = RequestProblem(request);
    if (!problem) {
        problem = SearchProblem(request);
    }
    if (problem) {
        m_context.ports.messages.Error(QString::fromStdString(*problem));
        return;
    }
    WheelSearchOptions options = m_options;
    if (!m_stepsSet) {
        options.steps = 0;
        options.seconds = m_seconds->value();
    }
    SetCalculating(true);
    m_status->setText(QStringLiteral("Suche läuft ..."));
    m_task->Start(request, options, m_stake->currentData().toInt(), m_draws->value());
}

void TFSysteme::CancelCalculation() {
    m_task->Cancel();
}

void TFSysteme::SetCalculating(bool calculating) {
    m_calculate->setEnabled(!calculating);
    m_cancel->setEnabled(calculating);
    m_progress->setRange(0, calculating ? 0 : 1); // busy while the search runs
    m_progress->setValue(0);
    m_toSlip->setEnabled(!calculating && !m_rows.empty());
    m_save->setEnabled(!calculating && !m_rows.empty());
}

void TFSysteme::CalculationEnded() {
    const WheelOutcome& outcome = m_task->Outcome();
    const QLocale locale = AppLocale();
    if (!m_task->Error().isEmpty()) {
        m_context.ports.messages.Error(
            QStringLiteral("Die Aktion wurde wegen eines Fehlers abgebrochen. (Systemmeldung: %1)")
                .arg(m_task->Error()));
    } else if (!outcome.proof.holds) {
        // The search covers every set it is asked for; a system that fails the proof is never shown.
        m_context.ports.messages.Error(
            QStringLiteral("Das gefundene System hält die Garantie nicht; es wird nicht gezeigt."));
    } else {
        m_sortedPool = SortedPool(outcome.request.pool);
        m_rows.clear();
        std::vector<QStringList> cells;
        for (RowMask row : outcome.search.rows) {
            m_rows.push_back(NumbersOf(row, m_sortedPool));
            QStringList line{QString::number(m_rows.size())};
            for (int number : m_rows.back()) {
                line << QString::number(number);
            }
            cells.push_back(line);
        }
        QStringList headings{QStringLiteral("Reihe")};
        for (int i = 1; i <= outcome.request.kenoType; ++i) {
            headings << QStringLiteral("Zahl %1").arg(i);
        }
        FillFigureModel(*m_rowModel, headings, cells, Qt::AlignRight);
        FitColumnsToText(*m_rowGrid);
        const std::uint64_t bound = WheelLowerBound(static_cast<int>(m_sortedPool.size()), outcome.request.kenoType,
                                                    outcome.request.ifDrawn, outcome.request.hits);
        std::vector<QStringList> figures;
        for (const auto& [label, value] : WheelFigureLines(outcome.request, bound, outcome.figures, locale)) {
            figures.push_back({label, value});
        }
        FillFigureModel(*m_figureModel, {QStringLiteral("Kennzahl"), QStringLiteral("Wert")}, figures, Qt::AlignLeft);
        FitHeightToRows(*m_figureGrid);
        FillFigureModel(*m_distributionModel, PayoutDistributionHeadings(),
                        PayoutDistributionRows(outcome.figures, locale), Qt::AlignRight);
        // The figures show whole: their grids as wide as their texts, the window grown to them as far as
        // the screen has room (the rows of the system scroll sideways where they do not fit).
        m_figureGrid->setMinimumWidth(FitColumnsToText(*m_figureGrid));
        m_distributionGrid->setMinimumWidth(FitColumnsToText(*m_distributionGrid) +
                                            m_distributionGrid->verticalScrollBar()->sizeHint().width());
        resize(OpeningSize(*this, size().expandedTo(minimumSizeHint())));
        m_proof->setText(ProofText(outcome.request, outcome.proof, m_sortedPool));
        m_status->setText(
            outcome.search.cancelled
                ? QStringLiteral("Abgebrochen: Gezeigt wird das beste bis dahin gefundene System.")
                : QStringLiteral("Fertig: %1 Reihen.").arg(locale.toString(static_cast<int>(m_rows.size()))));
    }
    SetCalculating(false);
    emit CalculationFinished();
}

void TFSysteme::TransferToSlip() {
    if (m_rows.empty()) {
        return;
    }
    std::vector<TipRow> rows;
    rows.reserve(m_rows.size());
    for (const std::vector<int>& numbers : m_rows) {
        rows.push_back(TipRow{numbers});
    }
    emit TransferRequested(rows);
}

void TFSysteme::SaveAsText() {
    if (m_rows.empty()) {
        return;
    }
    FileDialogRequest request;
    request.title = QStringLiteral("Tippreihen als Textdatei speichern");
    request.filter = QStringLiteral("Textdatei|*.txt");
    request.defaultExtension = QStringLiteral("txt");
    request.startFolder = FromPath(m_context.state.DataFolder);
    request.proposedName = QStringLiteral("System.txt");
    const std::optional<QString> path = m_context.ports.fileDialogs.Save(request);
    if (!path) {
        return;
    }
    std::vector<RowMask> rows;
    rows.reserve(m_rows.size());
    for (const std::vector<int>& numbers : m_rows) {
        rows.push_back(MaskOf(numbers, m_sortedPool).value_or(0));
    }
    const std::string text = WheelRowsText(rows, m_sortedPool);
    Guarded(m_context.ports.messages, [&] {
        WriteFileSafely(ToPath(*path), {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
        m_status->setText(QStringLiteral("Gespeichert: %1").arg(*path));
    });
}

void TFSysteme::closeEvent(QCloseEvent* event) {
    m_task->Cancel();
    QWidget::closeEvent(event);
}

} // namespace qv
