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

// The number of draws a slip is played for, --draw-count N (slips from-text, print). Everywhere else
// --draws names a draw file; here the old spelling --draws N still works for this version, with a
// note on stderr.
struct DrawCountOption {
    QCommandLineOption current{QStringLiteral("draw-count"), QString(), QStringLiteral("N")};
    QCommandLineOption old{QStringLiteral("draws"), QString(), QStringLiteral("N")};

    explicit DrawCountOption(const QString& description);
    void AddTo(QCommandLineParser& parser) const;
    // The value given under either name; the old name is noted on stderr.
    std::optional<QString> Value(const QCommandLineParser& parser) const;
};

void PrintOut(const QString& text); // one line on stdout
void PrintErr(const QString& text); // one line on stderr

// The draw file to use: the given path, or "BelgienKenoZahlen.tpp" in the data folder.
std::filesystem::path DrawFileOrDefault(const QString& given);

// Says on stderr that the draw file holds no draws and how to import some.
void PrintNoDraws(const std::filesystem::path& drawFile);

// Runs a command body and turns a file error, a lack of memory or any other failure into a German
// message and kRefused.
int Guarded(const std::function<int()>& body);

} // namespace qv::cli
