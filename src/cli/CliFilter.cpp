#include "cli/CliCommands.h"
#include "cli/CliCommon.h"

#include "engine/core/SafeFile.h"
#include "engine/core/TextEncoding.h"
#include "text/DataFolder.h"
#include "text/WinningNumberText.h"

#include <unistd.h>

namespace qv::cli {

int RunFilter(const Command& command, const QStringList& args) {
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("DATEI"),
                                 QStringLiteral("Textdatei in UTF-8 oder UTF-16 (sonst die Standardeingabe)."),
                                 QStringLiteral("[DATEI]"));
    if (const auto end = ParseCommandLine(parser, command, args, 0, 1)) {
        return *end;
    }
    return Guarded([&] {
        const QStringList positional = parser.positionalArguments();
        std::vector<std::uint8_t> bytes;
        if (positional.isEmpty()) {
            // To its end: a pipe may deliver the text in parts, some of them late.
            auto read = ReadStreamToEnd(STDIN_FILENO, kMaxTextFileBytes, "Standardeingabe");
            if (!read) {
                PrintErr(QStringLiteral("Die Standardeingabe ist länger als %1 Bytes; es wurde nichts gefiltert.")
                             .arg(kMaxTextFileBytes));
                return kRefused;
            }
            bytes = std::move(*read);
        } else {
            const auto file = ReadWholeFile(ToPath(positional.first()), kMaxTextFileBytes);
            if (!file) {
                PrintErr(
                    QStringLiteral("Die Datei „%1“ gibt es nicht; es wurde nichts gefiltert.").arg(positional.first()));
                return kRefused;
            }
            bytes = *file;
        }
        // A text saved by another program may be UTF-16: its byte-order mark tells.
        const QString text = QString::fromStdString(
            DecodeText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size())));
        for (const QString& token : FilterWinningNumbers(text)) {
            PrintOut(token);
        }
        return kOk;
    });
}

} // namespace qv::cli
