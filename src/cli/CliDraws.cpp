#include "cli/CliCommands.h"
#include "cli/CliCommon.h"

#include "engine/core/DrawStore.h"
#include "engine/core/DrawValidity.h"
#include "engine/core/SafeFile.h"
#include "engine/core/TextEncoding.h"
#include "engine/draws/DrawImport.h"
#include "engine/draws/HistoryMerge.h"
#include "text/DataFolder.h"
#include "text/DateText.h"
#include "text/DrawListText.h"

#include <QDate>

#include <algorithm>
#include <optional>

namespace qv::cli {
namespace {

QLocale German() {
    return QLocale(QLocale::German, QLocale::Germany);
}

// The draws of the source file, or nothing after its problems were printed.
std::optional<DrawImport> ReadImport(const QString& source) {
    const auto bytes = ReadWholeFile(ToPath(source), kMaxTextFileBytes);
    if (!bytes) {
        PrintErr(QStringLiteral("Die Datei „%1“ gibt es nicht; es wurde nichts übernommen.").arg(source));
        return std::nullopt;
    }
    const std::string text = DecodeText(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
    DrawImport parsed = ParseDrawHistory(text);
    const auto print = [&source](const ImportProblem& note) {
        PrintErr(QStringLiteral("%1:%2: %3").arg(source).arg(note.line).arg(QString::fromStdString(note.message)));
    };
    std::for_each(parsed.skipped.begin(), parsed.skipped.end(), print);
    if (!parsed.problems.empty()) {
        std::for_each(parsed.problems.begin(), parsed.problems.end(), print);
        PrintErr(QStringLiteral("%1 fehlerhafte Zeilen; nichts wurde geschrieben.").arg(parsed.problems.size()));
        return std::nullopt;
    }
    return parsed;
}

// Draws of the file whose day the history holds already; other numbers for the same day are worth a look.
void PrintDoubled(const QString& source, const std::vector<DoubledImport>& doubled) {
    for (const DoubledImport& draw : doubled) {
        if (!draw.sameNumbers) {
            PrintErr(QStringLiteral("%1: %2 steht schon mit anderen Zahlen in der Ziehungsdatei; nicht übernommen.")
                         .arg(source, FormatDate(draw.date, German())));
        }
    }
}

} // namespace

int RunDrawsImport(const Command& command, const QStringList& args) {
    QCommandLineParser parser;
    const QCommandLineOption into(QStringLiteral("into"), QStringLiteral("Ziehungsdatei, in die übernommen wird."),
                                  QStringLiteral("ZIEHUNGSDATEI"));
    const QCommandLineOption replace(
        QStringLiteral("replace"),
        QStringLiteral("Schreibt die Ziehungsdatei neu, statt fehlende Tage zu ergänzen; die bisherige bleibt als "
                       "Sicherung daneben (NAME-JJJJ-MM-TT.tpp)."));
    const QCommandLineOption force(
        QStringLiteral("force"),
        QStringLiteral("Ersetzt mit --replace auch durch weniger Ziehungen, als die Ziehungsdatei hält."));
    parser.addOption(into);
    parser.addOption(replace);
    parser.addOption(force);
    parser.addPositionalArgument(QStringLiteral("DATEI"), QStringLiteral("Textdatei mit einer Ziehung je Zeile."));
    if (const auto end = ParseCommandLine(parser, command, args, 1, 1)) {
        return *end;
    }
    return Guarded([&] {
        const QString source = parser.positionalArguments().at(0);
        const std::optional<DrawImport> parsed = ReadImport(source);
        if (!parsed) {
            return kRefused;
        }
        const std::filesystem::path target = DrawFileOrDefault(parser.value(into));
        if (parser.isSet(replace) && parsed->draws.empty()) {
            // Replacing the history with nothing would only wipe it.
            PrintErr(QStringLiteral("%1: keine Ziehung gefunden; die Ziehungsdatei %2 bleibt unverändert.")
                         .arg(source, FromPath(target)));
            return kRefused;
        }
        MergedHistory merged;
        if (parser.isSet(replace)) {
            CheckDrawCountForSave(target, parsed->draws.size());
            const std::size_t held = DrawCountOfFile(target);
            if (parsed->draws.size() < held && !parser.isSet(force)) {
                PrintErr(QStringLiteral("%1 hält %2, %3 nur %4; durch weniger Ziehungen wird sie nur mit --force "
                                        "ersetzt. Die Ziehungsdatei bleibt unverändert.")
                             .arg(FromPath(target), DrawsText(static_cast<qint64>(held)), source,
                                  DrawsText(static_cast<qint64>(parsed->draws.size()))));
                return kRefused;
            }
            if (held > 0) {
                const QDate today = QDate::currentDate();
                const std::filesystem::path backup =
                    KeepDrawFileBackup(target, today.year(), today.month(), today.day());
                PrintErr(QStringLiteral("Die bisherige Ziehungsdatei bleibt als %1 erhalten.").arg(FromPath(backup)));
            }
            merged.draws = parsed->draws;
            merged.added = merged.draws.size();
        } else {
            merged = MergeDrawHistory(LoadDraws(target), parsed->draws);
            PrintDoubled(source, merged.doubled);
        }
        std::error_code ignored;
        std::filesystem::create_directories(target.parent_path(), ignored);
        SaveDraws(target, merged.draws);
        PrintErr(QStringLiteral("%1: %2 übernommen, %3 in der Datei.")
                     .arg(FromPath(target), DrawsText(static_cast<qint64>(merged.added)),
                          DrawsText(static_cast<qint64>(merged.draws.size()))));
        return kOk;
    });
}

int RunDrawsList(const Command& command, const QStringList& args) {
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("ZIEHUNGSDATEI"),
                                 QStringLiteral("Ziehungsdatei (sonst die des Programms)."));
    if (const auto end = ParseCommandLine(parser, command, args, 0, 1)) {
        return *end;
    }
    return Guarded([&] {
        const QStringList positional = parser.positionalArguments();
        const std::filesystem::path path = DrawFileOrDefault(positional.value(0));
        const QLocale locale = German();
        const std::vector<TGewZahlen> draws = LoadDraws(path);
        if (draws.empty()) {
            PrintNoDraws(path);
        }
        for (const TGewZahlen& draw : draws) {
            QStringList cells{FormatDate(draw.datum, locale)};
            for (int p = 0; p < 20; ++p) {
                cells << QString::number(draw.GZ[p]);
            }
            if (!IsValidDraw(draw)) {
                cells << QString::fromUtf8(kInvalidDrawText);
            }
            PrintOut(cells.join(QLatin1Char('\t')));
        }
        return kOk;
    });
}

} // namespace qv::cli
