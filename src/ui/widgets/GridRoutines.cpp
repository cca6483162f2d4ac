#include "ui/widgets/GridRoutines.h"

#include "engine/core/CenterPadding.h"
#include "engine/core/SlipFile.h"
#include "engine/core/SlipRows.h"
#include "ui/widgets/StringGrid.h"

#include <QFontMetrics>

namespace qv {

namespace {

QString CenterPad(const QString& text, int columnWidth, int sharePercent, const QFont& font) {
    const int blanks =
        CenterPadBlanks(columnWidth, sharePercent, TextWidthIn(font, text), TextWidthIn(font, QStringLiteral(" ")));
    return QString(blanks, QLatin1Char(' ')) + text;
}

QString OptionalNumber(std::optional<int> value) {
    return value ? QString::number(*value) : QString();
}

constexpr int kDrawCountColumnWidth = 28;
constexpr int kStakeColumnWidth = 24;
constexpr int kTipRowColumns = 13;

} // namespace

int TextWidthIn(const QFont& font, const QString& text) {
    return QFontMetrics(font).horizontalAdvance(text);
}

QString CenterPad80(const QString& text, int columnWidth, const QWidget& grid) {
    return CenterPad(text, columnWidth, 80, grid.font());
}

QString CenterPad70(const QString& text, int columnWidth, const QWidget& grid) {
    return CenterPad(text, columnWidth, 70, grid.font());
}

void SetDrawGridHeadings(StringGrid& grid) {
    grid.EnsureCell(20, 0);
    grid.SetColumnWidth(0, 66);
    grid.SetCell(0, 0, CenterPad80(QStringLiteral("Datum"), grid.ColumnWidth(0), grid));
    for (int column = 1; column <= 20; ++column) {
        grid.SetCell(column, 0, CenterPad80(QString::number(column), grid.ColumnWidth(column), grid));
    }
}

void SetTipRowHeadings(StringGrid& grid) {
    grid.EnsureCell(kTipRowColumns - 1, 0);
    grid.SetCell(0, 0, QStringLiteral("Feld"));
    grid.SetCell(1, 0, QStringLiteral("Zieh."));
    grid.SetCell(2, 0, QStringLiteral("  €"));
    for (int column = 3; column < kTipRowColumns; ++column) {
        grid.SetCell(column, 0, QString::number(column - 2));
        grid.item(0, column)->setTextAlignment(Qt::AlignCenter); // over the numbers, which stand centred
    }
    grid.SetColumnWidth(0, 34);
    grid.SetColumnWidth(1, 34);
    grid.SetColumnWidth(2, 24);
}

int LoadSlipRows(StringGrid& grid, const std::optional<TSchein>& slip, int rowsSoFar) {
    if (!slip) {
        return 0;
    }
    if (rowsSoFar == 0) {
        for (int row = 1; row < grid.rowCount(); ++row) {
            for (int column = 1; column < kTipRowColumns; ++column) {
                grid.SetCell(column, row, QString());
            }
        }
    }
    for (const SlipRow& slipRow : SlipRows(*slip, rowsSoFar)) {
        rowsSoFar = slipRow.rowNumber;
        grid.EnsureCell(kTipRowColumns - 1, rowsSoFar);
        grid.SetCell(0, rowsSoFar, CenterPad80(QString::number(rowsSoFar), grid.ColumnWidth(0), grid));
        grid.SetCell(1, rowsSoFar, CenterPad80(OptionalNumber(slipRow.drawCount), kDrawCountColumnWidth, grid));
        grid.SetCell(2, rowsSoFar, CenterPad80(OptionalNumber(slipRow.stakeEuros), kStakeColumnWidth, grid));
        // Positions after the field's count stay empty.
        for (int position = 0; position < kTipRowColumns - 3; ++position) {
            const bool used = position < static_cast<int>(slipRow.numbers.size());
            grid.SetCell(3 + position, rowsSoFar, used ? QString::number(slipRow.numbers[position]) : QString());
        }
    }
    grid.setRowCount(rowsSoFar + 1);
    return rowsSoFar;
}

} // namespace qv
