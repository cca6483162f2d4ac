#include "ui/printing/TFDetail.h"

#include "engine/core/FileError.h"
#include "engine/core/IniFile.h"
#include "engine/printing/PrintSettings.h"
#include "platform/SlipSheets.h"
#include "text/DataFolder.h"
#include "text/PrintTexts.h"
#include "ui/frame/AppContext.h"
#include "ui/frame/CommandIcons.h"
#include "ui/frame/ErrorReport.h"
#include "ui/frame/HelpContexts.h"
#include "ui/frame/SharedCommands.h"
#include "ui/printing/PdfSave.h"
#include "ui/widgets/Controls.h"
#include "ui/widgets/GridRoutines.h"
#include "ui/widgets/StringGrid.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace qv {
namespace {

constexpr const char* kParameterFilter = "Druck-Parameter-Datei|*.qvpd";
constexpr const char* kParameterExtension = "qvpd";

QLineEdit* Edit(const QString& name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setFixedWidth(60);
    edit->setAlignment(Qt::AlignCenter);
    return edit;
}

} // namespace

TFDetail::TFDetail(AppContext& context)
    : m_context(context)
    , m_firstNumbers(CreateGrid(QStringLiteral("G1"), 9))
    , m_stakes(CreateGrid(QStringLiteral("G2"), 7))
    , m_draws(CreateGrid(QStringLiteral("G3"), 6))
    , m_hori(Edit(QStringLiteral("eHori"), this))
    , m_verti(Edit(QStringLiteral("eVerti"), this))
    , m_slipNoX(Edit(QStringLiteral("eSNrX"), this))
    , m_slipNoY(Edit(QStringLiteral("eSNrY"), this))
    , m_scaleX(Edit(QStringLiteral("eSkalaX"), this))
    , m_scaleY(Edit(QStringLiteral("eSkalaY"), this))
    , m_fileName(new QLabel(this)) {
    setObjectName(QLatin1String(kFormName));
    setWindowFlag(Qt::Window);
    SetGridHeadings();

    // A main window without bars, so that a screen reader announces it as a window of its own.
    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* layout = new QVBoxLayout(central);
    layout->addLayout(CreateGridSection());
    layout->addLayout(CreateEditSection());
    layout->addLayout(CreateFileSection());
    layout->addStretch(1);
    layout->addLayout(CreateBottomBar());
    m_context.commands.InstallHelpKey(this);
    SetTabOrder();
    Restore();
    resize(sizeHint().expandedTo(QSize(560, 520)));
}

void TFDetail::SetGridHeadings() {
    // Each grid shows what its columns and rows hold; a screen reader hears the longer names.
    const auto headColumns = [](StringGrid* grid, const QStringList& shown, const QString& spoken) {
        // The first column holds the rows' captions "X" and "Y"; its heading stays empty on screen.
        QStringList names{QStringLiteral("Achse")};
        for (int column = 1; column < grid->columnCount(); ++column) {
            grid->SetCell(column, 0, shown.at(column - 1));
            grid->item(0, column)->setTextAlignment(Qt::AlignCenter);
            names << spoken.arg(shown.at(column - 1));
            grid->item(0, column)->setData(Qt::AccessibleTextRole, names.last());
        }
        grid->SetCell(0, 1, QStringLiteral("X"));
        grid->SetCell(0, 2, QStringLiteral("Y"));
        grid->setHorizontalHeaderLabels(names);
        grid->setVerticalHeaderLabels({QString(), QStringLiteral("X"), QStringLiteral("Y")});
        FitGrid(grid);
    };
    headColumns(m_firstNumbers,
                {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                 QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("8")},
                QStringLiteral("Tippfeld %1"));
    headColumns(m_stakes,
                {QStringLiteral("1 €"), QStringLiteral("2 €"), QStringLiteral("3 €"), QStringLiteral("4 €"),
                 QStringLiteral("5 €"), QStringLiteral("10 €")},
                QStringLiteral("Einsatz %1"));
    headColumns(
        m_draws,
        {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("4"), QStringLiteral("7"), QStringLiteral("14")},
        QStringLiteral("%1 Ziehungen"));
}

QLabel* TFDetail::BuddyFor(const QString& name, const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->setBuddy(buddy);
    buddy->setAccessibleName(text);
    return label;
}

QLayout* TFDetail::CreateGridSection() {
    auto* grids = new QVBoxLayout;
    const std::pair<QLabel*, StringGrid*> sections[] = {
        {BuddyFor(QStringLiteral("Label1"), QStringLiteral("X-Y-Werte für \"1\" der Tippfelder"), m_firstNumbers),
         m_firstNumbers},
        {BuddyFor(QStringLiteral("Label2"), QStringLiteral("X-Y-Werte für Einsatz pro Tipp"), m_stakes), m_stakes},
        {BuddyFor(QStringLiteral("Label3"), QStringLiteral("X-Y-Werte für Anzahl Ziehungen"), m_draws), m_draws},
    };
    for (auto [label, grid] : sections) {
        grids->addWidget(label);
        grids->addWidget(grid, 0, Qt::AlignLeft);
    }
    return grids;
}

QLayout* TFDetail::CreateEditSection() {
    auto* horiLabel = BuddyFor(QStringLiteral("Label4"), QStringLiteral("Abstand von 1 - 61 (horizontal)"), m_hori);
    auto* vertiLabel = BuddyFor(QStringLiteral("Label5"), QStringLiteral("Abstand von 1 - 10 (vertikal)"), m_verti);
    auto* slipNoLabel = BuddyFor(QStringLiteral("Label6"), QStringLiteral("Schein-Nr. X und Y"), m_slipNoX);
    m_slipNoX->setAccessibleName(QStringLiteral("Schein-Nr. X"));
    m_slipNoY->setAccessibleName(QStringLiteral("Schein-Nr. Y"));
    auto* scaleLabel = BuddyFor(QStringLiteral("Label8"),
                                QStringLiteral("Maßstab X und Y in Promille (1000 = unverändert)"), m_scaleX);
    m_scaleX->setAccessibleName(QStringLiteral("Maßstab X in Promille"));
    m_scaleY->setAccessibleName(QStringLiteral("Maßstab Y in Promille"));
    m_scaleX->setToolTip(QStringLiteral("Liegen die Kreuze am Rand des Scheins weiter auseinander als die Kästchen, "
                                        "macht ein Wert unter 1000 den Ausdruck schmaler."));
    m_scaleY->setToolTip(m_scaleX->toolTip());
    m_scaleX->setText(QString::number(TDruckParameter::kNeutralScale));
    m_scaleY->setText(QString::number(TDruckParameter::kNeutralScale));

    auto* printSheet = Button(QStringLiteral("BKalibrierblatt"), QStringLiteral("&Kalibrierblatt drucken..."), this);
    auto* saveSheet = Button(QStringLiteral("BKalibrierPdf"), QStringLiteral("Kalibrierblatt als &PDF..."), this);

    auto* edits = new QGridLayout;
    edits->addWidget(horiLabel, 0, 0);
    edits->addWidget(m_hori, 0, 1);
    edits->addWidget(vertiLabel, 1, 0);
    edits->addWidget(m_verti, 1, 1);
    edits->addWidget(slipNoLabel, 2, 0);
    edits->addWidget(m_slipNoX, 2, 1);
    edits->addWidget(m_slipNoY, 2, 2);
    edits->addWidget(scaleLabel, 3, 0);
    edits->addWidget(m_scaleX, 3, 1);
    edits->addWidget(m_scaleY, 3, 2);
    // The sheet shows the values beside it, so its buttons stand there.
    edits->addWidget(printSheet, 0, 4);
    edits->addWidget(saveSheet, 1, 4);
    edits->setColumnStretch(3, 1);

    connect(printSheet, &QPushButton::clicked, this, &TFDetail::PrintCalibrationSheet);
    connect(saveSheet, &QPushButton::clicked, this, &TFDetail::SaveCalibrationSheet);
    return edits;
}

QLayout* TFDetail::CreateFileSection() {
    auto* save = Button(QStringLiteral("bsSkinSpeedButton1"), QStringLiteral("Speichern"), this);
    auto* open = Button(QStringLiteral("bsSkinSpeedButton2"), QStringLiteral("Öffnen"), this);
    auto* fileCaption = new QLabel(QStringLiteral("Datei"), this);
    fileCaption->setObjectName(QStringLiteral("Label7"));
    m_fileName->setObjectName(QStringLiteral("LDatei"));
    m_fileName->setMinimumWidth(120);
    m_fileName->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    m_fileName->setAccessibleName(QStringLiteral("Datei"));

    auto* file = new QHBoxLayout;
    file->addWidget(save);
    file->addWidget(open);
    file->addSpacing(12);
    file->addWidget(fileCaption);
    file->addWidget(m_fileName, 1);

    connect(save, &QPushButton::clicked, this, &TFDetail::Save);
    connect(open, &QPushButton::clicked, this, &TFDetail::Open);
    return file;
}

QLayout* TFDetail::CreateBottomBar() {
    auto* close = CloseButton(this, QStringLiteral("bsSkinSpeedButton5"));
    auto* help = PictureButton(QStringLiteral("bsSkinSpeedButton6"), CommandIcon(Command::HilfeBenutzen),
                               QStringLiteral("Hilfe"), this);

    QHBoxLayout* bottom = CloseRow(close, help);
    connect(help, &QToolButton::clicked, this,
            [this] { m_context.ports.help.ShowTopic(ButtonHelpTopic(HelpOf(kFormName))); });
    return bottom;
}

void TFDetail::SetTabOrder() {
    QWidget* previous = m_firstNumbers;
    const auto child = [this](const char* name) { return findChild<QWidget*>(QString::fromLatin1(name)); };
    for (QWidget* widget : std::initializer_list<QWidget*>{
             m_stakes, m_draws, m_hori, m_verti, m_slipNoX, m_slipNoY, m_scaleX, m_scaleY, child("BKalibrierblatt"),
             child("BKalibrierPdf"), child("bsSkinSpeedButton1"), child("bsSkinSpeedButton2"),
             child("bsSkinSpeedButton6"), child("bsSkinSpeedButton5")}) {
        setTabOrder(previous, widget);
        previous = widget;
    }
}

void TFDetail::Restore() {
    // Until the print window tells its correction, the one it starts with.
    Guarded(m_context.ports.messages, [this] {
        const PrintSettings settings = ReadPrintSettings(IniFile(m_context.state.DataFolder / kSettingsFileName));
        SetCorrection(QString::fromStdString(settings.hori), QString::fromStdString(settings.vert));
    });
    // The set in memory (the installed one, or the one last opened or saved) is what the player corrects:
    // showing it keeps a save from the editor from writing empty fields over it. Without one it starts
    // empty.
    if (m_context.state.PrintParameters != TDruckParameter{}) {
        Fill(EditorValuesOf(m_context.state.PrintParameters));
    }
}

StringGrid* TFDetail::CreateGrid(const QString& name, int columns) {
    auto* grid = new StringGrid(this, 1);
    grid->setObjectName(name);
    grid->setColumnCount(columns);
    grid->setRowCount(3);
    for (int column = 0; column < columns; ++column) {
        for (int row = 0; row < 3; ++row) {
            grid->SetCell(column, row, QString());
            QTableWidgetItem* cell = grid->item(row, column);
            if (row > 0 && column > 0) {
                cell->setTextAlignment(Qt::AlignCenter);
                cell->setBackground(Qt::white);
                cell->setForeground(Qt::black);
            }
        }
    }
    grid->item(1, 0)->setData(Qt::AccessibleTextRole, QStringLiteral("X"));
    grid->item(2, 0)->setData(Qt::AccessibleTextRole, QStringLiteral("Y"));
    grid->setEditTriggers(QAbstractItemView::AllEditTriggers);
    grid->setCurrentCell(1, 1);
    // Only the grid with the focus shows its current cell; the others stay white.
    QPalette palette = grid->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight, Qt::white);
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText, Qt::black);
    grid->setPalette(palette);
    grid->setTabKeyNavigation(false); // Tab leaves the grid, the arrows move inside
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return grid;
}

void TFDetail::FitGrid(StringGrid* grid) {
    // Every column as wide as its widest text, values of five digits and a sign included.
    const int valueWidth = TextWidthIn(grid->font(), QStringLiteral("-00000")) + 12;
    int width = 2 * grid->frameWidth();
    for (int column = 0; column < grid->columnCount(); ++column) {
        int needed = column == 0 ? 0 : valueWidth;
        for (int row = 0; row < grid->rowCount(); ++row) {
            needed = std::max(needed, TextWidthIn(grid->font(), grid->Cell(column, row)) + 12);
        }
        grid->setColumnWidth(column, needed);
        width += needed;
    }
    int height = 2 * grid->frameWidth();
    for (int row = 0; row < grid->rowCount(); ++row) {
        height += grid->rowHeight(row);
    }
    grid->setFixedSize(width, height);
}

void TFDetail::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    setWindowTitle(QStringLiteral("%1-%2").arg(width()).arg(height()));
}

void TFDetail::Fill(const EditorValues& values) {
    const auto put = [](StringGrid* grid, int column, PaperPoint point) {
        grid->SetCell(column, 1, QString::number(point.x));
        grid->SetCell(column, 2, QString::number(point.y));
    };
    for (int f = 0; f < TDruckParameter::kFields; ++f) {
        put(m_firstNumbers, f + 1, values.firstNumbers[static_cast<std::size_t>(f)]);
    }
    for (std::size_t i = 0; i < values.einsatzPos.size(); ++i) {
        put(m_stakes, static_cast<int>(i) + 1, values.einsatzPos[i]);
    }
    for (std::size_t i = 0; i < values.ziehungenPos.size(); ++i) {
        put(m_draws, static_cast<int>(i) + 1, values.ziehungenPos[i]);
    }
    m_hori->setText(QString::number(values.abstandHori));
    m_verti->setText(QString::number(values.abstandVerti));
    m_slipNoX->setText(QString::number(values.scheinNrX));
    m_slipNoY->setText(QString::number(values.scheinNrY));
    m_scaleX->setText(QString::number(values.scaleX));
    m_scaleY->setText(QString::number(values.scaleY));
}

std::optional<EditorValues> TFDetail::ReadValues() {
    bool valid = true;
    // Values are taken in the window's order; the first that is no integer stops the save.
    const auto take = [&](const QString& text, std::int32_t& into) {
        if (!valid) {
            return;
        }
        if (const auto value = ParseEditorInteger(text.toStdString())) {
            into = *value;
        } else {
            m_context.ports.messages.Error(NotAnIntegerText(text));
            valid = false;
        }
    };
    const auto takePoint = [&](StringGrid* grid, int column, PaperPoint& into) {
        take(grid->Cell(column, 1), into.x);
        take(grid->Cell(column, 2), into.y);
    };
    EditorValues values;
    take(m_hori->text(), values.abstandHori);
    take(m_verti->text(), values.abstandVerti);
    for (int f = 0; f < TDruckParameter::kFields; ++f) {
        takePoint(m_firstNumbers, f + 1, values.firstNumbers[static_cast<std::size_t>(f)]);
    }
    for (std::size_t i = 0; i < values.einsatzPos.size(); ++i) {
        takePoint(m_stakes, static_cast<int>(i) + 1, values.einsatzPos[i]);
    }
    for (std::size_t i = 0; i < values.ziehungenPos.size(); ++i) {
        takePoint(m_draws, static_cast<int>(i) + 1, values.ziehungenPos[i]);
    }
    take(m_slipNoX->text(), values.scheinNrX);
    take(m_slipNoY->text(), values.scheinNrY);
    const auto takeScale = [&](const QString& text, std::int32_t& into) {
        take(text, into);
        if (valid && !TDruckParameter::IsAllowedScale(into)) {
            m_context.ports.messages.Error(
                QStringLiteral("Der Maßstab %1 liegt nicht zwischen %2 und %3 Promille.\r\rIch breche erst einmal ab.")
                    .arg(into)
                    .arg(TDruckParameter::kMinScale)
                    .arg(TDruckParameter::kMaxScale));
            valid = false;
        }
    };
    takeScale(m_scaleX->text(), values.scaleX);
    takeScale(m_scaleY->text(), values.scaleY);
    return valid ? std::optional<EditorValues>(values) : std::nullopt;
}

void TFDetail::Save() {
    Guarded(m_context.ports.messages, [this] {
        FileDialogRequest request;
        request.title = QStringLiteral("Druck-Parameter speichern");
        request.filter = QString::fromUtf8(kParameterFilter);
        request.defaultExtension = QString::fromUtf8(kParameterExtension);
        request.startFolder = FromPath(m_context.state.DataFolder);
        const auto chosen = m_context.ports.fileDialogs.Save(request);
        if (!chosen) {
            return;
        }
        const auto values = ReadValues();
        if (!values) {
            return;
        }
        // The program's set changes only once the file is written.
        const TDruckParameter set = WithEditorValues(m_context.state.PrintParameters, *values);
        WritePrintParameterFile(ToPath(*chosen), set);
        m_context.state.PrintParameters = set;
        m_fileName->setText(QFileInfo(*chosen).fileName());
    });
}

void TFDetail::Open() {
    FileDialogRequest request;
    request.title = QStringLiteral("Druck-Parameter einlesen");
    request.filter = QString::fromUtf8(kParameterFilter);
    request.defaultExtension = QString::fromUtf8(kParameterExtension);
    request.startFolder = FromPath(m_context.state.DataFolder);
    if (const auto chosen = m_context.ports.fileDialogs.OpenOne(request)) {
        OpenFile(*chosen);
    }
}

void TFDetail::OpenFile(const QString& path) {
    Guarded(m_context.ports.messages, [this, &path] {
        std::optional<TDruckParameter> set;
        try {
            set = ReadPrintParameterFile(ToPath(path));
        } catch (const ParameterFileTooShort&) {
            m_context.ports.messages.Error(QString::fromUtf8(kShortParameterFileText));
            return;
        }
        if (!set) {
            throw FileError(ToPath(path), std::strerror(ENOENT));
        }
        m_context.state.PrintParameters = *set;
        Fill(EditorValuesOf(*set));
    });
}

void TFDetail::SetCorrection(const QString& hori, const QString& vert) {
    m_correctionHori = hori;
    m_correctionVert = vert;
}

std::optional<std::vector<PaperLine>> TFDetail::CalibrationLines() {
    const auto values = ReadValues();
    if (!values) {
        return std::nullopt;
    }
    // The correction is read as the print reads it: empty is 0, anything else must be an integer.
    std::array<int, 2> shift{};
    const std::array<QString, 2> texts = {m_correctionHori, m_correctionVert};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const auto value = texts[i].isEmpty() ? 0 : ParseEditorInteger(texts[i].toStdString());
        if (!value) {
            m_context.ports.messages.Information(
                PrintRefusalText({PrintRefusal::Kind::BadCorrection, 0, texts[i].toStdString()}));
            return std::nullopt;
        }
        shift[i] = *value;
    }
    const TDruckParameter set = WithEditorValues(m_context.state.PrintParameters, *values);
    return CalibrationCrosses(set, shift[0], shift[1], MarkCentre());
}

void TFDetail::PrintCalibrationSheet() {
    Guarded(m_context.ports.messages, [this] {
        const auto lines = CalibrationLines();
        if (!lines) {
            return;
        }
        PrintTarget& printer = m_context.ports.printTarget;
        if (!printer.Setup(this)) {
            return;
        }
        if (!printer.BeginDocument(QStringLiteral("Kalibrierblatt"))) {
            m_context.ports.messages.Error(QStringLiteral("Der Drucker nimmt den Ausdruck nicht an."));
            return;
        }
        // Lines are placed on the paper; the printer draws from the corner of its printable area.
        const QPoint offset = printer.PhysicalOffset();
        for (const PaperLine& line : *lines) {
            printer.LineAt(OnPrintableArea(line.from, offset), OnPrintableArea(line.to, offset), kMarkColour);
        }
        printer.EndDocument();
    });
}

void TFDetail::SaveCalibrationSheet() {
    Guarded(m_context.ports.messages, [this] {
        const auto lines = CalibrationLines();
        if (!lines) {
            return;
        }
        SavePdfAs(m_context, QStringLiteral("Kalibrierblatt als PDF speichern"), QStringLiteral("Kalibrierblatt.pdf"),
                  [&lines] {
                      return CalibrationSheetPdf(*lines, QPageSize(QPageSize::A4), QStringLiteral("Kalibrierblatt"));
                  });
    });
}

} // namespace qv
