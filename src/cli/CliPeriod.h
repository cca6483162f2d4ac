#pragma once

#include "engine/core/ProgramState.h"
#include "engine/core/Records.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>

#include <optional>
#include <vector>

namespace qv::cli {

// The two ends of a period, as every command that takes one names them: --from and --to, each a date
// (TT.MM.JJJJ or JJJJ-MM-TT) or a draw index "#N" (0 = the oldest draw).
struct PeriodOptions {
    QCommandLineOption from{QStringLiteral("from"),
                            QStringLiteral("Erste Ziehung: Datum (TT.MM.JJJJ oder JJJJ-MM-TT) oder #N (0 = älteste)."),
                            QStringLiteral("DATUM|#N")};
    QCommandLineOption to{QStringLiteral("to"),
                          QStringLiteral("Letzte Ziehung: Datum (TT.MM.JJJJ oder JJJJ-MM-TT) oder #N (0 = älteste)."),
                          QStringLiteral("DATUM|#N")};

    void AddTo(QCommandLineParser& parser) const;
};

enum class PeriodEnd { From, To };

// The position among draws that text names: "#N" the draw of index N, a date the first draw of that
// day when it starts a period and the last one when it ends it. Nothing for a text that is neither, for
// an index beyond the draws and for a day without a draw.
std::optional<int> DrawPositionOf(const QString& text, const std::vector<TGewZahlen>& draws, PeriodEnd end);

// The period that --from and --to name, the whole history for an option not given. Nothing after a
// message on stderr: the text that names no draw, or the period error.
std::optional<Period> ChosenPeriod(const QCommandLineParser& parser, const PeriodOptions& options,
                                   const std::vector<TGewZahlen>& draws);

// The message for a period a command cannot use, one line per line of the program's message box.
QString PeriodErrorLines();

} // namespace qv::cli
