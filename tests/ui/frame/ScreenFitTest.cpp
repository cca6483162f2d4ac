#include "support/MainWindowFixture.h"

#include "ui/frame/WindowRegistry.h"
#include "ui/widgets/ScreenFit.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QLayout>
#include <QScreen>
#include <QTableView>

namespace qv::test {
namespace {

class ScreenFitTest : public MainWindowFixture {};

// Every window opens within the screen's free room and can be made as small as a 1366 × 768 screen less a
// panel: what does not fit scrolls.
TEST_F(ScreenFitTest, EveryWindowFitsASmallLaptopScreen) {
    SaveDraws(DrawFile(), MadeUpHistory(40));
    Start();
    ASSERT_TRUE(test::PressWeiter(*m_app));
    WindowRegistry& windows = m_app->Windows();
    for (const QString& formName : windows.FormNames()) {
        QWidget* window = formName == QLatin1String("FDetail") ? windows.CreateAnew(m_app->Context(), formName)
                                                               : windows.Create(m_app->Context(), formName);
        ASSERT_NE(window, nullptr) << formName.toStdString();
        window->show();
        const QSize needed = window->layout() ? window->layout()->totalMinimumSize() : window->minimumSizeHint();
        const QSize least = needed.expandedTo(window->minimumSize()).expandedTo(window->minimumSizeHint());
        // It opens within the laptop's screen or the screen's free room, whichever is larger, ...
        const QSize room = window->screen()->availableSize().expandedTo(least).expandedTo(kSmallScreen);
        EXPECT_LE(window->width(), room.width()) << formName.toStdString();
        EXPECT_LE(window->height(), room.height()) << formName.toStdString();
        // ... and can be made as small as the laptop's screen.
        EXPECT_LE(least.width(), kSmallScreen.width()) << formName.toStdString();
        EXPECT_LE(least.height(), kSmallScreen.height()) << formName.toStdString();
        window->hide();
    }
}

// The texts of a grid's cells and visible headings that its columns cut off.
QStringList CutTexts(const QTableView& grid) {
    QStringList cut;
    const QAbstractItemModel* model = grid.model();
    if (model == nullptr) {
        return cut;
    }
    const int rows = std::min(model->rowCount(), 60);
    for (int c = 0; c < model->columnCount(); ++c) {
        if (grid.isColumnHidden(c)) {
            continue;
        }
        const int width = grid.columnWidth(c);
        if (!grid.horizontalHeader()->isHidden()) {
            const QString heading = model->headerData(c, Qt::Horizontal).toString().trimmed();
            if (QFontMetrics(grid.horizontalHeader()->font()).horizontalAdvance(heading) > width) {
                cut << QStringLiteral("heading %1 \"%2\"").arg(c).arg(heading);
            }
        }
        for (int r = 0; r < rows; ++r) {
            const QModelIndex index = model->index(r, c);
            const QString text = index.data(Qt::DisplayRole).toString().trimmed();
            const QVariant font = index.data(Qt::FontRole);
            const QFontMetrics metrics(font.canConvert<QFont>() ? font.value<QFont>() : grid.font());
            if (!text.contains(QLatin1Char('\n')) && metrics.horizontalAdvance(text) > width) {
                cut << QStringLiteral("cell %1,%2 \"%3\"").arg(r).arg(c).arg(text);
            }
        }
    }
    return cut;
}

// No grid of any window cuts off a text: every column is at least as wide as its widest heading and cell.
TEST_F(ScreenFitTest, EveryGridShowsItsTextsWhole) {
    SaveDraws(DrawFile(), MadeUpHistory(40));
    Start();
    ASSERT_TRUE(test::PressWeiter(*m_app));
    m_main->OpenDemoSlip();
    m_main->EvaluateSlips();
    WindowRegistry& windows = m_app->Windows();
    for (const QString& formName : windows.FormNames()) {
        QWidget* window = formName == QLatin1String("FDetail") ? windows.CreateAnew(m_app->Context(), formName)
                                                               : windows.Create(m_app->Context(), formName);
        ASSERT_NE(window, nullptr) << formName.toStdString();
        window->show();
        for (const QTableView* grid : window->findChildren<QTableView*>()) {
            if (grid->isVisibleTo(window)) {
                EXPECT_EQ(CutTexts(*grid).join(QStringLiteral("; ")).toStdString(), "")
                    << formName.toStdString() << " " << grid->objectName().toStdString();
            }
        }
        window->hide();
    }
}

} // namespace
} // namespace qv::test
