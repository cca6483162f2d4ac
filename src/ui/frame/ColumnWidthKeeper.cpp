#include "ui/frame/ColumnWidthKeeper.h"

#include "engine/core/ColumnWidths.h"
#include "engine/core/IniFile.h"
#include "ui/frame/ErrorReport.h"

#include <QEvent>
#include <QHeaderView>
#include <QPointer>
#include <QTableView>

#include <vector>

namespace qv {

namespace {

constexpr const char* kKeptProperty = "qvColumnWidthsKept";
constexpr const char* kKeeperName = "qvColumnWidthKeeper";

// A column whose width the player may set and the program keeps.
bool PlayerSized(const QHeaderView& header, int column) {
    const bool stretchedLast = header.stretchLastSection() && column == header.count() - 1;
    return header.sectionResizeMode(column) == QHeaderView::Interactive && !stretchedLast;
}

std::vector<int> Widths(const QTableView& grid) {
    const QHeaderView& header = *grid.horizontalHeader();
    std::vector<int> widths;
    widths.reserve(static_cast<std::size_t>(header.count()));
    for (int column = 0; column < header.count(); ++column) {
        widths.push_back(PlayerSized(header, column) ? header.sectionSize(column) : 0);
    }
    return widths;
}

class ColumnWidthKeeper : public QObject {
public:
    ColumnWidthKeeper(QWidget& window, std::filesystem::path settingsFile, Messages& messages)
        : QObject(&window)
        , m_window(window)
        , m_settings(std::move(settingsFile))
        , m_messages(messages) {
        setObjectName(QLatin1String(kKeeperName));
        window.installEventFilter(this);
    }

    void KeepNewGrids() {
        for (QTableView* grid : m_window.findChildren<QTableView*>()) {
            if (grid->property(kKeptProperty).toBool() || grid->objectName().isEmpty() ||
                HiddenByProgram(*grid->horizontalHeader()) || grid->window() != &m_window) {
                continue;
            }
            grid->setProperty(kKeptProperty, true);
            Restore(*grid);
            // A grid filled anew gets its columns anew: they take the kept widths again.
            connect(grid->horizontalHeader(), &QHeaderView::sectionCountChanged, this,
                    [this, kept = QPointer<QTableView>(grid)] {
                        if (kept) {
                            Restore(*kept);
                        }
                    });
            grid->horizontalHeader()->viewport()->installEventFilter(this);
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &m_window && event->type() == QEvent::Show) {
            KeepNewGrids();
            return false;
        }
        QTableView* grid = GridOfHeaderViewport(watched);
        if (grid == nullptr) {
            return false;
        }
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
            m_before = Widths(*grid);
        } else if (event->type() == QEvent::MouseButtonRelease && Widths(*grid) != m_before) {
            Save(*grid);
        }
        return false;
    }

private:
    // A heading row the program hid, as opposed to one not shown yet because its tab never was.
    static bool HiddenByProgram(const QWidget& header) {
        return header.isHidden() && header.testAttribute(Qt::WA_WState_ExplicitShowHide);
    }

    static QTableView* GridOfHeaderViewport(QObject* watched) {
        auto* header = qobject_cast<QHeaderView*>(watched->parent());
        return header != nullptr && header->viewport() == watched ? qobject_cast<QTableView*>(header->parent())
                                                                  : nullptr;
    }

    std::string Window() const { return m_window.objectName().toStdString(); }

    void Restore(QTableView& grid) const {
        const std::vector<int> widths = ReadColumnWidths(m_settings, Window(), grid.objectName().toStdString());
        QHeaderView& header = *grid.horizontalHeader();
        for (int column = 0; column < header.count() && column < static_cast<int>(widths.size()); ++column) {
            if (widths[static_cast<std::size_t>(column)] > 0 && PlayerSized(header, column)) {
                header.resizeSection(column, widths[static_cast<std::size_t>(column)]);
            }
        }
    }

    void Save(const QTableView& grid) const {
        Guarded(m_messages, [this, &grid] {
            WriteColumnWidths(m_settings, Window(), grid.objectName().toStdString(), Widths(grid));
        });
    }

    QWidget& m_window;
    IniFile m_settings;
    Messages& m_messages;
    std::vector<int> m_before;
};

} // namespace

void KeepColumnWidths(QWidget& window, std::filesystem::path settingsFile, Messages& messages) {
    new ColumnWidthKeeper(window, std::move(settingsFile), messages);
}

void KeepColumnWidthsOfNewGrids(QWidget& window) {
    auto* keeper = dynamic_cast<ColumnWidthKeeper*>(
        window.findChild<QObject*>(QLatin1String(kKeeperName), Qt::FindDirectChildrenOnly));
    if (keeper != nullptr) {
        keeper->KeepNewGrids();
    }
}

} // namespace qv
