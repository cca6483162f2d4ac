#include "cli/CliCommon.h"

#include "engine/core/DrawStore.h"
#include "engine/core/FileError.h"
#include "text/DataFolder.h"

#include <QRegularExpression>

#include <iostream>
#include <new>

namespace qv::cli {

namespace {

// The parser's complaint in German; QCommandLineParser itself speaks English.
QString ParserErrorText(const QCommandLineParser& parser) {
    QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
        for (QString& name : unknown) {
            name = QStringLiteral("'%1%2'").arg(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name);
        }
        return unknown.size() == 1 ? QStringLiteral("Unbekannte Option %1.").arg(unknown.first())
                                   : QStringLiteral("Unbekannte Optionen: %1.").arg(unknown.join(QStringLiteral(", ")));
    }
    static const QRegularExpression missingValue(QStringLiteral("^Missing value after '(.*)'\\.$"));
    static const QRegularExpression unexpectedValue(QStringLiteral("^Unexpected value after '(.*)'\\.$"));
    const QString text = parser.errorText();
    if (const QRegularExpressionMatch match = missingValue.match(text); match.hasMatch()) {
        return QStringLiteral("Nach '%1' fehlt ein Wert.").arg(match.captured(1));
    }
    if (const QRegularExpressionMatch match = unexpectedValue.match(text); match.hasMatch()) {
        return QStringLiteral("Die Option '%1' nimmt keinen Wert.").arg(match.captured(1));
    }
    return QStringLiteral("Die Angaben auf der Befehlszeile sind fehlerhaft. (%1)").arg(text);
}

} // namespace

std::optional<int> ParseCommandLine(QCommandLineParser& parser, const Command& command, const QStringList& args,
                                    int minPositionals, int maxPositionals) {
    parser.setApplicationDescription(command.summary);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Zeigt diese Hilfe."));
    parser.addOption(help);
    QStringList argv = args;
    argv.prepend(QStringLiteral("quovadra-cli ") + command.name);
    const auto usage = [&command](const QString& problem) {
        PrintErr(problem);
        PrintErr(QStringLiteral("Aufruf: quovadra-cli %1 %2").arg(command.name, command.synopsis));
        return kUsage;
    };
    if (!parser.parse(argv)) {
        return usage(ParserErrorText(parser));
    }
    if (parser.isSet(help)) {
        PrintOut(QStringLiteral("Aufruf: quovadra-cli %1 %2").arg(command.name, command.synopsis));
        PrintOut(QString());
        PrintOut(command.summary);
        QString options = parser.helpText().section(QStringLiteral("Options:"), 1);
        options.replace(QStringLiteral("Arguments:"), QStringLiteral("Argumente:"));
        if (!options.trimmed().isEmpty()) {
            PrintOut(QStringLiteral("\nOptionen:") + options.trimmed().prepend(QStringLiteral("\n  ")));
        }
        return kOk;
    }
    const auto count = parser.positionalArguments().size();
    if (count < minPositionals || (maxPositionals >= 0 && count > maxPositionals)) {
        return usage(QStringLiteral("Falsche Zahl von Argumenten."));
    }
    return std::nullopt;
}

DrawCountOption::DrawCountOption(const QString& description) {
    current.setDescription(description);
    old.setFlags(QCommandLineOption::HiddenFromHelp);
}

void DrawCountOption::AddTo(QCommandLineParser& parser) const {
    parser.addOption(current);
    parser.addOption(old);
}

std::optional<QString> DrawCountOption::Value(const QCommandLineParser& parser) const {
    if (parser.isSet(current)) {
        return parser.value(current);
    }
    if (parser.isSet(old)) {
        PrintErr(QStringLiteral("Hinweis: Die Zahl der Ziehungen heißt jetzt --draw-count; --draws gilt dafür nur "
                                "noch in dieser Version."));
        return parser.value(old);
    }
    return std::nullopt;
}

void PrintOut(const QString& text) {
    std::cout << text.toStdString() << '\n';
}

void PrintErr(const QString& text) {
    std::cerr << text.toStdString() << '\n';
}

std::filesystem::path DrawFileOrDefault(const QString& given) {
    return given.isEmpty() ? DefaultDataFolder() / kDrawFileName : ToPath(given);
}

void PrintNoDraws(const std::filesystem::path& drawFile) {
    PrintErr(QStringLiteral("In der Ziehungsdatei %1 sind keine Ziehungen gespeichert.").arg(FromPath(drawFile)));
    PrintErr(QStringLiteral("Übernehmen Sie sie mit: quovadra-cli draws import DATEI (je Zeile ein Datum und die 20 "
                            "Zahlen)."));
}

int Guarded(const std::function<int()>& body) {
    try {
        return body();
    } catch (const FileError& e) {
        PrintErr(QString::fromStdString(e.what()));
        return kRefused;
    } catch (const std::bad_alloc&) {
        PrintErr(QStringLiteral("Für diese Arbeit reicht der Arbeitsspeicher nicht; sie wurde abgebrochen, keine Datei "
                                "wurde verändert."));
        return kRefused;
    } catch (const std::exception& e) {
        PrintErr(QStringLiteral("Die Arbeit wurde wegen eines Fehlers abgebrochen. (Systemmeldung: %1)")
                     .arg(QString::fromLocal8Bit(e.what())));
        return kRefused;
    }
}

} // namespace qv::cli
