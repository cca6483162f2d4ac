#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

namespace qv::cli {

// Exit codes of quovadra-cli.
enum ExitCode : int {
    kOk = 0,
    kRefused = 1, // input refused: a message on stderr names the file and line
    kUsage = 2,
};

struct Command {
    QString name;     // "draws import"
    QString synopsis; // the arguments after the name
    QString summary;  // one line for the overview
    int (*run)(const Command& command, const QStringList& args);
};

// Every command of the tool, in the order of the overview.
const std::vector<Command>& Commands();

// Prepares a parser for one command with --help; parses args (the words after the command name).
// Returns an exit code when the command must end now: kOk after printing the help, kUsage after
// printing a usage error. positionals gives the allowed count of positional arguments.
std::optional<int> ParseCommandLine(QCommandLineParser& parser, const Command& command, const QStringList& args,
                                    int minPositionals, int maxPositionals);

void PrintOut(const QString& text); // one line on stdout
void PrintErr(const QString& text); // one line on stderr

// The draw file to use: the given path, or "BelgienKenoZahlen.tpp" in the data folder.
std::filesystem::path DrawFileOrDefault(const QString& given);

// Runs a command body and turns a file error, a lack of memory or any other failure into a German
// message and kRefused.
int Guarded(const std::function<int()>& body);

} // namespace qv::cli
