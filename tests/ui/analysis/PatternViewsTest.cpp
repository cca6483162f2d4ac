#include "support/MainWindowFixture.h"

#include "engine/draws/DrawImport.h"
#include "ui/analysis/PatternModels.h"
#include "ui/analysis/TFDetail1.h"
#include "ui/analysis/TFDetail2.h"
#include "ui/frame/WindowRegistry.h"

#include <QAccessible>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QToolButton>

namespace qv::test {
namespace {

TGewZahlen DrawWith(TDate date, const std::vector<int>& numbers) {
    TGewZahlen draw;
    draw.datum = date;
    for (std::size_t p = 0; p < numbers.size() && p < 20; ++p) {
        draw.GZ[p] = static_cast<std::uint8_t>(numbers[p]);
    }
    return draw;
}

// 20 numbers from the given ones, filled up from 51 on (never 7 or 10..70 step 10 on purpose).
std::vector<int> Twenty(std::vector<int> numbers, int fillFrom = 51) {
    for (int n = fillFrom; numbers.size() < 20; ++n) {
        if (std::find(numbers.begin(), numbers.end(), n) == numbers.end()) {
            numbers.push_back(n);
        }
    }
    return numbers;
}

class PatternViewsTest : public MainWindowFixture {
protected:
    void StartWith(const std::vector<TGewZahlen>& draws) {
        SaveDraws(DrawFile(), draws);
        Start();
        m_repeaters = qobject_cast<TFDetail2*>(m_app->Windows().Create(m_app->Context(), QStringLiteral("FDetail2")));
        m_patterns = qobject_cast<TFDetail1*>(m_app->Windows().Create(m_app->Context(), QStringLiteral("FDetail1")));
        ASSERT_NE(m_repeaters, nullptr);
        ASSERT_NE(m_patterns, nullptr);
    }
    // The colour the user sees near the bottom left of a cell.
    static QColor PixelOf(QAbstractItemView* view, int row, int column) {
        const QModelIndex index = view->model()->index(row, column);
        view->scrollTo(index);
        const QImage image = view->viewport()->grab().toImage();
        const QRect cell = view->visualRect(index);
        return image.pixelColor(cell.left() + 2, cell.bottom() - 1);
    }

    TFDetail2* m_repeaters = nullptr;
    TFDetail1* m_patterns = nullptr;
};

TEST_F(PatternViewsTest, FinalDigitZeroMarksTheTensFromTheSecondDrawOn) {
    std::vector<TGewZahlen> draws;
    for (int i = 0; i < 6; ++i) {
        draws.push_back(DrawWith(45505 + i, Twenty({10 * (i + 1), 1 + i, 70}, 21 + i)));
    }
    StartWith(draws);
    EXPECT_EQ(m_repeaters->windowTitle(), QStringLiteral("Quovadra 1.4.3.0"));
    PatternGrid* grid = m_repeaters->Grid();
    QAbstractItemModel* model = grid->model();
    ASSERT_EQ(model->rowCount(), 6);
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Datum"));
    EXPECT_EQ(model->headerData(20, Qt::Horizontal).toString(), QStringLiteral("20"));
    EXPECT_EQ(model->index(0, 0).data().toString(), QStringLiteral("01.08.2024"));
    EXPECT_EQ(model->index(0, 1).data().toString(), QStringLiteral("1")) << "numbers ascending";

    m_repeaters->show();
    QTest::mouseClick(Find<QCheckBox>(m_repeaters, QStringLiteral("cbEnd")), Qt::LeftButton);
    const QColor lime(0x00, 0xFF, 0x00);
    for (int row = 0; row < 6; ++row) {
        for (int column = 1; column <= 20; ++column) {
            const int n = model->index(row, column).data().toInt();
            const bool marked = row > 0 && n % 10 == 0;
            EXPECT_EQ(m_repeaters->Model()->CellColour(row, column), marked ? lime : QColor(Qt::white))
                << row << " " << n;
        }
    }
    EXPECT_EQ(PixelOf(grid, 1, 20), lime) << "70 in the second draw, as painted";
    EXPECT_EQ(PixelOf(grid, 0, 20), QColor(Qt::white));

    // Digit 3, then back to the repeaters of the previous draw.
    Find<QComboBox>(m_repeaters, QStringLiteral("comboEndz"))->setCurrentIndex(3);
    EXPECT_EQ(m_repeaters->Model()->CellColour(2, 1), lime) << "3 in the third draw";
    EXPECT_EQ(m_repeaters->Model()->CellColour(2, 3), QColor(Qt::white)) << "24";
    QTest::mouseClick(Find<QCheckBox>(m_repeaters, QStringLiteral("cbEnd")), Qt::LeftButton);
    EXPECT_EQ(m_repeaters->Model()->CellColour(1, 20), lime) << "70 repeats";
    EXPECT_EQ(m_repeaters->Model()->CellColour(1, 1), QColor(Qt::white)) << "2 is new";
}

TEST_F(PatternViewsTest, ATwelveDrawRunAndTheRepeatColumnDoNotChangeWithScrolling) {
    std::vector<TGewZahlen> draws;
    draws.push_back(DrawWith(45505, Twenty({1}, 30)));
    draws.push_back(DrawWith(45506, Twenty({8}, 9))); // 8..27: nothing of the draws around it
    for (int i = 0; i < 12; ++i) {
        draws.push_back(DrawWith(45507 + i, Twenty({7}, 40)));
    }
    for (int i = 0; i < 40; ++i) {
        draws.push_back(DrawWith(45519 + i, Twenty({}, 21 + (i % 2) * 29)));
    }
    StartWith(draws);
    PatternModel* model = m_patterns->Model();
    EXPECT_EQ(model->columnCount(), 72);
    EXPECT_EQ(model->headerData(71, Qt::Horizontal).toString(), QStringLiteral("Wdh"));
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Datum"));
    EXPECT_GE(m_patterns->Grid()->columnWidth(71), 30);
    EXPECT_GE(m_patterns->Grid()->columnWidth(0), 64);
    // The whole grid, its last column included, fits a screen 1280 pixels wide with the window's margins.
    EXPECT_LE(GridWidth(*m_patterns->Grid()) + 2 * 12, 1280);

    const std::vector<QColor> expected = {
        QColor(0xF0, 0xF0, 0x00), QColor(0xAA, 0xFF, 0xAA), QColor(0x00, 0xE6, 0x00), QColor(0x00, 0x53, 0x00),
        QColor(0xC0, 0xE0, 0xFA), QColor(0x54, 0xAA, 0xF1), QColor(0x0E, 0x64, 0xAB), QColor(0xFF, 0x91, 0xFF),
        QColor(0xFF, 0x2F, 0xFF), QColor(0x9F, 0x00, 0x9F), QColor(0xFF, 0x00, 0x00), QColor(0xFF, 0x00, 0x00),
    };
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(model->CellColour(2 + i, 7), expected[static_cast<std::size_t>(i)]) << i;
    }
    EXPECT_EQ(model->CellColour(14, 7), QColor(Qt::white));

    // "Wdh": empty in the first row, 0 on dark grey for a draw without repeaters, 19 on olive.
    EXPECT_EQ(model->index(0, 71).data().toString(), QString());
    EXPECT_EQ(model->CellColour(0, 71), QColor(Qt::white));
    EXPECT_EQ(model->index(1, 71).data().toString(), QStringLiteral("0"));
    EXPECT_EQ(model->CellColour(1, 71), QColor(0x5F, 0x5F, 0x5F));
    EXPECT_EQ(model->index(3, 71).data().toString(), QStringLiteral("20"));
    EXPECT_EQ(model->CellColour(3, 71), QColor(0x8A, 0x8A, 0x00));

    m_patterns->show();
    PatternGrid* grid = m_patterns->Grid();
    auto* redraw = Find<QPushButton>(m_patterns, QStringLiteral("bsSkinSpeedButton3"));
    QTest::mouseClick(redraw, Qt::LeftButton);
    const QColor before = PixelOf(grid, 11, 7);
    const QImage top = grid->viewport()->grab().toImage();
    grid->scrollToBottom();
    grid->horizontalScrollBar()->setValue(grid->horizontalScrollBar()->maximum());
    grid->viewport()->grab();
    grid->scrollToTop();
    grid->horizontalScrollBar()->setValue(0);
    QTest::mouseClick(redraw, Qt::LeftButton);
    QTest::mouseClick(redraw, Qt::LeftButton);
    EXPECT_EQ(grid->viewport()->grab().toImage(), top);
    EXPECT_EQ(PixelOf(grid, 11, 7), before);
    EXPECT_EQ(before, QColor(0x9F, 0x00, 0x9F));
}

TEST_F(PatternViewsTest, EmptyHistoryGivesNoRowsAndTheButtonsShowTheViews) {
    StartWith({});
    EXPECT_EQ(m_repeaters->Grid()->model()->rowCount(), 0);
    EXPECT_EQ(m_patterns->Grid()->model()->rowCount(), 0);
    for (QWidget* view : {static_cast<QWidget*>(m_repeaters), static_cast<QWidget*>(m_patterns)}) {
        EXPECT_TRUE(Find<QLabel>(view, QStringLiteral("LUngueltig"))->isHidden()) << "nothing left out";
    }
    auto* muster2 = m_main->findChild<QToolButton*>(QStringLiteral("BMuster2"));
    ASSERT_NE(muster2, nullptr);
    QTest::mouseClick(muster2, Qt::LeftButton);
    EXPECT_TRUE(m_repeaters->isVisible());
    QTest::mouseClick(Find<QPushButton>(m_repeaters, QStringLiteral("bsSkinSpeedButton1")), Qt::LeftButton);
    EXPECT_TRUE(m_patterns->isVisible());
    QTest::mouseClick(Find<QPushButton>(m_patterns, QStringLiteral("bsSkinSpeedButton2")), Qt::LeftButton);
    EXPECT_FALSE(m_patterns->isVisible());
    EXPECT_EQ(m_app->Windows().Create(m_app->Context(), QStringLiteral("FDetail1")), m_patterns)
        << "closing only hides it";
}

// Records that hold no draw of the game (all zeros, twenty 5s) are named in their rows, repeat nothing
// and are repeated by nothing; the draw after one starts afresh, as the first draw does.
TEST_F(PatternViewsTest, InvalidRecordsAreMarkedAndCountForNoRepeats) {
    const std::vector<int> twentyFives(20, 5);
    const std::vector<int> draw = Twenty({5, 7});
    StartWith({DrawWith(45505, draw), DrawWith(45506, twentyFives), DrawWith(45507, draw), DrawWith(45508, {}),
               DrawWith(45509, draw), DrawWith(45510, draw)});
    const QString mark = QStringLiteral("ungültige Ziehung");
    const QColor white(Qt::white);
    const QColor lime(0x00, 0xFF, 0x00);
    const QColor yellow(0xF0, 0xF0, 0x00);
    const QString note = QStringLiteral("2 ungültige Ziehungen (nicht 20 verschiedene Zahlen von 1 bis 70) wurden "
                                        "ausgelassen.");

    RepeaterModel* repeaters = m_repeaters->Model();
    PatternModel* patterns = m_patterns->Model();
    for (const int row : {1, 3}) {
        for (QAbstractItemModel* model :
             {static_cast<QAbstractItemModel*>(repeaters), static_cast<QAbstractItemModel*>(patterns)}) {
            EXPECT_EQ(model->index(row, 0).data().toString(),
                      row == 1 ? QStringLiteral("02.08.2024") : QStringLiteral("04.08.2024"));
            EXPECT_EQ(model->index(row, 1).data().toString(), mark) << row;
            EXPECT_EQ(model->index(row, 1).data(Qt::AccessibleTextRole).toString(), mark) << row;
            EXPECT_EQ(model->index(row, 5).data().toString(), QString()) << row;
        }
        EXPECT_EQ(m_repeaters->Grid()->columnSpan(row, 1), 20);
        EXPECT_EQ(m_patterns->Grid()->columnSpan(row, 1), 70);
        for (int column = 1; column <= 20; ++column) {
            EXPECT_EQ(repeaters->CellColour(row, column), white) << row << " " << column;
        }
        EXPECT_EQ(patterns->CellColour(row, 5), white) << row;
        EXPECT_EQ(patterns->CellColour(row, PatternModel::kRepeatColumn), white) << row;
        EXPECT_EQ(patterns->index(row, PatternModel::kRepeatColumn).data().toString(), QString()) << row;
    }
    EXPECT_EQ(repeaters->InvalidRows(), (std::vector<int>{1, 3}));
    EXPECT_EQ(m_repeaters->Grid()->columnSpan(2, 1), 1);

    // After an invalid record: nothing repeats, 5 and 7 are new and "Wdh" stays empty.
    for (const int row : {2, 4}) {
        EXPECT_EQ(repeaters->CellColour(row, 1), white) << "5 after record " << row - 1;
        EXPECT_EQ(patterns->CellColour(row, 5), yellow) << row;
        EXPECT_EQ(patterns->CellColour(row, 7), yellow) << row;
        EXPECT_EQ(patterns->index(row, PatternModel::kRepeatColumn).data().toString(), QString()) << row;
    }
    // Between two valid draws everything counts as before.
    EXPECT_EQ(repeaters->CellColour(5, 1), lime);
    EXPECT_EQ(patterns->CellColour(5, 5), QColor(0xAA, 0xFF, 0xAA));
    EXPECT_EQ(patterns->index(5, PatternModel::kRepeatColumn).data().toString(), QStringLiteral("20"));

    for (QWidget* view : {static_cast<QWidget*>(m_repeaters), static_cast<QWidget*>(m_patterns)}) {
        auto* label = Find<QLabel>(view, QStringLiteral("LUngueltig"));
        EXPECT_FALSE(label->isHidden());
        EXPECT_EQ(label->text(), note);
    }
}

TEST_F(PatternViewsTest, KeyboardLeavesTheGridsAndAScreenReaderHearsTheirHeadings) {
    StartWith({DrawWith(45505, Twenty({})), DrawWith(45506, Twenty({}))});
    for (PatternGrid* grid : {m_repeaters->Grid(), m_patterns->Grid()}) {
        EXPECT_FALSE(grid->tabKeyNavigation());
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grid);
        ASSERT_NE(table, nullptr);
        ASSERT_NE(table->tableInterface(), nullptr);
        EXPECT_EQ(table->tableInterface()->columnDescription(0), QStringLiteral("Datum"));
        EXPECT_EQ(table->tableInterface()->columnDescription(1), QStringLiteral("1"));
    }
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(m_patterns->Grid());
    EXPECT_EQ(table->tableInterface()->columnDescription(71), QStringLiteral("Wdh"));
    // The pattern cells carry no text; a screen reader hears whether the number is new or repeated.
    EXPECT_EQ(m_patterns->Model()->index(0, 51).data(Qt::AccessibleTextRole).toString(), QStringLiteral("51 neu"));
    EXPECT_EQ(m_patterns->Model()->index(1, 51).data(Qt::AccessibleTextRole).toString(),
              QStringLiteral("51 wiederholt 1"));
    EXPECT_EQ(Find<QPushButton>(m_repeaters, QStringLiteral("bsSkinSpeedButton1"))->accessibleName(),
              QStringLiteral("Wiederholer-Markierung..."));
}

TEST_F(PatternViewsTest, TheRealHistoryOpensAndScrollsToItsEnd) {
    QFile csv(QStringLiteral(QV_REAL_DRAWS_CSV));
    if (!csv.open(QIODevice::ReadOnly)) {
        GTEST_SKIP() << "no real history beside the repository";
    }
    const QByteArray text = csv.readAll();
    const DrawImport history =
        ParseDrawHistory(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    StartWith(history.draws);
    const int rows = static_cast<int>(history.draws.size());
    EXPECT_EQ(m_patterns->Grid()->model()->rowCount(), rows);
    EXPECT_EQ(m_repeaters->Grid()->model()->rowCount(), rows);
    for (QWidget* view : {static_cast<QWidget*>(m_repeaters), static_cast<QWidget*>(m_patterns)}) {
        view->show();
    }
    for (PatternGrid* grid : {m_repeaters->Grid(), m_patterns->Grid()}) {
        grid->scrollToBottom();
        grid->viewport()->grab();
        EXPECT_EQ(grid->rowAt(grid->viewport()->height() - 2) >= rows - 40, true);
    }
}

} // namespace
} // namespace qv::test
