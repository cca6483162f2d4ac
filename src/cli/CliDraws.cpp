#include "cli/CliCommands.h"
#include "cli/CliCommon.h"

#include "engine/core/DrawStore.h"
#include "engine/core/SafeFile.h"
#include "engine/core/TextEncoding.h"
#include "engine/draws/DrawImport.h"
#include "text/DataFolder.h"
#include "text/DateText.h"

#include <algorithm>

namespace qv::cli {
namespace {

QLocale German() {
    return QLocale(QLocale::German, QLocale::Germany);
}

} // namespace

// NOLINTNEXTLINE(readability-function-cognitive-complexity): being split with the import work under way.
int RunDrawsImport(const Command& command, const QStringList& args) {
    QCommandLineParser parser;
    const QCommandLineOption into(QStringLiteral("into"), QStringLiteral("Ziehungsdatei, in die übernommen wird."),
                                  QStringLiteral("DRAWFILE"));
    const QCommandLineOption replace(QStringLiteral("replace"),
                                     QStringLiteral("Schreibt die Ziehungsdatei neu, statt anzufügen."));
    parser.addOption(into);
    parser.addOption(replace);
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("Textdatei mit einer Ziehung je Zeile."));
    if (const auto end = ParseCommandLine(parser, command, args, 1, 1)) {
        return *end;
    }
    return Guarded([&] {
        const QString source = parser.positionalArguments().at(0);
        const auto bytes = ReadWholeFile(ToPath(source), kMaxTextFileBytes);
        if (!bytes) {
            PrintErr(QStringLiteral("Die Datei „%1“ gibt es nicht; es wurde nichts übernommen.").arg(source));
            return kRefused;
        }
        const std::string text =
            DecodeText(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
        const DrawImport parsed = ParseDrawHistory(text);
        for (const ImportProblem& note : parsed.skipped) {
            PrintErr(QStringLiteral("%1:%2: %3").arg(source).arg(note.line).arg(QString::fromStdString(note.message)));
        }
        if (!parsed.problems.empty()) {
            for (const ImportProblem& problem : parsed.problems) {
                PrintErr(QStringLiteral("%1:%2: %3")
                             .arg(source)
                             .arg(problem.line)
                             .arg(QString::fromStdString(problem.message)));
            }
            PrintErr(QStringLiteral("%1 fehlerhafte Zeilen; nichts wurde geschrieben.").arg(parsed.problems.size()));
            return kRefused;
        }

        const std::filesystem::path target = DrawFileOrDefault(parser.value(into));
        if (parser.isSet(replace) && parsed.draws.empty()) {
            // Replacing the history with nothing would only wipe it.
            PrintErr(QStringLiteral("%1: keine Ziehung gefunden; die Ziehungsdatei %2 bleibt unverändert.")
                         .arg(source, FromPath(target)));
            return kRefused;
        }
        std::vector<TGewZahlen> draws;
        std::size_t added = 0;
        if (parser.isSet(replace)) {
            draws = parsed.draws;
            added = draws.size();
        } else {
            draws = LoadDraws(target);
            TDate newest = 0;
            for (const TGewZahlen& draw : draws) {
                newest = std::max(newest, draw.datum);
            }
            for (const TGewZahlen& draw : parsed.draws) {
                if (draws.empty() || draw.datum > newest) {
                    draws.push_back(draw);
                    ++added;
                }
            }
        }
        std::error_code ignored;
        std::filesystem::create_directories(target.parent_path(), ignored);
        SaveDraws(target, draws);
        PrintErr(QStringLiteral("%1: %2 Ziehungen übernommen, %3 Ziehungen in der Datei.")
                     .arg(FromPath(target))
                     .arg(added)
                     .arg(draws.size()));
        return kOk;
    });
}

int RunDrawsList(const Command& command, const QStringList& args) {
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("DRAWFILE"),
                                 QStringLiteral("Ziehungsdatei (sonst die des Programms)."));
    if (const auto end = ParseCommandLine(parser, command, args, 0, 1)) {
        return *end;
    }
    return Guarded([&] {
        const QStringList positional = parser.positionalArguments();
        const std::filesystem::path path = DrawFileOrDefault(positional.value(0));
        const QLocale locale = German();
        for (const TGewZahlen& draw : LoadDraws(path)) {
            QStringList cells{FormatDate(draw.datum, locale)};
            for (int p = 0; p < 20; ++p) {
                cells << QString::number(draw.GZ[p]);
            }
            PrintOut(cells.join(QLatin1Char('\t')));
        }
        return kOk;
    });
}

} // namespace qv::cli
