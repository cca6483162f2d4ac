#include "ui/widgets/GridExport.h"

#include "engine/core/SafeFile.h"
#include "platform/Ports.h"
#include "text/CsvText.h"
#include "text/DataFolder.h"
#include "ui/frame/ErrorReport.h"

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QTableView>

#include <algorithm>

namespace qv {
namespace {

QString CellText(const QModelIndex& index) {
    const QString shown = index.data(Qt::DisplayRole).toString().trimmed();
    return shown.isEmpty() ? index.data(Qt::AccessibleTextRole).toString().trimmed() : shown;
}

// Opens the export menu of one widget and runs its two commands.
class GridExporter : public QObject {
public:
    GridExporter(QWidget& widget, Ports& ports, const QString& fileName, GridRowsSource rows)
        : QObject(&widget)
        , m_widget(widget)
        , m_ports(ports)
        , m_fileName(fileName)
        , m_rows(std::move(rows)) {
        widget.installEventFilter(this);
        if (auto* area = qobject_cast<QAbstractScrollArea*>(&widget)) {
            area->viewport()->installEventFilter(this);
        }
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::ContextMenu: {
            auto* request = static_cast<QContextMenuEvent*>(event);
            OpenMenu(request->reason() == QContextMenuEvent::Keyboard ? KeyboardPlace() : request->globalPos());
            return true;
        }
        case QEvent::ShortcutOverride:
            // Ctrl+C belongs to the grid, not to a shortcut of the window.
            if (static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
                event->accept();
                return true;
            }
            break;
        case QEvent::KeyPress: {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->matches(QKeySequence::Copy)) {
                Copy();
                return true;
            }
            // The menu key arrives as a context-menu event of its own; Shift+F10 does not everywhere.
            if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier) {
                OpenMenu(KeyboardPlace());
                return true;
            }
            break;
        }
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    // Below the current cell, or at the grid's top left corner.
    QPoint KeyboardPlace() const {
        if (auto* view = qobject_cast<QAbstractItemView*>(&m_widget)) {
            const QRect cell = view->visualRect(view->currentIndex());
            if (cell.isValid() && view->viewport()->rect().intersects(cell)) {
                return view->viewport()->mapToGlobal(cell.bottomLeft());
            }
            return view->viewport()->mapToGlobal(QPoint(4, 4));
        }
        return m_widget.mapToGlobal(QPoint(4, 4));
    }

    void OpenMenu(const QPoint& place) {
        if (m_menu && m_menu->isVisible()) {
            return; // the menu key may bring a key press and a context-menu event
        }
        const bool empty = m_rows().isEmpty();
        m_menu = new QMenu(&m_widget);
        m_menu->setObjectName(QStringLiteral("ExportMenu"));
        m_menu->setAttribute(Qt::WA_DeleteOnClose);
        QAction* copy = m_menu->addAction(QStringLiteral("&Kopieren"), this, &GridExporter::Copy);
        copy->setObjectName(QStringLiteral("ExportKopieren"));
        copy->setShortcut(QKeySequence::Copy);
        copy->setShortcutVisibleInContextMenu(true);
        QAction* save = m_menu->addAction(QStringLiteral("Als CSV &speichern..."), this, &GridExporter::Save);
        save->setObjectName(QStringLiteral("ExportSpeichern"));
        copy->setEnabled(!empty);
        save->setEnabled(!empty);
        m_menu->popup(place);
    }

    void Copy() {
        const QList<QStringList> rows = m_rows();
        if (rows.isEmpty()) {
            return;
        }
        auto* data = new QMimeData;
        data->setText(TabSeparatedText(rows));
        data->setData(QStringLiteral("text/csv"), CsvBytes(rows));
        QGuiApplication::clipboard()->setMimeData(data);
    }

    void Save() {
        const QList<QStringList> rows = m_rows();
        if (rows.isEmpty()) {
            return;
        }
        FileDialogRequest request;
        request.title = QStringLiteral("Als CSV speichern");
        request.filter = QStringLiteral("CSV-Datei (Semikolon)|*.csv");
        request.defaultExtension = QStringLiteral("csv");
        request.startFolder = QDir::homePath();
        request.proposedName = m_fileName;
        const std::optional<QString> chosen = m_ports.fileDialogs.Save(request);
        if (!chosen || chosen->isEmpty()) {
            return;
        }
        const QByteArray bytes = CsvBytes(rows);
        Guarded(m_ports.messages, [&] {
            WriteFileSafely(ToPath(*chosen), std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                                       static_cast<std::size_t>(bytes.size())));
        });
    }

    QWidget& m_widget;
    Ports& m_ports;
    QString m_fileName;
    GridRowsSource m_rows;
    QPointer<QMenu> m_menu;
};

} // namespace

QList<QStringList> GridTexts(const QAbstractItemView& grid) {
    const QAbstractItemModel* model = grid.model();
    if (model == nullptr) {
        return {};
    }
    const auto* table = qobject_cast<const QTableView*>(&grid);
    const auto columnShown = [table](int column) { return table == nullptr || !table->isColumnHidden(column); };
    QList<QStringList> rows;
    if (table != nullptr && !table->horizontalHeader()->isHidden()) {
        QStringList headings;
        for (int c = 0; c < model->columnCount(); ++c) {
            if (columnShown(c)) {
                headings << model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString().trimmed();
            }
        }
        rows << headings;
    }
    for (int r = 0; r < model->rowCount(); ++r) {
        if (table != nullptr && table->isRowHidden(r)) {
            continue;
        }
        QStringList cells;
        for (int c = 0; c < model->columnCount(); ++c) {
            if (columnShown(c)) {
                cells << CellText(model->index(r, c));
            }
        }
        rows << cells;
    }
    // A string grid keeps empty rows ready below its last entry.
    while (!rows.isEmpty() &&
           std::all_of(rows.back().cbegin(), rows.back().cend(), [](const QString& cell) { return cell.isEmpty(); })) {
        rows.removeLast();
    }
    return rows;
}

void InstallGridExport(QWidget& widget, Ports& ports, const QString& fileName, GridRowsSource rows) {
    new GridExporter(widget, ports, fileName, std::move(rows));
}

void InstallGridExport(QAbstractItemView& grid, Ports& ports, const QString& fileName) {
    InstallGridExport(grid, ports, fileName, [&grid] { return GridTexts(grid); });
}

} // namespace qv
