#include "ui/printing/TFDruck.h"

#include "engine/core/FileError.h"
#include "engine/core/GameTables.h"
#include "engine/core/IniFile.h"
#include "engine/core/SafeFile.h"
#include "engine/core/SlipFile.h"
#include "engine/printing/PrintSettings.h"
#include "platform/SlipSheets.h"
#include "text/DataFolder.h"
#include "text/PrintTexts.h"
#include "ui/frame/AppContext.h"
#include "ui/frame/CommandIcons.h"
#include "ui/frame/ErrorReport.h"
#include "ui/frame/HelpContexts.h"
#include "ui/frame/SharedCommands.h"
#include "ui/frame/Titles.h"
#include "ui/frame/WindowAccessibility.h"
#include "ui/printing/PdfSave.h"
#include "ui/widgets/Controls.h"
#include "ui/widgets/GridRoutines.h"
#include "ui/widgets/StringGrid.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPageLayout>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>

namespace qv {
namespace {

constexpr const char* kJobName = "Tippschein-Druck";

// An edit that takes only some characters; any other key is swallowed with the system's beep.
class FilteredEdit : public QLineEdit {
public:
    FilteredEdit(const QString& name, const QString& allowed, int maxLength, QWidget* parent)
        : QLineEdit(parent)
        , m_allowed(allowed) {
        setObjectName(name);
        setMaxLength(maxLength);
        setFixedWidth(56);
        // Pasted text is held to the same characters.
        setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("[%1]*").arg(QRegularExpression::escape(allowed))), this));
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const QString text = event->text();
        const bool printable = text.size() == 1 && text.at(0).isPrint();
        const bool command = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
        if (printable && !command && !m_allowed.contains(text.at(0))) {
            QApplication::beep();
            event->accept();
            return;
        }
        QLineEdit::keyPressEvent(event);
    }

private:
    QString m_allowed;
};

// A note that opens something when clicked; the keyboard has the button beside it for that.
class ClickableNote : public QLabel {
public:
    ClickableNote(const QString& name, const QString& text, std::function<void()> onClick, QWidget* parent)
        : QLabel(text, parent)
        , m_onClick(std::move(onClick)) {
        setObjectName(name);
        setWordWrap(true);
        setCursor(Qt::PointingHandCursor);
        setToolTip(QStringLiteral("Druck-Parameter bearbeiten"));
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) {
            m_onClick();
        }
    }

private:
    std::function<void()> m_onClick;
};

// A radio group of values in three columns, the first chosen.
QGroupBox* RadioGroup(const QString& name, const QString& caption, const QStringList& items, QButtonGroup*& group,
                      QWidget* parent) {
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(name);
    group = new QButtonGroup(box);
    auto* grid = new QGridLayout(box);
    for (int i = 0; i < items.size(); ++i) {
        auto* radio = new QRadioButton(items.at(i), box);
        radio->setObjectName(QStringLiteral("%1_%2").arg(name).arg(i));
        radio->setAccessibleName(QStringLiteral("%1 %2").arg(caption, items.at(i)));
        group->addButton(radio, i);
        grid->addWidget(radio, i / 3, i % 3);
    }
    group->button(0)->setChecked(true);
    return box;
}

QString FileNameOf(const QString& path) {
    return QFileInfo(path).fileName();
}

} // namespace

TFDruck::TFDruck(AppContext& context)
    : m_context(context) {
    setObjectName(QLatin1String(kFormName));
    setWindowFlag(Qt::Window);
    setWindowTitle(ProductTitle());

    auto* side = new QVBoxLayout;
    side->addWidget(CreateRangeGroup());
    side->addWidget(CreateNumberGroup());
    m_ask = new QCheckBox(QStringLiteral("Fragen, ob Ausdruck korrekt ist"), this);
    m_ask->setObjectName(QStringLiteral("cbFragen"));
    side->addWidget(m_ask);
    side->addWidget(CreateTextChoice());
    side->addWidget(CreateCorrection());
    side->addStretch(1);

    auto* upper = new QHBoxLayout;
    upper->addWidget(CreateListSide(), 1);
    upper->addLayout(side);

    // A main window without bars, so that a screen reader announces it as a window of its own.
    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* layout = new QVBoxLayout(central);
    layout->addLayout(upper, 1);
    layout->addWidget(CreateButtons());

    m_context.commands.InstallHelpKey(this);

    // The tab order follows the layout: the list side, then the groups on the right, then the buttons.
    const QList<QWidget*> order = {
        findChild<QWidget*>(QStringLiteral("BOpen2")),
        findChild<QWidget*>(QStringLiteral("bsSkinSpeedButton1")),
        m_rows,
        m_start,
        m_end,
        m_startNumber,
        m_printNumber,
        findChild<QWidget*>(QStringLiteral("bsSkinSpeedButton2")),
        m_ask,
        m_textChoice,
    };
    QWidget* previous = nullptr;
    auto chain = [&previous](QWidget* widget) {
        if (previous != nullptr) {
            setTabOrder(previous, widget);
        }
        previous = widget;
    };
    for (QWidget* widget : order) {
        chain(widget);
    }
    for (QAbstractButton* radio : m_stakeChoice->buttons()) {
        chain(radio);
    }
    for (QAbstractButton* radio : m_drawChoice->buttons()) {
        chain(radio);
    }
    for (const char* name : {"Ehori", "Evert", "BParameter", "BAusdruck", "BStop", "BVorschau", "BPdf",
                             "bsSkinSpeedButton6", "bsSkinSpeedButton5"}) {
        chain(findChild<QWidget*>(QString::fromLatin1(name)));
    }

    // The set the installation brings; without it printing stays off for this window's life.
    bool parametersFound = false;
    Guarded(m_context.ports.messages, [&] {
        if (auto set = ReadPrintParameterFile(m_context.state.DataFolder / "BEL.qvpd")) {
            m_context.state.PrintParameters = *set;
            parametersFound = true;
        }
    });
    m_print->setEnabled(parametersFound);

    Guarded(m_context.ports.messages, [this] {
        const PrintSettings settings = ReadPrintSettings(IniFile(m_context.state.DataFolder / kSettingsFileName));
        m_hori->setText(QString::fromStdString(settings.hori));
        m_vert->setText(QString::fromStdString(settings.vert));
        m_printNumber->setChecked(settings.printNumber);
        m_ask->setChecked(settings.askAfterSlip);
    });
    resize(sizeHint().expandedTo(QSize(880, 600)));
}

QWidget* TFDruck::CreateListSide() {
    auto* panel = new QWidget(this);
    auto* openSlips = Button(QStringLiteral("BOpen2"), QStringLiteral("Spielschein(e) ö&ffnen..."), panel);
    auto* openText = Button(QStringLiteral("bsSkinSpeedButton1"), QStringLiteral("Textdatei ö&ffnen..."), panel);
    m_slipFileName = new QLabel(panel);
    m_slipFileName->setObjectName(QStringLiteral("LDatei2"));
    m_textFileName = new QLabel(panel);
    m_textFileName->setObjectName(QStringLiteral("LDatei1"));

    m_rows = new StringGrid(panel, 3);
    m_rows->setObjectName(QStringLiteral("GReihen"));
    m_rows->setAccessibleName(QStringLiteral("Tippreihen"));
    SetTipRowHeadings(*m_rows);
    // The headings' widths are those of the slip windows, widened where this font needs more.
    for (int column = 0; column < 3; ++column) {
        const int needed = TextWidthIn(m_rows->font(), m_rows->Cell(column, 0)) + 10;
        m_rows->SetColumnWidth(column, std::max(m_rows->ColumnWidth(column), needed));
    }
    for (int column = 3; column < kTipRowColumns; ++column) {
        m_rows->SetColumnWidth(column, 26);
    }
    m_rows->setTabKeyNavigation(false); // Tab leaves the list, the arrows move inside
    QStringList columnNames;
    for (int column = 0; column < kTipRowColumns; ++column) {
        columnNames << m_rows->Cell(column, 0).trimmed();
    }
    m_rows->setHorizontalHeaderLabels(columnNames);
    int width = 4 + m_rows->frameWidth() * 2;
    for (int column = 0; column < kTipRowColumns; ++column) {
        width += m_rows->ColumnWidth(column);
    }
    m_rows->setMinimumWidth(width + 20);

    auto* files = new QGridLayout;
    files->addWidget(openSlips, 0, 0);
    files->addWidget(new QLabel(QStringLiteral("Datei"), panel), 0, 1);
    files->addWidget(m_slipFileName, 0, 2);
    files->addWidget(openText, 1, 0);
    files->addWidget(new QLabel(QStringLiteral("Datei"), panel), 1, 1);
    files->addWidget(m_textFileName, 1, 2);
    files->setColumnStretch(2, 1);

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(files);
    layout->addWidget(m_rows, 1);

    connect(openSlips, &QPushButton::clicked, this, &TFDruck::OpenSlipFiles);
    connect(openText, &QPushButton::clicked, this, &TFDruck::OpenTextFile);
    return panel;
}

QWidget* TFDruck::CreateRangeGroup() {
    auto* panel = new QWidget(this);
    m_start = new FilteredEdit(QStringLiteral("EStart"), QStringLiteral("0123456789"), 4, panel);
    m_start->setText(QStringLiteral("1"));
    m_end = new FilteredEdit(QStringLiteral("EEnde"), QStringLiteral("0123456789"), 4, panel);
    m_slipsNeeded = new QLabel(panel);
    m_slipsNeeded->setObjectName(QStringLiteral("LAnzTs"));
    m_slipsNeeded->setAccessibleName(QStringLiteral("Benötigte Tippscheine"));
    m_slipsNeeded->setTextInteractionFlags(Qt::TextSelectableByKeyboard);
    QFont bold = m_slipsNeeded->font();
    bold.setBold(true);
    m_slipsNeeded->setFont(bold);

    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(BuddyLabel(QStringLiteral("Ausdruck ab Tippreihe:"), m_start, panel), 0, 0);
    grid->addWidget(m_start, 0, 1);
    grid->addWidget(BuddyLabel(QStringLiteral("bis Tippreihe:"), m_end, panel), 1, 0);
    grid->addWidget(m_end, 1, 1);
    auto* neededLabel = new QLabel(QStringLiteral("Benötigte Tipp-\nscheine:"), panel);
    neededLabel->setBuddy(m_slipsNeeded);
    SetSpokenName(neededLabel, neededLabel->text());
    grid->addWidget(neededLabel, 0, 2, 2, 1);
    grid->addWidget(m_slipsNeeded, 0, 3, 2, 1);
    grid->setColumnStretch(4, 1);

    connect(m_start, &QLineEdit::textChanged, this, &TFDruck::UpdateSlipsNeeded);
    connect(m_end, &QLineEdit::textChanged, this, &TFDruck::UpdateSlipsNeeded);
    return panel;
}

QWidget* TFDruck::CreateNumberGroup() {
    auto* group = new QGroupBox(QStringLiteral("Tippschein-Nummern-Druck"), this);
    group->setObjectName(QStringLiteral("GRNummer"));
    auto* note = new QLabel(
        QStringLiteral("Tippscheine werden beim Ausdrucken nummeriert. Die Nummer kann aufgedruckt werden."), group);
    note->setWordWrap(true);
    m_startNumber = new FilteredEdit(QStringLiteral("ENr"), QStringLiteral("0123456789"), 5, group);
    m_startNumber->setText(QStringLiteral("1"));
    m_printNumber = new QCheckBox(QStringLiteral("drucken"), group);
    m_printNumber->setObjectName(QStringLiteral("cbNr"));
    auto* help = PictureButton(QStringLiteral("bsSkinSpeedButton2"), CommandIcon(Command::HilfeBenutzen),
                               QStringLiteral("Hilfe zum Nummern-Druck"), group);

    auto* row = new QHBoxLayout;
    row->addWidget(BuddyLabel(QStringLiteral("Start-Nummer:"), m_startNumber, group));
    row->addWidget(m_startNumber);
    row->addWidget(m_printNumber);
    row->addStretch(1);
    row->addWidget(help);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(note);
    layout->addLayout(row);

    connect(help, &QToolButton::clicked, this, [this] { m_context.ports.help.ShowTopic(1180); });
    return group;
}

QWidget* TFDruck::CreateTextChoice() {
    m_textChoice = new QGroupBox(QStringLiteral("Angaben für Textdatei-Druck"), this);
    m_textChoice->setObjectName(QStringLiteral("GRText"));
    m_textChoice->setCheckable(true); // its check box enables the two groups
    m_textChoice->setChecked(false);
    QStringList stakes;
    for (int euros : StakeEuros) {
        stakes << QString::number(euros);
    }
    QStringList draws;
    for (int count : DrawCounts) {
        draws << QString::number(count);
    }
    auto* layout = new QHBoxLayout(m_textChoice);
    layout->addWidget(RadioGroup(QStringLiteral("RGEinsatz"), QStringLiteral("Einsatz pro Tipp in €"), stakes,
                                 m_stakeChoice, m_textChoice));
    layout->addWidget(RadioGroup(QStringLiteral("RGZiehungen"), QStringLiteral("Anzahl der Ziehungen"), draws,
                                 m_drawChoice, m_textChoice));
    return m_textChoice;
}

QWidget* TFDruck::CreateCorrection() {
    auto* group = new QGroupBox(QStringLiteral("Ausdruck-Korrektur"), this);
    group->setObjectName(QStringLiteral("PKorrektur"));
    m_hori = new FilteredEdit(QStringLiteral("Ehori"), QStringLiteral("0123456789-"), 4, group);
    m_vert = new FilteredEdit(QStringLiteral("Evert"), QStringLiteral("0123456789-"), 4, group);
    auto* minus =
        new QLabel(QStringLiteral("Minus rückt den Ausdruck horizontal nach links, vertikal nach oben."), group);
    minus->setWordWrap(true);
    const auto showEditor = [this] { emit ParameterEditorRequested(); };
    auto* note1 = new ClickableNote(
        QStringLiteral("Label1"),
        QStringLiteral("Bitte unbedingt beachten: die Maße für die Korrektur sind in 10tel Millimeter anzugeben!"),
        showEditor, group);
    auto* note6 = new ClickableNote(
        QStringLiteral("Label6"),
        QStringLiteral("Die Korrektur entspricht der halben Differenz zwischen schmalerem Schein und DIN A 4."),
        showEditor, group);
    auto* editParameters = Button(QStringLiteral("BParameter"), QStringLiteral("Druck-Pa&rameter..."), group);
    editParameters->setToolTip(QStringLiteral("Druck-Parameter bearbeiten"));
    SetSpokenName(editParameters, QStringLiteral("Druck-Parameter bearbeiten..."));
    connect(editParameters, &QPushButton::clicked, this, showEditor);
    QPalette notePalette = note1->palette();
    notePalette.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80));
    note1->setPalette(notePalette);
    note6->setPalette(notePalette);

    auto* edits = new QGridLayout;
    edits->addWidget(BuddyLabel(QStringLiteral("horizontal:"), m_hori, group), 0, 0);
    edits->addWidget(m_hori, 0, 1);
    edits->addWidget(new QLabel(QStringLiteral("0,1 mm"), group), 0, 2);
    edits->addWidget(BuddyLabel(QStringLiteral("vertikal:"), m_vert, group), 1, 0);
    edits->addWidget(m_vert, 1, 1);
    edits->addWidget(new QLabel(QStringLiteral("0,1 mm"), group), 1, 2);
    edits->addWidget(editParameters, 0, 4);
    edits->setColumnStretch(3, 1);
    m_hori->setAccessibleName(QStringLiteral("Korrektur horizontal in 0,1 mm"));
    m_vert->setAccessibleName(QStringLiteral("Korrektur vertikal in 0,1 mm"));

    auto* layout = new QVBoxLayout(group);
    layout->addLayout(edits);
    layout->addWidget(minus);
    layout->addWidget(note1);
    layout->addWidget(note6);
    return group;
}

QWidget* TFDruck::CreateButtons() {
    auto* panel = new QWidget(this);
    m_print = Button(QStringLiteral("BAusdruck"), QStringLiteral("Drucken starten"), panel);
    m_stop = Button(QStringLiteral("BStop"), QStringLiteral("Drucken stoppen"), panel);
    m_stop->setEnabled(false);
    auto* preview = Button(QStringLiteral("BVorschau"), QStringLiteral("&Vorschau..."), panel);
    preview->setToolTip(QStringLiteral("Die Bögen vor dem Drucken ansehen"));
    auto* pdf = Button(QStringLiteral("BPdf"), QStringLiteral("Als &PDF speichern..."), panel);
    pdf->setToolTip(QStringLiteral("Die Bögen in eine PDF-Datei drucken"));
    auto* help = PictureButton(QStringLiteral("bsSkinSpeedButton6"), CommandIcon(Command::HilfeBenutzen),
                               QStringLiteral("Hilfe"), panel);
    auto* close = CloseButton(this, QStringLiteral("bsSkinSpeedButton5"));

    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_print);
    layout->addWidget(m_stop);
    layout->addSpacing(16);
    layout->addWidget(preview);
    layout->addWidget(pdf);
    layout->addLayout(CloseRow(close, help), 1);

    for (QLineEdit* edit : {m_hori, m_vert}) {
        connect(edit, &QLineEdit::textChanged, this,
                [this] { emit CorrectionChanged(m_hori->text(), m_vert->text()); });
    }
    connect(m_print, &QPushButton::clicked, this, &TFDruck::Print);
    connect(m_stop, &QPushButton::clicked, this, &TFDruck::RequestStop);
    connect(preview, &QPushButton::clicked, this, &TFDruck::ShowPreview);
    connect(pdf, &QPushButton::clicked, this, &TFDruck::SavePdf);
    connect(help, &QToolButton::clicked, this,
            [this] { m_context.ports.help.ShowTopic(ButtonHelpTopic(HelpOf(kFormName))); });
    return panel;
}

void TFDruck::UpdateSlipsNeeded() {
    if (const auto slips = SlipsNeeded(m_start->text().toStdString(), m_end->text().toStdString())) {
        m_slipsNeeded->setText(QString::number(*slips));
    }
}

void TFDruck::MarkRowsLoaded(bool fromText) {
    m_rowsFromText = fromText;
    // The hidden headers name rows and columns for a screen reader.
    QStringList rowNames{QStringLiteral("Überschriften")};
    for (int row = 1; row < m_rows->rowCount(); ++row) {
        rowNames << QStringLiteral("Tippreihe %1").arg(row);
    }
    m_rows->setVerticalHeaderLabels(rowNames);
    for (int row = 1; row < m_rows->rowCount(); ++row) {
        for (int column = 3; column < kTipRowColumns; ++column) {
            if (QTableWidgetItem* cell = m_rows->item(row, column)) {
                cell->setTextAlignment(Qt::AlignCenter);
                cell->setBackground(Qt::white);
                cell->setForeground(Qt::black);
            }
        }
    }
}

void TFDruck::OpenSlipFiles() {
    Guarded(m_context.ports.messages, [this] {
        FileDialogRequest request;
        request.title = QStringLiteral("Spielschein-Datei einlesen");
        request.filter = QStringLiteral("KENO-Schein-Datei|*.kts");
        request.defaultExtension = QStringLiteral("kts");
        request.startFolder = FromPath(m_context.state.DataFolder);
        const QStringList chosen = m_context.ports.fileDialogs.OpenSeveral(request);
        if (chosen.isEmpty()) {
            return;
        }
        // Every file is read before the list changes: one that holds no slip leaves the list as it was.
        std::vector<std::optional<TSchein>> slips;
        for (const QString& path : chosen) {
            slips.push_back(LoadSlip(ToPath(path)));
        }
        int rows = 0;
        for (const std::optional<TSchein>& slip : slips) {
            rows = LoadSlipRows(*m_rows, slip, rows);
        }
        m_end->setText(QString::number(rows));
        UpdateSlipsNeeded();
        m_slipFileName->setText(FileNameOf(chosen.first()));
        m_textFileName->clear();
        m_textChoice->setChecked(false);
        MarkRowsLoaded(false);
    });
}

void TFDruck::OpenTextFile() {
    Guarded(m_context.ports.messages, [this] {
        FileDialogRequest request;
        request.title = QStringLiteral("Eine Text-Datei einlesen");
        request.filter = QStringLiteral("Text-Dateien|*.txt;*.csv");
        request.defaultExtension = QStringLiteral("txt");
        request.startFolder = FromPath(m_context.state.DataFolder);
        const auto chosen = m_context.ports.fileDialogs.OpenOne(request);
        if (!chosen) {
            return;
        }
        const std::optional<std::vector<TipRowCells>> read = ReadTipRowFile(ToPath(*chosen));
        if (!read) {
            throw FileError(ToPath(*chosen), std::strerror(ENOENT));
        }
        m_textFileName->setText(FileNameOf(*chosen));
        m_slipFileName->clear(); // the list no longer holds the slip files' rows
        const std::vector<TipRowCells>& rows = *read;
        m_rows->setRowCount(static_cast<int>(rows.size()) + 1);
        for (std::size_t r = 0; r < rows.size(); ++r) {
            for (int column = 0; column < kTipRowColumns; ++column) {
                m_rows->SetCell(column, static_cast<int>(r) + 1,
                                QString::fromStdString(rows[r][static_cast<std::size_t>(column)]));
            }
            // A text row carries no field number; it fills the field of its place, as slip rows do.
            m_rows->SetCell(0, static_cast<int>(r) + 1, QString::number(r + 1));
        }
        m_textChoice->setChecked(true);
        m_end->setText(QString::number(rows.size()));
        UpdateSlipsNeeded();
        MarkRowsLoaded(true);
    });
}

std::vector<TipRowCells> TFDruck::Rows() const {
    std::vector<TipRowCells> rows;
    for (int row = 1; row < m_rows->rowCount(); ++row) {
        TipRowCells cells;
        for (int column = 0; column < kTipRowColumns; ++column) {
            cells[static_cast<std::size_t>(column)] = m_rows->Cell(column, row).toStdString();
        }
        rows.push_back(std::move(cells));
    }
    return rows;
}

PrintJob TFDruck::Job() const {
    PrintJob job;
    job.rows = Rows();
    job.start = m_start->text().toStdString();
    job.end = m_end->text().toStdString();
    job.startNumber = m_startNumber->text().toStdString();
    job.printNumbers = m_printNumber->isChecked();
    job.hori = m_hori->text().toStdString();
    job.vert = m_vert->text().toStdString();
    if (m_textChoice->isChecked()) {
        job.textChoice =
            PrintJob::BoxChoice{std::max(0, m_stakeChoice->checkedId()), std::max(0, m_drawChoice->checkedId())};
    }
    job.rowsFromText = m_rowsFromText;
    return job;
}

std::optional<PrintPlan> TFDruck::PlanOrRefuse() {
    const std::vector<TipRowCells> rows = Rows();
    if (!NothingToPrint(rows)) {
        const RangeTexts range = FilledRange(m_start->text().toStdString(), m_end->text().toStdString(), rows.size());
        m_start->setText(QString::fromStdString(range.start));
        m_end->setText(QString::fromStdString(range.end));
    }
    PrintPlan plan = PlanPrint(Job(), m_context.state.PrintParameters);
    if (plan.refusal) {
        m_context.ports.messages.Information(PrintRefusalText(*plan.refusal));
        return std::nullopt;
    }
    return plan;
}

bool TFDruck::FitsOnPaper(const PrintPlan& plan, PaperRect printable) {
    if (const auto refusal = MarkOutside(plan.slips, printable, MarkSize)) {
        m_context.ports.messages.Error(PrintRefusalText(*refusal));
        return false;
    }
    return true;
}

void TFDruck::Print() {
    if (m_printing) {
        return; // a click while the job hands control out starts no second job inside it
    }
    if (NothingToPrint(Rows())) {
        m_context.ports.messages.Information(PrintRefusalText({PrintRefusal::Kind::NothingToPrint, 0, {}}));
        return;
    }
    PrintTarget& printer = m_context.ports.printTarget;
    if (!printer.Setup(this)) {
        return;
    }
    const std::optional<PrintPlan> plan = PlanOrRefuse();
    if (!plan || !FitsOnPaper(*plan, ToPaperRect(printer.PrintableArea()))) {
        return;
    }
    m_stopRequested = false;
    m_stop->setEnabled(true);
    UpdateSlipsNeeded();
    m_printing = true;
    RunJob(*plan);
    m_printing = false;
    m_stop->setEnabled(false);
}

void TFDruck::RunJob(const PrintPlan& plan) {
    PrintTarget& printer = m_context.ports.printTarget;

    // Marks are placed on the paper; the printer draws from the corner of its printable area.
    const QPoint offset = printer.PhysicalOffset();
    const QFont font = MarkFont();
    const QString jobName = QString::fromUtf8(kJobName);
    std::size_t slip = 0;
    while (slip < plan.slips.size()) {
        if (!printer.BeginDocument(jobName)) {
            m_context.ports.messages.Error(QStringLiteral("Der Drucker nimmt den Ausdruck nicht an."));
            break;
        }
        for (const PrintMark& mark : plan.slips[slip].marks) {
            printer.TextAt(OnPrintableArea(mark.at, offset), QString::fromStdString(mark.text), font, kMarkColour);
            if (m_stopRequested) {
                printer.EndDocument();
                return;
            }
        }
        printer.EndDocument();
        QCoreApplication::processEvents();
        if (m_ask->isChecked()) {
            const Messages::Answer answer = m_context.ports.messages.YesNoCancel(QString::fromUtf8(kPrintQuestionText));
            QCoreApplication::processEvents();
            if (answer == Messages::Answer::Cancel) {
                break;
            }
            if (answer == Messages::Answer::No) {
                continue; // the same slip again, with its rows and its number
            }
        }
        if (m_stopRequested) {
            break;
        }
        ++slip;
    }
}

void TFDruck::RequestStop() {
    if (m_context.ports.messages.YesNoCancel(QString::fromUtf8(kStopQuestionText)) == Messages::Answer::Yes) {
        m_stopRequested = true;
        m_stop->setEnabled(false);
    }
}

void TFDruck::RenderPreview(QPrinter* printer, const std::vector<PrintedSlip>& slips, PaperRect outline) {
    QPainter painter(printer);
    const QSizeF paper = printer->pageLayout().fullRect(QPageLayout::Millimeter).size();
    const PaperRect sheet{0, 0, static_cast<std::int32_t>(std::lround(paper.width() * 10.0)),
                          static_cast<std::int32_t>(std::lround(paper.height() * 10.0))};
    for (std::size_t i = 0; i < slips.size(); ++i) {
        if (i > 0) {
            printer->newPage();
        }
        DrawSheetGuides(painter, *printer, sheet, outline);
        DrawSlipSheet(painter, *printer, slips[i]);
    }
}

void TFDruck::ShowPreview() {
    const std::optional<PrintPlan> plan = PlanOrRefuse();
    if (!plan) {
        return;
    }
    auto* printer = new QPrinter(QPrinter::HighResolution);
    printer->setFullPage(true); // the origin is the paper's corner, where the positions count from
    printer->setDocName(QString::fromUtf8(kJobName));
    auto* preview = new QPrintPreviewDialog(printer, this);
    preview->setObjectName(QStringLiteral("Vorschau"));
    preview->setWindowTitle(QStringLiteral("Vorschau der Tippscheine"));
    preview->setAttribute(Qt::WA_DeleteOnClose);
    connect(preview, &QObject::destroyed, this, [printer] { delete printer; });
    const std::vector<PrintedSlip> slips = plan->slips;
    // The job was planned, so both corrections are numbers.
    const PaperRect outline = SlipOutline(m_context.state.PrintParameters, LeadingInteger(m_hori->text().toStdString()),
                                          LeadingInteger(m_vert->text().toStdString()), MarkSize("x"));
    connect(preview, &QPrintPreviewDialog::paintRequested, this,
            [this, slips, outline](QPrinter* target) { RenderPreview(target, slips, outline); });
    preview->resize(900, 700);
    preview->open();
}

void TFDruck::SavePdf() {
    Guarded(m_context.ports.messages, [this] {
        const std::optional<PrintPlan> plan = PlanOrRefuse();
        if (!plan || !FitsOnPaper(*plan, kA4Sheet)) {
            return;
        }
        SavePdfAs(m_context, QStringLiteral("Ausdruck als PDF speichern"), QStringLiteral("Tippscheine.pdf"), [&plan] {
            return SlipSheetsPdf(plan->slips, QPageSize(QPageSize::A4), QString::fromUtf8(kJobName));
        });
    });
}

QString TFDruck::CorrectionHori() const {
    return m_hori->text();
}

QString TFDruck::CorrectionVert() const {
    return m_vert->text();
}

void TFDruck::closeEvent(QCloseEvent* event) {
    Guarded(m_context.ports.messages, [this] {
        WritePrintSettings(IniFile(m_context.state.DataFolder / kSettingsFileName),
                           {m_hori->text().toStdString(), m_vert->text().toStdString(), m_printNumber->isChecked(),
                            m_ask->isChecked()});
    });
    event->accept(); // only hidden: the window stays for the next printing command
}

} // namespace qv
