#include "ui/tips/TFEingabe2.h"

#include "engine/core/GameTables.h"
#include "engine/core/SafeFile.h"
#include "engine/core/SlipFile.h"
#include "engine/tips/TipRowSlips.h"
#include "text/DataFolder.h"
#include "ui/frame/AppContext.h"
#include "ui/frame/ErrorReport.h"
#include "ui/frame/SharedCommands.h"
#include "ui/frame/Titles.h"
#include "ui/frame/WindowAccessibility.h"
#include "ui/widgets/Controls.h"
#include "ui/widgets/GridRoutines.h"
#include "ui/widgets/StringGrid.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace qv {

namespace {

constexpr int kRowsAtStart = 25;
constexpr int kRowsPerSlip = 8;
// Label5's green.
constexpr QRgb kHintGreen = 0xFF008000;

QLabel* Label(const QString& name, const QString& text, QWidget* parent, bool bold = false) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

// The grid draws its own cells: the columns are too narrow for the usual padding and elision of texts.
// Numbers (columns 3 on, rows 1 on) stand centred two pixels below the cell top; the other texts are
// centred by leading blanks.
class TipRowCellPainter : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        painter->save();
        const bool selected = option.state.testFlag(QStyle::State_Selected) && index.row() > 0;
        const QVariant background = index.data(Qt::BackgroundRole);
        QBrush fill = background.canConvert<QBrush>() ? background.value<QBrush>() : option.palette.base();
        if (selected) {
            fill = option.palette.highlight();
        }
        painter->fillRect(option.rect, fill);
        const QVariant font = index.data(Qt::FontRole);
        painter->setFont(font.canConvert<QFont>() ? font.value<QFont>() : option.font);
        const QVariant foreground = index.data(Qt::ForegroundRole);
        painter->setPen(selected                          ? option.palette.highlightedText().color()
                        : foreground.canConvert<QBrush>() ? foreground.value<QBrush>().color()
                                                          : option.palette.text().color());
        const QString text = index.data(Qt::DisplayRole).toString();
        painter->setClipRect(option.rect);
        if (index.row() > 0 && index.column() >= kFirstNumberColumn) {
            painter->drawText(option.rect.adjusted(0, 2, 0, 0), Qt::AlignHCenter | Qt::AlignTop, text);
        } else {
            painter->drawText(option.rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
        }
        painter->restore();
    }
};

std::string ToStd(const QString& text) {
    return text.toStdString();
}

} // namespace

TFEingabe2::TFEingabe2(AppContext& context)
    : m_context(context) {
    setObjectName(QLatin1String(kFormName));
    setWindowTitle(ProductTitle());

    m_grid = new StringGrid(this, 3);
    m_grid->setObjectName(QStringLiteral("GReihen"));
    m_grid->setAccessibleName(QStringLiteral("Tippreihen"));
    m_grid->setColumnCount(kTipRowColumns);
    m_grid->setRowCount(kRowsAtStart);
    m_grid->verticalHeader()->setMinimumSectionSize(kRowHeight);
    m_grid->verticalHeader()->setDefaultSectionSize(kRowHeight);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    SetTipRowHeadings(*m_grid);
    for (int column = kFirstNumberColumn; column < kTipRowColumns; ++column) {
        m_grid->SetColumnWidth(column, kNumberColumnWidth);
        m_grid->SetCell(column, 0, CenterPad80(QString::number(column - 2), kNumberColumnWidth, *m_grid));
    }
    m_grid->setTabKeyNavigation(false);
    m_grid->setItemDelegate(new TipRowCellPainter(m_grid));
    NumberRows();
    StyleNumberCells();
    int gridWidth = 2 * m_grid->frameWidth() + 18; // room for the vertical scroll bar
    for (int column = 0; column < kTipRowColumns; ++column) {
        gridWidth += m_grid->ColumnWidth(column);
    }
    m_grid->setMinimumWidth(gridWidth);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_grid, 0);
    layout->addWidget(CreateSidePanel(), 1);
    m_context.commands.InstallHelpKey(this);
    resize(gridWidth + 330, kRowsAtStart * kRowHeight + 60);
}

QWidget* TFEingabe2::CreateSidePanel() {
    auto* panel = new QWidget(this);
    auto* layout = new QGridLayout(panel);
    layout->setContentsMargins(6, 0, 0, 0);
    int row = AddFileRows(panel, layout, 0);
    layout->setRowMinimumHeight(row++, 8);
    row = AddSlipValueRows(panel, layout, row);
    layout->setRowMinimumHeight(row++, 8);
    row = AddEntryRows(panel, layout, row);
    layout->setRowMinimumHeight(row++, 8);
    row = AddSaveRows(panel, layout, row);
    layout->setRowStretch(row++, 1);
    auto* close = CloseButton(this, QStringLiteral("BClose"));
    layout->addWidget(close, row++, 1);
    layout->setColumnStretch(1, 1);

    QWidget* previous = m_grid;
    for (const char* name : {"bsSkinSpeedButton1", "ComboZiehungen", "bsSkinSpeedButton3", "ComboEinsatz",
                             "bsSkinSpeedButton2", "BManu", "BFertig", "bsSkinSpeedButton4", "BClose"}) {
        QWidget* next = panel->findChild<QWidget*>(QString::fromLatin1(name));
        setTabOrder(previous, next);
        previous = next;
    }
    return panel;
}

int TFEingabe2::AddFileRows(QWidget* panel, QGridLayout* layout, int row) {
    auto* open = Button(QStringLiteral("bsSkinSpeedButton1"), QStringLiteral("Textdatei ö&ffnen..."), panel);
    auto* datei = Label(QStringLiteral("LDateiTitel"), QStringLiteral("Datei"), panel);
    m_fileName = Label(QStringLiteral("LDatei1"), QString(), panel);
    m_fileName->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    datei->setBuddy(m_fileName);
    layout->addWidget(open, row++, 0, 1, 2);
    layout->addWidget(datei, row++, 0, 1, 2);
    layout->addWidget(m_fileName, row++, 0, 1, 2);
    connect(open, &QPushButton::clicked, this,
            [this] { Guarded(m_context.ports.messages, [this] { LoadTextFile(); }); });
    return row;
}

int TFEingabe2::AddSlipValueRows(QWidget* panel, QGridLayout* layout, int row) {
    auto* label1 = Label(QStringLiteral("Label1"), QStringLiteral("Ergänzende Angaben:"), panel, true);
    auto* drawsLabel = Label(QStringLiteral("LZiehungen"), QStringLiteral("Anzahl der Ziehungen:"), panel);
    m_drawCounts = new QComboBox(panel);
    m_drawCounts->setObjectName(QStringLiteral("ComboZiehungen"));
    for (const int draws : DrawCounts) {
        m_drawCounts->addItem(QString::number(draws));
    }
    m_drawCounts->setCurrentIndex(-1);
    m_drawCounts->setMinimumContentsLength(3);
    drawsLabel->setBuddy(m_drawCounts);
    auto* fillDraws = Button(QStringLiteral("bsSkinSpeedButton3"), QStringLiteral("Für alle Scheine eintragen"), panel);
    fillDraws->setAccessibleName(QStringLiteral("Anzahl der Ziehungen für alle Scheine eintragen"));

    auto* stakesLabel = Label(QStringLiteral("LEinsatz"), QStringLiteral("Einsatz pro Tipp:"), panel);
    m_stakes = new QComboBox(panel);
    m_stakes->setObjectName(QStringLiteral("ComboEinsatz"));
    for (const int euros : StakeEuros) {
        m_stakes->addItem(QString::number(euros));
    }
    m_stakes->setCurrentIndex(-1);
    m_stakes->setMinimumContentsLength(3);
    stakesLabel->setBuddy(m_stakes);
    auto* fillStakes =
        Button(QStringLiteral("bsSkinSpeedButton2"), QStringLiteral("Für alle Scheine eintragen"), panel);
    fillStakes->setAccessibleName(QStringLiteral("Einsatz für alle Scheine eintragen"));

    layout->addWidget(label1, row++, 0, 1, 2);
    layout->addWidget(drawsLabel, row++, 0, 1, 2);
    layout->addWidget(m_drawCounts, row, 0);
    layout->addWidget(fillDraws, row++, 1);
    layout->addWidget(stakesLabel, row++, 0, 1, 2);
    layout->addWidget(m_stakes, row, 0);
    layout->addWidget(fillStakes, row++, 1);

    // Nothing chosen in a list: the button leaves the grid alone.
    connect(fillDraws, &QPushButton::clicked, this, [this] {
        if (const auto at = DrawCountAt(m_drawCounts->currentIndex())) {
            FillForAllSlips(*at, 1);
        }
    });
    connect(fillStakes, &QPushButton::clicked, this, [this] {
        if (const auto at = StakeEurosAt(m_stakes->currentIndex())) {
            FillForAllSlips(*at, 2);
        }
    });
    return row;
}

int TFEingabe2::AddEntryRows(QWidget* panel, QGridLayout* layout, int row) {
    auto* label5 = Label(
        QStringLiteral("Label5"),
        QStringLiteral("Bei manueller Eingabe bitte Angaben bei jeweils erstem Feld je Schein eintragen (1,9,17...)"),
        panel, true);
    label5->setWordWrap(true);
    QPalette green = label5->palette();
    green.setColor(QPalette::WindowText, QColor::fromRgb(kHintGreen));
    label5->setPalette(green);
    m_manual = Button(QStringLiteral("BManu"), QStringLiteral("Manuell eintragen"), panel);
    m_done = Button(QStringLiteral("BFertig"), QStringLiteral("Ich bin fertig"), panel);
    m_done->hide();
    layout->addWidget(label5, row++, 0, 1, 2);
    layout->addWidget(m_manual, row, 0, 1, 2);
    layout->addWidget(m_done, row++, 0, 1, 2);
    connect(m_manual, &QPushButton::clicked, this, &TFEingabe2::StartManualEntry);
    connect(m_done, &QPushButton::clicked, this, &TFEingabe2::FinishManualEntry);
    return row;
}

int TFEingabe2::AddSaveRows(QWidget* panel, QGridLayout* layout, int row) {
    // One line: the panel is wide enough for the whole caption.
    auto* save = Button(QStringLiteral("bsSkinSpeedButton4"), QStringLiteral("Als Spielscheine speichern..."), panel);
    m_savedName = Label(QStringLiteral("LDatei"), QString(), panel);
    m_savedCount = Label(QStringLiteral("Label6"), QString(), panel);
    layout->addWidget(save, row++, 0, 1, 2);
    layout->addWidget(m_savedName, row++, 0, 1, 2);
    layout->addWidget(m_savedCount, row++, 0, 1, 2);
    connect(save, &QPushButton::clicked, this,
            [this] { Guarded(m_context.ports.messages, [this] { SaveRowsAsSlipFiles(); }); });
    return row;
}

void TFEingabe2::NumberRows() {
    for (int row = 1; row < m_grid->rowCount(); ++row) {
        m_grid->SetCell(0, row, CenterPad80(QString::number(row), m_grid->ColumnWidth(0), *m_grid));
    }
}

void TFEingabe2::StyleNumberCells() {
    // The numbers stand centred on white in normal weight; columns 1 and 2 are centred by blanks.
    for (int row = 1; row < m_grid->rowCount(); ++row) {
        for (int column = 1; column < kTipRowColumns; ++column) {
            if (!m_grid->item(row, column)) {
                m_grid->SetCell(column, row, QString());
            }
            QTableWidgetItem* cell = m_grid->item(row, column);
            Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
            if (m_editing) {
                flags |= Qt::ItemIsEditable;
            }
            cell->setFlags(flags);
            if (column >= kFirstNumberColumn) {
                cell->setTextAlignment(Qt::AlignCenter);
                cell->setBackground(Qt::white);
                QFont plain = m_grid->font();
                plain.setBold(false);
                cell->setFont(plain);
            } else if (!m_editing) {
                cell->setBackground(m_grid->palette().button());
            } else {
                cell->setBackground(Qt::white);
            }
        }
    }
}

void TFEingabe2::LoadTextFile() {
    FileDialogRequest request;
    request.title = QStringLiteral("Eine Text-Datei einlesen");
    request.filter = QStringLiteral("Text-Dateien|*.txt;*.csv");
    request.defaultExtension = QStringLiteral("txt");
    request.startFolder = FromPath(m_context.state.DataFolder);
    const std::optional<QString> path = m_context.ports.fileDialogs.OpenOne(request);
    if (!path) {
        return;
    }
    const std::filesystem::path file = ToPath(*path);
    const std::optional<std::vector<TipRowCells>> rows = ReadTipRowFile(file);
    if (!rows) {
        m_context.ports.messages.Error(
            QStringLiteral("Die Datei %1 wurde nicht gefunden.\r\rIch breche erst einmal ab.")
                .arg(FromPath(file.filename())));
        return;
    }
    m_fileName->setText(FromPath(file.filename()));
    LoadRows(*rows);
}

void TFEingabe2::LoadRows(const std::vector<TipRowCells>& rows) {
    m_grid->setRowCount(static_cast<int>(rows.size()) + 1);
    for (int row = 1; row <= static_cast<int>(rows.size()); ++row) {
        const TipRowCells& cells = rows[static_cast<std::size_t>(row - 1)];
        for (int column = 1; column < kTipRowColumns; ++column) {
            m_grid->SetCell(column, row, QString::fromStdString(cells[static_cast<std::size_t>(column)]));
        }
    }
    NumberRows();
    StyleNumberCells();
}

void TFEingabe2::FillForAllSlips(int value, int column) {
    const QString text = CenterPad70(QString::number(value), m_grid->ColumnWidth(column), *m_grid);
    for (int row = 1; row < m_grid->rowCount(); row += kRowsPerSlip) {
        m_grid->SetCell(column, row, text);
    }
}

void TFEingabe2::SetEditing(bool editing) {
    m_editing = editing;
    m_grid->setEditTriggers(editing ? QAbstractItemView::AllEditTriggers : QAbstractItemView::NoEditTriggers);
    StyleNumberCells();
    m_manual->setVisible(!editing);
    m_done->setVisible(editing);
}

void TFEingabe2::StartManualEntry() {
    SetEditing(true);
    m_grid->setCurrentCell(1, 1);
    m_grid->setFocus();
}

std::vector<TipRowCells> TFEingabe2::UsedRows() const {
    std::vector<TipRowCells> rows;
    for (int row = 1; row < m_grid->rowCount(); ++row) {
        TipRowCells cells;
        for (int column = 1; column < kTipRowColumns; ++column) {
            cells[static_cast<std::size_t>(column)] = ToStd(m_grid->Cell(column, row));
        }
        rows.push_back(std::move(cells));
    }
    DropTrailingEmptyRows(rows);
    return rows;
}

void TFEingabe2::WriteBackFirstRowValues(const std::vector<TipRowCells>& rows) {
    for (std::size_t first = 0; first < rows.size(); first += kRowsPerSlip) {
        const int row = static_cast<int>(first) + 1;
        m_grid->SetCell(1, row, QString::fromStdString(rows[first][1]));
        m_grid->SetCell(2, row, QString::fromStdString(rows[first][2]));
    }
}

bool TFEingabe2::ValidateRowGroups() {
    std::vector<TipRowCells> rows = UsedRows();
    const std::optional<std::string> refusal = qv::ValidateRowGroups(rows);
    WriteBackFirstRowValues(rows);
    if (refusal) {
        m_context.ports.messages.Error(QString::fromStdString(*refusal));
        return false;
    }
    return true;
}

void TFEingabe2::FinishManualEntry() {
    // Leaving the current cell commits the text still being typed.
    m_grid->setCurrentIndex(QModelIndex());
    if (!ValidateRowGroups()) {
        return;
    }
    for (int row = 1; row < m_grid->rowCount(); row += kRowsPerSlip) {
        for (int column = 1; column <= 2; ++column) {
            const QString text = m_grid->Cell(column, row).trimmed();
            if (!text.isEmpty()) {
                m_grid->SetCell(column, row, CenterPad70(text, m_grid->ColumnWidth(column), *m_grid));
            }
        }
    }
    SetEditing(false);
}

void TFEingabe2::SaveRowsAsSlipFiles() {
    FileDialogRequest request;
    request.title = QStringLiteral("Datei speichern");
    request.filter = QString::fromUtf8(kSlipFileFilter);
    request.defaultExtension = QString::fromUtf8(kSlipExtension);
    request.startFolder = FromPath(m_context.state.DataFolder);
    const std::optional<QString> path = m_context.ports.fileDialogs.Save(request);
    if (!path) {
        return;
    }
    std::vector<TipRowCells> rows = UsedRows();
    const std::filesystem::path chosen = ToPath(*path);
    const RowsSaved saved = SaveRowsAsSlips(rows, chosen);
    WriteBackFirstRowValues(rows);
    if (saved.refusal) {
        m_context.ports.messages.Error(QString::fromStdString(*saved.refusal));
        return;
    }
    const int count = static_cast<int>(saved.files.size());
    m_savedName->setText(QString::fromStdString(SavedFilesName(chosen, count)));
    m_savedCount->setText(QString::fromStdString(SavedFilesCount(count)));
}

} // namespace qv
